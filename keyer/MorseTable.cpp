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

} // namespace keyer
