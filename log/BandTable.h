// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

// The six bands in panel order (top to bottom, also the order of band cycling
// and of the band counters) and the two modes.
namespace logbook {

constexpr int kBandCount = 6;
enum class Mode { SSB, CW };

QString bandText(int band);         // "160" ... "10"
QString bandPanelCaption(int band); // " 160", "  80", ...
int bandLowerEdgeKhz(int band);     // 1800 ... 28000: the frequency a contest log gives for the band
QString adifBandName(int band);     // "160m" ... "10m"
// The band whose contest range (edges included) holds a frequency: 1.8-2.0,
// 3.5-3.8, 7.0-7.2, 14.0-14.35, 21.0-21.45, 28.0-29.7 MHz. None outside them.
std::optional<int> contestBandOfFrequency(qint64 hz);
// The mode a frequency of a contest band is worked in by the band plan: CW
// below 1840, 3600, 7040, 14070, 21070 and 28070 kHz, SSB above.
std::optional<Mode> modeOfFrequency(qint64 hz);
QString modeText(Mode mode);        // "SSB" / "CW"
QString modeWord(Mode mode);        // "ssb" / "cw"
std::optional<Mode> modeFromText(const QString& text);

// Band text followed by mode text, at most 8 characters: "160SSB", "10CW".
QString bandModeWord(int band, Mode mode);

struct BandAndMode
{
    int band;
    Mode mode;
};
// One of the twelve words, matched exactly; anything else selects nothing.
std::optional<BandAndMode> parseBandModeWord(const QString& word);

// Station coordinates followed by the serial number, zero-padded to three digits.
QString sentExchange(const QString& coordinates, int serial);

} // namespace logbook
