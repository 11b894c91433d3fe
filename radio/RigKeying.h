// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "radio/RigConnection.h"

#include <QByteArray>
#include <QString>
#include <deque>

// The rig's transmitter as the polling thread drives it: the keyer's texts
// and stops asked for, in order, the key speed, the rig's PTT watched after a
// text so that its end is seen without waiting on the rig (Hamlib's wait for
// the end of the code would hold the thread that also follows the rig), and
// the PTT of the voice calls, whose last wish is kept until the rig has taken
// it: a PTT off the rig did not take is sent again until it does.
namespace radio {

struct KeyingOrder
{
    enum Kind { Send, Stop, Forget, Ptt }; // Forget: the text's time is over, watch no more
    Kind kind = Send;
    QByteArray text; // to send
    RigPtt ptt = RigPtt::Off;
};

struct KeyingEvents
{
    bool ended = false;   // the rig's PTT went off after the text had put it on
    QString refused;      // why the rig refused a keyer order
    QString pttFailed;    // why the rig did not take the PTT asked for; said once per wish
    bool pttFreed = false; // a PTT off the rig had not taken has reached it

    bool empty() const { return !ended && refused.isEmpty() && pttFailed.isEmpty() && !pttFreed; }
};

class RigKeying
{
public:
    // Carries out `orders` and the wanted speed (0: none). While the rig does
    // not answer, texts and stops are dropped and the PTT wish is kept.
    KeyingEvents carryOut(RigConnection& rig, std::deque<KeyingOrder> orders, int keySpeed, bool answering);
    // Reads the PTT while a text is out.
    KeyingEvents watch(RigConnection& rig);
    bool watching() const { return m_watching; }
    // The rig is lost: its speed is set again once it answers.
    void lost();

private:
    KeyingEvents switchPtt(RigConnection& rig);

    bool m_watching = false;
    bool m_pttSeen = false;
    int m_speedSet = 0;
    RigPtt m_ptt = RigPtt::Off;
    bool m_pttOwed = false;
    bool m_pttTrouble = false; // the logger was told of trouble with PTT, not yet of its end
};

} // namespace radio
