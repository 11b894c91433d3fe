// SPDX-License-Identifier: GPL-3.0-or-later
// F1 in SSB really plays CQ1.Wav (on a private PulseAudio), and PTT follows it on
// each path: a real rigctld with CAT PTT, RTS on the keying port, a WinKeyer.
#include "keyer/SoundVoicePlayer.h"
#include "radio/CatPttSwitch.h"
#include "radio/RigSettings.h"
#include "tests/gui/MainWindowFixture.h"
#include "tests/support/PrivatePulse.h"
#include "tests/support/Rigctld.h"
#include "tests/support/WaveBytes.h"
#include "tests/support/WinKeyerEmulator.h"

#include <QLabel>

namespace {

enum Path { Cat, Rts, WinKeyer };

} // namespace

class VoicePttWindowTest : public MainWindowTest, public testing::WithParamInterface<Path>
{
protected:
    keyer::SoundVoicePlayer voice1, voice2;
    Rigctld rigctld {freePort(), {QStringLiteral("-P"), QStringLiteral("RIG")}};
    WinKeyerEmulator winKeyer;

    void startInSsb(int callMs)
    {
        if (!privatePulseRunning())
            GTEST_SKIP() << "no PulseAudio to play the call (Debian: pulseaudio)";
        writeFile(QStringLiteral("CQ1.Wav"), wavebytes::silence(callMs * 8));
        if (GetParam() == Cat) {
            ASSERT_TRUE(rigctld.start());
            radio::writeRigSettings({radio::kNetRigctlModel, QStringLiteral("127.0.0.1:%1").arg(rigctld.port()), 0});
        }
        const QByteArray keyer[] = {"voiceptt=cat-data", "voiceptt=rts",
                                    "type=winkeyer\nvoiceptt=winkeyer\nwinkeyer=" + QByteArray(winKeyer.name().c_str())};
        writeFile(QStringLiteral("kvl.ini"), readFile(QStringLiteral("kvl.ini")) + "\n[Keyer]\n" + keyer[GetParam()] + "\n");
        writeStationData(stationLines({{setup::ContestVariant, QStringLiteral("Others")},
                                       {setup::TxDelay, QStringLiteral("30")},
                                       {setup::Port, GetParam() == Rts ? QStringLiteral("Com1") : QString()}}));
        startWithPlayers(voice1, voice2);
        form1->show();
        form1->activateWindow(); // the voice files are opened as the window becomes active
        ASSERT_TRUE(QTest::qWaitForWindowActive(form1.get()));
        if (form1->session().mode() != logbook::Mode::SSB)
            form1->Panel7Click();
        if (GetParam() == Cat) { // the rig has answered: its frequency shows
            ASSERT_TRUE(QTest::qWaitFor([&] { return status().contains(QStringLiteral("кГц")); }, 5000));
        }
    }
    bool pttOn()
    {
        const QByteArray sent = winKeyer.received();
        return GetParam() == Cat ? rigctld.command(QStringLiteral("t")).trimmed() != "0"
             : GetParam() == Rts ? port.lastState(keyer::ModemLine::RTS)
                                 : sent.mid(sent.lastIndexOf('\x18') + 1, 1) == "\x01";
    }
    bool pttBecomes(bool on, int withinMs = 5000) { return QTest::qWaitFor([&] { return pttOn() == on; }, withinMs); }
    QString status() const { return control<QLabel>("StatusLine")->text(); }
};

TEST_P(VoicePttWindowTest, PttIsOnWhileTheCallPlaysAndOffWhenItEnds)
{
    startInSsb(1500);
    EXPECT_FALSE(pttOn());
    key(Qt::Key_F1);
    ASSERT_TRUE(pttBecomes(true));
    EXPECT_TRUE(voice1.isPlaying());
    ASSERT_TRUE(pttBecomes(false));
    EXPECT_FALSE(voice1.isPlaying());
}

TEST_P(VoicePttWindowTest, EscAndClosingEndTheCallAtOnce)
{
    startInSsb(30'000);
    for (bool close : {false, true}) {
        key(Qt::Key_F1);
        ASSERT_TRUE(pttBecomes(true));
        close ? (void)form1->close() : key(Qt::Key_Escape);
        EXPECT_FALSE(voice1.isPlaying());
        EXPECT_TRUE(pttBecomes(false, 3000)); // the call itself would go on for half a minute
    }
}

INSTANTIATE_TEST_SUITE_P(Paths, VoicePttWindowTest, testing::Values(Cat, Rts, WinKeyer));

using VoicePttRigTest = VoicePttWindowTest;

// The call ends, the status line says so in red, and PTT off reaches the rig
// once it answers again.
TEST_P(VoicePttRigTest, ARigThatStopsAnsweringEndsTheCall)
{
    rigTiming.retryInterval = 50;
    startInSsb(30'000);
    key(Qt::Key_F1);
    ASSERT_TRUE(pttBecomes(true));
    rigctld.kill();
    ASSERT_TRUE(QTest::qWaitFor([&] { return status().contains(radio::kCatPttNotAnswering); }, 5000));
    EXPECT_FALSE(voice1.isPlaying());
    EXPECT_TRUE(control<QLabel>("StatusLine")->styleSheet().contains(QStringLiteral("#c00000")));
    ASSERT_TRUE(rigctld.start());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !status().contains(radio::kCatPttNotAnswering); }, 5000));
}

// A rig refuses a new mode while it transmits: PTT goes off first.
TEST_P(VoicePttRigTest, AChangeOfModeEndsTheCallBeforeTheRigIsSet)
{
    startInSsb(30'000);
    key(Qt::Key_F1);
    ASSERT_TRUE(pttBecomes(true));
    key(Qt::Key_M, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return rigctld.command(QStringLiteral("m")).startsWith("CW\n"); }, 5000));
    EXPECT_FALSE(pttOn());
}

INSTANTIATE_TEST_SUITE_P(Cat, VoicePttRigTest, testing::Values(Cat));
