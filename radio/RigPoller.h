#pragma once

#include "log/BandTable.h"
#include "radio/RigConnection.h"
#include "radio/RigSettings.h"
#include "radio/RigTracker.h"

#include <QObject>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

// Follows the rig: polls its frequency and mode on a thread of its own and
// tells the owner's thread, through its signals, what changed. No call
// waits for the rig: start() and stop() return at once, and the destructor
// waits for a rig call in progress at most RigTiming::shutdownWait before it
// leaves that call to finish on its own.
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

Q_SIGNALS:
    // The rig's frequency or mode changed (the mode as Hamlib names it).
    void rigStateChanged(qint64 frequencyHz, const QString& mode);
    // The rig's frequency entered another contest band (0 = 160 m ... 5 = 10 m).
    void bandWanted(int band);
    // The rig changed between a CW and a voice mode.
    void modeWanted(logbook::Mode mode);
    // The rig stopped answering (or never did): once per loss.
    void connectionLost(const QString& message);
    // The rig answers again after a loss.
    void reconnected();

private:
    struct Job;
    struct Worker
    {
        std::shared_ptr<Job> job;
        std::thread thread;
    };

    static void run(const std::shared_ptr<Job>& job, std::unique_ptr<RigConnection> rig, RigTracker tracker);
    void deliver(int generation, const RigEvents& events);
    void joinFinished();

    ConnectionFactory m_connect;
    RigTiming m_timing;
    std::shared_ptr<Job> m_job; // the rig followed now
    int m_generation = 0;
    std::vector<Worker> m_workers; // the current one and those still ending
};

} // namespace radio
