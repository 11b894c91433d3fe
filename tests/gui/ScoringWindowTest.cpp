// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/gui/MainWindowFixture.h"

#include "common/Cp1251.h"
#include "widgets/Panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>

using namespace logbook;

namespace {

const QString kAsia = QStringLiteral("Чемпионат Азиатской части РФ");
const QString kRa = QStringLiteral("Чемпионат РА");

Contact contact(const QString& bandMode, const QString& call, const QString& received)
{
    Contact r;
    r.fields = {QStringLiteral("10:00"), bandMode, QString(), call, QStringLiteral("15001"), received, QStringLiteral("0")};
    return r;
}

} // namespace

class ScoringWindowTest : public MainWindowTest
{
protected:
    // A stored log on 20 m SSB with the sub-tour starting at `subTourStart`.
    void startWithLog(const QVector<Contact>& records, int subTourStart, const QString& variant = QStringLiteral("Others"))
    {
        writeStationData(stationLines({{setup::Coordinates, QStringLiteral("15")}, {setup::ContestVariant, variant}}));
        QByteArray log;
        for (const Contact& r : records)
            log += r.encode();
        writeFile(QStringLiteral("system.kvl"), log);
        StateRecord s;
        s.nextRow = int(records.size()) + 1;
        s.bandMode = QStringLiteral("20SSB");
        s.subTourStart = subTourStart;
        s.callsLineFlag = 1;
        writeFile(QStringLiteral("cfg.kvl"), s.encode());
        startActive();
    }
    QString line(const char* name) const { return control<QLineEdit>(name)->text(); }
    QString warning() const { return control<QLabel>("Label25")->text(); }
    bool marked(int band) const { return control<QCheckBox>(qPrintable(QStringLiteral("CheckBox%1").arg(band + 1)))->isChecked(); }
    void chooseVariant(const QString& variant)
    {
        form2->findChild<QComboBox*>(QStringLiteral("ComboBox2"))->setCurrentText(variant);
    }
};

TEST_F(ScoringWindowTest, ARepeatIsShownWhileTypingAndRefusedOnEnter)
{
    startWithLog({contact(QStringLiteral("20SSB"), QStringLiteral("QA9ZZ"), QStringLiteral("32012"))}, 0);
    type(QStringLiteral("QA9"));
    EXPECT_EQ(line("Edit3"), QStringLiteral("QA9ZZ "));
    EXPECT_FALSE(marked(3));
    EXPECT_TRUE(warning().isEmpty());
    type(QStringLiteral("ZZ"));
    EXPECT_TRUE(marked(3));
    EXPECT_EQ(warning(), QStringLiteral("Dupe  ! ! !   10:00   20SSB   QA9ZZ   15001   32012"));
    key(Qt::Key_Return);
    EXPECT_TRUE(control<QLineEdit>("Edit1")->text().isEmpty());
    EXPECT_TRUE(control<QLineEdit>("Edit2")->text().isEmpty());
    EXPECT_TRUE(control<QLineEdit>("Edit2")->isHidden());
    EXPECT_EQ(form1->session().contacts().cell(2, Call), QString());
    EXPECT_FALSE(warning().isEmpty()); // stays until the next key
}

TEST_F(ScoringWindowTest, OtherModesAndEarlierSubToursAreNoRepeats)
{
    startWithLog({contact(QStringLiteral("20SSB"), QStringLiteral("RA1A"), QStringLiteral("AB111")),
                  contact(QStringLiteral("20CW"), QStringLiteral("UA9CW"), QStringLiteral("222")),
                  contact(QStringLiteral("40SSB"), QStringLiteral("RA1A"), QStringLiteral("CD333"))},
                 1);
    type(QStringLiteral("UA9CW"));
    EXPECT_EQ(line("Edit3"), QString());
    EXPECT_EQ(line("Edit4"), QStringLiteral("UA9CW "));
    EXPECT_TRUE(warning().isEmpty());
    key(Qt::Key_Escape);

    type(QStringLiteral("RA1A")); // on 20 m only in the previous sub-tour
    EXPECT_TRUE(warning().isEmpty());
    EXPECT_TRUE(marked(2));  // 40 m in this sub-tour
    EXPECT_FALSE(marked(3)); // 20 m was the previous sub-tour
    key(Qt::Key_Return);
    EXPECT_EQ(control<QLineEdit>("Edit2")->text(), QStringLiteral("AB")); // the oldest exchange, its serial left
    EXPECT_EQ(form1->session().contacts().cell(4, Call), QStringLiteral("RA1A"));
}

TEST_F(ScoringWindowTest, TheCallsLinesShowTheLastCallWhole)
{
    QVector<Contact> log;
    QStringList calls;
    for (char last = 'A'; last <= 'H'; ++last) {
        calls << QStringLiteral("UA9AA") + QLatin1Char(last);
        log << contact(QStringLiteral("20SSB"), calls.last(), QStringLiteral("1"));
    }
    startWithLog(log, 0);
    type(QStringLiteral("UA9"));
    EXPECT_EQ(line("Edit3"), calls.join(QLatin1Char(' ')) + QLatin1Char(' '));
    std::reverse(calls.begin(), calls.end());
    EXPECT_EQ(line("Edit4"), calls.join(QLatin1Char(' ')) + QLatin1Char(' '));
}

TEST_F(ScoringWindowTest, TheCallsLineSettingSurvivesARestart)
{
    startWithLog({contact(QStringLiteral("20SSB"), QStringLiteral("RA1A"), QStringLiteral("111"))}, 1);
    auto* item = form1->findChild<QAction*>(QStringLiteral("N11"));
    item->trigger();
    EXPECT_TRUE(control<QLineEdit>("Edit4")->isHidden());
    EXPECT_EQ(control<QLabel>("Label25")->y(), 209);
    EXPECT_EQ(storedState().callsLineFlag, 0);
    type(QStringLiteral("RA1A"));
    key(Qt::Key_Return);
    EXPECT_TRUE(control<QLineEdit>("Edit2")->text().isEmpty()); // nothing remembered without the line
    form1->close();

    startActive();
    EXPECT_FALSE(form1->findChild<QAction*>(QStringLiteral("N11"))->isChecked());
    EXPECT_TRUE(control<QLineEdit>("Edit4")->isHidden());
    form1->findChild<QAction*>(QStringLiteral("N11"))->trigger();
    EXPECT_FALSE(control<QLineEdit>("Edit4")->isHidden());
    EXPECT_EQ(control<QLabel>("Label25")->y(), 228);
    EXPECT_EQ(storedState().callsLineFlag, 1);
}

TEST_F(ScoringWindowTest, PointsFollowTheVariantAndAreRescoredOnActivation)
{
    startWithLog({}, 0, kRa);
    logContact(QStringLiteral("RA1A"), QStringLiteral("GA12"));
    logContact(QStringLiteral("RA2A"), QStringLiteral("12"));
    EXPECT_EQ(form1->session().contacts().cell(1, Points), QStringLiteral("1+"));
    EXPECT_EQ(form1->session().contacts().cell(2, Points), QStringLiteral("1"));
    EXPECT_EQ(storedRecord(0).fields[Points], QStringLiteral("1+"));

    chooseVariant(QStringLiteral("Others"));
    form1->FormActivate();
    EXPECT_EQ(form1->session().contacts().cell(1, Points), QStringLiteral("0"));
    EXPECT_EQ(storedRecord(0).fields[Points], QStringLiteral("1+")); // the log keeps the old points
}

// A description put into the working folder's contests/ while KVL runs is
// offered at setup's next opening and scores by its own table; a broken one
// is named with its line and not offered.
TEST_F(ScoringWindowTest, ADescriptionDroppedInTheWorkingFolderIsOfferedAndScoresByItsRules)
{
    startWithLog({}, 0);
    QDir().mkdir(QStringLiteral("contests"));
    writeFile(QStringLiteral("contests/cup.contest"), "name = Кубок Находки\ncabrillo = NAKHODKA-CUP\nbands = 80 20\n"
                                                      "modes = SSB CW\npoints = table\npoints 20 SSB = 10\n");
    writeFile(QStringLiteral("contests/bad.contest"), "name = Плохой\ncabrillo = BAD\nbands = 20\nmodes = SSB AM\n");
    form2->show();
    QApplication::processEvents();
    auto* contests = form2->findChild<QComboBox*>(QStringLiteral("ComboBox2"));
    EXPECT_EQ(contests->findText(QStringLiteral("Плохой")), -1);
    auto* errors = form2->findChild<QLabel*>(QStringLiteral("ContestErrors"));
    EXPECT_TRUE(errors->isVisible());
    EXPECT_TRUE(errors->text().contains(QStringLiteral("bad.contest: строка 4: вид работы «AM»"))) << errors->text().toStdString();
    ASSERT_GE(contests->findText(QStringLiteral("Кубок Находки")), 0);
    contests->setCurrentText(QStringLiteral("Кубок Находки"));
    QTest::keyClick(contests, Qt::Key_Escape);
    form1->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form1.get()));
    logContact(QStringLiteral("UA3AA"), QStringLiteral("59001"));
    EXPECT_EQ(storedRecord(0).fields[Points], QStringLiteral("10"));
    EXPECT_TRUE(form1->windowTitle().contains(QStringLiteral("Кубок Находки")));
}

TEST_F(ScoringWindowTest, AContactWhosePointsCannotBeWorkedOutIsStillLogged)
{
    startWithLog({}, 0, kAsia);
    logContact(QStringLiteral("RA1A"), QStringLiteral("37012"));
    EXPECT_EQ(form1->session().contacts().cell(1, Points), QStringLiteral("4"));
    EXPECT_TRUE(dialogs.errors.isEmpty());
    logContact(QStringLiteral("RA2A"), QStringLiteral("12345")); // the filter lets digits only; force letters in
    form1->session().contacts().setCell(2, Received, QString());
    control<QLineEdit>("Edit1")->setText(QStringLiteral("RA3A"));
    form1->CallEntered();
    control<QLineEdit>("Edit2")->setText(QStringLiteral("X1012"));
    form1->CompleteContact();
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_EQ(storedRecord(2).fields[Call], QStringLiteral("RA3A"));
    EXPECT_EQ(storedRecord(2).fields[Points], QString());
    EXPECT_EQ(storedState().nextRow, 4);
    form1->FormActivate(); // re-scoring leaves that row and goes on
    EXPECT_EQ(dialogs.errors.size(), 1);
    EXPECT_EQ(form1->session().contacts().cell(1, Points), QStringLiteral("4"));
}

TEST_F(ScoringWindowTest, TheAsiaReceivedFieldTakesDigitsOnly)
{
    startWithLog({}, 0, kAsia);
    type(QStringLiteral("RA1A"));
    key(Qt::Key_Return);
    type(QStringLiteral("1a2:-3"));
    EXPECT_EQ(control<QLineEdit>("Edit2")->text(), QStringLiteral("123"));
    type(QStringLiteral(" "));
    EXPECT_EQ(focused(), control<QLineEdit>("Edit1"));
    EXPECT_FALSE(control<QLineEdit>("Edit2")->isHidden());
    EXPECT_EQ(control<QLineEdit>("Edit2")->text(), QStringLiteral("123"));
}

TEST_F(ScoringWindowTest, BaseFilesPrefillTheExchange)
{
    writeFile(QStringLiteral("RA.kvl"), logbook::cp1251::encode(QStringLiteral("9Z=ABC;\r\n1A=МОС;\r\n")));
    startWithLog({}, 0, kRa);
    type(QStringLiteral("QA9ZZ"));
    key(Qt::Key_Return);
    EXPECT_EQ(control<QLineEdit>("Edit2")->text(), QStringLiteral("ABC"));
    key(Qt::Key_Escape);
    key(Qt::Key_Escape);
    key(Qt::Key_Escape);
    type(QStringLiteral("UA1AB"));
    key(Qt::Key_Return);
    EXPECT_EQ(control<QLineEdit>("Edit2")->text(), QStringLiteral("МОС"));
}

TEST_F(ScoringWindowTest, EveryExitWritesTheReport)
{
    writeStationData(stationLines({{setup::Coordinates, QStringLiteral("15")},
                                   {setup::CallSign, QStringLiteral("UA9XYZ")},
                                   {setup::ContestVariant, kRa}}));
    startActive();
    logContact(QStringLiteral("RA1A"), QStringLiteral("GA1"));
    logContact(QStringLiteral("RA2A"), QStringLiteral("2"));
    form1->close();
    const QString report = cp1251::decode(readFile(QStringLiteral("UA9XYZ.log")));
    EXPECT_TRUE(report.contains(QStringLiteral("RA1A")));
    EXPECT_TRUE(report.contains(QStringLiteral("Заявлено    2\r\n")));
    EXPECT_TRUE(report.endsWith(QStringLiteral("Итого")));
    EXPECT_TRUE(QFile::exists(QStringLiteral("UA9XYZ.sum")));
}

TEST_F(ScoringWindowTest, APortableCallNamesTheReportAndAFailedReportNeverBlocksTheExit)
{
    writeStationData(stationLines({{setup::CallSign, QStringLiteral("UA9XX/P")}}));
    startActive();
    form1->close();
    EXPECT_TRUE(cp1251::decode(readFile(QStringLiteral("UA9XX_P.log"))).contains(QStringLiteral("UA9XX/P")));
    EXPECT_TRUE(QFile::exists(QStringLiteral("UA9XX_P.sum")));
    EXPECT_TRUE(dialogs.errors.isEmpty());

    // A folder where the report log goes: the other files are written all the same.
    for (const char* name : {"UA9XX_P.log", "UA9XX_P.sum"})
        ASSERT_TRUE(QFile::remove(QString::fromLatin1(name)));
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("UA9XX_P.log")));
    writeStationData(stationLines({{setup::CallSign, QStringLiteral("UA9XX/P")}, {setup::ContestDate, QStringLiteral("01.02.2024")}}));
    startActive();
    QSignalSpy closed(form1.get(), &TForm1::closed);
    form1->close();
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(form1->isVisible());
    for (const char* name : {"UA9XX_P.sum", "UA9XX_P.cbr", "UA9XX_P.adi"})
        EXPECT_TRUE(QFileInfo(QString::fromLatin1(name)).isFile()) << name;
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors.first().startsWith(QStringLiteral("Cannot create file UA9XX_P.log: ")))
        << dialogs.errors.first().toStdString();
}

// The window's contacts are stamped: "Дата", needed only for contacts
// without stamps, neither stops the files nor draws a message.
TEST_F(ScoringWindowTest, TheExitWritesCabrilloAndAdifOfStampedContactsWhateverTheDate)
{
    for (const char* date : {"01.02.2024", "", "first of May"}) {
        SCOPED_TRACE(date);
        QFile::remove(QStringLiteral("UA9XX_P.cbr"));
        QFile::remove(QStringLiteral("UA9XX_P.adi"));
        writeStationData(stationLines({{setup::CallSign, QStringLiteral("UA9XX/P")},
                                       {setup::ContestDate, QString::fromUtf8(date)},
                                       {setup::ContestVariant, QStringLiteral("Others")}}));
        startActive();
        logContact(QStringLiteral("RA3AA"), QStringLiteral("5"));
        dialogs.errors.clear();
        form1->close();
        EXPECT_FALSE(form1->isVisible());
        EXPECT_TRUE(QFile::exists(QStringLiteral("UA9XX_P.cbr")) && QFile::exists(QStringLiteral("UA9XX_P.adi")));
        EXPECT_TRUE(dialogs.errors.isEmpty());
    }
}
