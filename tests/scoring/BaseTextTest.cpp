// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Cp1251.h"
#include "common/KvlError.h"
#include "scoring/BaseText.h"
#include "scoring/ContestCatalogue.h"
#include "scoring/ContestVariant.h"
#include "tests/support/WorkDir.h"

#include <QDir>

using namespace scoring;

namespace {

const QString kAsia = QStringLiteral("Чемпионат Азиатской части РФ");
const QString kRa = QStringLiteral("Чемпионат РА");

} // namespace

// The station data keeps the chosen name as setup listed it.
TEST(ContestVariantTest, TheBuiltInsAreFoundByTheirExactTexts)
{
    const ContestCatalogue builtIns = loadContestCatalogue({kBuiltInContests});
    for (const QString& text : {kAsia, kRa, QStringLiteral("Others")})
        EXPECT_NE(builtIns.find(text), nullptr) << text.toStdString();
    for (const QString& text : {QString(), QStringLiteral("others"), QStringLiteral("Others "),
                                QStringLiteral("Чемпионат  РА"), QStringLiteral("чемпионат РА")})
        EXPECT_EQ(builtIns.find(text), nullptr) << text.toStdString();
}

TEST(ContestVariantTest, AsiaReceivedFieldTakesDigitsAndReturnsOnABlank)
{
    struct Case
    {
        QChar typed;
        ReceivedKey expected;
    };
    const Case cases[] = {
        {QLatin1Char(' '), ReceivedKey::BackToCall}, {QLatin1Char('0'), ReceivedKey::Accept},
        {QLatin1Char('9'), ReceivedKey::Accept},     {QLatin1Char('\b'), ReceivedKey::Accept},
        {QChar(0x7F), ReceivedKey::Accept},         {QChar(u'Ж'), ReceivedKey::Accept},
        {QLatin1Char('!'), ReceivedKey::Swallow},    {QLatin1Char('/'), ReceivedKey::Swallow},
        {QLatin1Char(':'), ReceivedKey::Swallow},    {QLatin1Char('A'), ReceivedKey::Swallow},
        {QLatin1Char('~'), ReceivedKey::Swallow},    {QLatin1Char('-'), ReceivedKey::Swallow},
    };
    for (const Case& c : cases)
        EXPECT_EQ(asiaReceivedKey(c.typed), c.expected) << c.typed.unicode();
}

TEST(BaseKeyTest, RaKeyIsTheFirstDigitAndTheNextCharacter)
{
    struct Case
    {
        QString call;
        std::optional<QString> key;
    };
    const Case cases[] = {
        {QStringLiteral("QA9ZZ"), QStringLiteral("9Z")},   {QStringLiteral("TEST"), QStringLiteral("TE")},
        {QStringLiteral("UA0ABC"), QStringLiteral("0A")},  {QStringLiteral("R1A9B"), QStringLiteral("1A")},
        {QStringLiteral("12"), QStringLiteral("12")},      {QStringLiteral("Q"), std::nullopt},
        {QStringLiteral("9"), std::nullopt},               {QStringLiteral("QA9"), std::nullopt},
        {QString(), std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(raKey(c.call), c.key) << c.call.toStdString();
}

TEST(BaseSearchTest, ValueStandsBetweenTheEqualsSignAndTheFirstSemicolonWithinSix)
{
    struct Case
    {
        const char* text;
        QString key;
        std::optional<QString> value;
    };
    const Case cases[] = {
        {"9Z=ABC;\r\n", QStringLiteral("9Z"), QStringLiteral("ABC")},
        {"KEY=;\r\n", QStringLiteral("KEY"), QString()},
        {"9Z=ABCD;", QStringLiteral("9Z"), QStringLiteral("ABCD")},
        {"9Z=ABCDE;", QStringLiteral("9Z"), QString()},    // five characters: no ";" among the six
        {"9Z=AB\r\n", QStringLiteral("9Z"), QString()},     // no ";" at all
        {"9Z=AB", QStringLiteral("9Z"), QString()},         // text ends within the six
        {"9Z=A;B;", QStringLiteral("9Z"), QStringLiteral("A")},
        {"QA9ZZ=15;\r\nA9ZZ=20;", QStringLiteral("A9ZZ"), QStringLiteral("15")}, // end of a longer key
        {"9Y=1;\r\n9Z=2;\r\n9Z=3;", QStringLiteral("9Z"), QStringLiteral("2")},  // first occurrence
        {"9Z 9Z=7;", QStringLiteral("9Z"), QStringLiteral("7")},
        {"9z=1;", QStringLiteral("9Z"), std::nullopt}, // case-sensitive
        {"9Z;1;", QStringLiteral("9Z"), std::nullopt},
        {"", QStringLiteral("9Z"), std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(searchBase(QString::fromLatin1(c.text), c.key), c.value) << c.text;
}

TEST(BaseSearchTest, TheInitialTextFindsNothing)
{
    const BaseText base;
    EXPECT_EQ(base.text(), QStringLiteral("Это поле используется для баз данных."));
    for (const QString& key : {QStringLiteral("9Z"), QStringLiteral("Это"), QStringLiteral("баз")})
        EXPECT_EQ(searchBase(base.text(), key), std::nullopt);
}

class BaseFileTest : public WorkDirTest
{
};

TEST_F(BaseFileTest, LoadsCodePage1251WithLinesJoinedByCrLf)
{
    writeFile(QStringLiteral("ASIA.KVL"), logbook::cp1251::encode(QStringLiteral("QY1Z=15;\nЖ9=ЯБ;\rR9=1;")));
    BaseText base;
    EXPECT_TRUE(base.loadAsiaBase());
    EXPECT_EQ(base.text(), QStringLiteral("QY1Z=15;\r\nЖ9=ЯБ;\r\nR9=1;"));
    EXPECT_EQ(AsiaBase(QStringLiteral("QY1Z"), base), QStringLiteral("15"));
    EXPECT_EQ(searchBase(base.text(), QStringLiteral("Ж9")), QStringLiteral("ЯБ"));
}

TEST_F(BaseFileTest, AMissingFileLeavesTheTextAndGivesNoValue)
{
    BaseText base;
    EXPECT_FALSE(base.loadAsiaBase());
    EXPECT_FALSE(base.loadRaBase());
    EXPECT_EQ(base.text(), BaseText().text());
    EXPECT_EQ(AsiaBase(QStringLiteral("QY1Z"), base), std::nullopt);
}

TEST_F(BaseFileTest, RaBaseLooksUpTheDigitAndTheCharacterAfterIt)
{
    writeFile(QStringLiteral("RA.kvl"), "9Z=ABC;\r\n");
    BaseText base;
    EXPECT_TRUE(base.loadRaBase());
    EXPECT_EQ(RABase(QStringLiteral("QA9ZZ"), base), QStringLiteral("ABC"));
    EXPECT_EQ(RABase(QStringLiteral("Q"), base), std::nullopt);
    EXPECT_EQ(RABase(QStringLiteral("QA8ZZ"), base), std::nullopt);
}

TEST_F(BaseFileTest, LookupsNeedTheirFileEvenWithTheTextLoaded)
{
    writeFile(QStringLiteral("ra.kvl"), "9Z=ABC;\r\nQA9ZZ=15;\r\n");
    BaseText base;
    ASSERT_TRUE(base.loadRaBase());
    EXPECT_EQ(AsiaBase(QStringLiteral("QA9ZZ"), base), std::nullopt); // no Asia.kvl
    writeFile(QStringLiteral("asia.kvl"), "");
    EXPECT_EQ(AsiaBase(QStringLiteral("QA9ZZ"), base), QStringLiteral("15")); // searches what was loaded last
    EXPECT_EQ(AsiaBase(QString(), base), std::nullopt);
    QFile::remove(QStringLiteral("ra.kvl"));
    EXPECT_EQ(RABase(QStringLiteral("QA9ZZ"), base), std::nullopt);
}

TEST_F(BaseFileTest, ALargeFileIsReadWhole)
{
    writeFile(QStringLiteral("Asia.kvl"), "9Z=ABC;\r\n" + QByteArray(3 * 1024 * 1024, ' ') + "LATE=XY;");
    BaseText base;
    ASSERT_TRUE(base.loadAsiaBase());
    EXPECT_EQ(searchBase(base.text(), QStringLiteral("9Z")), QStringLiteral("ABC"));
    EXPECT_EQ(searchBase(base.text(), QStringLiteral("LATE")), QStringLiteral("XY"));
}

TEST_F(BaseFileTest, AFilePastTheCeilingIsRefusedOnceAndTheTextStays)
{
    writeFile(QStringLiteral("Asia.kvl"), "9Z=ABC;\r\n");
    BaseText base;
    ASSERT_TRUE(base.loadAsiaBase());
    QFile file(QStringLiteral("Asia.kvl"));
    ASSERT_TRUE(file.resize(BaseText::MaxBytes + 1)); // sparse: nothing is written
    try {
        base.loadAsiaBase();
        FAIL() << "no error";
    } catch (const KvlError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("Asia.kvl"))) << e.message().toStdString();
    }
    EXPECT_NO_THROW(EXPECT_FALSE(base.loadAsiaBase()));
    EXPECT_EQ(searchBase(base.text(), QStringLiteral("9Z")), QStringLiteral("ABC"));
}

TEST_F(BaseFileTest, AnUnreadableBaseFileIsAnErrorNamingIt)
{
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("Asia.kvl")));
    BaseText base;
    try {
        base.loadAsiaBase();
        FAIL() << "no error";
    } catch (const KvlError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("Asia.kvl"))) << e.message().toStdString();
    }
    EXPECT_EQ(base.text(), BaseText().text());
}

TEST_F(BaseFileTest, AnUnreadableRaFileIsReportedOnceUntilItChanges)
{
    // The RA file is loaded at every activation, and closing the error box
    // activates the window again: a second report would never end.
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("RA.kvl")));
    BaseText base;
    EXPECT_THROW(base.loadRaBase(), KvlError);
    EXPECT_NO_THROW(EXPECT_FALSE(base.loadRaBase()));
    EXPECT_NO_THROW(EXPECT_FALSE(base.loadRaBase()));
    // Mended, the file loads; broken again, it is reported again.
    ASSERT_TRUE(QDir().rmdir(QStringLiteral("RA.kvl")));
    writeFile(QStringLiteral("RA.kvl"), "9Z=ABC;\r\n");
    EXPECT_TRUE(base.loadRaBase());
    EXPECT_EQ(searchBase(base.text(), QStringLiteral("9Z")), QStringLiteral("ABC"));
    ASSERT_TRUE(QFile::remove(QStringLiteral("RA.kvl")));
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("RA.kvl")));
    EXPECT_THROW(base.loadRaBase(), KvlError);
    EXPECT_EQ(searchBase(base.text(), QStringLiteral("9Z")), QStringLiteral("ABC"));
}
