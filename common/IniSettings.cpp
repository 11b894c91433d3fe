// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/IniSettings.h"

#include "common/FileContent.h"
#include "common/FileNames.h"
#include "common/KvlError.h"

#include <QFileInfo>
#include <QStringList>

namespace logbook {

namespace {

std::optional<QString> refusalOf(const QString& name)
{
    if (std::optional<QString> why = notRegularFile(name))
        return why;
    if (QFileInfo(name).size() > kIniMaxBytes)
        return QStringLiteral("он больше %1").arg(sizeText(kIniMaxBytes));
    return std::nullopt;
}

// A refused file is not handed to QSettings, which would block on a FIFO or
// read a huge file whole: it gets a name that can never be a file instead.
QString storeName(const QString& name, const std::optional<QString>& refusal)
{
#ifdef Q_OS_UNIX
    return refusal ? QStringLiteral("/dev/null/kvl.ini") : name;
#else
    return name;
#endif
}

} // namespace

IniSettings::IniSettings(const QString& fileName)
    : m_name(existingFileName(fileName))
    , m_refusal(refusalOf(m_name))
    , m_settings(storeName(m_name, m_refusal), QSettings::IniFormat)
{
}

std::optional<int> iniWholeNumber(const QString& value, int least, int most, int fallback)
{
    if (value.trimmed().isEmpty())
        return fallback;
    bool ok = false;
    const int n = value.trimmed().toInt(&ok);
    return ok && n >= least && n <= most ? std::optional<int>(n) : std::nullopt;
}

QString IniSettings::unreadableText(const QString& consequence) const
{
    const QString why = refusal().isEmpty() ? QString() : QStringLiteral(" (%1)").arg(refusal());
    return QStringLiteral("%1 не читается%2. %3").arg(displayName(), why, consequence);
}

QString IniSettings::displayName() const
{
    return QFileInfo(m_name).fileName();
}

QString IniSettings::text(const QString& key) const
{
    const QVariant value = m_settings.value(key);
    return value.metaType().id() == QMetaType::QStringList ? value.toStringList().join(QLatin1Char(','))
                                                             : value.toString();
}

void IniSettings::save()
{
    if (m_refusal)
        throw KvlError(QStringLiteral("Не удалось записать файл %1: %2").arg(displayName(), *m_refusal));
    m_settings.sync();
    if (m_settings.status() != QSettings::NoError)
        throw KvlError(QStringLiteral("Не удалось записать файл %1").arg(displayName()));
}

QStringList IniSettings::groups(const QString& section)
{
    if (!readable())
        return {};
    m_settings.beginGroup(section);
    const QStringList groups = m_settings.childGroups();
    m_settings.endGroup();
    return groups;
}

} // namespace logbook
