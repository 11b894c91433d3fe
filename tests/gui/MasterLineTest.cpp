// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/gui/MainWindowFixture.h"

#include "widgets/MasterCallsLine.h"

#include <QLineEdit>

class MasterLineTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        writeStationData(stationLines({{15, QStringLiteral("15")}, {20, QStringLiteral("Others")}}));
        writeFile(QStringLiteral("master.scp"), "RA3ABC\nUA9XX\nUA9XYZ\nUA9Q\n");
        startActive();
    }
    MasterCallsLine* line() const { return control<MasterCallsLine>("MasterLine"); }
    void click(int shown) { QTest::mouseClick(line(), Qt::LeftButton, {}, line()->callRect(shown).center()); }
};

TEST_F(MasterLineTest, TypingShowsTheMasterCallsAndAClickTakesOne)
{
    ASSERT_TRUE(line()->isVisible());
    EXPECT_EQ(control<QWidget>("Panel8")->y(), 250 + MasterCallsLine::Height); // room for the line
    type(QStringLiteral("A9X"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return line()->shownCount() == 2; }, 5000));
    click(0);
    auto* edit1 = control<QLineEdit>("Edit1");
    EXPECT_EQ(edit1->text(), QStringLiteral("UA9XX"));
    EXPECT_EQ(focused(), edit1);

    key(Qt::Key_Backspace);
    ASSERT_EQ(line()->shownCount(), 3);
    EXPECT_TRUE(line()->shownCall(2).correction); // UA9Q for UA9X, which the file lacks
    key(Qt::Key_Return); // the row takes UA9X; a click mends it
    ASSERT_TRUE(control<QLineEdit>("Edit2")->isVisible());
    click(1);
    EXPECT_EQ(form1->session().contacts().cell(form1->session().currentRow(), logbook::Call), QStringLiteral("UA9XYZ"));
}

// The saved height lacks the line's row, which every start with a file adds.
TEST_F(MasterLineTest, TheWindowKeepsItsSizeOverStartsAndTheRowFollowsTheFile)
{
    const QSize first = form1->size();
    for (int run = 0; run < 3; ++run) {
        form1->close();
        startShown();
        EXPECT_EQ(form1->size(), first) << run;
    }
    form1->close();
    ASSERT_TRUE(QFile::remove(QStringLiteral("master.scp")));
    startShown();
    EXPECT_EQ(form1->size(), first - QSize(0, MasterCallsLine::Height));
}
