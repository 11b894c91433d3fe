// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

// Checks a file for wave audio before it is handed to the multimedia system,
// which would only report a bad file later, asynchronously, and differently
// with every back end and sound card.
namespace keyer {

// A voice call of 30 seconds at 48 kHz, stereo, 32-bit samples, with room.
constexpr qint64 kWaveMaxBytes = 32 * 1024 * 1024;

// The error text for a file that cannot be played as wave audio.
QString notWaveAudio(const QString& fileName);

// Why `fileName` cannot be played: no regular file, larger than
// kWaveMaxBytes, or no RIFF WAVE file of uncompressed samples with a format
// chunk before its data chunk. None when it can.
std::optional<QString> waveProblem(const QString& fileName);
inline bool isWaveAudio(const QString& fileName) { return !waveProblem(fileName); }

// The playing time of such a file in milliseconds, by its header: the data
// chunk's size (no more than the file holds) over the bytes per second.
std::optional<int> waveLengthMs(const QString& fileName);

} // namespace keyer
