#include "session/ContestSession.h"
#include "log/SubTourTimes.h"
#include "session/SubTourClock.h"
#include "tests/support/FakeSettings.h"
#include "tests/support/WorkDir.h"

#include <QFile>

using session::SubTourClock;

namespace {

const QDate kDay {2024, 2, 1};

QDateTime at(int day, int h, int m, int s = 0, int ms = 0)
{
    return {kDay.addDays(day), QTime(h, m, s, ms)};
}

} // namespace

// Clock readings one after another, each with whether a sub-tour became due.
TEST(SubTourClock, DueWhenTheClockPassesAListedTimeWhateverTheTicksDo)
{
    struct Tick
    {
        QDateTime now;
        bool due;
    };
    struct Case
    {
        const char* name;
        const char* times;
        std::vector<Tick> ticks;
    };
    const Case cases[] = {
        {"a tick skips the second", "10:00:00", {{at(0, 9, 59, 59, 900), false}, {at(0, 10, 0, 1, 100), true}}},
        {"ticks repeat the second", "10:00:00",
         {{at(0, 9, 59, 59, 950), false}, {at(0, 10, 0, 0, 50), true}, {at(0, 10, 0, 0, 950), false},
          {at(0, 10, 0, 1, 500), false}}},
        {"a one-second stall", "10:00",
         {{at(0, 9, 59, 58, 500), false}, {at(0, 9, 59, 59, 500), false}, {at(0, 10, 0, 1, 500), true}}},
        {"the clock stepped back over it", "10:00",
         {{at(0, 9, 59, 59), false}, {at(0, 10, 0, 0), true}, {at(0, 9, 59, 50), false}, {at(0, 10, 0, 5), false}}},
        {"midnight", "0000", {{at(0, 23, 59, 59, 500), false}, {at(1, 0, 0, 0, 500), true}}},
        {"every day again", "10:00",
         {{at(0, 9, 59), false}, {at(0, 10, 0, 1), true}, {at(1, 9, 59), false}, {at(1, 10, 0, 1), true}}},
        {"times a minute apart", "02:01 02:02",
         {{at(0, 2, 0, 59, 900), false}, {at(0, 2, 1, 0, 900), true}, {at(0, 2, 1, 59, 900), false},
          {at(0, 2, 2, 0, 900), true}}},
        {"no times", "", {{at(0, 9, 59), false}, {at(0, 10, 1), false}}},
    };
    for (const Case& c : cases) {
        SubTourClock clock;
        const auto times = logbook::parseSubTourTimes(QString::fromUtf8(c.times)).times;
        for (size_t i = 0; i < c.ticks.size(); ++i)
            EXPECT_EQ(clock.due(times, c.ticks[i].now), c.ticks[i].due) << c.name << ", tick " << i;
    }
}

class SubTourRestartTest : public WorkDirTest
{
};

// The program started at `now`, the log last written at `lastWrite`: the
// sub-tour at 10:00 is offered at once when it passed in between.
TEST_F(SubTourRestartTest, ASubTourThatPassedWhileTheProgramWasNotRunningIsOfferedAtOnce)
{
    struct Case
    {
        const char* name;
        bool contacts;
        QDateTime lastWrite;
        QDateTime now;
        bool offered;
    };
    const Case cases[] = {
        {"passed since the last write", true, at(0, 9, 58), at(0, 10, 5), true},
        {"before the last write", true, at(0, 10, 1), at(0, 10, 5), false},
        {"an empty log", false, at(0, 9, 58), at(0, 10, 5), false},
        {"not yet come today", true, at(0, 10, 30), at(1, 9, 59), false},
        {"over a day after the last write: today's", true, at(0, 9, 58), at(1, 10, 30), true},
    };
    FakeSettings settings;
    settings.lines[setup::ContestVariant] = QStringLiteral("Others");
    settings.lines[setup::SubTourTimes] = QStringLiteral("10:00");
    for (const Case& c : cases) {
        QFile::remove(QStringLiteral("system.kvl"));
        QFile::remove(QStringLiteral("cfg.kvl"));
        session::ContestSession contest(settings);
        contest.start(QStringLiteral("15"));
        if (c.contacts) {
            contest.enterCall(QStringLiteral("RA1A"), QString());
            contest.completeContact(QStringLiteral("1"), c.lastWrite.time());
        }
        QFile log(QStringLiteral("system.kvl"));
        ASSERT_TRUE(log.open(QIODevice::ReadWrite) && log.setFileTime(c.lastWrite, QFileDevice::FileModificationTime));
        log.close();
        session::ContestSession restarted(settings);
        restarted.start(QStringLiteral("15"));
        EXPECT_EQ(restarted.subTourDue(c.now), c.offered) << c.name;
        EXPECT_FALSE(restarted.subTourDue(c.now.addSecs(1))) << c.name; // once only
    }
}
