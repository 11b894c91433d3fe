// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QString>

// Calls and exchanges are Latin, whichever keyboard layout is active: a letter
// typed on the Russian layout stands for the Latin letter of the same key
// (ЙЦУКЕН is QWERTY).
namespace latinkeys {

// The upper-case Latin letter on the key of a Cyrillic letter of the Russian
// layout's letter rows (either case); any other character as it is.
QChar latinLetter(QChar c);

// The received field: every such letter becomes its Latin one; a control
// character (a pasted NUL, tab or line end) is dropped; the rest is left to
// the contest's own rule.
QString latinText(const QString& typed);

// The call field: Latin letters (upper case), digits and "/". "." and ",",
// the Russian layout's "/" and "?" keys, become "/" once a letter stands
// before them; one of them after digits alone stays, for a frequency typed in
// kHz (14025.5); any other character cannot stand in a call and is dropped.
QString callText(const QString& typed);

} // namespace latinkeys
