#include "radio/RigKeying.h"

#include <gtest/gtest.h>

using namespace radio;

namespace {

class PttRig : public RigConnection
{
public:
    RigPtt ptt = RigPtt::Off;
    QString failure; // what setPtt answers while set
    int asked = 0;

    QString open() override { return {}; }
    QString read(RigReading&) override { return {}; }
    QString setPtt(RigPtt wanted) override
    {
        ++asked;
        if (failure.isEmpty())
            ptt = wanted;
        return failure;
    }
    void close() override {}
};

std::deque<KeyingOrder> ptt(RigPtt p)
{
    return {KeyingOrder {KeyingOrder::Ptt, {}, p}};
}

} // namespace

TEST(RigKeyingTest, PttOffIsAskedUntilTheRigTakesItAndPttOnOnlyOnce)
{
    PttRig rig;
    RigKeying keying;
    keying.carryOut(rig, ptt(RigPtt::Data), 0, true);
    EXPECT_EQ(rig.ptt, RigPtt::Data);

    rig.failure = QStringLiteral("timeout");
    EXPECT_EQ(keying.carryOut(rig, ptt(RigPtt::Off), 0, true).pttFailed, QStringLiteral("timeout"));
    EXPECT_TRUE(keying.carryOut(rig, {}, 0, true).pttFailed.isEmpty()); // asked again, said once
    rig.failure.clear();
    EXPECT_TRUE(keying.carryOut(rig, {}, 0, true).pttFreed);
    EXPECT_EQ(rig.ptt, RigPtt::Off);

    rig.failure = QStringLiteral("no");
    EXPECT_EQ(keying.carryOut(rig, ptt(RigPtt::Mic), 0, true).pttFailed, QStringLiteral("no"));
    const int asked = rig.asked;
    keying.carryOut(rig, {}, 0, true);
    EXPECT_EQ(rig.asked, asked); // a refused PTT on is not asked again
}

TEST(RigKeyingTest, PttOffForALostRigReachesItWhenItAnswers)
{
    PttRig rig;
    RigKeying keying;
    keying.carryOut(rig, ptt(RigPtt::Data), 0, true);
    keying.lost();
    keying.carryOut(rig, ptt(RigPtt::Off), 0, false);
    EXPECT_EQ(rig.ptt, RigPtt::Data);
    EXPECT_TRUE(keying.pttOwed());
    EXPECT_TRUE(keying.carryOut(rig, {}, 0, true).pttFreed);
    EXPECT_EQ(rig.ptt, RigPtt::Off);
}
