// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/Contact.h"

#include "common/Cp1251.h"
#include "log/Decimal.h"
#include "log/ShortString.h"

#include <QRegularExpression>

namespace logbook {

QByteArray Contact::encode() const
{
    QByteArray out(Size, '\0');
    int offset = 0;
    for (int i = 0; i < QsoFieldCount; ++i) {
        writeShortString(out.data() + offset, Capacity[size_t(i)], fields[size_t(i)]);
        offset += Capacity[size_t(i)] + 1;
    }
    return out;
}

int Contact::textLimit(int field)
{
    if (field == Sent || field == Received)
        return LongExchange;
    return field >= 0 && field < QsoFieldCount ? Capacity[size_t(field)] : 0;
}

QString Contact::recordText(QsoField field, const QString& text)
{
    return cp1251::decode(cp1251::encode(text).left(Capacity[size_t(field)]));
}

Contact Contact::decode(const char* data)
{
    Contact record;
    int offset = 0;
    for (int i = 0; i < QsoFieldCount; ++i) {
        record.fields[size_t(i)] = readShortString(data + offset, Capacity[size_t(i)]);
        offset += Capacity[size_t(i)] + 1;
    }
    return record;
}

std::optional<qint64> Contact::bandChangeCount() const
{
    return decimalValue(text(BandChange));
}

std::optional<qint64> Contact::points() const
{
    return decimalValue(text(Points));
}

std::optional<QTime> parseContactTime(const QString& cell)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,2}):(\\d{2})$"));
    const QRegularExpressionMatch m = pattern.match(cell.trimmed());
    if (!m.hasMatch())
        return std::nullopt;
    const QTime time(m.captured(1).toInt(), m.captured(2).toInt());
    return time.isValid() ? std::optional<QTime>(time) : std::nullopt;
}

} // namespace logbook
