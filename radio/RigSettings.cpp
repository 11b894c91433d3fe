// SPDX-License-Identifier: GPL-3.0-or-later
#include "radio/RigSettings.h"

#include "common/IniSettings.h"
#include "common/KvlError.h"

#include <QFileInfo>
#include <QStringList>
#include <limits>
#include <optional>

namespace radio {
namespace {

const QString kModelKey = QStringLiteral("Rig/model");
const QString kPortKey = QStringLiteral("Rig/port");
const QString kSpeedKey = QStringLiteral("Rig/speed");

QString badValue(const QString& fileName, const QString& key, const QString& value, const QString& meaning)
{
    return QStringLiteral("%1, [Rig] %2: «%3» — не %4. Трансивер не отслеживается; полоса и вид работы — вручную")
        .arg(QFileInfo(fileName).fileName(), key.section(QLatin1Char('/'), 1), value, meaning);
}

} // namespace

RigSettingsRead readRigSettings(const QString& fileName)
{
    RigSettingsRead read;
    const logbook::IniSettings file(fileName);
    if (!file.readable()) {
        read.problem = file.unreadableText(QStringLiteral("Трансивер не отслеживается; полоса и вид работы — вручную"));
        return read;
    }
    const QString model = file.text(kModelKey);
    const QString speed = file.text(kSpeedKey);
    const std::optional<int> modelNumber = logbook::iniWholeNumber(model, 0, std::numeric_limits<int>::max(), 0);
    const std::optional<int> baud = logbook::iniWholeNumber(speed, 0, std::numeric_limits<int>::max(), 0);
    if (!modelNumber)
        read.problem = badValue(fileName, kModelKey, model, QStringLiteral("номер модели Hamlib"));
    else if (!baud)
        read.problem = badValue(fileName, kSpeedKey, speed, QStringLiteral("скорость в бодах"));
    else
        read.settings = {*modelNumber, file.text(kPortKey).trimmed(), *baud};
    return read;
}

void writeRigSettings(const RigSettings& settings, const QString& fileName)
{
    logbook::IniSettings file(fileName);
    file.setValue(kModelKey, settings.model);
    file.setValue(kPortKey, settings.port);
    file.setValue(kSpeedKey, settings.speed);
    file.save();
}

QString rigDescription(const RigSettings& settings)
{
    const QString model = QStringLiteral("модель %1").arg(settings.model);
    return settings.port.isEmpty() ? model : model + QStringLiteral(", ") + settings.port;
}

} // namespace radio
