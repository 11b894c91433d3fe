// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/ExportText.h"
#include "common/Version.h"


#include <algorithm>
#include <array>

namespace scoring {
namespace {

// А to Я in code order; Ё is Е.
constexpr std::array<const char*, 32> kCapitals = {"A",  "B",  "V",  "G",    "D",  "E", "ZH", "Z",
                                                   "I",  "I",  "K",  "L",    "M",  "N", "O",  "P",
                                                   "R",  "S",  "T",  "U",    "F",  "KH", "TS", "CH",
                                                   "SH", "SHCH", "IE", "Y", "",   "E", "IU", "IA"};

constexpr char16_t kCapitalA = u'А';
constexpr char16_t kSmallA = u'а';

// The Latin letters of one Cyrillic letter, capitals; null when it is none.
const char* latinOf(char16_t c, bool& small)
{
    small = false;
    if (c == u'Ё' || c == u'ё') {
        small = c == u'ё';
        return "E";
    }
    if (c >= kCapitalA && c < kCapitalA + 32)
        return kCapitals[size_t(c - kCapitalA)];
    if (c >= kSmallA && c < kSmallA + 32) {
        small = true;
        return kCapitals[size_t(c - kSmallA)];
    }
    return nullptr;
}

// Typographic signs a Russian keyboard or word processor gives.
const char* asciiSign(char16_t c)
{
    switch (c) {
    case u'«':
    case u'»':
    case u'„':
    case u'“':
    case u'”':
        return "\"";
    case u'–':
    case u'—':
        return "-";
    case u'№':
        return "N";
    default:
        return nullptr;
    }
}

} // namespace

QString asciiText(const QString& text)
{
    const bool plain = std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u' ' && c < u'\x7F'; });
    if (plain)
        return text; // nearly every value: shared, not copied
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        bool small = false;
        if (c >= 0x20 && c < 0x7F) {
            out += QChar(c);
        } else if (c < 0x20 || c == 0x7F) {
            out += QLatin1Char(' ');
        } else if (const char* latin = latinOf(c, small)) {
            QString letters = QString::fromLatin1(latin);
            const bool nextSmall = i + 1 < text.size() && text[i + 1].isLower();
            if (small)
                letters = letters.toLower();
            else if (nextSmall && letters.size() > 1)
                letters = letters.left(1) + letters.mid(1).toLower();
            out += letters;
        } else if (const char* sign = asciiSign(c)) {
            out += QLatin1String(sign);
        } else {
            out += QLatin1Char('?');
            if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
                ++i; // one character, one "?"
        }
    }
    return out;
}

QString exportContestName(const ContestDescription* contest, const setup::ExportOptions& options)
{
    if (const QString chosen = asciiText(options.contestName).simplified(); !chosen.isEmpty())
        return chosen;
    const QString own = contest ? asciiText(contest->cabrillo).simplified() : QString();
    return own.isEmpty() ? QStringLiteral("OTHER") : own;
}

QString megahertz(qint64 hz)
{
    QString text = QStringLiteral("%1.%2").arg(hz / 1000000).arg(hz % 1000000, 6, 10, QLatin1Char('0'));
    while (text.endsWith(u'0') && text.size() - text.indexOf(u'.') > 4)
        text.chop(1);
    return text;
}

QString hhmm(const QTime& time)
{
    const int digits[] = {time.hour() / 10, time.hour() % 10, time.minute() / 10, time.minute() % 10};
    QString out(4, Qt::Uninitialized);
    for (int i = 0; i < 4; ++i)
        out[i] = QChar(u'0' + digits[i]);
    return out;
}

QString programName()
{
    return QStringLiteral("KVL");
}

QString programVersion()
{
    return QString::fromLatin1(kvl::kVersion);
}

} // namespace scoring
