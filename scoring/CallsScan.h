// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "log/BandTable.h"
#include "scoring/ContestDescription.h"

#include <QByteArrayView>
#include <QString>
#include <QTime>
#include <array>
#include <optional>

namespace logbook {
class RecordFile;
}

// The calls scan run after every key released in the call field: which bands
// the typed call was worked on in the current mode and sub-tour, the calls of
// the sub-tour (and of the whole log) that begin with the typed text, the
// repeat-contact warning and the exchange remembered from the log.
namespace scoring {

struct CallsScanInput
{
    QString typed;           // the call field's text
    int subTourStart = 0;    // record index of the sub-tour's first contact
    int currentRow = 1;      // grid row of the contact being entered
    QString modeCaption;     // the mode panel: "SSB" or "CW"
    QString currentBandMode; // grid column 1 of the current row
    bool callsLineShown = true;
    bool newSubTourPending = false; // the panel "Новый тур" is shown
    // The contest's repeat rule: a station once per band-mode (or band) in a
    // sub-tour, and in no scope again before the gap has passed since the
    // last contact with it.
    RepeatScope scope = RepeatScope::BandAndMode;
    RepeatGap gap;
    std::optional<QTime> now; // the clock's reading, for a gap in minutes
};

// The record index the sub-tour scan begins at. While a new sub-tour is
// pending, the contact being entered is already its first, so no earlier
// record makes it a repeat.
int scanSubTourStart(const CallsScanInput& input);

struct CallsScanResult
{
    static constexpr int LineStop = 50; // a calls line stops growing here
    static constexpr int ShortCapacity = 10;

    std::array<bool, logbook::kBandCount> marks {}; // worked in this sub-tour, in the scope of the current mode
    QString subTourLine;        // Edit3
    QString logLine;            // Edit4
    QString dupeCall;           // not empty: a repeat contact, or one too soon after the last
    QString dupeWarning;        // Label25: "Dupe  ! ! !   ...", or "Рано  ! ! !   ..." with the gap
    QString rememberedExchange; // pre-fills the received field
    // The log file could not be read: marks, warning, dupe call and remembered
    // exchange are cleared, the calls lines were not rebuilt and keep the text
    // they show; the text is for the error box.
    std::optional<QString> error;
};

// The scan over records already read: `records` holds whole 59-byte QSO
// records, the first of them record `firstIndex`; indices past its end are
// taken as past the end of the log file.
CallsScanResult scanCallRecords(const CallsScanInput& input, QByteArrayView records, qint64 firstIndex);

// The scan as the window runs it: one read of the log file over the range the
// scan needs (from the sub-tour start, or from record 0 while the log calls
// line is shown or the contest sets a gap, up to the current row), then the scan.
CallsScanResult StringOfCalls(const CallsScanInput& input, const logbook::RecordFile& logFile);

} // namespace scoring
