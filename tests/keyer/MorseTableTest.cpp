// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyer/MorseTable.h"

#include <QString>
#include <gtest/gtest.h>

// International Morse code, ITU-R M.1677-1.
TEST(MorseTable, MatchesTheInternationalCode)
{
    const std::pair<char, const char*> itu[] = {
        {'A', ".-"}, {'B', "-..."}, {'C', "-.-."}, {'D', "-.."}, {'E', "."}, {'F', "..-."},
        {'G', "--."}, {'H', "...."}, {'I', ".."}, {'J', ".---"}, {'K', "-.-"}, {'L', ".-.."},
        {'M', "--"}, {'N', "-."}, {'O', "---"}, {'P', ".--."}, {'Q', "--.-"}, {'R', ".-."},
        {'S', "..."}, {'T', "-"}, {'U', "..-"}, {'V', "...-"}, {'W', ".--"}, {'X', "-..-"},
        {'Y', "-.--"}, {'Z', "--.."}, {'0', "-----"}, {'1', ".----"}, {'2', "..---"},
        {'3', "...--"}, {'4', "....-"}, {'5', "....."}, {'6', "-...."}, {'7', "--..."},
        {'8', "---.."}, {'9', "----."}, {'?', "..--.."},
    };
    QString known;
    for (const auto& [c, code] : itu) {
        const char* got = keyer::morseCode(QLatin1Char(c));
        ASSERT_NE(got, nullptr) << c;
        EXPECT_STREQ(got, code) << c;
        known += QLatin1Char(c);
    }
    // Nothing else has a code: not the space, lower case, punctuation, Cyrillic.
    for (char16_t u = 0; u < 0x500; ++u) {
        if (!known.contains(QChar(u))) {
            EXPECT_EQ(keyer::morseCode(QChar(u)), nullptr) << int(u);
        }
    }
}
