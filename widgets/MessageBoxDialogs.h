// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/Dialogs.h"

class QWidget;

// The real message boxes, titled with the application's name.
class MessageBoxDialogs : public Dialogs
{
public:
    explicit MessageBoxDialogs(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }
    void showError(const QString& text) override;
    bool confirm(const QString& question) override;

private:
    QWidget* m_parent;
};
