// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "log/Contact.h"
#include "scoring/ContestDescription.h"
#include "session/StatusFigures.h"

#include <QDateTime>
#include <QVector>
#include <array>
#include <optional>
#include <vector>

// The contest at a look: the rate over the contest, the sub-tours side by
// side and the score's course, worked out from the logged rows alone.
namespace session {

constexpr int kRateBarMinutes = 10;
constexpr int kBandModeColumns = 2 * logbook::kBandCount;

// The table's column of a band and mode: bands in panel order, SSB before CW.
inline int bandModeColumn(const logbook::BandAndMode& bm)
{
    return 2 * bm.band + (bm.mode == logbook::Mode::CW ? 1 : 0);
}

// A minute of the operator's clock, counted from 1970-01-01 00:00 on it.
using LocalMinute = qint64;

struct RateBar
{
    LocalMinute start = 0;               // its ten minutes begin here
    std::array<int, 2> contacts {};      // by mode: SSB, CW
};

// A stretch of the bars' time axis. A pause longer than two hours is left out
// of the axis (a night between tours, a contact days after the contest), so
// that the contest's own bars keep their width.
struct AxisStretch
{
    LocalMinute from = 0; // the first bar's start
    LocalMinute to = 0;   // the last bar's end
    bool operator==(const AxisStretch& o) const { return from == o.from && to == o.to; }
};
constexpr int kAxisPauseMinutes = 120;

struct SubTourRow
{
    std::optional<int> number;           // none: the contacts before the first sub-tour start known
    QString since;                       // its first contact's time cell
    std::optional<LocalMinute> start;    // its first timed contact's minute
    std::array<int, kBandModeColumns> contacts {};
    int total = 0;
    qint64 points = 0;
    std::optional<int> change;           // its contacts less the sub-tour's before
    qint64 scoreAfter = 0;               // the claimed score with it and every row before
};

struct ContestStatistics
{
    // Every contact with a time, repeats too, as the rate counts them; only
    // the tens that hold one, in time order.
    std::vector<RateBar> bars;
    std::vector<AxisStretch> stretches;
    // The counted contacts: a repeat counts on no band and no points.
    std::vector<SubTourRow> subTours;
    SubTourRow total;
    std::array<bool, kBandModeColumns> columns {}; // the band-modes any sub-tour has
    std::optional<QDate> firstDay; // the first stamped contact's, on the operator's clock
    bool subToursExact = true; // false: the numbers are the least the sub-tours can be
    ContactRates rates;
    bool judgesPoints = false; // the points are the judges': none to show
    bool claimsScore = false;  // a score is claimed, so it has a course
};

// Each row's minute: a stamped one's own; an unstamped one's from its hh:mm,
// one that reads earlier than the contact before it being on the next day,
// placed after the stamped contact before it (before the one after it when
// none came before). None for a row without a readable time.
std::vector<std::optional<LocalMinute>> contactMinutes(logbook::ContactRows rows);

// `starts` number the unstamped rows; `now` is the clock's reading for the rates.
ContestStatistics contestStatistics(logbook::ContactRows rows, const SubTourStarts& starts,
                                    const scoring::ContestDescription* contest, const QDateTime& now);

// How the window names a sub-tour: its number ("≥2" where the numbers are the
// least they can be), or "ранее" for the contacts before the first start known.
QString subTourLabel(const SubTourRow& row, bool exact);
// A change against the sub-tour before: "+3", "−2", "0"; empty for none.
QString changeText(const std::optional<int>& change);

} // namespace session
