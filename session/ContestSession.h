// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/KvlError.h"
#include "log/BandTable.h"
#include "log/ContactLog.h"
#include "log/Logbook.h"
#include "scoring/BaseText.h"
#include "scoring/CallRules.h"
#include "scoring/CallsScan.h"
#include "scoring/ContestCatalogue.h"
#include "scoring/ContestVariant.h"
#include "scoring/MasterMatch.h"
#include "scoring/WorkedIndex.h"
#include "session/Changes.h"
#include "session/ContestStatistics.h"
#include "session/StatusFigures.h"
#include "session/SubTourClock.h"
#include "setup/StationExchange.h"

#include <QDateTime>
#include <QStringList>
#include <QTime>
#include <QVector>
#include <array>
#include <optional>

class Clock;
class StationSettings;

namespace session {

// Where the entry of a contact stands: no band chosen yet (no call can be
// typed), the call being typed, or the received exchange open after it.
enum class EntryPhase { Closed, Call, Received };
// What Esc does in an entry field.
enum class EntryEscape { ClearCall, ClearReceived, BackToCall };

// The contest as it is being logged: the log and its working state, the
// selected band and mode, the sub-tour and the last deleted contact. Every
// rule of logging lives here, with the order in which the files are written;
// the window turns its controls into calls of the session and shows what the
// returned changes name. File errors never escape an operation: it stops at
// the failing step and says so in its changes.
class ContestSession
{
public:
    // The received field's limit for a contest that receives any text, as
    // the built-in ones do.
    static constexpr int PlainReceivedLimit = 8;

    // `settings` are the live setup fields, read at every use; `clock` times
    // the repeat gap; the contests are read from `contestFolders`, a later
    // folder's file taking an earlier one's place.
    ContestSession(const StationSettings& settings, const Clock& clock,
                   const QStringList& contestFolders = {scoring::kBuiltInContests, QStringLiteral("contests")});

    // Start-up, with the coordinates of the station data file: the state and
    // the log are read (or created), the stored band and mode restored.
    Changes start(const QString& coordinates);
    // The setup was closed: the row being entered takes the new coordinates.
    void setCoordinates(const QString& coordinates);
    // The station's own group, code and zone by contest id, from setup: the
    // row being entered sends them at once.
    void setStationExchanges(const setup::StationExchanges& exchanges);

    // Bands and modes.
    Changes selectBand(int band);
    Changes bandUp();
    Changes bandDown();
    Changes toggleMode();
    Changes selectMode(logbook::Mode mode); // the rig's: nothing when it is the mode already

    // Entry of a contact. The scan of the typed call keeps the repeat and the
    // remembered exchange for the call-entered step; every later change of
    // band, mode or sub-tour scans that call again (`Changes::scan`).
    const scoring::CallsScanResult& scanCalls(const QString& typed);
    const scoring::CallsScanResult& lastScan() const { return m_scan; }
    struct CallEntry
    {
        bool refused = false;             // a repeat, or no call: both fields are emptied
        std::optional<QString> received;  // accepted: the received field's text
        int caret = -1;                   // where typing goes on in it; -1: at its end
        int receivedLimit = 0;            // the characters the operator may type there
        QString warning;                  // why not, in red under the calls lines
    };
    // Enter in the call field. No contest chosen, or no call: nothing. A band,
    // a mode or a sub-tour's mode the contest does not allow: a warning. A text
    // without a letter is no call and is refused; a call without a digit is
    // taken at the second Enter. The received field is pre-filled with what
    // stays from contact to contact: a base file's entry, else the exchange
    // remembered from the log without its serial. A contest that names its
    // received exchange opens it with what stays from contact to contact, the
    // RS(T) by mode and the station's code or locator from its last contact,
    // and takes as many characters as its fields.
    CallEntry enterCall(const QString& call, const QString& received);
    EntryPhase entryPhase() const;
    // A key typed into the received field, by the contest's rule for it.
    scoring::ReceivedKey receivedKey(QChar typed) const;
    // Esc in the call field, or in the received field (`receivedEmpty`: with
    // nothing typed in it, the entry goes back to the call).
    EntryEscape escape(bool inReceived, bool receivedEmpty);
    // Checks the repeat once more, on the band-mode the contact is logged on:
    // a repeat is `refused` and nothing changes but the scan. So is a received
    // exchange that the contest's fields do not take, with the reason. `reading` is the
    // clock's one reading: the row's hh:mm and its stamp.
    Changes completeContact(const QString& received, const QDateTime& reading);
    // The operator changed cell `column` of `row` in the grid from `before`:
    // the row goes to disk, its stamp moved to the nearest instant with the
    // new hh:mm and stripped of a frequency outside the new band. A logged
    // time that is no time is refused: the cell takes `before` back. The
    // repeat rule marks the contacts the edit made repeats, or no longer.
    Changes editRow(int row, int column, const QString& before);
    // The rig's last known frequency, 0 while no rig is followed or heard.
    void setRigFrequency(qint64 hz) { m_rigFrequency = hz; }
    qint64 rigFrequency() const { return m_rigFrequency; }

    // Sub-tours and deletion.
    // At each clock reading: whether a listed sub-tour time has passed since
    // the previous reading (at start-up: since the last contact or the last
    // change of a due sub-tour).
    bool subTourDue(const QDateTime& now);
    // The clock's reading: a due sub-tour is offered (`Changes::subTour`).
    Changes clockReading(const QDateTime& now) { return subTourDue(now) ? offerSubTour() : Changes {}; }
    // By the clock or Alt+T; a due sub-tour is kept on disk until it begins.
    Changes offerSubTour();
    Changes applySubTour();
    Changes deleteOrRestore();
    void clearLog();

    // Scoring and base files. At every activation of the window: the grid
    // scored by the contest chosen, and the repeats marked by its rule.
    Changes rescore();
    Changes loadAsiaBase();
    Changes loadRaBase();
    Changes setCallsLineShown(bool shown);

    // What the window shows.
    logbook::ContactLog& contacts() { return m_contacts; }
    const logbook::ContactLog& contacts() const { return m_contacts; }
    const logbook::Logbook& logbook() const { return m_log; }
    int currentRow() const { return m_log.currentRow(); }
    int selectedBand() const { return m_selectedBand; }
    logbook::Mode mode() const { return m_mode; }
    bool bandChanged() const { return m_bandChanged; }
    const QString& coordinates() const { return m_coordinates; }
    const logbook::StateRecord& state() const { return m_log.state(); }
    bool restorePending() const { return m_restore.has_value(); }
    bool subTourPending() const { return m_subTourPending; }
    // The contest chosen in setup, found in the catalogue at the first use
    // after setup changed it; none while no contest is chosen. A chosen
    // contest whose file broke or went keeps the reading it had.
    const scoring::ContestDescription* contest() const;
    // The contests setup offers, and what is wrong with the files that are
    // not offered. Read again at start-up and by `reloadContests`.
    const scoring::ContestCatalogue& catalogue() const { return m_catalogue; }
    void reloadContests();
    // The names setup lists: the catalogue's, and the chosen contest's while
    // its last good reading serves.
    QStringList contestNames() const;
    // The sub-tour starts on the local clock at `now`: the contest's own,
    // else setup's.
    std::vector<QTime> subTourTimes(const QDateTime& now) const;
    // The characters an exchange of the contest takes on screen, about.
    int exchangeLength() const;
    QVector<logbook::Contact> loggedRows() const;
    Stamps loggedStamps() const; // beside loggedRows()
    // The status line's figures at the clock's reading `now`, from memory alone.
    StatusFigures status(const QDateTime& now) const;
    // The statistics window's figures at `now`, from memory alone.
    ContestStatistics statistics(const QDateTime& now) const;
    // The warning to keep in sight while the log or the state cannot be
    // written; none once a write of it succeeds.
    std::optional<QString> logNotSaved() const;
    // The files made again from memory since the last call, for the status line.
    std::optional<QString> takeFileNotice();
    // The log's calls for the marks of the master-file line.
    scoring::WorkedCalls workedCalls() const;
    // Where each logged call was worked, for the marks of the band map.
    scoring::WorkedIndex workedIndex() const;
    // The master calls `typed` matches, marked by the log (gathered once
    // until the session changes); none while no call is being entered.
    std::vector<scoring::MasterCall> masterCalls(const scoring::MasterIndex& index, const QString& typed,
                                                 int asked) const;
    // A master call clicked is taken as if typed while a call is being
    // entered; with the received field open it is entered at once.
    enum class MasterTake { Ignored, Typed, Entered };
    MasterTake masterTake() const;

private:
    template <class Steps>
    Changes run(Steps&& steps);
    // A step that logs: its writes stand or fall together, and on a failure
    // the memory is put back too (counters, serial, band change, restore).
    template <class Steps>
    Changes runAsOne(Steps&& steps);
    struct Memory
    {
        logbook::StateRecord state;
        int currentRow;
        bool bandChanged;
        bool subTourPending;
        SubTourStarts subTourStarts;
        std::optional<logbook::Contact> restore;
        std::array<logbook::Contact, 3> rows; // around the current row
    };
    Memory memory() const;
    void putBack(const Memory& memory);
    void tellWriteFault(Changes& changes);
    void selectBandSteps(int band, Changes& changes);
    void selectStartBand(bool stateFound, Changes& changes);
    void resumeSubTours(Changes& changes);
    void writeSubTourState();
    void applySubTourSteps();
    scoring::CallsScanResult scanOf(const QString& typed) const;
    void remakeLogIfGone();
    void rescanTyped(Changes& changes);
    bool repeatOnCurrentRow(Changes& changes);
    std::optional<logbook::BandAndMode> lastLoggedBandMode() const;
    scoring::RepeatRule repeatRule() const;
    int scanSubTourStart() const;
    int currentSubTourStart() const;
    std::optional<QString> notAllowedHere() const;
    bool takeEditedTime(int row, const QString& before, Changes& changes);
    void remarkEditedRow(int row, const QString& bandModeBefore, Changes& changes);
    static std::optional<int> countedBand(const QString& bandMode, bool repeat);
    std::optional<int> subTourOf(int row) const;
    // The repeat marks of the logged rows worked out again: a contact whose
    // mark changed is scored again and, with `countersFollow` and unless it is
    // `skipRow`, moves off or onto its band's counter (`Changes::counters`;
    // the caller writes the state).
    void markRepeats(Changes& changes, int skipRow = 0, bool countersFollow = true);
    void rescoreRow(int row);
    void prefillCurrentRow();
    // The contest's own exchange (ContestExchange.cpp).
    QString sentFor(int row) const;
    int serialOf(int row) const;
    QString previousCall(int row) const;
    setup::StationExchange stationExchange() const;
    void refreshSentExchange(); // where the contest's exchange names its fields
    const scoring::ExchangeForm* receivedForm() const;
    int receivedLimit() const;
    void prefillReceived(const QString& call, CallEntry& entry) const;
    std::optional<QString> checkReceived(QString& received) const;
    // How many multipliers each logged contact brought: counted again, or only
    // the newest contact's where it is all that changed.
    void markMultipliers(bool newestOnly = false);
    scoring::CountedContact counted(int row) const;
    void numberBandChange(int row);
    void changeSelectedCounter(int delta);
    void deleteLastContact(Changes& changes);
    void restoreLastContact(Changes& changes);
    logbook::ContactStamp newStamp(int row, const QDateTime& reading) const;
    std::optional<logbook::ContactStamp> editedStamp(int row) const;
    void restoreSubTourStarts(bool stateDoubted);

    const StationSettings& m_settings;
    const Clock& m_clock;
    QStringList m_contestFolders;
    scoring::ContestCatalogue m_catalogue;
    mutable std::optional<QString> m_contestName; // the choice `m_contest` was found for; none: look again
    mutable std::optional<scoring::ContestDescription> m_contest;
    scoring::RepeatRule m_markedRule; // the rule the logged contacts' repeat marks follow
    logbook::ContactLog m_contacts;
    logbook::Logbook m_log;
    scoring::BaseText m_base;
    QString m_coordinates;
    int m_selectedBand = -1;
    logbook::Mode m_mode = logbook::Mode::SSB;
    bool m_bandChanged = false;
    bool m_subTourPending = false;
    SubTourStarts m_subTourStarts; // for the sub-tour's number
    SubTourClock m_subTourClock;
    setup::StationExchanges m_stationExchanges;
    scoring::MultiplierTally m_tally; // over the logged rows before m_talliedRow
    int m_talliedRow = 0;
    QString m_talliedContest;
    mutable std::optional<scoring::WorkedCalls> m_worked; // for the master line, until the session changes
    mutable QTime m_workedMinute;                        // or the minute, where a gap counts minutes
    std::optional<logbook::Contact> m_restore; // the last deleted contact and its stamp, while it can be restored
    qint64 m_rigFrequency = 0;
    QString m_typed;                 // the call field's text at the last scan
    scoring::CallsScanResult m_scan; // its repeat and remembered exchange
    QString m_digitlessAsked;        // a call without a digit, Entered once already
    bool m_receivedOpen = false;     // the call was taken: its exchange is being typed
};

// File errors stop an operation at the failing step; they go back to the
// window in its changes, never as an exception.
template <class Steps>
inline Changes ContestSession::run(Steps&& steps)
{
    Changes changes;
    m_worked.reset();
    try {
        steps(changes);
    } catch (const KvlError& e) {
        changes.error = e.message();
        changes.errorKnown = m_log.knownFault(*changes.error);
    }
    changes.status = takeFileNotice();
    return changes;
}

template <class Steps>
inline Changes ContestSession::runAsOne(Steps&& steps)
{
    const Memory before = memory();
    Changes changes = run([&](Changes& c) { m_log.asOne([&] { steps(c); }); });
    if (!changes.error)
        return changes;
    putBack(before); // as the window shows it already: nothing moved
    Changes failed;
    failed.error = changes.error;
    failed.errorKnown = changes.errorKnown;
    failed.status = changes.status;
    return failed;
}

} // namespace session
