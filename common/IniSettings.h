#pragma once

#include <QSettings>
#include <QString>
#include <QVariant>

// kvl.ini beside the station data file: every setting its 105-line format has
// no room for (the rig, the keyer, the window, the exports). Its name is
// matched without regard to letter case, as every file of the program.
namespace logbook {

inline const QString kIniFileName = QStringLiteral("kvl.ini");

class IniSettings
{
public:
    explicit IniSettings(const QString& fileName = kIniFileName);

    // The file could be read (a missing file reads as empty).
    bool readable() const { return m_settings.status() == QSettings::NoError; }
    // The file's name as it stands in the folder, for messages.
    QString displayName() const;

    // A value as text: an INI value with a comma comes back as a list, and is
    // joined again here. Empty when absent.
    QString text(const QString& key) const;
    void setValue(const QString& key, const QVariant& value) { m_settings.setValue(key, value); }
    void remove(const QString& key) { m_settings.remove(key); }

    // Writes what was set, keeping whatever else the file holds. Throws
    // KvlError naming the file when it cannot be written.
    void save();

private:
    QSettings m_settings;
};

} // namespace logbook
