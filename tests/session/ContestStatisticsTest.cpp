// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/ContestStatistics.h"

#include <gtest/gtest.h>

#include <QTimeZone>

using logbook::Contact;
using session::LocalMinute;

namespace {

// A contact at hh:mm on the operator's clock (Moscow time), `day` days after
// the first; stamped in sub-tour `subTour`, or with its time cell alone.
struct Row
{
    const char* time;
    const char* bandMode;
    const char* points = "1";
    int subTour = 0; // 0: no stamp
    int multipliers = 0;
    bool repeat = false;
    int day = 0;
};

QVector<Contact> rowsOf(std::initializer_list<Row> rows)
{
    QVector<Contact> made;
    int serial = 0;
    for (const Row& r : rows) {
        Contact c;
        c.fields[logbook::Time] = QLatin1String(r.time);
        c.fields[logbook::BandMode] = QLatin1String(r.bandMode);
        c.fields[logbook::Call] = QStringLiteral("RA%1AA").arg(++serial);
        c.fields[logbook::Points] = QString::fromUtf8(r.points);
        c.multipliers = r.multipliers;
        c.repeat = r.repeat;
        if (r.subTour > 0) {
            const QDateTime local(QDate(2026, 12, 5).addDays(r.day), QTime::fromString(QLatin1String(r.time), "h:mm"),
                                  QTimeZone(3 * 3600));
            c.stamp = logbook::ContactStamp::at(local, 0, r.subTour, true);
        }
        made.append(c);
    }
    return made;
}

scoring::ContestDescription pointsTimesMultipliers()
{
    scoring::ContestDescription contest;
    contest.points = scoring::PointsKind::Fixed;
    contest.claim = scoring::ClaimKind::SumTimesMultipliers;
    contest.multipliers = {scoring::Multiplier {scoring::MultiplierKind::Call, {}}};
    return contest;
}

int column(int band, logbook::Mode mode)
{
    return session::bandModeColumn({band, mode});
}

const QDateTime kNow(QDate(2026, 12, 5), QTime(13, 5), QTimeZone(3 * 3600));

} // namespace

// Three sub-tours in two modes, a repeat among them: the bars count every
// contact, the table the counted ones, and the score after each sub-tour is
// the points so far times the multipliers so far.
TEST(ContestStatisticsTest, SubToursBarsAndTheScoresCourse)
{
    const scoring::ContestDescription contest = pointsTimesMultipliers();
    const QVector<Contact> rows = rowsOf({
        {"12:01", "80CW", "2", 1, 1},
        {"12:05", "80SSB", "1", 1, 1},
        {"12:12", "40CW", "2", 1},
        {"12:31", "80CW", "2", 2},
        {"12:33", "80CW", "0", 2, 0, true},
        {"12:44", "40SSB", "1", 2, 1},
        {"12:49", "40SSB", "1", 2},
        {"13:02", "80SSB", "1", 3, 1},
    });
    const session::ContestStatistics stats = session::contestStatistics(rows, {}, &contest, kNow);

    const LocalMinute noon = rows[0].stamp->utcSeconds / 60 + 3 * 60 - 1;
    const struct
    {
        LocalMinute fromNoon;
        int ssb;
        int cw;
    } bars[] = {{0, 1, 1}, {10, 0, 1}, {30, 0, 2}, {40, 2, 0}, {60, 1, 0}};
    ASSERT_EQ(stats.bars.size(), std::size(bars));
    for (size_t i = 0; i < std::size(bars); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(stats.bars[i].start - noon, bars[i].fromNoon);
        EXPECT_EQ(stats.bars[i].contacts[0], bars[i].ssb);
        EXPECT_EQ(stats.bars[i].contacts[1], bars[i].cw);
    }

    using logbook::Mode;
    const struct
    {
        int number;
        const char* since;
        int total;
        qint64 points;
        std::optional<int> change;
        qint64 score;
        int cw80;
        int ssb40;
    } table[] = {
        {1, "12:01", 3, 5, std::nullopt, 5 * 2, 1, 0},
        {2, "12:31", 3, 4, 0, 9 * 3, 1, 2},
        {3, "13:02", 1, 1, -2, 10 * 4, 0, 0},
    };
    ASSERT_EQ(stats.subTours.size(), std::size(table));
    for (size_t i = 0; i < std::size(table); ++i) {
        const session::SubTourRow& row = stats.subTours[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(row.number, table[i].number);
        EXPECT_EQ(row.since, QLatin1String(table[i].since));
        EXPECT_EQ(row.total, table[i].total);
        EXPECT_EQ(row.points, table[i].points);
        EXPECT_EQ(row.change, table[i].change);
        EXPECT_EQ(row.scoreAfter, table[i].score);
        EXPECT_EQ(row.contacts[size_t(column(1, Mode::CW))], table[i].cw80);
        EXPECT_EQ(row.contacts[size_t(column(2, Mode::SSB))], table[i].ssb40);
    }
    EXPECT_EQ(stats.firstDay, QDate(2026, 12, 5));
    EXPECT_EQ(stats.total.total, 7);
    EXPECT_EQ(stats.total.scoreAfter, 40);
    EXPECT_EQ(stats.total.contacts[size_t(column(1, Mode::SSB))], 2);
    EXPECT_EQ(stats.stretches, (std::vector<session::AxisStretch> {{noon, noon + 70}}));
    const std::array<bool, session::kBandModeColumns> worked = {false, false, true, true, true, true};
    EXPECT_EQ(stats.columns, worked);
    EXPECT_TRUE(stats.claimsScore);
}

// A stamped contact keeps its own minute; an unstamped one follows from the
// contact before it by its hh:mm (earlier is the next day), or walks back
// from the first stamped contact after it.
TEST(ContestStatisticsTest, ContactMinutesAcrossMidnightWithAndWithoutStamps)
{
    const struct
    {
        const char* name;
        QVector<Contact> rows;
        std::vector<std::optional<LocalMinute>> fromFirst;
    } cases[] = {
        {"stamped", rowsOf({{"23:55", "80CW", "1", 1}, {"0:05", "80CW", "1", 1, 0, false, 1}}), {0, 10}},
        {"unstamped", rowsOf({{"23:50", "80CW"}, {"23:58", "80CW"}, {"00:03", "80CW"}}), {0, 8, 13}},
        {"stamped later", rowsOf({{"23:50", "80CW"}, {"23:58", "80CW"}, {"0:03", "80CW", "1", 1, 0, false, 1}, {"0:10", "80CW"}}),
         {0, 8, 13, 20}},
        {"no time", rowsOf({{"10:00", "80CW"}, {"ten", "80CW"}, {"10:30", "80CW"}}), {0, std::nullopt, 30}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<std::optional<LocalMinute>> minutes = session::contactMinutes(c.rows);
        ASSERT_EQ(minutes.size(), c.fromFirst.size());
        for (size_t i = 0; i < minutes.size(); ++i) {
            SCOPED_TRACE(i);
            ASSERT_EQ(minutes[i].has_value(), c.fromFirst[i].has_value());
            if (minutes[i]) {
                EXPECT_EQ(*minutes[i] - *minutes[0], *c.fromFirst[i]);
            }
        }
    }
}

// An old log without stamps: the rows before the current sub-tour's start
// form one row "earlier", and the current one's number is the least it can be.
TEST(ContestStatisticsTest, AnUnstampedLogsEarlierRows)
{
    const QVector<Contact> rows = rowsOf({{"23:50", "20CW"}, {"23:58", "20CW"}, {"0:03", "20SSB"}, {"0:04", "20SSB"}});
    session::SubTourStarts starts;
    starts.reset(3, {}); // the state file's current start: the fourth row
    const session::ContestStatistics stats = session::contestStatistics(rows, starts, nullptr, kNow);
    ASSERT_EQ(stats.subTours.size(), 2u);
    EXPECT_EQ(stats.subTours[0].number, std::nullopt);
    EXPECT_EQ(stats.subTours[0].total, 3);
    EXPECT_EQ(stats.subTours[1].number, 2);
    EXPECT_EQ(stats.subTours[1].since, QLatin1String("0:04"));
    EXPECT_FALSE(stats.subToursExact);
    ASSERT_EQ(stats.bars.size(), 2u);
    EXPECT_EQ(stats.bars[1].start - stats.bars[0].start, 10);
    EXPECT_EQ(stats.bars[1].contacts[0], 2);
    EXPECT_FALSE(stats.claimsScore);
}

// The axis leaves out a pause of more than two hours, and only that.
TEST(ContestStatisticsTest, TheTimeAxisLeavesOutLongPauses)
{
    const QVector<Contact> rows = rowsOf({{"10:00", "80CW", "1", 1}, {"12:09", "80CW", "1", 1},
                                          {"14:20", "80CW", "1", 1}, {"18:36", "80CW", "1", 1, 0, false, 3}});
    const session::ContestStatistics stats = session::contestStatistics(rows, {}, nullptr, kNow);
    ASSERT_EQ(stats.stretches.size(), 3u);
    const LocalMinute ten = stats.bars.front().start;
    EXPECT_EQ(stats.stretches[0], (session::AxisStretch {ten, ten + 130}));
    EXPECT_EQ(stats.stretches[1], (session::AxisStretch {ten + 260, ten + 270}));
    EXPECT_EQ(stats.stretches[2].to - stats.stretches[2].from, 10);
}
