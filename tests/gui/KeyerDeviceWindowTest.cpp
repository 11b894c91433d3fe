// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/gui/KeyerWindowFixture.h"
#include "tests/support/WinKeyerEmulator.h"

#include <QLabel>

namespace {

constexpr int kWaitMs = 5000;

} // namespace

class KeyerDeviceWindowTest : public KeyerWindowTest
{
protected:
    WinKeyerEmulator winKeyer;

    void startWinKeyer()
    {
        writeFile(QStringLiteral("kvl.ini"), "[Keyer]\ntype=winkeyer\nwinkeyer=" + QByteArray(winKeyer.name().c_str()) + "\n");
        // No keying port: the WinKeyer alone makes the macro keys send.
        startKeyer(station(QStringLiteral("None"), {{setup::kFMacroLines[0], QStringLiteral("<MYCALL> 5NN 0")},
                                                    {setup::TxDelay, QStringLiteral("30")}}),
                   Mode::CW);
    }
    bool receivedEnds(const QByteArray& tail) const
    {
        return QTest::qWaitFor([&] { return winKeyer.received().endsWith(tail); }, kWaitMs);
    }
};

TEST_F(KeyerDeviceWindowTest, WinKeyerKeysTheMacroAndHoldsSendingWhileBusy)
{
    startWinKeyer();
    // Host open, PTT enabled in the pins, 24 WPM, PTT lead of TX Delay.
    ASSERT_TRUE(receivedEnds(QByteArray::fromHex("0002 0907 0218 040300")));
    functionKey(0, false);
    ASSERT_TRUE(receivedEnds("UA9XX5NN0")) << winKeyer.received().toHex().toStdString();
    EXPECT_TRUE(form1->transmitter().sending());
    press(Qt::Key_PageUp); // dash 145 ms: a dot of 48 ms, 25 WPM, at once
    ASSERT_TRUE(receivedEnds(QByteArray::fromHex("0219")));
    winKeyer.status(0xC4); // busy
    winKeyer.status(0xC0); // no longer: the message has ended
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form1->transmitter().sending(); }, kWaitMs));

    key(Qt::Key_0, Qt::AltModifier); // short zero
    functionKey(0, false);
    ASSERT_TRUE(receivedEnds("UA9XX5NNT"));
    press(Qt::Key_Escape);
    ASSERT_TRUE(receivedEnds(QByteArray::fromHex("0a")));
    EXPECT_TRUE(form1->transmitter().sending()); // until the keyer says it has stopped
    winKeyer.status(0xC0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form1->transmitter().sending(); }, kWaitMs));

    form1->close(); // the emulator reads on its own thread: the close command may come a moment later
    EXPECT_TRUE(QTest::qWaitFor([&] { return winKeyer.received().endsWith(QByteArray::fromHex("0003")); }, kWaitMs))
        << winKeyer.received().toHex().toStdString();
}

TEST_F(KeyerDeviceWindowTest, AnAbsentWinKeyerIsSaidAndLoggingGoesOn)
{
    writeFile(QStringLiteral("kvl.ini"), "[Keyer]\ntype=winkeyer\nwinkeyer=/dev/kvl-no-such-port\n");
    startKeyer(station(QStringLiteral("None")), Mode::CW);
    const QString status = control<QLabel>("StatusLine")->text();
    EXPECT_TRUE(status.contains(QStringLiteral("WinKeyer: порт /dev/kvl-no-such-port не открыт"))) << qPrintable(status);
    EXPECT_TRUE(dialogs.errors.isEmpty());
    logContact(QStringLiteral("RA3A"), QStringLiteral("59"));
    EXPECT_EQ(storedRecord(0).fields[logbook::Call], QStringLiteral("RA3A"));
}
