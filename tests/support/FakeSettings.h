// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "setup/StationSettings.h"

#include <QStringList>

// Setup fields held in memory, one per station data line.
class FakeSettings : public StationSettings
{
public:
    QStringList lines = QStringList(setup::kTemplateLineCount);
    QString field(int line) const override { return lines.value(line); }
};
