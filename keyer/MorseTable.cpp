// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyer/MorseTable.h"

namespace keyer {

namespace {

constexpr const char* kLetters[26] = {
    ".-", "-...", "-.-.", "-..", ".", "..-.", "--.", "....", "..", ".---", "-.-", ".-..", "--",
    "-.", "---", ".--.", "--.-", ".-.", "...", "-", "..-", "...-", ".--", "-..-", "-.--", "--..",
};

constexpr const char* kDigits[10] = {
    "-----", ".----", "..---", "...--", "....-", ".....", "-....", "--...", "---..", "----.",
};

} // namespace

const char* morseCode(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'A' && u <= u'Z')
        return kLetters[u - u'A'];
    if (u >= u'0' && u <= u'9')
        return kDigits[u - u'0'];
    if (u == u'?')
        return "..--..";
    return nullptr;
}

int morseMillis(const QByteArray& text, int wpm)
{
    constexpr int kGapDots = 2; // a character's gap beyond its last element's own
    int dots = 0;
    for (const char c : text) {
        const char* code = morseCode(QLatin1Char(c));
        for (; code && *code; ++code)
            dots += *code == '.' ? 2 : 4;
        dots += code ? kGapDots : 0;
    }
    return wpm > 0 ? dots * 1200 / wpm : 0;
}

} // namespace keyer
