// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyer/ContestRecorder.h"

#include "keyer/AudioCapture.h"
#include "keyer/WaveWriter.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QMetaObject>
#include <QStorageInfo>

namespace keyer {
namespace {

constexpr qint64 kMegabyte = 1024 * 1024;

std::unique_ptr<QIODevice> createOnDisk(const QString& path, QString& why)
{
    auto file = std::make_unique<QFile>(path);
    if (file->open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return file;
    why = file->errorString();
    return nullptr;
}

QString megabytes(qint64 bytes)
{
    return QLocale(QLocale::Russian).toString(bytes / kMegabyte);
}

} // namespace

AudioStorage diskStorage()
{
    return {createOnDisk, [](const QString& folder) { return QStorageInfo(folder).bytesAvailable(); }};
}

QString hourFileName(const QDateTime& at)
{
    return at.toUTC().toString(QStringLiteral("yyyyMMdd-HHmm")) + QStringLiteral(".wav");
}

class ContestRecorder::Worker : public QObject
{
public:
    Worker(ContestRecorder* owner, AudioStorage storage) : m_owner(owner), m_storage(std::move(storage)) {}
    ~Worker() override { stop(); }

    void start(const QString& folder, const QString& inputName, qint64 margin, const QDateTime& now)
    {
        stop();
        m_folder = folder;
        m_margin = margin;
        if (!QDir().mkpath(folder))
            return fail(QStringLiteral("папка %1 не создаётся").arg(folder));
        if (!m_capture) {
            m_capture = new AudioCapture(this);
            connect(m_capture, &AudioCapture::samplesArrived, this, [this](const QByteArray& s) { take(s); });
            connect(m_capture, &AudioCapture::failed, this, [this](const QString& why) { fail(why); });
        }
        if (!m_capture->start(inputName).isEmpty())
            return; // `failed` told it
        if (roomLeft())
            openFile(now);
    }

    void stop()
    {
        if (m_capture)
            m_capture->stop();
        closeFile();
    }

    void clockReading(const QDateTime& now)
    {
        const QDateTime utc = now.toUTC();
        if (!m_device || (utc.date() == m_hour.date() && utc.time().hour() == m_hour.time().hour()))
            return;
        closeFile();
        if (roomLeft())
            openFile(now);
    }

private:
    void openFile(const QDateTime& now)
    {
        const QString base = QDir(m_folder).filePath(hourFileName(now));
        QString path = base;
        for (int n = 2; QFile::exists(path); ++n) // a restart within the minute
            path = base.chopped(4) + QStringLiteral("-%1.wav").arg(n);
        QString why;
        m_device = m_storage.create(path, why);
        if (!m_device)
            return fail(QStringLiteral("%1 не создаётся: %2").arg(path, why));
        m_path = path;
        m_hour = now.toUTC();
        m_stream = std::make_unique<WaveStream>(*m_device, m_capture->rate());
        m_sinceHeader = 0;
        if (const QString failure = m_stream->begin(); !failure.isEmpty())
            return fail(QStringLiteral("%1: %2").arg(m_path, failure));
        tell([path](ContestRecorder* owner) { Q_EMIT owner->fileStarted(path); });
    }

    void closeFile()
    {
        if (m_stream)
            m_stream->updateHeader(); // what it says is said already, or nothing more can be done
        m_stream.reset();
        m_device.reset();
    }

    void take(const QByteArray& samples)
    {
        if (!m_stream)
            return;
        if (const QString failure = m_stream->append(samples); !failure.isEmpty())
            return fail(QStringLiteral("%1: %2").arg(m_path, failure));
        m_sinceHeader += samples.size();
        if (m_sinceHeader < qint64(m_storage.headerSeconds) * m_stream->rate() * 2)
            return;
        m_sinceHeader = 0;
        if (const QString failure = m_stream->updateHeader(); !failure.isEmpty())
            return fail(QStringLiteral("%1: %2").arg(m_path, failure));
        roomLeft();
    }

    // The log keeps the margin: under it the recording stops.
    bool roomLeft()
    {
        const qint64 free = m_storage.freeBytes(m_folder);
        if (free < 0 || free >= m_margin)
            return true;
        fail(QStringLiteral("на диске свободно %1 МБ, меньше запаса %2 МБ для журнала").arg(megabytes(free), megabytes(m_margin)));
        return false;
    }

    void fail(const QString& why)
    {
        stop();
        const QString text = QStringLiteral("Запись контеста остановлена: %1").arg(why);
        tell([text](ContestRecorder* owner) {
            owner->m_running = false;
            Q_EMIT owner->stopped(text);
        });
    }

    template <class Told>
    void tell(Told told)
    {
        ContestRecorder* owner = m_owner;
        QMetaObject::invokeMethod(owner, [owner, told] { told(owner); }, Qt::QueuedConnection);
    }

    ContestRecorder* m_owner;
    AudioStorage m_storage;
    AudioCapture* m_capture = nullptr; // a child, made on this thread
    std::unique_ptr<QIODevice> m_device;
    std::unique_ptr<WaveStream> m_stream;
    QString m_folder;
    QString m_path;
    QDateTime m_hour; // the current file's start, UTC
    qint64 m_margin = 0;
    qint64 m_sinceHeader = 0;
};

ContestRecorder::ContestRecorder(AudioStorage storage, QObject* parent) : QObject(parent)
{
    if (!storage.create || !storage.freeBytes) {
        const AudioStorage disk = diskStorage();
        if (!storage.create)
            storage.create = disk.create;
        if (!storage.freeBytes)
            storage.freeBytes = disk.freeBytes;
    }
    m_thread.setObjectName(QStringLiteral("kvl-audio"));
    m_worker = new Worker(this, std::move(storage));
    m_worker->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    m_thread.start();
}

ContestRecorder::~ContestRecorder()
{
    stop();
    m_thread.quit();
    m_thread.wait();
}

void ContestRecorder::start(const QString& folder, const QString& inputName, qint64 marginBytes, const QDateTime& now)
{
    m_running = true;
    Worker* worker = m_worker;
    QMetaObject::invokeMethod(worker, [=] { worker->start(folder, inputName, marginBytes, now); }, Qt::QueuedConnection);
}

// Waits for the file's last header: a stop is rare, and the header a few bytes.
void ContestRecorder::stop()
{
    if (!m_running)
        return;
    m_running = false;
    Worker* worker = m_worker;
    QMetaObject::invokeMethod(worker, [worker] { worker->stop(); }, Qt::BlockingQueuedConnection);
}

void ContestRecorder::clockReading(const QDateTime& now)
{
    if (!m_running)
        return;
    Worker* worker = m_worker;
    QMetaObject::invokeMethod(worker, [worker, now] { worker->clockReading(now); }, Qt::QueuedConnection);
}

} // namespace keyer
