#include "MediaVoicePlayer.h"

#include "KvlError.h"
#include "WaveFile.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>

namespace keyer {

MediaVoicePlayer::MediaVoicePlayer() = default;

MediaVoicePlayer::~MediaVoicePlayer()
{
    close();
}

void MediaVoicePlayer::close()
{
    m_open = false;
    if (m_player) {
        m_player->stop();
        m_player->setSource(QUrl());
    }
}

void MediaVoicePlayer::open(const QString& fileName)
{
    close();
    if (!isWaveAudio(fileName))
        throw KvlError(QString::fromLatin1(kNotWaveAudio));
    if (!m_player) {
        m_output = std::make_unique<QAudioOutput>();
        m_player = std::make_unique<QMediaPlayer>();
        m_player->setAudioOutput(m_output.get());
    }
    m_player->setSource(QUrl::fromLocalFile(QFileInfo(fileName).absoluteFilePath()));
    m_open = true;
}

void MediaVoicePlayer::play()
{
    if (!m_open)
        throw KvlError(QStringLiteral("No MCI device open"));
    if (m_player->playbackState() == QMediaPlayer::PlayingState)
        return;
    if (m_player->mediaStatus() == QMediaPlayer::EndOfMedia)
        m_player->setPosition(0);
    m_player->play(); // a failure of the sound system shows nowhere
}

} // namespace keyer
