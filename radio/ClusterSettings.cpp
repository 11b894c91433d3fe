// SPDX-License-Identifier: GPL-3.0-or-later
#include "radio/ClusterSettings.h"

#include "common/IniSettings.h"

#include <QFileInfo>
#include <QStringList>
#include <optional>

namespace radio {
namespace {

const QString kHostKey = QStringLiteral("Cluster/host");
const QString kPortKey = QStringLiteral("Cluster/port");
const QString kCallKey = QStringLiteral("Cluster/call");
const QString kAgeKey = QStringLiteral("Cluster/age");
constexpr int kLongestSpotMinutes = 7 * 24 * 60; // a spot a week old is no spot

QString badValue(const QString& fileName, const QString& key, const QString& value, const QString& meaning)
{
    return QStringLiteral("%1, [Cluster] %2: «%3» — %4")
        .arg(QFileInfo(fileName).fileName(), key.section(QLatin1Char('/'), 1), value, meaning);
}

} // namespace

ClusterSettingsRead readClusterSettings(const QString& fileName)
{
    ClusterSettingsRead read;
    const logbook::IniSettings file(fileName);
    if (!file.readable()) {
        read.problem = file.unreadableText(QStringLiteral("Кластер не подключается"));
        return read;
    }
    QStringList problems;
    ClusterSettings& s = read.settings;
    s.host = file.text(kHostKey).trimmed();
    s.call = file.text(kCallKey).trimmed();

    const QString port = file.text(kPortKey);
    if (const std::optional<int> n = logbook::iniWholeNumber(port, 1, 65535, kDefaultClusterPort))
        s.port = *n;
    else
        problems << badValue(fileName, kPortKey, port,
                             QStringLiteral("не номер порта; взят %1").arg(kDefaultClusterPort));

    const QString age = file.text(kAgeKey);
    if (const std::optional<int> n = logbook::iniWholeNumber(age, 1, kLongestSpotMinutes, kDefaultSpotMinutes))
        s.spotMinutes = *n;
    else
        problems << badValue(fileName, kAgeKey, age,
                             QStringLiteral("не число минут от 1 до %1; взято %2")
                                 .arg(kLongestSpotMinutes)
                                 .arg(kDefaultSpotMinutes));

    read.problem = problems.join(QLatin1Char('\n'));
    return read;
}

void writeClusterSettings(const ClusterSettings& settings, const QString& fileName)
{
    logbook::IniSettings file(fileName);
    file.setValue(kHostKey, settings.host);
    file.setValue(kPortKey, settings.port);
    file.setValue(kCallKey, settings.call);
    file.setValue(kAgeKey, settings.spotMinutes);
    file.save();
}

} // namespace radio
