#include "log/SubTourTimes.h"

#include <gtest/gtest.h>

using logbook::parseSubTourTimes;

TEST(SubTourTimes, TimesAsOperatorsWriteThemAnywhereInTheText)
{
    struct Case
    {
        const char* text;
        std::vector<QTime> times;
        QStringList unreadable;
    };
    const Case cases[] = {
        {"10:00:00 12:00:00", {{10, 0}, {12, 0}}, {}},
        {"02:01 02:02", {{2, 1}, {2, 2}}, {}},
        {"9:30, 1000; 013400", {{1, 34}, {9, 30}, {10, 0}}, {}},
        {"Туры:10:00-12:00:30 в 14:00", {{10, 0}, {12, 0, 30}, {14, 0}}, {}}, // words without digits are comments
        {"xx10:00:00xx 10:00", {{10, 0}}, {}},
        {"", {}, {}},
        {"25:00 10:60 12345 1:2 тур2 10.00 10:00", {{10, 0}}, {"25:00", "10:60", "12345", "1:2", "тур2", "10.00"}},
        {"1:2 1:2", {}, {"1:2"}}, // named once
    };
    for (const Case& c : cases) {
        const logbook::SubTourTimes parsed = parseSubTourTimes(QString::fromUtf8(c.text));
        EXPECT_EQ(parsed.times, c.times) << c.text;
        EXPECT_EQ(parsed.unreadable, c.unreadable) << c.text;
    }
}

TEST(SubTourTimes, OneMessageNamesEveryUnreadableWord)
{
    EXPECT_FALSE(logbook::unreadableTimesMessage(QStringLiteral("Туры 10:00 12:00")));
    const QString message = logbook::unreadableTimesMessage(QStringLiteral("25:00 10:00 тур2")).value_or(QString());
    EXPECT_TRUE(message.contains(QStringLiteral("«25:00», «тур2»"))) << message.toStdString();
}
