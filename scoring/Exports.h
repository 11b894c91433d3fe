// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scoring/ContestDate.h"
#include "scoring/Report.h"
#include "setup/ExportOptions.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVector>

class StationSettings;

// The Cabrillo (.cbr) and ADIF (.adi) files written beside the report at
// every exit, from the same rows.
namespace scoring {

struct ExportFileNames
{
    QString cabrillo; // safe file stem of the call sign + ".cbr"
    QString adif;     // the same + ".adi"
};
ExportFileNames exportFileNames(const QString& callSign);

struct ExportResult
{
    QStringList written;  // the files written
    QStringList messages; // for the error box, one box each, in order
};

// Never throws and never blocks the exit: what went wrong comes back as
// messages. "Дата" matters only while some contact has no stamp: then with
// "Дата" empty nothing is written, and said only where files of an earlier
// exit stay behind, and with a "Дата" that is
// not a date nothing is written and one message names it. Otherwise each
// file replaces any earlier one whole, on the disk before this returns, or
// stays as it was and its error is a message; contacts whose time or band
// cannot be read are left out and listed in a message. The claimed score is
// the report's (reportTotals) by `contest`, `createdUtc` stamps the ADIF header.
ExportResult CreateExports(const ExportLog& log, const StationSettings& settings, const ContestDescription* contest,
                           const setup::ExportOptions& options, const QDateTime& createdUtc);

} // namespace scoring
