// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/IniSettings.h"

#include <QString>

// The rig the logger follows, kept in kvl.ini beside the station data file
// (whose 105-line format has no room for it):
//
//   [Rig]
//   model=2                 ; Hamlib's model number (`rigctl -l`); 0 or absent: none
//   port=127.0.0.1:4532     ; a device (/dev/ttyUSB1) or, for model 2, rigctld's host:port
//   speed=38400             ; baud; 0 or absent: the rig's own default
namespace radio {

constexpr int kNetRigctlModel = 2; // Hamlib's network rig, served by rigctld

struct RigSettings
{
    int model = 0;
    QString port;
    int speed = 0;

    bool enabled() const { return model > 0; }
    bool operator==(const RigSettings& o) const { return model == o.model && port == o.port && speed == o.speed; }
    bool operator!=(const RigSettings& o) const { return !(*this == o); }
};

struct RigSettingsRead
{
    RigSettings settings; // no rig when `problem` is set
    QString problem;      // what is wrong with the file, for the operator
};

// A missing file or section means no rig. A value that is no number, or a
// negative one, means no rig and a problem naming it.
RigSettingsRead readRigSettings(const QString& fileName = logbook::kIniFileName);

// Writes the section, keeping whatever else the file holds. Throws KvlError
// when the file cannot be written.
void writeRigSettings(const RigSettings& settings, const QString& fileName = logbook::kIniFileName);

// "модель 2, 127.0.0.1:4532", for messages.
QString rigDescription(const RigSettings& settings);

} // namespace radio
