// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/gui/MainWindowFixture.h"

#include "widgets/ContactGridView.h"
#include "widgets/Panel.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>

using namespace logbook;

class EntryTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        writeStationData(stationLines({{15, QStringLiteral("15")}, {20, QStringLiteral("Others")}}));
        startActive();
    }
    QLineEdit* edit1() const { return control<QLineEdit>("Edit1"); }
    QLineEdit* edit2() const { return control<QLineEdit>("Edit2"); }
};

TEST_F(EntryTest, CompletingTheFirstContact)
{
    clock.time = QTime(9, 5, 7);
    ASSERT_EQ(focused(), edit1());
    logContact(QStringLiteral("ua9xyz"), QStringLiteral("32012"));
    const Contact row1 = form1->session().contacts().contact(1);
    EXPECT_EQ(row1.fields[Time], QStringLiteral("09:05"));
    EXPECT_EQ(row1.fields[BandMode], QStringLiteral("160SSB"));
    EXPECT_EQ(row1.fields[BandChange], QString());
    EXPECT_EQ(row1.fields[Call], QStringLiteral("UA9XYZ"));
    EXPECT_EQ(row1.fields[Sent], QStringLiteral("15001"));
    EXPECT_EQ(row1.fields[Received], QStringLiteral("32012"));
    EXPECT_EQ(storedRecord(0), row1);
    EXPECT_EQ(readFile(QStringLiteral("system.kvl")).size(), 59);
    EXPECT_EQ(storedState().nextRow, 2);
    EXPECT_EQ(storedState().bandCounters[0], 1);
    EXPECT_EQ(form1->session().contacts().cell(2, BandMode), QStringLiteral("160SSB"));
    EXPECT_EQ(form1->session().contacts().cell(2, Sent), QStringLiteral("15002"));
    EXPECT_TRUE(edit1()->text().isEmpty());
    EXPECT_TRUE(edit2()->isHidden());
    EXPECT_EQ(focused(), edit1());
    EXPECT_EQ(control<QCheckBox>("CheckBox1")->text(), QStringLiteral("1"));
}

TEST_F(EntryTest, TypingIsUpperCaseAndLimited)
{
    type(QStringLiteral("abcd5fghijkl"));
    EXPECT_EQ(edit1()->text(), QStringLiteral("ABCD5FGHI"));
    key(Qt::Key_Return);
    EXPECT_EQ(focused(), edit2());
    type(QStringLiteral("1234567890"));
    EXPECT_EQ(edit2()->text(), QStringLiteral("12345678"));
    edit2()->setText(QStringLiteral("1234567890")); // a pre-filled exchange is not cut
    EXPECT_EQ(edit2()->text(), QStringLiteral("1234567890"));
    key(Qt::Key_Backspace);
    EXPECT_EQ(edit2()->text(), QStringLiteral("123456789"));
}

TEST_F(EntryTest, EscapeRulesOfBothFields)
{
    type(QStringLiteral("RA3"));
    key(Qt::Key_Escape);
    EXPECT_TRUE(edit1()->text().isEmpty());

    key(Qt::Key_Return); // an empty call opens nothing
    EXPECT_TRUE(edit2()->isHidden());
    EXPECT_EQ(form1->session().contacts().cell(1, Call), QString());

    type(QStringLiteral("RA3AA"));
    key(Qt::Key_Return);
    type(QStringLiteral("123"));
    key(Qt::Key_Escape);
    EXPECT_TRUE(edit2()->text().isEmpty());
    EXPECT_FALSE(edit2()->isHidden());
    key(Qt::Key_Escape);
    EXPECT_TRUE(edit2()->isHidden());
    EXPECT_EQ(focused(), edit1());
    EXPECT_EQ(form1->session().contacts().cell(1, Call), QStringLiteral("RA3AA"));
    EXPECT_EQ(readFile(QStringLiteral("system.kvl")).size(), 0);
}

TEST_F(EntryTest, BandChangesAreNumbered)
{
    logContact(QStringLiteral("RA1A"), QStringLiteral("1"));
    EXPECT_EQ(form1->session().contacts().cell(1, BandChange), QString()); // the first selection counts to 0
    key(Qt::Key_B, Qt::AltModifier);                         // 80 m
    logContact(QStringLiteral("RA2A"), QStringLiteral("2"));
    logContact(QStringLiteral("RA3A"), QStringLiteral("3"));
    key(Qt::Key_M, Qt::AltModifier); // a mode change alone is no band change
    logContact(QStringLiteral("RA4A"), QStringLiteral("4"));
    key(Qt::Key_B, Qt::AltModifier); // 40 m
    logContact(QStringLiteral("RA5A"), QStringLiteral("5"));
    const QStringList expected = {QString(), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1"),
                                  QStringLiteral("2")};
    for (int r = 1; r <= 5; ++r)
        EXPECT_EQ(form1->session().contacts().cell(r, BandChange), expected[r - 1]) << r;
    EXPECT_EQ(storedState().bandChangeCount, 2);
    EXPECT_EQ(form1->session().contacts().cell(2, Call), QStringLiteral("RA2A")); // Alt+B typed nothing
    EXPECT_EQ(storedRecord(4).fields[BandChange], QStringLiteral("2"));
}

TEST_F(EntryTest, EditingACellRewritesItsWholeRow)
{
    for (int i = 1; i <= 6; ++i)
        logContact(QStringLiteral("RA%1A").arg(i), QStringLiteral("%1").arg(i));
    auto* grid = control<ContactGridView>("StringGrid1");
    grid->setCurrentIndex(grid->model()->index(ContactGrid::modelRow(5), Call));
    form1->StringGrid1Click();
    EXPECT_TRUE(grid->editColours());
    ASSERT_NE(focused(), edit1());
    type(QStringLiteral("x")); // the cell opens with its text, the cursor at its end
    const Contact row5 = form1->session().contacts().contact(5);
    EXPECT_EQ(row5.fields[Call], QStringLiteral("RA5AX"));
    EXPECT_EQ(storedRecord(4), row5);
    EXPECT_EQ(storedRecord(5).fields[Call], QStringLiteral("RA6A"));
    key(Qt::Key_Up); // leaves the cell; a key typed on the one above opens it with that key
    type(QStringLiteral("q"));
    EXPECT_EQ(storedRecord(3).fields[Call], QStringLiteral("Q"));
    key(Qt::Key_Escape);
    EXPECT_FALSE(grid->editColours());
    EXPECT_EQ(focused(), edit1());
}

// A time is taken when its editor closes: half typed it would be no time. A
// key typed on the grid outside editing edits nothing.
TEST_F(EntryTest, ATimeCellIsTakenWholeAndAKeyOutsideEditingTypesNothing)
{
    logContact(QStringLiteral("RA1A"), QStringLiteral("1"));
    auto* grid = control<ContactGridView>("StringGrid1");
    grid->setFocus();
    type(QStringLiteral("7"));
    EXPECT_FALSE(grid->indexWidget(grid->currentIndex())); // no cell opened
    grid->setCurrentIndex(grid->model()->index(ContactGrid::modelRow(1), Time));
    form1->StringGrid1Click();
    key(Qt::Key_A, Qt::ControlModifier); // typed over
    type(QStringLiteral("9:3"));
    EXPECT_EQ(storedRecord(0).fields[Time], QStringLiteral("09:05"));
    type(QStringLiteral("4"));
    key(Qt::Key_Return);
    QApplication::processEvents(); // the editor hands its text on after the key
    EXPECT_EQ(form1->session().logbook().stamp(1)->localTime(), QTime(9, 34, 0));
}

TEST_F(EntryTest, AltECanEditAndTypingInTheCallFieldEndsTheColours)
{
    key(Qt::Key_E, Qt::AltModifier);
    auto* grid = control<ContactGridView>("StringGrid1");
    EXPECT_TRUE(grid->editColours());
    edit1()->setFocus();
    type(QStringLiteral("R"));
    EXPECT_FALSE(grid->editColours());
}

TEST_F(EntryTest, TheHelpPanelOpensWithAltHAndClosesWithEsc)
{
    key(Qt::Key_H, Qt::AltModifier);
    auto* help = control<QPlainTextEdit>("Memo1");
    EXPECT_FALSE(help->isHidden());
    EXPECT_EQ(focused(), help);
    key(Qt::Key_Escape);
    EXPECT_TRUE(help->isHidden());
    EXPECT_EQ(focused(), edit1());
}

TEST_F(EntryTest, AFailedAltCommandTypesNothing)
{
    ASSERT_TRUE(QFile::remove(QStringLiteral("cfg.kvl")));
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("cfg.kvl"))); // the state can no longer be written
    type(QStringLiteral("RA"));
    for (Qt::Key k : {Qt::Key_B, Qt::Key_M}) {
        dialogs.errors.clear();
        key(k, Qt::AltModifier);
        EXPECT_EQ(dialogs.errors.size(), k == Qt::Key_B ? 1 : 0) << k; // then the red line alone
        EXPECT_EQ(edit1()->text(), QStringLiteral("RA")) << k;
    }
}

TEST_F(EntryTest, AltTShowsTheNewSubTourPanelOnce)
{
    auto* panel = control<Panel>("Panel8");
    key(Qt::Key_T, Qt::AltModifier);
    EXPECT_FALSE(panel->isHidden());
    key(Qt::Key_T, Qt::AltModifier);
    EXPECT_FALSE(panel->isHidden());
}

TEST_F(EntryTest, ARestartBringsBackEverything)
{
    key(Qt::Key_B, Qt::AltModifier);
    logContact(QStringLiteral("RA1A"), QStringLiteral("11"));
    key(Qt::Key_M, Qt::AltModifier);
    logContact(QStringLiteral("RA2A"), QStringLiteral("22"));
    key(Qt::Key_B, Qt::AltModifier);
    logContact(QStringLiteral("RA3A"), QStringLiteral("33"));
    std::array<Contact, 4> rows;
    for (int r = 1; r <= 3; ++r)
        rows[size_t(r)] = form1->session().contacts().contact(r);
    const StateRecord state = storedState();
    form1->close();

    startActive();
    for (int r = 1; r <= 3; ++r)
        EXPECT_EQ(form1->session().contacts().contact(r), rows[size_t(r)]) << r;
    EXPECT_EQ(form1->session().logbook().currentRow(), 4);
    EXPECT_EQ(form1->session().selectedBand(), 2);
    EXPECT_EQ(form1->session().mode(), Mode::CW);
    EXPECT_EQ(form1->session().logbook().state(), state);
    EXPECT_EQ(control<QCheckBox>("CheckBox2")->text(), QStringLiteral("2"));
    EXPECT_EQ(control<QCheckBox>("CheckBox3")->text(), QStringLiteral("1"));
    EXPECT_EQ(form1->session().contacts().cell(4, Sent), QStringLiteral("15004"));
    // The band change count goes on from where it was.
    key(Qt::Key_B, Qt::AltModifier);
    logContact(QStringLiteral("RA4A"), QStringLiteral("44"));
    EXPECT_EQ(form1->session().contacts().cell(4, BandChange), QString::number(state.bandChangeCount + 1));
}

// The log moved away while a call is typed: no box takes the keys, the call
// is logged whole, and the status line says the log was made again.
TEST_F(EntryTest, ALogMovedAwayWhileACallIsTypedIsMadeAgainFromMemory)
{
    logContact(QStringLiteral("RA1A"), QStringLiteral("11"));
    ASSERT_TRUE(QFile::rename(QStringLiteral("system.kvl"), QStringLiteral("moved.kvl")));
    logContact(QStringLiteral("RL2BB"), QStringLiteral("22"));
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(storedRecord(0).fields[Call], QStringLiteral("RA1A"));
    EXPECT_EQ(storedRecord(1).fields[Call], QStringLiteral("RL2BB"));
    EXPECT_TRUE(control<QLabel>("StatusLine")->text().contains(QStringLiteral("system.kvl")));
}

TEST_F(EntryTest, ALogPastTheFirstGridHoldsEveryContact)
{
    constexpr int kContacts = 2500;
    for (int n = 1; n <= kContacts; ++n) {
        edit1()->setText(QStringLiteral("UA%1").arg(n));
        form1->CallEntered();
        edit2()->setText(QString::number(n));
        form1->CompleteContact();
    }
    ASSERT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.first().toStdString();
    EXPECT_EQ(readFile(QStringLiteral("system.kvl")).size(), kContacts * 59);
    EXPECT_EQ(storedState().nextRow, kContacts + 1);
    EXPECT_EQ(storedRecord(kContacts - 1).fields[Sent], QStringLiteral("152500"));
    form1->close();

    startActive();
    EXPECT_EQ(form1->session().logbook().currentRow(), kContacts + 1);
    for (int n : {1, 1999, 2000, 2500}) {
        EXPECT_EQ(form1->session().contacts().cell(n, Call), QStringLiteral("UA%1").arg(n));
        EXPECT_EQ(form1->session().contacts().cell(n, Received), QString::number(n));
    }
    EXPECT_EQ(form1->session().contacts().cell(kContacts + 1, Sent), QStringLiteral("152501"));
    logContact(QStringLiteral("RA1A"), QStringLiteral("1"));
    EXPECT_EQ(storedRecord(kContacts).fields[Call], QStringLiteral("RA1A"));
}

// Back on a band where the call is a repeat, Enter logs nothing and keeps both fields.
TEST_F(EntryTest, ARepeatAtCompletionKeepsTheEntry)
{
    logContact(QStringLiteral("RV3ZZ"), QStringLiteral("59"));
    key(Qt::Key_B, Qt::AltModifier);
    type(QStringLiteral("RV3ZZ"));
    key(Qt::Key_Return);
    type(QStringLiteral("59"));
    key(Qt::Key_V, Qt::AltModifier);
    key(Qt::Key_Return);
    EXPECT_EQ(storedState().nextRow, 2);
    EXPECT_TRUE(focused() == edit2() && edit1()->text() + edit2()->text() == QLatin1String("RV3ZZ59"));
}

// Alt+F, Alt+S open the menus on either layout, Alt+Ф as well, on their first
// item; Esc out of a menu gives the keys back at once; Alt+С stays the speed
// reset; Enter takes the first item ("Установки" opens setup).
TEST_F(EntryTest, TheMenusOpenByTheirKeysAndEscGivesTheKeysBack)
{
    const std::tuple<int, const char*, const char*> cases[] = {
        {Qt::Key_F, "f", "File1"}, {0x410, "а", "File1"}, {Qt::Key_A, "a", "File1"},
        {Qt::Key_S, "s", "Service1"}, {0x42B, "ы", "Service1"}};
    for (const auto& [code, text, name] : cases) {
        QTest::sendKeyEvent(QTest::Click, focused(), Qt::Key(code), QString::fromUtf8(text), Qt::AltModifier);
        auto* menu = form1->findChild<QMenu*>(QLatin1String(name));
        ASSERT_TRUE(QTest::qWaitFor([&] { return menu->isVisible(); })) << text;
        EXPECT_EQ(menu->activeAction(), menu->actions().at(0)) << text;
        QTest::keyClick(menu, Qt::Key_Down);
        EXPECT_EQ(menu->activeAction(), menu->actions().at(2)) << text; // past the separator
        QTest::keyClick(menu, Qt::Key_Escape);
        ASSERT_TRUE(QTest::qWaitFor([&] { return focused() == edit1(); })) << text;
    }
    key(Qt::Key_PageDown);
    QTest::sendKeyEvent(QTest::Click, focused(), Qt::Key(0x421), QStringLiteral("с"), Qt::AltModifier);
    EXPECT_EQ(form1->transmitter().keyer().DashTime(), 150);
    key(Qt::Key_F, Qt::AltModifier);
    QTest::keyClick(form1->findChild<QMenu*>(QStringLiteral("File1")), Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return form2->isVisible(); }));
}

TEST_F(EntryTest, AContactThatCannotBeSavedStaysTypedAndTheRedLineSaysWhy)
{
    const QByteArray state = readFile(QStringLiteral("cfg.kvl"));
    ASSERT_TRUE(QFile::remove(QStringLiteral("cfg.kvl")));
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("cfg.kvl")));
    logContact(QStringLiteral("UA9XYZ"), QStringLiteral("32012"));
    EXPECT_EQ(edit1()->text(), QStringLiteral("UA9XYZ"));
    EXPECT_EQ(edit2()->text(), QStringLiteral("32012"));
    EXPECT_EQ(focused(), edit2());
    const auto* line = control<QLabel>("StatusLine");
    EXPECT_TRUE(line->text().startsWith(QStringLiteral("Журнал не сохраняется: Cannot open file cfg.kvl")));

    ASSERT_TRUE(QDir().rmdir(QStringLiteral("cfg.kvl")));
    writeFile(QStringLiteral("cfg.kvl"), state);
    key(Qt::Key_Return); // the same Enter again
    EXPECT_EQ(storedRecord(0).fields[Call], QStringLiteral("UA9XYZ"));
    EXPECT_EQ(storedState().nextRow, 2);
    EXPECT_TRUE(edit2()->isHidden());
    EXPECT_TRUE(line->text().startsWith(QStringLiteral("QSO 1")));
}
