// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QIODevice>
#include <QObject>
#include <QString>
#include <QThread>
#include <functional>
#include <memory>

// The whole contest's audio, from the sound input into hourly wave files
// "YYYYMMDD-HHMM.wav" (UTC) in a folder beside the log. It runs on a thread
// of its own: a slow disk never holds the window or the log up. The header
// is written again every few seconds, so a crash leaves a file that plays;
// the recording stops, and says why, when a write fails or the disk's free
// space falls under the margin kept for the log.
namespace keyer {

// Where the files go: the disk, or a test's stand-in.
struct AudioStorage
{
    // A new file opened for writing, or why not.
    std::function<std::unique_ptr<QIODevice>(const QString& path, QString& why)> create;
    std::function<qint64(const QString& folder)> freeBytes;
    int headerSeconds = 5; // of samples between two writes of the header
};
AudioStorage diskStorage();

class ContestRecorder : public QObject
{
    Q_OBJECT
public:
    explicit ContestRecorder(AudioStorage storage = {}, QObject* parent = nullptr);
    ~ContestRecorder() override; // the file ends with its header written; the thread ends

    // Records the input of that name (empty: the system's default) into
    // `folder`, keeping `marginBytes` free; `now` names the first file.
    void start(const QString& folder, const QString& inputName, qint64 marginBytes, const QDateTime& now);
    void stop();
    // Each clock reading: a new hour begins a new file.
    void clockReading(const QDateTime& now);

Q_SIGNALS:
    void fileStarted(const QString& path);
    // It stopped by itself, and why, in Russian.
    void stopped(const QString& why);

private:
    class Worker;

    QThread m_thread;
    Worker* m_worker = nullptr; // lives on m_thread, deleted as it ends
    bool m_running = false;
};

// "20250301-1804.wav" for that instant's UTC minute.
QString hourFileName(const QDateTime& at);

} // namespace keyer
