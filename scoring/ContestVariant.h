#pragma once

#include <QString>
#include <optional>

// The three rule sets the logger serves, chosen by their text in setup.
namespace scoring {

enum class ContestVariant { Asia, RA, Others };

QString variantText(ContestVariant variant);
// Exact, case-sensitive match; any other text (an empty selection) is none.
std::optional<ContestVariant> contestVariant(const QString& setupText);

// What the received field does with a typed character in the Asia variant,
// where it takes digits only: a blank returns to the call field, printable
// non-digits are swallowed, everything else (digits, control keys, codes
// above 126) goes through. The other variants accept every character.
enum class ReceivedKey { Accept, Swallow, BackToCall };
ReceivedKey asiaReceivedKey(QChar typed);

} // namespace scoring
