// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/ContestSession.h"

#include "common/Clock.h"
#include "log/SubTourTimes.h"
#include "scoring/MasterMatch.h"
#include "setup/StationSettings.h"

namespace session {

// While a new sub-tour is pending, the contact being entered belongs to it, so
// the line already shows that sub-tour.
StatusFigures ContestSession::status(const QDateTime& now) const
{
    StatusFigures figures = statusFigures(m_contacts.logged(currentRow()), contest(), m_subTourStarts, currentSubTourStart(), now);
    figures.nextSubTour = m_subTourClock.next(subTourTimes(now), now);
    return figures;
}

ContestStatistics ContestSession::statistics(const QDateTime& now) const
{
    return contestStatistics(m_contacts.logged(currentRow()), m_subTourStarts, contest(), now);
}

// The marks of the master-file line and of the band map follow the repeat
// rule of the calls scan, in the sub-tour a contact logged now would be in.
int ContestSession::scanSubTourStart() const
{
    scoring::CallsScanInput input;
    input.subTourStart = m_log.state().subTourStart;
    input.currentRow = currentRow();
    input.newSubTourPending = m_subTourPending;
    return scoring::scanSubTourStart(input);
}

scoring::WorkedCalls ContestSession::workedCalls() const
{
    const int row = currentRow();
    return scoring::workedCalls(m_contacts, row, m_contacts.cell(row, logbook::BandMode), scanSubTourStart(),
                                repeatRule(), m_clock.now());
}

scoring::WorkedIndex ContestSession::workedIndex() const
{
    return scoring::WorkedIndex(m_contacts, currentRow(), scanSubTourStart(), repeatRule(), m_clock.now());
}

std::vector<scoring::MasterCall> ContestSession::masterCalls(const scoring::MasterIndex& index, const QString& typed,
                                                             int asked) const
{
    if (entryPhase() == EntryPhase::Closed)
        return {};
    // A gap in minutes runs out with the clock: gathered again each minute.
    const QTime now = m_clock.now();
    const QTime minute = repeatRule().gap.minutes ? QTime(now.hour(), now.minute()) : QTime();
    if (!m_worked || m_workedMinute != minute)
        m_worked = workedCalls();
    m_workedMinute = minute;
    return scoring::matchMaster(index, typed, *m_worked, asked);
}

ContestSession::MasterTake ContestSession::masterTake() const
{
    switch (entryPhase()) {
    case EntryPhase::Closed: return MasterTake::Ignored;
    case EntryPhase::Call: return MasterTake::Typed;
    case EntryPhase::Received: return MasterTake::Entered;
    }
    return MasterTake::Ignored;
}

} // namespace session
