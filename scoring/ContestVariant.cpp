#include "scoring/ContestVariant.h"

#include "scoring/BaseText.h"
#include "scoring/Points.h"

namespace scoring {

const std::array<ContestRules, 3>& contestTable()
{
    static const std::array<ContestRules, 3> table = {{
        {ContestVariant::Asia, QStringLiteral("Чемпионат Азиатской части РФ"), AsiaBase, true, PointsCalculateASIA,
         ClaimRule::SumOfPoints, QStringLiteral("RUS-ASIA-CHAMP")},
        {ContestVariant::RA, QStringLiteral("Чемпионат РА"), RABase, false, PointsCalculateRA,
         ClaimRule::ContactsTimesPlus, QStringLiteral("RUS-RA-CHAMP")},
        {ContestVariant::Others, QStringLiteral("Others"), nullptr, false, PointsCalculateOthers, ClaimRule::Nothing,
         QStringLiteral("OTHER")},
    }};
    return table;
}

const ContestRules& contestRules(ContestVariant variant)
{
    for (const ContestRules& rules : contestTable()) {
        if (rules.variant == variant)
            return rules;
    }
    return contestTable().back();
}

const ContestRules* contestRules(const QString& setupText)
{
    for (const ContestRules& rules : contestTable()) {
        if (setupText == rules.text)
            return &rules;
    }
    return nullptr;
}

QStringList contestTexts()
{
    QStringList texts;
    for (const ContestRules& rules : contestTable())
        texts << rules.text;
    return texts;
}

QString variantText(ContestVariant variant)
{
    return contestRules(variant).text;
}

std::optional<ContestVariant> contestVariant(const QString& setupText)
{
    const ContestRules* rules = contestRules(setupText);
    return rules ? std::optional<ContestVariant>(rules->variant) : std::nullopt;
}

ReceivedKey asiaReceivedKey(QChar typed)
{
    const char16_t c = typed.unicode();
    if (c == u' ')
        return ReceivedKey::BackToCall;
    if ((c >= u'!' && c <= u'/') || (c >= u':' && c <= u'~'))
        return ReceivedKey::Swallow;
    return ReceivedKey::Accept;
}

} // namespace scoring
