// SPDX-License-Identifier: GPL-3.0-or-later
// Macro expansion with any macro text and any values of the moment.
#include "fuzz/FuzzFields.h"
#include "keyer/Macros.h"

#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzFields in(data, size);
    keyer::MacroValues values;
    values.myCall = in.text();
    values.call = in.text();
    values.sent = in.text();
    values.received = in.text();
    const QString text = in.text();

    const QString expanded = keyer::expandMacro(text, values);
    // Each placeholder is replaced once and the scan goes on after it, so
    // placeholders standing for themselves leave any text as it was.
    const keyer::MacroValues themselves {QStringLiteral("<MYCALL>"), QStringLiteral("<CALL>"), QStringLiteral("<MN>"),
                                         QStringLiteral("<N>")};
    FUZZ_CHECK(keyer::expandMacro(text, themselves) == text);
    // Empty values only ever shorten the text.
    FUZZ_CHECK(keyer::expandMacro(text, keyer::MacroValues {}).size() <= text.size());
    FUZZ_CHECK(expanded.size() <= text.size() * (1 + values.myCall.size() + values.call.size() + values.sent.size() + values.received.size()));
    return 0;
}
