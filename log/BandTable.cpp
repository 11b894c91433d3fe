// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/BandTable.h"

#include <array>

namespace logbook {
namespace {

struct BandRow
{
    const char* caption;
    const char* text;
    int lowerEdgeKhz;
    int upperEdgeKhz; // the contest's part of the band ends here
    int voiceFromKhz; // the band plan's voice part begins here
};

constexpr std::array<BandRow, kBandCount> kBands = {{
    {" 160", "160", 1800, 2000, 1840},
    {"  80", "80", 3500, 3800, 3600},
    {"  40", "40", 7000, 7200, 7040},
    {"  20", "20", 14000, 14350, 14070},
    {"  15", "15", 21000, 21450, 21070},
    {"  10", "10", 28000, 29700, 28070},
}};

} // namespace

QString bandText(int band)
{
    return QString::fromLatin1(kBands.at(size_t(band)).text);
}

QString bandPanelCaption(int band)
{
    return QString::fromLatin1(kBands.at(size_t(band)).caption);
}

int bandLowerEdgeKhz(int band)
{
    return kBands.at(size_t(band)).lowerEdgeKhz;
}

std::optional<int> contestBandOfFrequency(qint64 hz)
{
    for (int band = 0; band < kBandCount; ++band) {
        const BandRow& row = kBands.at(size_t(band));
        if (hz >= qint64(row.lowerEdgeKhz) * 1000 && hz <= qint64(row.upperEdgeKhz) * 1000)
            return band;
    }
    return std::nullopt;
}

std::optional<Mode> modeOfFrequency(qint64 hz)
{
    const std::optional<int> band = contestBandOfFrequency(hz);
    if (!band)
        return std::nullopt;
    return hz < qint64(kBands.at(size_t(*band)).voiceFromKhz) * 1000 ? Mode::CW : Mode::SSB;
}

QString adifBandName(int band)
{
    return bandText(band) + QLatin1Char('m');
}

QString modeText(Mode mode)
{
    return mode == Mode::CW ? QStringLiteral("CW") : QStringLiteral("SSB");
}

QString modeWord(Mode mode)
{
    return modeText(mode).toLower();
}

std::optional<Mode> modeFromText(const QString& text)
{
    if (text == QLatin1String("SSB"))
        return Mode::SSB;
    if (text == QLatin1String("CW"))
        return Mode::CW;
    return std::nullopt;
}

QString bandModeWord(int band, Mode mode)
{
    return (bandText(band) + modeText(mode)).left(8);
}

// Every row of a log is read through here: the words are made once.
std::optional<BandAndMode> parseBandModeWord(const QString& word)
{
    static const std::array<QString, 2 * kBandCount> words = [] {
        std::array<QString, 2 * kBandCount> made;
        for (int band = 0; band < kBandCount; ++band) {
            made[size_t(2 * band)] = bandModeWord(band, Mode::SSB);
            made[size_t(2 * band + 1)] = bandModeWord(band, Mode::CW);
        }
        return made;
    }();
    for (size_t i = 0; i < words.size(); ++i) {
        if (word == words[i])
            return BandAndMode {int(i / 2), i % 2 ? Mode::CW : Mode::SSB};
    }
    return std::nullopt;
}

QString sentExchange(const QString& coordinates, int serial)
{
    const QString padding = serial < 10 ? QStringLiteral("00") : serial < 100 ? QStringLiteral("0") : QString();
    return coordinates + padding + QString::number(serial);
}

} // namespace logbook
