// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/WorkedIndex.h"

#include "log/ContactLog.h"

namespace scoring {

WorkedIndex::WorkedIndex(const logbook::ContactLog& contacts, int currentRow, int subTourStart, const RepeatRule& rule,
                         const std::optional<QTime>& now)
    : m_scope(rule.scope)
{
    QHash<QString, std::pair<int, int>> lastWith; // call: its last row, and the contacts made before it
    int made = 0;
    for (int row = 1; row < currentRow; ++row) {
        const logbook::Contact& c = contacts.contact(row);
        if (c.call().isEmpty())
            continue;
        if (const std::optional<logbook::BandAndMode> bandMode = c.bandMode())
            m_stations[c.call()].worked.push_back({*bandMode, row - 1 >= subTourStart});
        lastWith[c.call()] = {row, made++};
    }
    if (!rule.gap.any())
        return;
    for (auto last = lastWith.cbegin(); last != lastWith.cend(); ++last) {
        const auto [row, madeBefore] = last.value();
        if (tooSoon(rule.gap, contacts.contact(row).time(), now, made - madeBefore - 1))
            m_stations[last.key()].tooSoon = true;
    }
}

SpotMark WorkedIndex::mark(const QString& call, const logbook::BandAndMode& spot) const
{
    const auto station = m_stations.constFind(call);
    if (station == m_stations.cend())
        return SpotMark::New;
    if (station->tooSoon)
        return SpotMark::Repeat;
    SpotMark mark = SpotMark::New;
    for (const Worked& w : station->worked) {
        if (!sameRepeatScope(m_scope, w.bandMode, spot))
            continue;
        if (w.thisSubTour)
            return SpotMark::Repeat;
        mark = SpotMark::Again;
    }
    return mark;
}

} // namespace scoring
