// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QChar>

// International Morse code (ITU-R M.1677-1) of the 37 characters the keyer
// sends: A to Z, 0 to 9 and '?'. Everything else, the space included, has no
// code and is skipped without time.
namespace keyer {

// Dots and dashes as ".-" text; nullptr for a character outside the table.
const char* morseCode(QChar c);

// How long `text` takes at `wpm` (a dot 1200 ms / WPM), each character with
// the gap after it.
int morseMillis(const QByteArray& text, int wpm);

} // namespace keyer
