// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/MenuKeys.h"

#include "widgets/KeyChord.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <memory>

namespace menukeys {

bool takesAltChord(QKeyEvent* e)
{
    if (!keychord::altOnly(e) || e->text().isEmpty())
        return false;
    e->accept();
    return true;
}

void open(QMenuBar* bar, QMenu* menu)
{
    bar->setActiveAction(menu->menuAction());
    const QList<QAction*> items = menu->actions();
    const auto first = std::find_if(items.begin(), items.end(), [](const QAction* item) {
        return !item->isSeparator() && item->isVisible() && item->isEnabled();
    });
    if (first != items.end())
        menu->setActiveAction(*first);
}

void giveKeysBack(QMainWindow* window, QMenu* menu, std::function<void()> fallback)
{
    auto keysBefore = std::make_shared<QPointer<QWidget>>();
    QObject::connect(menu, &QMenu::aboutToShow, window, [window, keysBefore] {
        if (window->focusWidget() != window->menuBar())
            *keysBefore = window->focusWidget();
    });
    QObject::connect(menu, &QMenu::aboutToHide, window, [window, keysBefore, fallback = std::move(fallback)] {
        // The menu bar takes the keys only after the menu has gone.
        QTimer::singleShot(0, window, [window, keysBefore, fallback] {
            if (window->focusWidget() != window->menuBar() || QApplication::activePopupWidget())
                return;
            if (*keysBefore)
                (*keysBefore)->setFocus();
            else
                fallback();
        });
    });
}

} // namespace menukeys
