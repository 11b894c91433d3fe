// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyer/VoiceMessages.h"

#include "common/FileNames.h"

#include <QFileInfo>
#include <algorithm>

namespace keyer {

namespace {

constexpr int kBeyondLengthMs = 1000;

} // namespace

VoiceMessages::VoiceMessages(VoicePlayer& MediaPlayer1, VoicePlayer& MediaPlayer2)
    : m_players {&MediaPlayer1, &MediaPlayer2}
{
    for (VoicePlayer* player : m_players)
        player->setPlayingChanged([this] { playingChanged(); });
    m_lead.setSingleShot(true);
    m_longest.setSingleShot(true);
    QObject::connect(&m_lead, &QTimer::timeout, [this] { switchPtt(m_onAir); });
    QObject::connect(&m_longest, &QTimer::timeout, [this] { stop(); });
}

VoiceMessages::~VoiceMessages()
{
    for (VoicePlayer* player : m_players)
        player->setPlayingChanged(nullptr);
    stop();
}

const std::array<QString, 2>& VoiceMessages::fileNames()
{
    static const std::array<QString, 2> names = {QStringLiteral("CQ1.Wav"), QStringLiteral("CQ2.Wav")};
    return names;
}

void VoiceMessages::OpenVoiceFiles()
{
    for (size_t i = 0; i < m_players.size(); ++i) {
        const QString name = logbook::existingFileName(fileNames()[i]);
        if (!QFileInfo::exists(name))
            continue;
        const logbook::FileStamp current = logbook::FileStamp::of(name);
        if (current == m_reported[i])
            continue; // already reported as it stands
        try {
            m_players[i]->open(name);
            m_reported[i] = logbook::FileStamp();
        } catch (...) {
            m_reported[i] = current;
            throw;
        }
    }
}

void VoiceMessages::play(int message)
{
    const size_t i = size_t(message - 1);
    if (i >= m_players.size() || !logbook::fileExists(fileNames()[i]))
        return;
    VoicePlayer& player = *m_players[i];
    const bool wasPlaying = player.isPlaying();
    player.play();
    // Each start of a call (not one pressed again while it plays) has its
    // own bound.
    if (m_ptt && !wasPlaying)
        m_longest.start(player.lengthMs() + kBeyondLengthMs);
    playingChanged();
}

void VoiceMessages::setPtt(std::unique_ptr<PttSwitch> ptt, PttSwitch::Trouble trouble)
{
    stop();
    m_ptt = std::move(ptt);
    m_trouble = std::move(trouble);
    if (!m_ptt)
        return;
    m_ptt->setTrouble([this](const QString& text) { say(text); });
}

bool VoiceMessages::anyPlaying() const
{
    return std::any_of(m_players.begin(), m_players.end(), [](const VoicePlayer* p) { return p->isPlaying(); });
}

void VoiceMessages::playingChanged()
{
    if (!m_ptt)
        return;
    const bool playing = anyPlaying();
    if (playing == m_onAir)
        return;
    m_onAir = playing;
    if (!playing) {
        stop();
        return;
    }
    const int lead = m_ptt->leadsItself() ? 0 : m_txDelayMs;
    if (lead > 0)
        m_lead.start(lead);
    else
        switchPtt(true);
}

void VoiceMessages::stop()
{
    m_onAir = false;
    m_lead.stop();
    m_longest.stop();
    for (VoicePlayer* player : m_players)
        player->stop();
    switchPtt(false);
}

void VoiceMessages::switchPtt(bool on)
{
    if (!m_ptt || on == m_pttOn)
        return;
    m_pttOn = on;
    if (on)
        say(QString()); // a trouble said before is over or is said again
    m_ptt->setPtt(on);
}

void VoiceMessages::say(const QString& trouble)
{
    if (!trouble.isEmpty())
        stop();
    if (trouble == m_troubleSaid)
        return;
    m_troubleSaid = trouble;
    if (m_trouble)
        m_trouble(trouble);
}

} // namespace keyer
