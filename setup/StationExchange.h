// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/IniSettings.h"

#include <QString>
#include <map>

// The station's own values a contest's exchange may send that the station
// data file has no room for, one entry per contest keyed by the contest's
// Cabrillo id, kept in kvl.ini:
//
//   [Exchange]
//   VLADIMIR-TEST\group=vl     ; the station group of the description; empty: none of them
//   VLADIMIR-TEST\code=VL01    ; the station's own code of the contest's list
//   VLADIMIR-TEST\zone=16      ; the station's own zone
namespace setup {

struct StationExchange
{
    QString group;
    QString code;
    QString zone;

    bool empty() const { return group.isEmpty() && code.isEmpty() && zone.isEmpty(); }
    bool operator==(const StationExchange& o) const { return group == o.group && code == o.code && zone == o.zone; }
    bool operator!=(const StationExchange& o) const { return !(*this == o); }
};

// By contest id; a contest that has no entry has empty values.
using StationExchanges = std::map<QString, StationExchange>;

// The values as kept: trimmed, the code in upper case, a zone that is not one
// or two digits empty.
StationExchange cleanExchange(const StationExchange& exchange);

// A missing or unreadable file gives none; an entry with only empty values is none.
StationExchanges readStationExchanges(const QString& fileName = logbook::kIniFileName);
// One contest's values, cleaned; empty values remove its entry. Keeps whatever
// else the file holds. Throws KvlError naming the file when it cannot be written.
void writeStationExchange(const QString& contestId, const StationExchange& exchange,
                          const QString& fileName = logbook::kIniFileName);

} // namespace setup
