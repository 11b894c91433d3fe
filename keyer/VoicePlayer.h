#pragma once

#include <QString>

// A wave-audio player of the main window (MediaPlayer1, MediaPlayer2).
namespace keyer {

class VoicePlayer
{
public:
    virtual ~VoicePlayer() = default;
    // Closes what the player had open, then opens `fileName`. Throws KvlError
    // when the file is not wave audio; the player then stays closed.
    virtual void open(const QString& fileName) = 0;
    // Starts the playback and returns at once: from the beginning when the
    // last one has ended, not at all while one is still playing. Throws
    // KvlError "No MCI device open" when nothing is open.
    virtual void play() = 0;
    virtual bool isOpen() const = 0;
};

} // namespace keyer
