// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/IniSettings.h"

#include <QString>

// The sound input, kept in kvl.ini:
//
//   [Audio]
//   input=Built-in Audio Analog Stereo   ; as the system names it; empty: the system's default
//   contest=1                            ; the whole contest recorded into audio/ (0, the default: not)
//   margin=500                           ; MB the recording leaves free on the disk for the log
namespace keyer {

constexpr int kDefaultMarginMegabytes = 500;

struct AudioSettings
{
    QString input;
    bool recordContest = false;
    int marginMegabytes = kDefaultMarginMegabytes;
    bool operator==(const AudioSettings& o) const
    {
        return input == o.input && recordContest == o.recordContest && marginMegabytes == o.marginMegabytes;
    }
};

struct AudioSettingsRead
{
    AudioSettings settings;
    QString problem; // a value that could not be read, named; empty: nothing
};

AudioSettingsRead readAudioSettings(const QString& fileName = logbook::kIniFileName);
// Keeps whatever else the file holds. Throws KvlError naming the file when it cannot be written.
void writeAudioSettings(const AudioSettings& settings, const QString& fileName = logbook::kIniFileName);

} // namespace keyer
