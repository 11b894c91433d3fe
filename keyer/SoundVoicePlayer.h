// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/FileNames.h"
#include "keyer/VoicePlayer.h"

#include <memory>

class QSoundEffect;

// A voice player on Qt Multimedia's sound effect, which decodes the wave file
// itself and plays it through the audio output: it needs no media pipeline
// plugins, so a machine without them still starts and plays. The effect is
// made at the first successful opening, so a run without voice files never
// starts the audio back end. Where the machine has no sound output, nothing
// plays: the transmitter is never keyed for a call nobody would hear.
namespace keyer {

class SoundVoicePlayer : public VoicePlayer
{
public:
    SoundVoicePlayer();
    ~SoundVoicePlayer() override;

    void open(const QString& fileName) override;
    void play() override;
    void stop() override;
    bool isOpen() const override { return m_open; }
    bool isPlaying() const override;
    int lengthMs() const override { return m_open ? m_lengthMs : 0; }

private:
    void close();

    std::unique_ptr<QSoundEffect> m_effect;
    bool m_open = false;
    logbook::FileStamp m_file;
    bool m_undecodable = false; // the decoder refused m_file; said once
    int m_lengthMs = 0;
};

} // namespace keyer
