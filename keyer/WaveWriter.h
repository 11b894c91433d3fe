// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

// Wave audio as KVL records it: 16-bit PCM, one channel.
namespace keyer {

constexpr int kWaveHeaderBytes = 44;

// The 44-byte RIFF header of `dataBytes` of 16-bit mono samples at `rate`.
QByteArray waveHeader(int rate, qint64 dataBytes);

// A wave file written as the samples come: the header is written first with
// what is known, and again on `updateHeader`, so that a file cut off by a
// crash plays up to the last update.
class WaveStream
{
public:
    // `device` is open for writing, at its start, and outlives the stream.
    WaveStream(QIODevice& device, int rate) : m_device(device), m_rate(rate) {}

    // Each answers why not in the system's words; empty when written.
    QString begin();
    QString append(const QByteArray& samples);
    QString updateHeader();
    int rate() const { return m_rate; }

private:
    QString failure() const;

    QIODevice& m_device;
    int m_rate;
    qint64 m_dataBytes = 0;
};

} // namespace keyer
