// SPDX-License-Identifier: GPL-3.0-or-later
// Hamlib's own dummy rig (model 1) in this process, and the poller's thread.
#include "radio/HamlibModels.h"
#include "radio/HamlibRig.h"
#include "radio/RigPoller.h"

#include <QSignalSpy>
#include <QTest>
#include <condition_variable>
#include <gtest/gtest.h>
#include <hamlib/rig.h>
#include <mutex>

using namespace radio;
using logbook::Mode;

namespace {

constexpr int kDummyModel = 1;
constexpr int kWaitMs = 5000; // only keeps a broken test from hanging

// The knobs of a dummy rig, turned by the test and applied on the poller's
// thread, which alone touches the rig.
struct Knobs
{
    std::mutex mutex;
    std::optional<std::pair<double, rmode_t>> pending;
};

class TurnedDummy : public RigConnection
{
public:
    explicit TurnedDummy(std::shared_ptr<Knobs> knobs) : m_knobs(std::move(knobs)) {}
    QString open() override { return m_rig.open(); }
    void close() override { m_rig.close(); }
    QString read(RigReading& reading) override
    {
        std::lock_guard<std::mutex> lock(m_knobs->mutex);
        if (m_knobs->pending) {
            rig_set_freq(m_rig.handle(), RIG_VFO_CURR, m_knobs->pending->first);
            rig_set_mode(m_rig.handle(), RIG_VFO_CURR, m_knobs->pending->second, RIG_PASSBAND_NOCHANGE);
            m_knobs->pending.reset();
        }
        return m_rig.read(reading);
    }

private:
    std::shared_ptr<Knobs> m_knobs;
    HamlibRig m_rig {RigSettings {kDummyModel, {}, 0}};
};

// A rig whose every reading hangs until the test lets go.
struct Hang
{
    std::mutex mutex;
    std::condition_variable released;
    bool free = false;
    int readings = 0;
};

class HangingRig : public RigConnection
{
public:
    explicit HangingRig(std::shared_ptr<Hang> hang) : m_hang(std::move(hang)) {}
    QString open() override { return {}; }
    void close() override {}
    QString read(RigReading& reading) override
    {
        std::unique_lock<std::mutex> lock(m_hang->mutex);
        ++m_hang->readings;
        m_hang->released.notify_all();
        m_hang->released.wait(lock, [this] { return m_hang->free; });
        reading = {7.01e6, QStringLiteral("CW")};
        return {};
    }

private:
    std::shared_ptr<Hang> m_hang;
};

} // namespace

TEST(HamlibRig, ReadsTheDummyRigsFrequencyAndMode)
{
    HamlibRig rig({kDummyModel, {}, 0});
    ASSERT_EQ(rig.open(), QString());
    ASSERT_EQ(rig_set_freq(rig.handle(), RIG_VFO_CURR, 7.010e6), RIG_OK);
    ASSERT_EQ(rig_set_mode(rig.handle(), RIG_VFO_CURR, RIG_MODE_CWR, RIG_PASSBAND_NOCHANGE), RIG_OK);
    RigReading reading;
    ASSERT_EQ(rig.read(reading), QString());
    EXPECT_EQ(reading.frequencyHz, 7.010e6);
    EXPECT_EQ(reading.mode, QStringLiteral("CWR"));
}

TEST(HamlibRig, AnUnknownModelOrAnUnreachableRigSaysWhy)
{
    EXPECT_EQ(HamlibRig({999999, {}, 0}).open(), QStringLiteral("в Hamlib нет модели 999999"));
    // Port 1 on this machine: nobody listens.
    EXPECT_FALSE(HamlibRig({kNetRigctlModel, QStringLiteral("127.0.0.1:1"), 0}).open().isEmpty());
}

TEST(HamlibModels, ListsTheDummyAndTheNetworkRigInOrder)
{
    const std::vector<RigModel> models = hamlibRigModels();
    const auto has = [&](int number) {
        return std::any_of(models.begin(), models.end(), [number](const RigModel& m) { return m.number == number; });
    };
    EXPECT_TRUE(has(kDummyModel));
    EXPECT_TRUE(has(kNetRigctlModel));
    EXPECT_TRUE(std::is_sorted(models.begin(), models.end(), [](const RigModel& a, const RigModel& b) {
        return std::tie(a.manufacturer, a.name) < std::tie(b.manufacturer, b.name);
    }));
}

TEST(RigPoller, FollowsHamlibsDummyRig)
{
    auto knobs = std::make_shared<Knobs>();
    RigPoller poller([knobs](const RigSettings&) { return std::make_unique<TurnedDummy>(knobs); }, RigTiming {});
    QSignalSpy bands(&poller, &RigPoller::bandWanted);
    QSignalSpy modes(&poller, &RigPoller::modeWanted);
    QSignalSpy states(&poller, &RigPoller::rigStateChanged);
    poller.start({kDummyModel, {}, 0});
    ASSERT_TRUE(states.wait(kWaitMs)); // the dummy starts on 145 MHz FM
    {
        std::lock_guard<std::mutex> lock(knobs->mutex);
        knobs->pending = {7.010e6, RIG_MODE_CW};
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return !bands.isEmpty() && modes.size() == 1; }, kWaitMs));
    EXPECT_EQ(bands.takeFirst().at(0).toInt(), 2);
    EXPECT_EQ(modes.at(0).at(0).value<Mode>(), Mode::CW);
}

TEST(RigPoller, NeitherStopNorClosingWaitsForAHangingRig)
{
    auto hang = std::make_shared<Hang>();
    {
        RigTiming timing;
        timing.shutdownWait = 50;
        RigPoller poller([hang](const RigSettings&) { return std::make_unique<HangingRig>(hang); }, timing);
        QSignalSpy states(&poller, &RigPoller::rigStateChanged);
        poller.start({kDummyModel, {}, 0});
        {
            std::unique_lock<std::mutex> lock(hang->mutex);
            ASSERT_TRUE(hang->released.wait_for(lock, std::chrono::milliseconds(kWaitMs), [&] { return hang->readings > 0; }));
        }
        poller.stop();
        EXPECT_FALSE(poller.polling());
        poller.start({kDummyModel, {}, 0}); // a second rig while the first still hangs
        poller.stop();
        {
            std::lock_guard<std::mutex> lock(hang->mutex);
            hang->free = true;
        }
        hang->released.notify_all();
        QTest::qWait(100);
        EXPECT_EQ(states.size(), 0); // a stopped poller reports nothing
        {
            std::lock_guard<std::mutex> lock(hang->mutex);
            hang->free = false;
        }
        poller.start({kDummyModel, {}, 0});
    } // closes while the reading hangs
    std::lock_guard<std::mutex> lock(hang->mutex);
    hang->free = true;
    hang->released.notify_all();
}

TEST(HamlibModels, ATypedModelIsFoundByNumberNameOrAPartOnlyOneModelHas)
{
    const std::vector<RigModel> models = hamlibRigModels();
    const std::pair<const char*, int> found[] = {
        {"3073", 3073}, {"7300", 3073}, {"ic-7300", 3073}, {"Icom IC-7300", 3073}, {"Icom IC-7300 (3073)", 3073},
        {"", 0}, {"2", kNetRigctlModel},
    };
    for (const auto& [text, number] : found)
        EXPECT_EQ(matchRigModel(models, QLatin1String(text)).number, number) << text;
    EXPECT_TRUE(matchRigModel(models, QStringLiteral("FT-9")).problem.contains(QStringLiteral("нескольким")));
    EXPECT_TRUE(matchRigModel(models, QStringLiteral("XYZ-123")).problem.contains(QStringLiteral("нет в списке")));
}
