// Sub-tours, taking back the last contact, and clearing the log.
#include "session/ContestSession.h"

#include "log/SubTourTimes.h"
#include "setup/StationSettings.h"

#include <utility>

using namespace logbook;

namespace session {

bool ContestSession::subTourDue(const QDateTime& now)
{
    return m_subTourClock.due(parseSubTourTimes(m_settings.subTourTimes()).times, now);
}

Changes ContestSession::offerSubTour()
{
    Changes changes;
    changes.subTour = !m_subTourPending;
    m_subTourPending = true;
    if (changes.subTour)
        rescanTyped(changes); // a call already typed belongs to the new sub-tour
    return changes;
}

Changes ContestSession::applySubTour()
{
    return runAsOne([&](Changes& changes) {
        applySubTourSteps();
        changes.subTour = true;
    });
}

void ContestSession::applySubTourSteps()
{
    m_log.state().subTourStart = newSubTourStart(currentRow(), m_log.state().subTourStart);
    m_subTourStarts.add(m_log.state().subTourStart);
    m_log.writeCfgFile();
    m_subTourPending = false;
}

Changes ContestSession::deleteOrRestore()
{
    return runAsOne([&](Changes& changes) {
        const bool restoring = m_restore.has_value();
        if (restoring)
            restoreLastContact(changes);
        else if (currentRow() > 1)
            deleteLastContact(changes);
    });
}

void ContestSession::deleteLastContact(Changes& changes)
{
    const int row = currentRow() - 1;
    changes.restore = changes.currentRow = changes.counters = true;
    m_log.setCurrentRow(row);
    m_restore = m_grid.record(row);
    m_restoreStamp = m_log.stamp(row);
    m_grid.setRecord(row, QsoRecord {});
    changeSelectedCounter(-1);
    // The state goes first: should the program die in between, the contact is
    // a leftover past the log's end rather than an empty contact inside it.
    m_log.writeCfgFile();
    m_log.writeLogFile();
    m_log.writeStamp(row, std::nullopt);
    prefillCurrentRow();
}

void ContestSession::restoreLastContact(Changes& changes)
{
    const QsoRecord restored = *std::exchange(m_restore, std::nullopt);
    const int row = currentRow();
    changes.restore = changes.currentRow = changes.counters = true;
    m_grid.setRecord(row, restored);
    m_log.writeStamp(row, m_restoreStamp); // kept: a failed restore can be tried again
    m_log.writeLogFile();
    m_log.setCurrentRow(row + 1);
    // The row below still holds what it was given before the deletion; the
    // band may have changed since, so it is filled afresh.
    prefillCurrentRow();
    changeSelectedCounter(+1);
    m_log.writeCfgFile();
}

void ContestSession::clearLog()
{
    m_log.deleteFiles();
}

} // namespace session
