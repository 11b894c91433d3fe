// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/Transmitter.h"

#include "radio/CatKeyerDevice.h"
#include "radio/CatPttSwitch.h"

namespace session {

using keyer::KeyerKind;
using keyer::VoicePtt;

Transmitter::Transmitter(keyer::PortDevice& portDevice, keyer::KeyerTime& keyerTime, keyer::VoicePlayer& player1,
                         keyer::VoicePlayer& player2)
    : m_port(portDevice), m_lines(m_port), m_keyer(m_lines.keyerHand(), keyerTime), m_voice(player1, player2)
{
}

void Transmitter::open(const keyer::KeyerSettingsRead& settings, const QString& portSetting, radio::RigPoller& rig,
                       const Trouble& keyerTrouble, const Trouble& pttTrouble)
{
    keyerTrouble(settings.problem);
    openKeyerDevice(settings.settings, rig, keyerTrouble);
    m_voice.setPtt(voicePtt(settings.settings, rig, keyerTrouble), pttTrouble);
    m_port.openFromSetting(portSetting);
}

void Transmitter::openKeyerDevice(const keyer::KeyerSettings& settings, radio::RigPoller& rig, const Trouble& trouble)
{
    m_device = settings.kind == KeyerKind::Cat ? std::make_unique<radio::CatKeyerDevice>(rig)
                                               : keyer::makeKeyerDevice(settings);
    if (!m_device)
        return;
    m_keyer.setDevice(m_device.get(), trouble);
    m_device->open(keyer::wordsPerMinute(m_keyer.DashTime()));
}

// A keyer's own PTT needs that keyer chosen for CW; otherwise the voice calls
// key nothing, and the trouble says why.
std::unique_ptr<keyer::PttSwitch> Transmitter::voicePtt(const keyer::KeyerSettings& settings, radio::RigPoller& rig,
                                                        const Trouble& trouble)
{
    const auto deviceOf = [&](KeyerKind kind, const char* name) -> std::unique_ptr<keyer::PttSwitch> {
        if (settings.kind == kind && m_device)
            return std::make_unique<keyer::DevicePtt>(*m_device);
        trouble(QStringLiteral("PTT для голоса через %1, а манипуляция не %1: PTT не включается").arg(QLatin1String(name)));
        return nullptr;
    };
    switch (settings.voicePtt) {
    case VoicePtt::CatMic: return std::make_unique<radio::CatPttSwitch>(rig, radio::RigPtt::Mic);
    case VoicePtt::CatData: return std::make_unique<radio::CatPttSwitch>(rig, radio::RigPtt::Data);
    case VoicePtt::Rts: return std::make_unique<keyer::LinePtt>(m_lines.voiceHand());
    case VoicePtt::WinKeyer: return deviceOf(KeyerKind::WinKeyer, "WinKeyer");
    case VoicePtt::CwDaemon: return deviceOf(KeyerKind::CwDaemon, "cwdaemon");
    default: return nullptr;
    }
}

void Transmitter::readTxDelay(const QString& text)
{
    m_keyer.ReadTxDelay(text);
    m_voice.setTxDelay(m_keyer.TxDelayTime());
}

void Transmitter::close()
{
    m_keyer.shutdown();
    m_port.setOpen(false);
}

std::optional<QString> Transmitter::send(const Transmit& transmit, const keyer::MacroValues& values)
{
    if (transmit.voiceCall)
        m_voice.play(transmit.voiceCall);
    if (!transmit.macro)
        return std::nullopt;
    m_port.reopenIfLost();
    keyer::Macros(*transmit.macro, values, m_keyer);
    return m_port.takeLineLoss();
}

bool Transmitter::keyHooks(int latinKey, Qt::KeyboardModifiers modifiers)
{
    if (latinKey == Qt::Key_Escape)
        m_voice.stop(); // a voice call on the air ends at once, PTT off
    const int dashTime = m_keyer.DashTime();
    m_keyer.keyHooks(latinKey, modifiers);
    return m_keyer.DashTime() != dashTime;
}

void Transmitter::stop()
{
    m_voice.stop();
    m_keyer.EscKey();
}

bool Transmitter::toggleShortZero()
{
    m_keyer.setShortZero(!m_keyer.shortZero());
    return m_keyer.shortZero();
}

} // namespace session
