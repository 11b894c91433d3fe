#pragma once

#include <QString>
#include <QTime>

namespace logbook {

// Whether the sub-tour times the operator wrote in setup (free text, any
// separators) name the time `now`. The clock shows 09:00:00; an operator may
// also write 9:00:00, which must not fire at 19:00:00.
bool subTourDue(const QString& subTourTimes, const QTime& now);

} // namespace logbook
