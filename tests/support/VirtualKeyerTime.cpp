// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/VirtualKeyerTime.h"

#include <algorithm>

namespace keyer {

void VirtualKeyerTime::at(Micros when, std::function<void()> action)
{
    m_actions.emplace(when, std::move(action));
}

void VirtualKeyerTime::waitUntil(Micros deadline)
{
    if (!m_actions.empty() && m_actions.begin()->first <= deadline) {
        const auto next = m_actions.begin();
        m_now = std::max(m_now.load(), next->first);
        const std::function<void()> action = std::move(next->second);
        m_actions.erase(next);
        action();
        return;
    }
    m_now = std::max(m_now.load(), deadline);
}

} // namespace keyer
