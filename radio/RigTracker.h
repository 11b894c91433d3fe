// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "log/BandTable.h"
#include "radio/RigConnection.h"

#include <QString>
#include <QtGlobal>
#include <optional>

// What the logger makes of the rig's answers: the band and mode it should
// follow, the one message when the rig stops answering, and when to ask the
// rig again. Plain logic on the times it is given, so it runs on virtual time
// in tests.
namespace radio {

using Millis = qint64;

struct RigTiming
{
    Millis pollInterval = 250;   // between two readings of an answering rig
    Millis retryInterval = 2000; // between two attempts to reach a silent rig
    Millis shutdownWait = 100;   // how long closing waits for a rig call in progress
    Millis tuneWait = 1000;      // for the rig to reach the band it was set to
};

// What changed with one attempt; everything empty when nothing did.
struct RigEvents
{
    QString lost;       // the message of a loss, once per loss
    bool reconnected = false;
    QString notice;     // for the status line: the rig's band and mode won, and why
    std::optional<qint64> frequencyHz; // the rig's state, when it changed
    QString mode;
    // What a changed reading means inside a contest band, for the logger to
    // select where it differs; nothing outside them.
    std::optional<int> band;
    std::optional<logbook::Mode> logMode;

    bool empty() const { return lost.isEmpty() && !reconnected && notice.isEmpty() && !frequencyHz && !band && !logMode; }
};

class RigTracker
{
public:
    explicit RigTracker(QString rigName, RigTiming timing = {});

    // The rig answered an attempt made at `now`.
    RigEvents answered(const RigReading& reading, Millis now);
    // The attempt made at `now` failed: `cause` says why.
    RigEvents failed(const QString& cause, Millis now);
    // The rig took a setting at `now`: it should be on `band` within
    // RigTiming::tuneWait, else the logger goes back to the rig's band.
    void tuned(std::optional<int> band, Millis now);
    // The rig refused a setting: the logger goes back to the rig's band.
    RigEvents refused(const QString& cause);

    // While false, the connection is closed and the next attempt opens it.
    bool connected() const { return m_connected; }
    Millis nextAttempt() const { return m_next; }

private:
    RigEvents lose(const QString& cause, Millis now);
    // The band and mode of the last reading, with why they win.
    RigEvents rigsBand(const QString& why) const;
    void checkTuned(std::optional<int> band, Millis now, RigEvents& events);

    QString m_rigName;
    RigTiming m_timing;
    bool m_connected = false;
    bool m_lost = false; // a loss is reported and the rig has not answered since
    int m_readFailures = 0;
    Millis m_next = 0;
    // The last reading; forgotten at a loss, so that a rig answering again
    // is followed from where it stands.
    std::optional<qint64> m_frequencyHz;
    QString m_mode;
    struct Expected
    {
        int band;
        Millis by;
    };
    std::optional<Expected> m_expected; // a setting the rig took, until it is on its band
};

} // namespace radio
