#include "KvlError.h"
#include "MediaVoicePlayer.h"
#include "VoiceMessages.h"
#include "WaveFile.h"
#include "WorkDir.h"

#include <QStringList>
#include <QtEndian>

using namespace keyer;

namespace {

QByteArray chunk(const char* id, const QByteArray& body)
{
    QByteArray c(id, 4);
    char size[4];
    qToLittleEndian<quint32>(quint32(body.size()), size);
    c.append(size, 4).append(body);
    if (body.size() % 2)
        c.append('\0');
    return c;
}

// 8 kHz mono 8-bit PCM: 16 bytes of format, then the samples.
QByteArray pcmFormat()
{
    QByteArray f(16, '\0');
    qToLittleEndian<quint16>(1, f.data());        // PCM
    qToLittleEndian<quint16>(1, f.data() + 2);    // mono
    qToLittleEndian<quint32>(8000, f.data() + 4); // samples per second
    qToLittleEndian<quint32>(8000, f.data() + 8); // bytes per second
    qToLittleEndian<quint16>(1, f.data() + 12);
    qToLittleEndian<quint16>(8, f.data() + 14);
    return f;
}

QByteArray riff(const QByteArray& chunks)
{
    return chunk("RIFF", QByteArray("WAVE") + chunks);
}

QByteArray tinyWave()
{
    return riff(chunk("fmt ", pcmFormat()) + chunk("LIST", "x") + chunk("data", QByteArray(80, '\x80')));
}

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
    void play() override { calls << QStringLiteral("play"); }
    bool isOpen() const override { return open_; }
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
        {"tiny", tinyWave(), true},
        {"empty", QByteArray(), false},
        {"text", "CQ CQ CQ de UA9XYZ", false},
        {"no format", riff(chunk("data", "abcd")), false},
        {"format after data", riff(chunk("data", "abcd") + chunk("fmt ", pcmFormat())), false},
        {"short format", riff(chunk("fmt ", "1234") + chunk("data", "abcd")), false},
        {"truncated", tinyWave().left(30), false},
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
    MediaVoicePlayer player;
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
    MediaVoicePlayer player;
    try {
        player.open(QStringLiteral("CQ1.Wav"));
        ADD_FAILURE() << "opened a text file";
    } catch (const KvlError& e) {
        EXPECT_EQ(e.message(), QString::fromLatin1(kNotWaveAudio));
    }
    EXPECT_FALSE(player.isOpen());
    EXPECT_THROW(player.play(), KvlError);

    // A good file opens; without a sound card the playback fails unseen.
    writeFile(QStringLiteral("CQ1.Wav"), tinyWave());
    player.open(QStringLiteral("CQ1.Wav"));
    EXPECT_TRUE(player.isOpen());
    EXPECT_NO_THROW(player.play());
    EXPECT_NO_THROW(player.play());
}

TEST_F(VoiceTest, OpensOnlyFilesThatExistWhateverTheirCase)
{
    writeFile(QStringLiteral("cq2.wav"), tinyWave());
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
    writeFile(QStringLiteral("CQ2.Wav"), tinyWave());
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
    writeFile(QStringLiteral("CQ1.Wav"), tinyWave());
    voice.OpenVoiceFiles();
    voice.OpenVoiceFiles(); // a good file is opened at every activation
    EXPECT_EQ(one.calls.size(), 4);
    EXPECT_TRUE(one.isOpen());
}
