#include "scoring/ContestVariant.h"

#include "scoring/BaseText.h"
#include "scoring/Points.h"

namespace scoring {

const std::array<ContestRules, 3>& contestTable()
{
    static const std::array<ContestRules, 3> table = {{
        {ContestVariant::Asia, AsiaBase, true, PointsCalculateASIA,
         ClaimRule::SumOfPoints, QStringLiteral("RUS-ASIA-CHAMP")},
        {ContestVariant::RA, RABase, false, PointsCalculateRA,
         ClaimRule::ContactsTimesPlus, QStringLiteral("RUS-RA-CHAMP")},
        {ContestVariant::Others, nullptr, false, PointsCalculateOthers, ClaimRule::Nothing,
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
    const std::optional<ContestVariant> variant = contestVariant(setupText);
    return variant ? &contestRules(*variant) : nullptr;
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
