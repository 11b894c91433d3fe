// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <functional>

class QPushButton;
class QWidget;

// The twelve function-key buttons BitBtn1 to BitBtn12 under their labels F1
// to F12, in three groups of four along the bottom of the main window. They
// take no focus: a click leaves it on the entry line.
class MacroButtons : public QObject
{
    Q_OBJECT
public:
    static constexpr int Count = 12;

    explicit MacroButtons(QWidget* parent);
    // Every button's caption, by its index from 0.
    void setCaptions(const std::function<QString(int)>& captionOf);

Q_SIGNALS:
    void clicked(int index);

private:
    std::array<QPushButton*, Count> m_buttons {};
};
