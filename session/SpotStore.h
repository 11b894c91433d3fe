// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "log/BandTable.h"
#include "scoring/WorkedIndex.h"

#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

// The spots the band map shows: the cluster's, kept while they are fresh.
namespace scoring {
class MasterIndex;
}

namespace session {

struct MapSpot
{
    QString call;
    qint64 frequencyHz = 0;
    logbook::BandAndMode bandMode {0, logbook::Mode::SSB};
    QString spotter;
    QString comment;
    QDateTime heard; // by the operator's clock, when the node sent it
};

// The band and mode a spot is worked on: the band its frequency lies in, the
// mode its comment names ("CW", "SSB", "LSB", "USB") or else the band plan's.
// None outside the contest bands.
std::optional<logbook::BandAndMode> spotBandMode(qint64 hz, const QString& comment);

class SpotStore
{
public:
    // However much a node sends, no more are kept: the oldest goes first.
    static constexpr int MaxSpots = 500;

    // Kept only on a contest band; a call spotted again on a band replaces its
    // earlier spot there. False for a spot not kept.
    bool add(MapSpot spot);
    // Drops the spots heard `minutes` or more before `now`.
    void age(const QDateTime& now, int minutes);
    // A band's spots, lowest frequency first.
    std::vector<MapSpot> onBand(int band) const;
    // The nearest spot above (`up`) or below `hz` on the band.
    std::optional<MapSpot> next(int band, qint64 hz, bool up) const;
    int size() const { return int(m_spots.size()); }

private:
    std::vector<MapSpot> m_spots; // oldest first
};

struct MarkedSpot
{
    MapSpot spot;
    scoring::SpotMark mark = scoring::SpotMark::New;
    bool unknown = false; // a master file is in use and does not list the call
};

// A band's spots, lowest first, marked by the log and set apart where the
// master file (none: no file in use) does not know the call.
std::vector<MarkedSpot> markedSpots(const SpotStore& spots, int band, const scoring::WorkedIndex& worked,
                                    const scoring::MasterIndex* master);

} // namespace session
