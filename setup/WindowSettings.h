// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>
#include <optional>

namespace logbook {
class IniSettings;
}

// The main window's size, place and text size, kept in kvl.ini (section
// [Window]) from one start to the next.
namespace setup {

// The text size in per cent of the normal one; Ctrl+Plus and Ctrl+Minus walk
// these steps.
inline constexpr int kTextSizes[] = {100, 110, 125, 140, 160, 180, 200};
inline constexpr int kNormalTextSize = 100;

// The step after `percent` towards larger (+1) or smaller (-1) text; it stays
// at the ends. A size between steps moves to the next step that way.
int nextTextSize(int percent, int direction);

struct WindowSettings
{
    int textSize = kNormalTextSize;
    // The client area, not maximised, without the master line's row, which is added
    // while a master file is in use; none before the first exit.
    std::optional<QRect> geometry;
    bool maximised = false;
};

struct WindowSettingsRead
{
    WindowSettings settings;
    std::optional<QString> problem; // a value that is not a number; the default is taken instead
};

WindowSettingsRead readWindowSettings(const logbook::IniSettings& ini);
// Sets the values; the caller saves the file.
void writeWindowSettings(logbook::IniSettings& ini, const WindowSettings& settings);

// A window beside the main one (section [Statistics]): its place and size,
// and whether it was open at the last exit.
struct SideWindowSettings
{
    std::optional<QRect> geometry;
    bool open = false;
    bool operator==(const SideWindowSettings& o) const { return geometry == o.geometry && open == o.open; }
};

struct SideWindowSettingsRead
{
    SideWindowSettings settings;
    std::optional<QString> problem;
};

SideWindowSettingsRead readSideWindowSettings(const logbook::IniSettings& ini, const QString& section);
void writeSideWindowSettings(logbook::IniSettings& ini, const QString& section, const SideWindowSettings& settings);

// Where a window `frame` goes to lie inside a screen's free `area`: moved as
// little as it must, shrunk to the area but never below `smallest`. One that
// cannot fit even then keeps its top-left corner, with the caption and the
// menus, in the area's.
QRect fitOnScreen(const QRect& frame, const QSize& smallest, const QRect& area);

} // namespace setup
