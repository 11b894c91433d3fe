// SPDX-License-Identifier: GPL-3.0-or-later
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
//   assisted=1             ; CATEGORY-ASSISTED: ASSISTED (a cluster was used); absent or 0: NON-ASSISTED
namespace setup {

struct ExportOptions
{
    QString contestName;
    QString power;
    bool assisted = false;
    bool operator==(const ExportOptions& o) const
    {
        return contestName == o.contestName && power == o.power && assisted == o.assisted;
    }
};

// The powers Cabrillo knows, in the order setup offers them.
inline const QStringList kPowerCategories = {QStringLiteral("HIGH"), QStringLiteral("LOW"), QStringLiteral("QRP")};

// A missing or unreadable file gives the defaults; a power Cabrillo does not know is none.
ExportOptions readExportOptions(const QString& fileName = logbook::kIniFileName);
// Keeps whatever else the file holds. Throws KvlError naming the file when it cannot be written.
void writeExportOptions(const ExportOptions& options, const QString& fileName = logbook::kIniFileName);
// Only `assisted`, the rest of [Export] left as the file has it. Throws as writeExportOptions.
void writeExportAssisted(bool assisted, const QString& fileName = logbook::kIniFileName);

} // namespace setup
