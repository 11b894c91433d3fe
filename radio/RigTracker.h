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
    Millis shutdownWait = 1500;  // how long closing waits for a rig call in progress
};

// What changed with one attempt; everything empty when nothing did.
struct RigEvents
{
    QString lost;       // the message of a loss, once per loss
    bool reconnected = false;
    std::optional<qint64> frequencyHz; // the rig's state, when it changed
    QString mode;
    std::optional<int> band;           // a contest band the logger should select
    std::optional<logbook::Mode> logMode; // a mode the logger should switch to

    bool empty() const { return lost.isEmpty() && !reconnected && !frequencyHz && !band && !logMode; }
};

class RigTracker
{
public:
    explicit RigTracker(QString rigName, RigTiming timing = {});

    // The rig answered an attempt made at `now`.
    RigEvents answered(const RigReading& reading, Millis now);
    // The attempt made at `now` failed: `cause` says why.
    RigEvents failed(const QString& cause, Millis now);

    // While false, the connection is closed and the next attempt opens it.
    bool connected() const { return m_connected; }
    Millis nextAttempt() const { return m_next; }

private:
    RigEvents lose(const QString& cause, Millis now);

    QString m_rigName;
    RigTiming m_timing;
    bool m_connected = false;
    bool m_lost = false; // a loss is reported and the rig has not answered since
    int m_readFailures = 0;
    Millis m_next = 0;
    // What the logger was last told; forgotten at a loss, so that a rig
    // answering again is followed from where it stands.
    std::optional<qint64> m_frequencyHz;
    QString m_mode;
    std::optional<int> m_band;
    std::optional<logbook::Mode> m_logMode;
};

} // namespace radio
