#include "common/IniSettings.h"

#include "common/FileNames.h"
#include "common/KvlError.h"

#include <QFileInfo>
#include <QStringList>

namespace logbook {

IniSettings::IniSettings(const QString& fileName)
    : m_settings(existingFileName(fileName), QSettings::IniFormat)
{
}

QString IniSettings::displayName() const
{
    return QFileInfo(m_settings.fileName()).fileName();
}

QString IniSettings::text(const QString& key) const
{
    const QVariant value = m_settings.value(key);
    return value.metaType().id() == QMetaType::QStringList ? value.toStringList().join(QLatin1Char(','))
                                                             : value.toString();
}

void IniSettings::save()
{
    m_settings.sync();
    if (m_settings.status() != QSettings::NoError)
        throw KvlError(QStringLiteral("Не удалось записать файл %1").arg(displayName()));
}

} // namespace logbook
