// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "setup/IniStore.h"

#include <functional>
#include <optional>

class MainWindowView;
class QMainWindow;
class QMenu;

// The main window's size, place and text size: restored from kvl.ini at
// start, kept inside its screen as the text grows it, saved at exit and at
// every change of the text size. The master line's row is never in the saved
// height: it is added while a master file is in use.
class WindowKeeper
{
public:
    // All three must outlive the keeper.
    WindowKeeper(QMainWindow& window, MainWindowView& view, setup::IniStore& ini);

    // Answers a value of kvl.ini that could not be read (its default is taken).
    std::optional<QString> restore();
    // The window is on screen: its place from now on is the operator's.
    void shown() { m_shown = true; }
    // Restored from kvl.ini, so not to be centred.
    bool placed() const { return m_placed; }
    // Throws KvlError naming kvl.ini when it cannot be written.
    void save();
    // "Размер текста" with its three commands, each calling `step` with +1
    // (larger), -1 (smaller) or 0 (normal).
    void buildTextSizeMenu(QMenu* parent, const std::function<void(int)>& step);
    void changeTextSize(int step);
    // Inside its screen's free area, after the text or the master line grew it.
    void keepOnScreen();
    // The first activation, when the window's frame is known.
    void framed();

private:
    void applyTextSize();
    void scaleMenus();

    QMainWindow& m_window;
    MainWindowView& m_view;
    setup::IniStore& m_ini;
    setup::WindowSettings m_settings;
    bool m_placed = false;
    bool m_shown = false;
    bool m_framed = false; // fitted to its screen with its frame known
};
