#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The contests setup offers, as values: the station data file keeps the
// list's text, matched exactly and case-sensitively.
namespace setup {

enum class Contest { Asia, RA, Others };

// In the order of the setup list.
inline QStringList contestTexts()
{
    return {QStringLiteral("Чемпионат Азиатской части РФ"), QStringLiteral("Чемпионат РА"), QStringLiteral("Others")};
}

inline QString variantText(Contest variant)
{
    return contestTexts().at(int(variant));
}

// Any other text (an empty selection) is none.
inline std::optional<Contest> contestVariant(const QString& setupText)
{
    const qsizetype at = contestTexts().indexOf(setupText);
    return at < 0 ? std::nullopt : std::optional<Contest>(Contest(at));
}

} // namespace setup
