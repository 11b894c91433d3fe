// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keyer/ApdComPort.h"
#include "keyer/CwKeyer.h"
#include "keyer/KeyerSettings.h"
#include "keyer/KeyingPortLines.h"
#include "keyer/Macros.h"
#include "keyer/VoiceMessages.h"
#include "session/TransmitRules.h"

#include <functional>
#include <memory>
#include <optional>

namespace radio {
class RigPoller;
}

namespace session {

// The transmitter's devices, each with one owner: the keying port and its two
// lines (for the keyer and the voice PTT alike), the keyer device chosen in
// setup, the Morse keyer and the voice calls with their PTT. Troubles are
// told, never thrown at a key.
class Transmitter
{
public:
    using Trouble = std::function<void(const QString&)>;

    Transmitter(keyer::PortDevice& portDevice, keyer::KeyerTime& keyerTime, keyer::VoicePlayer& player1,
                keyer::VoicePlayer& player2);
    Transmitter(const Transmitter&) = delete;
    Transmitter& operator=(const Transmitter&) = delete;

    // Once per run: the keyer and the voice PTT of `settings` (the rig's own
    // through `rig`), then the keying port of the station data. `keyerTrouble`
    // hears the keyer's and the choice's troubles, `pttTrouble` the PTT's.
    void open(const keyer::KeyerSettingsRead& settings, const QString& portSetting, radio::RigPoller& rig,
              const Trouble& keyerTrouble, const Trouble& pttTrouble);
    void readTxDelay(const QString& text);
    // A message being keyed ends at once with both lines off.
    void close();

    // A keyer is chosen: the keying port or a keyer device.
    bool portSet() const { return m_device || m_port.portSet(); }
    bool sending() const { return m_keyer.Sending() == 1; }
    TransmitState state(logbook::Mode mode, bool ctrlLayer) const
    {
        return {mode, portSet(), sending(), m_voice.onAir(), ctrlLayer};
    }
    // Plays the call or keys the macro the rules chose; a macro returns only
    // when it has ended. Answers a keying line lost meanwhile.
    std::optional<QString> send(const Transmit& transmit, const keyer::MacroValues& values);
    // The keyer's keys (Pause, Esc, Page Up/Down, Alt+C); Esc also ends a
    // voice call. Answers whether the speed changed.
    bool keyHooks(int latinKey, Qt::KeyboardModifiers modifiers);
    // A band or mode change, the exit: what is on the air stops, PTT off.
    void stop();
    bool toggleShortZero();

    keyer::CwKeyer& keyer() { return m_keyer; }
    const keyer::CwKeyer& keyer() const { return m_keyer; }
    keyer::ApdComPort& port() { return m_port; }
    keyer::VoiceMessages& voice() { return m_voice; }

private:
    void openKeyerDevice(const keyer::KeyerSettings& settings, radio::RigPoller& rig, const Trouble& trouble);
    std::unique_ptr<keyer::PttSwitch> voicePtt(const keyer::KeyerSettings& settings, radio::RigPoller& rig,
                                               const Trouble& trouble);

    // The port outlives the keyer that switches its lines; both the keyer and
    // the voice PTT switch them through their one owner.
    keyer::ApdComPort m_port;
    keyer::KeyingPortLines m_lines;
    std::unique_ptr<keyer::KeyerDevice> m_device; // the keyer chosen in setup, if not DTR/RTS
    keyer::CwKeyer m_keyer;
    keyer::VoiceMessages m_voice;
};

} // namespace session
