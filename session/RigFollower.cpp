// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/RigFollower.h"

#include "common/KvlError.h"
#include "session/ContestSession.h"

namespace session {

RigFollower::RigFollower(radio::RigPoller& rig, ContestSession& session, QObject* parent)
    : QObject(parent), m_rig(rig), m_session(session)
{
    connect(&rig, &radio::RigPoller::bandWanted, this, [this](int band) { rigChooses([&] { Q_EMIT bandWanted(band); }); });
    connect(&rig, &radio::RigPoller::modeWanted, this,
            [this](logbook::Mode mode) { rigChooses([&] { Q_EMIT modeWanted(mode); }); });
    connect(&rig, &radio::RigPoller::rigStateChanged, this, [this](qint64 hz, const QString& mode) {
        m_bandPlan.note(hz, mode);
        m_session.setRigFrequency(hz); // stamped on the next contact
        m_hz = hz;
        Q_EMIT stateShown(hz, QString());
    });
    connect(&rig, &radio::RigPoller::noticed, this, [this](const QString& notice) { Q_EMIT stateShown(m_hz, notice); });
    connect(&rig, &radio::RigPoller::connectionLost, this, [this](const QString& message) {
        m_session.setRigFrequency(0);
        Q_EMIT lost(message);
    });
}

// A band or mode the rig chose is not sent back to it.
template <class Wish>
void RigFollower::rigChooses(Wish&& wish)
{
    m_rigChoosing = true;
    wish();
    m_rigChoosing = false;
}

void RigFollower::follow(const radio::RigSettings& settings)
{
    if (settings == m_settings)
        return;
    m_settings = settings;
    m_session.setRigFrequency(0);
    Q_EMIT lost(QString());
    m_rig.start(settings);
}

std::optional<QString> RigFollower::loggerChanged(bool bandChanged)
{
    std::optional<QString> unsaved;
    try {
        if (bandChanged)
            m_bandPlan.save();
    } catch (const KvlError& e) {
        unsaved = e.message();
    }
    if (!m_rigChoosing && m_session.selectedBand() >= 0)
        m_rig.tune(m_bandPlan.tuneFor(m_session.selectedBand(), m_session.mode()));
    return unsaved;
}

RigFollower::Typed RigFollower::tuneTo(const QString& typed)
{
    const std::optional<radio::RigTune> tune = radio::typedFrequency(typed.trimmed());
    if (!tune)
        return Typed::NoFrequency;
    return m_rig.tune(*tune) ? Typed::Tuned : Typed::RigSilent;
}

bool RigFollower::tuneToFrequency(qint64 hz)
{
    radio::RigTune tune;
    tune.frequencyHz = hz;
    tune.band = logbook::contestBandOfFrequency(hz);
    return m_rig.tune(tune);
}

} // namespace session
