#pragma once

#include <QString>

// Checks a file for wave audio before it is handed to the multimedia system,
// which would only report a bad file later, asynchronously, and differently
// with every back end and sound card.
namespace keyer {

// The error text for a file that cannot be played as wave audio.
extern const char* const kNotWaveAudio;

// True when `fileName` is a RIFF WAVE file of uncompressed samples, with a
// format chunk before its data chunk.
bool isWaveAudio(const QString& fileName);

} // namespace keyer
