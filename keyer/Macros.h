// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Keyer macros: a setup text in which "<MYCALL>", "<CALL>", "<MN>" and "<N>"
// are replaced by the values of the moment.
namespace keyer {

class CwKeyer;

struct MacroValues
{
    QString myCall;   // "<MYCALL>": the operator's call sign as shown in setup
    QString call;     // "<CALL>": the call field
    QString sent;     // "<MN>": the sent exchange of the current row
    QString received; // "<N>": the received field
};

// Every placeholder of `text` is replaced once, wherever the values before it
// push it; an inserted value is never scanned again, so a value that holds a
// placeholder goes out as it stands.
QString expandMacro(const QString& text, const MacroValues& values);

// Expands `macroText`, puts it in the keyer's send buffer (also when empty)
// and sends it. The caller has checked the mode, the port and Sending.
void Macros(const QString& macroText, const MacroValues& values, CwKeyer& keyer);

} // namespace keyer
