#include "scoring/ContestCatalogue.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace scoring;

// Every description shipped in the source tree's contests/ reads well, with
// the lists beside it: a broken one would not be offered to anyone.
TEST(ShippedDescriptionsTest, EveryShippedDescriptionReadsWell)
{
    const QString folder = QStringLiteral(KVL_SOURCE_DIR "/contests");
    const ContestCatalogue catalogue = loadContestCatalogue({folder});
    EXPECT_TRUE(catalogue.errors.isEmpty()) << catalogue.errors.join(QLatin1Char('\n')).toStdString();
    const QStringList files = QDir(folder).entryList({QStringLiteral("*.contest")}, QDir::Files);
    EXPECT_EQ(int(catalogue.contests.size()), files.size());
}
