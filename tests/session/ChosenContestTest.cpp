// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/ContestSession.h"
#include "tests/support/FakeSettings.h"
#include "tests/support/Fakes.h"
#include "tests/support/WorkDir.h"

#include <QDir>

using logbook::Mode;
using session::ContestSession;

// A contest of the working folder's contests/, logged on the clock of
// Moscow (UTC+3). Чемпионат ЦФО: SSB 16:00-17:59 UTC, CW 18:00-19:59 UTC.
class ChosenContestTest : public WorkDirTest
{
protected:
    const QByteArray cfo = "name = Чемпионат ЦФО\ncabrillo = CFO\nbands = 80 40\nmodes = SSB CW\n"
                           "subtours = 16:00 18:00\nsubtour-modes = SSB CW\npoints = 2\n";
    FakeSettings settings;
    FakeClock clock;
    std::unique_ptr<ContestSession> session;

    void SetUp() override
    {
        WorkDirTest::SetUp();
        QDir().mkdir(QStringLiteral("contests"));
        writeFile(QStringLiteral("contests/cfo.contest"), cfo);
        settings.lines[setup::ContestVariant] = QStringLiteral("Чемпионат ЦФО");
        clock.utcOffset = 3 * 3600;
        session = std::make_unique<ContestSession>(settings, clock);
        session->start(QStringLiteral("15"));
    }
    // What refused the contact, or none where it was logged; a call new at each row unless given.
    std::optional<QString> log(int band, Mode mode, QTime utc, QString call = {})
    {
        session->selectBand(band);
        if (session->mode() != mode)
            session->toggleMode();
        clock.time = utc.addSecs(3 * 3600);
        const int row = session->currentRow();
        if (call.isEmpty())
            call = QStringLiteral("UA%1AA").arg(row);
        const ContestSession::CallEntry entry = session->enterCall(call, QString());
        if (!entry.received)
            return entry.warning;
        session->completeContact(QStringLiteral("599"), clock.current());
        EXPECT_EQ(session->currentRow(), row + 1);
        return std::nullopt;
    }
};

TEST_F(ChosenContestTest, ItsBandsModesAndTheModeOfEachSubTourAreKeptWithTheReason)
{
    // Band, mode, UTC, and the start of the reason it is refused for (none: logged).
    const std::tuple<int, Mode, QTime, const char*> contacts[] = {
        {0, Mode::SSB, {16, 30}, "В «Чемпионат ЦФО» нет диапазона 160 м"},
        {1, Mode::CW, {16, 30}, "Подтур 1 (с 16:00 UTC) — только SSB"},
        {1, Mode::SSB, {16, 30}, nullptr},
        {2, Mode::SSB, {18, 30}, "Подтур 2 (с 18:00 UTC) — только CW"},
        {2, Mode::CW, {18, 30}, nullptr},
        {1, Mode::SSB, {20, 0}, nullptr}, // after the schedule nothing is tied
    };
    for (const auto& [band, mode, utc, reason] : contacts)
        EXPECT_EQ(log(band, mode, utc).value_or(QString()).left(30), QString::fromUtf8(reason ? reason : "").left(30));
    EXPECT_EQ(session->contacts().cell(1, logbook::Points), QStringLiteral("2"));
    // The schedule's starts are offered on the local clock.
    EXPECT_EQ(session->subTourTimes(clock.current()), (std::vector<QTime> {{19, 0}, {21, 0}}));
}

// A description that breaks while it is chosen keeps serving as it last read
// well until the next start; what broke is named.
TEST_F(ChosenContestTest, ABrokenFileKeepsTheLastGoodReading)
{
    writeFile(QStringLiteral("contests/cfo.contest"), QByteArray(cfo).replace("bands = 80 40", "bands = 80 30"));
    session->reloadContests();
    EXPECT_TRUE(session->contestNames().contains(QStringLiteral("Чемпионат ЦФО")));
    ASSERT_EQ(session->catalogue().errors.size(), 1);
    EXPECT_TRUE(session->catalogue().errors[0].contains(QStringLiteral("cfo.contest: строка 3: диапазон «30»")));
    EXPECT_FALSE(log(1, Mode::SSB, {16, 30}));
    session = std::make_unique<ContestSession>(settings, clock);
    session->start(QStringLiteral("15"));
    EXPECT_FALSE(session->contest());
}

// A contest chosen that counts a station once per band marks the contacts
// already logged by its rule at the next activation: off their counters.
TEST_F(ChosenContestTest, ANewlyChosenRuleMarksTheLoggedRepeats)
{
    writeFile(QStringLiteral("contests/band.contest"), "name = Раз на диапазоне\ncabrillo = BAND\nbands = 80\n"
                                                       "modes = SSB CW\nrepeat = band\n");
    settings.lines[setup::ContestVariant] = QStringLiteral("Others");
    session->reloadContests();
    log(1, Mode::SSB, {6, 0}, QStringLiteral("UA3AA"));
    log(1, Mode::CW, {6, 0}, QStringLiteral("UA3AA"));
    settings.lines[setup::ContestVariant] = QStringLiteral("Раз на диапазоне");
    EXPECT_TRUE(session->rescore().counters);
    EXPECT_TRUE(session->contacts().isRepeat(2) && !session->contacts().isRepeat(1));
    EXPECT_EQ(session->state().bandCounters[1], 1);
}

// The received exchange is kept as its fields take it; the next contact with
// the station opens with what stays of it, the caret where the serial goes.
TEST_F(ChosenContestTest, TheReceivedExchangeIsKeptCheckedAndOpensWithWhatStays)
{
    writeFile(QStringLiteral("contests/cfo.contest"), QByteArray(cfo) + "exchange = rst serial locator4\n");
    session->reloadContests();
    session->selectBand(1);
    clock.time = QTime(19, 30);
    ContestSession::CallEntry entry = session->enterCall(QStringLiteral("UA3AA"), QString());
    EXPECT_EQ(entry.received, QStringLiteral("59 "));
    EXPECT_EQ(entry.receivedLimit, 3 + 4 + 4 + 3 * 2);
    EXPECT_TRUE(session->completeContact(QStringLiteral("59001 ko7"), clock.current()).refused);
    EXPECT_TRUE(session->completeContact(QStringLiteral("59001 ko73"), clock.current()).contactLogged);
    EXPECT_EQ(session->contacts().cell(1, logbook::Received), QStringLiteral("59 001 KO73"));
    session->selectBand(2);
    entry = session->enterCall(QStringLiteral("UA3AA"), QString());
    EXPECT_EQ(entry.received, QStringLiteral("59  KO73"));
    EXPECT_EQ(entry.caret, 3);
}
