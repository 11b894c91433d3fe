// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The keyer's time: a monotonic clock and a wait for an absolute deadline
// that the key hooks can cut short. Real on the keying thread, virtual in
// tests, so that no test depends on the wall clock.
namespace keyer {

using Micros = std::int64_t;

class KeyerTime
{
public:
    virtual ~KeyerTime() = default;
    virtual Micros now() const = 0;
    // Blocks the keying thread until `deadline`, or less when woken; the
    // caller re-reads the clock and decides whether to wait on.
    virtual void waitUntil(Micros deadline) = 0;
    // From any thread: the wait in progress (or the next one) returns at once.
    virtual void wake() = 0;
    // Called on the keying thread before its first edge.
    virtual void keyingThreadStarted() {}
};

} // namespace keyer
