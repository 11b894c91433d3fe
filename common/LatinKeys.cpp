// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/LatinKeys.h"

namespace latinkeys {
namespace {

// One string each, key by key along the three letter rows.
const QString kRussianKeys = QStringLiteral("ЙЦУКЕНГШЩЗФЫВАПРОЛДЯЧСМИТЬ");
const QString kLatinKeys = QStringLiteral("QWERTYUIOPASDFGHJKLZXCVBNM");

bool isLatinLetter(QChar c)
{
    return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || (c >= QLatin1Char('a') && c <= QLatin1Char('z'));
}

} // namespace

QChar latinLetter(QChar c)
{
    const qsizetype at = kRussianKeys.indexOf(c.toUpper());
    return at < 0 ? c : kLatinKeys.at(at);
}

QString latinText(const QString& typed)
{
    QString text;
    text.reserve(typed.size());
    for (const QChar c : typed) {
        if (c.unicode() >= 0x20 && c.unicode() != 0x7F)
            text += latinLetter(c);
    }
    return text;
}

QString callText(const QString& typed)
{
    QString call;
    bool letterSeen = false;
    qsizetype decimalPoint = -1; // in digits alone: a frequency in kHz (14025.5)
    for (const QChar typedChar : typed) {
        const QChar c = latinLetter(typedChar).toUpper();
        const bool separator = c == QLatin1Char('.') || c == QLatin1Char(',');
        if (isLatinLetter(c)) {
            if (!letterSeen && decimalPoint >= 0)
                call.remove(decimalPoint, 1); // no frequency after all
            letterSeen = true;
            call += c;
        } else if (c.isDigit() && c.unicode() < 128) {
            call += c;
        } else if (c == QLatin1Char('/') || (letterSeen && separator)) {
            call += QLatin1Char('/');
        } else if (separator && !call.isEmpty() && decimalPoint < 0) {
            decimalPoint = call.size();
            call += c;
        }
    }
    return call;
}

} // namespace latinkeys
