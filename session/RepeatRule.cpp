// SPDX-License-Identifier: GPL-3.0-or-later
// The repeat rule: a station counts once per band-mode in a sub-tour, on the
// band-mode its contact is logged on. The call being entered is scanned as it
// is typed, again at every change of band, mode or sub-tour, and once more
// when the contact is completed.
#include "session/ContestSession.h"

#include "common/Clock.h"
#include "scoring/CallRules.h"

using namespace logbook;

namespace session {

scoring::CallsScanResult ContestSession::scanOf(const QString& typed) const
{
    const int row = currentRow();
    const StateRecord& state = m_log.state();
    const scoring::RepeatRule rule = repeatRule();
    return scoring::StringOfCalls({typed, state.subTourStart, row, modeText(m_mode), m_contacts.cell(row, BandMode),
                                   state.callsLineShown(), m_subTourPending, rule.scope, rule.gap, m_clock.now()},
                                  m_log.logFile());
}

const scoring::CallsScanResult& ContestSession::scanCalls(const QString& typed)
{
    if (typed != m_digitlessAsked)
        m_digitlessAsked.clear(); // a changed call is asked about again
    m_typed = typed;
    remakeLogIfGone();
    m_scan = scanOf(typed);
    if (m_scan.error && m_log.isFault(*m_scan.error))
        m_scan.error.reset(); // the red line says it, not a box at every key
    return m_scan;
}

// The scan reads the log: one gone is made again first. One that cannot be
// made is the scan's own error to say.
void ContestSession::remakeLogIfGone()
{
    try {
        m_log.remakeLogIfGone();
    } catch (const KvlError&) {
    }
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
    const QString call = m_contacts.cell(currentRow(), Call);
    if (call.isEmpty())
        return false;
    remakeLogIfGone();
    m_scan = scanOf(call);
    if (m_scan.dupeCall.isEmpty() && !m_scan.error)
        return false;
    changes.refused = changes.scan = true;
    if (m_scan.error)
        throw KvlError(*m_scan.error);
    return true;
}

std::optional<int> ContestSession::subTourOf(int row) const
{
    return m_subTourStarts.numberOf(m_contacts.contact(row), row - 1);
}

// An edit of a call or band can make a logged contact repeat an earlier one
// of its sub-tour, or end a repeat. The edit stands (the operator corrects
// what was really worked); the repeat counts no points and on no band.
void ContestSession::markRepeats(Changes& changes, int skipRow, bool countersFollow)
{
    const QVector<Contact> rows = loggedRows();
    QVector<std::optional<int>> subTours(rows.size());
    for (int i = 0; i < rows.size(); ++i)
        subTours[i] = subTourOf(i + 1);
    m_markedRule = repeatRule();
    const QVector<bool> repeats = scoring::repeatedContacts(rows, subTours, m_markedRule);
    for (int i = 0; i < rows.size(); ++i) {
        const int row = i + 1;
        if (rows[i].repeat == repeats[i])
            continue;
        m_contacts.setRepeat(row, repeats[i]);
        rescoreRow(row);
        const std::optional<int> band = countedBand(rows[i].fields[BandMode], false);
        if (countersFollow && row != skipRow && band) {
            m_log.state().bandCounters[size_t(*band)] += repeats[i] ? -1 : +1;
            changes.counters = true;
        }
    }
}

} // namespace session
