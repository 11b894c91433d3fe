// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/gui/MainWindowFixture.h"

#include "widgets/StatisticsWindow.h"

#include <QAction>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

// What only the window does: Alt+G opens it beside the main window without
// taking the typing away, it follows a contact at once, writes its picture,
// and opens again where it was at the next start.
TEST_F(MainWindowTest, TheStatisticsWindowFollowsTheLogAndWritesItsPicture)
{
    writeStationData(stationLines({{setup::CallSign, QStringLiteral("UA9/P")},
                                   {setup::Coordinates, QStringLiteral("15")},
                                   {setup::ContestVariant, QStringLiteral("Чемпионат РА")}}));
    startActive();
    auto* statistics = form1->findChild<StatisticsWindow*>(QStringLiteral("Statistics"));
    ASSERT_TRUE(statistics);
    auto* table = statistics->findChild<QTableWidget*>(QStringLiteral("SubTours"));
    const auto total = [table] { // the "Всего" cell of the last row
        for (int c = 0; c < table->columnCount(); ++c) {
            if (table->horizontalHeaderItem(c)->text() == QStringLiteral("Всего"))
                return table->item(table->rowCount() - 1, c)->text();
        }
        return QString();
    };
    key(Qt::Key_B, Qt::AltModifier); // a band: the call field opens
    key(Qt::Key_G, Qt::AltModifier);
    ASSERT_TRUE(statistics->isVisible());
    EXPECT_TRUE(form1->findChild<QAction*>(QStringLiteral("N13"))->isChecked());
    EXPECT_EQ(total(), QStringLiteral("0"));
    logContact(QStringLiteral("RA3AAA"), QStringLiteral("GA1"));
    EXPECT_EQ(total(), QStringLiteral("1"));
    EXPECT_EQ(focused(), control("Edit1"));

    statistics->findChild<QPushButton*>(QStringLiteral("SavePicture"))->click();
    const QImage picture(QStringLiteral("UA9_P-stat.png"));
    ASSERT_FALSE(picture.isNull());
    EXPECT_GT(picture.height(), statistics->height() / 2);

    const QRect placed(40, 50, 500, 520);
    statistics->setGeometry(placed);
    form1->close();
    startShown();
    statistics = form1->findChild<StatisticsWindow*>(QStringLiteral("Statistics"));
    ASSERT_TRUE(statistics->isVisible());
    EXPECT_EQ(statistics->size(), placed.size());
    statistics->hide();
    EXPECT_FALSE(form1->findChild<QAction*>(QStringLiteral("N13"))->isChecked());
}
