// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/SpotStore.h"

#include "scoring/MasterIndex.h"

#include <QRegularExpression>
#include <algorithm>

namespace session {

std::optional<logbook::BandAndMode> spotBandMode(qint64 hz, const QString& comment)
{
    const std::optional<int> band = logbook::contestBandOfFrequency(hz);
    const std::optional<logbook::Mode> planned = logbook::modeOfFrequency(hz);
    if (!band || !planned)
        return std::nullopt;
    static const QRegularExpression named(QStringLiteral("\\b(CW|SSB|LSB|USB)\\b"),
                                          QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = named.match(comment);
    if (!m.hasMatch())
        return logbook::BandAndMode {*band, *planned};
    return logbook::BandAndMode {*band, m.captured(1).compare(QLatin1String("CW"), Qt::CaseInsensitive) == 0
                                           ? logbook::Mode::CW
                                           : logbook::Mode::SSB};
}

bool SpotStore::add(MapSpot spot)
{
    const std::optional<logbook::BandAndMode> bandMode = spotBandMode(spot.frequencyHz, spot.comment);
    if (!bandMode || spot.call.isEmpty())
        return false;
    spot.bandMode = *bandMode;
    m_spots.erase(std::remove_if(m_spots.begin(), m_spots.end(),
                                 [&](const MapSpot& s) { return s.call == spot.call && s.bandMode.band == bandMode->band; }),
                  m_spots.end());
    if (int(m_spots.size()) >= MaxSpots)
        m_spots.erase(m_spots.begin());
    m_spots.push_back(std::move(spot));
    return true;
}

void SpotStore::age(const QDateTime& now, int minutes)
{
    const QDateTime oldest = now.addSecs(-60LL * minutes);
    m_spots.erase(std::remove_if(m_spots.begin(), m_spots.end(), [&](const MapSpot& s) { return s.heard <= oldest; }),
                  m_spots.end());
}

std::vector<MapSpot> SpotStore::onBand(int band) const
{
    std::vector<MapSpot> spots;
    std::copy_if(m_spots.begin(), m_spots.end(), std::back_inserter(spots),
                 [band](const MapSpot& s) { return s.bandMode.band == band; });
    std::stable_sort(spots.begin(), spots.end(),
                     [](const MapSpot& a, const MapSpot& b) { return a.frequencyHz < b.frequencyHz; });
    return spots;
}

std::optional<MapSpot> SpotStore::next(int band, qint64 hz, bool up) const
{
    const std::vector<MapSpot> spots = onBand(band);
    if (up) {
        const auto above = std::find_if(spots.begin(), spots.end(), [hz](const MapSpot& s) { return s.frequencyHz > hz; });
        return above == spots.end() ? std::nullopt : std::optional<MapSpot>(*above);
    }
    const auto below = std::find_if(spots.rbegin(), spots.rend(), [hz](const MapSpot& s) { return s.frequencyHz < hz; });
    return below == spots.rend() ? std::nullopt : std::optional<MapSpot>(*below);
}

std::vector<MarkedSpot> markedSpots(const SpotStore& spots, int band, const scoring::WorkedIndex& worked,
                                    const scoring::MasterIndex* master)
{
    std::vector<MarkedSpot> marked;
    for (MapSpot& spot : spots.onBand(band)) {
        const scoring::SpotMark mark = worked.mark(spot.call, spot.bandMode);
        const bool unknown = master && !master->contains(spot.call.toLatin1());
        marked.push_back({std::move(spot), mark, unknown});
    }
    return marked;
}

} // namespace session
