// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/ErrorGuard.h"
#include "tests/support/Fakes.h"

#include <gtest/gtest.h>

TEST(ErrorGuard, ShowsTheTextWithAFullStopAndSkipsTheRest)
{
    struct Case
    {
        std::function<void()> action;
        QString shown;
    };
    const Case cases[] = {
        {[] { throw KvlError(QStringLiteral("Cannot open file Mydata.kvl")); }, QStringLiteral("Cannot open file Mydata.kvl.")},
        {[] { throw KvlError(QStringLiteral("Done.")); }, QStringLiteral("Done.")},
        {[] { throw std::runtime_error("boom"); }, QStringLiteral("boom.")},
        {[] { throw 42; }, QStringLiteral("Непредвиденная ошибка.")},
        {[] { throw std::bad_alloc(); }, QStringLiteral("Не хватило памяти.")}, // never the library's English
    };
    for (const auto& c : cases) {
        FakeDialogs dialogs;
        bool after = false;
        EXPECT_FALSE(guarded(dialogs, [&] {
            c.action();
            after = true;
        }));
        EXPECT_FALSE(after);
        EXPECT_EQ(dialogs.errors, QStringList {c.shown});
    }
    FakeDialogs quiet;
    EXPECT_TRUE(guarded(quiet, [] {}));
    EXPECT_TRUE(quiet.errors.isEmpty());
}
