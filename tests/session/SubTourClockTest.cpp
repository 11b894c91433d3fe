// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/SubTourTimes.h"
#include "session/SubTourClock.h"

#include <gtest/gtest.h>

// "*2 10:00:00.5": the clock reads 10:00:00.5 on day 2, and a sub-tour is due (*).
static std::pair<QDateTime, bool> reading(const QString& text)
{
    const bool due = text.startsWith(u'*');
    return {QDateTime::fromString(text.mid(due ? 1 : 0), QStringLiteral("d hh:mm:ss.z")), due};
}

TEST(SubTourClock, DueWhenTheClockPassesAListedTimeWhateverTheTicksDo)
{
    // What, the times, the log's last write at a restart, the readings one after another.
    const char* cases[][4] = {
        {"a tick skips the second", "10:00:00", "", "1 09:59:59.9, *1 10:00:01.1"},
        {"ticks repeat the second", "100000", "", "1 09:59:59.95, *1 10:00:00.05, 1 10:00:00.95, 1 10:00:01.5"},
        {"a one-second stall", "10:00", "", "1 09:59:58.5, 1 09:59:59.5, *1 10:00:01.5"},
        {"stepped back over it", "1000", "", "1 09:59:59.0, *1 10:00:00.0, 1 09:59:50.0, 1 10:00:05.0"},
        {"midnight", "0:00", "", "1 23:59:59.5, *2 00:00:00.5"},
        {"every day again", "10:00", "", "1 09:59:00.0, *1 10:00:01.0, 2 09:59:00.0, *2 10:00:01.0"},
        {"among words", "Туры: 9:30, 10:00", "", "1 09:29:59.5, *1 09:30:00.5, 1 09:59:59.5, *1 10:00:00.5"},
        {"restart across it", "10:00", "1 09:58:00.0", "*1 10:05:00.0, 1 10:05:01.0"},
        {"restart, written after it", "10:00", "1 10:01:00.0", "1 10:05:00.0"},
        {"restart, not yet come", "10:00", "1 10:30:00.0", "2 09:59:00.0"},
        {"restart over a day after it", "10:00", "1 09:58:00.0", "*2 10:30:00.0, 2 10:30:01.0"},
    };
    for (const auto& [what, times, lastWrite, readings] : cases) {
        session::SubTourClock clock;
        if (*lastWrite)
            clock.resume(reading(QString::fromLatin1(lastWrite)).first);
        const auto listed = logbook::parseSubTourTimes(QString::fromUtf8(times)).times;
        for (const QString& text : QString::fromLatin1(readings).split(QStringLiteral(", "))) {
            ASSERT_TRUE(reading(text).first.isValid()) << text.toStdString();
            EXPECT_EQ(clock.due(listed, reading(text).first), reading(text).second) << what << " at " << text.toStdString();
        }
    }
}

// A clock set back over a sub-tour that has begun never names it as the next.
TEST(SubTourClock, TheNextTimeIsNeverOneAlreadyBegun)
{
    session::SubTourClock clock;
    const auto listed = logbook::parseSubTourTimes(QStringLiteral("10:00 12:00")).times;
    for (const char* text : {"1 09:59:59.0", "1 10:00:01.0", "1 09:55:00.0"})
        clock.due(listed, reading(QString::fromLatin1(text)).first);
    EXPECT_EQ(clock.next(listed, reading(QStringLiteral("1 09:55:00.0")).first), QTime(12, 0));
    EXPECT_EQ(clock.next(listed, reading(QStringLiteral("2 09:55:00.0")).first), QTime(10, 0)); // the next day
}
