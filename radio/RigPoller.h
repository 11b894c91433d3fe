// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "log/BandTable.h"
#include "radio/RigBandPlan.h"
#include "radio/RigConnection.h"
#include "radio/RigKeying.h"
#include "radio/RigSettings.h"
#include "radio/RigTracker.h"

#include <QObject>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

// Follows the rig: polls its frequency and mode on a thread of its own and
// tells the owner's thread, through its signals, what changed; tunes the rig
// when the logger asks. No call waits for the rig: start(), tune() and stop()
// return at once, stop() interrupts a rig call in progress where the
// connection can, and release() waits for one at most RigTiming::shutdownWait.
namespace radio {

class RigPoller : public QObject
{
    Q_OBJECT
public:
    using ConnectionFactory = std::function<std::unique_ptr<RigConnection>(const RigSettings&)>;

    explicit RigPoller(QObject* parent = nullptr); // the rig through Hamlib
    RigPoller(ConnectionFactory connect, RigTiming timing, QObject* parent = nullptr);
    ~RigPoller() override;

    // Follows the rig these settings name, in place of any rig followed
    // before; settings without a rig (model 0) stop following.
    void start(const RigSettings& settings);
    void stop();
    bool polling() const { return m_job != nullptr; }
    // The rig answered its last attempt.
    bool answering() const { return m_answering; }
    // Sets the rig, in place of a setting not yet made. False, and nothing
    // done, while no rig answers: the choice then applies in the logger only.
    bool tune(const RigTune& tune);
    // Stops, and waits at most RigTiming::shutdownWait for every polling
    // thread to end. False when one is still inside a rig call: it is left
    // to end on its own, and must not outlive the program.
    bool release();

    // The rig's own keyer, on the polling thread in the order asked. False,
    // and nothing sent, while no rig answers.
    bool sendMorse(const QByteArray& text);
    void stopMorse();
    // The text's time is over: its PTT is watched no more.
    void forgetMorse();
    // Kept for every rig followed from now on, and set again after a loss.
    void setKeySpeed(int wpm);
    // The rig's PTT for a voice call, in turn with the keyer's orders. PTT on
    // is false, and nothing done, while no rig answers; PTT off is kept until
    // the rig takes it, and is still sent when the poller stops.
    bool setPtt(RigPtt ptt);

Q_SIGNALS:
    // The rig's frequency or mode changed (the mode as Hamlib names it).
    void rigStateChanged(qint64 frequencyHz, const QString& mode);
    // The band (0 = 160 m ... 5 = 10 m) and the mode of a changed reading
    // inside the contest bands, or of the rig whose band won: the logger
    // selects them where it differs.
    void bandWanted(int band);
    void modeWanted(logbook::Mode mode);
    // The rig stopped answering (or never did): once per loss.
    void connectionLost(const QString& message);
    // The rig answers again after a loss.
    void reconnected();
    // The rig's band and mode won over the logger's, and why.
    void noticed(const QString& notice);
    // The rig's PTT went off after a text had put it on.
    void morseEnded();
    // The rig refused a keyer order, and why.
    void morseRefused(const QString& reason);
    // The rig did not take the PTT asked for, and why.
    void pttFailed(const QString& reason);
    // A PTT off the rig had not taken has reached it.
    void pttFreed();

private:
    struct Job;
    struct Worker
    {
        std::shared_ptr<Job> job;
        std::thread thread;
    };

    static void run(const std::shared_ptr<Job>& job, std::unique_ptr<RigConnection> rig, RigTracker tracker);
    void deliver(int generation, const RigEvents& events);
    void deliver(int generation, const KeyingEvents& events);
    void order(KeyingOrder order);
    void joinFinished();

    ConnectionFactory m_connect;
    RigTiming m_timing;
    std::shared_ptr<Job> m_job; // the rig followed now
    bool m_answering = false;
    int m_keySpeed = 0;
    RigPtt m_ptt = RigPtt::Off; // the last PTT asked for
    bool m_released = false;
    int m_generation = 0;
    std::vector<Worker> m_workers; // the current one and those still ending
};

} // namespace radio
