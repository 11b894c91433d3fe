#include "session/ContestSession.h"
#include "tests/support/FakeSettings.h"
#include "tests/support/Fakes.h"
#include "tests/support/WorkDir.h"

#include <QDir>

using session::ContestSession;

namespace {

const QByteArray kCfo = "# Чемпионат ЦФО: SSB 16:00-17:59 UTC, CW 18:00-19:59 UTC\n"
                        "name = Чемпионат ЦФО\n"
                        "cabrillo = CFO\n"
                        "bands = 80 40\n"
                        "modes = SSB CW\n"
                        "subtours = 16:00 18:00\n"
                        "subtour-modes = SSB CW\n"
                        "points = 2\n";

} // namespace

// A contest of the working folder's contests/, logged on the clock of
// Moscow (UTC+3).
class ChosenContestTest : public WorkDirTest
{
protected:
    FakeSettings settings;
    FakeClock clock;
    std::unique_ptr<ContestSession> session;

    void SetUp() override
    {
        WorkDirTest::SetUp();
        QDir().mkdir(QStringLiteral("contests"));
        writeFile(QStringLiteral("contests/cfo.contest"), kCfo);
        settings.lines[setup::ContestVariant] = QStringLiteral("Чемпионат ЦФО");
        clock.utcOffset = 3 * 3600;
        session = std::make_unique<ContestSession>(settings, clock);
        session->start(QStringLiteral("15"));
    }
    // What refused the contact, or none where it was logged.
    std::optional<QString> log(int band, logbook::Mode mode, QTime utc)
    {
        session->selectBand(band);
        if (session->mode() != mode)
            session->toggleMode();
        clock.time = utc.addSecs(3 * 3600);
        const int row = session->currentRow();
        const ContestSession::CallEntry entry = session->enterCall(QStringLiteral("UA%1AA").arg(row), QString());
        if (!entry.received)
            return entry.warning;
        session->completeContact(QStringLiteral("59001KO85"), clock.current());
        EXPECT_EQ(session->currentRow(), row + 1);
        EXPECT_EQ(session->contacts().cell(row, logbook::Points), QStringLiteral("2"));
        return std::nullopt;
    }
};

TEST_F(ChosenContestTest, ItsBandsModesAndTheModeOfEachSubTourAreKeptWithTheReason)
{
    using logbook::Mode;
    const struct
    {
        int band;
        Mode mode;
        QTime utc;
        const char* refusal; // the start of the reason; none: logged
    } contacts[] = {
        {0, Mode::SSB, {16, 30}, "В «Чемпионат ЦФО» нет диапазона 160 м"},
        {1, Mode::CW, {16, 30}, "Подтур 1 (с 16:00 UTC) — только SSB"},
        {1, Mode::SSB, {16, 30}, nullptr},
        {2, Mode::SSB, {18, 30}, "Подтур 2 (с 18:00 UTC) — только CW"},
        {2, Mode::CW, {18, 30}, nullptr},
        {1, Mode::SSB, {20, 0}, nullptr}, // after the schedule nothing is tied
    };
    for (const auto& c : contacts) {
        const std::optional<QString> refusal = log(c.band, c.mode, c.utc);
        EXPECT_EQ(refusal.has_value(), c.refusal != nullptr) << c.utc.toString().toStdString();
        if (refusal && c.refusal) {
            EXPECT_TRUE(refusal->startsWith(QString::fromUtf8(c.refusal))) << refusal->toStdString();
        }
    }
    // The schedule's starts are offered on the local clock.
    EXPECT_EQ(session->subTourTimes(clock.current()), (std::vector<QTime> {{19, 0}, {21, 0}}));
}

// A description that breaks while it is chosen keeps serving as it last read
// well until the next start; what broke is named.
TEST_F(ChosenContestTest, ABrokenFileKeepsTheLastGoodReading)
{
    writeFile(QStringLiteral("contests/cfo.contest"), QByteArray(kCfo).replace("bands = 80 40", "bands = 80 30"));
    session->reloadContests();
    ASSERT_TRUE(session->contest());
    EXPECT_EQ(session->contest()->fixedPoints, 2);
    EXPECT_TRUE(session->contestNames().contains(QStringLiteral("Чемпионат ЦФО")));
    ASSERT_EQ(session->catalogue().errors.size(), 1);
    EXPECT_TRUE(session->catalogue().errors[0].contains(QStringLiteral("cfo.contest: строка 4: диапазон «30»")));
    EXPECT_FALSE(log(1, logbook::Mode::SSB, {16, 30}));

    session = std::make_unique<ContestSession>(settings, clock);
    session->start(QStringLiteral("15"));
    EXPECT_FALSE(session->contest());
}

// Choosing a contest that counts a station once per band marks the contacts
// already logged by its rule at the next activation: off their counters.
TEST_F(ChosenContestTest, ANewlyChosenRuleMarksTheLoggedRepeats)
{
    writeFile(QStringLiteral("contests/band.contest"),
              "name = Раз на диапазоне\ncabrillo = BAND\nbands = 80\nmodes = SSB CW\nrepeat = band\n");
    settings.lines[setup::ContestVariant] = QStringLiteral("Others");
    session->reloadContests();
    for (const logbook::Mode mode : {logbook::Mode::SSB, logbook::Mode::CW}) {
        session->selectBand(1);
        if (session->mode() != mode)
            session->toggleMode();
        session->enterCall(QStringLiteral("UA3AA"), QString());
        session->completeContact(QStringLiteral("599"), clock.current());
    }
    EXPECT_EQ(session->state().bandCounters[1], 2);
    settings.lines[setup::ContestVariant] = QStringLiteral("Раз на диапазоне");
    EXPECT_TRUE(session->rescore().counters);
    EXPECT_FALSE(session->contacts().isRepeat(1));
    EXPECT_TRUE(session->contacts().isRepeat(2));
    EXPECT_EQ(session->state().bandCounters[1], 1);
}
