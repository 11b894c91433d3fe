// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/FittedLabel.h"

#include <QDateTime>
#include <QTime>
#include <array>

class Clock;

namespace keyer {
class CwKeyer;
}
namespace session {
class ContestSession;
}

// The status line under the calls lines: the contest at a glance, as the
// session works it out, with the keyer's speed in CW. What does not fit ends
// in an ellipsis after a whole word.
class StatusLine : public FittedLabel
{
public:
    // All three must outlive the line.
    StatusLine(const session::ContestSession& session, const keyer::CwKeyer& keyer, const Clock& clock,
               QWidget* parent);

    // After anything that moves a figure: a change of the session, a clock
    // tick (the rates age), a change of the keyer's speed.
    void refresh();
    // The rates count whole minutes: a new minute moves them.
    void clockTick(const QTime& now);
    // What the rig says (its frequency, or why it does not answer) after the
    // figures; empty: nothing.
    void showRig(const QString& text);
    // The rig's frequency (none at 0) and what it says, after a dash.
    void showRigState(qint64 hz, const QString& notice);
    // What a device says of its troubles, after the figures, until an empty
    // text: the keyer device (not there, not answering), the station's
    // network (a datagram not sent), the contest's recording (stopped, and why).
    enum class Note { Keyer, Network, Audio };
    void showNote(Note source, const QString& text);
    void showKeyer(const QString& text) { showNote(Note::Keyer, text); }
    void showNetwork(const QString& text) { showNote(Note::Network, text); }
    void showAudio(const QString& text) { showNote(Note::Audio, text); }
    // A voice call being recorded, first in the line; empty: none.
    void showRecording(const QString& text);
    // What keeps the transmitter from being switched (the rig's PTT not
    // answering): shown in red, until an empty text.
    void showPttTrouble(const QString& text);
    // What the program did on its own about the files (one made again):
    // shown first, for the next two minutes.
    void showFileNotice(const QString& text);

private:
    void showFault(bool fault);

    const session::ContestSession& m_session;
    const keyer::CwKeyer& m_keyer;
    const Clock& m_clock;
    int m_shownMinute = -1; // of the day, of the figures shown
    QString m_rigText;
    std::array<QString, 3> m_notes; // by Note
    QString m_recording;
    QString m_pttTrouble;
    QString m_fileNotice;
    QDateTime m_fileNoticeUntil;
    bool m_fault = false;
};

// "7 010,0 кГц": the rig's frequency as operators read a dial, to 100 Hz.
QString rigFrequencyText(qint64 hz);
