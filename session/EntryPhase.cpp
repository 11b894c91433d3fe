// SPDX-License-Identifier: GPL-3.0-or-later
// Where the entry of a contact stands, and what the keys of the entry
// fields do by the contest's rules.
#include "session/ContestSession.h"

namespace session {

scoring::ReceivedKey ContestSession::receivedKey(QChar typed) const
{
    const scoring::ContestDescription* contest = this->contest();
    return contest && contest->digitsOnlyReceived ? scoring::asiaReceivedKey(typed) : scoring::ReceivedKey::Accept;
}

EntryPhase ContestSession::entryPhase() const
{
    if (m_selectedBand < 0)
        return EntryPhase::Closed;
    return m_receivedOpen ? EntryPhase::Received : EntryPhase::Call;
}

EntryEscape ContestSession::escape(bool inReceived, bool receivedEmpty)
{
    if (!inReceived)
        return EntryEscape::ClearCall;
    if (!receivedEmpty)
        return EntryEscape::ClearReceived;
    m_receivedOpen = false;
    return EntryEscape::BackToCall;
}

} // namespace session
