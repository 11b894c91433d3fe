// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/Clock.h"
#include "common/Dialogs.h"

#include <QStringList>
#include <QTimeZone>
#include <deque>
#include <optional>

class FakeClock : public Clock
{
public:
    QDate date {2024, 2, 1};
    QTime time {9, 5, 7};
    std::optional<int> utcOffset; // seconds east of UTC; none: the machine's zone
    QDateTime current() const override
    {
        return utcOffset ? QDateTime(date, time, QTimeZone(*utcOffset)) : QDateTime(date, time);
    }
};

// Records every message and answers questions from a preset queue (No when empty).
class FakeDialogs : public Dialogs
{
public:
    QStringList errors;
    QStringList questions;
    std::deque<bool> answers;

    void showError(const QString& text) override { errors << text; }
    bool confirm(const QString& question) override
    {
        questions << question;
        if (answers.empty())
            return false;
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }
};
