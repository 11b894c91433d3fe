// SPDX-License-Identifier: GPL-3.0-or-later
// The contacts' stamps: the full instant, the rig's frequency and the
// sub-tour's number beside each record.
#include "session/ContestSession.h"

#include "log/SubTourTimes.h"

using namespace logbook;

namespace session {

Stamps ContestSession::loggedStamps() const
{
    Stamps stamps;
    stamps.reserve(qMax(0, currentRow() - 1));
    for (int row = 1; row < currentRow(); ++row)
        stamps.append(m_log.stamp(row));
    return stamps;
}

// The frequency only where it lies in the contact's own band: a rig tuned
// elsewhere while the band was chosen by hand says nothing of the contact.
ContactStamp ContestSession::newStamp(int row, const QDateTime& reading) const
{
    const std::optional<BandAndMode> bandMode = m_contacts.contact(row).bandMode();
    const bool inBand = bandMode && contestBandOfFrequency(m_rigFrequency) == bandMode->band;
    return ContactStamp::at(reading, inBand ? m_rigFrequency : 0, m_subTourStarts.number(qMax(0, currentSubTourStart())),
                            m_subTourStarts.exact());
}

// An unreadable time leaves no instant to move: the row falls back to its
// time cell, as in a log without stamps.
std::optional<ContactStamp> ContestSession::editedStamp(int row) const
{
    std::optional<ContactStamp> stamp = m_log.stamp(row);
    const std::optional<QTime> time = m_contacts.contact(row).time();
    if (!stamp || !time)
        return std::nullopt;
    if (!stamp->matches(m_contacts.cell(row, Time)))
        stamp = stamp->movedTo(*time);
    const std::optional<BandAndMode> bandMode = m_contacts.contact(row).bandMode();
    if (stamp->frequencyHz != 0 && (!bandMode || contestBandOfFrequency(stamp->frequencyHz) != bandMode->band))
        stamp->frequencyHz = 0;
    return stamp;
}

// The stamps number the sub-tours; a state that could not be trusted takes
// its sub-tour start back from them.
void ContestSession::restoreSubTourStarts(bool stateDoubted)
{
    const Stamps stamps = loggedStamps();
    const bool stamped = std::any_of(stamps.begin(), stamps.end(), [](const auto& s) { return s.has_value(); });
    StateRecord& state = m_log.state();
    if (stateDoubted && stamped) {
        m_subTourStarts.reset(0, stamps);
        state.subTourStart = m_subTourStarts.latest();
    }
    m_subTourStarts.reset(state.subTourStart, stamps);
}

} // namespace session
