// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/KvlError.h"
#include "keyer/SoundVoicePlayer.h"
#include "keyer/VoiceMessages.h"
#include "keyer/WaveFile.h"
#include "tests/support/WaveBytes.h"
#include "tests/support/WorkDir.h"

#include <QStringList>
#include <QTest>
#include <utility>

using namespace keyer;
using namespace wavebytes;

namespace {

class FakePlayer : public VoicePlayer
{
public:
    QStringList calls;
    bool failOpen = false;
    bool open_ = false;

    void open(const QString& fileName) override
    {
        calls << QStringLiteral("open ") + fileName;
        open_ = !failOpen;
        if (failOpen)
            throw KvlError(QStringLiteral("bad wave"));
    }
    void play() override
    {
        calls << QStringLiteral("play");
        setPlaying(soundOutput || playing);
    }
    void stop() override { setPlaying(false); }
    bool isOpen() const override { return open_; }
    bool isPlaying() const override { return playing; }
    int lengthMs() const override { return length; }

    bool soundOutput = true; // play() makes it play
    bool playing = false;
    int length = 60'000;
    void setPlaying(bool on)
    {
        if (std::exchange(playing, on) != on)
            playingChanged();
    }
};

} // namespace

class VoiceTest : public WorkDirTest
{
};

TEST_F(VoiceTest, RecognisesWaveAudio)
{
    struct Case
    {
        const char* name;
        QByteArray bytes;
        bool wave;
    };
    const Case cases[] = {
        {"tiny", silence(), true},
        {"odd chunk, padded", silence(80, chunk("LIST", "x")), true},
        {"empty", QByteArray(), false},
        {"text", "CQ CQ CQ de UA9XYZ", false},
        {"no format", riff(chunk("data", "abcd")), false},
        {"format after data", riff(chunk("data", "abcd") + chunk("fmt ", pcmFormat())), false},
        {"short format", riff(chunk("fmt ", "1234") + chunk("data", "abcd")), false},
        {"truncated", silence().left(30), false},
        {"compressed (IMA ADPCM)", riff(chunk("fmt ", pcmFormat(0x11)) + chunk("data", "abcd")), false},
        {"floating point", riff(chunk("fmt ", pcmFormat(3)) + chunk("data", "abcd")), true},
        {"not WAVE", chunk("RIFF", QByteArray("AVI ") + chunk("fmt ", pcmFormat()) + chunk("data", "ab")), false},
    };
    for (const Case& c : cases) {
        writeFile(QStringLiteral("x.wav"), c.bytes);
        EXPECT_EQ(isWaveAudio(QStringLiteral("x.wav")), c.wave) << c.name;
    }
    EXPECT_FALSE(isWaveAudio(QStringLiteral("missing.wav")));
}

TEST_F(VoiceTest, APlayerNeverOpenedReportsNoDevice)
{
    SoundVoicePlayer player;
    try {
        player.play();
        ADD_FAILURE() << "played without a file";
    } catch (const KvlError& e) {
        EXPECT_EQ(e.message(), QLatin1String("No MCI device open"));
    }
}

TEST_F(VoiceTest, AFileThatIsNotWaveAudioIsRefused)
{
    writeFile(QStringLiteral("CQ1.Wav"), "not a sound");
    SoundVoicePlayer player;
    try {
        player.open(QStringLiteral("CQ1.Wav"));
        ADD_FAILURE() << "opened a text file";
    } catch (const KvlError& e) {
        EXPECT_EQ(e.message(), notWaveAudio(QStringLiteral("CQ1.Wav")));
    }
    EXPECT_FALSE(player.isOpen());
    EXPECT_THROW(player.play(), KvlError);

    // A good file opens and plays, with or without a sound server or media
    // plugins on this machine; where nothing can sound, nothing is said.
    // The events run meanwhile: the file loads and plays asynchronously.
    writeFile(QStringLiteral("CQ1.Wav"), silence(8000));
    player.open(QStringLiteral("CQ1.Wav"));
    EXPECT_TRUE(player.isOpen());
    EXPECT_NO_THROW(player.play());
    QTest::qWait(300);
    EXPECT_NO_THROW(player.play()); // still playing, or again from the start
    QTest::qWait(1300);
    EXPECT_NO_THROW(player.play());
    player.open(QStringLiteral("CQ1.Wav")); // reopened at the next activation
    EXPECT_NO_THROW(player.play());
}

// A wave file that the audio decoder cannot read after all (Qt 6.4's refuses
// an odd-sized chunk before the samples): said once, at a press after the
// background load failed, then quiet until the file changes.
TEST_F(VoiceTest, AFileTheDecoderRefusesIsReportedOnce)
{
    writeFile(QStringLiteral("CQ1.Wav"), silence(800, chunk("LIST", "x")));
    SoundVoicePlayer player;
    player.open(QStringLiteral("CQ1.Wav"));
    QStringList said;
    const auto press = [&] {
        try {
            player.play();
        } catch (const KvlError& e) {
            said << e.message();
        }
        return !said.isEmpty();
    };
    ASSERT_TRUE(QTest::qWaitFor(press, 5000));
    EXPECT_EQ(said, QStringList {notWaveAudio(QStringLiteral("CQ1.Wav"))});
    player.open(QStringLiteral("CQ1.Wav")); // the next activation: the same file
    press();
    EXPECT_EQ(said.size(), 1);

    writeFile(QStringLiteral("CQ1.Wav"), silence(800));
    player.open(QStringLiteral("CQ1.Wav"));
    EXPECT_TRUE(player.isOpen());
    press();
    EXPECT_EQ(said.size(), 1);
}

TEST_F(VoiceTest, OpensOnlyFilesThatExistWhateverTheirCase)
{
    writeFile(QStringLiteral("cq2.wav"), silence());
    FakePlayer one, two;
    VoiceMessages voice(one, two);
    voice.OpenVoiceFiles();
    EXPECT_TRUE(one.calls.isEmpty());
    EXPECT_EQ(two.calls, QStringList {QStringLiteral("open cq2.wav")});

    voice.play(1); // no file: nothing
    voice.play(2);
    voice.play(3);
    EXPECT_TRUE(one.calls.isEmpty());
    EXPECT_EQ(two.calls.last(), QLatin1String("play"));
}

TEST_F(VoiceTest, ABadFileIsReportedOnceUntilItChanges)
{
    writeFile(QStringLiteral("CQ1.Wav"), "bad");
    writeFile(QStringLiteral("CQ2.Wav"), silence());
    FakePlayer one, two;
    one.failOpen = true;
    VoiceMessages voice(one, two);
    EXPECT_THROW(voice.OpenVoiceFiles(), KvlError);
    EXPECT_TRUE(two.calls.isEmpty()); // the players after the bad file wait
    voice.OpenVoiceFiles();           // the activation after the error box
    EXPECT_EQ(one.calls.size(), 1);
    EXPECT_EQ(two.calls, QStringList {QStringLiteral("open CQ2.Wav")});

    writeFile(QStringLiteral("CQ1.Wav"), "still bad, but another file");
    EXPECT_THROW(voice.OpenVoiceFiles(), KvlError);
    one.failOpen = false;
    writeFile(QStringLiteral("CQ1.Wav"), silence());
    voice.OpenVoiceFiles();
    voice.OpenVoiceFiles(); // a good file is opened at every activation
    EXPECT_EQ(one.calls.size(), 4);
    EXPECT_TRUE(one.isOpen());
}

namespace {

class FakePtt : public PttSwitch
{
public:
    std::vector<bool> switched;
    bool lead = false;
    void setPtt(bool on) override { switched.push_back(on); }
    bool leadsItself() const override { return lead; }
    void fail(const QString& why) { trouble(why); }
};

} // namespace

// What the window's test cannot show: the delay, no sound, the length bound, a path in trouble.
TEST_F(VoiceTest, PttFollowsTheCallWithinItsBounds)
{
    writeFile(QStringLiteral("CQ1.Wav"), silence());
    FakePlayer one, two;
    QStringList troubles;
    VoiceMessages voice(one, two);
    voice.OpenVoiceFiles();
    voice.setTxDelay(40);
    const auto start = [&](bool leadsItself) {
        auto* ptt = new FakePtt;
        ptt->lead = leadsItself;
        voice.setPtt(std::unique_ptr<PttSwitch>(ptt), [&](const QString& text) { troubles << text; });
        voice.play(1);
        return ptt;
    };
    using Switched = std::vector<bool>;
    EXPECT_EQ(start(true)->switched, Switched {true}); // at once: the path leads itself
    FakePtt* ptt = start(false);
    EXPECT_TRUE(ptt->switched.empty()); // TX Delay first
    EXPECT_TRUE(QTest::qWaitFor([&] { return ptt->switched == Switched {true}; }, 5000));

    voice.setTxDelay(0);
    one.length = 10; // and it never says the file has ended
    ptt = start(false);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !one.playing; }, 5000));
    EXPECT_EQ(ptt->switched, (Switched {true, false}));

    voice.play(1);
    ptt->fail(QStringLiteral("трансивер не отвечает"));
    EXPECT_FALSE(one.playing);
    EXPECT_EQ(ptt->switched, (Switched {true, false, true, false}));
    EXPECT_EQ(troubles, QStringList {QStringLiteral("трансивер не отвечает")});

    one.soundOutput = false;
    voice.play(1);
    EXPECT_EQ(ptt->switched.size(), 4u); // a call that never plays keys nothing
    EXPECT_EQ(troubles.size(), 1);
}
