// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

// A wave-audio player of the main window (MediaPlayer1, MediaPlayer2).
namespace keyer {

class VoicePlayer
{
public:
    using PlayingChanged = std::function<void()>;

    virtual ~VoicePlayer() = default;
    // Closes what the player had open, then opens `fileName`. Throws KvlError
    // when the file is not wave audio; the player then stays closed.
    virtual void open(const QString& fileName) = 0;
    // Starts the playback and returns at once: from the beginning when the
    // last one has ended, not at all while one is still playing. Throws
    // KvlError "No MCI device open" when nothing is open.
    virtual void play() = 0;
    // Ends the playback at once; nothing when none is going on.
    virtual void stop() = 0;
    virtual bool isOpen() const = 0;
    // The sound output is taking the file now.
    virtual bool isPlaying() const = 0;
    // The open file's playing time by its header; 0 when nothing is open.
    virtual int lengthMs() const = 0;

    // Told on the owner's thread whenever isPlaying() changes.
    void setPlayingChanged(PlayingChanged handler) { m_playingChanged = std::move(handler); }

protected:
    void playingChanged()
    {
        if (m_playingChanged)
            m_playingChanged();
    }

private:
    PlayingChanged m_playingChanged;
};

} // namespace keyer
