// SPDX-License-Identifier: GPL-3.0-or-later
// The poller against a real rigctld serving Hamlib's dummy rig on this
// machine, as an operator shares a rig with other programs.
#include "radio/HamlibRig.h"
#include "radio/RigPoller.h"
#include "tests/support/Rigctld.h"

#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <gtest/gtest.h>

using namespace radio;
using logbook::Mode;

namespace {

constexpr int kWaitMs = 5000; // only keeps a broken test from hanging

class RigctldTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable(QStringLiteral("rigctld")).isEmpty())
            GTEST_SKIP() << "rigctld is not installed (Debian: libhamlib-utils)";
        ASSERT_NE(rigctld.port(), 0);
        ASSERT_TRUE(rigctld.start());
    }
    void tune(const char* hz, const char* mode)
    {
        ASSERT_EQ(rigctld.command(QStringLiteral("F %1").arg(QLatin1String(hz))), QByteArray("RPRT 0\n"));
        ASSERT_EQ(rigctld.command(QStringLiteral("M %1 0").arg(QLatin1String(mode))), QByteArray("RPRT 0\n"));
    }
    RigSettings settings() const
    {
        return {kNetRigctlModel, QStringLiteral("127.0.0.1:%1").arg(rigctld.port()), 0};
    }

    Rigctld rigctld {freePort()};
};

} // namespace

TEST_F(RigctldTest, TheLoggerFollowsTheBandAndModeOfTheRig)
{
    RigPoller poller;
    QSignalSpy bands(&poller, &RigPoller::bandWanted);
    QSignalSpy modes(&poller, &RigPoller::modeWanted);
    QSignalSpy states(&poller, &RigPoller::rigStateChanged);
    poller.start(settings());
    ASSERT_TRUE(states.wait(kWaitMs));

    tune("7010000", "CW");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !bands.isEmpty() && modes.size() == 1; }, kWaitMs));
    EXPECT_EQ(bands.takeFirst().at(0).toInt(), 2);
    EXPECT_EQ(modes.at(0).at(0).value<Mode>(), Mode::CW);

    tune("14250000", "USB");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !bands.isEmpty() && modes.size() == 2; }, kWaitMs));
    EXPECT_EQ(bands.takeFirst().at(0).toInt(), 3);
    EXPECT_EQ(modes.at(1).at(0).value<Mode>(), Mode::SSB);

    tune("10120000", "CW"); // outside the contest bands nothing changes, the mode included
    ASSERT_TRUE(QTest::qWaitFor([&] { return states.last().at(0).toLongLong() == 10'120'000; }, kWaitMs));
    EXPECT_TRUE(bands.isEmpty());
    EXPECT_EQ(modes.size(), 2);
}

TEST_F(RigctldTest, ALostRigIsReportedOnceAndFollowedAgainWhenItIsBack)
{
    RigTiming timing;
    timing.retryInterval = 200; // several attempts while the rig is away
    RigPoller poller(hamlibConnection, timing);
    QSignalSpy states(&poller, &RigPoller::rigStateChanged);
    QSignalSpy lost(&poller, &RigPoller::connectionLost);
    QSignalSpy back(&poller, &RigPoller::reconnected);
    poller.start(settings());
    ASSERT_TRUE(states.wait(kWaitMs));

    rigctld.kill();
    ASSERT_TRUE(lost.wait(kWaitMs));
    QTest::qWait(1000);
    EXPECT_EQ(lost.size(), 1);
    EXPECT_TRUE(lost.at(0).at(0).toString().contains(QStringLiteral(" (модель 2, 127.0.0.1:")));

    ASSERT_TRUE(rigctld.start());
    tune("21010000", "CW");
    ASSERT_TRUE(back.wait(kWaitMs));
    ASSERT_TRUE(QTest::qWaitFor([&] { return states.last().at(0).toLongLong() == 21'010'000; }, kWaitMs));
    EXPECT_EQ(lost.size(), 1);
}
