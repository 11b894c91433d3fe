// SPDX-License-Identifier: GPL-3.0-or-later
#include "radio/RigPoller.h"

#include "radio/HamlibRig.h"

#include <QMetaObject>
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <utility>

namespace radio {

using Clock = std::chrono::steady_clock;
constexpr Millis kPttWatchMs = 50; // how soon the end of a text the rig keys is seen

namespace {

bool endsTransmitting(const KeyingOrder& order)
{
    return order.kind == KeyingOrder::Stop || order.kind == KeyingOrder::Ptt;
}

} // namespace

// What the poller and one polling thread share. The thread owns its
// connection; the poller lets go of a job by clearing `owner`, after which the
// thread posts nothing more and ends at its next chance.
struct RigPoller::Job
{
    std::mutex mutex;
    std::condition_variable changed;
    RigPoller* owner = nullptr;
    int generation = 0;
    bool done = false;
    std::optional<RigTune> tune;         // asked for, not yet made
    RigConnection* connection = nullptr; // the thread's, while it has one
    std::deque<KeyingOrder> keying;      // asked for, not yet carried out
    int keySpeed = 0;

    bool stopping()
    {
        std::lock_guard<std::mutex> lock(mutex);
        return owner == nullptr;
    }
    // Rig readings and keying events alike reach the window's thread.
    template <class Events>
    void post(const Events& events)
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (!owner || events.empty())
            return;
        RigPoller* poller = owner;
        const int generationNow = generation;
        QMetaObject::invokeMethod(
            poller, [poller, generationNow, events] { poller->deliver(generationNow, events); },
            Qt::QueuedConnection);
    }
    // Taken together, so that a stop or PTT off asked before a setting is
    // never carried out after it.
    struct Orders
    {
        std::optional<RigTune> tune;
        std::deque<KeyingOrder> keying;
        int keySpeed = 0;
    };
    Orders takeOrders()
    {
        std::lock_guard<std::mutex> lock(mutex);
        return {std::exchange(tune, std::nullopt), std::exchange(keying, {}), keySpeed};
    }
    void waitUntil(Clock::time_point deadline)
    {
        std::unique_lock<std::mutex> lock(mutex);
        changed.wait_until(lock, deadline, [this] { return owner == nullptr || tune || !keying.empty(); });
    }
    // An order that ends transmitting, still to be carried out, keeps the
    // call in progress uninterrupted: the thread sends it before it ends.
    void letGo()
    {
        std::lock_guard<std::mutex> lock(mutex);
        owner = nullptr;
        if (connection && std::none_of(keying.begin(), keying.end(), endsTransmitting))
            connection->interrupt();
        changed.notify_all();
    }
    void finish()
    {
        std::lock_guard<std::mutex> lock(mutex);
        done = true;
        changed.notify_all();
    }
};

namespace {

// A setting the logger asked for, made only while the rig answers.
RigEvents tuneRig(RigConnection& rig, RigTracker& tracker, const std::optional<RigTune>& tune, Millis now)
{
    if (!tune || !tracker.connected())
        return {};
    const QString failure = rig.set(tune->frequencyHz, tune->mode);
    if (!failure.isEmpty())
        return tracker.refused(failure);
    tracker.tuned(tune->band, now);
    return {};
}

// One attempt: open the connection where it is closed, then read the rig.
RigEvents attempt(RigConnection& rig, RigTracker& tracker, bool& open, RigKeying& keying, Millis now)
{
    if (!open) {
        const QString failure = rig.open();
        if (!failure.isEmpty())
            return tracker.failed(failure, now);
        open = true;
    }
    RigReading reading;
    const QString failure = rig.read(reading);
    RigEvents events = failure.isEmpty() ? tracker.answered(reading, now) : tracker.failed(failure, now);
    if (!tracker.connected()) {
        keying.lost();
        rig.close();
        open = false;
    }
    return events;
}

} // namespace

void RigPoller::run(const std::shared_ptr<Job>& job, std::unique_ptr<RigConnection> rig, RigTracker tracker)
{
    const Clock::time_point start = Clock::now();
    const auto now = [start] {
        return Millis(std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count());
    };
    bool open = false;
    RigKeying keying;
    while (!job->stopping()) {
        // The transmitter first: a rig may refuse a new band or mode while it sends.
        auto [tune, orders, keySpeed] = job->takeOrders();
        job->post(keying.carryOut(*rig, std::move(orders), keySpeed, tracker.connected()));
        job->post(tuneRig(*rig, tracker, tune, now()));
        if (tune || now() >= tracker.nextAttempt())
            job->post(attempt(*rig, tracker, open, keying, now()));
        if (tracker.connected())
            job->post(keying.watch(*rig));
        const Millis next = keying.watching() ? std::min(tracker.nextAttempt(), now() + kPttWatchMs)
                                              : tracker.nextAttempt();
        job->waitUntil(start + std::chrono::milliseconds(next));
    }
    // The transmitter is not left on: a stop of the rig's keyer and a PTT off
    // asked for, or not yet taken, are sent before the rig is let go.
    std::deque<KeyingOrder> orders = job->takeOrders().keying;
    orders.erase(std::remove_if(orders.begin(), orders.end(), [](const KeyingOrder& o) { return !endsTransmitting(o); }),
                 orders.end());
    keying.carryOut(*rig, std::move(orders), 0, open && tracker.connected());
    if (open)
        rig->close();
    {
        std::lock_guard<std::mutex> lock(job->mutex);
        job->connection = nullptr;
    }
    rig.reset();
    job->finish();
}

RigPoller::RigPoller(QObject* parent)
    : RigPoller(hamlibConnection, RigTiming {}, parent)
{
}

RigPoller::RigPoller(ConnectionFactory connect, RigTiming timing, QObject* parent)
    : QObject(parent)
    , m_connect(std::move(connect))
    , m_timing(timing)
{
}

RigPoller::~RigPoller()
{
    if (!m_released)
        release();
    stop();
    for (Worker& w : m_workers)
        w.thread.detach(); // a rig call that outlasts its timeout; the thread ends on its own
}

bool RigPoller::release()
{
    stop();
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(m_timing.shutdownWait);
    for (Worker& w : m_workers) {
        std::unique_lock<std::mutex> lock(w.job->mutex);
        w.job->changed.wait_until(lock, deadline, [&w] { return w.job->done; });
    }
    joinFinished();
    m_released = true; // the destructor waits no more
    return m_workers.empty();
}

void RigPoller::start(const RigSettings& settings)
{
    stop();
    if (!settings.enabled())
        return;
    settleNumericLocaleForHamlib(); // before the polling thread calls Hamlib
    ignoreBrokenPipes();
    m_job = std::make_shared<Job>();
    m_job->owner = this;
    m_job->generation = ++m_generation;
    m_job->keySpeed = m_keySpeed;
    std::unique_ptr<RigConnection> rig = m_connect(settings);
    m_job->connection = rig.get();
    RigTracker tracker(rigDescription(settings), m_timing);
    m_workers.push_back({m_job, std::thread(run, m_job, std::move(rig), std::move(tracker))});
}

bool RigPoller::tune(const RigTune& tune)
{
    if (!m_job || !m_answering)
        return false;
    std::lock_guard<std::mutex> lock(m_job->mutex);
    m_job->tune = tune;
    m_job->changed.notify_all();
    return true;
}

bool RigPoller::sendMorse(const QByteArray& text)
{
    if (!m_job || !m_answering)
        return false;
    order({KeyingOrder::Send, text});
    return true;
}

void RigPoller::stopMorse()
{
    order({KeyingOrder::Stop, {}});
}

void RigPoller::forgetMorse()
{
    order({KeyingOrder::Forget, {}});
}

bool RigPoller::setPtt(RigPtt ptt)
{
    if (ptt != RigPtt::Off && (!m_job || !m_answering))
        return false;
    m_ptt = ptt;
    order({KeyingOrder::Ptt, {}, ptt});
    return true;
}

void RigPoller::order(KeyingOrder order)
{
    if (!m_job)
        return;
    std::lock_guard<std::mutex> lock(m_job->mutex);
    m_job->keying.push_back(std::move(order));
    m_job->changed.notify_all();
}

void RigPoller::setKeySpeed(int wpm)
{
    m_keySpeed = wpm;
    if (!m_job)
        return;
    std::lock_guard<std::mutex> lock(m_job->mutex);
    m_job->keySpeed = wpm;
}

void RigPoller::deliver(int generation, const KeyingEvents& events)
{
    if (generation != m_generation)
        return;
    const auto current = [this, generation] { return generation == m_generation; };
    if (!events.refused.isEmpty())
        Q_EMIT morseRefused(events.refused);
    if (current() && events.ended)
        Q_EMIT morseEnded();
    if (current() && !events.pttFailed.isEmpty())
        Q_EMIT pttFailed(events.pttFailed);
    if (current() && events.pttFreed)
        Q_EMIT pttFreed();
}

void RigPoller::stop()
{
    if (m_ptt != RigPtt::Off)
        setPtt(RigPtt::Off);
    if (m_job)
        m_job->letGo();
    m_job.reset();
    m_answering = false;
    ++m_generation; // events already on their way are dropped
    joinFinished();
}

void RigPoller::joinFinished()
{
    for (auto w = m_workers.begin(); w != m_workers.end();) {
        bool done = false;
        {
            std::lock_guard<std::mutex> lock(w->job->mutex);
            done = w->job->done;
        }
        if (done) {
            w->thread.join();
            w = m_workers.erase(w);
        } else {
            ++w;
        }
    }
}

void RigPoller::deliver(int generation, const RigEvents& events)
{
    // A receiver may stop or restart the poller; what is left then is stale.
    const auto current = [this, generation] { return generation == m_generation; };
    if (!current())
        return;
    if (!events.lost.isEmpty())
        m_answering = false;
    if (events.frequencyHz)
        m_answering = true;
    if (!events.lost.isEmpty())
        Q_EMIT connectionLost(events.lost);
    if (current() && events.reconnected)
        Q_EMIT reconnected();
    if (current() && events.frequencyHz)
        Q_EMIT rigStateChanged(*events.frequencyHz, events.mode);
    if (current() && !events.notice.isEmpty())
        Q_EMIT noticed(events.notice);
    if (current() && events.band)
        Q_EMIT bandWanted(*events.band);
    if (current() && events.logMode)
        Q_EMIT modeWanted(*events.logMode);
}

} // namespace radio
