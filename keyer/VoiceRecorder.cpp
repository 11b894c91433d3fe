#include "keyer/VoiceRecorder.h"

#include "common/FileNames.h"
#include "keyer/WaveWriter.h"

#include <QLocale>
#include <QSaveFile>
#include <QtEndian>
#include <cstdlib>
#include <utility>

namespace keyer {

VoiceRecorder::VoiceRecorder(QObject* parent) : QObject(parent)
{
    connect(&m_capture, &AudioCapture::samplesArrived, this, &VoiceRecorder::take);
    connect(&m_capture, &AudioCapture::failed, this, [this](const QString& why) {
        if (recording())
            Q_EMIT finishedAlone(end(why));
    });
}

QString VoiceRecorder::start(int message, const QString& fileName, const QString& inputName)
{
    if (const QString why = m_capture.start(inputName); !why.isEmpty())
        return QStringLiteral("Запись CQ%1 не началась: %2. Прежний файл оставлен").arg(message).arg(why);
    m_message = message;
    m_fileName = logbook::existingFileName(fileName); // the file there, in whatever letter case
    m_samples.clear();
    m_level = 0;
    return QString();
}

double VoiceRecorder::seconds() const
{
    return double(m_samples.size() / 2) / qMax(1, m_capture.rate());
}

void VoiceRecorder::take(const QByteArray& samples)
{
    if (!recording())
        return;
    const qint64 room = qint64(kLongestSeconds) * m_capture.rate() * 2 - m_samples.size();
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
    m_capture.stop();
    const QByteArray samples = std::exchange(m_samples, QByteArray());
    const QString call = QStringLiteral("CQ%1").arg(message);
    if (!failure.isEmpty())
        return {false, QStringLiteral("Запись %1 прервана: %2. Прежний файл оставлен").arg(call, failure)};
    const int rate = m_capture.rate();
    if (samples.size() / 2 < qint64(rate) * kShortestMs / 1000)
        return {false, QStringLiteral("Запись %1 пуста: прежний файл оставлен").arg(call)};
    QSaveFile file(m_fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(waveHeader(rate, samples.size()) + samples) != kWaveHeaderBytes + samples.size()
        || !file.commit())
        return {false, QStringLiteral("%1 не записан: %2. Прежний файл оставлен").arg(m_fileName, file.errorString())};
    return {true, QStringLiteral("Записан %1: %2 с").arg(m_fileName, QLocale(QLocale::Russian).toString(double(samples.size() / 2) / rate, 'f', 1))};
}

} // namespace keyer
