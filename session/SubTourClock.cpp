// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/SubTourClock.h"

#include <algorithm>

namespace session {

constexpr qint64 kSecondsPerDay = 24 * 60 * 60;

void SubTourClock::resume(std::optional<QDateTime> lastCheck)
{
    m_previous = lastCheck;
}

bool SubTourClock::due(const std::vector<QTime>& times, const QDateTime& now)
{
    const QDateTime from = std::max(m_previous.value_or(now), now.addSecs(-kSecondsPerDay));
    m_previous = now;
    bool due = false;
    for (QDate date = from.date(); from < now && date <= now.date(); date = date.addDays(1)) {
        for (const QTime& time : times) {
            const QDateTime at(date, time);
            if (at > from && at <= now && m_started.insert({date.toJulianDay(), time.msecsSinceStartOfDay() / 1000}).second)
                due = true;
        }
    }
    // Dates before yesterday can never come back into a check.
    m_started.erase(m_started.begin(), m_started.lower_bound({now.date().toJulianDay() - 1, 0}));
    return due;
}

std::optional<QTime> SubTourClock::next(const std::vector<QTime>& times, const QDateTime& now) const
{
    const qint64 today = now.date().toJulianDay();
    for (auto later = std::upper_bound(times.begin(), times.end(), now.time()); later != times.end(); ++later) {
        if (!m_started.count({today, later->msecsSinceStartOfDay() / 1000}))
            return *later;
    }
    return times.empty() ? std::nullopt : std::optional(times.front());
}

} // namespace session
