// SPDX-License-Identifier: GPL-3.0-or-later
#include "setupui/ContestExchangeNeeds.h"

#include "scoring/ContestDescription.h"

#include <algorithm>

namespace {

SentNeeds needsOf(const scoring::ExchangeForm& form)
{
    SentNeeds needs;
    for (const scoring::ExchangeField& field : form) {
        // The station sends a field in its first form.
        const scoring::FieldKind kind = field.empty() ? scoring::FieldKind::Text : field.front().kind;
        needs.code = needs.code || kind == scoring::FieldKind::Code;
        needs.zone = needs.zone || kind == scoring::FieldKind::Zone;
    }
    return needs;
}

} // namespace

SentNeeds ContestExchangeNeeds::sent(const QString& group) const
{
    const auto found = std::find_if(groups.begin(), groups.end(), [&](const auto& g) { return g.name == group; });
    return found == groups.end() ? others : found->sent;
}

bool ContestExchangeNeeds::any() const
{
    return !groups.empty() || others.code || others.zone;
}

ContestExchangeNeeds contestExchangeNeeds(const scoring::ContestDescription& contest)
{
    ContestExchangeNeeds needs {contest.cabrillo, {}, needsOf(contest.sent)};
    for (const auto& [name, shown] : contest.groups) {
        const auto own = contest.sentByGroup.find(name);
        needs.groups.push_back({name, shown, own == contest.sentByGroup.end() ? needs.others : needsOf(own->second)});
    }
    return needs;
}
