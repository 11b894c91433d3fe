#pragma once

#include "common/IniSettings.h"

#include <QString>
#include <QStringList>

// What the Cabrillo and ADIF files say that the station data file has no
// room for, kept in kvl.ini:
//
//   [Export]
//   contest=RUS-RA-CHAMP   ; CONTEST / CONTEST_ID; empty: the contest variant's own name
//   power=LOW              ; CATEGORY-POWER: HIGH, LOW or QRP; empty: the line is left out
namespace setup {

struct ExportOptions
{
    QString contestName;
    QString power;
    bool operator==(const ExportOptions& o) const { return contestName == o.contestName && power == o.power; }
};

// The powers Cabrillo knows, in the order setup offers them.
inline const QStringList kPowerCategories = {QStringLiteral("HIGH"), QStringLiteral("LOW"), QStringLiteral("QRP")};

// A missing or unreadable file gives the defaults; a power Cabrillo does not know is none.
ExportOptions readExportOptions(const QString& fileName = logbook::kIniFileName);
// Keeps whatever else the file holds. Throws KvlError naming the file when it cannot be written.
void writeExportOptions(const ExportOptions& options, const QString& fileName = logbook::kIniFileName);

} // namespace setup
