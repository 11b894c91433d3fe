// SPDX-License-Identifier: GPL-3.0-or-later
// Recording from the sound input: a private PulseAudio whose only source is
// a sine generator, so that what was recorded can be checked by its tone.
#include "keyer/WaveFile.h"
#include "tests/gui/MainWindowFixture.h"
#include "tests/support/PrivatePulse.h"
#include "tests/support/WaveBytes.h"

#include <QBuffer>
#include <QDir>
#include <QLabel>
#include <QLineEdit>

namespace {

constexpr int kWaitMs = 10000; // only keeps a broken test from hanging

// A recorded file's length and the frequency its samples carry, by their
// upward zero crossings.
struct Heard
{
    double seconds = 0;
    double hz = 0;
};

Heard hear(const QByteArray& wave)
{
    if (wave.size() <= 44)
        return {};
    const int rate = int(qFromLittleEndian<quint32>(wave.constData() + 24));
    const int count = int((wave.size() - 44) / 2);
    int crossings = 0;
    qint16 previous = 0;
    for (int i = 0; i < count; ++i) {
        const qint16 sample = qFromLittleEndian<qint16>(wave.constData() + 44 + 2 * i);
        crossings += previous < 0 && sample >= 0;
        previous = sample;
    }
    const double seconds = double(count) / rate;
    return {seconds, crossings / seconds};
}

// A disk that takes `room` bytes of a file and then refuses them.
class FillingDevice : public QBuffer
{
public:
    explicit FillingDevice(qint64 room) : m_room(room) {}

protected:
    qint64 writeData(const char* data, qint64 length) override
    {
        if (pos() + length > m_room) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        return QBuffer::writeData(data, length);
    }

private:
    qint64 m_room;
};

} // namespace

class RecordingWindowTest : public MainWindowTest
{
protected:
    const QByteArray oldCall = wavebytes::silence(800);

    void startInSsb(const QByteArray& audioSection = {})
    {
        if (!privatePulseRunning())
            GTEST_SKIP() << "no PulseAudio to record from (Debian: pulseaudio)";
        writeStationData(stationLines({{setup::ContestVariant, QStringLiteral("Others")},
                                       {setup::Coordinates, QStringLiteral("15")}}));
        writeFile(QStringLiteral("CQ1.Wav"), oldCall);
        writeFile(QStringLiteral("CQ2.Wav"), oldCall);
        if (!audioSection.isEmpty())
            writeFile(QStringLiteral("kvl.ini"), "[Audio]\n" + audioSection + "\n");
        startActive();
        if (form1->session().mode() != logbook::Mode::SSB)
            form1->Panel7Click();
    }
    QString status() const { return control<QLabel>("StatusLine")->text(); }
    bool waitForStatus(const QString& part) const
    {
        return QTest::qWaitFor([&] { return status().contains(part); }, kWaitMs);
    }
    static QString contestFile()
    {
        const QStringList files = QDir(QStringLiteral("audio")).entryList({QStringLiteral("*.wav")}, QDir::Files);
        return files.isEmpty() ? QString() : QStringLiteral("audio/") + files.first();
    }
};

TEST_F(RecordingWindowTest, ShiftF1RecordsTheCallUntilEscAndF1PlaysItAtOnce)
{
    startInSsb();
    key(Qt::Key_F1, Qt::ShiftModifier);
    type(QStringLiteral("UA3AA")); // typing goes on while recording
    const QRegularExpression shownSeconds(QStringLiteral("Запись CQ1… ([1-9]\\d*) с"));
    QRegularExpressionMatch shown;
    ASSERT_TRUE(QTest::qWaitFor([&] { return (shown = shownSeconds.match(status())).hasMatch(); }, kWaitMs))
        << qPrintable(status());
    key(Qt::Key_Escape);
    EXPECT_EQ(control<QLineEdit>("Edit1")->text(), QStringLiteral("UA3AA")); // Esc ended the recording only
    // The file holds what had arrived when Esc was pressed, a second at least.
    const Heard heard = hear(readFile(QStringLiteral("CQ1.Wav")));
    EXPECT_GE(heard.seconds, shown.captured(1).toInt());
    EXPECT_LT(heard.seconds, shown.captured(1).toInt() + 1);
    EXPECT_NEAR(heard.hz, PrivatePulse::kSineHz, PrivatePulse::kSineHz * 0.05);
    EXPECT_TRUE(status().contains(QStringLiteral("Записан CQ1.Wav"))) << qPrintable(status());
    ASSERT_FALSE(player1.opened.isEmpty());
    EXPECT_TRUE(player1.opened.last().endsWith(QStringLiteral("CQ1.Wav")));
    EXPECT_EQ(readFile(QStringLiteral("CQ2.Wav")), oldCall);
}

TEST_F(RecordingWindowTest, AnEmptyRecordingOrNoInputKeepsTheOldCall)
{
    startInSsb("input=Микрофон которого нет");
    key(Qt::Key_F2, Qt::ShiftModifier);
    EXPECT_TRUE(waitForStatus(QStringLiteral("нет устройства записи «Микрофон которого нет»"))) << qPrintable(status());
    EXPECT_EQ(readFile(QStringLiteral("CQ2.Wav")), oldCall);

    form1->iniStore().setAudio({});
    for (Qt::Key ends : {Qt::Key_Escape, Qt::Key_F2}) { // Esc, or the same key again, at once
        key(Qt::Key_F2, Qt::ShiftModifier);
        key(ends, ends == Qt::Key_F2 ? Qt::ShiftModifier : Qt::NoModifier);
        EXPECT_TRUE(status().contains(QStringLiteral("Запись CQ2 пуста"))) << qPrintable(status());
        EXPECT_EQ(readFile(QStringLiteral("CQ2.Wav")), oldCall);
    }
}

TEST_F(RecordingWindowTest, TheContestIsRecordedWhileContactsAreLogged)
{
    audioStorage.headerSeconds = 1;
    startInSsb("contest=1");
    ASSERT_TRUE(QTest::qWaitFor([] { return !contestFile().isEmpty(); }, kWaitMs));
    const QString file = contestFile();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^audio/\\d{8}-\\d{4}\\.wav$")).match(file).hasMatch()) << qPrintable(file);
    logContact(QStringLiteral("UA3AA"), QStringLiteral("59001"));
    // The header follows the samples: cut off now, the file plays.
    ASSERT_TRUE(QTest::qWaitFor([&] { return keyer::waveLengthMs(file).value_or(0) >= 1500; }, kWaitMs));
    logContact(QStringLiteral("UA3AB"), QStringLiteral("59002"));
    EXPECT_EQ(storedState().nextRow, 3);
    EXPECT_NEAR(hear(readFile(file)).hz, PrivatePulse::kSineHz, PrivatePulse::kSineHz * 0.05);
}

TEST_F(RecordingWindowTest, AFailingWriteOrAFullDiskStopsTheRecordingNotTheLog)
{
    struct Case
    {
        qint64 room;
        qint64 free;
        const char* said;
    };
    const Case cases[] = {
        {20000, qint64(1) << 40, "No space left on device"},
        {qint64(1) << 40, 100 * 1024 * 1024, "на диске свободно 100 МБ, меньше запаса 500 МБ"},
    };
    for (const Case& c : cases) {
        audioStorage.create = [room = c.room](const QString&, QString&) -> std::unique_ptr<QIODevice> {
            auto device = std::make_unique<FillingDevice>(room);
            device->open(QIODevice::WriteOnly);
            return device;
        };
        audioStorage.freeBytes = [free = c.free](const QString&) { return free; };
        startInSsb("contest=1");
        ASSERT_TRUE(waitForStatus(QStringLiteral("Запись контеста остановлена"))) << qPrintable(status());
        EXPECT_TRUE(status().contains(QString::fromUtf8(c.said))) << qPrintable(status());
        logContact(QStringLiteral("UA3AA"), QStringLiteral("59001"));
        EXPECT_EQ(storedState().nextRow, 2);
        form2.reset();
        form1.reset();
        for (const QString& name : QDir().entryList(QDir::Files))
            QFile::remove(name); // the next case starts a new log
    }
}
