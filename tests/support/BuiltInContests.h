// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scoring/ContestCatalogue.h"

// A built-in contest by the name setup lists, as the program carries it; none
// for any other text.
inline const scoring::ContestDescription* builtInContest(const QString& name)
{
    static const scoring::ContestCatalogue builtIns = scoring::loadContestCatalogue({scoring::kBuiltInContests});
    return builtIns.find(name);
}
