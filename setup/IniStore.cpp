// SPDX-License-Identifier: GPL-3.0-or-later
#include "setup/IniStore.h"

#include "common/IniSettings.h"

#include <utility>

namespace setup {
namespace {

const QString kMasterPathKey = QStringLiteral("Master/path");
const QString kSideWindowSections[] = {QStringLiteral("Statistics"), QStringLiteral("BandMap"),
                                       QStringLiteral("ClusterWindow")};

bool sameWindow(const WindowSettingsRead& a, const WindowSettingsRead& b)
{
    return a.settings.textSize == b.settings.textSize && a.settings.geometry == b.settings.geometry
        && a.settings.maximised == b.settings.maximised && a.problem == b.problem;
}

} // namespace

IniStore::IniStore(QString fileName) : m_fileName(std::move(fileName)) {}

void IniStore::load()
{
    const logbook::IniSettings file(m_fileName);
    const radio::RigSettingsRead rig = radio::readRigSettings(m_fileName);
    const keyer::KeyerSettingsRead keyer = keyer::readKeyerSettings(m_fileName);
    const radio::ClusterSettingsRead cluster = radio::readClusterSettings(m_fileName);
    const radio::UdpSettingsRead udp = radio::readUdpSettings(m_fileName);
    const keyer::AudioSettingsRead audio = keyer::readAudioSettings(m_fileName);
    const ExportOptions exports = readExportOptions(m_fileName);
    const QString masterPath = file.text(kMasterPathKey).trimmed();
    const WindowSettingsRead window = readWindowSettings(file);
    const StationExchanges exchanges = readStationExchanges(m_fileName);
    std::array<SideWindowSettingsRead, 3> sideWindows;
    for (size_t i = 0; i < sideWindows.size(); ++i)
        sideWindows[i] = readSideWindowSettings(file, kSideWindowSections[i]);
    const auto take = [this](auto& held, const auto& read, bool same, Section section) {
        held = read;
        if (!same)
            Q_EMIT changed(section);
    };
    take(m_rig, rig, rig.settings == m_rig.settings && rig.problem == m_rig.problem, Section::Rig);
    take(m_keyer, keyer, keyer.settings == m_keyer.settings && keyer.problem == m_keyer.problem, Section::Keyer);
    take(m_cluster, cluster, cluster.settings == m_cluster.settings && cluster.problem == m_cluster.problem,
         Section::Cluster);
    take(m_udp, udp, udp.settings == m_udp.settings && udp.problem == m_udp.problem, Section::Udp);
    take(m_audio, audio, audio.settings == m_audio.settings && audio.problem == m_audio.problem, Section::Audio);
    take(m_exports, exports, exports == m_exports, Section::Exports);
    take(m_masterPath, masterPath, masterPath == m_masterPath, Section::Master);
    take(m_window, window, sameWindow(window, m_window), Section::Window);
    take(m_exchanges, exchanges, exchanges == m_exchanges, Section::Exchange);
    const auto sameSideWindows = [&] {
        for (size_t i = 0; i < sideWindows.size(); ++i) {
            if (!(sideWindows[i].settings == m_sideWindows[i].settings) || sideWindows[i].problem != m_sideWindows[i].problem)
                return false;
        }
        return true;
    };
    take(m_sideWindows, sideWindows, sameSideWindows(), Section::SideWindows);
}

// A value read with a problem keeps it until setup sets another value.
template <class Read, class Settings, class Write>
void IniStore::replace(Read& held, const Settings& settings, Write write, Section section)
{
    if (settings == held.settings)
        return;
    write(settings, m_fileName);
    held = {settings, QString()};
    Q_EMIT changed(section);
}

void IniStore::setRig(const radio::RigSettings& settings)
{
    replace(m_rig, settings, radio::writeRigSettings, Section::Rig);
}

void IniStore::setKeyer(const keyer::KeyerSettings& settings)
{
    replace(m_keyer, settings, keyer::writeKeyerSettings, Section::Keyer);
}

void IniStore::setExports(const ExportOptions& options)
{
    if (options == m_exports)
        return;
    writeExportOptions(options, m_fileName);
    m_exports = options;
    Q_EMIT changed(Section::Exports);
}

void IniStore::setAssisted(bool assisted)
{
    if (assisted == m_exports.assisted)
        return;
    writeExportAssisted(assisted, m_fileName);
    m_exports.assisted = assisted;
    Q_EMIT changed(Section::Exports);
}

void IniStore::setCluster(const radio::ClusterSettings& settings)
{
    replace(m_cluster, settings, radio::writeClusterSettings, Section::Cluster);
}

void IniStore::setUdp(const radio::UdpSettings& settings)
{
    replace(m_udp, settings, radio::writeUdpSettings, Section::Udp);
}

void IniStore::setAudio(const keyer::AudioSettings& settings)
{
    replace(m_audio, settings, keyer::writeAudioSettings, Section::Audio);
}

void IniStore::setMasterPath(const QString& path)
{
    if (path.trimmed() == m_masterPath)
        return;
    logbook::IniSettings file(m_fileName);
    file.setValue(kMasterPathKey, path.trimmed());
    file.save();
    m_masterPath = path.trimmed();
    Q_EMIT changed(Section::Master);
}

StationExchange IniStore::exchange(const QString& contestId) const
{
    const auto held = m_exchanges.find(contestId);
    return held == m_exchanges.end() ? StationExchange() : held->second;
}

// A contest without an id has no entry to keep its values under.
void IniStore::setExchange(const QString& contestId, const StationExchange& exchange)
{
    const StationExchange clean = cleanExchange(exchange);
    if (contestId.isEmpty() || clean == this->exchange(contestId))
        return;
    writeStationExchange(contestId, clean, m_fileName);
    if (clean.empty())
        m_exchanges.erase(contestId);
    else
        m_exchanges[contestId] = clean;
    Q_EMIT changed(Section::Exchange);
}

void IniStore::setWindow(const WindowSettings& settings)
{
    logbook::IniSettings file(m_fileName);
    writeWindowSettings(file, settings);
    file.save();
    m_window = {settings, std::nullopt};
}

void IniStore::setSideWindow(SideWindow which, const SideWindowSettings& settings)
{
    SideWindowSettingsRead& held = m_sideWindows[size_t(which)];
    if (settings == held.settings && !held.problem)
        return;
    logbook::IniSettings file(m_fileName);
    writeSideWindowSettings(file, kSideWindowSections[size_t(which)], settings);
    file.save();
    held = {settings, std::nullopt};
}

} // namespace setup
