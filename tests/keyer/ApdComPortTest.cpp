// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/KvlError.h"
#include "keyer/ApdComPort.h"
#include "keyer/SerialPortDevice.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace keyer;

namespace {

class FakeDevice : public PortDevice
{
public:
    QString failure; // what the next opening answers
    QStringList calls;

    QString open(int comNumber) override
    {
        calls << QStringLiteral("open %1").arg(comNumber);
        return failure;
    }
    QString openDevice(const QString& path) override
    {
        calls << QStringLiteral("open ") + path;
        return failure;
    }
    void close() override { calls << QStringLiteral("close"); }
    void setLine(ModemLine line, bool on) override
    {
        calls << QStringLiteral("%1 %2").arg(line == ModemLine::DTR ? "DTR" : "RTS").arg(on ? "on" : "off");
    }
};

QString errorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const KvlError& e) {
        return e.message();
    }
    return QString();
}

} // namespace

TEST(ComNumber, IsTheFourthCharacterOfThePortText)
{
    struct Case
    {
        const char* text;
        int number;
        const char* error;
    };
    const Case cases[] = {
        {"None", 0, ""},
        {"Com1", 1, ""},
        {"Com9", 9, ""},
        {"Com12", 1, ""},
        {"", 0, "'' is not a valid integer value"},
        {"Com", 0, "'' is not a valid integer value"},
        {"COMx", 0, "'x' is not a valid integer value"},
        {"none", 0, "'e' is not a valid integer value"},
        {"Com٣", 0, "'٣' is not a valid integer value"}, // a digit, but not a decimal one
    };
    for (const Case& c : cases) {
        int number = -1;
        const QString error = errorOf([&] { number = parseComNumber(QString::fromUtf8(c.text)); });
        EXPECT_EQ(error, QString::fromUtf8(c.error)) << c.text;
        if (error.isEmpty()) {
            EXPECT_EQ(number, c.number) << c.text;
        }
    }
}

TEST(ApdComPort, NoneOpensNothing)
{
    FakeDevice device;
    ApdComPort port(device);
    port.openFromSetting(QStringLiteral("None"));
    EXPECT_EQ(port.ComNumber(), 0);
    EXPECT_FALSE(port.portSet());
    EXPECT_FALSE(port.Open());
    EXPECT_TRUE(device.calls.isEmpty());
}

TEST(ApdComPort, AnUnreadablePortTextLeavesNoPortSet)
{
    FakeDevice device;
    ApdComPort port(device);
    EXPECT_EQ(errorOf([&] { port.openFromSetting(QString()); }), QStringLiteral("'' is not a valid integer value"));
    EXPECT_EQ(port.ComNumber(), 0);
    EXPECT_TRUE(device.calls.isEmpty());
}

TEST(ApdComPort, AFailedOpeningKeepsTheNumberAndMovesNoLine)
{
    FakeDevice device;
    device.failure = QStringLiteral("ie_BadId - Specified comport doesn't exist");
    ApdComPort port(device);
    EXPECT_EQ(errorOf([&] { port.openFromSetting(QStringLiteral("Com3")); }), device.failure);
    EXPECT_EQ(port.ComNumber(), 3);
    EXPECT_TRUE(port.portSet());
    EXPECT_FALSE(port.Open());
    port.setDTR(true);
    port.setRTS(true);
    EXPECT_TRUE(port.DTR());
    EXPECT_TRUE(port.RTS());
    EXPECT_EQ(device.calls, QStringList {QStringLiteral("open 3")});
}

TEST(ApdComPort, OnlyAChangeOfALineReachesTheSystem)
{
    FakeDevice device;
    ApdComPort port(device);
    port.openFromSetting(QStringLiteral("Com2"));
    EXPECT_TRUE(port.Open());
    port.setDTR(false);
    port.setRTS(true);
    port.setRTS(true);
    port.setDTR(true);
    port.setDTR(false);
    port.setRTS(false);
    port.setOpen(false);
    port.setDTR(true); // closed: recorded only
    EXPECT_TRUE(port.DTR());
    EXPECT_EQ(device.calls.join(QLatin1Char(',')), QLatin1String("open 2,RTS on,DTR on,DTR off,RTS off,close"));
}

TEST(ApdComPort, ADeviceEntryOpensItsDevice)
{
    struct Case
    {
        const char* entry;
        const char* opening;
    };
    const Case cases[] = {
        {"ttyUSB0", "open /dev/ttyUSB0"},
        {"by-id/usb-FTDI_FT232R-if00-port0", "open /dev/serial/by-id/usb-FTDI_FT232R-if00-port0"},
        {"Com4", "open 4"},
    };
    for (const Case& c : cases) {
        FakeDevice device;
        ApdComPort port(device);
        port.openFromSetting(QString::fromUtf8(c.entry));
        EXPECT_TRUE(port.portSet()) << c.entry;
        EXPECT_TRUE(port.Open()) << c.entry;
        port.setDTR(true);
        port.setOpen(false);
        EXPECT_EQ(device.calls.join(QLatin1Char(',')), QString::fromUtf8(c.opening) + QLatin1String(",DTR on,close"))
            << c.entry;
    }
}

TEST(ApdComPort, AnAbsentDeviceIsReportedAndStaysSet)
{
    FakeDevice device;
    device.failure = kNoSuchPortText;
    ApdComPort port(device);
    EXPECT_EQ(errorOf([&] { port.openFromSetting(QStringLiteral("ttyUSB3")); }), kNoSuchPortText);
    EXPECT_EQ(port.DevicePath(), QLatin1String("/dev/ttyUSB3"));
    EXPECT_EQ(port.ComNumber(), 0);
    EXPECT_TRUE(port.portSet());
    EXPECT_FALSE(port.Open());
    port.setRTS(true);
    EXPECT_EQ(device.calls, QStringList {QStringLiteral("open /dev/ttyUSB3")});
}

TEST(OpenErrorText, FollowsTheCauseOfTheFailure)
{
    struct Case
    {
        QSerialPort::SerialPortError error;
        const char* systemText;
        const char* shown;
    };
    const Case cases[] = {
        {QSerialPort::DeviceNotFoundError, "No such file or directory", "ie_BadId - Specified comport doesn't exist"},
        {QSerialPort::PermissionError, "Permission denied", "ie_Open - device already open"},
        {QSerialPort::OpenError, "Too many open files", "Too many open files"},
        {QSerialPort::UnknownError, "Input/output error", "Input/output error"},
        {QSerialPort::UnknownError, "", "Apro exception"},
        {QSerialPort::NoError, "", "Apro exception"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(openErrorText(c.error, QString::fromUtf8(c.systemText)), QString::fromUtf8(c.shown)) << c.systemText;
}
