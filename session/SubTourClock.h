// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QTime>
#include <optional>
#include <set>
#include <utility>
#include <vector>

namespace session {

// When the clock passes a listed sub-tour time. The clock's ticks may skip a
// second, repeat one or stall, so a time is due when it lies after the
// previous check and at or before this one, never by an exact match. Each
// listed time starts at most one sub-tour per date: a clock stepped back
// over it does not start another.
class SubTourClock
{
public:
    // Start-up: the last check known from before (the last contact, or the
    // last change of a due sub-tour) stands for the previous check, so that a
    // sub-tour that passed while the program was not running is offered; none
    // offers nothing.
    void resume(std::optional<QDateTime> lastCheck);
    // Whether a listed time became due since the previous check. A check
    // looks back at most a day.
    bool due(const std::vector<QTime>& times, const QDateTime& now);
    std::optional<QDateTime> lastCheck() const { return m_previous; }
    // The next listed time to come: after `now` and not already begun today,
    // as after a clock set back over it; the next day's first when none is left.
    std::optional<QTime> next(const std::vector<QTime>& times, const QDateTime& now) const;

private:
    std::optional<QDateTime> m_previous;
    std::set<std::pair<qint64, int>> m_started; // Julian day, second of the listed time
};

} // namespace session
