// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/SpotStore.h"

#include <gtest/gtest.h>

using session::MapSpot;
using session::SpotStore;

namespace {

const QDateTime kStart(QDate(2026, 12, 5), QTime(12, 0), Qt::UTC);

MapSpot spot(const char* call, qint64 khz, int minute = 0, const char* comment = "")
{
    return {QLatin1String(call), khz * 1000, {}, QStringLiteral("R1ZZ"), QLatin1String(comment), kStart.addSecs(60 * minute)};
}

QStringList calls(const std::vector<MapSpot>& spots)
{
    QStringList list;
    for (const MapSpot& s : spots)
        list << s.call;
    return list;
}

} // namespace

TEST(SpotStore, KeepsContestBandsOneSpotPerCallAndBandFreshAndBounded)
{
    SpotStore store;
    EXPECT_FALSE(store.add(spot("UA1AA", 10110)));           // no contest band
    EXPECT_TRUE(store.add(spot("UA1AA", 3550, 1)));
    EXPECT_TRUE(store.add(spot("UA2BB", 3520, 2)));
    EXPECT_TRUE(store.add(spot("UA1AA", 3530, 3)));          // moved: its earlier spot goes
    EXPECT_TRUE(store.add(spot("UA1AA", 7010, 4)));          // another band: both stay
    EXPECT_EQ(calls(store.onBand(1)), QStringList({"UA2BB", "UA1AA"}));
    EXPECT_EQ(store.next(1, 3525000, true)->call, QStringLiteral("UA1AA"));
    EXPECT_EQ(store.next(1, 3525000, false)->call, QStringLiteral("UA2BB"));
    EXPECT_FALSE(store.next(1, 3530000, true));
    store.age(kStart.addSecs(60 * 32), 30);                   // heard at 12:02 and before: gone
    EXPECT_EQ(calls(store.onBand(1)), QStringList({"UA1AA"}));
    for (int i = 0; i < SpotStore::MaxSpots + 100; ++i)
        store.add(spot(qPrintable(QStringLiteral("R%1A").arg(i)), 14000 + i % 300, 40));
    EXPECT_EQ(store.size(), SpotStore::MaxSpots);
    EXPECT_TRUE(store.onBand(1).empty()); // the oldest went first
}

TEST(SpotStore, TheModeOfASpotByItsCommentElseByTheBandPlan)
{
    const struct
    {
        qint64 khz;
        const char* comment;
        logbook::Mode mode;
    } cases[] = {{3550, "", logbook::Mode::CW}, {3650, "", logbook::Mode::SSB}, {3550, "lsb up 2", logbook::Mode::SSB},
                 {14200, "CW 25wpm", logbook::Mode::CW}, {14200, "CWOPS", logbook::Mode::SSB}};
    for (const auto& c : cases)
        EXPECT_EQ(session::spotBandMode(c.khz * 1000, QLatin1String(c.comment))->mode, c.mode) << c.comment;
}
