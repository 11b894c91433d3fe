// SPDX-License-Identifier: GPL-3.0-or-later
#include "setup/SetupFields.h"
#include "tests/setup/SetupDialogFixture.h"
#include "tests/setup/WriteLimits.h"

#include <QAbstractItemView>
#include <QDir>
#include <QTabWidget>

namespace {

// The bound lines and their controls, from the one table of the lines.
std::vector<std::pair<int, QString>> lineTable()
{
    std::vector<std::pair<int, QString>> table;
    for (const setup::SetupField& f : setup::setupFields())
        table.emplace_back(f.line, f.control);
    return table;
}

bool upperCaseLine(int line)
{
    for (const setup::SetupField& f : setup::setupFields()) {
        if (f.line == line)
            return f.input == setup::Input::Upper;
    }
    return false;
}

// A distinct value for each line that every field accepts.
QString valueFor(int line, const QLineEdit* edit)
{
    if (edit->objectName() == QStringLiteral("Edit41"))
        return QString::number(line);
    return (QStringLiteral("Ж") + QString::number(line) + QStringLiteral("ЯZ")).left(edit->maxLength());
}

} // namespace

TEST_F(SetupDialogTest, AFirstStartCreatesTheEmptyFile)
{
    create();
    EXPECT_TRUE(dialogs.errors.isEmpty());
    EXPECT_EQ(storedLines(), QStringList(105, QString()));
    for (int line = 0; line < 105; ++line)
        EXPECT_EQ(store.field(line), QString()) << line;
    EXPECT_EQ(list(QStringLiteral("ComboBox1"))->currentIndex(), -1);
    EXPECT_EQ(list(QStringLiteral("ComboBox2"))->currentIndex(), -1);
    EXPECT_EQ(captions, QStringList {QStringLiteral("KVL Версия 3.01 :  - SSB. ")});
}

TEST_F(SetupDialogTest, AFileThatIsNotStationDataIsKeptAsideAndStartedAfresh)
{
    const QByteArray junk("\x7f" "ELF\0\0\x01junk", 10);
    writeFile(setup::kStationDataFileName, junk);
    writeFile(setup::kStationDataFileName + QStringLiteral(".bad"), "older"); // never replaced
    create();
    EXPECT_EQ(readFile(setup::kStationDataFileName + QStringLiteral(".bad")), "older");
    EXPECT_EQ(readFile(setup::kStationDataFileName + QStringLiteral(".bad.2")), junk);
    EXPECT_EQ(storedLines(), QStringList(105, QString()));
    EXPECT_EQ(store.callSign(), QString());
}

TEST_F(SetupDialogTest, AFileThatCannotBeReadLeavesTheBuiltInState)
{
    ASSERT_TRUE(QDir().mkdir(setup::kStationDataFileName));
    create();
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].startsWith(QStringLiteral("Cannot open file Mydata.kvl: ")));
    EXPECT_EQ(store.port(), QStringLiteral("None"));
    EXPECT_EQ(store.contestVariant(), QString());
    EXPECT_TRUE(captions.isEmpty());
}

TEST_F(SetupDialogTest, EveryFieldOwnsItsLine)
{
    QStringList before;
    for (int line = 0; line < 105; ++line)
        before << QStringLiteral("было %1").arg(line);
    storeLines(before);
    create();
    for (const auto& [line, name] : lineTable()) {
        ASSERT_TRUE(form->findChild<QWidget*>(name)) << name.toStdString();
        const QString shown = upperCaseLine(line) ? before[line].toUpper() : before[line];
        EXPECT_EQ(store.field(line), name.startsWith(QLatin1String("Combo")) ? QString() : shown) << line;
    }

    QStringList expected = before;
    for (const auto& [line, name] : lineTable()) {
        if (QComboBox* box = list(name)) {
            box->setCurrentIndex(box->count() - 2);
            expected[line] = box->currentText();
        } else {
            edit(name)->setText(valueFor(line, edit(name)));
            expected[line] = edit(name)->text();
        }
    }
    form->FormClose();
    EXPECT_EQ(storedLines(), expected);

    create();
    for (const auto& [line, name] : lineTable())
        EXPECT_EQ(store.field(line), expected[line]) << name.toStdString();
    EXPECT_EQ(form->lines(), expected);
}

TEST_F(SetupDialogTest, HandWrittenLinesSurviveEveryClose)
{
    storeLines({{34, QStringLiteral("рукой 34")}, {90, QStringLiteral("by hand 90")}, {104, QStringLiteral("end")}});
    for (int run = 0; run < 3; ++run) {
        create();
        edit(QStringLiteral("Edit5"))->setText(QStringLiteral("UA%1AA").arg(run));
        form->FormClose();
        form->FormClose();
    }
    const QStringList lines = storedLines();
    ASSERT_EQ(lines.size(), 105);
    EXPECT_EQ(lines[34], QStringLiteral("рукой 34"));
    EXPECT_EQ(lines[90], QStringLiteral("by hand 90"));
    EXPECT_EQ(lines[104], QStringLiteral("end"));
    EXPECT_EQ(lines[4], QStringLiteral("UA2AA"));
}

TEST_F(SetupDialogTest, ALongerFileKeepsAllItsLinesAndAShortOneIsFilledUp)
{
    QStringList long120(120, QString());
    long120[119] = QStringLiteral("строка 119");
    storeLines(long120, 120);
    create();
    form->FormClose();
    EXPECT_EQ(storedLines(), long120);

    storeLines({QStringLiteral("Иванов")}, 1);
    create();
    EXPECT_EQ(store.field(setup::Surname), QStringLiteral("Иванов"));
    EXPECT_EQ(store.field(setup::SpaceBarMacro), QString());
    form->FormClose();
    QStringList expected(105, QString());
    expected[0] = QStringLiteral("Иванов");
    EXPECT_EQ(storedLines(), expected);
}

TEST_F(SetupDialogTest, ValuesLongerThanTheTypingLimitAreKept)
{
    storeLines({{setup::Coordinates, QStringLiteral("OM1234X")}, {setup::SportsRank, QStringLiteral("кмс мс")}});
    create();
    EXPECT_EQ(store.field(setup::Coordinates), QStringLiteral("OM1234X"));
    QLineEdit* coordinates = edit(QStringLiteral("Edit16"));
    coordinates->end(false);
    QTest::keyClicks(coordinates, QStringLiteral("Z"));
    EXPECT_EQ(coordinates->text(), QStringLiteral("OM1234X")); // no room to grow
    form->FormClose();
    EXPECT_EQ(storedLines()[setup::Coordinates], QStringLiteral("OM1234X"));
    EXPECT_EQ(storedLines()[setup::SportsRank], QStringLiteral("КМС МС"));

    for (int i = 0; i < 3; ++i)
        QTest::keyClick(coordinates, Qt::Key_Backspace);
    QTest::keyClicks(coordinates, QStringLiteral("abc"));
    EXPECT_EQ(coordinates->text(), QStringLiteral("OM12A")); // the limit of 5 again
}

TEST_F(SetupDialogTest, TypingFollowsEachFieldsLimits)
{
    struct Case
    {
        const char* control;
        QString typed;
        QString shown;
    };
    const std::vector<Case> cases = {
        {"Edit1", QStringLiteral("иванов"), QStringLiteral("иванов")},
        {"Edit5", QStringLiteral("ua9xyz"), QStringLiteral("UA9XYZ")},
        {"Edit6", QStringLiteral("кмсxx"), QStringLiteral("КМСX")},
        {"Edit16", QStringLiteral("om12345"), QStringLiteral("OM123")},
        {"Edit18", QStringLiteral("ab"), QStringLiteral("a")},
        {"Edit20", QStringLiteral("no14kxz"), QStringLiteral("NO14KX")},
        {"Edit12", QStringLiteral("delta"), QStringLiteral("DELTA")},
        {"Edit24", QStringLiteral("cq test <mycall>"), QStringLiteral("CQ TEST <MYCALL>")},
        {"Edit33", QStringLiteral("cq"), QStringLiteral("cq")},
        {"Edit67", QStringLiteral("tu"), QStringLiteral("TU")},
        {"MaskEdit1", QStringLiteral("10:00:00 и 12:00:00"), QStringLiteral("10:00:00 И 12:00:00")},
        {"Edit41", QStringLiteral("1:a2Жb3"), QStringLiteral("123")},
        {"Edit41", QStringLiteral("1234"), QStringLiteral("123")},
    };
    create();
    for (const Case& c : cases) {
        QLineEdit* field = edit(QLatin1String(c.control));
        ASSERT_TRUE(field) << c.control;
        field->clear();
        type(field, c.typed);
        EXPECT_EQ(field->text(), c.shown) << c.control;
    }
    QLineEdit* delay = edit(QStringLiteral("Edit41"));
    QTest::keyClick(delay, Qt::Key_Backspace);
    EXPECT_EQ(delay->text(), QStringLiteral("12"));
}

TEST_F(SetupDialogTest, TheListsAreChosenFromOnly)
{
    storeLines({{setup::Port, QStringLiteral("COM3")}, {setup::ContestVariant, QStringLiteral("Чемпионат РА")}});
    create();
    EXPECT_EQ(store.port(), QStringLiteral("Com3")); // found whatever the letter case
    for (const char* name : {"ComboBox1", "ComboBox2"}) {
        QComboBox* box = list(QLatin1String(name));
        ASSERT_FALSE(box->isEditable());
        const QString before = box->currentText();
        QTest::keyClicks(box, QStringLiteral("CcNnO 9"));
        type(box, QStringLiteral("Чч"));
        EXPECT_EQ(box->currentText(), before) << name;
    }
    EXPECT_EQ(list(QStringLiteral("ComboBox1"))->count(), 10);
    EXPECT_EQ(list(QStringLiteral("ComboBox1"))->itemText(9), QStringLiteral("Com9"));
    EXPECT_EQ(list(QStringLiteral("ComboBox2"))->itemText(0), QStringLiteral("Чемпионат Азиатской части РФ"));

    QTest::keyClick(list(QStringLiteral("ComboBox2")), Qt::Key_Down);
    EXPECT_EQ(store.contestVariant(), QStringLiteral("Others"));
    list(QStringLiteral("ComboBox1"))->setCurrentIndex(0);
    form->FormClose();
    EXPECT_EQ(storedLines()[setup::Port], QStringLiteral("None"));
    EXPECT_EQ(storedLines()[setup::ContestVariant], QStringLiteral("Others"));
}

TEST_F(SetupDialogTest, AnOpenListTakesNoTypedCharacterButArrowsChoose)
{
    storeLines({{setup::Port, QStringLiteral("None")}, {setup::ContestVariant, QStringLiteral("Others")}});
    create();
    reopen();
    struct Case
    {
        const char* name;
        QString typed; // begins another item
        int shown;
        Qt::Key arrow;
        int chosen;
    };
    const Case cases[] = {{"ComboBox1", QStringLiteral("c"), 0, Qt::Key_Down, 1},
                          {"ComboBox2", QStringLiteral("ч"), 2, Qt::Key_Up, 1}};
    for (const Case& c : cases) {
        QComboBox* box = list(QLatin1String(c.name));
        box->showPopup(); // the open list has the keys
        type(box->view(), c.typed);
        QTest::keyClick(box->view(), Qt::Key_Return);
        EXPECT_EQ(box->currentIndex(), c.shown) << c.name;
        box->showPopup();
        QTest::keyClick(box->view(), c.arrow);
        QTest::keyClick(box->view(), Qt::Key_Return);
        EXPECT_EQ(box->currentIndex(), c.chosen) << c.name;
    }
}

TEST_F(SetupDialogTest, TabWalksEachColumnTopToBottom)
{
    create();
    const auto names = [](const char* list) { return QString::fromLatin1(list).split(QLatin1Char(' ')); };
    const QStringList pages[] = {
        names("Edit1 Edit2 Edit3 Edit4 Edit5 Edit6 Edit18 Edit20 " // left column
              "Edit16 Edit19 Edit23 Edit22 Edit21 ComboBox2 ComboBox1 Edit41 " // right column
              "Edit7 Edit8 MaskEdit1"), // under both
        names("Edit9 Edit17 Edit10 Edit11 Edit12 Edit13 Edit14 Edit15"),
    };
    for (const QStringList& expected : pages) {
        QStringList walked;
        QWidget* const first = form->findChild<QWidget*>(expected.first());
        QWidget* w = first;
        do {
            if (expected.contains(w->objectName()))
                walked << w->objectName();
            w = w->nextInFocusChain();
        } while (w != first);
        EXPECT_EQ(walked, expected);
    }
}

TEST_F(SetupDialogTest, EscOnEveryTabSavesAndHides)
{
    create();
    auto* tabs = form->findChild<QTabWidget*>();
    struct Probe
    {
        int tab;
        const char* control;
        int line;
    };
    for (const Probe& p : {Probe {0, "Edit5", 4}, Probe {2, "Edit9", 8}, Probe {3, "Edit24", 25}, Probe {4, "Edit73", 70}}) {
        reopen();
        tabs->setCurrentIndex(p.tab);
        QLineEdit* field = edit(QLatin1String(p.control));
        QTest::keyClicks(field, QStringLiteral("t%1").arg(p.tab));
        QTest::keyClick(field, Qt::Key_Escape);
        EXPECT_TRUE(form->isHidden()) << p.tab;
        EXPECT_EQ(storedLines()[p.line], field->text()) << p.tab;
    }
    reopen();
    EXPECT_EQ(store.callSign(), QStringLiteral("T0"));
    EXPECT_EQ(edit(QStringLiteral("Edit73"))->text(), QStringLiteral("t4"));
    QTest::keyClick(list(QStringLiteral("ComboBox1")), Qt::Key_Escape);
    EXPECT_TRUE(form->isHidden());
}

TEST_F(SetupDialogTest, ClosingSetsTheCaptionFromTheNewCallSign)
{
    create();
    reopen();
    QTest::keyClicks(edit(QStringLiteral("Edit5")), QStringLiteral("ua9xyz"));
    list(QStringLiteral("ComboBox2"))->setCurrentIndex(1);
    EXPECT_TRUE(form->close()); // the window's close control
    EXPECT_TRUE(form->isHidden());
    ASSERT_EQ(captions.size(), 2);
    EXPECT_EQ(captions.last(), QStringLiteral("KVL Версия 3.01 : Чемпионат РА - SSB. UA9XYZ"));
    EXPECT_EQ(storedLines()[setup::CallSign], QStringLiteral("UA9XYZ"));
}

TEST_F(SetupDialogTest, AFailedSaveKeepsTheDialogOpenAndTheOldFile)
{
    storeLines({{setup::CallSign, QStringLiteral("UA9OLD")}});
    const QByteArray old = readFile(setup::kStationDataFileName);
    create();
    reopen();
    edit(QStringLiteral("Edit5"))->setText(QStringLiteral("UA9NEW"));
    {
        const WriteBlocker blocker(path());
        QTest::keyClick(edit(QStringLiteral("Edit5")), Qt::Key_Escape);
    }
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].startsWith(QStringLiteral("Cannot create file Mydata.kvl: ")));
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(captions.size(), 1);
    EXPECT_EQ(store.callSign(), QStringLiteral("UA9NEW"));
    EXPECT_EQ(readFile(setup::kStationDataFileName), old);
    EXPECT_EQ(QDir().entryList(QDir::Files | QDir::Hidden), QStringList {setup::kStationDataFileName});

    form->FormClose(); // the next close tries again
    EXPECT_TRUE(form->isHidden());
    EXPECT_EQ(storedLines()[setup::CallSign], QStringLiteral("UA9NEW"));
}

TEST_F(SetupDialogTest, RtfFromAWordProcessorFillsTheFields)
{
    struct Case
    {
        const char* file;
        std::vector<std::pair<int, QString>> fields;
    };
    const std::vector<Case> cases = {
        {"wordpad_cp1251.rtf",
         {{0, QStringLiteral("Петров")}, {4, QStringLiteral("UA0ABC")}, {8, QStringLiteral("FT-1000MP")},
          {9, QStringLiteral("INV V")}, {14, QStringLiteral("5EL YAGI")}, {17, QStringLiteral("B")},
          {18, QStringLiteral("21.05.2024")}, {19, QStringLiteral("Com2")},
          {20, QStringLiteral("Чемпионат Азиатской части РФ")}, {24, QStringLiteral("Радиоклуб \"Енисей\"")},
          {25, QString()}}},
        {"word_unicode.rtf",
         {{0, QStringLiteral("Сидоров")}, {1, QStringLiteral("Сидор")}, {2, QStringLiteral("Сидорович")},
          {4, QStringLiteral("R9QQ")}, {6, QStringLiteral("r9qq@example.org")}, {19, QString()}}},
    };
    for (const Case& c : cases) {
        QFile::remove(setup::kStationDataFileName);
        ASSERT_TRUE(QFile::copy(QStringLiteral(KVL_TEST_DATA "/setup/") + QLatin1String(c.file), setup::kStationDataFileName));
        create();
        for (const auto& [line, value] : c.fields)
            EXPECT_EQ(store.field(line), value) << c.file << " line " << line;
    }
    form->FormClose();
    EXPECT_EQ(storedLines()[34], QStringLiteral("😀")); // the unbound line carried through
}

TEST_F(SetupDialogTest, SubTourTimesThatAreNoTimesAreNamedWhenSetupCloses)
{
    create();
    edit(QStringLiteral("MaskEdit1"))->setText(QStringLiteral("ТУРЫ 10:00 25:00 10:60 1:2 12345 10.00 1200 ТУР2 1:2"));
    form->FormClose();
    EXPECT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors.value(0).contains(QStringLiteral(": «25:00», «10:60», «1:2», «12345», «10.00», «ТУР2»."))) << dialogs.errors.value(0).toStdString();
}

// A spot marks the station assisted from the main window, while setup is
// open or before it opens again: closing setup keeps the mark.
TEST_F(SetupDialogTest, ClosingKeepsTheAssistedMarkASpotSet)
{
    for (const bool openWhenMarked : {false, true}) {
        ini.setAssisted(false);
        create();
        if (openWhenMarked)
            reopen();
        ini.setAssisted(true);
        if (!openWhenMarked)
            reopen();
        QTest::keyClick(edit(QStringLiteral("Edit5")), Qt::Key_Escape);
        EXPECT_TRUE(form->isHidden());
        EXPECT_TRUE(setup::readExportOptions().assisted) << openWhenMarked;
    }
}
