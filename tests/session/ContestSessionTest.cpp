// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/Contact.h"
#include "log/StateRecord.h"
#include "session/ContestSession.h"
#include "tests/support/Fakes.h"
#include "tests/support/FakeSettings.h"
#include "tests/setup/WriteLimits.h"
#include "tests/support/WorkDir.h"

#include <QDir>
#include <QTimeZone>
#include <functional>
#include <optional>
#include <tuple>

using namespace logbook;
using session::Changes;
using session::ContestSession;

// The rules of logging, driven as the window drives them, on real files.
class ContestSessionTest : public WorkDirTest
{
protected:
    FakeSettings settings;
    FakeClock clock;
    std::unique_ptr<ContestSession> contest;

    void SetUp() override
    {
        WorkDirTest::SetUp();
        settings.lines[setup::ContestVariant] = QStringLiteral("Чемпионат РА");
        restart();
    }
    Changes restart()
    {
        contest = std::make_unique<ContestSession>(settings, clock);
        const Changes started = contest->start(QStringLiteral("15"));
        EXPECT_FALSE(started.error);
        return started;
    }
    // Call, Enter, exchange, Enter, as the operator logs.
    Changes log(const QString& call, const QString& received, QTime at = {10, 0})
    {
        return logAt(call, received, QDateTime(QDate(2024, 2, 1), at, QTimeZone(3 * 3600)));
    }
    Changes logAt(const QString& call, const QString& received, const QDateTime& reading)
    {
        clock.time = reading.time();
        contest->scanCalls(call);
        const ContestSession::CallEntry entry = contest->enterCall(call, QString());
        if (!entry.received)
            return {};
        return contest->completeContact(received, reading);
    }
    // A cell of the grid typed over, as the grid's editor hands it on.
    Changes edit(int row, int column, const QString& text)
    {
        const QString before = contest->contacts().cell(row, column);
        contest->contacts().setCell(row, column, text);
        return contest->editRow(row, column, before);
    }
    static StateRecord storedState()
    {
        return StateRecord::decode(readFile(QStringLiteral("cfg.kvl")).constData());
    }
    static Contact stored(int index)
    {
        return Contact::decode(readFile(QStringLiteral("system.kvl")).constData() + index * Contact::Size);
    }
};

TEST_F(ContestSessionTest, ACompletedContactIsOnDiskNumberedAndCounted)
{
    log(QStringLiteral("RA3AA"), QStringLiteral("GA1"), {9, 5, 7});
    contest->selectBand(3); // 20 m: a band change
    const Changes changes = log(QStringLiteral("RA9XX"), QStringLiteral("7"));
    EXPECT_TRUE(changes.currentRow && changes.counters);

    const Contact first = stored(0);
    EXPECT_EQ(QStringList(first.fields.begin(), first.fields.end()),
              (QStringList {"09:05", "160SSB", "", "RA3AA", "15001", "GA1", "1+"}));
    EXPECT_EQ(stored(1).fields[BandChange], QLatin1String("1"));
    EXPECT_EQ(storedState().nextRow, 3);
    EXPECT_EQ(storedState().bandCounters[0], 1);
    EXPECT_EQ(storedState().bandCounters[3], 1);
    EXPECT_EQ(contest->contacts().cell(3, Sent), QLatin1String("15003"));
    EXPECT_EQ(contest->contacts().cell(3, BandMode), QLatin1String("20SSB"));
}

TEST_F(ContestSessionTest, ARepeatIsRefusedUntilANewSubTourIsPending)
{
    log(QStringLiteral("RA3AA"), QStringLiteral("1"));
    EXPECT_FALSE(contest->scanCalls(QStringLiteral("RA3AA")).dupeCall.isEmpty());
    EXPECT_TRUE(contest->enterCall(QStringLiteral("RA3AA"), QString()).refused);

    EXPECT_TRUE(contest->offerSubTour().subTour);
    EXPECT_FALSE(contest->offerSubTour().subTour); // already pending
    const scoring::CallsScanResult pending = contest->scanCalls(QStringLiteral("RA3AA"));
    EXPECT_TRUE(pending.dupeCall.isEmpty() && pending.dupeWarning.isEmpty());
    EXPECT_TRUE(std::none_of(pending.marks.begin(), pending.marks.end(), [](bool marked) { return marked; }));
    const Changes changes = log(QStringLiteral("RA3AA"), QStringLiteral("2"));
    EXPECT_TRUE(changes.subTour);
    EXPECT_FALSE(contest->subTourPending());
    EXPECT_EQ(storedState().subTourStart, 1); // the re-worked contact is the first of the sub-tour
    EXPECT_FALSE(contest->scanCalls(QStringLiteral("RA3AA")).dupeCall.isEmpty());
}

TEST_F(ContestSessionTest, DeleteRestoreAndANewContactAfterADeletion)
{
    log(QStringLiteral("RA3AA"), QStringLiteral("1"));
    log(QStringLiteral("RA3BB"), QStringLiteral("2"));
    const Contact second = stored(1);

    contest->deleteOrRestore();
    EXPECT_TRUE(contest->restorePending());
    EXPECT_EQ(contest->currentRow(), 2);
    EXPECT_EQ(stored(1), Contact {});
    EXPECT_EQ(storedState().nextRow, 2);
    EXPECT_EQ(storedState().bandCounters[0], 1);

    contest->deleteOrRestore();
    EXPECT_FALSE(contest->restorePending());
    EXPECT_EQ(stored(1), second);
    EXPECT_EQ(storedState().nextRow, 3);

    contest->deleteOrRestore();
    log(QStringLiteral("RA3CC"), QStringLiteral("3"));
    EXPECT_FALSE(contest->restorePending()); // the deleted contact is gone for good
    EXPECT_EQ(stored(1).fields[Call], QLatin1String("RA3CC"));
}

// Stamps at +03:00: an edited time moves its stamp to the nearest instant with
// the new hh:mm and dates no later contact; an edited band drops a frequency
// outside it; deletion and restore keep the stamps in step, on disk too.
TEST_F(ContestSessionTest, StampsFollowEditingDeletionAndRestore)
{
    contest->selectBand(3); // 20 m
    contest->setRigFrequency(14025600);
    for (const int minute : {0, 5, 10})
        log(QStringLiteral("RA3A%1").arg(minute), QStringLiteral("1"), {10, minute, 30});
    const auto utcOf = [this](int row) { return contest->logbook().stamp(row)->utc(); };
    const auto utc = [](const char* text) { return QDateTime::fromString(QLatin1String(text), Qt::ISODate); };
    EXPECT_EQ(contest->logbook().stamp(1)->frequencyHz, 14025600);
    const struct
    {
        int row;
        int column;
        const char* text;
        const char* utc;
    } edits[] = {
        {2, Time, "10:20", "2024-02-01T07:20:00Z"},
        {2, Time, "1", "2024-02-01T07:20:00Z"}, // no time: refused, the cell as it was
        {1, Time, "23:59", "2024-01-31T20:59:59Z"}, // ten hours back is nearer than fourteen on
        {1, BandMode, "40SSB", "2024-01-31T20:59:59Z"},
    };
    for (const auto& e : edits) {
        const bool noTime = e.column == Time && !parseContactTime(QString::fromLatin1(e.text));
        EXPECT_EQ(edit(e.row, e.column, QString::fromLatin1(e.text)).warning.has_value(), noTime) << e.text;
        EXPECT_EQ(utcOf(e.row), utc(e.utc)) << e.text;
        EXPECT_TRUE(parseContactTime(contest->contacts().cell(e.row, Time))) << e.text;
    }
    EXPECT_EQ(contest->logbook().stamp(1)->frequencyHz, 0);
    EXPECT_EQ(utcOf(3), utc("2024-02-01T07:10:30Z"));
    const ContactStamp third = *contest->logbook().stamp(3);
    contest->deleteOrRestore();
    restart();
    EXPECT_FALSE(contest->logbook().stamp(3));
    log(QStringLiteral("RA3AD"), QStringLiteral("1"), {10, 12});
    contest->deleteOrRestore();
    contest->deleteOrRestore();
    restart();
    EXPECT_EQ(utcOf(1), utc("2024-01-31T20:59:59Z"));
    EXPECT_EQ(utcOf(3), utc("2024-02-01T07:12:00Z"));
    EXPECT_FALSE(*contest->logbook().stamp(3) == third);
}

TEST_F(ContestSessionTest, AFailedWriteLeavesTheRowToBeEnteredAgain)
{
    ASSERT_TRUE(QFile::remove(QStringLiteral("system.kvl")));
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("system.kvl")));
    const Changes failed = log(QStringLiteral("RA3AA"), QStringLiteral("1"));
    ASSERT_TRUE(failed.error);
    EXPECT_TRUE(failed.error->contains(QStringLiteral("system.kvl")));
    EXPECT_FALSE(failed.currentRow);
    EXPECT_EQ(contest->currentRow(), 1);
    EXPECT_EQ(storedState().nextRow, 1);
}

// A file deleted or moved away while the contest runs is made again from
// memory at the next contact, whole: the restart reads back every contact,
// the state and the stamps.
TEST_F(ContestSessionTest, AFileGoneWhileRunningIsMadeAgainWhole)
{
    for (const char* name : {"system.kvl", "cfg.kvl", "system.kvx"}) {
        for (const bool moved : {false, true}) {
            SCOPED_TRACE(std::string(name) + (moved ? " moved" : " deleted"));
            const QString file = QLatin1String(name);
            log(QStringLiteral("RA3AA"), QStringLiteral("1"));
            ASSERT_TRUE(moved ? QFile::rename(file, QStringLiteral("away")) : QFile::remove(file));
            const Changes second = log(QStringLiteral("RA3BB"), QStringLiteral("2"));
            EXPECT_FALSE(second.error);
            EXPECT_TRUE(second.status.value_or(QString()).contains(file));
            EXPECT_FALSE(log(QStringLiteral("RA3CC"), QStringLiteral("3")).status); // said once
            restart();
            EXPECT_EQ(contest->currentRow(), 4);
            for (int row = 1; row <= 3; ++row)
                EXPECT_TRUE(contest->contacts().contact(row).isContact() && contest->logbook().stamp(row)) << row;
            contest->clearLog();
            QFile::remove(QStringLiteral("away"));
            restart();
        }
    }
}

// The entry phase goes with the keys: Enter takes a call, Esc steps back,
// a logged contact or a refused call goes back to the call.
TEST_F(ContestSessionTest, TheEntryPhaseFollowsEnterAndEsc)
{
    using session::EntryEscape;
    using session::EntryPhase;
    EXPECT_EQ(ContestSession(settings, clock).entryPhase(), EntryPhase::Closed); // no band before the start
    const QDateTime reading(QDate(2024, 2, 1), QTime(10, 0), QTimeZone(3 * 3600));
    const std::pair<std::function<void()>, EntryPhase> steps[] = {
        {[] {}, EntryPhase::Call},
        {[&] { contest->enterCall(QStringLiteral("RA3AA"), QString()); }, EntryPhase::Received},
        {[&] { EXPECT_EQ(contest->escape(true, false), EntryEscape::ClearReceived); }, EntryPhase::Received},
        {[&] { EXPECT_EQ(contest->escape(true, true), EntryEscape::BackToCall); }, EntryPhase::Call},
        {[&] { EXPECT_EQ(contest->escape(false, true), EntryEscape::ClearCall); }, EntryPhase::Call},
        {[&] { contest->enterCall(QStringLiteral("RA3AA"), QString()); }, EntryPhase::Received},
        {[&] { contest->completeContact(QStringLiteral("1"), reading); }, EntryPhase::Call},
        {[&] { contest->scanCalls(QStringLiteral("RA3AA")); contest->enterCall(QStringLiteral("RA3AA"), QString()); }, EntryPhase::Call},
        {[&] { contest->enterCall(QStringLiteral("123"), QString()); }, EntryPhase::Call},
    };
    for (size_t i = 0; i < std::size(steps); ++i) {
        steps[i].first();
        EXPECT_EQ(contest->entryPhase(), steps[i].second) << "step " << i;
    }
}

TEST_F(ContestSessionTest, TheModeFollowsIntoTheRowAndTheStateAndSurvivesARestart)
{
    contest->selectBand(2);
    EXPECT_FALSE(contest->selectBand(2).band); // the selected band: nothing
    EXPECT_FALSE(contest->selectMode(Mode::SSB).mode); // the rig's mode, already the mode
    EXPECT_TRUE(contest->selectMode(Mode::CW).mode);
    EXPECT_EQ(contest->contacts().cell(1, BandMode), QLatin1String("40CW"));
    EXPECT_EQ(storedState().bandMode, QLatin1String("40CW"));
    restart();
    EXPECT_EQ(contest->selectedBand(), 2);
    EXPECT_EQ(contest->mode(), Mode::CW);
    EXPECT_FALSE(contest->bandChanged());
}

// Each call is logged on 20 SSB and typed where it is new; each way in (band
// panel, check box or rig; Alt+B; Alt+V; Alt+M or the rig's mode) then brings
// the entry to 20 SSB, in the call field or in the received field.
TEST_F(ContestSessionTest, EveryBandOrModeChangeRescansAndEnterRefusesTheRepeat)
{
    const std::tuple<int, bool, std::function<Changes()>> cases[] = {
        {2, false, [&] { return contest->selectBand(3); }}, {2, false, [&] { return contest->bandUp(); }},
        {4, false, [&] { return contest->bandDown(); }}, {3, true, [&] { return contest->toggleMode(); }}};
    const auto goTo = [&](int band, bool cw) {
        contest->selectBand(band);
        if (cw != (contest->mode() == Mode::CW))
            contest->toggleMode();
    };
    int n = 0;
    for (const auto& [fromBand, fromCw, change] : cases) {
        for (const bool received : {false, true}) {
            const QString call = QStringLiteral("RV%1ZZ").arg(++n);
            goTo(3, false);
            log(call, QStringLiteral("GA1"));
            goTo(fromBand, fromCw);
            EXPECT_TRUE(contest->scanCalls(call).dupeCall.isEmpty()) << n;
            ASSERT_TRUE(!received || contest->enterCall(call, QString()).received);
            EXPECT_TRUE(change().scan);
            EXPECT_EQ(contest->lastScan().dupeCall, call) << n;
            const int row = contest->currentRow();
            if (!received) {
                EXPECT_TRUE(contest->enterCall(call, QString()).refused);
                EXPECT_TRUE(log(QStringLiteral("UA%1AA").arg(n), QStringLiteral("1")).currentRow); // a new station
                continue;
            }
            EXPECT_TRUE(contest->completeContact(QStringLiteral("GA2"), QDateTime(QDate(2024, 2, 1), QTime(10, 1))).refused);
            EXPECT_EQ(storedState().nextRow, row);
            goTo(fromBand, fromCw); // back where the call is new: the next Enter logs it
            EXPECT_FALSE(contest->completeContact(QStringLiteral("GA2"), QDateTime(QDate(2024, 2, 1), QTime(10, 1))).refused);
            EXPECT_EQ(stored(row - 1).fields[Call] + stored(row - 1).fields[BandMode], call + contest->state().bandMode);
        }
    }
}

// An edited exchange is scored again, an edited band moves the contact
// between the band counters; both on disk at once.
TEST_F(ContestSessionTest, AnEditedRowIsRescoredAndRecounted)
{
    log(QStringLiteral("RA3AA"), QStringLiteral("SP044"));
    edit(1, Received, QStringLiteral("GA044"));
    EXPECT_EQ(stored(0).fields[Points], QLatin1String("1+"));
    edit(1, BandMode, QStringLiteral("20SS")); // on no band while it is typed
    edit(1, BandMode, QStringLiteral("20SSB"));
    EXPECT_EQ(storedState().bandCounters[0], 0);
    EXPECT_EQ(storedState().bandCounters[3], 1);
}

// The state write is the commit point: a record cut short by a size limit
// (as on a full disk), or a state that cannot be written after its record
// was, leaves the files and the memory as before the Enter; the same Enter
// succeeds once the fault is gone.
TEST_F(ContestSessionTest, AFailedContactChangesNothingAndTheNextEnterLogsIt)
{
    for (const bool stateBlocked : {false, true}) {
        SCOPED_TRACE(stateBlocked ? "a folder in the state's place, a restore pending" : "a record cut short");
        QFile::remove(QStringLiteral("system.kvl"));
        QFile::remove(QStringLiteral("cfg.kvl"));
        restart();
        log(QStringLiteral("RA3AA"), QStringLiteral("1"));
        log(QStringLiteral("RA3BB"), QStringLiteral("2"));
        contest->selectBand(1); // a band change, numbered by the next contact
        if (stateBlocked)
            contest->deleteOrRestore();
        const QByteArray logBefore = readFile(QStringLiteral("system.kvl"));
        const QByteArray stampsBefore = readFile(QStringLiteral("system.kvx"));
        const QByteArray stateFile = readFile(QStringLiteral("cfg.kvl"));
        const StateRecord stateBefore = contest->state();
        const int row = contest->currentRow();
        {
            std::optional<FileSizeLimit> limit;
            if (stateBlocked)
                ASSERT_TRUE(QFile::remove(QStringLiteral("cfg.kvl")) && QDir().mkdir(QStringLiteral("cfg.kvl")));
            else
                limit.emplace(2 * 59 + 30);
            contest->scanCalls(QStringLiteral("RA3CC"));
            contest->enterCall(QStringLiteral("RA3CC"), QString());
            for (const bool known : {false, true}) { // a box for the first failure only
                const Changes failed = contest->completeContact(QStringLiteral("3"), QDateTime(QDate(2024, 2, 1), QTime(10, 5)));
                ASSERT_TRUE(failed.error);
                EXPECT_TRUE(failed.error->contains(stateBlocked ? "cfg.kvl" : "File too large")) << failed.error->toStdString();
                EXPECT_EQ(failed.errorKnown, known);
            }
        }
        EXPECT_TRUE(contest->logNotSaved());
        EXPECT_EQ(readFile(QStringLiteral("system.kvl")), logBefore);
        EXPECT_EQ(readFile(QStringLiteral("system.kvx")), stampsBefore);
        EXPECT_FALSE(contest->logbook().stamp(row));
        EXPECT_EQ(contest->state(), stateBefore);
        EXPECT_EQ(contest->currentRow(), row);
        EXPECT_EQ(contest->restorePending(), stateBlocked);
        if (stateBlocked) {
            QDir().rmdir(QStringLiteral("cfg.kvl"));
            writeFile(QStringLiteral("cfg.kvl"), stateFile);
        }
        ASSERT_FALSE(contest->completeContact(QStringLiteral("3"), QDateTime(QDate(2024, 2, 1), QTime(10, 5))).error);
        EXPECT_FALSE(contest->logNotSaved());
        EXPECT_EQ(stored(row - 1).fields[Call], QLatin1String("RA3CC"));
        EXPECT_EQ(stored(row - 1).fields[BandChange], QLatin1String("1"));
        EXPECT_EQ(storedState().nextRow, row + 1);
        EXPECT_EQ(storedState().bandCounters[1], stateBefore.bandCounters[1] + 1);
    }
}

// Typed at speed, as the window hands it on: a repeat and a text without a
// letter are refused and empty the field; a call without a digit is taken at
// the second Enter.
TEST_F(ContestSessionTest, TypedAheadOnlyCallsAreTakenAndNothingElseIsLogged)
{
    log(QStringLiteral("UA1AA"), QStringLiteral("001"));
    QString call;
    std::optional<QString> received;
    QStringList warnings;
    for (const QString& key : QStringLiteral("UA1AA ⏎ 003 ⏎ UA2BB ⏎ 004 ⏎ 123 ⏎ RAEM ⏎ ⏎ 5 ⏎").split(u' ')) {
        if (key != QStringLiteral("⏎")) {
            received ? void(received->append(key)) : void(contest->scanCalls(call = key));
        } else if (received) {
            contest->completeContact(*std::exchange(received, std::nullopt), QDateTime(QDate(2024, 2, 1), QTime(10, 1)));
        } else {
            const ContestSession::CallEntry entry = contest->enterCall(call, QString());
            warnings << entry.warning;
            received = entry.received;
        }
    }
    EXPECT_EQ(contest->currentRow(), 4);
    EXPECT_EQ(stored(1).fields[Call] + stored(1).fields[Received] + stored(2).fields[Call], QStringLiteral("UA2BB004RAEM"));
    EXPECT_EQ(warnings.join(u'|').count(QStringLiteral("не позывной")), 2);
    EXPECT_TRUE(warnings[4].contains(QStringLiteral("RAEM")) && warnings[5].isEmpty());
    settings.lines[setup::ContestVariant].clear();
    EXPECT_EQ(contest->enterCall(QStringLiteral("UA3CC"), QString()).warning, QStringLiteral("Выберите вид соревнований"));
}

// The edit stands; the contact it made a repeat counts no points and on no
// band for as long as it is one: through edits, a deletion and a restart.
TEST_F(ContestSessionTest, AGridEditIntoARepeatIsMarkedAndTheMarkFollows)
{
    contest->selectBand(1);
    log(QStringLiteral("RK1TKH"), QStringLiteral("GA1"));
    log(QStringLiteral("RT4AS"), QStringLiteral("GA2"));
    const auto expectCounted = [&](bool repeat, int counted, const char* when) {
        EXPECT_EQ(contest->contacts().cell(2, Points), repeat ? QStringLiteral("0") : QStringLiteral("1+")) << when;
        EXPECT_EQ(storedState().bandCounters[1], counted) << when;
        const session::StatusFigures figures = contest->status(QDateTime(QDate(2024, 2, 1), QTime(10, 5)));
        EXPECT_EQ(figures.contacts + figures.subTourContacts, 2 * counted) << when;
    };
    edit(2, Call, QStringLiteral("RK1TKH"));
    EXPECT_TRUE(contest->contacts().isRepeat(2) && stored(1).fields[Call] == QStringLiteral("RK1TKH"));
    expectCounted(true, 1, "edited into a repeat");
    edit(2, BandMode, QStringLiteral("80CW"));
    expectCounted(false, 2, "moved to another mode");
    edit(2, BandMode, QStringLiteral("80SSB"));
    contest->deleteOrRestore();
    EXPECT_EQ(storedState().bandCounters[1], 1);
    contest->deleteOrRestore();
    expectCounted(true, 1, "restored");
    restart();
    expectCounted(true, 1, "after a restart");
    edit(1, Call, QStringLiteral("UA1AA"));
    expectCounted(false, 2, "the first contact edited away");
}

// A base file's entry first, else the earlier exchange without its serial
// (from 1000 on, as the Asia points read it).
TEST_F(ContestSessionTest, ThePreFillNeverCarriesAnOldSerial)
{
    settings.lines[setup::ContestVariant] = QStringLiteral("Чемпионат Азиатской части РФ");
    for (const auto& [base, preFilled] : {std::pair("", "4311"), {"UA9AAA=15;", "15"}}) {
        QFile::remove(QStringLiteral("system.kvl")), QFile::remove(QStringLiteral("cfg.kvl"));
        writeFile(QStringLiteral("Asia.kvl"), base);
        restart();
        contest->loadAsiaBase();
        log(QStringLiteral("UA9AAA"), QStringLiteral("4311001"));
        contest->selectBand(2); // where the station is new
        contest->scanCalls(QStringLiteral("UA9AAA"));
        EXPECT_EQ(contest->enterCall(QStringLiteral("UA9AAA"), QString()).received, QLatin1String(preFilled));
    }
}

// A state lost, emptied or cut short goes on with the band and mode of the
// last contact, and says so.
TEST_F(ContestSessionTest, ALostStateSelectsTheLastContactsBandAndMode)
{
    contest->selectBand(2);
    contest->toggleMode();
    log(QStringLiteral("RA3AA"), QStringLiteral("1"));
    contest->selectBand(4);
    for (const QByteArray& state : {QByteArray("missing"), QByteArray(), QByteArray(StateRecord::Size, '\xff')}) {
        QFile::remove(QStringLiteral("cfg.kvl"));
        if (state != "missing")
            writeFile(QStringLiteral("cfg.kvl"), state);
        const Changes started = restart();
        EXPECT_TRUE(contest->selectedBand() == 2 && contest->mode() == Mode::CW) << state.toHex().toStdString();
        EXPECT_TRUE(started.mode && started.band && started.notice && started.notice->contains(QStringLiteral("40CW")));
    }
}

// Local clock readings, as the sub-tour times are the clock's.
TEST_F(ContestSessionTest, ADueSubTourOutlivesAnEditAndARestart)
{
    settings.lines[setup::SubTourTimes] = QStringLiteral("10:00 12:00");
    const auto at = [](int h, int m) { return QDateTime(QDate(2024, 2, 1), QTime(h, m)); };
    logAt(QStringLiteral("RA3AA"), QStringLiteral("GA1"), at(9, 58));
    EXPECT_FALSE(contest->clockReading(at(9, 59)).subTour);
    ASSERT_TRUE(contest->clockReading(at(10, 1)).subTour); // offered at once
    edit(1, Received, QStringLiteral("GA5")); // the log is written after the sub-tour's time
    restart();
    EXPECT_TRUE(logAt(QStringLiteral("RA3AA"), QStringLiteral("GA2"), at(10, 6)).currentRow); // no repeat: a new sub-tour
    EXPECT_EQ(contest->status(at(10, 7)).subTour, 2);
    restart();
    EXPECT_FALSE(contest->subTourPending() || contest->subTourDue(at(10, 8))); // begun already
    EXPECT_TRUE(contest->subTourDue(at(12, 30))); // passed while the program was closed
    writeFile(QStringLiteral("cfg.kvx"), "garbage");
    const Changes started = restart();
    EXPECT_TRUE(started.notice && started.notice->contains(QStringLiteral("cfg.kvx")));
}
