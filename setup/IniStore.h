// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keyer/AudioSettings.h"
#include "keyer/KeyerSettings.h"
#include "radio/ClusterSettings.h"
#include "radio/RigSettings.h"
#include "radio/UdpSettings.h"
#include "setup/ExportOptions.h"
#include "setup/StationExchange.h"
#include "setup/WindowSettings.h"

#include <QObject>
#include <QString>
#include <array>

// kvl.ini's values in memory, each typed: read from the file at start-up and
// when setup opens, written to it when setup sets one that differs. Everyone
// else reads them here.
namespace setup {

class IniStore : public QObject
{
    Q_OBJECT
public:
    enum class Section { Rig, Keyer, Exports, Master, Window, Exchange, SideWindows, Cluster, Udp, Audio };
    // The windows beside the main one whose place is kept: sections
    // [Statistics], [BandMap] and [ClusterWindow].
    enum class SideWindow { Statistics, BandMap, Cluster };

    explicit IniStore(QString fileName = logbook::kIniFileName);

    // Reads every section again; a section that changed says so.
    void load();

    const radio::RigSettingsRead& rig() const { return m_rig; }
    const keyer::KeyerSettingsRead& keyer() const { return m_keyer; }
    const radio::ClusterSettingsRead& cluster() const { return m_cluster; }
    const radio::UdpSettingsRead& udp() const { return m_udp; }
    const keyer::AudioSettingsRead& audio() const { return m_audio; }
    // The log's mark for the contacts' ids, read from the file at each call.
    QString udpLogMark() const { return radio::readUdpLogMark(m_fileName); }
    const ExportOptions& exports() const { return m_exports; }
    // The master file setup chose (`Master/path`); empty: none.
    const QString& masterPath() const { return m_masterPath; }
    const WindowSettingsRead& window() const { return m_window; }
    const SideWindowSettingsRead& sideWindow(SideWindow which) const { return m_sideWindows[size_t(which)]; }
    // The station's own exchange values by contest id; empty for a contest without any.
    const StationExchanges& exchanges() const { return m_exchanges; }
    StationExchange exchange(const QString& contestId) const;

    // Each writes its section when it differs from what is held, so that a
    // station that sets nothing gets no kvl.ini. Throws KvlError naming the
    // file when it cannot be written; the value held then stays.
    void setRig(const radio::RigSettings& settings);
    void setKeyer(const keyer::KeyerSettings& settings);
    void setExports(const ExportOptions& options);
    // CATEGORY-ASSISTED alone, for the main window: the rest of [Export] stays as the file has it.
    void setAssisted(bool assisted);
    void setCluster(const radio::ClusterSettings& settings);
    void setUdp(const radio::UdpSettings& settings);
    void setAudio(const keyer::AudioSettings& settings);
    void setUdpLogMark(const QString& mark) { radio::writeUdpLogMark(mark, m_fileName); }
    void setMasterPath(const QString& path);
    void setWindow(const WindowSettings& settings); // written every time: the window's place moves
    void setSideWindow(SideWindow which, const SideWindowSettings& settings);
    void setExchange(const QString& contestId, const StationExchange& exchange); // kept cleaned

Q_SIGNALS:
    void changed(setup::IniStore::Section section);

private:
    template <class Read, class Settings, class Write>
    void replace(Read& held, const Settings& settings, Write write, Section section);

    QString m_fileName;
    radio::RigSettingsRead m_rig;
    keyer::KeyerSettingsRead m_keyer;
    radio::ClusterSettingsRead m_cluster;
    radio::UdpSettingsRead m_udp;
    keyer::AudioSettingsRead m_audio;
    ExportOptions m_exports;
    QString m_masterPath;
    WindowSettingsRead m_window;
    std::array<SideWindowSettingsRead, 3> m_sideWindows;
    StationExchanges m_exchanges;
};

} // namespace setup
