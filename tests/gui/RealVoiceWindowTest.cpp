// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyer/SoundVoicePlayer.h"
#include "tests/gui/MainWindowFixture.h"
#include "tests/support/WaveBytes.h"

#include <QLineEdit>

// The window with the real voice players, as the program starts: a machine
// without a sound server or media plugins must still start with both voice
// files present and play them on F1 and F2.
class RealVoiceWindowTest : public MainWindowTest
{
protected:
    keyer::SoundVoicePlayer realPlayer1;
    keyer::SoundVoicePlayer realPlayer2;

    void startWithRealPlayers()
    {
        startWithPlayers(realPlayer1, realPlayer2);
        form1->show();
        form1->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form1.get()));
    }
};

TEST_F(RealVoiceWindowTest, StartsAndPlaysWithBothVoiceFilesPresent)
{
    writeStationData(stationLines({{setup::ContestVariant, QStringLiteral("Others")}}));
    writeFile(QStringLiteral("CQ1.Wav"), wavebytes::silence(4000));
    writeFile(QStringLiteral("CQ2.Wav"), wavebytes::silence(4000));
    startWithRealPlayers();
    EXPECT_TRUE(realPlayer1.isOpen());
    EXPECT_TRUE(realPlayer2.isOpen());

    key(Qt::Key_F1);
    key(Qt::Key_F2);
    QTest::qWait(200); // the files load and play while the operator logs on
    logContact(QStringLiteral("RA3AA"), QStringLiteral("5"));
    key(Qt::Key_F1);
    EXPECT_EQ(storedRecord(0).fields[logbook::Call], QLatin1String("RA3AA"));
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(QLatin1Char('\n')).toStdString();
}
