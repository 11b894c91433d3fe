// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scoring/ContestDescription.h"
#include "log/BandTable.h"

#include <QString>
#include <optional>

namespace logbook {
class ContactLog;
}

// Points of one contact, worked out from its exchanges by the rule of the
// contest variant. Each rule takes the sent and received exchanges and the
// current points cell and returns the new cell; a rule that leaves the cell
// as it is returns `cell`.
namespace scoring {

// What of a received exchange stays from one contact with a station to the
// next: the exchange without its serial, the three digits that end it (fewer
// where fewer end it). From serial 1000 on the first digit stays, as the Asia
// rule reads it among the coordinates.
QString exchangeWithoutSerial(const QString& exchange);

// "1+" when the received exchange begins with "GA", else "1".
QString PointsCalculateRA(const QString& sent, const QString& received, const QString& cell);
// Distance between the coordinates of both stations: each exchange without
// its three-digit serial is a one-digit first coordinate and a second one of
// one or more digits. A coordinate that is not a decimal integer throws
// KvlError with the offending text.
QString PointsCalculateASIA(const QString& sent, const QString& received, const QString& cell);
// "0" for every contact.
QString PointsCalculateOthers(const QString& sent, const QString& received, const QString& cell);

// The points cell of a contact by a description's rule: "ga" and
// "coordinates" read the exchanges as the built-in rules do (and throw as
// they do), a figure or the band × mode table read the contact's band and
// mode (a band × mode word that names none scores 0 by the table); "none"
// leaves the points to the judges: the cell says so and counts 0.
QString descriptionPoints(const ContestDescription& contest, const std::optional<logbook::BandAndMode>& contact,
                          const QString& sent, const QString& received, const QString& cell);

// The points cell of a contact the judges score (by distance, say).
inline const QString kJudgesPoints = QStringLiteral("—");

// The points cell of a contact that repeats an earlier one.
inline const QString kRepeatPoints = QStringLiteral("0");

// Scoring a completed contact. A contact whose points cannot be computed is
// still logged: its cell is empty, and `error` holds the text to show once the
// contact is on disk. No contest chosen leaves the cell.
struct ContactScore
{
    QString cell;
    std::optional<QString> error;
};
ContactScore scoreCompletedContact(const ContestDescription* contest, const QString& bandMode, const QString& sent,
                                   const QString& received, const QString& cell);

// Re-scoring at every activation of the window: rows 1 to currentRow - 1 in
// ascending order under the chosen contest. A row whose points cannot be
// computed keeps its cell and the next rows go on: an error box here would
// reactivate the window and come back for ever. Only cells that change are
// written; a repeat scores kRepeatPoints. Returns the number of rows left as
// they were for that reason.
int rescoreLog(logbook::ContactLog& contacts, int currentRow, const ContestDescription* contest);

} // namespace scoring
