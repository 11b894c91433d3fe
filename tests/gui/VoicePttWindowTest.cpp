// The voice calls on the air: F1 in SSB really plays CQ1.Wav (through a
// private PulseAudio), and PTT follows the playback on each path to the
// transmitter: the rig's CAT (a real rigctld with CAT PTT), RTS on the keying
// port, and a WinKeyer's PTT output.
#include "keyer/KeyerSettings.h"
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

constexpr int kWaitMs = 5000;
constexpr int kSamplesPerMs = 8;

enum class Path { Cat, Rts, WinKeyer };

// One server for the whole binary: Qt's audio stays with the first it met.
bool pulseRunning()
{
    static PrivatePulse pulse;
    static const bool running = PrivatePulse::installed() && pulse.start();
    return running;
}

} // namespace

class VoicePttWindowTest : public MainWindowTest, public testing::WithParamInterface<Path>
{
protected:
    keyer::SoundVoicePlayer voice1;
    keyer::SoundVoicePlayer voice2;
    Rigctld rigctld {freePort(), {QStringLiteral("-P"), QStringLiteral("RIG")}};
    WinKeyerEmulator winKeyer;

    // F1 plays a call of `callMs`.
    void startInSsb(int callMs)
    {
        if (!pulseRunning())
            GTEST_SKIP() << "no PulseAudio to play the call (Debian: pulseaudio)";
        writeFile(QStringLiteral("CQ1.Wav"), wavebytes::silence(callMs * kSamplesPerMs));
        keyer::KeyerSettings keying;
        QString port = QStringLiteral("None");
        switch (GetParam()) {
        case Path::Cat:
            ASSERT_TRUE(rigctld.start());
            radio::writeRigSettings({radio::kNetRigctlModel, QStringLiteral("127.0.0.1:%1").arg(rigctld.port()), 0});
            ASSERT_EQ(rigctld.command(QStringLiteral("M USB 0")), QByteArray("RPRT 0\n"));
            keying.voicePtt = keyer::VoicePtt::CatData;
            break;
        case Path::Rts:
            port = QStringLiteral("Com1");
            keying.voicePtt = keyer::VoicePtt::Rts;
            break;
        case Path::WinKeyer:
            keying.kind = keyer::KeyerKind::WinKeyer;
            keying.winKeyerPort = QString::fromStdString(winKeyer.name());
            keying.voicePtt = keyer::VoicePtt::WinKeyer;
            break;
        }
        keyer::writeKeyerSettings(keying);
        writeStationData(stationLines({{setup::ContestVariant, QStringLiteral("Others")},
                                       {setup::Coordinates, QStringLiteral("15")},
                                       {setup::TxDelay, QStringLiteral("30")},
                                       {setup::Port, port}}));
        startWithPlayers(voice1, voice2);
        form1->show();
        form1->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form1.get()));
        if (form1->session().mode() != logbook::Mode::SSB)
            key(Qt::Key_M, Qt::AltModifier);
        ASSERT_TRUE(QTest::qWaitFor([&] { return form1->session().mode() == logbook::Mode::SSB; }, kWaitMs));
        if (GetParam() == Path::Cat) // the rig has answered: its frequency shows
            ASSERT_TRUE(QTest::qWaitFor([&] { return status().contains(QStringLiteral("кГц")); }, kWaitMs));
    }

    bool pttOn()
    {
        switch (GetParam()) {
        case Path::Cat:
            return rigctld.command(QStringLiteral("t")).trimmed() != "0";
        case Path::Rts:
            return port.lastState(keyer::ModemLine::RTS);
        case Path::WinKeyer: {
            const QByteArray sent = winKeyer.received();
            const qsizetype at = sent.lastIndexOf('\x18');
            return at >= 0 && at + 1 < sent.size() && sent[at + 1] == '\x01';
        }
        }
        return false;
    }
    bool pttBecomes(bool on, int withinMs = kWaitMs)
    {
        return QTest::qWaitFor([&] { return pttOn() == on; }, withinMs);
    }
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
    EXPECT_TRUE(dialogs.errors.isEmpty()) << qPrintable(dialogs.errors.join(QLatin1Char('\n')));
}

TEST_P(VoicePttWindowTest, EscEndsTheCallAtOnce)
{
    startInSsb(30'000);
    key(Qt::Key_F1);
    ASSERT_TRUE(pttBecomes(true));
    key(Qt::Key_Escape);
    EXPECT_FALSE(voice1.isPlaying());
    EXPECT_TRUE(pttBecomes(false, 3000)); // the call itself would go on for half a minute
}

TEST_P(VoicePttWindowTest, ClosingTheWindowLeavesPttOff)
{
    startInSsb(30'000);
    key(Qt::Key_F1);
    ASSERT_TRUE(pttBecomes(true));
    form1->close();
    EXPECT_TRUE(pttBecomes(false));
}

std::string pathName(const testing::TestParamInfo<Path>& p)
{
    const char* const names[] = {"Cat", "Rts", "WinKeyer"};
    return names[int(p.param)];
}

INSTANTIATE_TEST_SUITE_P(Paths, VoicePttWindowTest, testing::Values(Path::Cat, Path::Rts, Path::WinKeyer), pathName);

// The rig stops answering in the middle of a call: the call ends, the status
// line says so in red, and PTT off reaches the rig once it answers again.
using VoicePttRigLossTest = VoicePttWindowTest;

TEST_P(VoicePttRigLossTest, ARigThatStopsAnsweringEndsTheCall)
{
    rigTiming.pollInterval = 20;
    rigTiming.retryInterval = 50;
    startInSsb(30'000);
    key(Qt::Key_F1);
    ASSERT_TRUE(pttBecomes(true)) << qPrintable(status());
    rigctld.kill();
    ASSERT_TRUE(QTest::qWaitFor([&] { return status().contains(radio::kCatPttNotAnswering); }, kWaitMs))
        << qPrintable(status());
    EXPECT_FALSE(voice1.isPlaying());
    EXPECT_TRUE(control<QLabel>("StatusLine")->styleSheet().contains(QStringLiteral("#c00000")));

    ASSERT_TRUE(rigctld.start());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !status().contains(radio::kCatPttNotAnswering); }, kWaitMs))
        << qPrintable(status());
    EXPECT_FALSE(pttOn());
}

INSTANTIATE_TEST_SUITE_P(Paths, VoicePttRigLossTest, testing::Values(Path::Cat), pathName);
