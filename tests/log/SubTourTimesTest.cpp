// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/SubTourTimes.h"

#include <algorithm>
#include <gtest/gtest.h>

TEST(SubTourTimes, TheClockTimeIsFoundInTheOperatorsText)
{
    struct Case
    {
        const char* times;
        QTime now;
        bool due;
    };
    const Case cases[] = {
        {"10:00:00", {10, 0, 0}, true},
        {"10:00:00", {10, 0, 1}, false},
        {"08:00:00 10:00:00; 12:00:00", {12, 0, 0}, true},
        {"09:00:00", {9, 0, 0}, true},
        {"9:00:00", {9, 0, 0}, true},       // written without the leading zero
        {"19:00:00", {9, 0, 0}, false},     // 9:00:00 is not 19:00:00
        {"9:00:00", {19, 0, 0}, false},
        {"19:00:00,9:00:00", {9, 0, 0}, true},
        {"", {0, 0, 0}, false},
        {"xx10:00:00xx", {10, 0, 0}, true}, // anything may separate the times
        {"02:01 02:02", {2, 2, 0}, true},
        {"1000", {10, 0, 0}, true},
        {"013400", {1, 34, 0}, true},
        {"10.00", {10, 0, 0}, false},
    };
    for (const auto& c : cases) {
        const std::vector<QTime> listed = logbook::parseSubTourTimes(QString::fromLatin1(c.times)).times;
        EXPECT_EQ(std::count(listed.begin(), listed.end(), c.now) == 1, c.due)
            << c.times << " at " << c.now.toString().toStdString();
    }
}
