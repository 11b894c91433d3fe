// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyer/CwKeyer.h"
#include "session/ContestSession.h"
#include "setup/StationSettings.h"
#include "tests/support/Fakes.h"
#include "tests/support/LineRecorder.h"
#include "tests/support/VirtualKeyerTime.h"
#include "tests/support/WorkDir.h"

#include <QTimeZone>
#include <memory>

using session::ContestSession;
using session::StatusFigures;

namespace {

class Settings : public StationSettings
{
public:
    QStringList lines = QStringList(105);
    QString field(int line) const override { return lines.value(line); }
};

// A clock reading at Novosibirsk's offset, `day` days after the first.
QDateTime at(const char* hhmm, int day = 0)
{
    return QDateTime(QDate(2024, 2, 1).addDays(day), QTime::fromString(QLatin1String(hhmm), QStringLiteral("hh:mm")),
                     QTimeZone(7 * 3600));
}

const char* const kRa = "Чемпионат РА";
const char* const kAsia = "Чемпионат Азиатской части РФ";
const char* const kOthers = "Others";

} // namespace

// A session on the files of the working directory, started as the window does.
class StatusFiguresTest : public WorkDirTest
{
protected:
    Settings settings;
    FakeClock clock;
    std::unique_ptr<ContestSession> session;

    void startSession(const char* contest = kOthers)
    {
        settings.lines[setup::ContestVariant] = QString::fromUtf8(contest);
        session = std::make_unique<ContestSession>(settings, clock);
        session->start(QStringLiteral("15"));
    }
    void logContact(const QString& received, const char* time, int day = 0)
    {
        session->enterCall(QStringLiteral("RA%1A").arg(session->currentRow()), received);
        session->completeContact(received, at(time, day));
    }
    StatusFigures figures(const char* now = "12:00", int day = 0) const { return session->status(at(now, day)); }
    std::string text(const char* now = "12:00") const
    {
        return session::statusLineText(figures(now), std::nullopt).toStdString();
    }
};

TEST_F(StatusFiguresTest, EmptyLog)
{
    startSession(kRa);
    EXPECT_EQ(text(), "QSO 0 | Тур 1: 0 | Очки 0 | Темп 0/ч, за час 0");
}

// The score is the one the report claims, by the contest's rule.
TEST_F(StatusFiguresTest, ScoreByTheContestRule)
{
    const struct
    {
        const char* contest;
        QStringList received;
        qint64 score;
    } cases[] = {
        {kRa, {"GA1", "MA2", "GA3"}, 3 * 2}, // contacts times the "1+" count
        {kAsia, {"27005", "A5005", "19005"}, 3 + 0 + 4}, // A5: no number, logged with an empty cell
        {kOthers, {"59", "59"}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.received.join(QLatin1Char(' ')).toStdString());
        session.reset();
        QFile::remove(QStringLiteral("system.kvl"));
        QFile::remove(QStringLiteral("cfg.kvl"));
        startSession(c.contest);
        for (const QString& received : c.received)
            logContact(received, "10:00");
        EXPECT_EQ(figures().contacts, c.received.size());
        EXPECT_EQ(figures().score, c.score);
    }
}

TEST_F(StatusFiguresTest, EditedPointsCellThatIsNoNumberCountsNothing)
{
    startSession(kAsia);
    logContact(QStringLiteral("27005"), "10:00");
    logContact(QStringLiteral("19005"), "10:01");
    session->contacts().setCell(1, logbook::Points, QStringLiteral("З"));
    session->editRow(1, logbook::Points, QString());
    EXPECT_EQ(figures().score, 4);
}

TEST_F(StatusFiguresTest, DeletedAndRestoredContact)
{
    startSession(kRa);
    logContact(QStringLiteral("GA1"), "11:50");
    logContact(QStringLiteral("GA2"), "11:55");
    session->deleteOrRestore();
    EXPECT_EQ(text(), "QSO 1 | Тур 1 (с 11:50): 1 | Очки 1 | Темп 0/ч, за час 1");
    session->deleteOrRestore();
    EXPECT_EQ(text(), "QSO 2 | Тур 1 (с 11:50): 2 | Очки 4 | Темп 6/ч, за час 2");
}

// The statistics read the log in memory as the status line does: a deleted
// contact leaves them, a restored one comes back, an edited band moves it.
TEST_F(StatusFiguresTest, StatisticsFollowTheLog)
{
    startSession(kRa);
    session->selectBand(1);
    logContact(QStringLiteral("GA1"), "11:50");
    logContact(QStringLiteral("GA2"), "11:55");
    const auto total = [this] { return session->statistics(at("12:00")).total; };
    const int cw80 = session::bandModeColumn({1, logbook::Mode::CW});
    const int ssb80 = session::bandModeColumn({1, logbook::Mode::SSB});
    ASSERT_EQ(total().contacts[size_t(ssb80)], 2);
    session->deleteOrRestore();
    EXPECT_EQ(total().total, 1);
    session->deleteOrRestore();
    EXPECT_EQ(total().total, 2);
    EXPECT_EQ(total().scoreAfter, 4);
    session->contacts().setCell(1, logbook::BandMode, QStringLiteral("80CW"));
    session->editRow(1, logbook::BandMode, QStringLiteral("80SSB"));
    EXPECT_EQ(total().contacts[size_t(ssb80)], 1);
    EXPECT_EQ(total().contacts[size_t(cw80)], 1);
}

// The stamps keep every contact's sub-tour: the numbers are exact after a
// restart, and a lost state file gets its sub-tour start back. Without
// stamps the state keeps only the current start, and the number says "at least".
TEST_F(StatusFiguresTest, TwoSubTours)
{
    startSession();
    logContact(QStringLiteral("59"), "09:50");
    logContact(QStringLiteral("59"), "09:58");
    session->offerSubTour(); // pending: the contact being entered opens sub-tour 2
    EXPECT_EQ(text("10:05"), "QSO 2 | Тур 2: 0 | Очки 0 | Темп 6/ч, за час 2");
    logContact(QStringLiteral("59"), "10:01");
    logContact(QStringLiteral("59"), "10:04");
    EXPECT_EQ(text("10:05"), "QSO 4 | Тур 2 (с 10:01): 2 | Очки 0 | Темп 18/ч, за час 4");
    startSession();
    EXPECT_EQ(text("10:05"), "QSO 4 | Тур 2 (с 10:01): 2 | Очки 0 | Темп 18/ч, за час 4");
    session.reset();
    QFile::remove(QStringLiteral("cfg.kvl"));
    startSession();
    EXPECT_EQ(text("10:05"), "QSO 4 | Тур 2 (с 10:01): 2 | Очки 0 | Темп 18/ч, за час 4");
    session->offerSubTour();
    session->applySubTour(); // by a click: the contact being entered opens it
    logContact(QStringLiteral("59"), "11:00");
    EXPECT_EQ(text("11:05"), "QSO 5 | Тур 3 (с 11:00): 1 | Очки 0 | Темп 6/ч, за час 1");
    session.reset();
    QFile::remove(QStringLiteral("system.kvx"));
    startSession();
    EXPECT_EQ(text("11:05"), "QSO 5 | Тур ≥2 (с 11:00): 1 | Очки 0 | Темп 6/ч, за час 1");
}

// A clock stepped back a minute dates nothing a day late.
TEST_F(StatusFiguresTest, RatesFromTheStampsIgnoreTheOrderOfTheTimes)
{
    startSession();
    for (const char* time : {"10:00", "10:03", "10:02", "10:05"})
        logContact(QStringLiteral("59"), time);
    EXPECT_EQ(figures("10:06").lastTenMinutes, 4);
}
TEST_F(StatusFiguresTest, TheNextSubTourStart)
{
    settings.lines[setup::SubTourTimes] = QStringLiteral("10:00 12:00:30");
    startSession();
    EXPECT_EQ(text("12:00"), "QSO 0 | Тур 1: 0, следующий в 12:00:30 | Очки 0 | Темп 0/ч, за час 0");
    EXPECT_EQ(text("13:00"), "QSO 0 | Тур 1: 0, следующий в 10:00 | Очки 0 | Темп 0/ч, за час 0");
}

// The same figures from the stamps, after a restart, and from the hh:mm
// alone (no stamps), where a time earlier than the one before it is the next day.
TEST_F(StatusFiguresTest, RatesAcrossMidnight)
{
    startSession();
    for (const char* time : {"23:45", "23:52", "23:58", "00:03", "00:05"})
        logContact(QStringLiteral("59"), time, time[0] == '0');
    const struct
    {
        const char* now;
        int perTenMinutes;
        int lastHour;
    } cases[] = {
        {"00:05", 3, 5},
        {"00:07", 3, 5}, // 23:58 is nine minutes back
        {"00:08", 2, 5},
        {"00:45", 0, 4},  // 23:45 is an hour back
        {"00:58", 0, 2},
        {"01:05", 0, 0},
        {"23:59", 0, 0},  // a day after the last contact
    };
    for (int run = 0; run < 3; ++run) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.now);
            EXPECT_EQ(figures(c.now, 1).lastTenMinutes, c.perTenMinutes);
            EXPECT_EQ(figures(c.now, 1).lastHour, c.lastHour);
        }
        if (run == 1)
            QFile::remove(QStringLiteral("system.kvx"));
        startSession();
    }
}

TEST_F(StatusFiguresTest, KeyerSpeedInWordsPerMinute)
{
    keyer::VirtualKeyerTime time;
    keyer::LineRecorder lines {time};
    keyer::CwKeyer keyer {lines, time};
    const struct
    {
        int key;
        Qt::KeyboardModifiers modifiers;
        int times;
        const char* shown;
    } steps[] = {
        {0, Qt::NoModifier, 0, "24 WPM"},                  // DashTime 150: a 50 ms dot
        {Qt::Key_PageDown, Qt::NoModifier, 6, "20 WPM"},   // 180
        {Qt::Key_C, Qt::AltModifier, 1, "24 WPM"},         // back to 150
        {Qt::Key_PageUp, Qt::NoModifier, 2, "26 WPM"},     // 140: a 46 ms dot, 26.1
        {Qt::Key_PageUp, Qt::NoModifier, 28, "WPM —"},     // 0: no dot to time
    };
    for (const auto& s : steps) {
        for (int i = 0; i < s.times; ++i)
            keyer.keyHooks(s.key, s.modifiers);
        SCOPED_TRACE(keyer.DashTime());
        const QString text = session::statusLineText({}, keyer.DashTime());
        EXPECT_EQ(text.section(QStringLiteral(" | "), -1).toStdString(), s.shown);
    }
}

// Where the score multiplies, the line shows by what; where the judges count
// the points, it says so.
TEST(StatusLineTextTest, TheScoreAsTheContestCountsIt)
{
    const std::tuple<qint64, qint64, std::optional<int>, bool, bool, const char*> cases[] = {
        // score, points, multipliers, judges, multiplied
        {7, 7, std::nullopt, false, false, "Очки 7"},
        {48, 12, 4, false, true, "Очки 12 × 4 = 48"},
        {12, 12, 4, false, false, "Очки 12, множителей 4"},
        {0, 0, 5, true, true, "Очки у судей, множителей 5"},
    };
    for (const auto& [score, points, multipliers, judges, multiplied, shown] : cases) {
        session::StatusFigures f;
        std::tie(f.score, f.points, f.multipliers, f.judgesPoints, f.multiplied) =
            std::tie(score, points, multipliers, judges, multiplied);
        EXPECT_EQ(session::statusLineText(f, std::nullopt).section(QStringLiteral(" | "), 2, 2), QString::fromUtf8(shown));
    }
}
