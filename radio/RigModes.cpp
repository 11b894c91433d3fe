// SPDX-License-Identifier: GPL-3.0-or-later
#include "radio/RigModes.h"

namespace radio {

std::optional<logbook::Mode> logModeOfRigMode(const QString& hamlibMode)
{
    static const char* const cw[] = {"CW", "CWR", "CWN"};
    static const char* const voice[] = {"USB", "LSB", "AM", "AMN", "FM", "FMN",
                                        "PKTUSB", "PKTLSB", "AM-D", "FM-D", "PKTFMN"};
    for (const char* m : cw) {
        if (hamlibMode == QLatin1String(m))
            return logbook::Mode::CW;
    }
    for (const char* m : voice) {
        if (hamlibMode == QLatin1String(m))
            return logbook::Mode::SSB;
    }
    return std::nullopt;
}

} // namespace radio
