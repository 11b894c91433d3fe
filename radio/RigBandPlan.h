// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/IniSettings.h"
#include "log/BandTable.h"

#include <QString>
#include <array>
#include <optional>

// What the rig is set to when the operator chooses a band or mode in the
// logger, and the frequencies typed into the call field to tune the rig.
namespace radio {

// A setting for the rig: an empty mode leaves the rig's mode as it is.
struct RigTune
{
    qint64 frequencyHz = 0;
    QString mode;            // as Hamlib names it: "CW", "LSB", "USB"
    std::optional<int> band; // the contest band the rig should then be on
};

// The rig's mode for the logger's: CW, or the sideband the bands use for
// voice (lower below 10 MHz, upper above).
QString rigModeFor(int band, logbook::Mode mode);
qint64 startFrequencyHz(int band, logbook::Mode mode);

// The call field's text as a frequency in kHz to tune to: digits with at
// most one "." or "," from 1800 to 30000. None for anything else.
std::optional<RigTune> typedFrequency(const QString& text);

// The frequency last used on each band and mode, kept in kvl.ini:
//
//   [RigFrequencies]
//   20CW=14025000           ; Hz
class BandFrequencies
{
public:
    void load(const QString& fileName = logbook::kIniFileName);
    // Throws KvlError when the file cannot be written.
    void save(const QString& fileName = logbook::kIniFileName);

    // The rig's reading: remembered for its contest band and logger mode,
    // if it has both.
    void note(qint64 frequencyHz, const QString& rigMode);
    // The operator chose this band and mode: the frequency last used there,
    // else the start frequency.
    RigTune tuneFor(int band, logbook::Mode mode) const;

private:
    static size_t slot(int band, logbook::Mode mode) { return size_t(band) * 2 + (mode == logbook::Mode::CW); }
    std::array<qint64, logbook::kBandCount * 2> m_hz {};
    bool m_changed = false;
};

} // namespace radio
