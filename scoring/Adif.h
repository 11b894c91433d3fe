// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scoring/ContestDate.h"

#include <QDateTime>
#include <QString>
#include <QVector>

class StationSettings;

// The ADIF 3.1 logbook file (ADI): a header, then one record per contact.
// Every value is ASCII text (see asciiText), so a field's length counts
// characters and bytes alike, as ADI requires of its String fields.
namespace scoring {

QString adifText(const QVector<DatedContact>& contacts, const StationSettings& settings, const QString& contestId,
                 const QDateTime& createdUtc);

} // namespace scoring
