// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyer/Macros.h"

#include "keyer/CwKeyer.h"

#include <array>
#include <utility>

namespace keyer {

QString expandMacro(const QString& text, const MacroValues& values)
{
    const std::array<std::pair<QLatin1String, const QString*>, 4> placeholders = {{
        {QLatin1String("<MYCALL>"), &values.myCall},
        {QLatin1String("<CALL>"), &values.call},
        {QLatin1String("<MN>"), &values.sent},
        {QLatin1String("<N>"), &values.received},
    }};
    QString out;
    out.reserve(text.size() + 32);
    qsizetype p = 0;
    while (p < text.size()) {
        bool replaced = false;
        for (const auto& [name, value] : placeholders) {
            if (QStringView(text).mid(p, name.size()) == name) {
                out += *value;
                p += name.size();
                replaced = true;
                break;
            }
        }
        if (!replaced)
            out += text.at(p++);
    }
    return out;
}

void Macros(const QString& macroText, const MacroValues& values, CwKeyer& keyer)
{
    keyer.setSendBuffer(expandMacro(macroText, values));
    keyer.CwOut();
}

} // namespace keyer
