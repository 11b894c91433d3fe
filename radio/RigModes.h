// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "log/BandTable.h"

#include <QString>
#include <optional>

namespace radio {

// The logger's mode for a rig mode: the CW modes give CW; the voice modes
// (USB, LSB, AM, FM, their narrow forms, and their data forms, which carry
// voice messages played from the computer on many rigs) give SSB. Anything
// else (RTTY, digital voice, ...) gives none, and the mode stays as it is.
std::optional<logbook::Mode> logModeOfRigMode(const QString& hamlibMode);

} // namespace radio
