// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyer/AudioSettings.h"
#include "tests/support/WorkDir.h"

#include <gtest/gtest.h>

using keyer::AudioSettings;

class AudioSettingsTest : public WorkDirTest
{
};

TEST_F(AudioSettingsTest, AValueThatCannotBeReadTakesItsDefaultAndIsNamed)
{
    struct Case
    {
        const char* section;
        bool recordContest;
        int margin;
        const char* named; // in the problem; empty: none
    };
    const Case cases[] = {
        {"contest=1\nmargin=200", true, 200, ""},
        {"", false, keyer::kDefaultMarginMegabytes, ""},
        {"contest=yes", false, keyer::kDefaultMarginMegabytes, "contest: «yes»"},
        {"contest=1\nmargin=-5", true, keyer::kDefaultMarginMegabytes, "margin: «-5»"},
    };
    for (const Case& c : cases) {
        writeFile(QStringLiteral("kvl.ini"), QByteArray("[Audio]\n") + c.section + "\n");
        const keyer::AudioSettingsRead read = keyer::readAudioSettings();
        EXPECT_EQ(read.settings.recordContest, c.recordContest) << c.section;
        EXPECT_EQ(read.settings.marginMegabytes, c.margin) << c.section;
        EXPECT_EQ(read.problem.isEmpty(), !*c.named) << c.section;
        EXPECT_TRUE(read.problem.contains(QString::fromUtf8(c.named))) << qPrintable(read.problem);
    }
}

// An input's name may hold a comma, which the file would otherwise read as a list.
TEST_F(AudioSettingsTest, AnInputNameComesBackAsWritten)
{
    const AudioSettings written {QStringLiteral("USB Audio, аналоговый вход"), true, 300};
    keyer::writeAudioSettings(written);
    EXPECT_EQ(keyer::readAudioSettings().settings, written);
}
