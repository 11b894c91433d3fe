// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/Multipliers.h"

#include "scoring/Cabrillo.h"

#include <QRegularExpression>
#include <utility>

namespace scoring {
namespace {

// The received field the multiplier reads: the first whose forms hold its
// kind and whose value takes that form.
QString fieldValue(const Multiplier& m, const ExchangeForm& received, const QStringList& values, const CodeLists& lists)
{
    for (size_t i = 0; i < received.size() && int(i) < values.size(); ++i) {
        const QString& value = values[int(i)];
        for (const FieldForm& f : received[i]) {
            if (!readsForm(m, f))
                continue;
            if (m.kind == MultiplierKind::Code) {
                const auto list = lists.find(f.list);
                if (list != lists.end() && list->second.contains(value))
                    return value;
            } else if (m.kind == MultiplierKind::Zone) {
                return value;
            } else if (isGridLocator(value)) {
                return m.kind == MultiplierKind::LocatorField ? value.left(2) : value;
            }
        }
    }
    return QString();
}

int scopeKey(MultiplierScope scope, const CountedContact& c)
{
    switch (scope) {
    case MultiplierScope::Band: return c.bandMode.band;
    case MultiplierScope::BandAndMode: return c.bandMode.band * 2 + int(c.bandMode.mode);
    case MultiplierScope::SubTour: return c.subTour;
    case MultiplierScope::Contest: break;
    }
    return 0;
}

} // namespace

bool readsForm(const Multiplier& m, const FieldForm& f)
{
    switch (m.kind) {
    case MultiplierKind::Call: return false;
    case MultiplierKind::Code: return f.kind == FieldKind::Code && f.list == m.list;
    case MultiplierKind::Locator:
    case MultiplierKind::LocatorField: return f.kind == FieldKind::Locator;
    case MultiplierKind::Zone: return f.kind == FieldKind::Zone;
    }
    return false;
}

MultipliersRead readMultipliers(const QString& words)
{
    static const QRegularExpression code(QStringLiteral("^code:([a-z0-9-]+)$"));
    MultipliersRead read;
    for (const QString& word : words.toLower().split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        Multiplier m;
        if (const QRegularExpressionMatch match = code.match(word); match.hasMatch())
            m = {MultiplierKind::Code, match.captured(1)};
        else if (word == QLatin1String("call"))
            m.kind = MultiplierKind::Call;
        else if (word == QLatin1String("locator"))
            m.kind = MultiplierKind::Locator;
        else if (word == QLatin1String("locator-field"))
            m.kind = MultiplierKind::LocatorField;
        else if (word == QLatin1String("zone"))
            m.kind = MultiplierKind::Zone;
        else {
            read.error = QStringLiteral("множитель «%1» — не одно из: call, code:СПИСОК, locator, locator-field, zone")
                             .arg(word);
            return read;
        }
        read.multipliers.push_back(m);
    }
    return read;
}

MultiplierTally::MultiplierTally(std::vector<Multiplier> multipliers, MultiplierScope scope, ExchangeForm received,
                                 CodeLists lists)
    : m_multipliers(std::move(multipliers)), m_scope(scope), m_received(std::move(received)), m_lists(std::move(lists))
{
}

int MultiplierTally::add(const CountedContact& contact)
{
    int brought = 0;
    for (size_t m = 0; m < m_multipliers.size(); ++m) {
        const QString value = m_multipliers[m].kind == MultiplierKind::Call
            ? contact.call
            : fieldValue(m_multipliers[m], m_received, contact.received, m_lists);
        if (!value.isEmpty() && m_counted.insert({m, scopeKey(m_scope, contact), value}).second)
            ++brought;
    }
    return brought;
}

} // namespace scoring
