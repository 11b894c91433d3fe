// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/ContactStamp.h"

#include "common/FileNames.h"
#include "common/KvlError.h"
#include "log/Contact.h"

#include <QTimeZone>
#include <QtEndian>
#include <cstdlib>

namespace logbook {
namespace {

constexpr qint64 kSecondsPerDay = 24 * 3600;
constexpr int kUtc = 0;
constexpr int kFrequency = 8;
constexpr int kOffset = 16;
constexpr int kSubTour = 20;
constexpr int kFormat = 24;   // 1: a written stamp; 0: none
constexpr int kFlags = 25;    // bit 0: the sub-tour's number is only a least one
constexpr int kChecksum = 26; // of the bytes before it: a torn write reads as none
constexpr char kFormatTag = 1;

qint64 floorDiv(qint64 a, qint64 b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

} // namespace

ContactStamp ContactStamp::at(const QDateTime& reading, qint64 frequencyHz, int subTour, bool subTourExact)
{
    return {reading.toSecsSinceEpoch(), frequencyHz, qint32(reading.offsetFromUtc()), qint32(subTour), subTourExact};
}

QDateTime ContactStamp::utc() const
{
    return QDateTime::fromSecsSinceEpoch(utcSeconds, QTimeZone::utc());
}

QTime ContactStamp::localTime() const
{
    const qint64 local = utcSeconds + utcOffset;
    return QTime(0, 0).addSecs(int(local - floorDiv(local, kSecondsPerDay) * kSecondsPerDay));
}

bool ContactStamp::matches(const QString& timeCell) const
{
    const std::optional<QTime> cell = parseContactTime(timeCell);
    const QTime local = localTime();
    return cell && cell->hour() == local.hour() && cell->minute() == local.minute();
}

ContactStamp ContactStamp::movedTo(const QTime& hhmm) const
{
    const qint64 local = utcSeconds + utcOffset;
    const qint64 midnight = floorDiv(local, kSecondsPerDay) * kSecondsPerDay;
    const qint64 minute = hhmm.hour() * 3600 + hhmm.minute() * 60;
    qint64 best = local;
    qint64 bestDistance = -1;
    for (const qint64 day : {midnight - kSecondsPerDay, midnight, midnight + kSecondsPerDay}) {
        const qint64 nearest = qBound(day + minute, local, day + minute + 59);
        if (bestDistance < 0 || std::llabs(nearest - local) < bestDistance) {
            best = nearest;
            bestDistance = std::llabs(nearest - local);
        }
    }
    ContactStamp moved = *this;
    moved.utcSeconds = best - utcOffset;
    return moved;
}

QByteArray ContactStamp::encode() const
{
    QByteArray out(Size, '\0');
    qToLittleEndian<qint64>(utcSeconds, out.data() + kUtc);
    qToLittleEndian<qint64>(frequencyHz, out.data() + kFrequency);
    qToLittleEndian<qint32>(utcOffset, out.data() + kOffset);
    qToLittleEndian<qint32>(subTour, out.data() + kSubTour);
    out[kFormat] = kFormatTag;
    out[kFlags] = subTourExact ? 0 : 1;
    qToLittleEndian<quint16>(qChecksum(QByteArrayView(out.constData(), kChecksum)), out.data() + kChecksum);
    return out;
}

std::optional<ContactStamp> ContactStamp::decode(const char* data)
{
    if (data[kFormat] != kFormatTag
        || qFromLittleEndian<quint16>(data + kChecksum) != qChecksum(QByteArrayView(data, kChecksum)))
        return std::nullopt;
    return ContactStamp {qFromLittleEndian<qint64>(data + kUtc), qFromLittleEndian<qint64>(data + kFrequency),
                         qFromLittleEndian<qint32>(data + kOffset), qFromLittleEndian<qint32>(data + kSubTour),
                         (data[kFlags] & 1) == 0};
}

bool ContactStamp::operator==(const ContactStamp& o) const
{
    return utcSeconds == o.utcSeconds && frequencyHz == o.frequencyHz && utcOffset == o.utcOffset
        && subTour == o.subTour && subTourExact == o.subTourExact;
}

StampFile::StampFile() : m_file(kStampFileName, ContactStamp::Size) {}

QVector<std::optional<ContactStamp>> StampFile::read(int count) const
{
    QVector<std::optional<ContactStamp>> stamps(count);
    QByteArray bytes;
    try {
        bytes = m_file.exists() ? m_file.read(0, count) : QByteArray();
    } catch (const KvlError&) {
        return stamps; // the contacts keep their time cells; the next write says what is wrong
    }
    for (qsizetype i = 0; i < bytes.size() / ContactStamp::Size; ++i)
        stamps[i] = ContactStamp::decode(bytes.constData() + i * ContactStamp::Size);
    return stamps;
}

QByteArray StampFile::slot(const std::optional<ContactStamp>& stamp)
{
    return stamp ? stamp->encode() : QByteArray(ContactStamp::Size, '\0');
}

void StampFile::createIfMissing() const
{
    if (!m_file.exists())
        m_file.createEmpty();
}

} // namespace logbook
