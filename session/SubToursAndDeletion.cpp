// SPDX-License-Identifier: GPL-3.0-or-later
// Sub-tours, taking back the last contact, and clearing the log.
#include "session/ContestSession.h"

#include "common/FileNames.h"
#include "log/SubTourTimes.h"
#include "setup/StationSettings.h"

#include <utility>

using namespace logbook;

namespace session {

bool ContestSession::subTourDue(const QDateTime& now)
{
    return m_subTourClock.due(subTourTimes(now), now);
}

// Due even where the disk is full: the operator is told, and the contact
// being entered begins the new sub-tour all the same.
Changes ContestSession::offerSubTour()
{
    if (m_subTourPending)
        return {};
    m_subTourPending = true;
    refreshSentExchange(); // a serial counted by sub-tour begins again
    Changes changes = run([&](Changes&) { writeSubTourState(); });
    changes.subTour = true;
    rescanTyped(changes); // a call already typed belongs to the new sub-tour
    return changes;
}

void ContestSession::writeSubTourState()
{
    const std::optional<QDateTime> checked = m_subTourClock.lastCheck();
    m_log.writeSubTourState({m_subTourPending, checked ? checked->toSecsSinceEpoch() : 0});
}

// A due sub-tour kept on disk is due again; the clock looks back to the last
// check known, which is the later of the last contact and the last change of
// a due sub-tour: never a file's time, which an edit or a copy moves.
void ContestSession::resumeSubTours(Changes& changes)
{
    const Logbook::SubTourStateRead read = m_log.readSubTourState();
    std::optional<QDateTime> lastCheck;
    if (read.state) {
        m_subTourPending = changes.subTour = read.state->pending;
        if (read.state->checkedUtcSeconds != 0)
            lastCheck = QDateTime::fromSecsSinceEpoch(read.state->checkedUtcSeconds);
    }
    if (read.damaged) {
        const QString damaged = QStringLiteral("Файл %1 повреждён: новый тур, если он ожидался, нужно начать заново (Alt+T)")
                                    .arg(kSubTourFileName);
        changes.notice = changes.notice ? *changes.notice + QStringLiteral(".\n") + damaged : damaged;
    }
    for (int row = currentRow() - 1; row >= 1; --row) {
        if (const std::optional<ContactStamp> stamp = m_log.stamp(row)) {
            const QDateTime contact = stamp->utc().toLocalTime();
            lastCheck = lastCheck ? std::max(*lastCheck, contact) : contact;
            break;
        }
    }
    m_subTourClock.resume(lastCheck);
}

Changes ContestSession::applySubTour()
{
    return runAsOne([&](Changes& changes) {
        applySubTourSteps();
        refreshSentExchange(); // the contact being entered is the sub-tour's first
        changes.subTour = true;
    });
}

void ContestSession::applySubTourSteps()
{
    m_log.state().subTourStart = newSubTourStart(currentRow(), m_log.state().subTourStart);
    m_subTourStarts.add(m_log.state().subTourStart);
    m_log.writeCfgFile();
    m_subTourPending = false;
    writeSubTourState(); // after the state: a crash between them offers the same start again
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
    m_restore = m_contacts.contact(row); // with its stamp
    m_contacts.setContact(row, Contact {});
    if (!m_restore->repeat) // a repeat is on no counter
        changeSelectedCounter(-1);
    // The state goes first: should the program die in between, the contact is
    // a leftover past the log's end rather than an empty contact inside it.
    m_log.writeCfgFile();
    m_log.writeLogFile();
    m_log.writeStamp(row, std::nullopt);
    prefillCurrentRow();
    markMultipliers();
    changes.contactChange = ContactChange {ContactChange::Kind::Deleted, row, *m_restore};
}

void ContestSession::restoreLastContact(Changes& changes)
{
    const Contact restored = *std::exchange(m_restore, std::nullopt);
    const int row = currentRow();
    changes.restore = changes.currentRow = changes.counters = true;
    m_contacts.setContact(row, restored);
    m_log.writeStamp(row, restored.stamp);
    m_log.writeLogFile();
    m_log.setCurrentRow(row + 1);
    // The row below still holds what it was given before the deletion; the
    // band may have changed since, so it is filled afresh.
    prefillCurrentRow();
    if (!restored.repeat)
        changeSelectedCounter(+1);
    markRepeats(changes); // an edit since the deletion may have moved its mark
    markMultipliers();
    m_log.writeCfgFile();
    changes.contactChange = ContactChange {ContactChange::Kind::Logged, row, {}};
}

void ContestSession::clearLog()
{
    m_log.deleteFiles();
}

} // namespace session
