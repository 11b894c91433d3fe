// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Message boxes and the Yes/No question, behind an interface so that tests can
// read the texts and preset the answers.
class Dialogs
{
public:
    virtual ~Dialogs() = default;
    virtual void showError(const QString& text) = 0;
    virtual bool confirm(const QString& question) = 0; // true for Yes
};
