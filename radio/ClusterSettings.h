// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/IniSettings.h"

#include <QString>

// The DX cluster node KVL reads spots from, kept in kvl.ini:
//
//   [Cluster]
//   host=dxc.example.org    ; empty or absent: no cluster (the default)
//   port=7300               ; the node's telnet port
//   call=UA3AAA             ; the login call; empty: the station's call sign
//   age=30                  ; minutes a spot stays on the band map
namespace radio {

constexpr int kDefaultClusterPort = 7300;
constexpr int kDefaultSpotMinutes = 30;

struct ClusterSettings
{
    QString host;
    int port = kDefaultClusterPort;
    QString call;
    int spotMinutes = kDefaultSpotMinutes;

    bool enabled() const { return !host.trimmed().isEmpty(); }
    bool operator==(const ClusterSettings& o) const
    {
        return host == o.host && port == o.port && call == o.call && spotMinutes == o.spotMinutes;
    }
    bool operator!=(const ClusterSettings& o) const { return !(*this == o); }
};

struct ClusterSettingsRead
{
    ClusterSettings settings; // a value that could not be read takes its default
    QString problem;          // what is wrong with the file, for the operator; empty: nothing
};

// A missing file or section means no cluster. A port outside 1..65535 or an
// age that is no positive number takes its default and names the problem.
ClusterSettingsRead readClusterSettings(const QString& fileName = logbook::kIniFileName);

// Writes the section, keeping whatever else the file holds. Throws KvlError
// naming the file when it cannot be written.
void writeClusterSettings(const ClusterSettings& settings, const QString& fileName = logbook::kIniFileName);

} // namespace radio
