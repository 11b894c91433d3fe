// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Cp1251.h"

#include <gtest/gtest.h>

using namespace logbook;

TEST(Cp1251, EveryByteSurvivesARoundTrip)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = cp1251::decode(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(cp1251::encode(text), all);
}

TEST(Cp1251, KnownCharacters)
{
    struct Case
    {
        QString text;
        QByteArray bytes;
    };
    const Case cases[] = {
        {QStringLiteral("QA9ZZ"), "QA9ZZ"},
        {QStringLiteral("Привет"), "\xCF\xF0\xE8\xE2\xE5\xF2"},
        {QStringLiteral("ЁёЯя№"), "\xA8\xB8\xDF\xFF\xB9"},
        {QStringLiteral("€"), "\x88"},
        {QStringLiteral("a😀b"), "a?b"},   // one character outside the page: one byte
        {QStringLiteral("中文"), "??"},
        {QStringLiteral("é"), "?"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(cp1251::encode(c.text), c.bytes) << c.text.toStdString();
        if (!c.bytes.contains('?')) {
            EXPECT_EQ(cp1251::decode(c.bytes), c.text);
        }
    }
}
