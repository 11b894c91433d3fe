#include "radio/RigKeying.h"

namespace radio {

KeyingEvents RigKeying::carryOut(RigConnection& rig, std::deque<MorseOrder> orders, int keySpeed)
{
    KeyingEvents events;
    const auto refused = [&events](const QString& failure) {
        if (!failure.isEmpty())
            events.refused = failure;
        return !failure.isEmpty();
    };
    if (keySpeed > 0 && keySpeed != m_speedSet) {
        m_speedSet = keySpeed; // a refusal is said once, not at every poll
        refused(rig.setKeySpeed(keySpeed));
    }
    for (const MorseOrder& order : orders) {
        if (order.kind != MorseOrder::Send)
            m_watching = false;
        if (order.kind == MorseOrder::Stop)
            refused(rig.stopMorse());
        else if (order.kind == MorseOrder::Send && !refused(rig.sendMorse(order.text))) {
            m_watching = true;
            m_pttSeen = false;
        }
    }
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
}

} // namespace radio
