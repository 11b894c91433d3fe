// SPDX-License-Identifier: GPL-3.0-or-later
#include "setup/ExportOptions.h"

namespace setup {
namespace {

const QString kContestKey = QStringLiteral("Export/contest");
const QString kPowerKey = QStringLiteral("Export/power");
const QString kAssistedKey = QStringLiteral("Export/assisted");

} // namespace

ExportOptions readExportOptions(const QString& fileName)
{
    const logbook::IniSettings file(fileName);
    const QString power = file.text(kPowerKey).trimmed().toUpper();
    return {file.text(kContestKey).trimmed(), kPowerCategories.contains(power) ? power : QString(),
            file.text(kAssistedKey).trimmed() == QLatin1String("1")};
}

void writeExportOptions(const ExportOptions& options, const QString& fileName)
{
    logbook::IniSettings file(fileName);
    file.setValue(kContestKey, options.contestName.trimmed());
    file.setValue(kPowerKey, options.power);
    file.setValue(kAssistedKey, options.assisted ? 1 : 0);
    file.save();
}

void writeExportAssisted(bool assisted, const QString& fileName)
{
    logbook::IniSettings file(fileName);
    file.setValue(kAssistedKey, assisted ? 1 : 0);
    file.save();
}

} // namespace setup
