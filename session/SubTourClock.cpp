#include "session/SubTourClock.h"

#include <algorithm>

namespace session {

constexpr qint64 kSecondsPerDay = 24 * 60 * 60;

void SubTourClock::resume(std::optional<QDateTime> lastWrite)
{
    m_previous = lastWrite;
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

std::optional<QTime> nextSubTour(const std::vector<QTime>& times, const QTime& now)
{
    if (times.empty())
        return std::nullopt;
    const auto later = std::upper_bound(times.begin(), times.end(), now);
    return later != times.end() ? *later : times.front();
}

} // namespace session
