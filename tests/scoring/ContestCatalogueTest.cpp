// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/ContestCatalogue.h"

#include "tests/support/WorkDir.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace scoring;

using ContestCatalogueTest = WorkDirTest;

// The built-ins come with the program; the working folder adds its own, puts
// a better copy of a built-in in its place, and a broken file is named with
// its line and offered not at all, nor does it take a good one's place.
TEST_F(ContestCatalogueTest, TheWorkingFolderAddsAndReplacesAndABrokenFileIsNamed)
{
    const QStringList builtIns {QStringLiteral("Чемпионат Азиатской части РФ"), QStringLiteral("Чемпионат РА"),
                                QStringLiteral("Others")};
    EXPECT_EQ(loadContestCatalogue({kBuiltInContests}).names(), builtIns);

    QDir().mkdir(QStringLiteral("contests"));
    const QByteArray cup = "name = Кубок Находки\ncabrillo = NAKHODKA-CUP\nbands = 160 80\nmodes = SSB CW\n";
    writeFile(QStringLiteral("contests/nakhodka.contest"), cup);
    writeFile(QStringLiteral("contests/2-RA-Championship.contest"),
              "name = Чемпионат РА\ncabrillo = RUS-RA-CHAMP-2\nbands = 160\nmodes = CW\npoints = ga\n");
    writeFile(QStringLiteral("contests/3-others.contest"), "name = Others\nbands = 160 60\n");
    writeFile(QStringLiteral("contests/z-copy.contest"), cup);
    writeFile(QStringLiteral("contests/notes.txt"), "not a description");

    const ContestCatalogue c = loadContestCatalogue({kBuiltInContests, QStringLiteral("contests")});
    EXPECT_EQ(c.names(), builtIns + QStringList {QStringLiteral("Кубок Находки")}); // a copy in its original's place
    EXPECT_EQ(c.find(builtIns[1])->cabrillo, QStringLiteral("RUS-RA-CHAMP-2"));
    EXPECT_EQ(c.find(QStringLiteral("Others"))->cabrillo, QStringLiteral("OTHER")); // the broken copy replaced nothing
    ASSERT_EQ(c.errors.size(), 2) << c.errors.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(c.errors[0].contains(QStringLiteral("3-others.contest: строка 2: диапазон «60»")));
    EXPECT_TRUE(c.errors[1].contains(QStringLiteral("z-copy.contest")) && c.errors[1].contains(QStringLiteral("уже есть")));
    EXPECT_EQ(c.find(QStringLiteral("Кубок")), nullptr);
}

// A code field's list is read beside its description; one that is missing
// keeps the description from being offered.
TEST_F(ContestCatalogueTest, ACodeListIsReadBesideItsDescription)
{
    QDir().mkdir(QStringLiteral("contests"));
    const QByteArray vladimir = "name = Vladimir Test\ncabrillo = VLADIMIR\nbands = 160 80\nmodes = SSB CW\n"
                                "received = serial code:vl|locator4\ngroup VL = Владимирская область\n"
                                "sent VL = serial code:vl\nsent = serial locator4\nserial = subtour\n";
    writeFile(QStringLiteral("contests/vladimir.contest"), vladimir);
    writeFile(QStringLiteral("contests/vl.list"), "# районы\nvl01 Александровский\n\nVL02   # Вязниковский\n");
    writeFile(QStringLiteral("contests/other.contest"),
              QByteArray(vladimir).replace("Vladimir Test", "Другой").replace("code:vl", "code:none"));
    const ContestCatalogue c = loadContestCatalogue({QStringLiteral("contests")});
    ASSERT_TRUE(c.find(QStringLiteral("Vladimir Test")));
    EXPECT_EQ(c.find(QStringLiteral("Vladimir Test"))->lists.at(QStringLiteral("vl")),
              (QSet<QString> {QStringLiteral("VL01"), QStringLiteral("VL02")}));
    const ContestDescription& test = *c.find(QStringLiteral("Vladimir Test"));
    EXPECT_EQ(test.groups.at(QStringLiteral("vl")), QStringLiteral("Владимирская область"));
    EXPECT_EQ(test.sentByGroup.at(QStringLiteral("vl")), readExchangeForm(QStringLiteral("serial code:vl")).form);
    EXPECT_EQ(test.serial, SerialScope::SubTour);
    EXPECT_FALSE(c.find(QStringLiteral("Другой")));
    ASSERT_EQ(c.errors.size(), 1);
    EXPECT_TRUE(c.errors[0].contains(QStringLiteral("other.contest: список кодов contests/none.list"))) << c.errors[0].toStdString();
}
