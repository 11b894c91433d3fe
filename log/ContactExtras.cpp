// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/ContactExtras.h"

#include <QtEndian>
#include <cstring>

namespace logbook {
namespace {

constexpr int kFormat = 0;                         // 1: key=value lines; 0: no slot
constexpr int kLength = 1;                         // the payload's bytes, 16 bits
constexpr int kPayload = 3;                        // then zero bytes up to the checksum
constexpr int kChecksum = ContactExtras::Size - 2; // of the bytes before it
constexpr int kRoom = kChecksum - kPayload;
constexpr char kFormatTag = 1;
// Both exchanges fit together whatever their characters: "sent=\n", "received=\n".
constexpr int kValueBytes = (kRoom - 16) / 2;

constexpr char kSentKey[] = "sent";
constexpr char kReceivedKey[] = "received";

QByteArray valueBytes(QString value)
{
    value = value.left(Contact::LongExchange);
    value.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
    QByteArray bytes = value.toUtf8();
    while (bytes.size() > kValueBytes) {
        value.chop(value.size() > 1 && value.back().isLowSurrogate() ? 2 : 1);
        bytes = value.toUtf8();
    }
    return bytes;
}

QByteArray line(const char* key, const QString& value)
{
    return value.isEmpty() ? QByteArray() : QByteArray(key) + '=' + valueBytes(value) + '\n';
}

} // namespace

ContactExtras ContactExtras::of(const Contact& contact)
{
    ContactExtras extras;
    if (!contact.recordHolds(Sent))
        extras.sent = contact.sent();
    if (!contact.recordHolds(Received))
        extras.received = contact.received();
    return extras;
}

QString ContactExtras::longText(QsoField field, const QString& recordText) const
{
    const QString value = field == Sent ? sent : field == Received ? received : QString();
    return !value.isEmpty() && Contact::recordText(field, value) == recordText ? value : recordText;
}

QByteArray ContactExtras::encode() const
{
    QByteArray payload = line(kSentKey, sent) + line(kReceivedKey, received);
    for (const QByteArray& other : otherLines.split('\n')) {
        if (!other.isEmpty() && payload.size() + other.size() + 1 <= kRoom)
            payload += other + '\n';
    }
    QByteArray out(Size, '\0');
    out[kFormat] = kFormatTag;
    qToLittleEndian<quint16>(quint16(payload.size()), out.data() + kLength);
    std::memcpy(out.data() + kPayload, payload.constData(), size_t(payload.size()));
    qToLittleEndian<quint16>(qChecksum(QByteArrayView(out.constData(), kChecksum)), out.data() + kChecksum);
    return out;
}

std::optional<ContactExtras> ContactExtras::decode(const char* data)
{
    const int length = qFromLittleEndian<quint16>(data + kLength);
    if (data[kFormat] != kFormatTag || length > kRoom
        || qFromLittleEndian<quint16>(data + kChecksum) != qChecksum(QByteArrayView(data, kChecksum)))
        return std::nullopt;
    ContactExtras extras;
    for (const QByteArray& entry : QByteArray(data + kPayload, length).split('\n')) {
        const qsizetype equals = entry.indexOf('=');
        const QByteArray key = entry.left(qMax<qsizetype>(equals, 0)); // none without '='
        const QString value = QString::fromUtf8(entry.mid(equals + 1)).left(Contact::LongExchange);
        if (key == kSentKey)
            extras.sent = value;
        else if (key == kReceivedKey)
            extras.received = value;
        else if (!entry.isEmpty())
            extras.otherLines += entry + '\n';
    }
    return extras;
}

} // namespace logbook
