// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QTime>
#include <optional>
#include <vector>

namespace logbook {

// The sub-tour times the operator wrote in setup: free text in which every
// run of digits and colons is a time as operators write them, 10:00:00,
// 10:00, 9:00, 1000 or 100000. Words without digits are comments.
struct SubTourTimes
{
    std::vector<QTime> times; // ascending, each once, whole seconds
    QStringList unreadable;   // the words whose digits are no time, as written
};
SubTourTimes parseSubTourTimes(const QString& text);

// The operator's message naming the unreadable words; none when every word
// with digits was a time.
std::optional<QString> unreadableTimesMessage(const QString& text);

// The sub-tour start once a new sub-tour begins while `currentRow` is being
// entered: the record index of that row's contact, which is the first of the
// new sub-tour. Row 0 holds no contact, so the start stays.
inline int newSubTourStart(int currentRow, int storedStart)
{
    return currentRow > 0 ? currentRow - 1 : storedStart;
}

} // namespace logbook
