// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/IniSettings.h"
#include "setup/WindowSettings.h"
#include "tests/support/WorkDir.h"

using namespace setup;

TEST(WindowSettings, TextSizeStepsStopAtTheEnds)
{
    const struct { int from, direction, to; } steps[] = {
        {100, +1, 110}, {110, -1, 100}, {100, -1, 100}, {200, +1, 200}, {130, +1, 140}, {130, -1, 125},
    };
    for (const auto& s : steps)
        EXPECT_EQ(nextTextSize(s.from, s.direction), s.to) << s.from << " " << s.direction;
}

TEST(WindowSettings, AWindowIsShrunkToTheScreenOrKeepsItsTopLeftCornerThere)
{
    const QRect area(0, 24, 1920, 1056); // a panel along the top
    EXPECT_EQ(fitOnScreen(QRect(-50, 100, 2500, 900), QSize(700, 400), area), QRect(0, 100, 1920, 900));
    EXPECT_EQ(fitOnScreen(QRect(300, 300, 2000, 1200), QSize(2000, 1200), area), QRect(0, 24, 2000, 1200));
}

using WindowSettingsFile = WorkDirTest;

TEST_F(WindowSettingsFile, WrittenSettingsReadBackAndABadValueIsNamed)
{
    logbook::IniSettings ini;
    writeWindowSettings(ini, {160, QRect(40, 30, 900, 600), true});
    ini.save();
    const WindowSettingsRead read = readWindowSettings(logbook::IniSettings());
    EXPECT_EQ(read.settings.textSize, 160);
    EXPECT_EQ(read.settings.geometry, QRect(40, 30, 900, 600));
    EXPECT_TRUE(read.settings.maximised);
    EXPECT_FALSE(read.problem);

    QFile::remove(QStringLiteral("kvl.ini"));
    writeFile(QStringLiteral("KVL.INI"), "[Window]\ntextSize=big\nwidth=900\n");
    const WindowSettingsRead bad = readWindowSettings(logbook::IniSettings());
    EXPECT_EQ(bad.settings.textSize, kNormalTextSize);
    EXPECT_FALSE(bad.settings.geometry); // not all four values
    ASSERT_TRUE(bad.problem);
    EXPECT_TRUE(bad.problem->contains(QStringLiteral("\"big\""))) << qPrintable(*bad.problem);

    writeFile(QStringLiteral("KVL.INI"), "[Statistics]\nopen=yes\nx=1\ny=2\nwidth=300\nheight=200\n");
    const SideWindowSettingsRead side = readSideWindowSettings(logbook::IniSettings(), QStringLiteral("Statistics"));
    EXPECT_EQ(side.settings.geometry, QRect(1, 2, 300, 200)); // the other values stand
    EXPECT_TRUE(side.problem && side.problem->contains(QStringLiteral("Statistics/open")));
}
