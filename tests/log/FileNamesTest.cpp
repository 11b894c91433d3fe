// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/FileNames.h"

#include <gtest/gtest.h>

using logbook::callFileStem;

// Report, Cabrillo and ADIF share one stem, never a hidden name or a folder's.
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
        {QStringLiteral(".."), QStringLiteral("__")},
        {QStringLiteral(" ../x "), QStringLiteral("___x")},
        {QStringLiteral(" UA9XX/P "), QStringLiteral("UA9XX_P")},
        {QStringLiteral("R.1"), QStringLiteral("R.1")},
        {QString(), QString()},
        {QStringLiteral("РА3АА"), QStringLiteral("РА3АА")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(callFileStem(c.stem), c.safe) << c.stem.toStdString();
}

