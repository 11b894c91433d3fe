// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/IniSettings.h"

#include <QList>
#include <QString>

// Where KVL sends its contacts and its rig for the station's other tools
// (recorders, score boards, a second logbook), kept in kvl.ini:
//
//   [Udp]
//   destinations=127.0.0.1:12060,192.168.1.255:12060   ; empty or absent: nothing sent (the default)
//   log=3f0c...                                      ; this log's own mark, for the contacts' ids
namespace radio {

constexpr int kDefaultUdpPort = 12060;

struct UdpDestination
{
    QString host; // a numeric address or a name
    int port = kDefaultUdpPort;

    QString text() const; // "host:port"
    bool operator==(const UdpDestination& o) const { return host == o.host && port == o.port; }
};

struct UdpDestinationsRead
{
    QList<UdpDestination> destinations;
    QStringList refused; // the entries that name no host:port, as written
};
// "host:port" entries between commas, blanks or semicolons; an IPv6
// address is written in brackets, "[::1]:12060". A host without a port
// takes the usual 12060.
UdpDestinationsRead parseUdpDestinations(const QString& text);
QString udpDestinationsText(const QList<UdpDestination>& destinations);

struct UdpSettings
{
    QList<UdpDestination> destinations;
    bool enabled() const { return !destinations.isEmpty(); }
    bool operator==(const UdpSettings& o) const { return destinations == o.destinations; }
};

struct UdpSettingsRead
{
    UdpSettings settings;
    QString problem; // the entries left out, for the operator; empty: nothing wrong
};

UdpSettingsRead readUdpSettings(const QString& fileName = logbook::kIniFileName);
// Writes the destinations, keeping whatever else the file holds. Throws
// KvlError naming the file when it cannot be written.
void writeUdpSettings(const UdpSettings& settings, const QString& fileName = logbook::kIniFileName);

// The log's mark: a new log takes a new one, so that its contacts' ids
// differ from those of the log before it. Empty when none was made yet.
QString readUdpLogMark(const QString& fileName = logbook::kIniFileName);
void writeUdpLogMark(const QString& mark, const QString& fileName = logbook::kIniFileName);

} // namespace radio
