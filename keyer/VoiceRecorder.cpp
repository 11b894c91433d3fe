// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyer/VoiceRecorder.h"

#include "common/FileNames.h"
#include "keyer/AudioCapture.h"
#include "keyer/WaveWriter.h"

#include <QLocale>
#include <QMetaObject>
#include <QSaveFile>
#include <QtEndian>
#include <cstdlib>
#include <utility>

namespace keyer {

// Whatever the input's thread told before this recording's start belongs to
// an earlier one: samples count only once `started` came.
VoiceRecorder::VoiceRecorder(QObject* parent) : QObject(parent)
{
    m_thread.setObjectName(QStringLiteral("kvl-voice-rec"));
    m_capture = new AudioCapture;
    m_capture->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_capture, &QObject::deleteLater);
    connect(m_capture, &AudioCapture::started, this, [this](int rate) {
        if (recording())
            m_rate = rate;
    });
    connect(m_capture, &AudioCapture::samplesArrived, this, &VoiceRecorder::take);
    connect(m_capture, &AudioCapture::failed, this, [this](const QString& why) {
        if (recording())
            Q_EMIT finishedAlone(end(why));
    });
    m_thread.start();
}

VoiceRecorder::~VoiceRecorder()
{
    AudioCapture* capture = m_capture;
    QMetaObject::invokeMethod(capture, [capture] { capture->stop(); }, Qt::QueuedConnection);
    m_thread.quit();
    m_thread.wait();
}

void VoiceRecorder::start(int message, const QString& fileName, const QString& inputName)
{
    m_message = message;
    m_fileName = logbook::existingFileName(fileName); // the file there, in whatever letter case
    m_samples.clear();
    m_rate = 0;
    m_level = 0;
    AudioCapture* capture = m_capture;
    QMetaObject::invokeMethod(capture, [capture, inputName] { capture->start(inputName); }, Qt::QueuedConnection);
}

double VoiceRecorder::seconds() const
{
    return m_rate > 0 ? double(m_samples.size() / 2) / m_rate : 0;
}

void VoiceRecorder::take(const QByteArray& samples)
{
    if (!recording() || m_rate == 0)
        return;
    const qint64 room = qint64(kLongestSeconds) * m_rate * 2 - m_samples.size();
    m_samples += samples.left(int(qMax<qint64>(0, room)));
    int peak = 0;
    for (int i = 0; i + 1 < samples.size(); i += 2)
        peak = qMax(peak, std::abs(int(qFromLittleEndian<qint16>(samples.constData() + i))));
    m_level = peak / 32768.0;
    Q_EMIT progressed();
    if (samples.size() >= room)
        Q_EMIT finishedAlone(finish());
}

VoiceRecorder::Result VoiceRecorder::finish()
{
    return end(QString());
}

VoiceRecorder::Result VoiceRecorder::end(const QString& failure)
{
    const int message = std::exchange(m_message, 0);
    AudioCapture* capture = m_capture;
    QMetaObject::invokeMethod(capture, [capture] { capture->stop(); }, Qt::QueuedConnection);
    const QByteArray samples = std::exchange(m_samples, QByteArray());
    const QString call = QStringLiteral("CQ%1").arg(message);
    if (!failure.isEmpty())
        return {false, QStringLiteral("Запись %1 не удалась: %2. Прежний файл оставлен").arg(call, failure)};
    if (m_rate == 0 || samples.size() / 2 < qint64(m_rate) * kShortestMs / 1000)
        return {false, QStringLiteral("Запись %1 пуста: прежний файл оставлен").arg(call)};
    QSaveFile file(m_fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(waveHeader(m_rate, samples.size()) + samples) != kWaveHeaderBytes + samples.size()
        || !file.commit())
        return {false, QStringLiteral("%1 не записан: %2. Прежний файл оставлен").arg(m_fileName, file.errorString())};
    return {true, QStringLiteral("Записан %1: %2 с")
                      .arg(m_fileName, QLocale(QLocale::Russian).toString(double(samples.size() / 2) / m_rate, 'f', 1))};
}

} // namespace keyer
