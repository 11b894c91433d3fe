// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QThread>

// Records a voice call from the sound input into its wave file: the samples
// are held until the recording ends, and the old file is replaced only then,
// whole; a recording that failed or holds nothing leaves it as it was. The
// input is opened and read on a thread of its own: the sound system may take
// its time to start, the window never waits for it.
namespace keyer {

class AudioCapture;

class VoiceRecorder : public QObject
{
    Q_OBJECT
public:
    static constexpr int kLongestSeconds = 30;
    static constexpr int kShortestMs = 250; // anything shorter is a key pressed twice, no call

    explicit VoiceRecorder(QObject* parent = nullptr);
    ~VoiceRecorder() override; // the input closed, the thread ended

    // Call `message` (1 or 2) into `fileName` from the input of that name
    // (empty: the system's default). An input that does not start ends the
    // recording by itself, and says why.
    void start(int message, const QString& fileName, const QString& inputName);
    bool recording() const { return m_message != 0; }
    int message() const { return m_message; }
    double seconds() const;
    double level() const { return m_level; } // the last samples' peak, 0 to 1

    struct Result
    {
        bool replaced = false; // the file holds the new call
        QString text;          // what became of it, for the status line
    };
    // Ends the recording and writes the file.
    Result finish();

Q_SIGNALS:
    void progressed(); // samples arrived: the seconds and the level moved
    // The recording ended by itself: at the longest, or the input failed.
    void finishedAlone(const keyer::VoiceRecorder::Result& result);

private:
    void take(const QByteArray& samples);
    Result end(const QString& failure);

    QThread m_thread;
    AudioCapture* m_capture = nullptr; // lives on m_thread, deleted as it ends
    QByteArray m_samples;
    QString m_fileName;
    int m_message = 0;
    int m_rate = 0;      // of this recording's input, once it started
    double m_level = 0;
};

} // namespace keyer
