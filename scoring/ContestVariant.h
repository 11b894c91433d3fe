// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scoring/ContestDescription.h"

#include <QString>
#include <optional>

// What the rules of the chosen contest do beyond the points: the base file
// that pre-fills the received field, and the keys that field takes.
namespace scoring {

class BaseText;

// The lookup of the call-entered step a description names by its base file;
// none without one.
using BaseLookup = std::optional<QString> (*)(const QString& call, const BaseText& base);
BaseLookup baseLookup(BaseKind base);

// What the received field does with a typed character in a contest that takes
// digits only: a blank returns to the call field, printable non-digits are
// swallowed, everything else (digits, control keys, codes above 126) goes
// through.
enum class ReceivedKey { Accept, Swallow, BackToCall };
ReceivedKey asiaReceivedKey(QChar typed);

} // namespace scoring
