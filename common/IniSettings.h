// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>

// kvl.ini beside the station data file: every setting its 105-line format has
// no room for (the rig, the keyer, the window, the exports). Its name is
// matched without regard to letter case, as every file of the program.
namespace logbook {

inline const QString kIniFileName = QStringLiteral("kvl.ini");
// A settings file is a few lines; anything past this is no settings file.
constexpr qint64 kIniMaxBytes = 1024 * 1024;

// A whole number from `least` to `most` as a settings file holds it; an
// absent or blank value is `fallback`, anything else none.
std::optional<int> iniWholeNumber(const QString& value, int least, int most, int fallback);

class IniSettings
{
public:
    explicit IniSettings(const QString& fileName = kIniFileName);

    // The file could be read (a missing file reads as empty).
    bool readable() const { return !m_refusal && m_settings.status() == QSettings::NoError; }
    // Why a file that is there is not read at all (no regular file, larger
    // than kIniMaxBytes): its settings read as absent and save() refuses, so
    // that whatever it is stays as it is. Empty otherwise.
    QString refusal() const { return m_refusal.value_or(QString()); }
    // The file's name as it stands in the folder, for messages.
    QString displayName() const;
    // "kvl.ini не читается (why). <consequence>", for a file not read.
    QString unreadableText(const QString& consequence) const;

    // A value as text: an INI value with a comma comes back as a list, and is
    // joined again here. Empty when absent.
    QString text(const QString& key) const;
    // The groups under `section` ("Exchange/VLADIMIR-TEST/..." gives
    // "VLADIMIR-TEST"); none from a file that is not read.
    QStringList groups(const QString& section);
    void setValue(const QString& key, const QVariant& value) { m_settings.setValue(key, value); }
    void remove(const QString& key) { m_settings.remove(key); }

    // Writes what was set, keeping whatever else the file holds. Throws
    // KvlError naming the file when it cannot be written.
    void save();

private:
    QString m_name;
    std::optional<QString> m_refusal;
    QSettings m_settings;
};

} // namespace logbook
