// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/gui/MainWindowFixture.h"

#include "widgets/BandPanels.h"
#include "widgets/Panel.h"

#include <QLineEdit>
#include <QPushButton>

using namespace logbook;

class BandsTest : public MainWindowTest
{
protected:
    QStringList captionLines() const
    {
        QStringList lines(105, QString());
        for (size_t i = 0; i < setup::kFCaptionLines.size(); ++i)
            lines[setup::kFCaptionLines[i]] = QStringLiteral("C%1").arg(i + 1);
        lines[setup::Coordinates] = QStringLiteral("15");
        lines[setup::ContestVariant] = QStringLiteral("Others");
        return lines;
    }
    QStringList buttonCaptions() const
    {
        QStringList captions;
        for (int i = 1; i <= 12; ++i)
            captions << control<QPushButton>(qPrintable(QStringLiteral("BitBtn%1").arg(i)))->text();
        return captions;
    }
    Panel* bandPanel(int band) const { return control<Panel>(qPrintable(QStringLiteral("Panel%1").arg(band + 1))); }
    void expectSelected(int band) const
    {
        EXPECT_EQ(form1->session().selectedBand(), band);
        for (int b = 0; b < kBandCount; ++b) {
            EXPECT_EQ(bandPanel(b)->isRaised(), b != band) << b;
            EXPECT_EQ(bandPanel(b)->captionColor(), b == band ? QColor(Qt::red) : QColor(Qt::black)) << b;
        }
    }
};

TEST_F(BandsTest, BandCyclingWrapsAndMovesOneBandPerKeyDown)
{
    writeStationData(captionLines());
    startActive();
    struct Step
    {
        Qt::Key key;
        int expected;
    };
    const Step steps[] = {{Qt::Key_V, 5}, {Qt::Key_B, 0}, {Qt::Key_B, 1}, {Qt::Key_B, 2}, {Qt::Key_B, 3},
                          {Qt::Key_B, 4}, {Qt::Key_B, 5}, {Qt::Key_B, 0}, {Qt::Key_V, 5}, {Qt::Key_V, 4}};
    for (const auto& s : steps) {
        key(s.key, Qt::AltModifier);
        expectSelected(s.expected);
        EXPECT_EQ(storedState().bandMode, bandModeWord(s.expected, Mode::SSB));
        EXPECT_EQ(form1->session().contacts().cell(1, BandMode), bandModeWord(s.expected, Mode::SSB));
    }
    // Held down, the key repeats its key-down: one band each.
    QTest::keyPress(focused(), Qt::Key_B, Qt::AltModifier);
    QTest::keyEvent(QTest::Press, focused(), Qt::Key_B, Qt::AltModifier);
    QTest::keyRelease(focused(), Qt::Key_B, Qt::AltModifier);
    expectSelected(0);
    // Ctrl+B or Shift+Alt+B are no commands.
    key(Qt::Key_B, Qt::ControlModifier);
    key(Qt::Key_B, Qt::AltModifier | Qt::ShiftModifier);
    expectSelected(0);
}

TEST_F(BandsTest, AClickOnTheSelectedBandChangesNothing)
{
    writeStationData(captionLines());
    startActive();
    key(Qt::Key_V, Qt::AltModifier); // 10 m
    QFile::remove(QStringLiteral("cfg.kvl"));
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("cfg.kvl"))); // any write would now fail
    QTest::mouseClick(bandPanel(5), Qt::LeftButton);
    EXPECT_TRUE(dialogs.errors.isEmpty());
    expectSelected(5);
    QTest::mouseClick(bandPanel(2), Qt::LeftButton);
    EXPECT_EQ(dialogs.errors.size(), 1); // the click on 40 m did try to write
    EXPECT_EQ(form1->session().selectedBand(), 2);
}

TEST_F(BandsTest, ACheckBoxClickSelectsItsBandAndKeepsItsMark)
{
    writeStationData(captionLines());
    startActive();
    auto* box = control<QCheckBox>("CheckBox4");
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_FALSE(box->isChecked());
    expectSelected(3);
    box->setChecked(true);
    QTest::mouseClick(control<QCheckBox>("CheckBox4"), Qt::LeftButton);
    EXPECT_TRUE(box->isChecked());
}

TEST_F(BandsTest, ModeTogglingRelabelsTheKeysAndIsStored)
{
    writeStationData(captionLines());
    startActive();
    for (int i = 0; i < 2; ++i)
        key(Qt::Key_B, Qt::AltModifier); // 40 m
    const bool flagBefore = form1->session().bandChanged();
    key(Qt::Key_M, Qt::AltModifier);
    EXPECT_EQ(storedState().bandMode, QStringLiteral("40CW"));
    EXPECT_EQ(form1->session().contacts().cell(1, BandMode), QStringLiteral("40CW"));
    EXPECT_EQ(control<Panel>("Panel7")->text(), QStringLiteral("CW"));
    QStringList fromFile;
    for (int i = 1; i <= 12; ++i)
        fromFile << QStringLiteral("C%1").arg(i);
    EXPECT_EQ(buttonCaptions(), fromFile);
    EXPECT_EQ(form1->session().bandChanged(), flagBefore);
    EXPECT_TRUE(form1->windowTitle().contains(QStringLiteral(" - CW. ")));

    QTest::mouseClick(control<Panel>("Panel7"), Qt::LeftButton);
    EXPECT_EQ(storedState().bandMode, QStringLiteral("40SSB"));
    QStringList ssb(12, QString());
    ssb[0] = QStringLiteral("CQ1");
    ssb[1] = QStringLiteral("CQ2");
    EXPECT_EQ(buttonCaptions(), ssb);
}

TEST_F(BandsTest, CoordinatesAreCutToSevenCharacters)
{
    struct Case
    {
        QString coordinates;
        QString sent;
    };
    const Case cases[] = {{QStringLiteral("123456789"), QStringLiteral("1234567001")},
                          {QString(), QStringLiteral("001")},
                          {QStringLiteral("ЖЖ"), QStringLiteral("ЖЖ001")}};
    for (const auto& c : cases) {
        writeStationData(stationLines({{15, c.coordinates}}));
        start();
        EXPECT_EQ(form1->session().coordinates(), c.coordinates.left(7));
        EXPECT_EQ(form1->session().contacts().cell(1, Sent), c.sent);
    }
}

TEST_F(BandsTest, SetupEditsApplyAtOnceToTheRowBeingEntered)
{
    writeStationData(captionLines());
    startActive();
    logContact(QStringLiteral("RA1A"), QStringLiteral("1"));
    key(Qt::Key_M, Qt::AltModifier); // CW: the keys show the captions of setup
    form1->N1Click();
    auto* coordinates = form2->findChild<QLineEdit*>(QStringLiteral("Edit16"));
    coordinates->clear();
    QTest::keyClicks(coordinates, QStringLiteral("om12"));
    form2->findChild<QLineEdit*>(QStringLiteral("Edit33"))->setText(QStringLiteral("TEST")); // F1
    QTest::keyClick(coordinates, Qt::Key_Escape);
    ASSERT_TRUE(form2->isHidden());
    EXPECT_EQ(form1->session().contacts().cell(2, Sent), QStringLiteral("OM12002"));
    EXPECT_EQ(buttonCaptions().first(), QStringLiteral("TEST"));
    logContact(QStringLiteral("RA2A"), QStringLiteral("2"));
    EXPECT_EQ(storedRecord(0).fields[Sent], QStringLiteral("15001")); // logged rows keep theirs
    EXPECT_EQ(storedRecord(1).fields[Sent], QStringLiteral("OM12002"));
}

// A stored word that names no band leaves the window with a band all the
// same, so that the call field is there for the first key.
TEST_F(BandsTest, AnUnknownStoredWordStillSelectsABand)
{
    writeStationData(captionLines());
    StateRecord s;
    s.nextRow = 1;
    s.bandMode = QStringLiteral("30CW");
    s.callsLineFlag = 1;
    writeFile(QStringLiteral("cfg.kvl"), s.encode());
    startActive();
    expectSelected(0);
    EXPECT_FALSE(control<QLineEdit>("Edit1")->isHidden());
    ASSERT_FALSE(dialogs.errors.isEmpty());
    EXPECT_TRUE(dialogs.errors.last().contains(QStringLiteral("160SSB")));
    key(Qt::Key_B, Qt::AltModifier);
    expectSelected(1);
}

TEST_F(BandsTest, RussianLayoutKeysWorkToo)
{
    writeStationData(captionLines());
    startActive();
    QKeyEvent press(QEvent::KeyPress, 0x418, Qt::AltModifier, QStringLiteral("и")); // И is on the B key
    QKeyEvent release(QEvent::KeyRelease, 0x418, Qt::AltModifier, QStringLiteral("и"));
    QApplication::sendEvent(focused(), &press);
    QApplication::sendEvent(focused(), &release);
    expectSelected(1);
}
