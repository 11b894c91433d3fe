#pragma once

#include <QString>
#include <QTime>

namespace logbook {

// Whether the sub-tour times the operator wrote in setup (free text, any
// separators) name the time `now`. The clock shows 09:00:00; an operator may
// also write 9:00:00, which must not fire at 19:00:00.
bool subTourDue(const QString& subTourTimes, const QTime& now);

// The sub-tour start once a new sub-tour begins while `currentRow` is being
// entered: the record index of that row's contact, which is the first of the
// new sub-tour. Row 0 holds no contact, so the start stays.
inline int newSubTourStart(int currentRow, int storedStart)
{
    return currentRow > 0 ? currentRow - 1 : storedStart;
}

} // namespace logbook
