#pragma once

#include "radio/RigConnection.h"

#include <QByteArray>
#include <QString>
#include <deque>

// The rig's own keyer as the polling thread drives it: the texts and stops
// asked for, in order, the key speed, and the rig's PTT watched after a text
// so that its end is seen without waiting on the rig (Hamlib's wait for the
// end of the code would hold the thread that also follows the rig).
namespace radio {

struct MorseOrder
{
    enum Kind { Send, Stop, Forget }; // Forget: the text's time is over, watch no more
    Kind kind = Send;
    QByteArray text; // to send
};

struct KeyingEvents
{
    bool ended = false; // the rig's PTT went off after the text had put it on
    QString refused;    // why the rig refused an order

    bool empty() const { return !ended && refused.isEmpty(); }
};

class RigKeying
{
public:
    // Carries out `orders` and the wanted speed (0: none) on an answering rig.
    KeyingEvents carryOut(RigConnection& rig, std::deque<MorseOrder> orders, int keySpeed);
    // Reads the PTT while a text is out.
    KeyingEvents watch(RigConnection& rig);
    bool watching() const { return m_watching; }
    // The rig is lost: its speed is set again once it answers.
    void lost();

private:
    bool m_watching = false;
    bool m_pttSeen = false;
    int m_speedSet = 0;
};

} // namespace radio
