// SPDX-License-Identifier: GPL-3.0-or-later
// The main window following a rig: a stand-in rig whose dial the test turns,
// read by the real poller on its own thread.
#include "tests/gui/MainWindowFixture.h"
#include "tests/support/DialRig.h"

#include "radio/RigSettings.h"
#include "widgets/StatusLine.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

using logbook::Mode;

namespace {

constexpr int kWaitMs = 5000; // only keeps a broken test from hanging

} // namespace

class RigWindowTest : public MainWindowTest
{
protected:
    std::shared_ptr<Dial> dial = std::make_shared<Dial>();

    void startWithRig(int model = 1)
    {
        writeStationData(stationLines({{setup::Coordinates, QStringLiteral("15")},
                                       {setup::ContestVariant, QStringLiteral("Others")}}));
        if (model)
            radio::writeRigSettings({model, {}, 0});
        rigConnection = [d = dial](const radio::RigSettings&) { return std::make_unique<DialRig>(d); };
        rigTiming.pollInterval = 5;
        rigTiming.retryInterval = 5;
        startActive();
    }
    void chooseInSetup(int model)
    {
        auto* list = form2->findChild<QComboBox*>(QStringLiteral("RigModel"));
        list->setCurrentIndex(list->findData(model));
        form2->FormClose();
    }
    void turn(double hz, const QString& mode)
    {
        std::lock_guard<std::mutex> lock(dial->mutex);
        dial->reading = {hz, mode};
    }
    void fail(const QString& why)
    {
        std::lock_guard<std::mutex> lock(dial->mutex);
        dial->failure = why;
    }
    QString statusText() const { return control<QLabel>("StatusLine")->text(); }
    bool waitForStatus(const QString& end) const
    {
        return QTest::qWaitFor([&] { return statusText().contains(end); }, kWaitMs);
    }
};

TEST_F(RigWindowTest, TheBandAndModeFollowTheRigInsideTheContestBands)
{
    startWithRig();
    struct Case
    {
        double hz;
        const char* mode;
        int band;
        Mode logMode;
        const char* shown;
    };
    const Case cases[] = {
        {7.010e6, "CW", 2, Mode::CW, "7 010,0 кГц"},
        {14.250e6, "USB", 3, Mode::SSB, "14 250,0 кГц"},
        {10.120e6, "CW", 3, Mode::SSB, "10 120,0 кГц"}, // no contest band: band and mode stay
        {3.5e6, "RTTY", 1, Mode::SSB, "3 500,0 кГц"}, // no logger mode: the mode stays
        {1'838'049, "CWR", 0, Mode::CW, "1 838,0 кГц"},
    };
    for (const Case& c : cases) {
        turn(c.hz, QLatin1String(c.mode));
        ASSERT_TRUE(waitForStatus(QString::fromUtf8(c.shown))) << qPrintable(statusText());
        EXPECT_EQ(form1->session().selectedBand(), c.band) << c.shown;
        EXPECT_EQ(form1->session().mode(), c.logMode) << c.shown;
    }
    EXPECT_EQ(storedState().bandMode, QStringLiteral("160CW")); // written as a click writes it
    EXPECT_TRUE(dialogs.errors.isEmpty()) << qPrintable(dialogs.errors.join(QLatin1Char('\n')));
}

TEST_F(RigWindowTest, ARigThatStopsAnsweringIsSaidOnceInTheStatusLineUntilItAnswers)
{
    startWithRig();
    turn(7.010e6, QStringLiteral("CW"));
    ASSERT_TRUE(waitForStatus(QStringLiteral("7 010,0 кГц")));
    fail(QStringLiteral("timed out"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return statusText().contains(QStringLiteral("не отвечает: timed out")); },
                                kWaitMs));
    logContact(QStringLiteral("RA3A"), QStringLiteral("59")); // logging goes on by hand
    EXPECT_EQ(storedRecord(0).fields[logbook::Call], QStringLiteral("RA3A"));

    turn(14.250e6, QStringLiteral("USB"));
    fail(QString());
    ASSERT_TRUE(waitForStatus(QStringLiteral("14 250,0 кГц"))) << qPrintable(statusText());
    EXPECT_EQ(form1->session().selectedBand(), 3);
    EXPECT_TRUE(dialogs.errors.isEmpty()) << qPrintable(dialogs.errors.join(QLatin1Char('\n')));
}

TEST_F(RigWindowTest, ABadSettingsFileIsShownOnceAndNoRigIsFollowed)
{
    writeStationData({});
    writeFile(logbook::kIniFileName, "[Rig]\nmodel=abc\n");
    startShown();
    ASSERT_EQ(dialogs.errors.size(), 1) << qPrintable(dialogs.errors.join(QLatin1Char('\n')));
    EXPECT_TRUE(dialogs.errors[0].contains(QLatin1String("abc"))) << qPrintable(dialogs.errors[0]);
    EXPECT_FALSE(statusText().contains(QLatin1String("кГц")));
}

TEST_F(RigWindowTest, AUsbPortOfTheStationDataOpensByItsDevice)
{
    writeStationData(stationLines({{setup::Port, QStringLiteral("ttyUSB0")}}));
    startShown();
    EXPECT_EQ(port.openedDevice, QStringLiteral("/dev/ttyUSB0"));
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(RigWindowTest, ARigChosenInSetupIsFollowedAtOnceAndNoneStopsIt)
{
    startWithRig(0);
    turn(7.010e6, QStringLiteral("CW"));
    chooseInSetup(1);
    ASSERT_TRUE(waitForStatus(QStringLiteral("7 010,0 кГц"))) << qPrintable(statusText());
    EXPECT_EQ(form1->session().selectedBand(), 2);
    chooseInSetup(0);
    EXPECT_FALSE(statusText().contains(QStringLiteral("кГц"))) << qPrintable(statusText());
    EXPECT_TRUE(dialogs.errors.isEmpty()) << qPrintable(dialogs.errors.join(QLatin1Char('\n')));
}

TEST_F(RigWindowTest, HamlibsOwnDummyRigIsReadThroughTheProgramsConnection)
{
    writeStationData(stationLines({{setup::Coordinates, QStringLiteral("15")}}));
    radio::writeRigSettings({1, {}, 0}); // Hamlib's dummy rig, in this process
    startShown();
    // The dummy starts on 145 MHz: shown, and no contest band selected for it.
    ASSERT_TRUE(QTest::qWaitFor([&] { return statusText().contains(QStringLiteral("кГц")); }, kWaitMs));
    EXPECT_TRUE(statusText().contains(QStringLiteral("145 "))) << qPrintable(statusText());
    EXPECT_TRUE(dialogs.errors.isEmpty()) << qPrintable(dialogs.errors.join(QLatin1Char('\n')));
}

TEST_F(RigWindowTest, AKeyingPortThatFailsToOpenLeavesTheRigFollowed)
{
    port.openError = keyer::kNoSuchPortText;
    writeStationData(stationLines({{setup::Port, QStringLiteral("Com3")}}));
    radio::writeRigSettings({1, {}, 0});
    rigConnection = [d = dial](const radio::RigSettings&) { return std::make_unique<DialRig>(d); };
    turn(7.010e6, QStringLiteral("CW"));
    startShown();
    ASSERT_TRUE(waitForStatus(QStringLiteral("7 010,0 кГц"))) << qPrintable(statusText());
    EXPECT_EQ(form1->session().selectedBand(), 2);
    EXPECT_EQ(dialogs.errors.size(), 1);
}

TEST_F(RigWindowTest, ARefusedSettingGivesTheRigsBandBackAndATypedFrequencyForASilentRigStays)
{
    startWithRig();
    turn(7.010e6, QStringLiteral("CW"));
    ASSERT_TRUE(waitForStatus(QStringLiteral("7 010,0 кГц")));
    {
        std::lock_guard<std::mutex> lock(dial->mutex);
        dial->refusal = QStringLiteral("Protocol error");
    }
    key(Qt::Key_B, Qt::AltModifier);
    ASSERT_TRUE(waitForStatus(QStringLiteral("не принял настройку (Protocol error)"))) << qPrintable(statusText());
    EXPECT_EQ(form1->session().selectedBand(), 2);

    fail(QStringLiteral("timed out")); // a frequency typed while the rig is silent stays
    ASSERT_TRUE(waitForStatus(QStringLiteral("не отвечает: timed out")));
    type(QStringLiteral("14025,5"));
    key(Qt::Key_Return);
    EXPECT_TRUE(statusText().endsWith(QStringLiteral("Трансивер не отвечает"))) << qPrintable(statusText());
    EXPECT_EQ(control<QLineEdit>("Edit1")->text(), QStringLiteral("14025,5"));
    EXPECT_FALSE(control<QLineEdit>("Edit2")->isVisible());
}
