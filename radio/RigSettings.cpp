#include "radio/RigSettings.h"

#include "common/KvlError.h"

#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <optional>

namespace radio {
namespace {

const QString kModelKey = QStringLiteral("Rig/model");
const QString kPortKey = QStringLiteral("Rig/port");
const QString kSpeedKey = QStringLiteral("Rig/speed");

// INI values with a comma come back as lists.
QString text(const QVariant& value)
{
    return value.metaType().id() == QMetaType::QStringList ? value.toStringList().join(QLatin1Char(','))
                                                             : value.toString();
}

// An absent or empty value is 0.
std::optional<int> count(const QString& value)
{
    if (value.trimmed().isEmpty())
        return 0;
    bool ok = false;
    const int n = value.trimmed().toInt(&ok);
    return ok && n >= 0 ? std::optional<int>(n) : std::nullopt;
}

QString badValue(const QString& fileName, const QString& key, const QString& value, const QString& meaning)
{
    return QStringLiteral("%1, [Rig] %2: '%3' is not %4. The rig is not followed; the band and mode are set by hand")
        .arg(QFileInfo(fileName).fileName(), key.section(QLatin1Char('/'), 1), value, meaning);
}

} // namespace

RigSettingsRead readRigSettings(const QString& fileName)
{
    RigSettingsRead read;
    QSettings file(fileName, QSettings::IniFormat);
    if (file.status() != QSettings::NoError) {
        read.problem = QStringLiteral("%1 cannot be read. The rig is not followed; the band and mode are set by hand")
                           .arg(QFileInfo(fileName).fileName());
        return read;
    }
    const QString model = text(file.value(kModelKey));
    const QString speed = text(file.value(kSpeedKey));
    const std::optional<int> modelNumber = count(model);
    const std::optional<int> baud = count(speed);
    if (!modelNumber)
        read.problem = badValue(fileName, kModelKey, model, QStringLiteral("a Hamlib model number"));
    else if (!baud)
        read.problem = badValue(fileName, kSpeedKey, speed, QStringLiteral("a speed in baud"));
    else
        read.settings = {*modelNumber, text(file.value(kPortKey)).trimmed(), *baud};
    return read;
}

void writeRigSettings(const RigSettings& settings, const QString& fileName)
{
    QSettings file(fileName, QSettings::IniFormat);
    file.setValue(kModelKey, settings.model);
    file.setValue(kPortKey, settings.port);
    file.setValue(kSpeedKey, settings.speed);
    file.sync();
    if (file.status() != QSettings::NoError)
        throw KvlError(QStringLiteral("Cannot write file %1").arg(QFileInfo(fileName).fileName()));
}

QString rigDescription(const RigSettings& settings)
{
    const QString model = QStringLiteral("model %1").arg(settings.model);
    return settings.port.isEmpty() ? model : model + QStringLiteral(" at ") + settings.port;
}

} // namespace radio
