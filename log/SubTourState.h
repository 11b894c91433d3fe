// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <optional>

namespace logbook {

// What the state file has no room for about sub-tours, kept in "cfg.kvx"
// beside it: whether a new sub-tour is due and not yet begun, and the clock's
// check that last changed that, so that a restart neither loses a due
// sub-tour nor misses one that came while the program was not running.
struct SubTourState
{
    static constexpr int Size = 16;

    bool pending = false;
    qint64 checkedUtcSeconds = 0; // 0: no check known

    QByteArray encode() const;
    // None for a file that is not one of these (garbage, cut short).
    static std::optional<SubTourState> decode(const QByteArray& bytes);
};

} // namespace logbook
