// SPDX-License-Identifier: GPL-3.0-or-later
// The tab "Обмен" and kvl.ini.
#include "scoring/ContestDescription.h"
#include "setup/StationExchange.h"
#include "tests/setup/SetupDialogFixture.h"

#include <QLabel>

namespace {

const QString kVladimir = QStringLiteral("Владимирский тест");

// The region's stations send their district, the others their zone; "Others"
// has no description here, so it asks nothing.
TForm2::ContestOffer vladimirOffer()
{
    const scoring::DescriptionRead read = scoring::readContestDescription(
        "name = Владимирский тест\ncabrillo = VLADIMIR-TEST\nbands = 80\nmodes = CW\n"
        "group vl = Владимирская область\nsent vl = serial code:vl\nsent = serial zone\n"
        "received = serial code:vl|zone\n");
    TForm2::ContestOffer offer {{kVladimir, QStringLiteral("Others")}, {}, {}};
    if (read.description)
        offer.exchanges[kVladimir] = contestExchangeNeeds(*read.description);
    return offer;
}

} // namespace

TEST_F(SetupDialogTest, TheExchangeFollowsTheContestListAndIsKeptInKvlIni)
{
    ASSERT_EQ(vladimirOffer().exchanges.size(), 1u);
    storeLines({{setup::ContestVariant, kVladimir}});
    create(vladimirOffer);
    QComboBox* group = list(QStringLiteral("ExchangeGroup"));
    QLineEdit* code = edit(QStringLiteral("ExchangeCode"));
    QLineEdit* zone = edit(QStringLiteral("ExchangeZone"));
    auto* contest = form->findChild<QLabel*>(QStringLiteral("ExchangeContest"));
    ASSERT_TRUE(group && code && zone && contest);
    EXPECT_TRUE(contest->text().contains(kVladimir));
    ASSERT_EQ(group->count(), 2);
    EXPECT_EQ(group->currentText(), QStringLiteral("Все остальные"));
    EXPECT_EQ(group->itemText(1), QStringLiteral("Владимирская область"));
    EXPECT_FALSE(code->isEnabled());
    EXPECT_TRUE(zone->isEnabled());

    group->setCurrentIndex(1);
    EXPECT_TRUE(code->isEnabled());
    EXPECT_FALSE(zone->isEnabled());
    QTest::keyClicks(code, QStringLiteral("vl01"));

    QComboBox* contests = list(QStringLiteral("ComboBox2"));
    contests->setCurrentIndex(1);
    EXPECT_TRUE(contest->text().contains(QStringLiteral("ничего не нужно"))) << qPrintable(contest->text());
    EXPECT_FALSE(group->isEnabled());
    EXPECT_EQ(code->text(), QString());
    contests->setCurrentIndex(0);
    EXPECT_EQ(group->currentText(), QStringLiteral("Владимирская область"));
    EXPECT_EQ(code->text(), QStringLiteral("VL01"));

    form->FormClose();
    const setup::StationExchange expected {QStringLiteral("vl"), QStringLiteral("VL01"), QString()};
    EXPECT_EQ(ini.exchange(QStringLiteral("VLADIMIR-TEST")), expected);
    EXPECT_EQ(setup::readStationExchanges()[QStringLiteral("VLADIMIR-TEST")], expected);
}
