// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QTextBrowser;

// The operator's manual: a Markdown file, its pictures in the folders beside
// it, shown in a window of the program's own, so that it reads offline.
class ManualWindow : public QWidget
{
    Q_OBJECT
public:
    explicit ManualWindow(QWidget* parent);

    // Reads `file` whole (at most 4 MiB) and shows it, in front. Throws
    // KvlError naming the file when it cannot be read.
    void showManual(const QString& file);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QTextBrowser* m_text;
};
