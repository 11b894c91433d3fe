// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/KvlError.h"

#include <QString>
#include <functional>

// The text an action throws for the operator; empty when it throws none.
inline QString errorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const KvlError& e) {
        return e.message();
    }
    return {};
}
