// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scoring/StationPackets.h"
#include "session/Changes.h"

#include <QDateTime>
#include <functional>
#include <optional>

class StationSettings;
namespace setup {
class IniStore;
}

namespace session {

class ContestSession;

// The contest as the station's other tools hear it: each contact logged,
// edited, deleted or restored, the rig at every change and every ten seconds,
// the program and its contest at start and when the contest changes, and
// the score at most once a minute when it moved.
class StationBroadcast
{
public:
    using Send = std::function<void(const QByteArray&)>;
    static constexpr int kRadioSeconds = 10;
    static constexpr int kScoreSeconds = 60;
    // The grid writes an edited cell at every key: one replace goes out for
    // the edit, once the row has been left alone this long.
    static constexpr int kEditQuietSeconds = 2;

    // All three must outlive the broadcast; `send` hands a datagram over and
    // never waits.
    StationBroadcast(const ContestSession& session, const StationSettings& settings, const setup::IniStore& ini,
                     Send send);

    // The mark of the log the contacts' ids are made from.
    void setLogMark(const QString& mark) { m_logMark = mark; }
    void setComputerName(const QString& name) { m_computerName = name; }
    // AppInfo now, and again whenever the contest's name changes.
    void announce();
    // What an operation of the session did to a logged contact; `now` dates a
    // contact without a stamp (a log kept before stamps).
    void contactChanged(const ContactChange& change, const QDateTime& now);
    // The band, the mode or the rig's frequency may have moved.
    void radioChanged(const QDateTime& now);
    // Every clock reading: an edit gone quiet, the rig's packet every ten
    // seconds, the score's every minute where it moved, and AppInfo when the
    // contest changed.
    void tick(const QDateTime& now);

private:
    scoring::PacketStation station() const;
    scoring::PacketContact packetContact(const logbook::Contact& contact, int row, const QDateTime& now) const;
    scoring::RadioState radioState() const;
    void sendRadio(const scoring::RadioState& state, const QDateTime& now);
    void sendEdit(const QDateTime& now);

    const ContestSession& m_session;
    const StationSettings& m_settings;
    const setup::IniStore& m_ini;
    Send m_send;
    QString m_logMark;
    QString m_computerName;
    QString m_announcedContest;
    struct Edit
    {
        int row = 0;
        logbook::Contact before; // as it was before the first key
        QDateTime last;
    };
    std::optional<Edit> m_edit; // not yet sent
    std::optional<scoring::RadioState> m_radio; // the last sent
    QDateTime m_radioSent;
    std::optional<scoring::ScoreState> m_score;
    QDateTime m_scoreSent;
};

} // namespace session
