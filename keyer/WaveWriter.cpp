// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyer/WaveWriter.h"

#include <QFileDevice>
#include <QtEndian>
#include <limits>

namespace keyer {
namespace {

void put32(QByteArray& out, int at, quint32 value)
{
    qToLittleEndian<quint32>(value, out.data() + at);
}

void put16(QByteArray& out, int at, quint16 value)
{
    qToLittleEndian<quint16>(value, out.data() + at);
}

} // namespace

QByteArray waveHeader(int rate, qint64 dataBytes)
{
    constexpr int kBytesPerSample = 2;
    // A header holds 32-bit sizes: a longer recording says the most it can.
    const quint32 data = quint32(qMin<qint64>(dataBytes, std::numeric_limits<quint32>::max() - kWaveHeaderBytes));
    QByteArray h(kWaveHeaderBytes, '\0');
    h.replace(0, 4, "RIFF");
    put32(h, 4, data + kWaveHeaderBytes - 8);
    h.replace(8, 8, "WAVEfmt ");
    put32(h, 16, 16);                      // the format chunk's size
    put16(h, 20, 1);                       // integer PCM
    put16(h, 22, 1);                       // one channel
    put32(h, 24, quint32(rate));
    put32(h, 28, quint32(rate * kBytesPerSample));
    put16(h, 32, kBytesPerSample);         // a frame's bytes
    put16(h, 34, 16);                      // bits per sample
    h.replace(36, 4, "data");
    put32(h, 40, data);
    return h;
}

QString WaveStream::failure() const
{
    const QString why = m_device.errorString();
    return why.isEmpty() ? QStringLiteral("запись не удалась") : why;
}

QString WaveStream::begin()
{
    if (m_device.write(waveHeader(m_rate, 0)) != kWaveHeaderBytes)
        return failure();
    auto* file = qobject_cast<QFileDevice*>(&m_device);
    return !file || file->flush() ? QString() : failure(); // a file that is there is a wave file
}

QString WaveStream::append(const QByteArray& samples)
{
    if (m_device.write(samples) != samples.size())
        return failure();
    m_dataBytes += samples.size();
    return QString();
}

// Back to the header and on at the end; a file flushed to the system, so a
// crash of the program leaves what was written.
QString WaveStream::updateHeader()
{
    const qint64 end = m_device.pos();
    if (!m_device.seek(0) || m_device.write(waveHeader(m_rate, m_dataBytes)) != kWaveHeaderBytes || !m_device.seek(end))
        return failure();
    if (auto* file = qobject_cast<QFileDevice*>(&m_device); file && !file->flush())
        return failure();
    return QString();
}

} // namespace keyer
