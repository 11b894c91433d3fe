// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "log/ContactStamp.h"
#include "log/Contact.h"
#include "scoring/ContestDescription.h"

#include <QDateTime>
#include <QString>
#include <QVector>
#include <map>
#include <optional>

// The figures of the main window's status line, worked out from what the
// contest session holds in memory: no file is read for them.
namespace session {

using Stamps = QVector<std::optional<logbook::ContactStamp>>; // at index row - 1

// The sub-tour starts the session knows of: record indexes with their
// sub-tour numbers, the first record always among them. The contacts' stamps
// carry their sub-tour numbers; in a log without stamps the state file keeps
// only the current start, so the starts before it are unknown.
class SubTourStarts
{
public:
    // Start-up with the stored start and the logged contacts' stamps.
    void reset(int storedStart, const Stamps& stamps = {});
    // A start applied; the starts after it belonged to deleted contacts.
    void add(int start);
    // The number of the sub-tour that begins at `start`.
    int number(int start) const;
    // False when earlier starts are unknown: the number is then the least the
    // current sub-tour can be.
    bool exact() const { return m_exact; }
    int latest() const { return m_starts.rbegin()->first; }
    // The number of the sub-tour record `index` belongs to; none before the
    // first start known where earlier starts are unknown.
    std::optional<int> numberAt(int index) const;
    // A stamped contact knows its sub-tour; the others, at record `index`, go
    // by the starts known.
    std::optional<int> numberOf(const logbook::Contact& contact, int index) const
    {
        return contact.stamp ? std::optional<int>(contact.stamp->subTour) : numberAt(index);
    }

private:
    std::map<int, int> m_starts {{0, 1}};
    bool m_exact = true;
};

struct StatusFigures
{
    int contacts = 0;     // the report's count: the rows up to the one being entered
    qint64 score = 0;     // the report's claimed score
    qint64 points = 0;    // summed, where the score multiplies them
    std::optional<int> multipliers; // where the contest counts them
    bool judgesPoints = false;      // the judges work the points out
    bool multiplied = false;        // the score is the points times the multipliers
    int subTour = 1;
    bool subTourExact = true;   // false: at least this number
    int subTourContacts = 0;
    QString subTourSince;       // time cell of its first contact; empty before one
    int lastTenMinutes = 0;     // contacts logged in this minute and the nine before it
    int lastHour = 0;           // ... and the fifty-nine before it
    std::optional<QTime> nextSubTour; // the next listed sub-tour time
};

// The sub-tour beginning at record `subTourStart` (with a new sub-tour
// pending: the one it would begin) and `now`, the clock's reading.
StatusFigures statusFigures(logbook::ContactRows rows, const scoring::ContestDescription* contest,
                            const SubTourStarts& starts, int subTourStart, const QDateTime& now);

constexpr int kMinutesPerDay = 24 * 60;

inline int minuteOfDay(const QTime& t)
{
    return t.hour() * 60 + t.minute();
}

// Minutes from `earlier` on to `later`, both minutes of the day: a later time
// that reads earlier is on the next day.
int minutesBetween(int earlier, int later);

struct ContactRates
{
    int lastTenMinutes = 0;
    int lastHour = 0;
};
// Newest first: a stamped contact by its instant; one without a stamp by its
// hh:mm, a time earlier than the one before it being the next day, and the
// newest at most a day before `now`. Rows without a readable time are left out.
ContactRates contactRates(logbook::ContactRows rows, const QDateTime& now);

// PARIS speed of the keyer: the dot is DashTime / 3 ms, as keyed, and a word
// of 50 dots takes 60 s at 1200 / dot words a minute. None for a dot under
// one millisecond.
std::optional<int> wordsPerMinute(int dashTime);

// The status line's text; `dashTime` only in CW.
QString statusLineText(const StatusFigures& figures, std::optional<int> dashTime);

} // namespace session
