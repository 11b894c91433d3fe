// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/gui/MainWindowFixture.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTableView>

TEST_F(MainWindowTest, ControlsSitWhereTheOperatorExpectsThem)
{
    writeStationData({});
    start();
    struct Place
    {
        const char* name;
        QRect geometry;
        bool hidden;
    };
    const Place places[] = {
        {"Panel7", {24, 10, 84, 24}, false},     {"Panel9", {24, 39, 84, 24}, false},
        {"Panel10", {24, 68, 84, 24}, false},    {"Panel11", {24, 97, 84, 24}, false},
        {"Panel12", {24, 126, 84, 24}, false},   {"StringGrid1", {115, 10, 399, 179}, false},
        {"Edit1", {265, 164, 81, 22}, false},    {"Edit2", {419, 164, 66, 22}, true},
        {"Memo1", {114, 10, 401, 217}, true},    {"Edit3", {115, 187, 399, 21}, false},
        {"Edit4", {115, 206, 399, 21}, false},   {"Panel8", {115, 250, 400, 38}, true},
        {"Panel1", {522, 10, 84, 24}, false},    {"Panel6", {522, 155, 84, 24}, false},
        {"CheckBox1", {556, 14, 45, 17}, false}, {"CheckBox4", {556, 100, 45, 17}, false},
        {"BitBtn1", {10, 342, 46, 25}, false},   {"BitBtn5", {218, 342, 46, 25}, false},
        {"BitBtn12", {570, 342, 46, 25}, false},
    };
    for (const auto& p : places) {
        auto* w = form1->findChild<QWidget*>(QLatin1String(p.name));
        ASSERT_TRUE(w) << p.name;
        EXPECT_EQ(w->geometry(), p.geometry) << p.name;
        EXPECT_EQ(w->isHidden(), p.hidden) << p.name;
    }
    EXPECT_EQ(form1->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"))->toPlainText().split(QLatin1Char('\n')).size(), 13);
}

TEST_F(MainWindowTest, TheGridHasItsHeadingsAndColumnWidths)
{
    writeStationData({});
    start();
    auto* grid = form1->findChild<QTableView*>(QStringLiteral("StringGrid1"));
    const QStringList headings = {QStringLiteral("Время"), QStringLiteral("   Диап"), QStringLiteral(" №"),
                                  QStringLiteral("Позывной"), QStringLiteral("Передан"), QStringLiteral(" Принят"),
                                  QStringLiteral("Pts")};
    const int widths[] = {50, 66, 30, 85, 69, 69};
    for (int c = 0; c < 7; ++c) {
        EXPECT_EQ(grid->model()->headerData(c, Qt::Horizontal).toString(), headings[c]);
        if (c < 6) {
            EXPECT_EQ(grid->columnWidth(c), widths[c]);
        }
    }
    form1->show();
    QApplication::processEvents();
    // "Pts" takes the rest of the width: the heading row has no bare strip.
    EXPECT_EQ(grid->columnWidth(6), grid->viewport()->width() - 369);
    EXPECT_GE(grid->columnWidth(6), 26);
    EXPECT_EQ(grid->model()->rowCount(), 1999);
    EXPECT_EQ(grid->verticalHeader()->defaultSectionSize(), 25);
}

TEST_F(MainWindowTest, TheWindowOpensInTheMiddleOfTheScreen)
{
    writeStationData({});
    startShown();
    EXPECT_EQ(form1->frameGeometry().center(), form1->screen()->availableGeometry().center());
}

TEST_F(MainWindowTest, TheMenuCarriesItsCaptions)
{
    writeStationData({});
    start();
    QStringList captions;
    for (QAction* top : form1->menuBar()->actions()) {
        captions << top->text();
        for (QAction* item : top->menu()->actions())
            captions << (item->isSeparator() ? QStringLiteral("-") : item->text());
    }
    const QStringList expected = {
        QStringLiteral("&Файл"),           QStringLiteral("&Установки"), QStringLiteral("-"),
        QStringLiteral("&Выход"),          QStringLiteral("&Сервис"),    QStringLiteral("&Режим редактора"),
        QStringLiteral("-"),               QStringLiteral("&Очистка ЛОГа"), QStringLiteral("-"),
        QStringLiteral("&Help"),           QStringLiteral("-"),          QStringLiteral("Строка позывных"),
        QStringLiteral("CW (0 \\ T)"), QStringLiteral("Статистика\tAlt+G"),
        QStringLiteral("Карта диапазона\tAlt+K"), QStringLiteral("Кластер\tAlt+L"), QStringLiteral("Отправить спот"),
        QStringLiteral("Размер текста")};
    EXPECT_EQ(captions, expected);
}
