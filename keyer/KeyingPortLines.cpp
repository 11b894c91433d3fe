// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyer/KeyingPortLines.h"

namespace keyer {

KeyingPortLines::KeyingPortLines(KeyingLines& port) : m_port(port) {}

void KeyingPortLines::setDtr(HandIndex hand, bool on)
{
    if (hand != Keyer)
        return;
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_port.setDTR(on);
}

// The port gets the line as the hands hold it, at every switch of either.
void KeyingPortLines::holdRts(HandIndex hand, bool on)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_rtsHeld[size_t(hand)] = on;
    m_port.setRTS(m_rtsHeld[Keyer] || m_rtsHeld[Voice]);
}

bool KeyingPortLines::linesLost() const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_port.linesLost();
}

} // namespace keyer
