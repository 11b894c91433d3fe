// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/gui/MainWindowFixture.h"
#include "common/IniSettings.h"
#include "widgets/CallsLine.h"
#include "widgets/ContactGridView.h"
#include "widgets/Panel.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>

namespace {

QRect placeOf(const QWidget* w)
{
    return w->geometry();
}

} // namespace

class WindowSizeTest : public MainWindowTest
{
protected:
    ContactGridView* grid() const { return control<ContactGridView>("StringGrid1"); }
    void startOnBand()
    {
        writeStationData(stationLines({{setup::ContestVariant, QStringLiteral("Others")}}));
        startActive();
        key(Qt::Key_B, Qt::AltModifier);
    }
    // The row being entered is the grid's bottom line, with the call field on it.
    void expectEntryRowAtBottom() const
    {
        const int rowHeight = grid()->verticalHeader()->defaultSectionSize();
        EXPECT_EQ(grid()->visualRect(grid()->currentIndex()).bottom(), grid()->viewport()->height() - 1);
        EXPECT_EQ(placeOf(control("Edit1")).top(), placeOf(grid()).bottom() + 1 - rowHeight);
    }
};

TEST_F(WindowSizeTest, ALargerWindowGivesTheGridMoreRowsAndTheLinesTheWidth)
{
    startOnBand();
    EXPECT_GT(grid()->viewport()->y(), grid()->horizontalHeader()->height()); // blank lines above contact 1
    expectEntryRowAtBottom();
    const QRect leftColumn = placeOf(control("Panel7"));
    form1->resize(1600, 1000);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form1->size() == QSize(1600, 1000); }));
    const int rows = (grid()->height() - grid()->horizontalHeader()->height()) / grid()->verticalHeader()->defaultSectionSize();
    EXPECT_GE(rows, 25);
    for (const char* line : {"Edit3", "Edit4"}) {
        EXPECT_EQ(placeOf(control(line)).left(), placeOf(grid()).left()) << line;
        EXPECT_EQ(placeOf(control(line)).width(), placeOf(grid()).width()) << line;
    }
    EXPECT_EQ(placeOf(control("Panel1")).left() - placeOf(grid()).right(), 522 - 514 + 1);
    EXPECT_EQ(placeOf(control("BitBtn12")).right(), placeOf(control("StatusLine")).right());
    EXPECT_EQ(placeOf(control("Panel7")), leftColumn);
    expectEntryRowAtBottom();

    form1->resize(300, 200); // below the smallest: today's size
    ASSERT_TRUE(QTest::qWaitFor([&] { return control("client")->size() == QSize(626, 376); }));
}

TEST_F(WindowSizeTest, TheTextSizeAndTheWindowAreKeptForTheNextStart)
{
    startOnBand();
    const QRect area = form1->screen()->availableGeometry(); // grown from its corner there, it moves back
    form1->move(area.bottomRight() - QPoint(form1->frameGeometry().width(), form1->frameGeometry().height()));
    const QWidget* box = control("CheckBox1");
    const int mark = box->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box);
    key(Qt::Key_Plus, Qt::ControlModifier);
    key(Qt::Key_Equal, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(grid()->font().pixelSize(), 16); // 13 px at 125 %
    EXPECT_EQ(form1->menuBar()->font().pixelSize(), 16);
    EXPECT_GT(box->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box), mark);
    ASSERT_TRUE(QTest::qWaitFor([&] { return control("client")->size() == QSize(783, 470); })); // the smallest grows with the text
    ASSERT_TRUE(QTest::qWaitFor([&] { return form1->width() == 783; }));
    EXPECT_TRUE(area.contains(form1->frameGeometry()));
    expectEntryRowAtBottom();
    form1->resize(form1->width() + 12, form1->height()); // kept wider than the smallest
    ASSERT_TRUE(QTest::qWaitFor([&] { return form1->width() == 795; }));
    const QSize size = form1->size();
    form1->close();

    startActive();
    EXPECT_EQ(grid()->font().pixelSize(), 16);
    EXPECT_EQ(control("Edit1")->font().pixelSize(), 16);
    EXPECT_EQ(form1->size(), size);
    EXPECT_EQ(placeOf(control("Edit1")), grid()->entryCellRect(logbook::Call, 81)); // on the columns fitted at show
    key(Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_EQ(grid()->font().pixelSize(), 18); // 140 %
    key(Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(grid()->font().pixelSize(), 16);
    key(Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(grid()->font().pixelSize(), 13);
    EXPECT_EQ(logbook::IniSettings().text(QStringLiteral("Window/textSize")), QStringLiteral("100"));
}

TEST_F(WindowSizeTest, ALongCallsLineShowsItsFirstCallsAndTheWholeLineAsItsTip)
{
    startOnBand();
    for (int i = 0; i < 9; ++i)
        logContact(QStringLiteral("UA9A%1Z").arg(QChar('A' + i)), QStringLiteral("1"));
    type(QStringLiteral("UA9"));
    auto* line = control<CallsLine>("Edit4");
    const QString whole = line->text();
    ASSERT_GT(whole.size(), 50);
    EXPECT_TRUE(line->shownText().startsWith(whole.section(QLatin1Char(' '), 0, 0) + QLatin1Char(' ')));
    EXPECT_TRUE(line->shownText().endsWith(QChar(0x2026)));
    EXPECT_TRUE(whole.startsWith(line->shownText().chopped(1))); // cut after a whole call
    QHelpEvent tip(QEvent::ToolTip, QPoint(5, 5), line->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(line, &tip);
    EXPECT_EQ(line->toolTip(), whole);

    key(Qt::Key_D, Qt::AltModifier);
    const auto* restore = control<Panel>("Panel12");
    EXPECT_EQ(restore->text(), QStringLiteral("RESTORE QSO"));
    EXPECT_EQ(restore->shownText(), restore->text());
}

// A contest whose exchanges are longer than the built-in ones' widens the
// exchange columns, and the window, so that an exchange shows whole.
TEST_F(WindowSizeTest, ALongExchangeShowsWhole)
{
    QDir().mkdir(QStringLiteral("contests"));
    writeFile(QStringLiteral("contests/cfo.contest"), "name = ЦФО\ncabrillo = CFO\nbands = 160 80\nmodes = SSB CW\n"
                                                      "exchange = rst serial locator4\n");
    writeStationData(stationLines({{setup::ContestVariant, QStringLiteral("ЦФО")}, {setup::Locator, QStringLiteral("KO85")}}));
    startActive();
    key(Qt::Key_M, Qt::AltModifier); // CW: "599 001 KO85"
    form1->FormActivate();
    const QString sent = form1->session().contacts().cell(1, logbook::Sent);
    ASSERT_EQ(sent, QStringLiteral("599 001 KO85"));
    EXPECT_GT(form1->width(), form1->minimumWidth()); // today's size
    EXPECT_LE(grid()->fontMetrics().horizontalAdvance(sent), grid()->columnWidth(logbook::Sent));
}
