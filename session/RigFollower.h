// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "radio/RigBandPlan.h"
#include "radio/RigPoller.h"
#include "radio/RigSettings.h"

#include <QObject>
#include <optional>

namespace session {

class ContestSession;

// The rig and the logger in step: the rig's band and mode come as wishes the
// window acts on as the operator's own clicks, the logger's band and mode tune
// the rig (never back to the rig what it chose itself), a frequency typed
// into the call field tunes it there, and each band-mode keeps the frequency
// last used on it. The rig's frequency goes to the session for the stamps.
class RigFollower : public QObject
{
    Q_OBJECT
public:
    // `rig` and `session` must outlive the follower.
    RigFollower(radio::RigPoller& rig, ContestSession& session, QObject* parent = nullptr);

    // A rig already followed with the same settings goes on undisturbed.
    void follow(const radio::RigSettings& settings);
    // The frequencies each band-mode last had, from kvl.ini.
    void loadBandPlan() { m_bandPlan.load(); }
    // Throws KvlError naming kvl.ini when it cannot be written.
    void saveBandPlan() { m_bandPlan.save(); }
    // After every change of the band or mode, whoever made it. Answers why
    // the band plan could not be saved, if so; the rig is tuned all the same.
    std::optional<QString> loggerChanged(bool bandChanged);
    enum class Typed { NoFrequency, Tuned, RigSilent };
    // Enter in the call field: a frequency in kHz tunes the rig, and is no call.
    Typed tuneTo(const QString& typed);
    // A spot chosen on the band map: the rig goes to its frequency, its mode
    // left as it is. False while no rig answers.
    bool tuneToFrequency(qint64 hz);

Q_SIGNALS:
    void bandWanted(int band);
    void modeWanted(logbook::Mode mode);
    // The rig's frequency (0: none known) and what it says, for the status line.
    void stateShown(qint64 hz, const QString& notice);
    void lost(const QString& message);

private:
    template <class Wish>
    void rigChooses(Wish&& wish);

    radio::RigPoller& m_rig;
    ContestSession& m_session;
    radio::RigSettings m_settings; // those followed now
    radio::BandFrequencies m_bandPlan;
    bool m_rigChoosing = false; // the band or mode is the rig's, not to be sent back to it
    qint64 m_hz = 0;            // the rig's last frequency
};

} // namespace session
