#include "setup/StationStore.h"

#include <gtest/gtest.h>

using namespace setup;

// Every reader sees an edit at once; a line that did not change is not said,
// and the sub-tour times follow their text.
TEST(StationStoreTest, ChangesAreSaidOnceAndTheTimesFollowTheirText)
{
    StationStore store;
    QList<int> said;
    QObject::connect(&store, &StationStore::changed, [&](int line) { said << line; });
    QStringList lines(kTemplateLineCount);
    lines[CallSign] = QStringLiteral("UA9XYZ");
    lines[SubTourTimes] = QStringLiteral("Туры: 10:00, 11:00");
    store.setLines(lines);
    EXPECT_EQ(said, (QList<int> {CallSign, SubTourTimes}));
    store.setField(CallSign, QStringLiteral("UA9XYZ"));
    EXPECT_EQ(said.size(), 2);
    EXPECT_EQ(store.subTourTimeList(), (std::vector<QTime> {QTime(10, 0), QTime(11, 0)}));
    store.setField(SubTourTimes, QStringLiteral("12:00"));
    EXPECT_EQ(store.subTourTimeList(), std::vector<QTime> {QTime(12, 0)});
}
