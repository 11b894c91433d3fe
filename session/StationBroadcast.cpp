// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/StationBroadcast.h"

#include "common/FileNames.h"
#include "scoring/ExportText.h"
#include "session/ContestSession.h"
#include "setup/IniStore.h"
#include "setup/StationSettings.h"

#include <QDir>
#include <QTimeZone>
#include <utility>

namespace session {

StationBroadcast::StationBroadcast(const ContestSession& session, const StationSettings& settings,
                                   const setup::IniStore& ini, Send send)
    : m_session(session)
    , m_settings(settings)
    , m_ini(ini)
    , m_send(std::move(send))
{
}

scoring::PacketStation StationBroadcast::station() const
{
    return {m_computerName, m_settings.callSign().trimmed().toUpper(),
            scoring::exportContestName(m_session.contest(), m_ini.exports()), QString()};
}

void StationBroadcast::announce()
{
    scoring::PacketStation s = station();
    s.logName = QDir::current().absoluteFilePath(logbook::existingFileName(logbook::kLogFileName));
    m_announcedContest = s.contestName;
    m_send(scoring::appInfoPacket(s));
}

// A contact without a stamp has its hh:mm on the local clock of today.
scoring::PacketContact StationBroadcast::packetContact(const logbook::Contact& contact, int row,
                                                       const QDateTime& now) const
{
    scoring::PacketContact p;
    p.id = scoring::contactId(m_logMark, row);
    const std::optional<QTime> time = contact.time();
    p.utc = contact.stamp ? contact.stamp->utc() : QDateTime(now.date(), time.value_or(now.time()), now.timeZone()).toUTC();
    p.bandMode = contact.bandMode().value_or(logbook::BandAndMode {qMax(0, m_session.selectedBand()), m_session.mode()});
    p.frequencyHz = contact.stamp ? contact.stamp->frequencyHz : 0;
    p.call = contact.call();
    p.sent = contact.sent();
    p.received = contact.received();
    p.points = contact.plusPoint() ? 1 : contact.points().value_or(0);
    p.multiplier = contact.multipliers > 0;
    p.repeat = contact.repeat;
    return p;
}

// An edit waits until the row is left alone; whatever comes next for
// another row sends it first, so the tools hear the changes in order. A
// deleted row's edit needs no replace: the deletion names the contact.
void StationBroadcast::contactChanged(const ContactChange& change, const QDateTime& now)
{
    if (m_edit && (m_edit->row != change.row || change.kind == ContactChange::Kind::Logged))
        sendEdit(now);
    switch (change.kind) {
    case ContactChange::Kind::Logged:
        m_send(scoring::contactInfoPacket(packetContact(m_session.contacts().contact(change.row), change.row, now),
                                          station()));
        break;
    case ContactChange::Kind::Edited:
        if (!m_edit)
            m_edit = Edit {change.row, change.before, now};
        m_edit->last = now;
        break;
    case ContactChange::Kind::Deleted:
        m_edit.reset();
        m_send(scoring::contactDeletePacket(packetContact(change.before, change.row, now), station()));
        break;
    }
}

void StationBroadcast::sendEdit(const QDateTime& now)
{
    const Edit edit = *std::exchange(m_edit, std::nullopt);
    const scoring::PacketContact before = packetContact(edit.before, edit.row, now);
    m_send(scoring::contactReplacePacket(packetContact(m_session.contacts().contact(edit.row), edit.row, now),
                                         before.call, before.utc, station()));
}

scoring::RadioState StationBroadcast::radioState() const
{
    const radio::RigSettings& rig = m_ini.rig().settings;
    return {m_session.rigFrequency(), {qMax(0, m_session.selectedBand()), m_session.mode()},
            rig.enabled() ? QStringLiteral("Hamlib %1").arg(rig.model) : QString()};
}

void StationBroadcast::sendRadio(const scoring::RadioState& state, const QDateTime& now)
{
    m_radio = state;
    m_radioSent = now;
    m_send(scoring::radioInfoPacket(state, station()));
}

void StationBroadcast::radioChanged(const QDateTime& now)
{
    const scoring::RadioState state = radioState();
    if (!(m_radio && *m_radio == state))
        sendRadio(state, now);
}

// A clock set back sends at once rather than after the time it went back.
void StationBroadcast::tick(const QDateTime& now)
{
    const auto due = [&now](const QDateTime& sent, int seconds) {
        return !sent.isValid() || sent.secsTo(now) >= seconds || sent.secsTo(now) < 0;
    };
    if (m_edit && due(m_edit->last, kEditQuietSeconds))
        sendEdit(now);
    if (due(m_radioSent, kRadioSeconds))
        sendRadio(radioState(), now);
    if (station().contestName != m_announcedContest)
        announce();
    if (!due(m_scoreSent, kScoreSeconds))
        return;
    const logbook::ContactRows rows = m_session.contacts().logged(m_session.currentRow());
    scoring::ScoreState score = scoring::scoreState(rows, m_session.contest());
    score.power = m_ini.exports().power;
    score.assisted = m_ini.exports().assisted;
    if (m_score && *m_score == score)
        return;
    m_score = score;
    m_scoreSent = now;
    m_send(scoring::scorePacket(score, station(), now));
}

} // namespace session
