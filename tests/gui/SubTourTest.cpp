// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/gui/MainWindowFixture.h"

#include "widgets/Panel.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>

using namespace logbook;

class SubTourTest : public MainWindowTest
{
protected:
    void startWith(const QString& subTourTimes)
    {
        writeStationData(stationLines({{setup::Coordinates, QStringLiteral("15")},
                                       {setup::ContestVariant, QStringLiteral("Others")},
                                       {setup::SubTourTimes, subTourTimes}}));
        startActive();
    }
    Panel* newSubTour() const { return control<Panel>("Panel8"); }
    Panel* deletePanel() const { return control<Panel>("Panel12"); }
    void tick(QTime t)
    {
        clock.time = t;
        form1->Timer1Timer();
    }
};

// Which readings are due is the sub-tour clock's (tested there); the window's
// clock shows the offer, and once applied the next time offers one again.
TEST_F(SubTourTest, TheClockOffersANewSubTourAtTheTimesGiven)
{
    startWith(QStringLiteral("9:30 10:00:00"));
    struct Case
    {
        QTime time;
        bool shown;
    };
    const Case cases[] = {{{9, 29, 59}, false}, {{9, 30, 1}, true}, {{10, 0, 0}, true}};
    for (const auto& c : cases) {
        if (!newSubTour()->isHidden())
            form1->Panel8Click(); // applied, so the next time can offer one again
        tick(c.time);
        EXPECT_EQ(!newSubTour()->isHidden(), c.shown) << c.time.toString().toStdString();
    }
}

TEST_F(SubTourTest, TheNextContactStartsThePendingSubTour)
{
    startWith(QStringLiteral("10:00:00"));
    logContact(QStringLiteral("RA1A"), QStringLiteral("1"));
    logContact(QStringLiteral("RA2A"), QStringLiteral("2"));
    tick({10, 0, 0});
    ASSERT_FALSE(newSubTour()->isHidden());
    tick({10, 0, 1});
    EXPECT_FALSE(newSubTour()->isHidden()); // pending until applied
    logContact(QStringLiteral("RA3A"), QStringLiteral("3"));
    EXPECT_TRUE(newSubTour()->isHidden());
    EXPECT_EQ(storedState().subTourStart, 2); // record of the contact just logged
    EXPECT_EQ(storedState().nextRow, 4);

    key(Qt::Key_T, Qt::AltModifier);
    QTest::mouseClick(newSubTour(), Qt::LeftButton); // a click starts it with the row being entered
    EXPECT_TRUE(newSubTour()->isHidden());
    EXPECT_EQ(storedState().subTourStart, 3);
}

TEST_F(SubTourTest, TheFirstContactOfAPendingSubTourMayRepeatAnEarlierOne)
{
    startWith(QStringLiteral("10:00:00"));
    struct Case
    {
        QString call;
        bool byClock;
        bool typedFirst; // the panel appears while the call stands typed
    };
    const Case cases[] = {{QStringLiteral("RA1AA"), false, false}, {QStringLiteral("RA2AA"), false, true},
                          {QStringLiteral("RA3AA"), true, true}};
    auto* warning = control<QLabel>("Label25");
    for (const Case& c : cases) {
        logContact(c.call, QStringLiteral("1"));
        const int row = form1->session().logbook().currentRow();
        if (c.typedFirst) {
            type(c.call);
            ASSERT_FALSE(warning->text().isEmpty());
        }
        c.byClock ? tick({10, 0, 0}) : key(Qt::Key_T, Qt::AltModifier);
        if (!c.typedFirst)
            type(c.call);
        EXPECT_TRUE(warning->text().isEmpty()) << c.call.toStdString();
        EXPECT_EQ(control<QLineEdit>("Edit3")->text(), QString()) << c.call.toStdString();
        key(Qt::Key_Return);
        type(QStringLiteral("2"));
        key(Qt::Key_Return);
        EXPECT_EQ(storedRecord(row - 1).fields[Call], c.call);
        EXPECT_EQ(storedState().subTourStart, row - 1);
        EXPECT_TRUE(newSubTour()->isHidden());
    }
}

TEST_F(SubTourTest, DeletingAndRestoringTheLastContact)
{
    startWith(QString());
    key(Qt::Key_B, Qt::AltModifier); // 80 m
    logContact(QStringLiteral("RA1A"), QStringLiteral("1"));
    key(Qt::Key_B, Qt::AltModifier); // 40 m
    clock.time = QTime(11, 22, 0);
    logContact(QStringLiteral("RA2A"), QStringLiteral("2"));
    const Contact first = form1->session().contacts().contact(1);
    const Contact last = form1->session().contacts().contact(2);
    ASSERT_EQ(last.fields[BandChange], QStringLiteral("1"));
    key(Qt::Key_V, Qt::AltModifier); // back to 80 m before deleting
    const qint32 bandChanges = storedState().bandChangeCount;

    key(Qt::Key_D, Qt::AltModifier);
    EXPECT_EQ(deletePanel()->text(), QStringLiteral("RESTORE QSO"));
    EXPECT_EQ(readFile(QStringLiteral("system.kvl")).size(), 2 * 59);
    EXPECT_EQ(storedRecord(1), Contact {});
    EXPECT_EQ(storedRecord(0), first);
    EXPECT_EQ(storedState().nextRow, 2);
    EXPECT_EQ(storedState().bandCounters[1], 0); // the band selected now loses one
    EXPECT_EQ(storedState().bandCounters[2], 1);
    EXPECT_EQ(storedState().bandChangeCount, bandChanges);
    EXPECT_EQ(form1->session().contacts().cell(2, Sent), QStringLiteral("15002"));
    EXPECT_EQ(form1->session().contacts().cell(2, BandMode), QStringLiteral("80SSB"));
    EXPECT_EQ(form1->session().contacts().contact(1), first);

    QTest::mouseClick(deletePanel(), Qt::LeftButton);
    EXPECT_EQ(deletePanel()->text(), QStringLiteral("DELETE QSO"));
    EXPECT_EQ(form1->session().contacts().contact(2), last);
    EXPECT_EQ(storedRecord(1), last);
    EXPECT_EQ(storedState().nextRow, 3);
    EXPECT_EQ(storedState().bandCounters[1], 1);
    EXPECT_EQ(form1->session().contacts().cell(3, BandMode), QStringLiteral("80SSB"));
}

TEST_F(SubTourTest, ADeletedContactStaysGoneAfterARestartOrANewContact)
{
    startWith(QString());
    logContact(QStringLiteral("RA1A"), QStringLiteral("1"));
    logContact(QStringLiteral("RA2A"), QStringLiteral("2"));
    key(Qt::Key_D, Qt::AltModifier);
    logContact(QStringLiteral("RA3A"), QStringLiteral("3"));
    EXPECT_EQ(form1->session().contacts().cell(2, Call), QStringLiteral("RA3A"));
    EXPECT_EQ(deletePanel()->text(), QStringLiteral("DELETE QSO"));
    key(Qt::Key_D, Qt::AltModifier); // deletes RA3A: the buffer of RA2A was discarded
    key(Qt::Key_D, Qt::AltModifier);
    EXPECT_EQ(form1->session().contacts().cell(2, Call), QStringLiteral("RA3A"));

    key(Qt::Key_D, Qt::AltModifier);
    form1->close();
    startActive();
    EXPECT_EQ(form1->session().logbook().currentRow(), 2);
    EXPECT_EQ(form1->session().contacts().cell(2, Call), QString());
    EXPECT_EQ(deletePanel()->text(), QStringLiteral("DELETE QSO"));
}

TEST_F(SubTourTest, NothingToDeleteOnTheFirstRow)
{
    startWith(QString());
    const QByteArray state = readFile(QStringLiteral("cfg.kvl"));
    key(Qt::Key_D, Qt::AltModifier);
    EXPECT_EQ(deletePanel()->text(), QStringLiteral("DELETE QSO"));
    EXPECT_EQ(readFile(QStringLiteral("cfg.kvl")), state);
    EXPECT_EQ(form1->session().logbook().currentRow(), 1);
}

TEST_F(SubTourTest, ClearingTheLogAsksTwice)
{
    startWith(QString());
    logContact(QStringLiteral("RA1A"), QStringLiteral("1"));
    const QByteArray log = readFile(QStringLiteral("system.kvl"));
    for (const std::deque<bool>& answers : {std::deque<bool> {false}, std::deque<bool> {true, false}}) {
        dialogs.answers = answers;
        QTest::mouseClick(control<Panel>("Label1"), Qt::LeftButton);
        EXPECT_TRUE(form1->isVisible());
        EXPECT_EQ(readFile(QStringLiteral("system.kvl")), log);
        EXPECT_TRUE(QFile::exists(QStringLiteral("cfg.kvl")));
    }
    EXPECT_EQ(dialogs.questions,
              (QStringList {QStringLiteral("Очистка LOG-а перед тестом"), QStringLiteral("Очистка LOG-а перед тестом"),
                            QStringLiteral("Вы уверены. Очистить LOG ?")}));

    QSignalSpy closed(form1.get(), &TForm1::closed);
    dialogs.answers = {true, true};
    form1->findChild<QAction*>(QStringLiteral("N7"))->trigger();
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(QFile::exists(QStringLiteral("system.kvl")));
    EXPECT_FALSE(QFile::exists(QStringLiteral("cfg.kvl")));
    // The report was written from the grid still in memory (no call sign: ".log").
    EXPECT_TRUE(readFile(QStringLiteral(".log")).contains("RA1A"));

    startActive();
    EXPECT_EQ(form1->session().logbook().currentRow(), 1);
    EXPECT_EQ(storedState().bandMode, QStringLiteral("160SSB"));
    EXPECT_EQ(readFile(QStringLiteral("system.kvl")).size(), 0);
    EXPECT_TRUE(QFile::exists(QStringLiteral("Mydata.kvl")));
}
