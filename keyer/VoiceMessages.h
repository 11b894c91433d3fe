// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/FileNames.h"
#include "keyer/PttSwitch.h"
#include "keyer/VoicePlayer.h"

#include <QString>
#include <QTimer>
#include <array>
#include <memory>

// The two recorded voice calls of SSB: "CQ1.Wav" on MediaPlayer1 and
// "CQ2.Wav" on MediaPlayer2, looked for in the working directory.
//
// With a PTT switch the calls go on the air by themselves: PTT goes on once
// a call is playing (after the transmitter's delay where the path has no lead
// time of its own), and off when no call plays any more, on stop(), and at
// the file's length plus a second whatever the player says. A call that never
// starts playing (no sound output) keys nothing.
namespace keyer {

class VoiceMessages
{
public:
    VoiceMessages(VoicePlayer& MediaPlayer1, VoicePlayer& MediaPlayer2);
    ~VoiceMessages();
    VoiceMessages(const VoiceMessages&) = delete;
    VoiceMessages& operator=(const VoiceMessages&) = delete;

    // Every activation of the main window: each existing file is (re)opened
    // on its player, so a file recorded meanwhile is picked up. A file that is
    // not wave audio throws KvlError, and the players after it stay as they
    // are; the same bad file is reported once, not again until it changes,
    // since the error box itself activates the window again.
    void OpenVoiceFiles();

    // Buttons 1 and 2 in SSB: plays message 1 or 2 if its file exists.
    // Throws KvlError "No MCI device open" when the file appeared after the
    // last activation.
    void play(int message);

    // PTT from now on; none: the operator's VOX keys the rig. `trouble` is
    // told what the path says when it cannot switch (a call on the air then
    // ends), and an empty text when it obeys again.
    void setPtt(std::unique_ptr<PttSwitch> ptt, PttSwitch::Trouble trouble);
    void setTxDelay(int ms) { m_txDelayMs = ms; }
    // Esc, exit, a path in trouble: every call ends at once, PTT off.
    void stop();
    // A call is on the air: playing, or its PTT on or on its way.
    bool onAir() const { return m_onAir || anyPlaying(); }

    static const std::array<QString, 2>& fileNames();

private:
    void playingChanged();
    bool anyPlaying() const;
    void switchPtt(bool on);
    void say(const QString& trouble);

    std::array<VoicePlayer*, 2> m_players;
    std::array<logbook::FileStamp, 2> m_reported; // bad files, as they stood when said
    std::unique_ptr<PttSwitch> m_ptt;
    PttSwitch::Trouble m_trouble;
    QString m_troubleSaid;
    int m_txDelayMs = 0;
    bool m_pttOn = false;
    bool m_onAir = false;  // a call plays and PTT is on or on its way
    QTimer m_lead;         // the transmitter's delay before PTT
    QTimer m_longest;      // a call's length and a second: PTT off in any case
};

} // namespace keyer
