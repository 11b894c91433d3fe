// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/ContestSession.h"

#include "common/Clock.h"
#include "common/FileNames.h"
#include "common/KvlError.h"
#include "log/SubTourTimes.h"
#include "scoring/CallRules.h"
#include "scoring/Points.h"
#include "scoring/Report.h"
#include "setup/StationSettings.h"

#include <utility>

using namespace logbook;

namespace session {

ContestSession::ContestSession(const StationSettings& settings, const Clock& clock, const QStringList& contestFolders)
    : m_settings(settings), m_clock(clock), m_contestFolders(contestFolders), m_log(m_contacts)
{
}

QVector<Contact> ContestSession::loggedRows() const
{
    return scoring::loggedRows(m_contacts, currentRow());
}

// ---- Start-up ----

Changes ContestSession::start(const QString& coordinates)
{
    reloadContests();
    Changes started = run([&](Changes& changes) {
        m_coordinates = coordinates.left(setup::kCoordinatesLength);
        const bool stateFound = m_log.readState();
        changes.callsLine = changes.currentRow = changes.mode = true;
        // A fresh state shows no counters until the first contact.
        changes.counters = stateFound;
        changes.notice = m_log.readLog();
        const bool countersRebuilt = changes.notice.has_value();
        restoreSubTourStarts(countersRebuilt);
        selectStartBand(stateFound, changes);
        markRepeats(changes, 0, countersRebuilt);
        markMultipliers();
        if (countersRebuilt) {
            changes.counters = true; // counted anew from the log
            m_log.writeCfgFile(); // so that the next start trusts the state again
        }
        resumeSubTours(changes);
    });
    tellWriteFault(started);
    return started;
}

// The band and mode the state names. Where the state was lost or damaged,
// those of the last logged contact (160 SSB for an empty log), and the
// operator is told.
void ContestSession::selectStartBand(bool stateFound, Changes& changes)
{
    const bool trusted = stateFound && !changes.notice;
    std::optional<BandAndMode> chosen = trusted ? parseBandModeWord(m_log.state().bandMode) : std::nullopt;
    if (!chosen && (stateFound || currentRow() > 1)) {
        chosen = lastLoggedBandMode();
        const QString word = chosen ? bandModeWord(chosen->band, chosen->mode) : bandModeWord(0, Mode::SSB);
        const QString said = chosen ? QStringLiteral("выбран %1, как у последней связи").arg(word)
                                    : QStringLiteral("выбран %1").arg(word);
        changes.notice = changes.notice
            ? *changes.notice + QStringLiteral(". Диапазон и вид работы: ") + said
            : QStringLiteral("В файле состояния %1 нет диапазона и вида работы: %2").arg(kStateFileName, said);
    }
    const BandAndMode band = chosen.value_or(BandAndMode {0, Mode::SSB});
    m_mode = band.mode;
    selectBandSteps(band.band, changes);
    m_bandChanged = !stateFound; // a fresh log numbers its first band change 1
}

std::optional<BandAndMode> ContestSession::lastLoggedBandMode() const
{
    for (int row = currentRow() - 1; row >= 1; --row) {
        if (const std::optional<BandAndMode> bandMode = m_contacts.contact(row).bandMode())
            return bandMode;
    }
    return std::nullopt;
}

void ContestSession::setCoordinates(const QString& coordinates)
{
    m_coordinates = coordinates.left(setup::kCoordinatesLength);
    m_contacts.setCell(currentRow(), Sent, sentFor(currentRow()));
}

// ---- Bands and modes ----

Changes ContestSession::selectBand(int band)
{
    return run([&](Changes& changes) { selectBandSteps(band, changes); });
}

// Only another band is a selection: the selected one changes nothing and
// writes nothing.
void ContestSession::selectBandSteps(int band, Changes& changes)
{
    if (band < 0 || band >= kBandCount || band == m_selectedBand)
        return;
    m_bandChanged = true;
    m_selectedBand = band;
    changes.band = true;
    m_log.state().bandMode = bandModeWord(band, m_mode);
    prefillCurrentRow();
    m_log.writeCfgFile();
    rescanTyped(changes);
}

Changes ContestSession::bandUp()
{
    return m_selectedBand < 0 ? Changes {} : selectBand((m_selectedBand + 1) % kBandCount);
}

Changes ContestSession::bandDown()
{
    return m_selectedBand < 0 ? Changes {} : selectBand((m_selectedBand + kBandCount - 1) % kBandCount);
}

Changes ContestSession::selectMode(logbook::Mode mode)
{
    return mode == m_mode ? Changes {} : toggleMode();
}

Changes ContestSession::toggleMode()
{
    return run([&](Changes& changes) {
        m_mode = m_mode == Mode::SSB ? Mode::CW : Mode::SSB;
        changes.mode = true;
        if (m_selectedBand >= 0)
            m_log.state().bandMode = bandModeWord(m_selectedBand, m_mode);
        m_contacts.setCell(currentRow(), BandMode, m_log.state().bandMode);
        refreshSentExchange(); // RS in SSB, RST in CW
        m_log.writeCfgFile();
        rescanTyped(changes);
    });
}

void ContestSession::prefillCurrentRow()
{
    const int row = currentRow();
    m_contacts.setCell(row, BandMode, m_log.state().bandMode);
    m_contacts.setCell(row, Sent, sentFor(row));
}

// ---- Entry ----

// The contests differ here in the base lookup.
ContestSession::CallEntry ContestSession::enterCall(const QString& call, const QString& received)
{
    const scoring::ContestDescription* contest = this->contest();
    CallEntry entry;
    if (!contest) {
        entry.warning = QStringLiteral("Выберите вид соревнований");
        return entry;
    }
    if (const std::optional<QString> refusal = notAllowedHere(); refusal && !call.isEmpty()) {
        entry.warning = *refusal;
        return entry;
    }
    const scoring::CallForm form = scoring::callForm(call);
    if (!m_scan.dupeCall.isEmpty() || (!call.isEmpty() && form == scoring::CallForm::NoLetter)) {
        entry.refused = true;
        m_receivedOpen = false;
        if (m_scan.dupeCall.isEmpty())
            entry.warning = QStringLiteral("%1 — не позывной: в позывном должна быть хотя бы одна буква").arg(call);
        m_typed.clear(); // the fields are emptied
        return entry;
    }
    if (call.isEmpty())
        return entry;
    if (form == scoring::CallForm::NoDigit && std::exchange(m_digitlessAsked, call) != call) {
        entry.warning = QStringLiteral("В позывном %1 нет цифры: Enter ещё раз, чтобы принять его").arg(call);
        return entry;
    }
    m_contacts.setCell(currentRow(), Call, call);
    m_receivedOpen = true;
    entry.receivedLimit = receivedLimit();
    if (!received.isEmpty()) {
        entry.received = received; // typed before: kept
        return entry;
    }
    if (receivedForm()) {
        prefillReceived(call, entry);
        return entry;
    }
    QString text;
    if (const scoring::BaseLookup lookup = scoring::baseLookup(contest->base))
        text = lookup(call, m_base).value_or(QString());
    if (text.isEmpty())
        text = scoring::exchangeWithoutSerial(m_scan.rememberedExchange);
    entry.received = text;
    return entry;
}

// The state write is the commit point: should the row, the state or their
// sync fail, the files and the memory are as before the Enter, so the same
// contact can be entered again.
Changes ContestSession::completeContact(const QString& typed, const QDateTime& reading)
{
    return runAsOne([&](Changes& changes) {
        QString received = typed;
        if (std::optional<QString> refusal = notAllowedHere(); refusal || (refusal = checkReceived(received))) {
            changes.refused = true;
            changes.warning = refusal;
            return;
        }
        if (repeatOnCurrentRow(changes))
            return;
        const int row = currentRow();
        changes.restore = m_restore.has_value();
        m_restore.reset(); // a new contact: the deleted one can no longer come back
        m_contacts.setCell(row, Received, received);
        m_contacts.setCell(row, Time, contactTime(reading.time()));
        changeSelectedCounter(+1);
        changes.counters = true;
        numberBandChange(row);
        // Points that cannot be worked out never stop a contact from being
        // logged: the operator reads why once it is on disk.
        const scoring::ContactScore score =
            scoring::scoreCompletedContact(contest(), m_contacts.cell(row, BandMode), m_contacts.cell(row, Sent), received,
                                           m_contacts.cell(row, Points));
        m_contacts.setCell(row, Points, score.cell);
        changes.notice = score.error;
        m_log.writeStamp(row, newStamp(row, reading));
        m_log.writeLogFile();
        if (m_subTourPending) {
            applySubTourSteps();
            changes.subTour = true;
        }
        m_log.setCurrentRow(row + 1);
        prefillCurrentRow(); // its serial and the previous call are this contact's
        markMultipliers(true);
        changes.currentRow = true;
        m_log.writeCfgFile();
        m_typed.clear(); // logged: the fields are emptied, the next call is typed
        m_receivedOpen = false;
        changes.contactLogged = true;
        changes.contactChange = ContactChange {ContactChange::Kind::Logged, row, {}};
        changes.warning = QString(); // a refusal before this Enter no longer holds
    });
}

// A contact on another band than the row above, after a band selection,
// counts one band change; the count reached is shown once it is positive.
void ContestSession::numberBandChange(int row)
{
    StateRecord& state = m_log.state();
    if (m_contacts.cell(row - 1, BandMode) != m_contacts.cell(row, BandMode) && m_bandChanged) {
        ++state.bandChangeCount;
        m_bandChanged = false;
    }
    if (state.bandChangeCount > 0)
        m_contacts.setCell(row, BandChange, QString::number(state.bandChangeCount));
}

// A logged contact is re-scored and marked before its row is written, and
// its state after it, so that the points, the counters and the status line
// follow the edit at once.
Changes ContestSession::editRow(int row, int column, const QString& before)
{
    return run([&](Changes& changes) {
        const bool logged = row >= 1 && row < currentRow();
        Contact was = m_contacts.contact(row); // with the stamp it had
        if (column >= 0 && column < QsoFieldCount)
            was.fields[size_t(column)] = before;
        if (logged && column == Time && !takeEditedTime(row, before, changes))
            return;
        if (logged && (column == Sent || column == Received))
            rescoreRow(row);
        if (logged && (column == Call || column == BandMode || column == Time)) // a gap reads the time
            remarkEditedRow(row, column == BandMode ? before : m_contacts.cell(row, BandMode), changes);
        if (logged)
            markMultipliers();
        const std::optional<ContactStamp> edited = editedStamp(row);
        if (logged && !(edited == m_log.stamp(row)))
            m_log.writeStamp(row, edited);
        m_log.writeRow(row);
        if (changes.counters)
            m_log.writeCfgFile();
        if (logged && was.fields != m_contacts.contact(row).fields)
            changes.contactChange = ContactChange {ContactChange::Kind::Edited, row, was};
    });
}

// A time cell edited into no time would leave the contact no time to stand
// at; a time is written as every contact's is, hh:mm.
bool ContestSession::takeEditedTime(int row, const QString& before, Changes& changes)
{
    const QString typed = m_contacts.cell(row, Time);
    if (const std::optional<QTime> time = parseContactTime(typed)) {
        m_contacts.setCell(row, Time, contactTime(*time));
        return true;
    }
    m_contacts.setCell(row, Time, before);
    changes.warning = QStringLiteral("%1 — не время: время связи пишется как 09:05").arg(typed.isEmpty() ? QStringLiteral("Пусто") : typed);
    return false;
}

// The edited contact counted on the band of `bandModeBefore` unless it was a
// repeat; after the edit it counts on its own band unless it is one now.
void ContestSession::remarkEditedRow(int row, const QString& bandModeBefore, Changes& changes)
{
    const std::optional<int> countedBefore = countedBand(bandModeBefore, m_contacts.isRepeat(row));
    markRepeats(changes, row);
    const std::optional<int> countedNow = countedBand(m_contacts.cell(row, BandMode), m_contacts.isRepeat(row));
    if (countedBefore == countedNow)
        return;
    if (countedBefore)
        --m_log.state().bandCounters[size_t(*countedBefore)];
    if (countedNow)
        ++m_log.state().bandCounters[size_t(*countedNow)];
    changes.counters = true;
}

// Only a whole band-mode word names a band: while it is being typed the
// contact counts on no band, and a repeat counts on none either.
std::optional<int> ContestSession::countedBand(const QString& bandMode, bool repeat)
{
    const std::optional<BandAndMode> parsed = parseBandModeWord(bandMode);
    return parsed && !repeat ? std::optional(parsed->band) : std::nullopt;
}

// Counted on the band selected now, which need not be the contact's own.
void ContestSession::changeSelectedCounter(int delta)
{
    if (m_selectedBand >= 0)
        m_log.state().bandCounters[size_t(m_selectedBand)] += delta;
}

// ---- Scoring and base files ----

void ContestSession::rescoreRow(int row)
{
    m_contacts.setCell(row, Points,
                   m_contacts.isRepeat(row) ? scoring::kRepeatPoints
                                        : scoring::scoreCompletedContact(contest(), m_contacts.cell(row, BandMode),
                                                                         m_contacts.cell(row, Sent),
                                                                         m_contacts.cell(row, Received), m_contacts.cell(row, Points))
                                              .cell);
}

// A contest chosen since the marks were made may count repeats otherwise.
Changes ContestSession::rescore()
{
    return run([&](Changes& changes) {
        if (repeatRule() != m_markedRule) {
            markRepeats(changes);
            if (changes.counters)
                m_log.writeCfgFile();
        }
        scoring::rescoreLog(m_contacts, currentRow(), contest());
        markMultipliers();
        refreshSentExchange();
    });
}

Changes ContestSession::loadAsiaBase()
{
    return run([&](Changes&) { m_base.loadAsiaBase(); });
}

Changes ContestSession::loadRaBase()
{
    return run([&](Changes&) {
        if (contest() && contest()->base == scoring::BaseKind::RA)
            m_base.loadRaBase();
    });
}

Changes ContestSession::setCallsLineShown(bool shown)
{
    return run([&](Changes& changes) {
        m_log.state().callsLineFlag = shown ? 1 : 0;
        changes.callsLine = true;
        m_log.writeCfgFile();
    });
}

} // namespace session
