#include "session/ContestSession.h"

#include "common/Clock.h"
#include "common/FileNames.h"
#include "common/KvlError.h"
#include "log/SubTourTimes.h"
#include "scoring/Points.h"
#include "scoring/Report.h"
#include "setup/StationSettings.h"

#include <utility>

using namespace logbook;

namespace session {

ContestSession::ContestSession(const StationSettings& settings)
    : m_settings(settings), m_log(m_grid)
{
}

const scoring::ContestRules* ContestSession::rules() const
{
    return scoring::contestRules(m_settings.contestVariant());
}

QVector<QsoRecord> ContestSession::loggedRows() const
{
    return scoring::loggedRows(m_grid, currentRow());
}

// ---- Start-up ----

Changes ContestSession::start(const QString& coordinates)
{
    Changes started = run([&](Changes& changes) {
        m_coordinates = coordinates.left(setup::kCoordinatesLength);
        const bool stateFound = m_log.readState();
        changes.callsLine = changes.currentRow = true;
        // A fresh state shows no counters until the first contact.
        changes.counters = changes.mode = stateFound;
        if (stateFound) {
            m_mode = Mode::SSB;
            if (const auto restored = parseBandModeWord(m_log.state().bandMode)) {
                m_mode = restored->mode;
                selectBandSteps(restored->band, changes);
            }
            m_bandChanged = false;
        } else {
            selectBandSteps(0, changes);
        }
        changes.notice = m_log.readLog();
        restoreSubTourStarts(changes.notice.has_value());
        if (changes.notice) {
            changes.counters = true; // counted anew from the log
            prefillCurrentRow();
            m_log.writeCfgFile(); // so that the next start trusts the state again
        }
        const QString logName = existingFileName(m_log.logFile().name());
        m_subTourClock.resume(currentRow() > 1 ? std::optional(FileStamp::of(logName).modified) : std::nullopt);
    });
    tellWriteFault(started);
    return started;
}

void ContestSession::setCoordinates(const QString& coordinates)
{
    m_coordinates = coordinates.left(setup::kCoordinatesLength);
    m_grid.setCell(currentRow(), Sent, sentExchange(m_coordinates, currentRow()));
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

Changes ContestSession::toggleMode()
{
    return run([&](Changes& changes) {
        m_mode = m_mode == Mode::SSB ? Mode::CW : Mode::SSB;
        changes.mode = true;
        if (m_selectedBand >= 0)
            m_log.state().bandMode = bandModeWord(m_selectedBand, m_mode);
        m_grid.setCell(currentRow(), BandMode, m_log.state().bandMode);
        m_log.writeCfgFile();
        rescanTyped(changes);
    });
}

void ContestSession::prefillCurrentRow()
{
    const int row = currentRow();
    m_grid.setCell(row, Sent, sentExchange(m_coordinates, row));
    m_grid.setCell(row, BandMode, m_log.state().bandMode);
}

// ---- Entry ----

// The three variants differ only in the base lookup.
ContestSession::CallEntry ContestSession::enterCall(const QString& call, const QString& received)
{
    const scoring::ContestRules* contest = rules();
    CallEntry entry;
    if (!contest)
        return entry;
    if (!m_scan.dupeCall.isEmpty()) {
        entry.refused = true;
        m_typed.clear(); // the fields are emptied
        return entry;
    }
    if (call.isEmpty())
        return entry;
    QString text = received;
    if (text.isEmpty()) {
        text = m_scan.rememberedExchange;
        if (text.isEmpty() && contest->baseLookup)
            text = contest->baseLookup(call, m_base).value_or(QString());
    }
    m_grid.setCell(currentRow(), Call, call);
    entry.received = text;
    return entry;
}

// The state write is the commit point: should the row, the state or their
// sync fail, the files and the memory are as before the Enter, so the same
// contact can be entered again.
Changes ContestSession::completeContact(const QString& received, const QDateTime& reading)
{
    return runAsOne([&](Changes& changes) {
        if (repeatOnCurrentRow(changes))
            return;
        const int row = currentRow();
        changes.restore = m_restore.has_value();
        m_restore.reset(); // a new contact: the deleted one can no longer come back
        m_grid.setCell(row, Received, received);
        m_grid.setCell(row, Time, contactTime(reading.time()));
        m_grid.setCell(row + 1, BandMode, m_log.state().bandMode);
        m_grid.setCell(row + 1, Sent, sentExchange(m_coordinates, row + 1));
        changeSelectedCounter(+1);
        changes.counters = true;
        numberBandChange(row);
        // Points that cannot be worked out never stop a contact from being
        // logged: the operator reads why once it is on disk.
        const scoring::ContactScore score =
            scoring::scoreCompletedContact(rules(), m_grid.cell(row, Sent), received, m_grid.cell(row, Points));
        m_grid.setCell(row, Points, score.cell);
        changes.notice = score.error;
        m_log.writeStamp(row, newStamp(row, reading));
        m_log.writeLogFile();
        if (m_subTourPending) {
            applySubTourSteps();
            changes.subTour = true;
        }
        m_log.setCurrentRow(row + 1);
        changes.currentRow = true;
        m_log.writeCfgFile();
        m_typed.clear(); // logged: the fields are emptied
    });
}

// A contact on another band than the row above, after a band selection,
// counts one band change; the count reached is shown once it is positive.
void ContestSession::numberBandChange(int row)
{
    StateRecord& state = m_log.state();
    if (m_grid.cell(row - 1, BandMode) != m_grid.cell(row, BandMode) && m_bandChanged) {
        ++state.bandChangeCount;
        m_bandChanged = false;
    }
    if (state.bandChangeCount > 0)
        m_grid.setCell(row, BandChange, QString::number(state.bandChangeCount));
}

// A logged contact is re-scored before its row is written, and its state
// after it, so that the points, the counters and the status line follow the
// edit at once.
Changes ContestSession::editRow(int row, int column, const QString& before)
{
    return run([&](Changes& changes) {
        const bool logged = row >= 1 && row < currentRow();
        if (logged && (column == Sent || column == Received)) {
            // While the exchange is being typed it may not score yet: the
            // cell stays empty until it does, with no box at every key.
            m_grid.setCell(row, Points,
                           scoring::scoreCompletedContact(rules(), m_grid.cell(row, Sent), m_grid.cell(row, Received),
                                                          m_grid.cell(row, Points))
                               .cell);
        }
        const std::optional<ContactStamp> edited = editedStamp(row);
        if (logged && !(edited == m_log.stamp(row)))
            m_log.writeStamp(row, edited);
        m_log.writeRow(row);
        if (logged && column == BandMode)
            moveEditedBand(row, before, changes);
    });
}

// Only a whole band-mode word names a band: while it is being typed the
// contact counts on no band.
void ContestSession::moveEditedBand(int row, const QString& before, Changes& changes)
{
    const std::optional<BandAndMode> was = parseBandModeWord(before);
    const std::optional<BandAndMode> now = parseBandModeWord(m_grid.cell(row, BandMode));
    if ((was ? was->band : -1) == (now ? now->band : -1))
        return;
    if (was)
        --m_log.state().bandCounters[size_t(was->band)];
    if (now)
        ++m_log.state().bandCounters[size_t(now->band)];
    changes.counters = true;
    m_log.writeCfgFile();
}

// Counted on the band selected now, which need not be the contact's own.
void ContestSession::changeSelectedCounter(int delta)
{
    if (m_selectedBand >= 0)
        m_log.state().bandCounters[size_t(m_selectedBand)] += delta;
}

// ---- Scoring and base files ----

void ContestSession::rescore()
{
    scoring::rescoreGrid(m_grid, currentRow(), rules());
}

Changes ContestSession::loadAsiaBase()
{
    return run([&](Changes&) { m_base.loadAsiaBase(); });
}

Changes ContestSession::loadRaBase()
{
    return run([&](Changes&) { m_base.loadRaBase(m_settings.contestVariant()); });
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
