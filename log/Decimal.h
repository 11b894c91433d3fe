// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

namespace logbook {

// A decimal integer as the log holds them: an optional sign and one or more
// digits, nothing else (no blanks, no other bases).
inline std::optional<qint64> decimalValue(const QString& text)
{
    const bool hasSign = text.startsWith(QLatin1Char('-')) || text.startsWith(QLatin1Char('+'));
    bool valid = text.size() > (hasSign ? 1 : 0) && text.size() <= 18;
    for (qsizetype i = hasSign ? 1 : 0; valid && i < text.size(); ++i)
        valid = text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9');
    bool ok = false;
    const qint64 value = valid ? text.toLongLong(&ok, 10) : 0;
    return ok ? std::optional<qint64>(value) : std::nullopt;
}

} // namespace logbook
