// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QStringList>

// Reading the text of an RTF document as lines, as a rich-text control would
// show them: one line per paragraph (\par) or line break (\line). Formatting,
// the font, colour and style tables, document information and every group the
// reader does not know are skipped. Hex escapes (\'xx) and raw 8-bit bytes
// are code page 1251; \uN is taken with its fallback characters skipped.
namespace setup {

// True when the bytes open an RTF document ("{\rtf", leading blanks allowed).
bool isRtf(QByteArrayView bytes);

// The lines of the document. Never fails: truncated or damaged input gives the
// text read up to the damage, and the work is linear in the input size.
QStringList rtfLines(QByteArrayView bytes);

} // namespace setup
