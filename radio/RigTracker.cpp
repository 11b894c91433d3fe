#include "radio/RigTracker.h"

#include "radio/RigModes.h"

#include <cmath>

namespace radio {
namespace {

// A single failed reading of an answering rig is retried at once; the
// second one in a row is a loss.
constexpr int kReadFailuresForLoss = 2;
constexpr double kHighestFrequencyHz = 1e12;

} // namespace

RigTracker::RigTracker(QString rigName, RigTiming timing)
    : m_rigName(std::move(rigName))
    , m_timing(timing)
{
}

RigEvents RigTracker::answered(const RigReading& reading, Millis now)
{
    const double hz = reading.frequencyHz;
    if (!std::isfinite(hz) || hz <= 0 || hz > kHighestFrequencyHz)
        return failed(QStringLiteral("it answers %1 Hz, no frequency").arg(hz), now);
    RigEvents events;
    events.reconnected = m_lost;
    m_lost = false;
    m_connected = true;
    m_readFailures = 0;
    m_next = now + m_timing.pollInterval;

    const qint64 frequency = std::llround(hz);
    if (frequency != m_frequencyHz || reading.mode != m_mode) {
        m_frequencyHz = frequency;
        m_mode = reading.mode;
        events.frequencyHz = frequency;
        events.mode = reading.mode;
    }
    const std::optional<int> band = logbook::contestBandOfFrequency(frequency);
    if (band && band != m_band)
        events.band = m_band = band;
    const std::optional<logbook::Mode> logMode = logModeOfRigMode(reading.mode);
    if (logMode && logMode != m_logMode)
        events.logMode = m_logMode = logMode;
    return events;
}

RigEvents RigTracker::failed(const QString& cause, Millis now)
{
    if (m_connected && ++m_readFailures < kReadFailuresForLoss) {
        m_next = now + m_timing.pollInterval;
        return {};
    }
    return lose(cause, now);
}

RigEvents RigTracker::lose(const QString& cause, Millis now)
{
    RigEvents events;
    if (!m_lost) {
        events.lost = QStringLiteral("The rig (%1) does not answer: %2. The band and mode are set by hand until it "
                                     "answers again")
                          .arg(m_rigName, cause);
    }
    m_lost = true;
    m_connected = false;
    m_readFailures = 0;
    m_next = now + m_timing.retryInterval;
    m_frequencyHz.reset();
    m_mode.clear();
    m_band.reset();
    m_logMode.reset();
    return events;
}

} // namespace radio
