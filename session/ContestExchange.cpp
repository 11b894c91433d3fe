// SPDX-License-Identifier: GPL-3.0-or-later
// The exchange a contest's description names: what the station sends by its
// group, the received fields checked and pre-filled field by field, and the
// multipliers the contacts bring.
#include "session/ContestSession.h"

#include "scoring/ExchangeFields.h"
#include "setup/StationSettings.h"

using namespace logbook;

namespace session {
void ContestSession::setStationExchanges(const setup::StationExchanges& exchanges)
{
    m_stationExchanges = exchanges;
    refreshSentExchange();
}

setup::StationExchange ContestSession::stationExchange() const
{
    const scoring::ContestDescription* chosen = contest();
    if (!chosen)
        return {};
    const auto own = m_stationExchanges.find(chosen->cabrillo);
    return own == m_stationExchanges.end() ? setup::StationExchange {} : own->second;
}

// The built-in contests send the coordinates and the serial; a description
// that names its exchange sends that, as the station's group sends it.
QString ContestSession::sentFor(int row) const
{
    const scoring::ContestDescription* chosen = contest();
    if (!chosen || chosen->sent.empty())
        return sentExchange(m_coordinates, row);
    const setup::StationExchange own = stationExchange();
    const auto byGroup = chosen->sentByGroup.find(own.group);
    const scoring::ExchangeForm& form = byGroup == chosen->sentByGroup.end() ? chosen->sent : byGroup->second;
    scoring::SentValues values;
    values.mode = m_contacts.contact(row).bandMode().value_or(BandAndMode {0, m_mode}).mode;
    values.serial = serialOf(row);
    values.coordinates = m_coordinates;
    values.locator = m_settings.field(setup::Locator).trimmed();
    values.zone = own.zone;
    values.code = own.code;
    values.previousCall = previousCall(row);
    return scoring::sentExchange(form, values);
}

// Over the contest, the row; over a sub-tour, the row's place in it. The row
// being entered belongs to a new sub-tour that is pending.
int ContestSession::serialOf(int row) const
{
    const scoring::ContestDescription* chosen = contest();
    if (!chosen || chosen->serial == scoring::SerialScope::Contest)
        return row;
    const int start = row == currentRow() ? currentSubTourStart() : m_log.state().subTourStart;
    return row > start ? row - start : row;
}

QString ContestSession::previousCall(int row) const
{
    for (int earlier = row - 1; earlier >= 1; --earlier) {
        if (m_contacts.contact(earlier).isContact())
            return m_contacts.cell(earlier, Call);
    }
    return QString();
}

// The mode, the sub-tour, the station's own values or the last call worked
// changed: the row being entered sends what they make.
void ContestSession::refreshSentExchange()
{
    const scoring::ContestDescription* chosen = contest();
    if (chosen && !chosen->sent.empty())
        m_contacts.setCell(currentRow(), Sent, sentFor(currentRow()));
}

int ContestSession::exchangeLength() const
{
    const scoring::ContestDescription* chosen = contest();
    if (!chosen || chosen->sent.empty())
        return PlainReceivedLimit;
    return int(m_contacts.cell(currentRow(), Sent).size()) + (m_mode == Mode::SSB ? 1 : 0); // an RST of three in CW
}

const scoring::ExchangeForm* ContestSession::receivedForm() const
{
    const scoring::ContestDescription* chosen = contest();
    return chosen && !chosen->received.empty() ? &chosen->received : nullptr;
}

int ContestSession::receivedLimit() const
{
    const scoring::ExchangeForm* form = receivedForm();
    return form ? scoring::receivedLength(*form, contest()->lists) : PlainReceivedLimit;
}

// The newest contact with the station tells its code or locator; a base
// file's entry serves a station not worked yet.
void ContestSession::prefillReceived(const QString& call, CallEntry& entry) const
{
    const scoring::ContestDescription& chosen = *contest();
    QStringList earlier;
    for (int row = currentRow() - 1; row >= 1 && earlier.isEmpty(); --row) {
        const Contact& c = m_contacts.contact(row);
        if (c.call() == call && !c.repeat)
            earlier = scoring::checkExchange(chosen.received, c.received(), chosen.lists,
                                             c.bandMode().value_or(BandAndMode {0, m_mode}).mode)
                          .values;
    }
    QString base;
    if (const scoring::BaseLookup lookup = scoring::baseLookup(chosen.base))
        base = lookup(call, m_base).value_or(QString());
    const scoring::ExchangePrefill prefill = scoring::prefillExchange(chosen.received, m_mode, earlier, base, chosen.lists);
    entry.received = prefill.text;
    entry.caret = prefill.caret;
}

// The received exchange as the contest's fields take it, one blank between
// them; the reason where they do not.
std::optional<QString> ContestSession::checkReceived(QString& received) const
{
    const scoring::ExchangeForm* form = receivedForm();
    if (!form)
        return std::nullopt;
    const scoring::ExchangeCheck check = scoring::checkExchange(*form, received, contest()->lists, m_mode);
    if (!check.error.isEmpty())
        return check.error;
    received = check.values.join(QLatin1Char(' '));
    return std::nullopt;
}

scoring::CountedContact ContestSession::counted(int row) const
{
    const Contact& c = m_contacts.contact(row);
    const BandAndMode bandMode = *c.bandMode();
    const scoring::ContestDescription& chosen = *contest();
    return {bandMode, m_subTourStarts.numberAt(row - 1).value_or(1), c.call(),
            scoring::checkExchange(chosen.received, c.received(), chosen.lists, bandMode.mode).values};
}

// A contact that is no contact, a repeat, or on no band brings none.
void ContestSession::markMultipliers(bool newestOnly)
{
    const scoring::ContestDescription* chosen = contest();
    const bool counting = chosen && !chosen->multipliers.empty();
    const QString name = chosen ? chosen->name : QString();
    const int end = currentRow();
    if (!newestOnly || m_talliedRow != end - 1 || m_talliedContest != name) {
        m_tally = counting ? scoring::MultiplierTally(chosen->multipliers, chosen->multiplierScope, chosen->received,
                                                      chosen->lists)
                           : scoring::MultiplierTally();
        m_talliedRow = 1;
        m_talliedContest = name;
    }
    for (int row = m_talliedRow; row < end; ++row) {
        const Contact& c = m_contacts.contact(row);
        const bool counts = counting && c.isContact() && !c.repeat && c.bandMode();
        m_contacts.setMultipliers(row, counts ? m_tally.add(counted(row)) : 0);
    }
    m_talliedRow = end;
}

} // namespace session
