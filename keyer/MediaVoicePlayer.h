#pragma once

#include "VoicePlayer.h"

#include <memory>

class QAudioOutput;
class QMediaPlayer;

// A voice player on Qt Multimedia. The media player is made at the first
// successful opening, so a run without voice files never starts the
// multimedia back end.
namespace keyer {

class MediaVoicePlayer : public VoicePlayer
{
public:
    MediaVoicePlayer();
    ~MediaVoicePlayer() override;

    void open(const QString& fileName) override;
    void play() override;
    bool isOpen() const override { return m_open; }

private:
    void close();

    std::unique_ptr<QAudioOutput> m_output;
    std::unique_ptr<QMediaPlayer> m_player;
    bool m_open = false;
};

} // namespace keyer
