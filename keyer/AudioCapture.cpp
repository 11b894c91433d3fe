// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyer/AudioCapture.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSource>
#include <QMediaDevices>
#include <QtEndian>
#include <cmath>
#include <cstring>
#include <optional>

namespace keyer {
namespace {

constexpr qint64 kDeliveryMicroseconds = 100'000;

QString audioErrorText(QAudio::Error error)
{
    switch (error) {
    case QAudio::OpenError: return QStringLiteral("устройство записи не открывается");
    case QAudio::IOError: return QStringLiteral("звук с устройства не читается");
    case QAudio::UnderrunError: return QStringLiteral("звук с устройства не поступает");
    case QAudio::FatalError: return QStringLiteral("звуковая система отказала");
    case QAudio::NoError: break;
    }
    return QString();
}

// One sample as a value from -1 to 1.
float sampleValue(const char* at, SampleKind kind)
{
    switch (kind) {
    case SampleKind::UInt8: return (quint8(*at) - 128) / 128.0f;
    case SampleKind::Int16: return qFromLittleEndian<qint16>(at) / 32768.0f;
    case SampleKind::Int32: return float(qFromLittleEndian<qint32>(at) / 2147483648.0);
    case SampleKind::Float: {
        float value = 0;
        std::memcpy(&value, at, sizeof value);
        return value;
    }
    }
    return 0;
}

std::optional<SampleKind> kindOf(QAudioFormat::SampleFormat format)
{
    switch (format) {
    case QAudioFormat::UInt8: return SampleKind::UInt8;
    case QAudioFormat::Int16: return SampleKind::Int16;
    case QAudioFormat::Int32: return SampleKind::Int32;
    case QAudioFormat::Float: return SampleKind::Float;
    default: return std::nullopt;
    }
}

} // namespace

int sampleBytes(SampleKind kind)
{
    switch (kind) {
    case SampleKind::UInt8: return 1;
    case SampleKind::Int16: return 2;
    case SampleKind::Int32:
    case SampleKind::Float: return 4;
    }
    return 2;
}

QByteArray monoSixteenBit(const QByteArray& frames, int channels, SampleKind kind)
{
    const int size = sampleBytes(kind);
    const int frameBytes = size * channels;
    const int count = frameBytes > 0 ? int(frames.size() / frameBytes) : 0;
    QByteArray samples(count * 2, '\0');
    for (int i = 0; i < count; ++i) {
        float sum = 0;
        for (int c = 0; c < channels; ++c)
            sum += sampleValue(frames.constData() + i * frameBytes + c * size, kind);
        const float mono = qBound(-1.0f, sum / float(channels), 1.0f);
        qToLittleEndian<qint16>(qint16(std::lround(mono * 32767.0f)), samples.data() + i * 2);
    }
    return samples;
}

QStringList audioInputNames()
{
    QStringList names;
    for (const QAudioDevice& device : QMediaDevices::audioInputs())
        names << device.description();
    return names;
}

AudioCapture::AudioCapture(QObject* parent) : QObject(parent) {}

AudioCapture::~AudioCapture()
{
    stop();
}

QString AudioCapture::start(const QString& inputName)
{
    const QString why = open(inputName);
    if (why.isEmpty())
        Q_EMIT started(m_rate);
    else
        Q_EMIT failed(why);
    return why;
}

QString AudioCapture::open(const QString& inputName)
{
    stop();
    QAudioDevice device = QMediaDevices::defaultAudioInput();
    if (!inputName.isEmpty()) {
        device = {};
        for (const QAudioDevice& input : QMediaDevices::audioInputs()) {
            if (input.description() == inputName)
                device = input;
        }
        if (device.isNull())
            return QStringLiteral("нет устройства записи «%1»").arg(inputName);
    }
    if (device.isNull())
        return QStringLiteral("в системе нет устройства записи звука");
    QAudioFormat format;
    format.setSampleRate(kRecordingRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format))
        format = device.preferredFormat();
    const std::optional<SampleKind> kind = kindOf(format.sampleFormat());
    if (!kind)
        return QStringLiteral("устройство записи не даёт знакомых отсчётов");
    m_rate = format.sampleRate();
    m_channels = qMax(1, format.channelCount());
    m_kind = *kind;
    m_partial.clear();
    m_source = std::make_unique<QAudioSource>(device, format);
    m_source->setBufferSize(format.bytesForDuration(kDeliveryMicroseconds)); // a level bar that follows the voice
    connect(m_source.get(), &QAudioSource::stateChanged, this, [this](QAudio::State state) {
        if (state == QAudio::StoppedState && m_source && m_source->error() != QAudio::NoError) {
            const QString why = audioErrorText(m_source->error());
            stop();
            Q_EMIT failed(why);
        }
    });
    m_io = m_source->start();
    if (!m_io || m_source->error() != QAudio::NoError) {
        const QString why = audioErrorText(m_source->error());
        stop();
        return why.isEmpty() ? QStringLiteral("устройство записи не открывается") : why;
    }
    connect(m_io, &QIODevice::readyRead, this, &AudioCapture::readAvailable);
    return QString();
}

void AudioCapture::stop()
{
    if (!m_source)
        return;
    auto source = std::move(m_source); // its last state change finds no source
    m_io = nullptr;
    source->disconnect(this);
    source->stop();
}

// Whole frames go on; a frame's first bytes wait for the rest.
void AudioCapture::readAvailable()
{
    if (!m_io)
        return;
    QByteArray bytes = m_partial + m_io->readAll();
    const int frameBytes = sampleBytes(m_kind) * m_channels;
    const qint64 whole = bytes.size() - bytes.size() % frameBytes;
    m_partial = bytes.mid(whole);
    bytes.truncate(whole);
    if (bytes.isEmpty())
        return;
    Q_EMIT samplesArrived(m_kind == SampleKind::Int16 && m_channels == 1 ? bytes
                                                                          : monoSixteenBit(bytes, m_channels, m_kind));
}

} // namespace keyer
