// SPDX-License-Identifier: GPL-3.0-or-later
#include "radio/RigBandPlan.h"
#include "tests/support/WorkDir.h"

using namespace radio;
using logbook::Mode;

TEST(TypedFrequency, OnlyKilohertzFrom1800To30000)
{
    const std::pair<const char*, qint64> cases[] = {
        {"7012", 7'012'000}, {"14025.5", 14'025'500}, {"14025,5", 14'025'500}, {"1800", 1'800'000},
        {"30000", 30'000'000}, {"10120", 10'120'000}, {"1799", 0}, {"30000.1", 0}, {"14.025.5", 0},
        {"14025,5.", 0}, {"UA9XX", 0}, {"7O12", 0}, {"", 0}, {"-7012", 0}, {".5", 0},
    };
    for (const auto& [text, hz] : cases)
        EXPECT_EQ(typedFrequency(QString::fromLatin1(text)).value_or(RigTune {}).frequencyHz, hz) << text;
    EXPECT_EQ(typedFrequency(QStringLiteral("14025"))->band, 3);
    EXPECT_FALSE(typedFrequency(QStringLiteral("10120"))->band);
}

using BandFrequenciesTest = WorkDirTest;

TEST_F(BandFrequenciesTest, TheLastFrequencyOfEachBandAndModeElseTheStartOneSurvivesARestart)
{
    BandFrequencies frequencies;
    frequencies.load();
    EXPECT_EQ(frequencies.tuneFor(2, Mode::SSB).frequencyHz, 7'100'000);
    EXPECT_EQ(frequencies.tuneFor(2, Mode::SSB).mode, QStringLiteral("LSB"));
    EXPECT_EQ(frequencies.tuneFor(3, Mode::SSB).mode, QStringLiteral("USB"));
    frequencies.note(7'015'000, QStringLiteral("CWR"));
    frequencies.note(10'120'000, QStringLiteral("CW"));  // no contest band
    frequencies.note(14'080'000, QStringLiteral("RTTY")); // no logger mode
    frequencies.save();

    BandFrequencies again;
    again.load();
    const std::tuple<int, Mode, qint64, const char*> cases[] = {
        {2, Mode::CW, 7'015'000, "CW"},   {2, Mode::SSB, 7'100'000, "LSB"}, {3, Mode::CW, 14'010'000, "CW"},
        {3, Mode::SSB, 14'200'000, "USB"}, {0, Mode::CW, 1'810'000, "CW"},   {5, Mode::SSB, 28'500'000, "USB"},
    };
    for (const auto& [band, mode, hz, rigMode] : cases) {
        const RigTune tune = again.tuneFor(band, mode);
        EXPECT_EQ(tune.frequencyHz, hz) << band;
        EXPECT_EQ(tune.mode, QLatin1String(rigMode)) << band;
        EXPECT_EQ(tune.band, band);
    }
}
