#include "common/FileNames.h"

#include <gtest/gtest.h>

using logbook::safeFileStem;

TEST(FileNamesTest, ReplacesWhatNoFileNameMayHold)
{
    const struct
    {
        QString stem;
        QString safe;
    } cases[] = {
        {QStringLiteral("UA9XX"), QStringLiteral("UA9XX")},
        {QStringLiteral("UA9XX/P"), QStringLiteral("UA9XX_P")},
        {QStringLiteral("R9AA/9"), QStringLiteral("R9AA_9")},
        {QStringLiteral("A\\B:C*D?E\"F<G>H|I"), QStringLiteral("A_B_C_D_E_F_G_H_I")},
        {QStringLiteral("RA\t3\nAA\x7f"), QStringLiteral("RA_3_AA_")},
        {QStringLiteral(".."), QStringLiteral("..")}, // no separator left, so it names no folder
        {QString(), QString()},
        {QStringLiteral("РА3АА"), QStringLiteral("РА3АА")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(safeFileStem(c.stem), c.safe) << c.stem.toStdString();
}

// Report, Cabrillo and ADIF share one stem, never a hidden name or a folder's.
TEST(FileNamesTest, ACallsFilesShareOneVisibleStem)
{
    const struct
    {
        const char* call;
        const char* stem;
    } cases[] = {
        {" UA9XX/P ", "UA9XX_P"},
        {" ../x ", "___x"},
        {".", "_"},
        {"..", "__"},
        {"R.1", "R.1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(logbook::callFileStem(QLatin1String(c.call)), QLatin1String(c.stem)) << c.call;
}
