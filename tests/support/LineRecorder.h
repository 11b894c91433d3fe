// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keyer/KeyerTime.h"
#include "keyer/KeyingLines.h"

#include <mutex>
#include <vector>

// Records every change of DTR and RTS with the keyer's time, after passing it
// on to the real lines when there are any: what tests check and what the
// benchmark measures.
namespace keyer {

enum class Line { DTR, RTS };

struct Edge
{
    Micros at;
    Line line;
    bool on;
    bool operator==(const Edge& o) const { return at == o.at && line == o.line && on == o.on; }
};

class LineRecorder : public KeyingLines
{
public:
    explicit LineRecorder(const KeyerTime& time, KeyingLines* next = nullptr);

    void setDTR(bool on) override { record(Line::DTR, m_dtr, on); }
    void setRTS(bool on) override { record(Line::RTS, m_rts, on); }

    std::vector<Edge> edges() const;
    void clear();

private:
    void record(Line line, bool& state, bool on);

    const KeyerTime& m_time;
    KeyingLines* m_next;
    mutable std::mutex m_mutex;
    bool m_dtr = false;
    bool m_rts = false;
    std::vector<Edge> m_edges;
};

} // namespace keyer
