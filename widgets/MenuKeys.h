// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QKeyEvent;
class QMenu;
class QMainWindow;
class QMenuBar;

// The menus at the keyboard: every Alt chord is the window's own, the menu
// bar's included (its mnemonics know one layout, and Alt+С would open
// "Сервис" instead of resetting the speed), a menu opened from the keyboard
// opens on its first item, and one left with Esc gives the keys back at once.
namespace menukeys {

// For a ShortcutOverride: the window takes every Alt chord that types text.
bool takesAltChord(QKeyEvent* e);
// The bar opens a menu with no item current, where Enter takes nothing and Up
// lands on "Выход": from the keyboard it opens on its first item.
void open(QMenuBar* bar, QMenu* menu);
// A menu left with Esc hands the keys to the menu bar until a second Esc, and
// nothing on screen says so: they go back at once to the control that had
// them, or, when none, `fallback` places them.
void giveKeysBack(QMainWindow* window, QMenu* menu, std::function<void()> fallback);

} // namespace menukeys
