// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/StateRecord.h"

#include "log/ShortString.h"

#include <QtEndian>

namespace logbook {
namespace {

constexpr int kNextRow = 0;
constexpr int kBandChangeCount = 4;
constexpr int kBandMode = 8;
constexpr int kBandModeCapacity = 8;
constexpr int kSubTourStart = 20;
constexpr int kBandCounters = 24;
constexpr int kCallsLineFlag = 48;

void putInt(QByteArray& out, int offset, qint32 value)
{
    qToLittleEndian<qint32>(value, out.data() + offset);
}

qint32 getInt(const char* data, int offset)
{
    return qFromLittleEndian<qint32>(data + offset);
}

} // namespace

QByteArray StateRecord::encode() const
{
    QByteArray out(Size, '\0');
    putInt(out, kNextRow, nextRow);
    putInt(out, kBandChangeCount, bandChangeCount);
    writeShortString(out.data() + kBandMode, kBandModeCapacity, bandMode);
    putInt(out, kSubTourStart, subTourStart);
    for (int i = 0; i < BandCount; ++i)
        putInt(out, kBandCounters + 4 * i, bandCounters[size_t(i)]);
    out[kCallsLineFlag] = char(callsLineFlag);
    return out;
}

StateRecord StateRecord::decode(const char* data)
{
    StateRecord s;
    s.nextRow = getInt(data, kNextRow);
    s.bandChangeCount = getInt(data, kBandChangeCount);
    s.bandMode = readShortString(data + kBandMode, kBandModeCapacity);
    s.subTourStart = getInt(data, kSubTourStart);
    for (int i = 0; i < BandCount; ++i)
        s.bandCounters[size_t(i)] = getInt(data, kBandCounters + 4 * i);
    s.callsLineFlag = quint8(data[kCallsLineFlag]);
    return s;
}

bool StateRecord::operator==(const StateRecord& o) const
{
    return nextRow == o.nextRow && bandChangeCount == o.bandChangeCount && bandMode == o.bandMode
        && subTourStart == o.subTourStart && bandCounters == o.bandCounters
        && callsLineFlag == o.callsLineFlag;
}

} // namespace logbook
