#include "log/SubTourTimes.h"

#include "common/Clock.h"

namespace logbook {

bool subTourDue(const QString& subTourTimes, const QTime& now)
{
    if (subTourTimes.contains(clockText(now)))
        return true;
    if (now.hour() >= 10)
        return false;
    const QString shortForm = now.toString(QStringLiteral("h:mm:ss"));
    for (qsizetype at = subTourTimes.indexOf(shortForm); at >= 0; at = subTourTimes.indexOf(shortForm, at + 1)) {
        if (at == 0 || !subTourTimes.at(at - 1).isDigit())
            return true;
    }
    return false;
}

} // namespace logbook
