// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyer/RealKeyerTime.h"

#include <chrono>

#ifdef __linux__
#include <pthread.h>
#include <sched.h>
#include <sys/prctl.h>
#endif

namespace keyer {

namespace {

using Clock = std::chrono::steady_clock; // CLOCK_MONOTONIC on Linux

void relax()
{
#if defined(__x86_64__) || defined(__i386__)
    __builtin_ia32_pause();
#endif
}

} // namespace

RealKeyerTime::RealKeyerTime(Micros spinMargin)
    : m_spinMargin(spinMargin)
{
}

Micros RealKeyerTime::now() const
{
    return std::chrono::duration_cast<std::chrono::microseconds>(Clock::now().time_since_epoch()).count();
}

// A condition variable rather than clock_nanosleep, so that a key hook can
// cut the sleep short; with the steady clock it sleeps on the same absolute
// CLOCK_MONOTONIC deadline (pthread_cond_clockwait).
bool RealKeyerTime::sleepUntil(Micros wakeAt)
{
    const Clock::time_point until {std::chrono::microseconds(wakeAt)};
    std::unique_lock<std::mutex> lock(m_mutex);
    m_wakeUp.wait_until(lock, until, [this] { return m_woken.load(); });
    return m_woken.exchange(false);
}

void RealKeyerTime::waitUntil(Micros deadline)
{
    if (now() < deadline - m_spinMargin && sleepUntil(deadline - m_spinMargin))
        return;
    while (now() < deadline) {
        if (m_woken.exchange(false))
            return;
        relax();
    }
}

void RealKeyerTime::keyingThreadStarted()
{
#ifdef __linux__
    prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
    sched_param param {};
    param.sched_priority = sched_get_priority_min(SCHED_FIFO);
    pthread_setschedparam(pthread_self(), SCHED_FIFO, &param); // refused without the right: runs as before
#endif
}

void RealKeyerTime::wake()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_woken = true;
    }
    m_wakeUp.notify_all();
}

} // namespace keyer
