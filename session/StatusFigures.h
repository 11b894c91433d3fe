#pragma once

#include "log/QsoRecord.h"

#include <QString>
#include <QTime>
#include <QVector>
#include <optional>
#include <set>

// The figures of the main window's status line, worked out from what the
// contest session holds in memory: no file is read for them.
namespace session {

// The sub-tour starts the session knows of: record indexes, the first record
// always among them. The log marks no sub-tour, and the state file keeps only
// the current start, so the starts before it are known only when this run
// saw them applied.
class SubTourStarts
{
public:
    // Start-up with the stored start: one past the first record leaves the
    // starts before it unknown.
    void reset(int storedStart);
    // A start applied; the starts after it belonged to deleted contacts.
    void add(int start);
    // The number of the sub-tour that begins at `start`.
    int number(int start) const;
    // False when starts before this run may be missing: the number is then
    // the least the current sub-tour can be.
    bool exact() const { return m_exact; }

private:
    std::set<int> m_starts {0};
    bool m_exact = true;
};

struct StatusFigures
{
    int contacts = 0;     // the report's count: the rows up to the one being entered
    qint64 score = 0;     // the report's claimed score
    int subTour = 1;
    bool subTourExact = true;   // false: at least this number
    int subTourContacts = 0;
    QString subTourSince;       // time cell of its first contact; empty before one
    int lastTenMinutes = 0;     // contacts logged in this minute and the nine before it
    int lastHour = 0;           // ... and the fifty-nine before it
    std::optional<QTime> nextSubTour; // the next listed sub-tour time
};

// The sub-tour beginning at record `subTourStart` (with a new sub-tour
// pending: the one it would begin) and `now`, the clock's time.
StatusFigures statusFigures(const QVector<logbook::QsoRecord>& rows, const QString& variantText,
                            const SubTourStarts& starts, int subTourStart, const QTime& now);

struct ContactRates
{
    int lastTenMinutes = 0;
    int lastHour = 0;
};
// From the rows' hh:mm times, newest first: a time earlier than the one
// before it is the next day, and the newest is at most a day before `now`.
// Rows without a readable time are left out.
ContactRates contactRates(const QVector<logbook::QsoRecord>& rows, const QTime& now);

// PARIS speed of the keyer: the dot is DashTime / 3 ms, as keyed, and a word
// of 50 dots takes 60 s at 1200 / dot words a minute. None for a dot under
// one millisecond.
std::optional<int> wordsPerMinute(int dashTime);

// The status line's text; `dashTime` only in CW.
QString statusLineText(const StatusFigures& figures, std::optional<int> dashTime);

} // namespace session
