// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keyer/KeyerTime.h"

#include <atomic>
#include <functional>
#include <map>

// Time that passes only by waiting: a wait jumps straight to its deadline.
// Actions scheduled at a time (a key hook, say) run on the keying thread when
// a wait reaches that time, and the wait returns so that the keyer re-reads
// its values, as it does when the real time source is woken.
namespace keyer {

class VirtualKeyerTime : public KeyerTime
{
public:
    Micros now() const override { return m_now; }
    void waitUntil(Micros deadline) override;
    void wake() override {}

    // Before the keyer starts: run `action` when the time reaches `when`.
    void at(Micros when, std::function<void()> action);
    void advance(Micros by) { m_now += by; }

private:
    std::atomic<Micros> m_now {0};
    std::multimap<Micros, std::function<void()>> m_actions;
};

} // namespace keyer
