// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/LatinKeys.h"

#include <gtest/gtest.h>

using namespace latinkeys;

// Typed on the Russian layout, then what the call and the received field make of it.
TEST(LatinKeysTest, EveryLetterKeyInEitherCaseAndTheCallsRule)
{
    const struct { const char *typed, *call, *received; } cases[] = {
        {"ЙЦУКЕНГШЩЗФЫВАПРОЛДЯЧСМИТЬ", "QWERTYUIOPASDFGHJKLZXCVBNM", "QWERTYUIOPASDFGHJKLZXCVBNM"},
        {"йцукенгшщзфывапролдячсмить", "QWERTYUIOPASDFGHJKLZXCVBNM", "QWERTYUIOPASDFGHJKLZXCVBNM"},
        {"ГФ9ЧЧ.З", "UA9XX/P", "UA9XX.P"},
        {"гф9чч,з", "UA9XX/P", "UA9XX,P"},
        {".9,ГФ", "9UA", ".9,UA"},          // no letter yet: no "/"
        {"14025,5.", "14025,5", "14025,5."}, // a frequency in kHz keeps one point
        {"RA 3ХЪЖЭБЮЁ-1", "RA31", "RA 3ХЪЖЭБЮЁ-1"}, // a paste: what cannot stand in a call goes
        {"12\t3\r\n\x7f" "4", "1234", "1234"},   // control characters stand in no exchange
    };
    for (const auto& c : cases) {
        EXPECT_EQ(callText(QString::fromUtf8(c.typed)), QString::fromUtf8(c.call)) << c.typed;
        EXPECT_EQ(latinText(QString::fromUtf8(c.typed)), QString::fromUtf8(c.received)) << c.typed;
    }
    EXPECT_EQ(latinText(QString(QChar(0)) + QStringLiteral("5")), QStringLiteral("5")); // a pasted NUL
}
