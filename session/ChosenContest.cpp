// SPDX-License-Identifier: GPL-3.0-or-later
// The contest chosen in setup, as its description reads: its repeat rule,
// its sub-tours and the bands and modes a contact may be logged in.
#include "session/ContestSession.h"

#include "common/Clock.h"
#include "log/SubTourTimes.h"
#include "setup/StationSettings.h"

#include <QDateTime>
#include <algorithm>

using namespace logbook;

namespace session {

void ContestSession::reloadContests()
{
    m_catalogue = scoring::loadContestCatalogue(m_contestFolders);
    m_contestName.reset();
    m_talliedRow = 0; // a description read again may count otherwise
}

QStringList ContestSession::contestNames() const
{
    QStringList names = m_catalogue.names();
    if (m_contest && !names.contains(m_contest->name))
        names << m_contest->name; // its file broke or went: its last good reading serves
    return names;
}

// Setup may change the choice at any time; the catalogue is searched only
// once the name differs from the one found last.
const scoring::ContestDescription* ContestSession::contest() const
{
    const QString name = m_settings.contestVariant();
    if (m_contestName != name) {
        if (const scoring::ContestDescription* found = m_catalogue.find(name))
            m_contest = *found;
        else if (!m_contest || m_contest->name != name)
            m_contest.reset();
        m_contestName = name;
    }
    return m_contest ? &*m_contest : nullptr;
}

// A contest's own schedule is in UTC; the sub-tour clock reads local time.
std::vector<QTime> ContestSession::subTourTimes(const QDateTime& now) const
{
    const scoring::ContestDescription* chosen = contest();
    if (!chosen || chosen->subTourStarts.empty())
        return m_settings.subTourTimeList();
    std::vector<QTime> local;
    for (const QTime& utc : chosen->subTourStarts)
        local.push_back(utc.addSecs(now.offsetFromUtc()));
    return local;
}

scoring::RepeatRule ContestSession::repeatRule() const
{
    const scoring::ContestDescription* chosen = contest();
    return chosen ? scoring::RepeatRule {chosen->repeat, chosen->gap} : scoring::RepeatRule {};
}

// The record the sub-tour of the contact being entered begins at: while a new
// sub-tour is pending, that contact is already its first.
int ContestSession::currentSubTourStart() const
{
    const int stored = m_log.state().subTourStart;
    return m_subTourPending ? newSubTourStart(currentRow(), stored) : stored;
}

// A band or mode the contest does not take, or a mode the sub-tour running on
// the contest's schedule does not: why the contact cannot be logged here.
std::optional<QString> ContestSession::notAllowedHere() const
{
    const scoring::ContestDescription* chosen = contest();
    const std::optional<BandAndMode> here = m_contacts.contact(currentRow()).bandMode();
    if (!chosen || !here)
        return std::nullopt;
    const auto has = [](const auto& list, const auto& value) {
        return std::find(list.begin(), list.end(), value) != list.end();
    };
    if (!has(chosen->bands, here->band))
        return QStringLiteral("В «%1» нет диапазона %2 м").arg(chosen->name, bandText(here->band));
    if (!has(chosen->modes, here->mode))
        return QStringLiteral("В «%1» нет вида работы %2").arg(chosen->name, modeText(here->mode));
    const int running = scoring::scheduledSubTour(*chosen, m_clock.current().toUTC().time());
    const std::optional<Mode> tied = scoring::subTourMode(*chosen, running);
    if (tied && *tied != here->mode)
        return QStringLiteral("Подтур %1 (с %2 UTC) — только %3: связь %4 не записана")
            .arg(running)
            .arg(chosen->subTourStarts[size_t(running - 1)].toString(QStringLiteral("hh:mm")), modeText(*tied),
                 modeText(here->mode));
    return std::nullopt;
}

} // namespace session
