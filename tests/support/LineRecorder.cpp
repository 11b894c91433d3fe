// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/LineRecorder.h"

namespace keyer {

LineRecorder::LineRecorder(const KeyerTime& time, KeyingLines* next)
    : m_time(time)
    , m_next(next)
{
    m_edges.reserve(4096);
}

void LineRecorder::record(Line line, bool& state, bool on)
{
    if (m_next) {
        if (line == Line::DTR)
            m_next->setDTR(on);
        else
            m_next->setRTS(on);
    }
    const Micros at = m_time.now();
    std::lock_guard<std::mutex> lock(m_mutex);
    if (state == on)
        return;
    state = on;
    m_edges.push_back({at, line, on});
}

std::vector<Edge> LineRecorder::edges() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_edges;
}

void LineRecorder::clear()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_edges.clear();
}

} // namespace keyer
