// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/BandTable.h"

#include <gtest/gtest.h>

using namespace logbook;

TEST(BandTable, SentExchangePadsTheSerialToThreeDigits)
{
    struct Case
    {
        const char* coords;
        int serial;
        const char* expected;
    };
    const Case cases[] = {{"15", 7, "15007"}, {"15", 9, "15009"}, {"15", 10, "15010"}, {"15", 42, "15042"},
                          {"15", 99, "15099"}, {"15", 100, "15100"}, {"15", 123, "15123"}, {"15", 1000, "151000"},
                          {"", 1, "001"}};
    for (const auto& c : cases)
        EXPECT_EQ(sentExchange(QString::fromLatin1(c.coords), c.serial), QLatin1String(c.expected)) << c.serial;
}

TEST(BandTable, TwelveWordsParseBackAndNothingElseDoes)
{
    int parsed = 0;
    for (Mode mode : {Mode::SSB, Mode::CW}) {
        for (int band = 0; band < kBandCount; ++band) {
            const auto back = parseBandModeWord(bandModeWord(band, mode));
            ASSERT_TRUE(back);
            EXPECT_EQ(back->band, band);
            EXPECT_EQ(back->mode, mode);
            ++parsed;
        }
    }
    EXPECT_EQ(parsed, 12);
    for (const char* bad : {"", "160", "160ssb", "160SSB ", "30CW", "SSB", "\x01"})
        EXPECT_FALSE(parseBandModeWord(QString::fromLatin1(bad))) << bad;
    EXPECT_EQ(bandModeWord(0, Mode::SSB), QStringLiteral("160SSB"));
    EXPECT_EQ(bandModeWord(5, Mode::CW), QStringLiteral("10CW"));
}

TEST(BandTable, ExportFrequencyAndBandNameFollowThePanelOrder)
{
    const int edges[kBandCount] = {1800, 3500, 7000, 14000, 21000, 28000};
    const char* names[kBandCount] = {"160m", "80m", "40m", "20m", "15m", "10m"};
    for (int band = 0; band < kBandCount; ++band) {
        EXPECT_EQ(bandLowerEdgeKhz(band), edges[band]) << band;
        EXPECT_EQ(adifBandName(band), QLatin1String(names[band])) << band;
    }
}

TEST(BandTable, ABandPlanGivesTheModeOfAFrequency)
{
    using logbook::Mode;
    const std::pair<qint64, std::optional<Mode>> cases[] = {
        {1839999, Mode::CW}, {1840000, Mode::SSB}, {3599000, Mode::CW}, {3650000, Mode::SSB},
        {14069900, Mode::CW}, {14070000, Mode::SSB}, {28000000, Mode::CW}, {5000000, std::nullopt},
    };
    for (const auto& [hz, mode] : cases)
        EXPECT_EQ(logbook::modeOfFrequency(hz), mode) << hz;
}
