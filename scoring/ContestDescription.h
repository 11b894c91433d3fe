// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "log/BandTable.h"
#include "scoring/ExchangeFields.h"
#include "scoring/Multipliers.h"

#include <QByteArray>
#include <QString>
#include <QTime>
#include <map>
#include <optional>
#include <utility>
#include <vector>

// A contest as data: a plain UTF-8 text an operator can read and write, one
// "key = value" a line, "#" beginning a comment. The reader names the line
// and the reason of every error; it never guesses.
//
//   name = Кубок Находки            the name setup lists, kept in the station data
//   cabrillo = NAKHODKA-CUP         CONTEST of Cabrillo, CONTEST_ID of ADIF
//   bands = 160 80                  the bands allowed (160 80 40 20 15 10)
//   modes = SSB CW                  the modes allowed
//   subtours = setup                the times of setup's "Время подтуров" (the default)
//   subtours = 16:00 16:30 17:00    or the starts in UTC, as the rules give them, or
//   subtours = 4 x 30 from 16:00    four sub-tours of 30 minutes from 16:00 UTC
//   subtours = 17:00 05:00          a list may pass midnight once (a night and a day tour)
//   subtour-modes = SSB CW          the mode of each sub-tour in turn, where the rules fix one
//   repeat = band-mode              a station once per band and mode in a sub-tour, or "band"
//   gap = 5 or contact              before a station is worked again: minutes, "contact"
//                                   (another contact between), both ("or"), or "none"
//   points = table                  a figure, "table", "ga" (1+ for an exchange beginning
//   points 80 SSB = 10              with GA), "coordinates" (their distance) or "none"
//                                   (left to the judges: shown as "—", counted 0)
//   exchange = rst serial locator4  the fields sent and received (see ExchangeFields.h),
//   sent = ... / received = ...     or each on its own
//   group vl = Владимирская обл.    a station group setup offers, and what it sends:
//   sent vl = serial code:vl
//   serial = contest                serials run on over the contest, or "subtour"
//
// "claim = sum" (the default), "sum x multipliers", "plus" or "none": how the
// report claims its score. Options only the built-in contests need: "received-keys = digits" (the
// received field takes digits), "base = ra" or "base = asia" (the base file
// that pre-fills the exchange).
namespace scoring {

enum class RepeatScope { Band, BandAndMode };
enum class PointsKind { Fixed, Table, GaPrefix, Coordinates, None };
enum class BaseKind { None, RA, Asia };
enum class ClaimKind { Plus, Sum, SumTimesMultipliers, None };
enum class SerialScope { Contest, SubTour };

struct RepeatGap
{
    std::optional<int> minutes;     // at least this long after the last contact with the station
    bool afterOtherContact = false; // or once another station was worked in between
    bool any() const { return minutes || afterOtherContact; }
    bool operator==(const RepeatGap& o) const { return minutes == o.minutes && afterOtherContact == o.afterOtherContact; }
};

struct ContestDescription
{
    QString name;
    QString cabrillo;
    std::vector<int> bands;
    std::vector<logbook::Mode> modes;
    std::vector<QTime> subTourStarts;             // UTC, in order; empty: setup's sub-tour times
    int subTourSpanMinutes = 0;                   // from the first start to the end of the last
    std::vector<logbook::Mode> subTourModes;      // empty: every mode in every sub-tour
    RepeatScope repeat = RepeatScope::BandAndMode;
    RepeatGap gap;
    PointsKind points = PointsKind::None;
    int fixedPoints = 0;
    std::map<std::pair<int, logbook::Mode>, int> pointsTable;
    bool digitsOnlyReceived = false;
    BaseKind base = BaseKind::None;
    ClaimKind claim = ClaimKind::Sum;
    // The exchange. None sent: the station's coordinates and the serial, as
    // the built-in contests send them; none received: any text.
    ExchangeForm sent;
    std::map<QString, ExchangeForm> sentByGroup; // where a station group sends another
    std::map<QString, QString> groups;           // the station groups: name, what setup shows
    ExchangeForm received;
    SerialScope serial = SerialScope::Contest;
    CodeLists lists; // filled by the catalogue from the list files beside the description
    std::vector<Multiplier> multipliers;
    MultiplierScope multiplierScope = MultiplierScope::Contest;
};

// The description, or why not: "строка N: причина" (or a reason for the
// whole text, such as a missing name).
struct DescriptionRead
{
    std::optional<ContestDescription> description;
    QString error;
};
DescriptionRead readContestDescription(const QByteArray& text);

// Whether two contacts with one station fall in one repeat scope.
bool sameRepeatScope(RepeatScope scope, const logbook::BandAndMode& a, const logbook::BandAndMode& b);
// Whether the gap lets a station be worked again `minutesSince` after the last
// contact with it, `contactsSince` other contacts having been made between.
bool gapAllows(const RepeatGap& gap, qint64 minutesSince, int contactsSince);
// The sub-tour of the contest's own schedule running at `utc` (from 1); 0
// outside its span, or without a schedule of its own.
int scheduledSubTour(const ContestDescription& contest, const QTime& utc);
// The mode sub-tour `number` (from 1) is tied to; none where every mode is
// allowed, or outside the schedule (0). Past the listed ones, the last holds.
std::optional<logbook::Mode> subTourMode(const ContestDescription& contest, int number);
// The points of a contact by a fixed figure or the band × mode table (0 where
// the table has no entry); none for the rules that read the exchanges.
std::optional<int> bandModePoints(const ContestDescription& contest, const logbook::BandAndMode& contact);

} // namespace scoring
