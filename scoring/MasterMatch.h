// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "log/ContactLog.h"
#include "scoring/CallRules.h"
#include "scoring/MasterIndex.h"

#include <QSet>
#include <QString>
#include <vector>

// What the master-file line shows for the typed call: the master calls
// that contain it and, for a call the file does not know, the calls one
// character away as possible corrections; each marked when the log has it.
namespace scoring {

// The calls of the log the marks are taken from, gathered once per change
// of the log, band, mode or sub-tour, never per key.
struct WorkedCalls
{
    QSet<QString> logged;  // anywhere in the log
    QSet<QString> repeats; // in the repeat scope of the current row in the current sub-tour, or too soon
};

// The logged rows of `grid` (row i + 1 holds record i, up to the row being
// entered); the sub-tour runs from record `subTourStart` on. Read cell by
// cell, without copying the rows. The contest's gap is taken at the clock's
// reading `now`.
WorkedCalls workedCalls(const logbook::ContactLog& contacts, int currentRow, const QString& currentBandMode,
                        int subTourStart, const RepeatRule& rule = {}, const std::optional<QTime>& now = {});

enum class MasterMark { None, Logged, Repeat };

struct MasterCall
{
    QString call;
    MasterMark mark = MasterMark::None;
    bool correction = false; // one character away from a call the file does not know
};

constexpr int kMasterLineFrom = 2;   // typed characters before the line shows
constexpr int kCorrectionsFrom = 3;  // typed characters before corrections are looked for

// The calls containing the typed text, then the corrections that do not
// contain it (a call one character longer is listed among the first); each
// part in the file's order, at most `limit` each. Empty below
// kMasterLineFrom characters.
std::vector<MasterCall> matchMaster(const MasterIndex& index, const QString& typed, const WorkedCalls& worked,
                                    int limit);

} // namespace scoring
