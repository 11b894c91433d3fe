#pragma once

#include <QString>
#include <optional>

// Checks a file for wave audio before it is handed to the multimedia system,
// which would only report a bad file later, asynchronously, and differently
// with every back end and sound card.
namespace keyer {

// The error text for a file that cannot be played as wave audio.
extern const char* const kNotWaveAudio;

// True when `fileName` is a RIFF WAVE file of uncompressed samples, with a
// format chunk before its data chunk.
bool isWaveAudio(const QString& fileName);

// The playing time of such a file in milliseconds, by its header: the data
// chunk's size (no more than the file holds) over the bytes per second.
std::optional<int> waveLengthMs(const QString& fileName);

} // namespace keyer
