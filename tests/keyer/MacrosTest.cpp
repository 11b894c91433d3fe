// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyer/Macros.h"
#include "tests/keyer/KeyerFixture.h"

using keyer::MacroValues;
using keyer::expandMacro;

TEST(ExpandMacro, ReplacesEveryPlaceholderOnce)
{
    const MacroValues v {QStringLiteral("UA9XYZ"), QStringLiteral("RA3ABC"), QStringLiteral("15001"), QStringLiteral("32")};
    struct Case
    {
        const char* text;
        const char* expanded;
    };
    const Case cases[] = {
        {"", ""},
        {"CQ TEST", "CQ TEST"},
        {"CQ <MYCALL> TEST", "CQ UA9XYZ TEST"},
        {"<CALL> 5NN<MN>", "RA3ABC 5NN15001"},
        {"TU <N>", "TU 32"},
        {"<CALL><CALL> <MYCALL><N><MN>", "RA3ABCRA3ABC UA9XYZ3215001"},
        {"<<N>>", "<32>"},
        {"<CALL <call> <M N> MN> <N", "<CALL <call> <M N> MN> <N"},
        {"<MYCALL", "<MYCALL"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(expandMacro(QLatin1String(c.text), v), QLatin1String(c.expanded)) << c.text;
}

TEST(ExpandMacro, NeverExpandsAnInsertedValue)
{
    struct Case
    {
        MacroValues values;
        const char* text;
        const char* expanded;
    };
    const Case cases[] = {
        {{"<CALL>", "RA3ABC", "", ""}, "<MYCALL>", "<CALL>"},
        {{"", "<N>", "", "5"}, "<CALL><N>", "<N>5"},
        {{"", "<", "", "5"}, "<CALL>N>", "<N>"},
        {{"<MYCALL>", "", "", ""}, "<MYCALL> <MYCALL>", "<MYCALL> <MYCALL>"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(expandMacro(QLatin1String(c.text), c.values), QLatin1String(c.expanded)) << c.text;
}

TEST(ExpandMacro, ExpandsPlaceholdersThatLongValuesPushPastTheOriginalLength)
{
    const MacroValues v {QStringLiteral("UA9ABCDEFGHIJKLMN"), QStringLiteral("RA3ABCDEFGHIJK"), QStringLiteral("15001"), QStringLiteral("32")};
    EXPECT_EQ(expandMacro(QStringLiteral("<CALL> <N>"), v), QLatin1String("RA3ABCDEFGHIJK 32"));
    EXPECT_EQ(expandMacro(QStringLiteral("<MYCALL><MYCALL><MN><N>"), v),
              QLatin1String("UA9ABCDEFGHIJKLMNUA9ABCDEFGHIJKLMN1500132"));
}

TEST(ExpandMacro, EmptyValuesRemoveTheirPlaceholders)
{
    EXPECT_EQ(expandMacro(QStringLiteral("<CALL> TU <N>"), MacroValues {}), QLatin1String(" TU "));
}

TEST_F(KeyerTest, MacrosExpandsIntoTheSendBufferAndSends)
{
    keyer.setTxDelayTime(10);
    keyer::Macros(QStringLiteral("<CALL>"), MacroValues {QString(), QStringLiteral("E"), QString(), QString()}, keyer);
    EXPECT_EQ(keyer.sendBuffer(), QLatin1String("E"));
    EXPECT_EQ(edgeText(lines.edges()), QLatin1String("+R0 +D10 -D60 -R160"));

    lines.clear();
    keyer::Macros(QString(), MacroValues {}, keyer);
    EXPECT_TRUE(keyer.sendBuffer().isEmpty());
    EXPECT_TRUE(lines.edges().empty());
}
