// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/ContestStatistics.h"

#include "scoring/Report.h"

#include <algorithm>
#include <map>

namespace session {
namespace {

using logbook::Contact;

LocalMinute floorDiv(qint64 value, qint64 by)
{
    return value >= 0 ? value / by : -((-value + by - 1) / by);
}

std::optional<int> minuteOfDayOf(const Contact& row)
{
    const std::optional<QTime> time = row.time();
    return time ? std::optional<int>(minuteOfDay(*time)) : std::nullopt;
}

// The points a sub-tour shows: "1+" is one point, a cell that is no number none.
qint64 cellPoints(const Contact& row)
{
    return row.plusPoint() ? 1 : row.points().value_or(0);
}

// The bar of the ten minutes from `start`, made where none is; the log is in
// time order but for a clock stepped back or an edited time.
RateBar& barAt(std::vector<RateBar>& bars, LocalMinute start)
{
    if (bars.empty() || bars.back().start < start)
        return bars.emplace_back(RateBar {start, {}});
    const auto at = std::lower_bound(bars.begin(), bars.end(), start,
                                     [](const RateBar& bar, LocalMinute m) { return bar.start < m; });
    return at->start == start ? *at : *bars.insert(at, RateBar {start, {}});
}

std::vector<AxisStretch> axisStretches(const std::vector<RateBar>& bars)
{
    std::vector<AxisStretch> stretches;
    for (const RateBar& bar : bars) {
        if (stretches.empty() || bar.start - stretches.back().to > kAxisPauseMinutes)
            stretches.push_back({bar.start, bar.start});
        stretches.back().to = bar.start + kRateBarMinutes;
    }
    return stretches;
}

} // namespace

std::vector<std::optional<LocalMinute>> contactMinutes(logbook::ContactRows rows)
{
    std::vector<std::optional<LocalMinute>> minutes(size_t(rows.size()));
    const auto stampedMinute = [](const logbook::ContactStamp& s) { return floorDiv(s.utcSeconds + s.utcOffset, 60); };
    const auto dayMinute = [](LocalMinute m) { return int(m - floorDiv(m, kMinutesPerDay) * kMinutesPerDay); };
    // The first stamped row, else the first timed row on the log's first day.
    int anchor = -1;
    for (int i = 0; i < rows.size() && anchor < 0; ++i) {
        if (rows[i].stamp)
            anchor = i;
    }
    for (int i = 0; i < rows.size() && anchor < 0; ++i) {
        if (minuteOfDayOf(rows[i]))
            anchor = i;
    }
    if (anchor < 0)
        return minutes;
    const Contact& first = rows[anchor];
    const LocalMinute anchored = first.stamp ? stampedMinute(*first.stamp) : LocalMinute(*minuteOfDayOf(first));
    minutes[size_t(anchor)] = anchored;
    LocalMinute before = anchored;
    for (int i = anchor + 1; i < rows.size(); ++i) {
        const std::optional<int> minute = rows[i].stamp ? std::nullopt : minuteOfDayOf(rows[i]);
        if (rows[i].stamp)
            before = stampedMinute(*rows[i].stamp);
        else if (minute)
            before += minutesBetween(dayMinute(before), *minute);
        else
            continue;
        minutes[size_t(i)] = before;
    }
    LocalMinute after = anchored; // no stamped row lies before the anchor
    for (int i = anchor - 1; i >= 0; --i) {
        if (const std::optional<int> minute = minuteOfDayOf(rows[i])) {
            after -= minutesBetween(*minute, dayMinute(after));
            minutes[size_t(i)] = after;
        }
    }
    return minutes;
}

ContestStatistics contestStatistics(logbook::ContactRows rows, const SubTourStarts& starts,
                                    const scoring::ContestDescription* contest, const QDateTime& now)
{
    ContestStatistics stats;
    stats.rates = contactRates(rows, now);
    stats.subToursExact = starts.exact();
    stats.judgesPoints = contest && contest->points == scoring::PointsKind::None;
    stats.claimsScore = contest && contest->claim != scoring::ClaimKind::None && !stats.judgesPoints;
    const std::vector<std::optional<LocalMinute>> minutes = contactMinutes(rows);
    std::map<std::optional<int>, size_t> subTourAt;
    scoring::TotalsTally tally(contest);
    for (int i = 0; i < rows.size(); ++i) {
        const Contact& row = rows[i];
        const std::optional<logbook::BandAndMode> bandMode = row.bandMode();
        if (!row.isContact() || !bandMode)
            continue;
        const std::optional<LocalMinute>& minute = minutes[size_t(i)];
        if (minute) {
            const LocalMinute start = floorDiv(*minute, kRateBarMinutes) * kRateBarMinutes;
            ++barAt(stats.bars, start).contacts[bandMode->mode == logbook::Mode::CW ? 1 : 0];
        }
        if (!stats.firstDay && row.stamp)
            stats.firstDay = QDate(1970, 1, 1).addDays(floorDiv(*minute, kMinutesPerDay));
        const std::optional<int> number = starts.numberOf(row, i);
        auto [at, added] = subTourAt.try_emplace(number, stats.subTours.size());
        if (added) {
            SubTourRow opened;
            opened.number = number;
            opened.since = row.text(logbook::Time);
            opened.start = minute;
            stats.subTours.push_back(opened);
        }
        SubTourRow& subTour = stats.subTours[at->second];
        subTour.start = subTour.start ? subTour.start : minute;
        tally.add(row);
        subTour.scoreAfter = tally.totals().claimedScore;
        if (row.repeat)
            continue;
        const int column = bandModeColumn(*bandMode);
        ++subTour.contacts[size_t(column)];
        ++stats.total.contacts[size_t(column)];
        stats.columns[size_t(column)] = true;
        ++subTour.total;
        ++stats.total.total;
        const qint64 points = cellPoints(row);
        subTour.points += points;
        stats.total.points += points;
    }
    stats.stretches = axisStretches(stats.bars);
    for (size_t i = 1; i < stats.subTours.size(); ++i)
        stats.subTours[i].change = stats.subTours[i].total - stats.subTours[i - 1].total;
    stats.total.scoreAfter = tally.totals().claimedScore;
    return stats;
}

QString subTourLabel(const SubTourRow& row, bool exact)
{
    if (!row.number)
        return QStringLiteral("ранее");
    return (exact ? QString() : QStringLiteral("≥")) + QString::number(*row.number);
}

QString changeText(const std::optional<int>& change)
{
    if (!change)
        return {};
    if (*change < 0)
        return QStringLiteral("−%1").arg(-*change);
    return (*change > 0 ? QStringLiteral("+") : QString()) + QString::number(*change);
}

} // namespace session
