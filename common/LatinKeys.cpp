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
    QString text = typed;
    for (QChar& c : text)
        c = latinLetter(c);
    return text;
}

QString callText(const QString& typed)
{
    QString call;
    bool letterSeen = false;
    for (const QChar typedChar : typed) {
        const QChar c = latinLetter(typedChar).toUpper();
        if (isLatinLetter(c)) {
            letterSeen = true;
            call += c;
        } else if (c.isDigit() && c.unicode() < 128) {
            call += c;
        } else if (c == QLatin1Char('/') || (letterSeen && (c == QLatin1Char('.') || c == QLatin1Char(',')))) {
            call += QLatin1Char('/');
        }
    }
    return call;
}

} // namespace latinkeys
