// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/CallRules.h"

#include <map>
#include <set>
#include <tuple>

namespace scoring {

CallForm callForm(const QString& call)
{
    bool letter = false;
    bool digit = false;
    for (const QChar c : call) {
        letter = letter || c.isLetter();
        digit = digit || c.isDigit();
    }
    return !letter ? CallForm::NoLetter : digit ? CallForm::Call : CallForm::NoDigit;
}

namespace {

// The band-mode word, or the band alone where the scope is a band.
QString scopeKey(const logbook::Contact& contact, RepeatScope scope)
{
    const std::optional<logbook::BandAndMode> bandMode = contact.bandMode();
    if (scope == RepeatScope::Band && bandMode)
        return logbook::bandText(bandMode->band);
    return contact.fields[logbook::BandMode];
}

} // namespace

bool tooSoon(const RepeatGap& gap, const std::optional<QTime>& last, const std::optional<QTime>& now, int othersSince)
{
    if (!gap.any() || !last || !now)
        return false; // a time that cannot be read gives the operator the benefit of the doubt
    // Clock minutes, as the log's hh:mm give them, past midnight too.
    const int minutes = ((QTime(last->hour(), last->minute()).secsTo(*now) / 60) % 1440 + 1440) % 1440;
    return !gapAllows(gap, minutes, othersSince);
}

QVector<bool> repeatedContacts(const QVector<logbook::Contact>& rows, const QVector<std::optional<int>>& subTours,
                               const RepeatRule& rule)
{
    QVector<bool> repeated(rows.size(), false);
    std::set<std::tuple<int, QString, QString>> worked; // sub-tour, scope, call
    std::map<QString, std::pair<int, int>> lastWith;      // call: its last row, and the contacts made before it
    int made = 0;
    for (int i = 0; i < rows.size(); ++i) {
        const logbook::Contact& r = rows[i];
        if (!r.isContact())
            continue;
        const QString& call = r.fields[logbook::Call];
        const std::optional<int> subTour = i < subTours.size() ? subTours[i] : std::nullopt;
        if (subTour)
            repeated[i] = !worked.insert({*subTour, scopeKey(r, rule.scope), call}).second;
        if (const auto last = lastWith.find(call); last != lastWith.end() && !repeated[i]) {
            const auto [row, madeBefore] = last->second;
            repeated[i] = tooSoon(rule.gap, rows[row].time(), r.time(), made - madeBefore - 1);
        }
        lastWith[call] = {i, made++};
    }
    return repeated;
}

} // namespace scoring
