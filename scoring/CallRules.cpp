#include "scoring/CallRules.h"

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

QVector<bool> repeatedContacts(const QVector<logbook::Contact>& rows, const QVector<std::optional<int>>& subTours)
{
    QVector<bool> repeated(rows.size(), false);
    std::set<std::tuple<int, QString, QString>> worked; // sub-tour, band-mode word, call
    for (int i = 0; i < rows.size(); ++i) {
        const logbook::Contact& r = rows[i];
        const std::optional<int> subTour = i < subTours.size() ? subTours[i] : std::nullopt;
        if (!subTour || !r.isContact())
            continue;
        const auto key = std::make_tuple(*subTour, r.fields[logbook::BandMode], r.fields[logbook::Call]);
        repeated[i] = !worked.insert(key).second;
    }
    return repeated;
}

} // namespace scoring
