// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

class QAudioSource;
class QIODevice;

// A sound input read as 16-bit samples of one channel, 16 kHz where the
// device takes it, else at the device's own rate: whatever the device gives
// is turned into that. It lives on the thread that made it.
namespace keyer {

constexpr int kRecordingRate = 16000;

// The names of the sound inputs the system offers, as setup lists them.
QStringList audioInputNames();

// Whole frames of `channels` samples of a kind, little-endian, as 16-bit
// samples of one channel: the channels' mean, full scale kept.
enum class SampleKind { UInt8, Int16, Int32, Float };
QByteArray monoSixteenBit(const QByteArray& frames, int channels, SampleKind kind);
int sampleBytes(SampleKind kind);

class AudioCapture : public QObject
{
    Q_OBJECT
public:
    explicit AudioCapture(QObject* parent = nullptr);
    ~AudioCapture() override;

    // Starts reading the input of that name, the system's default for an
    // empty one. Why not, in Russian with the system's reason (also told by
    // `failed`); empty when started (told by `started`).
    QString start(const QString& inputName);
    void stop();
    int rate() const { return m_rate; }

Q_SIGNALS:
    void started(int rate);
    void samplesArrived(const QByteArray& samples);
    // The input did not start, or stopped by itself (unplugged, the sound server gone).
    void failed(const QString& why);

private:
    QString open(const QString& inputName);
    void readAvailable();

    std::unique_ptr<QAudioSource> m_source;
    QIODevice* m_io = nullptr; // the source's
    int m_rate = kRecordingRate;
    int m_channels = 1;
    SampleKind m_kind = SampleKind::Int16;
    QByteArray m_partial;   // a frame's first bytes, until the rest arrive
};

} // namespace keyer
