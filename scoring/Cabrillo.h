// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scoring/ContestDate.h"
#include "scoring/Report.h"
#include "setup/ExportOptions.h"

#include <QString>
#include <QVector>

class StationSettings;

// The Cabrillo 3.0 contest submission: a header from setup, one line
// "QSO: freq mo yyyy-mm-dd hhmm call-sent exch-sent call-rcvd exch-rcvd" per
// contact, ASCII text with CR LF line ends.
namespace scoring {

// How a QSO: line carries the exchanges: each as one token (0), or as that
// many fields, one token each, in order ("599 003 KO85").
struct ExchangeColumns
{
    int sent = 0;
    int received = 0;
};

// `contestName` is exportContestName's.
QString cabrilloText(const QVector<DatedContact>& contacts, const StationSettings& settings,
                     const setup::ExportOptions& options, const QString& contestName, const ReportTotals& totals,
                     const ExchangeColumns& columns = {});

// True for a Maidenhead locator of 4 or 6 characters (AA00 or AA00aa, any case).
bool isGridLocator(const QString& text);

} // namespace scoring
