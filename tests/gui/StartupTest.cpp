// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/gui/MainWindowFixture.h"

#include "widgets/Panel.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableView>
#include <QTimer>

using namespace logbook;

namespace {

Contact contact(int n)
{
    Contact r;
    r.fields = {QStringLiteral("10:0%1").arg(n), QStringLiteral("40CW"), QString(), QStringLiteral("RA%1A").arg(n),
                sentExchange(QStringLiteral("15"), n), QStringLiteral("3200%1").arg(n), QStringLiteral("0")};
    return r;
}

} // namespace

TEST_F(MainWindowTest, AFirstLogWritesTheFreshState)
{
    writeStationData({});
    start();
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(QLatin1Char('|')).toStdString();
    StateRecord fresh;
    fresh.nextRow = 1;
    fresh.bandChangeCount = -1;
    fresh.bandMode = QStringLiteral("160SSB");
    fresh.callsLineFlag = 1;
    EXPECT_EQ(readFile(QStringLiteral("cfg.kvl")), fresh.encode());
    EXPECT_TRUE(QFile::exists(QStringLiteral("system.kvl")));
    EXPECT_EQ(readFile(QStringLiteral("system.kvl")).size(), 0);
    EXPECT_EQ(form1->session().selectedBand(), 0);
    EXPECT_EQ(form1->session().contacts().cell(1, BandMode), QStringLiteral("160SSB"));
    EXPECT_EQ(form1->session().contacts().cell(1, Sent), QStringLiteral("001"));
}

TEST_F(MainWindowTest, AStoredLogAndStateComeBack)
{
    writeStationData(stationLines({{setup::Coordinates, QStringLiteral("15")},
                                   {setup::CallSign, QStringLiteral("UA9XYZ")},
                                   {setup::ContestVariant, QStringLiteral("Чемпионат РА")}}));
    StateRecord s;
    s.nextRow = 4;
    s.bandChangeCount = 2;
    s.bandMode = QStringLiteral("40CW");
    s.bandCounters = {0, 1, 2, 0, 0, 0};
    s.callsLineFlag = 1;
    writeFile(QStringLiteral("cfg.kvl"), s.encode());
    writeFile(QStringLiteral("system.kvl"), contact(1).encode() + contact(2).encode() + contact(3).encode());
    start();
    EXPECT_TRUE(dialogs.errors.isEmpty());
    for (int r = 1; r <= 3; ++r)
        EXPECT_EQ(form1->session().contacts().contact(r), contact(r));
    EXPECT_EQ(form1->session().logbook().currentRow(), 4);
    EXPECT_EQ(form1->session().selectedBand(), 2);
    EXPECT_EQ(form1->session().mode(), Mode::CW);
    EXPECT_EQ(form1->session().contacts().cell(4, BandMode), QStringLiteral("40CW"));
    EXPECT_EQ(form1->session().contacts().cell(4, Sent), QStringLiteral("15004"));
    EXPECT_FALSE(form1->findChild<QLineEdit*>(QStringLiteral("Edit1"))->isHidden());
    EXPECT_EQ(form1->findChild<QCheckBox*>(QStringLiteral("CheckBox3"))->text(), QStringLiteral("2"));
    EXPECT_EQ(form1->findChild<Panel*>(QStringLiteral("Panel7"))->text(), QStringLiteral("CW"));
    EXPECT_EQ(form1->windowTitle(), QStringLiteral("KVL Версия 3.01 : Чемпионат РА - CW. UA9XYZ"));
    // The restore is no change: the stored state is left as it was.
    EXPECT_EQ(readFile(QStringLiteral("cfg.kvl")), s.encode());
}

TEST_F(MainWindowTest, WithoutStationDataTheStoredLogIsKeptAndUsed)
{
    StateRecord s;
    s.nextRow = 3;
    s.bandMode = QStringLiteral("20SSB");
    s.callsLineFlag = 1;
    writeFile(QStringLiteral("cfg.kvl"), s.encode());
    const QByteArray log = contact(1).encode() + contact(2).encode();
    writeFile(QStringLiteral("system.kvl"), log);
    start();
    ASSERT_FALSE(dialogs.errors.isEmpty());
    EXPECT_EQ(dialogs.errors.first(), QStringLiteral("Cannot open file Mydata.kvl."));
    EXPECT_EQ(form1->session().contacts().contact(2), contact(2));
    EXPECT_EQ(form1->session().logbook().currentRow(), 3);
    EXPECT_EQ(form1->session().contacts().cell(3, Sent), QStringLiteral("003"));
    EXPECT_EQ(readFile(QStringLiteral("system.kvl")), log);
    // The setup dialog created the station data file for the next start.
    EXPECT_TRUE(QFile::exists(QStringLiteral("Mydata.kvl")));
}

TEST_F(MainWindowTest, AFirstStartInAnEmptyFolderCanLogAtOnce)
{
    start();
    EXPECT_EQ(dialogs.errors, QStringList {QStringLiteral("Cannot open file Mydata.kvl.")});
    EXPECT_EQ(storedState().bandMode, QStringLiteral("160SSB"));
    EXPECT_EQ(form1->windowTitle(), QStringLiteral("KVL Версия 3.01 :  - SSB. "));
}

TEST_F(MainWindowTest, TheCallsLineFollowsTheStoredFlag)
{
    writeStationData({});
    for (int flag : {0, 1, 7}) {
        StateRecord s;
        s.nextRow = 1;
        s.bandMode = QStringLiteral("80SSB");
        s.callsLineFlag = quint8(flag);
        writeFile(QStringLiteral("cfg.kvl"), s.encode());
        start();
        EXPECT_EQ(!form1->findChild<QLineEdit*>(QStringLiteral("Edit4"))->isHidden(), flag == 1) << flag;
        EXPECT_EQ(form1->findChild<QAction*>(QStringLiteral("N11"))->isChecked(), flag == 1) << flag;
    }
}

TEST_F(MainWindowTest, TheClockShowsTheTimeEverySecond)
{
    writeStationData({});
    start();
    auto* timer = form1->findChild<QTimer*>(QStringLiteral("Timer1"));
    ASSERT_TRUE(timer);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 1000);
    clock.time = QTime(19, 5, 7);
    QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
    EXPECT_EQ(form1->findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("19:05:07"));
    clock.time = QTime(9, 0, 0);
    form1->Timer1Timer();
    EXPECT_EQ(form1->findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("09:00:00"));
}

TEST_F(MainWindowTest, ShowingAndActivatingSelectTheCurrentRow)
{
    writeStationData({});
    StateRecord s;
    s.nextRow = 9;
    s.bandMode = QStringLiteral("20SSB");
    writeFile(QStringLiteral("cfg.kvl"), s.encode());
    writeFile(QStringLiteral("system.kvl"), QByteArray(8 * 59, '\0'));
    startShown();
    form1->FormActivate();
    auto* grid = form1->findChild<QTableView*>(QStringLiteral("StringGrid1"));
    EXPECT_EQ(grid->currentIndex().row(), ContactGrid::modelRow(9));
    // The current row sits on the entry line, the sixth visible line.
    EXPECT_EQ(grid->rowAt(grid->viewport()->height() - 5), ContactGrid::modelRow(9));
}

TEST_F(MainWindowTest, ClosingEndsTheProgram)
{
    writeStationData({});
    startShown();
    QSignalSpy closed(form1.get(), &TForm1::closed);
    form1->findChild<QAction*>(QStringLiteral("N3"))->trigger();
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(form1->isVisible());
}
