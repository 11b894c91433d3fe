// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/SideWindow.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;

// "Кластер": what the node says that is no spot, its state, and a command
// line to it (SH/DX, SET/...). The text keeps its last thousand lines.
class ClusterWindow : public SideWindow
{
    Q_OBJECT
public:
    explicit ClusterWindow(QWidget* parent);

    void appendLine(const QString& line);
    void showState(const QString& state);

Q_SIGNALS:
    void commandEntered(const QString& command);

private:
    QLabel* m_state = nullptr;
    QPlainTextEdit* m_text = nullptr;
    QLineEdit* m_command = nullptr;
};
