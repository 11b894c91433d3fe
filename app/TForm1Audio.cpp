// SPDX-License-Identifier: GPL-3.0-or-later
// Recording from the sound input: the voice calls on Shift+F1 and Shift+F2
// in SSB, and the whole contest where setup asks for it.
#include "app/TForm1.h"

#include "common/Clock.h"
#include "common/Dialogs.h"
#include "keyer/ContestRecorder.h"
#include "keyer/VoiceMessages.h"
#include "keyer/VoiceRecorder.h"
#include "widgets/KeyChord.h"
#include "widgets/MainWindowView.h"
#include "widgets/StatusLine.h"

#include <QDir>
#include <QKeyEvent>

namespace {

const QString kAudioFolder = QStringLiteral("audio");
constexpr int kLevelCells = 8;

// "Запись CQ1… 3 с ▮▮▮▯▯▯▯▯"
QString recordingText(int message, double seconds, double level)
{
    const int lit = qBound(0, int(level * kLevelCells + 0.5), kLevelCells);
    return QStringLiteral("Запись CQ%1… %2 с %3%4")
        .arg(message)
        .arg(int(seconds))
        .arg(QString(lit, QChar(0x25AE)), QString(kLevelCells - lit, QChar(0x25AF)));
}

} // namespace

void TForm1::buildAudio(const keyer::AudioStorage& storage)
{
    m_voiceRecorder = new keyer::VoiceRecorder(this);
    m_contestRecorder = new keyer::ContestRecorder(storage, this);
    connect(m_voiceRecorder, &keyer::VoiceRecorder::progressed, this, [this] {
        m_view->statusLine->showRecording(
            recordingText(m_voiceRecorder->message(), m_voiceRecorder->seconds(), m_voiceRecorder->level()));
    });
    connect(m_voiceRecorder, &keyer::VoiceRecorder::finishedAlone, this,
            [this](const keyer::VoiceRecorder::Result& result) { runGuarded([&] { recordingEnded(result); }); });
    // Said first for a while, and kept at the end of the line.
    connect(m_contestRecorder, &keyer::ContestRecorder::stopped, m_view->statusLine, [this](const QString& why) {
        m_view->statusLine->showAudio(why);
        m_view->statusLine->showFileNotice(why);
    });
    connect(m_contestRecorder, &keyer::ContestRecorder::fileStarted, m_view->statusLine,
            [this] { m_view->statusLine->showAudio(QStringLiteral("● запись контеста")); });
}

// Shift+F1 or Shift+F2 in SSB starts a call's recording; Esc, or the same
// key, ends it, and nothing else: the call field keeps what it holds. Other
// keys go on as ever. True: the key was taken.
bool TForm1::voiceRecordingKey(QKeyEvent* e)
{
    const int index = keychord::functionKeyIndex(e);
    const bool shifted = keychord::held(e) == Qt::ShiftModifier && (index == 0 || index == 1);
    if (m_voiceRecorder->recording()) {
        const bool ends = (e->key() == Qt::Key_Escape && keychord::noModifier(e))
                          || (shifted && index + 1 == m_voiceRecorder->message());
        if (ends)
            recordingEnded(m_voiceRecorder->finish());
        return ends || shifted;
    }
    if (!shifted || m_session.mode() != logbook::Mode::SSB)
        return false;
    m_transmitter.stop(); // nothing on the air, PTT off, while the microphone is recorded
    m_voiceRecorder->start(index + 1, keyer::VoiceMessages::fileNames()[size_t(index)], m_ini.audio().settings.input);
    m_view->statusLine->showFileNotice(QString()); // an earlier recording's word is old news
    m_view->statusLine->showRecording(recordingText(index + 1, 0, 0));
    return true;
}

// A new call is played by the next F1 or F2 at once.
void TForm1::recordingEnded(const keyer::VoiceRecorder::Result& result)
{
    m_view->statusLine->showRecording(QString());
    m_view->statusLine->showFileNotice(result.text);
    if (result.replaced)
        m_transmitter.voice().OpenVoiceFiles();
}

void TForm1::followAudio()
{
    const keyer::AudioSettingsRead& audio = m_ini.audio();
    if (!audio.problem.isEmpty())
        m_dialogs.showError(errorBoxText(audio.problem));
    m_contestRecorder->stop();
    m_view->statusLine->showAudio(QString());
    if (audio.settings.recordContest)
        m_contestRecorder->start(QDir::current().absoluteFilePath(kAudioFolder), audio.settings.input,
                                 qint64(audio.settings.marginMegabytes) * 1024 * 1024, m_clock.current());
}
