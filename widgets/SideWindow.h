// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "setup/IniStore.h"

#include <QWidget>

// A window beside the main one (statistics, band map, cluster): it takes the
// main window's text size, Esc or its own Alt chord closes it, and its place
// and being open are kept in kvl.ini from one start to the next.
class SideWindow : public QWidget
{
    Q_OBJECT
public:
    // `closingKey`: the Latin letter of its Alt chord, on either layout.
    SideWindow(QWidget* parent, const QString& name, const QString& title, int closingKey);

    // Where it first opens against the main window.
    enum class Side { Right, Left, Below };
    // `ini` must outlive the window.
    void keepIn(setup::IniStore& ini, setup::IniStore::SideWindow which, Side side);
    bool wasOpen() const;
    // Shows it where it was last time, inside a screen still there; the first
    // time, on its side of `beside` as far as its screen lets it.
    void open(const QWidget& beside);
    // Throws KvlError naming kvl.ini when it cannot be written.
    void savePlace();

Q_SIGNALS:
    void hidden(); // closed, by Esc, its Alt chord or its frame

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void place(const QWidget& beside);

    int m_closingKey;
    setup::IniStore* m_ini = nullptr;
    setup::IniStore::SideWindow m_which = setup::IniStore::SideWindow::Statistics;
    Side m_side = Side::Right;
    bool m_placed = false; // placed since the start: its place is the operator's
};
