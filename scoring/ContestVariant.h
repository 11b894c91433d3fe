#pragma once

#include "setup/ContestChoice.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// The rule sets the logger serves, one row of one table each: everything that
// differs between the contests is looked up there, once, by the text chosen
// in setup.
namespace scoring {

class BaseText;

using ContestVariant = setup::Contest;
using setup::contestTexts;
using setup::contestVariant;
using setup::variantText;

// How the report claims its score: contacts times the "1+" count (raised to
// 1), the sum of the points cells, or nothing.
enum class ClaimRule { ContactsTimesPlus, SumOfPoints, Nothing };

using PointsRule = QString (*)(const QString& sent, const QString& received, const QString& cell);
using BaseLookup = std::optional<QString> (*)(const QString& call, const BaseText& base);

struct ContestRules
{
    ContestVariant variant;
    BaseLookup baseLookup;   // pre-fills the received field from a base file; none without
    bool digitsOnlyReceived; // the received field takes digits; a blank goes back to the call
    PointsRule points;
    ClaimRule claim;
    QString exportName;      // CONTEST of Cabrillo, CONTEST_ID of ADIF
};

// In the order of the setup list.
const std::array<ContestRules, 3>& contestTable();
const ContestRules& contestRules(ContestVariant variant);
// Exact, case-sensitive match; any other text (an empty selection) is none.
const ContestRules* contestRules(const QString& setupText);


// What the received field does with a typed character in a variant that takes
// digits only: a blank returns to the call field, printable non-digits are
// swallowed, everything else (digits, control keys, codes above 126) goes
// through.
enum class ReceivedKey { Accept, Swallow, BackToCall };
ReceivedKey asiaReceivedKey(QChar typed);

} // namespace scoring
