// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/keyer/KeyerFixture.h"

#include "common/KvlError.h"

using keyer::CwKeyer;

TEST_F(KeyerTest, KeysEachMessageWithTheTimingOfItsSpeed)
{
    struct Case
    {
        const char* text;
        int dashTime;
        int txDelay;
        const char* edges;
    };
    const Case cases[] = {
        {"E", 150, 10, "+R0 +D10 -D60 -R160"},
        {"H", 150, 10, "+R0 +D10 -D60 +D110 -D160 +D210 -D260 +D310 -D360 -R460"},
        {"T", 150, 10, "+R0 +D10 -D160 -R260"},
        {"ET", 155, 10, "+R0 +D10 -D61 +D163 -D318 -R420"}, // unit 51, dash 155
        {"A", 150, 0, "+R0 +D0 -D50 +D100 -D250 -R350"},
        {"e", 150, 10, "+R0 -R10"},
        {"   ", 150, 10, "+R0 -R10"},
        {"/.,Ж", 150, 25, "+R0 -R25"},
        {"", 150, 10, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        keyer.setDashTime(c.dashTime);
        keyer.setTxDelayTime(c.txDelay);
        EXPECT_EQ(send(QString::fromUtf8(c.text)), QLatin1String(c.edges));
        EXPECT_EQ(keyer.Sending(), 0);
    }
}

TEST_F(KeyerTest, AWordGapIsNoLongerThanACharacterGap)
{
    keyer.setTxDelayTime(10);
    const QString apart = send(QStringLiteral("TEST TEST"));
    EXPECT_FALSE(apart.isEmpty());
    EXPECT_EQ(apart, send(QStringLiteral("TESTTEST")));
}

TEST_F(KeyerTest, ShortZeroKeysTheDigitZeroAsT)
{
    keyer.setTxDelayTime(10);
    const QString t = send(QStringLiteral("T"));
    EXPECT_EQ(send(QStringLiteral("0")), QLatin1String("+R0 +D10 -D160 +D210 -D360 +D410 -D560 +D610 -D760 +D810 -D960 -R1060"));
    keyer.setShortZero(true);
    EXPECT_EQ(send(QStringLiteral("0")), t);
}

TEST_F(KeyerTest, EscFinishesTheCharacterAndItsPauseThenPttGoesOff)
{
    keyer.setTxDelayTime(10);
    // T: 10-160, gap to 260; E: 260-310, end pause to 410; Esc during the E.
    atMs(280, [this] { keyer.keyHooks(Qt::Key_Escape, Qt::ShiftModifier); });
    EXPECT_EQ(send(QStringLiteral("TEST")), QLatin1String("+R0 +D10 -D160 +D260 -D310 -R410"));
    EXPECT_EQ(keyer.AbortRequest(), 0);
    EXPECT_EQ(send(QStringLiteral("E")), QLatin1String("+R0 +D10 -D60 -R160"));
}

TEST_F(KeyerTest, EscDuringTheLastCharacterLeavesTheNextMessageWhole)
{
    keyer.setTxDelayTime(10);
    atMs(30, [this] { keyer.EscKey(); });
    EXPECT_EQ(send(QStringLiteral("E")), QLatin1String("+R0 +D10 -D60 -R160"));
    EXPECT_EQ(keyer.AbortRequest(), 0);
    EXPECT_EQ(send(QStringLiteral("EE")), QLatin1String("+R0 +D10 -D60 +D160 -D210 -R310"));
}

TEST_F(KeyerTest, EscWhileIdleChangesNothing)
{
    keyer.setTxDelayTime(10);
    keyer.keyHooks(Qt::Key_Escape, Qt::NoModifier);
    EXPECT_EQ(keyer.AbortRequest(), 0);
    EXPECT_EQ(send(QStringLiteral("EE")), QLatin1String("+R0 +D10 -D60 +D160 -D210 -R310"));
}

TEST_F(KeyerTest, PageUpDuringADashEndsItAtTheNewLength)
{
    struct Case
    {
        int presses;
        const char* edges;
    };
    const Case cases[] = {
        {1, "+R0 +D10 -D155 -R251"}, // 145 ms dash, unit 48
        {18, "+R0 +D10 -D100 -R140"}, // 60 ms already past at 100: ends at once
    };
    for (const Case& c : cases) {
        keyer.setDashTime(150);
        keyer.setTxDelayTime(10);
        atMs(100, [this, n = c.presses] {
            for (int i = 0; i < n; ++i)
                keyer.keyHooks(Qt::Key_PageUp, Qt::KeypadModifier);
        });
        EXPECT_EQ(send(QStringLiteral("T")), QLatin1String(c.edges));
    }
}

TEST_F(KeyerTest, PauseLengthensTheCharacterGapsOfThatMessageOnly)
{
    keyer.setTxDelayTime(10);
    atMs(20, [this] { keyer.keyHooks(Qt::Key_Pause, Qt::ControlModifier); });
    EXPECT_EQ(send(QStringLiteral("EE")), QLatin1String("+R0 +D10 -D60 +D210 -D260 -R410"));
    EXPECT_EQ(keyer.ExtraGap(), 0);
    EXPECT_EQ(send(QStringLiteral("EE")), QLatin1String("+R0 +D10 -D60 +D160 -D210 -R310"));
}

TEST_F(KeyerTest, PauseWhileIdleLengthensTheNextMessage)
{
    keyer.setTxDelayTime(10);
    keyer.PauseKey();
    EXPECT_EQ(keyer.ExtraGap(), 50);
    EXPECT_EQ(send(QStringLiteral("EE")), QLatin1String("+R0 +D10 -D60 +D210 -D260 -R410"));
}

TEST_F(KeyerTest, ASpeedAtZeroOrBelowNeverHangs)
{
    struct Case
    {
        int dashTime;
        const char* end;
    };
    // Nine dashes in all; at 2 ms the unit is 0.
    for (const Case& c : {Case {0, "-R10"}, Case {2, "-R28"}, Case {-40, "-R10"}}) {
        keyer.setDashTime(c.dashTime);
        keyer.setTxDelayTime(10);
        const QString edges = send(QStringLiteral("TEST 0?"));
        EXPECT_EQ(edges.count(QLatin1String("+D")), 17);
        EXPECT_TRUE(edges.endsWith(QLatin1String(c.end))) << qPrintable(edges);
    }
}

TEST_F(KeyerTest, KeyHooksFollowTheirModifiers)
{
    struct Case
    {
        int key;
        Qt::KeyboardModifiers modifiers;
        int dashTime;
    };
    const Case cases[] = {
        {Qt::Key_PageUp, Qt::NoModifier, 145},
        {Qt::Key_PageUp, Qt::KeypadModifier, 145},
        {Qt::Key_PageUp, Qt::ShiftModifier, 150},
        {Qt::Key_PageDown, Qt::NoModifier, 155},
        {Qt::Key_PageDown, Qt::ControlModifier, 150},
        {Qt::Key_PageDown, Qt::AltModifier, 150},
        {Qt::Key_C, Qt::NoModifier, 150},
        {Qt::Key_Pause, Qt::NoModifier, 150},
    };
    for (const Case& c : cases) {
        keyer.setDashTime(150);
        keyer.keyHooks(c.key, c.modifiers);
        EXPECT_EQ(keyer.DashTime(), c.dashTime) << c.key << " " << int(c.modifiers);
    }
    keyer.setDashTime(40);
    keyer.keyHooks(Qt::Key_C, Qt::AltModifier | Qt::KeypadModifier);
    EXPECT_EQ(keyer.DashTime(), CwKeyer::kStartDashTime);
    keyer.setDashTime(40);
    keyer.keyHooks(Qt::Key_C, Qt::AltModifier | Qt::ShiftModifier);
    EXPECT_EQ(keyer.DashTime(), 40);
}

TEST(TxDelay, ParsesTheFieldText)
{
    EXPECT_EQ(keyer::parseTxDelay(QString()), 10);
    EXPECT_EQ(keyer::parseTxDelay(QStringLiteral("0")), 0);
    EXPECT_EQ(keyer::parseTxDelay(QStringLiteral("250")), 250);
    for (const char* bad : {"abc", "12ms", "1.5"}) {
        try {
            keyer::parseTxDelay(QLatin1String(bad));
            ADD_FAILURE() << bad;
        } catch (const KvlError& e) {
            EXPECT_EQ(e.message(), QStringLiteral("'%1' is not a valid integer value").arg(QLatin1String(bad)));
        }
    }
}

TEST_F(KeyerTest, TxDelayIsZeroUntilRead)
{
    EXPECT_EQ(keyer.TxDelayTime(), 0);
    EXPECT_EQ(keyer.DashTime(), 150);
    keyer.ReadTxDelay(QString());
    EXPECT_EQ(keyer.TxDelayTime(), 10);
    EXPECT_THROW(keyer.ReadTxDelay(QStringLiteral("x")), KvlError);
    EXPECT_EQ(keyer.TxDelayTime(), 10);
}
