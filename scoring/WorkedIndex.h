// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "log/BandTable.h"
#include "scoring/CallRules.h"

#include <QHash>
#include <QString>
#include <QTime>
#include <optional>
#include <vector>

namespace logbook {
class ContactLog;
}

// Where each logged call was worked, read once from the log, so that any
// number of spots can be marked by the repeat rule without reading it again.
namespace scoring {

// New: worth points. Again: worked in the spot's scope only in earlier
// sub-tours, so new again. Repeat: worked in its scope in this sub-tour, or
// too soon after the last contact with the station.
enum class SpotMark { New, Again, Repeat };

class WorkedIndex
{
public:
    WorkedIndex() = default;
    // The logged rows up to `currentRow`, the current sub-tour beginning at
    // record `subTourStart` (as the calls scan takes it), at the clock's `now`.
    WorkedIndex(const logbook::ContactLog& contacts, int currentRow, int subTourStart, const RepeatRule& rule,
                const std::optional<QTime>& now);

    SpotMark mark(const QString& call, const logbook::BandAndMode& spot) const;

private:
    struct Worked
    {
        logbook::BandAndMode bandMode;
        bool thisSubTour = false;
    };
    struct Station
    {
        std::vector<Worked> worked;
        bool tooSoon = false;
    };
    QHash<QString, Station> m_stations;
    RepeatScope m_scope = RepeatScope::BandAndMode;
};

} // namespace scoring
