// SPDX-License-Identifier: GPL-3.0-or-later
#include "setup/RtfReader.h"
#include "setup/StationDataFile.h"

#include <QFile>
#include <gtest/gtest.h>
#include <random>

using namespace setup;

namespace {

struct Case
{
    const char* rtf;
    QStringList lines;
};

QByteArray fixture(const char* name)
{
    QFile f(QStringLiteral(KVL_TEST_DATA "/setup/") + QLatin1String(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(RtfReaderTest, TextOfEachParagraphIsOneLine)
{
    const std::vector<Case> cases = {
        {"{\\rtf1 a\\par b\\par}", {"a", "b"}},
        {"{\\rtf1 a\\par b}", {"a", "b"}},
        {"{\\rtf1 \\par\\par x\\par}", {"", "", "x"}},
        {"{\\rtf1 a\\line b\\par}", {"a", "b"}},
        {"{\\rtf1 a\\\nb}", {"a", "b"}},
        {"{\\rtf1\\b bold\\b0  two\\par}", {"bold two"}},
        {"{\\rtf1 {\\b x}y\\pard\\plain z\\par}", {"xyz"}},
        {"{\\rtf1 a\\\\b\\{c\\}\\par}", {"a\\b{c}"}},
        {"{\\rtf1 a\\tab b\\~c\\emdash\\par}", {"a\tb\u00A0c\u2014"}},
        {"{\\rtf1 a\\par}trailing junk", {"a"}},
        {"  \r\n{\\rtf1 lead\\par}", {"lead"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rtfLines(c.rtf), c.lines) << c.rtf;
}

TEST(RtfReaderTest, CharactersAreDecoded)
{
    const std::vector<Case> cases = {
        {"{\\rtf1\\ansi\\ansicpg1251 \\'cf\\'f0\\'e8\\'e2\\'e5\\'f2\\par}", {"Привет"}},
        {"{\\rtf1 \xcf\xf0\\par}", {"Пр"}},
        {"{\\rtf1\\uc1 \\u1055?\\u1088\\'f0\\par}", {"Пр"}},
        {"{\\rtf1\\uc2 \\u1055??x\\par}", {"Пx"}},
        {"{\\rtf1\\uc0 \\u1055 x\\par}", {"Пx"}},
        {"{\\rtf1 {\\uc2 \\u1055\\'3f\\'3f}\\u1088?\\par}", {"Пр"}},
        {"{\\rtf1 \\u-10179?\\u-8704?\\par}", {"😀"}},
        {"{\\rtf1 \\'zz\\par}", {"zz"}},
        // A line end written as a Unicode escape stays out of the line, as \'0d does.
        {"{\\rtf1 a\\u10?b\\u13?c\\'0d\\'0ad\\par}", {"abcd"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rtfLines(c.rtf), c.lines) << c.rtf;
}

TEST(RtfReaderTest, TablesAndUnknownDestinationsAreSkipped)
{
    const std::vector<Case> cases = {
        {"{\\rtf1{\\fonttbl{\\f0\\fnil\\fcharset204 Arial;}}{\\colortbl ;\\red255\\green0\\blue0;}x\\par}", {"x"}},
        {"{\\rtf1{\\stylesheet{\\s0 Normal;}}{\\info{\\author Me}{\\title T}}x\\par}", {"x"}},
        {"{\\rtf1{\\*\\generator Riched20;}{\\*\\unknownthing text {nested}}x\\par}", {"x"}},
        {"{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"m\"}{\\fldrslt mail}}\\par}", {"mail"}},
        {"{\\rtf1 a{\\pict\\bin3 {}}}b\\par}", {"ab"}},
        {"{\\rtf1{\\header page\\par}body\\par}", {"body"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rtfLines(c.rtf), c.lines) << c.rtf;
}

TEST(RtfReaderTest, OnlyADocumentThatOpensAsRtfIsRtf)
{
    EXPECT_TRUE(isRtf("{\\rtf1 x}"));
    EXPECT_TRUE(isRtf("\xEF\xBB\xBF\r\n {\\rtf1 x}"));
    EXPECT_FALSE(isRtf("rtf1"));
    EXPECT_FALSE(isRtf("x{\\rtf1}"));
    EXPECT_FALSE(isRtf(""));
}

TEST(RtfReaderTest, DamagedInputGivesWhatWasReadAndNeverHangs)
{
    const std::vector<Case> cases = {
        {"{", {}},
        {"{\\rtf", {}},
        {"{\\rtf1\\", {}},
        {"{\\rtf1 abc\\'", {"abc"}},
        {"{\\rtf1 abc\\'c", {"abc"}},
        {"{\\rtf1 abc\\par de", {"abc", "de"}},
        {"{\\rtf1 a\\u", {"a"}},
        {"{\\rtf1 a\\u99999999999999999999 b}", {"a"}}, // b is its fallback
        {"{\\rtf1 a\\u-99999999999999999999 b}", {"a"}},
        {"{\\rtf1 a\\bin999999999999 b}", {"a"}},
        {"{\\rtf1 a\\bin-5 b}", {"ab"}},
        {"{\\rtf1\\uc99999999999 \\u1055 abc\\par}", {"П"}},
        {"{\\rtf1{\\fonttbl{\\f0 Arial;}", {}},
        {"}}}}{\\rtf1 x}", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rtfLines(c.rtf), c.lines) << c.rtf;

    const QByteArray deep = "{\\rtf1 " + QByteArray(200'000, '{') + "x" + QByteArray(200'000, '}');
    EXPECT_EQ(rtfLines(deep), QStringList {QStringLiteral("x")});
    EXPECT_EQ(rtfLines("{\\rtf1 x" + QByteArray(200'000, '}')), QStringList {QStringLiteral("x")});
}

TEST(RtfReaderTest, RandomBytesAfterTheHeaderAreSurvived)
{
    std::mt19937 random(20240520);
    const QByteArray alphabet = "{}\\'*abcdeuclinpar0123456789- \r\n\xc0\xff";
    for (int round = 0; round < 2000; ++round) {
        QByteArray bytes = "{\\rtf1 ";
        const int length = int(random() % 400);
        for (int i = 0; i < length; ++i)
            bytes += random() % 4 ? alphabet[int(random() % alphabet.size())] : char(random() % 256);
        const QStringList lines = decodeStationData(bytes);
        for (const QString& line : lines)
            EXPECT_FALSE(line.contains(QLatin1Char('\n')) || line.contains(QLatin1Char('\r'))) << bytes.toHex().toStdString();
    }
}

TEST(RtfReaderTest, AWordPadStyleFileIsRead)
{
    const QStringList lines = decodeStationData(fixture("wordpad_cp1251.rtf"));
    ASSERT_EQ(lines.size(), 25);
    EXPECT_EQ(lines[0], QStringLiteral("Петров"));
    EXPECT_EQ(lines[1], QStringLiteral("Пётр"));
    EXPECT_EQ(lines[2], QStringLiteral("Петрович"));
    EXPECT_EQ(lines[7], QStringLiteral("г. Красноярск, ул. Мира, д. 1"));
    EXPECT_EQ(lines[9], QStringLiteral("INV V"));
    EXPECT_EQ(lines[17], QStringLiteral("B"));
    EXPECT_EQ(lines[18], QStringLiteral("21.05.2024"));
    EXPECT_EQ(lines[24], QStringLiteral("Радиоклуб \"Енисей\""));
}

TEST(RtfReaderTest, AWordStyleUnicodeFileIsRead)
{
    const QStringList lines = decodeStationData(fixture("word_unicode.rtf"));
    ASSERT_EQ(lines.size(), 35);
    const QStringList head = {QStringLiteral("Сидоров"), QStringLiteral("Сидор"), QStringLiteral("Сидорович"),
                              QStringLiteral("1980"), QStringLiteral("R9QQ"), QString(),
                              QStringLiteral("r9qq@example.org"), QStringLiteral("Тюмень,\u00A0ул. 1\t2")};
    EXPECT_EQ(lines.mid(0, head.size()), head);
    EXPECT_EQ(lines[33], QString());
    EXPECT_EQ(lines[34], QStringLiteral("😀"));
}
