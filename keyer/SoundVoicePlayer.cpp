// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyer/SoundVoicePlayer.h"

#include "common/KvlError.h"
#include "keyer/WaveFile.h"

#include <QFileInfo>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace keyer {

SoundVoicePlayer::SoundVoicePlayer() = default;

SoundVoicePlayer::~SoundVoicePlayer()
{
    close();
}

void SoundVoicePlayer::close()
{
    m_open = false;
    if (m_effect) {
        m_effect->stop();
        m_effect->setSource(QUrl());
    }
}

void SoundVoicePlayer::open(const QString& fileName)
{
    const logbook::FileStamp file = logbook::FileStamp::of(fileName);
    // The file the decoder refused, unchanged: it was said once, and the
    // player stays quiet until the file changes.
    if (m_undecodable && file == m_file)
        return;
    close();
    m_undecodable = false;
    // Checked here, at once: the effect would only report a bad file later,
    // asynchronously.
    if (const std::optional<QString> problem = waveProblem(fileName))
        throw KvlError(*problem);
    if (!m_effect) {
        m_effect = std::make_unique<QSoundEffect>();
        QObject::connect(m_effect.get(), &QSoundEffect::playingChanged, [this] { playingChanged(); });
    }
    m_effect->setSource(QUrl::fromLocalFile(file.path));
    m_file = file;
    m_lengthMs = waveLengthMs(fileName).value_or(0);
    m_open = true;
}

void SoundVoicePlayer::stop()
{
    if (m_effect)
        m_effect->stop();
}

bool SoundVoicePlayer::isPlaying() const
{
    return m_open && m_effect && m_effect->isPlaying();
}

void SoundVoicePlayer::play()
{
    if (m_undecodable)
        return;
    if (!m_open)
        throw KvlError(QStringLiteral("No MCI device open"));
    // The file loads in the background; a wave file its decoder cannot read
    // shows here, at the first press after the load failed.
    if (m_effect->status() == QSoundEffect::Error) {
        close();
        m_undecodable = true;
        throw KvlError(notWaveAudio(QFileInfo(m_file.path).fileName()));
    }
    // A message still playing plays on; one that has ended starts again from
    // its beginning. Where no sound can be made (no sound server, no audio
    // device) nothing is said: the operator hears it.
    if (!m_effect->isPlaying() && !QMediaDevices::audioOutputs().isEmpty())
        m_effect->play();
}

} // namespace keyer
