// SPDX-License-Identifier: GPL-3.0-or-later
// The band map with a cluster node played by the test on a local port and a
// real rigctld: a spot clicked tunes the rig and takes the call.
#include "tests/gui/MainWindowFixture.h"
#include "tests/support/Rigctld.h"

#include "radio/RigSettings.h"
#include "widgets/BandMapWindow.h"

#include <QLineEdit>
#include <QStandardPaths>
#include <QTreeWidget>

class BandMapWindowTest : public MainWindowTest
{
protected:
    Rigctld rigctld {freePort()};
    QTcpServer node;
    QTcpSocket* session = nullptr;

    void SetUp() override
    {
        MainWindowTest::SetUp();
        if (QStandardPaths::findExecutable(QStringLiteral("rigctld")).isEmpty())
            GTEST_SKIP() << "rigctld is not installed (Debian: libhamlib-utils)";
        ASSERT_TRUE(rigctld.start());
        ASSERT_TRUE(node.listen(QHostAddress::LocalHost, 0));
        QObject::connect(&node, &QTcpServer::newConnection, [this] {
            session = node.nextPendingConnection();
            session->write("login: ");
        });
    }
    QTreeWidgetItem* spotOnMap(const QString& call) const
    {
        auto* list = form1->findChild<QTreeWidget*>(QStringLiteral("CurrentBand"));
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            if (list->topLevelItem(i)->text(1).startsWith(call))
                return list->topLevelItem(i);
        }
        return nullptr;
    }
};

TEST_F(BandMapWindowTest, ASpotClickedTunesTheRigAndTakesItsCall)
{
    writeStationData(stationLines({{setup::CallSign, QStringLiteral("UA3AAA")},
                                   {setup::Coordinates, QStringLiteral("15")},
                                   {setup::ContestVariant, QStringLiteral("Others")}}));
    radio::writeRigSettings({radio::kNetRigctlModel, QStringLiteral("127.0.0.1:%1").arg(rigctld.port()), 0});
    writeFile(QStringLiteral("kvl.ini"), readFile(QStringLiteral("kvl.ini"))
                  + QStringLiteral("[Cluster]\nhost=127.0.0.1\nport=%1\n").arg(node.serverPort()).toLatin1());
    ASSERT_EQ(rigctld.command(QStringLiteral("F 3550000")), QByteArray("RPRT 0\n"));
    startActive();
    ASSERT_TRUE(QTest::qWaitFor([this] { return session && session->canReadLine(); }, kRigctldWaitMs));
    EXPECT_EQ(session->readLine().trimmed(), QByteArray("UA3AAA"));
    key(Qt::Key_K, Qt::AltModifier);
    session->write("DX de R1ZZ:     3525.0  UA9QQQ       cq test                  1200Z\r\n");
    ASSERT_TRUE(QTest::qWaitFor([this] { return spotOnMap(QStringLiteral("UA9QQQ")); }, kRigctldWaitMs));

    auto* list = form1->findChild<QTreeWidget*>(QStringLiteral("CurrentBand"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(spotOnMap(QStringLiteral("UA9QQQ"))).center());
    EXPECT_TRUE(QTest::qWaitFor([this] { return rigctld.command(QStringLiteral("f")) == "3525000\n"; }, kRigctldWaitMs));
    EXPECT_EQ(control<QLineEdit>("Edit1")->text(), QStringLiteral("UA9QQQ"));
    EXPECT_EQ(focused(), control("Edit1"));

    const int pixels = QFontInfo(spotOnMap(QStringLiteral("UA9QQQ"))->font(1)).pixelSize();
    key(Qt::Key_Plus, Qt::ControlModifier); // the text grows on the map too
    EXPECT_GT(QFontInfo(spotOnMap(QStringLiteral("UA9QQQ"))->font(1)).pixelSize(), pixels);
}
