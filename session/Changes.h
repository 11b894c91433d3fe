// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "log/Contact.h"

#include <QString>
#include <optional>

namespace session {

// A logged contact that an operation added (a restore too), edited or
// deleted, for the station's other tools.
struct ContactChange
{
    enum class Kind { Logged, Edited, Deleted };
    Kind kind = Kind::Logged;
    int row = 0;
    logbook::Contact before; // edited or deleted: the contact as it was, with its stamp
};

// What one operation of the contest session changed, for the window to show.
// Grid cells carry no flag: the grid model tells its view itself.
struct Changes
{
    bool band = false;       // the selected band, and the call field it opens
    bool mode = false;       // the current mode: mode panel, caption, F-key captions
    bool counters = false;   // the band counters
    bool currentRow = false; // the row being entered moved
    bool restore = false;    // a restore became pending, or ended
    bool subTour = false;    // a new sub-tour became pending, or was applied
    bool callsLine = false;  // the log calls line was shown or hidden
    bool scan = false;       // the calls scan ran again: marks, calls lines, repeat warning
    bool refused = false;    // a repeat on the band-mode it would be logged on: nothing logged
    bool contactLogged = false; // the entry fields empty for the next call; the Enter macro goes out
    std::optional<ContactChange> contactChange; // once on disk
    // The step that failed, for the error box; the steps after it were not
    // done, and what the steps before it changed stays changed.
    std::optional<QString> error;
    // The error is the log's write fault the operator was already told of:
    // the warning line says it, no box.
    bool errorKnown = false;
    // Why a key did nothing, for the red line under the calls lines (an edit
    // refused, a call that is none).
    std::optional<QString> warning;
    // For the status line: a file made again from memory.
    std::optional<QString> status;
    // For the error box once the operation is complete and on disk (points
    // that cannot be worked out, a state file that cannot be trusted).
    std::optional<QString> notice;
};

} // namespace session
