// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/ErrorGuard.h"

QString errorBoxText(const QString& message)
{
    return message.endsWith(QLatin1Char('.')) ? message : message + QLatin1Char('.');
}
