// SPDX-License-Identifier: GPL-3.0-or-later
// The contest as the station's other tools hear it: a listener on this
// machine takes the datagrams the main window sends.
#include "tests/gui/MainWindowFixture.h"
#include "tests/support/DialRig.h"

#include "log/ContactGrid.h"
#include "radio/RigSettings.h"
#include "radio/UdpSettings.h"
#include "widgets/ContactGridView.h"

#include <QSemaphore>
#include <QUdpSocket>
#include <QXmlStreamReader>
#include <map>

namespace {

constexpr int kWaitMs = 5000; // only keeps a broken test from hanging

// A packet's root element and its children's texts; the XML must parse.
struct Packet
{
    QString root;
    std::map<QString, QString> fields;
    QString operator[](const char* name) const
    {
        const auto found = fields.find(QLatin1String(name));
        return found == fields.end() ? QStringLiteral("(absent)") : found->second;
    }
};

Packet parsePacket(const QByteArray& bytes)
{
    Packet packet;
    QXmlStreamReader xml(bytes);
    if (xml.readNextStartElement()) {
        packet.root = xml.name().toString();
        while (xml.readNextStartElement())
            packet.fields[xml.name().toString()] = xml.readElementText(QXmlStreamReader::IncludeChildElements);
    }
    while (!xml.atEnd())
        xml.readNext();
    EXPECT_FALSE(xml.hasError()) << qPrintable(xml.errorString()) << bytes.constData();
    return packet;
}

class Listener
{
public:
    Listener() { m_socket.bind(QHostAddress::LocalHost, 0); }
    int port() const { return m_socket.localPort(); }
    // The next packet with this root; those before it are passed over.
    Packet next(const QString& root)
    {
        for (;;) {
            if (!m_socket.hasPendingDatagrams()
                && !QTest::qWaitFor([this] { return m_socket.hasPendingDatagrams(); }, kWaitMs))
                return {};
            QByteArray bytes(int(m_socket.pendingDatagramSize()), '\0');
            m_socket.readDatagram(bytes.data(), bytes.size());
            if (Packet packet = parsePacket(bytes); packet.root == root)
                return packet;
        }
    }

private:
    QUdpSocket m_socket;
};

// A network that takes no datagram until the test lets it.
class StuckSink : public radio::DatagramSink
{
public:
    explicit StuckSink(QSemaphore& gate) : m_gate(gate) {}
    QString send(const QByteArray&, const radio::UdpDestination&) override
    {
        m_gate.acquire();
        return QString();
    }

private:
    QSemaphore& m_gate;
};

} // namespace

class UdpWindowTest : public MainWindowTest
{
protected:
    std::shared_ptr<Dial> dial = std::make_shared<Dial>();
    QSemaphore gate; // for a network that takes nothing

    void TearDown() override
    {
        gate.release(1000); // the sender's thread ends with the window
        MainWindowTest::TearDown();
    }

    void startSendingTo(int port)
    {
        writeStationData(stationLines({{setup::CallSign, QStringLiteral("R3VAA")},
                                       {setup::Coordinates, QStringLiteral("15")},
                                       {setup::ContestVariant, QStringLiteral("Others")}}));
        radio::writeUdpSettings({{{QStringLiteral("127.0.0.1"), port}}});
        radio::writeRigSettings({1, {}, 0});
        dial->reading = {14.025e6, QStringLiteral("USB")};
        rigConnection = [d = dial](const radio::RigSettings&) { return std::make_unique<DialRig>(d); };
        rigTiming.pollInterval = 5;
        clock.utcOffset = 3 * 3600;
        startActive();
        ASSERT_TRUE(QTest::qWaitFor([this] { return form1->session().selectedBand() == 3; }, kWaitMs));
    }
};

TEST_F(UdpWindowTest, ALoggedEditedAndDeletedContactAndTheRigReachAListener)
{
    Listener listener;
    startSendingTo(listener.port());
    EXPECT_EQ(listener.next(QStringLiteral("AppInfo"))["contestname"], QStringLiteral("OTHER"));

    logContact(QStringLiteral("UA3AA"), QStringLiteral("59007"));
    const Packet logged = listener.next(QStringLiteral("contactinfo"));
    EXPECT_EQ(logged["call"], QStringLiteral("UA3AA"));
    EXPECT_EQ(logged["mycall"], QStringLiteral("R3VAA"));
    EXPECT_EQ(logged["timestamp"], QStringLiteral("2024-02-01 06:05:07"));
    EXPECT_EQ(logged["band"], QStringLiteral("14"));
    EXPECT_EQ(logged["rxfreq"], QStringLiteral("1402500"));
    EXPECT_EQ(logged["mode"], QStringLiteral("USB"));
    EXPECT_EQ(logged["rcv"], QStringLiteral("59"));
    EXPECT_EQ(logged["rcvnr"], QStringLiteral("7"));
    EXPECT_EQ(logged["sntnr"], QStringLiteral("1"));
    EXPECT_EQ(logged["contestname"], QStringLiteral("OTHER"));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^[0-9a-f]{32}$")).match(logged["ID"]).hasMatch()) << logged["ID"].toStdString();

    logbook::ContactGrid& grid = control<ContactGridView>("StringGrid1")->grid();
    clock.time = {9, 30, 0}; // the edit's time is not the contact's
    const QModelIndex call = grid.index(logbook::ContactGrid::modelRow(1), logbook::Call);
    grid.setData(call, QStringLiteral("UA3A"), Qt::EditRole); // the grid writes at every key
    grid.setData(call, QStringLiteral("UA3AB"), Qt::EditRole);
    clock.time = {9, 30, 5}; // one replace, once the row is left alone
    const Packet edited = listener.next(QStringLiteral("contactreplace"));
    EXPECT_EQ(edited["call"], QStringLiteral("UA3AB"));
    EXPECT_EQ(edited["oldcall"], QStringLiteral("UA3AA"));
    EXPECT_EQ(edited["oldtimestamp"], QStringLiteral("2024-02-01 06:05:07"));
    EXPECT_EQ(edited["ID"], logged["ID"]);

    key(Qt::Key_D, Qt::AltModifier);
    const Packet deleted = listener.next(QStringLiteral("contactdelete"));
    EXPECT_EQ(deleted["call"], QStringLiteral("UA3AB"));
    EXPECT_EQ(deleted["ID"], logged["ID"]);

    {
        std::lock_guard<std::mutex> lock(dial->mutex);
        dial->reading = {7.0125e6, QStringLiteral("CW")};
    }
    Packet radio;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        radio = listener.next(QStringLiteral("RadioInfo"));
        return radio["Mode"] == QStringLiteral("CW");
    }, kWaitMs));
    EXPECT_EQ(radio["Freq"], QStringLiteral("701250"));
}

TEST_F(UdpWindowTest, ContactsCompleteAtOnceWhileTheNetworkTakesNothing)
{
    udpSink = [this] { return std::make_unique<StuckSink>(gate); };
    startSendingTo(12060); // never reached: the sink stands in for the network
    for (int i = 1; i <= 3; ++i) {
        logContact(QStringLiteral("UA3A%1").arg(QChar('A' + i)), QStringLiteral("59001"));
        EXPECT_EQ(storedState().nextRow, i + 1);
    }
}
