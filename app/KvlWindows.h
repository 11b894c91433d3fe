// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/MainWindowServices.h"
#include "app/TForm1.h"
#include "setupui/Unit2.h"

#include <memory>

// The program's two windows, wired as the program starts them: the main
// window first, then the setup dialog, which loads the station data file,
// becomes the main window's live settings and tells it of every load and
// save. The dialog is a child of the main window, so it stays above it; it is
// destroyed first.
struct KvlWindows
{
    std::unique_ptr<TForm1> main;
    std::unique_ptr<TForm2> setup;
};

KvlWindows createWindows(const MainWindowServices& services);

// After the event loop: the windows go, and with them every open file. A
// rig call that still holds a thread then ends the process at once, since
// returning from main with a thread inside Hamlib is not safe; otherwise
// `exitCode` comes back for main to return.
int finishKvl(KvlWindows& windows, int exitCode);
