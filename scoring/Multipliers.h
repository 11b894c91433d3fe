// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "log/BandTable.h"
#include "scoring/ExchangeFields.h"

#include <QString>
#include <QStringList>
#include <set>
#include <tuple>
#include <vector>

// What a contest counts as multipliers, as a description names them:
//
//   multipliers = code:vl locator-field    each district, each locator field
//   multiplier-scope = band-mode           once per band and mode (band,
//                                          subtour, or contest: the default)
//
// A multiplier is the call worked ("call"), or a field of the received
// exchange: a code of a list ("code:NAME"), a locator ("locator"), its field,
// the first two letters ("locator-field"), or a zone ("zone").
namespace scoring {

enum class MultiplierKind { Call, Code, Locator, LocatorField, Zone };
enum class MultiplierScope { Band, BandAndMode, SubTour, Contest };

struct Multiplier
{
    MultiplierKind kind = MultiplierKind::Call;
    QString list; // a code's
    bool operator==(const Multiplier& o) const { return kind == o.kind && list == o.list; }
};

// Whether a multiplier is read from a received field of form `f`; the call's
// is read from no field.
bool readsForm(const Multiplier& m, const FieldForm& f);

// The multipliers from a description's words, or why not.
struct MultipliersRead
{
    std::vector<Multiplier> multipliers;
    QString error;
};
MultipliersRead readMultipliers(const QString& words);

// A logged contact as the multipliers see it: its received fields as
// checkExchange took them.
struct CountedContact
{
    logbook::BandAndMode bandMode;
    int subTour = 1;
    QString call;
    QStringList received;
};

// Multipliers counted contact by contact in log order: each contact brings
// those no earlier one brought in its scope. A log's last contact is added
// alone; any other change counts the log again.
class MultiplierTally
{
public:
    MultiplierTally() = default;
    MultiplierTally(std::vector<Multiplier> multipliers, MultiplierScope scope, ExchangeForm received, CodeLists lists);

    // How many multipliers `contact` brings.
    int add(const CountedContact& contact);

private:
    std::vector<Multiplier> m_multipliers;
    MultiplierScope m_scope = MultiplierScope::Contest;
    ExchangeForm m_received;
    CodeLists m_lists;
    std::set<std::tuple<size_t, int, QString>> m_counted; // multiplier, scope, value
};

} // namespace scoring
