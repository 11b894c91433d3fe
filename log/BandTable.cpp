#include "BandTable.h"

#include <array>

namespace logbook {
namespace {

struct BandRow
{
    const char* caption;
    const char* text;
    int lowerEdgeKhz;
};

constexpr std::array<BandRow, kBandCount> kBands = {{
    {" 160", "160", 1800},
    {"  80", "80", 3500},
    {"  40", "40", 7000},
    {"  20", "20", 14000},
    {"  15", "15", 21000},
    {"  10", "10", 28000},
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

std::optional<BandAndMode> parseBandModeWord(const QString& word)
{
    for (Mode mode : {Mode::SSB, Mode::CW}) {
        for (int band = 0; band < kBandCount; ++band) {
            if (word == bandModeWord(band, mode))
                return BandAndMode {band, mode};
        }
    }
    return std::nullopt;
}

QString sentExchange(const QString& coordinates, int serial)
{
    const QString padding = serial < 10 ? QStringLiteral("00") : serial < 100 ? QStringLiteral("0") : QString();
    return coordinates + padding + QString::number(serial);
}

} // namespace logbook
