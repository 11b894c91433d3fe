// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keyer/KeyerTime.h"

#include <atomic>
#include <condition_variable>
#include <mutex>

// Monotonic clock. A wait sleeps on the absolute deadline less a margin, then
// spins the rest: the sleep's wake-up is late by tens of microseconds, the
// spin is exact, and a short spin keeps the processor nearly idle.
namespace keyer {

class RealKeyerTime : public KeyerTime
{
public:
    explicit RealKeyerTime(Micros spinMargin = 400);

    Micros now() const override;
    void waitUntil(Micros deadline) override;
    void wake() override;
    // Asks for real-time priority where the system grants it, so that other
    // busy programs do not delay an edge; the thread sleeps nearly all the time.
    void keyingThreadStarted() override;

private:
    bool sleepUntil(Micros wakeAt);

    const Micros m_spinMargin;
    std::mutex m_mutex;
    std::condition_variable m_wakeUp;
    std::atomic<bool> m_woken {false};
};

} // namespace keyer
