// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/IniSettings.h"

#include <QString>
#include <memory>

// Who does the keying, kept in kvl.ini beside the station data file (whose
// 105-line format keeps line 19 for the DTR/RTS port):
//
//   [Keyer]
//   type=dtr                 ; dtr (the default), winkeyer, cwdaemon or cat (the rig, over [Rig])
//   winkeyer=ttyUSB0         ; the WinKeyer's serial port
//   cwdaemon=127.0.0.1:6789  ; cwdaemon's host:port
//   voiceptt=none            ; PTT for the voice calls: none (the rig's VOX), cat-mic,
//                            ; cat-data (the rig's USB sound card), rts (the keying
//                            ; port), winkeyer or cwdaemon (the keyer's PTT output)
//
// Read once at the start: a change applies at the next one, as the port does.
namespace keyer {

class KeyerDevice;

enum class KeyerKind { Dtr, WinKeyer, CwDaemon, Cat };
enum class VoicePtt { None, CatMic, CatData, Rts, WinKeyer, CwDaemon };

inline const QString kDefaultCwDaemonAddress = QStringLiteral("127.0.0.1:6789");

struct KeyerSettings
{
    KeyerKind kind = KeyerKind::Dtr;
    QString winKeyerPort;
    QString cwDaemonAddress = kDefaultCwDaemonAddress;
    VoicePtt voicePtt = VoicePtt::None;

    bool operator==(const KeyerSettings& o) const
    {
        return kind == o.kind && winKeyerPort == o.winKeyerPort && cwDaemonAddress == o.cwDaemonAddress
               && voicePtt == o.voicePtt;
    }
    bool operator!=(const KeyerSettings& o) const { return !(*this == o); }
};

struct KeyerSettingsRead
{
    KeyerSettings settings; // the DTR keyer when `problem` is set
    QString problem; // every unknown value, one after the other
};

// A missing file, section or type: the DTR keyer, no PTT for voice. An
// unknown type: the DTR keyer and a problem naming it; an unknown voiceptt:
// none, and a problem naming it.
KeyerSettingsRead readKeyerSettings(const QString& fileName = logbook::kIniFileName);
// Throws KvlError when the file cannot be written.
void writeKeyerSettings(const KeyerSettings& settings, const QString& fileName = logbook::kIniFileName);

// The device of the choice; none for the DTR keyer and the rig's own (the
// window makes that one on the rig's connection).
std::unique_ptr<KeyerDevice> makeKeyerDevice(const KeyerSettings& settings);

} // namespace keyer
