// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyer/PortList.h"
#include "keyer/SystemPortEnumerator.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace keyer;

namespace {

class FakePorts : public PortEnumerator
{
public:
    explicit FakePorts(std::vector<PresentPort> ports) : m_ports(std::move(ports)) {}
    std::vector<PresentPort> presentPorts() const override { return m_ports; }

private:
    std::vector<PresentPort> m_ports;
};

const QString kFtdiLink = QStringLiteral("/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0");
const QString kFtdiEntry = QStringLiteral("by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0");

// A machine with an FTDI adapter, a rig's built-in port, a numbered port
// that Com1 names already, and ports listed out of order and twice.
const FakePorts kMachine({
    {QStringLiteral("/dev/ttyUSB10"), {}},
    {QStringLiteral("/dev/ttyUSB0"), kFtdiLink},
    {QStringLiteral("/dev/ttyS0"), {}},
    {QStringLiteral("/dev/ttyACM0"), {}},
    {QStringLiteral("/dev/ttyUSB2"), {}},
    {QStringLiteral("/dev/ttyUSB2"), {}},
    {QStringLiteral("/dev/ttyS12"), {}},
});

QStringList numbered()
{
    return {QStringLiteral("None"), QStringLiteral("Com1"), QStringLiteral("Com2"), QStringLiteral("Com3"),
            QStringLiteral("Com4"), QStringLiteral("Com5"), QStringLiteral("Com6"), QStringLiteral("Com7"),
            QStringLiteral("Com8"), QStringLiteral("Com9")};
}

} // namespace

TEST(PortItems, NumberedPortsThenEachPortPresentOnceByItsStableOrDeviceName)
{
    const QStringList present {QStringLiteral("ttyACM0"), QStringLiteral("ttyS12"), kFtdiEntry,
                               QStringLiteral("ttyUSB2"), QStringLiteral("ttyUSB10")};
    EXPECT_EQ(portItems(kMachine), numbered() + present);
    EXPECT_EQ(portItems(FakePorts({})), numbered());
}

TEST(PortItems, AStoredEntryStaysInTheListAndNamesItsPortOnce)
{
    struct Case
    {
        QString stored;
        QStringList present;
    };
    const Case cases[] = {
        {QString(), {"ttyACM0", "ttyS12", kFtdiEntry, "ttyUSB2", "ttyUSB10"}},
        {QStringLiteral("Com3"), {"ttyACM0", "ttyS12", kFtdiEntry, "ttyUSB2", "ttyUSB10"}},
        {kFtdiEntry, {"ttyACM0", "ttyS12", kFtdiEntry, "ttyUSB2", "ttyUSB10"}},
        // The FTDI adapter stored by its device name keeps that name.
        {QStringLiteral("ttyUSB0"), {"ttyACM0", "ttyS12", "ttyUSB0", "ttyUSB2", "ttyUSB10"}},
        // Absent today: kept at the end.
        {QStringLiteral("ttyUSB7"), {"ttyACM0", "ttyS12", kFtdiEntry, "ttyUSB2", "ttyUSB10", "ttyUSB7"}},
        {QStringLiteral("by-id/usb-Silicon_Labs_CP2102-if00-port0"),
         {"ttyACM0", "ttyS12", kFtdiEntry, "ttyUSB2", "ttyUSB10", "by-id/usb-Silicon_Labs_CP2102-if00-port0"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(portItems(kMachine, c.stored), numbered() + c.present) << qPrintable(c.stored);
}

TEST(PortEntry, MapsToItsDeviceAndBack)
{
    struct Case
    {
        const char* entry;
        const char* device; // nullptr: the entry keeps its old meaning
    };
    const Case cases[] = {
        {"ttyUSB0", "/dev/ttyUSB0"},
        {"ttyACM1", "/dev/ttyACM1"},
        {"rfcomm0", "/dev/rfcomm0"},
        {"by-id/usb-FTDI_FT232R-if00-port0", "/dev/serial/by-id/usb-FTDI_FT232R-if00-port0"},
        {"None", nullptr},
        {"Com1", nullptr},
        {"", nullptr},
        {"tty", nullptr},
        {"by-id/", nullptr},
        {"by-id/..", nullptr},
        {"by-id/../../etc/passwd", nullptr},
        {"ttyUSB0/x", nullptr},
        {"/dev/ttyUSB0", nullptr},
    };
    for (const Case& c : cases) {
        const QString entry = QString::fromUtf8(c.entry);
        const std::optional<QString> device = deviceOfPortEntry(entry);
        ASSERT_EQ(device.has_value(), c.device != nullptr) << c.entry;
        if (device) {
            EXPECT_EQ(*device, QString::fromUtf8(c.device)) << c.entry;
            EXPECT_EQ(portEntryOfDevice(*device), entry) << c.entry;
        }
    }
    EXPECT_EQ(portEntryOfDevice(QStringLiteral("/dev/pts/3")), QString());
    EXPECT_EQ(portEntryOfDevice(QStringLiteral("/tmp/ttyUSB0")), QString());
}

TEST(StableLinks, NameTheDeviceEachLinkPointsTo)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QDir root(dir.path());
    ASSERT_TRUE(root.mkdir(QStringLiteral("by-id")));
    for (const char* device : {"ttyUSB0", "ttyUSB1"}) {
        QFile f(root.filePath(QString::fromLatin1(device)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    const auto link = [&](const char* target, const char* name) {
        return QFile::link(root.filePath(QString::fromLatin1(target)),
                           root.filePath(QStringLiteral("by-id/") + QString::fromLatin1(name)));
    };
    ASSERT_TRUE(link("ttyUSB0", "usb-B-if00"));
    ASSERT_TRUE(link("ttyUSB0", "usb-A-if00")); // a second name for one device: the first by name counts
    ASSERT_TRUE(link("ttyUSB1", "usb-C-if00"));
    ASSERT_TRUE(link("ttyUSB9", "usb-Gone-if00")); // dangling

    const QMap<QString, QString> links = stableLinks(root.filePath(QStringLiteral("by-id")));
    const QString canonical = QDir(dir.path()).canonicalPath();
    QMap<QString, QString> expected;
    expected.insert(canonical + QStringLiteral("/ttyUSB0"), root.filePath(QStringLiteral("by-id/usb-A-if00")));
    expected.insert(canonical + QStringLiteral("/ttyUSB1"), root.filePath(QStringLiteral("by-id/usb-C-if00")));
    EXPECT_EQ(links, expected);
    EXPECT_TRUE(stableLinks(root.filePath(QStringLiteral("none"))).isEmpty());
}
