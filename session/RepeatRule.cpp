// The repeat rule: a station counts once per band-mode in a sub-tour, on the
// band-mode its contact is logged on. The call being entered is scanned as it
// is typed, again at every change of band, mode or sub-tour, and once more
// when the contact is completed.
#include "session/ContestSession.h"

using namespace logbook;

namespace session {

scoring::CallsScanResult ContestSession::scanOf(const QString& typed) const
{
    const int row = currentRow();
    const StateRecord& state = m_log.state();
    return scoring::StringOfCalls({typed, state.subTourStart, row, modeText(m_mode), m_grid.cell(row, BandMode),
                                   state.callsLineShown(), m_subTourPending},
                                  m_log.logFile());
}

const scoring::CallsScanResult& ContestSession::scanCalls(const QString& typed)
{
    m_typed = typed;
    m_scan = scanOf(typed);
    if (m_scan.error && m_log.isFault(*m_scan.error))
        m_scan.error.reset(); // the red line says it, not a box at every key
    return m_scan;
}

// The change itself is done and stored; a log that cannot be read for the
// scan is said afterwards.
void ContestSession::rescanTyped(Changes& changes)
{
    if (m_typed.isEmpty())
        return;
    scanCalls(m_typed);
    changes.scan = true;
    if (m_scan.error)
        changes.notice = m_scan.error;
}

// The call of the row being entered, on the row's band-mode as it is now. A
// repeat, or a log that cannot be read to tell, refuses the contact.
bool ContestSession::repeatOnCurrentRow(Changes& changes)
{
    const QString call = m_grid.cell(currentRow(), Call);
    if (call.isEmpty())
        return false;
    m_scan = scanOf(call);
    if (m_scan.dupeCall.isEmpty() && !m_scan.error)
        return false;
    changes.refused = changes.scan = true;
    if (m_scan.error)
        throw KvlError(*m_scan.error);
    return true;
}

} // namespace session
