#include "setup/ExportOptions.h"

namespace setup {
namespace {

const QString kContestKey = QStringLiteral("Export/contest");
const QString kPowerKey = QStringLiteral("Export/power");

} // namespace

ExportOptions readExportOptions(const QString& fileName)
{
    const logbook::IniSettings file(fileName);
    const QString power = file.text(kPowerKey).trimmed().toUpper();
    return {file.text(kContestKey).trimmed(), kPowerCategories.contains(power) ? power : QString()};
}

void writeExportOptions(const ExportOptions& options, const QString& fileName)
{
    logbook::IniSettings file(fileName);
    file.setValue(kContestKey, options.contestName.trimmed());
    file.setValue(kPowerKey, options.power);
    file.save();
}

} // namespace setup
