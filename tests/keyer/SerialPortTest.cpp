// SPDX-License-Identifier: GPL-3.0-or-later
// Tests on the machine's own serial ports; a test skips where the device it
// needs is missing or cannot be opened.
#include "common/KvlError.h"
#include "keyer/ApdComPort.h"
#include "keyer/CwKeyer.h"
#include "keyer/SerialPortDevice.h"
#include "tests/support/LineRecorder.h"
#include "tests/support/VirtualKeyerTime.h"

#include <QFileInfo>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <gtest/gtest.h>

#ifdef Q_OS_LINUX
#include <sys/ioctl.h>
#include <termios.h>
#endif

using namespace keyer;

TEST(SerialPort, ComNIsTtySNMinusOne)
{
#ifdef Q_OS_LINUX
    EXPECT_EQ(portDeviceName(1), QLatin1String("/dev/ttyS0"));
    EXPECT_EQ(portDeviceName(9), QLatin1String("/dev/ttyS8"));
#else
    EXPECT_EQ(portDeviceName(3), QLatin1String("\\\\.\\COM3"));
#endif
}

#ifdef Q_OS_LINUX

namespace {

// Reads the lines back from the device after every switch.
class ReadBack : public KeyingLines
{
public:
    ReadBack(ApdComPort& port, const SerialPortDevice& device)
        : m_port(port)
        , m_device(device)
    {
    }
    void setDTR(bool on) override
    {
        m_port.setDTR(on);
        states.push_back(modemLines(m_device));
    }
    void setRTS(bool on) override
    {
        m_port.setRTS(on);
        states.push_back(modemLines(m_device));
    }
    static int modemLines(const SerialPortDevice& device)
    {
        int bits = 0;
        ::ioctl(int(device.handle()), TIOCMGET, &bits);
        return bits & (TIOCM_DTR | TIOCM_RTS);
    }
    std::vector<int> states;

private:
    ApdComPort& m_port;
    const SerialPortDevice& m_device;
};

} // namespace

// /dev/ttyS0 chosen as "Com1" and by its device name: both ways give the
// same guarantees.
class RealPortTest : public ::testing::TestWithParam<const char*>
{
protected:
    void SetUp() override
    {
        if (!QFileInfo::exists(QStringLiteral("/dev/ttyS0")))
            GTEST_SKIP() << "/dev/ttyS0 does not exist";
        try {
            port.openFromSetting(QString::fromLatin1(GetParam()));
        } catch (const KvlError& e) {
            GTEST_SKIP() << "/dev/ttyS0 cannot be opened: " << qPrintable(e.message());
        }
    }
    SerialPortDevice device;
    ApdComPort port {device};
};

TEST_P(RealPortTest, OpensWithDtrAndRtsOff)
{
    EXPECT_TRUE(port.Open());
    EXPECT_EQ(ReadBack::modemLines(device), 0);
}

TEST_P(RealPortTest, KeysOnDtrWithPttOnRts)
{
    VirtualKeyerTime time;
    ReadBack lines(port, device);
    CwKeyer keyer(lines, time);
    keyer.setSendBuffer(QStringLiteral("E"));
    keyer.CwOut();
    const int dtr = TIOCM_DTR;
    const int rts = TIOCM_RTS;
    // PTT on, key down, key up, DotWait (no change), PTT off.
    const std::vector<int> expected = {rts, rts | dtr, rts, rts, rts, 0};
    EXPECT_EQ(lines.states, expected);
}

TEST_P(RealPortTest, ASecondOpeningFindsThePortBusy)
{
    SerialPortDevice other;
    EXPECT_EQ(other.open(1), QLatin1String("ie_Open - device already open"));
    SerialPortDevice byName;
    EXPECT_EQ(byName.openDevice(QStringLiteral("/dev/ttyS0")), QLatin1String("ie_Open - device already open"));
}

INSTANTIATE_TEST_SUITE_P(ByNumberAndByName, RealPortTest, ::testing::Values("Com1", "ttyS0"));

TEST(SerialPort, AMissingDeviceDoesNotExist)
{
    for (int n = 9; n >= 2; --n) {
        if (QFileInfo::exists(portDeviceName(n)))
            continue;
        SerialPortDevice device;
        ApdComPort port(device);
        try {
            port.openFromSetting(QStringLiteral("Com%1").arg(n));
            ADD_FAILURE() << "opened a missing device";
        } catch (const KvlError& e) {
            EXPECT_EQ(e.message(), QLatin1String("ie_BadId - Specified comport doesn't exist"));
        }
        EXPECT_EQ(port.ComNumber(), n);
        EXPECT_FALSE(port.Open());
        return;
    }
    GTEST_SKIP() << "every port from /dev/ttyS1 to /dev/ttyS8 exists";
}

// A pseudo-terminal opens as a serial device, but its modem lines cannot be
// switched (ENOTTY), as an adapter that was unplugged.
TEST(SerialPort, LostLinesStopTheMessageAreSaidOnceAndTheNextMessageReopensThePort)
{
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(::grantpt(master) | ::unlockpt(master), 0);
    struct PtyDevice : SerialPortDevice // stands as Com1
    {
        QString path;
        QString open(int) override { return openDevice(path); }
    } device;
    device.path = QString::fromLocal8Bit(::ptsname(master));
    ApdComPort port(device);
    port.setComNumber(1);
    port.setOpen(true);
    VirtualKeyerTime time;
    CwKeyer keyer(port, time);
    keyer.setSendBuffer(QStringLiteral("TEST TEST"));
    keyer.CwOut();
    EXPECT_LT(time.now(), Micros(keyer.DashTime()) * 1000); // stopped at the first switch
    EXPECT_FALSE(port.DTR() || port.RTS());
    const std::optional<QString> loss = port.takeLineLoss();
    ASSERT_TRUE(loss);
    EXPECT_TRUE(loss->contains(QString::fromLocal8Bit(std::strerror(ENOTTY)))) << qPrintable(*loss);
    EXPECT_FALSE(port.takeLineLoss());

    port.reopenIfLost();
    EXPECT_TRUE(port.Open());
    keyer.CwOut();
    EXPECT_TRUE(port.takeLineLoss()); // lost again, said again
    ::close(master);
}

TEST(SerialPort, AnAbsentDeviceEntryDoesNotExist)
{
    for (const char* entry : {"ttyUSB97", "by-id/usb-KVL_no_such_adapter-if00-port0"}) {
        SerialPortDevice device;
        ApdComPort port(device);
        ASSERT_FALSE(QFileInfo::exists(*deviceOfPortEntry(QString::fromLatin1(entry))));
        try {
            port.openFromSetting(QString::fromLatin1(entry));
            ADD_FAILURE() << "opened a missing device";
        } catch (const KvlError& e) {
            EXPECT_EQ(e.message(), kNoSuchPortText) << entry;
        }
        EXPECT_TRUE(port.portSet());
        EXPECT_FALSE(port.Open());
    }
}

#endif
