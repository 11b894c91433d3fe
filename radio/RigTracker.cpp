// SPDX-License-Identifier: GPL-3.0-or-later
#include "radio/RigTracker.h"

#include "radio/RigModes.h"

#include <cmath>

namespace radio {
namespace {

// A single failed reading of an answering rig is retried at once; the
// second one in a row is a loss.
constexpr int kReadFailuresForLoss = 2;
constexpr double kHighestFrequencyHz = 1e12;

// The band and mode a reading means, inside the contest bands only: outside
// them nothing changes, the mode included.
void meaning(qint64 frequencyHz, const QString& mode, RigEvents& events)
{
    events.band = logbook::contestBandOfFrequency(frequencyHz);
    if (events.band)
        events.logMode = logModeOfRigMode(mode);
}

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
        return failed(QStringLiteral("отвечает %1 Гц, это не частота").arg(hz), now);
    RigEvents events;
    if (m_lost)
        events.notice = QStringLiteral("трансивер снова отвечает: полоса и вид работы — по нему");
    events.reconnected = m_lost;
    m_lost = false;
    m_connected = true;
    m_readFailures = 0;
    m_next = now + m_timing.pollInterval;

    // Only a change of the rig is compared with the logger: a choice made in
    // the logger stands until the rig moves.
    const qint64 frequency = std::llround(hz);
    if (frequency != m_frequencyHz || reading.mode != m_mode) {
        m_frequencyHz = frequency;
        m_mode = reading.mode;
        events.frequencyHz = frequency;
        events.mode = reading.mode;
        meaning(frequency, reading.mode, events);
    }
    checkTuned(logbook::contestBandOfFrequency(frequency), now, events);
    return events;
}

void RigTracker::checkTuned(std::optional<int> band, Millis now, RigEvents& events)
{
    if (!m_expected)
        return;
    if (band == m_expected->band) {
        m_expected.reset();
    } else if (now >= m_expected->by) {
        const int wanted = m_expected->band;
        m_expected.reset();
        const RigEvents back = rigsBand(
            QStringLiteral("трансивер не перешёл на %1 м: полоса — по трансиверу").arg(logbook::bandText(wanted)));
        events.notice = back.notice;
        events.band = back.band;
        events.logMode = back.logMode;
    }
}

void RigTracker::tuned(std::optional<int> band, Millis now)
{
    m_expected.reset();
    if (band)
        m_expected = Expected {*band, now + m_timing.tuneWait};
}

RigEvents RigTracker::refused(const QString& cause)
{
    m_expected.reset();
    return rigsBand(QStringLiteral("трансивер не принял настройку (%1): полоса — по трансиверу").arg(cause));
}

RigEvents RigTracker::rigsBand(const QString& why) const
{
    RigEvents events;
    events.notice = why;
    if (m_frequencyHz)
        meaning(*m_frequencyHz, m_mode, events);
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
        // The reason first: a long text is cut off at the end of the status line.
        events.lost = QStringLiteral("Трансивер не отвечает: %1 (%2). Полоса и вид работы — вручную, пока он не ответит")
                          .arg(cause, m_rigName);
    }
    m_lost = true;
    m_connected = false;
    m_readFailures = 0;
    m_next = now + m_timing.retryInterval;
    m_frequencyHz.reset();
    m_mode.clear();
    m_expected.reset();
    return events;
}

} // namespace radio
