#include "common/ErrorGuard.h"

QString errorBoxText(const QString& message)
{
    return message.endsWith(QLatin1Char('.')) ? message : message + QLatin1Char('.');
}
