// SPDX-License-Identifier: GPL-3.0-or-later
#include "radio/RigKeying.h"

namespace radio {

KeyingEvents RigKeying::carryOut(RigConnection& rig, std::deque<KeyingOrder> orders, int keySpeed, bool answering)
{
    for (const KeyingOrder& order : orders) {
        if (order.kind == KeyingOrder::Ptt && (order.ptt != m_ptt || m_pttOwed)) {
            m_ptt = order.ptt;
            m_pttOwed = true;
        }
    }
    if (!answering) {
        m_pttTrouble = m_pttTrouble || m_pttOwed; // a wish for a lost rig: its arrival is told
        return {};
    }
    KeyingEvents events = switchPtt(rig);
    const auto refused = [&events](const QString& failure) {
        if (!failure.isEmpty())
            events.refused = failure;
        return !failure.isEmpty();
    };
    if (keySpeed > 0 && keySpeed != m_speedSet) {
        m_speedSet = keySpeed; // a refusal is said once, not at every poll
        refused(rig.setKeySpeed(keySpeed));
    }
    for (const KeyingOrder& order : orders) {
        if (order.kind == KeyingOrder::Ptt)
            continue;
        m_watching = false;
        if (order.kind == KeyingOrder::Stop)
            refused(rig.stopMorse());
        else if (order.kind == KeyingOrder::Send && !refused(rig.sendMorse(order.text))) {
            m_watching = true;
            m_pttSeen = false;
        }
    }
    return events;
}

// PTT on that the rig refuses is not asked again: the call it was for ends,
// and its PTT off follows. PTT off is asked until the rig takes it.
KeyingEvents RigKeying::switchPtt(RigConnection& rig)
{
    KeyingEvents events;
    if (!m_pttOwed)
        return events;
    const QString failure = rig.setPtt(m_ptt);
    if (failure.isEmpty()) {
        m_pttOwed = false;
        events.pttFreed = m_pttTrouble && m_ptt == RigPtt::Off;
        m_pttTrouble = false;
        return events;
    }
    if (m_ptt != RigPtt::Off) {
        m_pttOwed = false;
        events.pttFailed = failure;
        return events;
    }
    if (!m_pttTrouble)
        events.pttFailed = failure;
    m_pttTrouble = true;
    return events;
}

KeyingEvents RigKeying::watch(RigConnection& rig)
{
    KeyingEvents events;
    bool on = false;
    if (!m_watching || !rig.readPtt(on).isEmpty()) {
        m_watching = false; // no reading: the text's length ends the message
        return events;
    }
    if (on)
        m_pttSeen = true;
    else if (m_pttSeen) {
        m_watching = false;
        events.ended = true;
    }
    return events;
}

void RigKeying::lost()
{
    m_watching = false;
    m_speedSet = 0;
    // A rig lost with its PTT on, or in doubt, is sent PTT off when it answers again.
    if (m_ptt == RigPtt::Off && m_pttTrouble)
        m_pttOwed = true;
}

} // namespace radio
