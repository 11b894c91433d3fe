// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyer/CwKeyer.h"
#include "tests/support/LineRecorder.h"

#include <QTimer>
#include <atomic>
#include <condition_variable>
#include <gtest/gtest.h>
#include <mutex>

using namespace keyer;

namespace {

// Time that lets the first `free` waits pass, then stands still until woken:
// the keyer is caught in the middle of a message for as long as a test needs.
class StuckTime : public KeyerTime
{
public:
    explicit StuckTime(int free)
        : m_free(free)
    {
    }
    Micros now() const override { return m_now; }
    void waitUntil(Micros deadline) override
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        if (m_free > 0) {
            --m_free;
            m_now = deadline;
            return;
        }
        m_wakeUp.wait(lock, [this] { return m_woken; });
        m_woken = false;
    }
    void wake() override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_woken = true;
        m_wakeUp.notify_all();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_wakeUp;
    int m_free;
    bool m_woken = false;
    std::atomic<Micros> m_now {0};
};

QString lineText(const std::vector<Edge>& edges)
{
    QString text;
    for (const Edge& e : edges)
        text += QStringLiteral("%1%2 ").arg(e.on ? '+' : '-').arg(e.line == Line::DTR ? 'D' : 'R');
    return text.trimmed();
}

} // namespace

TEST(KeyerStop, ShutdownDuringADotEndsTheMessageWithBothLinesOff)
{
    StuckTime time(1); // the transmit delay passes, the dot never ends
    LineRecorder lines(time);
    CwKeyer keyer(lines, time);
    keyer.setTxDelayTime(10);
    keyer.setSendBuffer(QStringLiteral("TEST"));
    int sendingSeen = -1;
    QTimer::singleShot(10, [&] {
        sendingSeen = keyer.Sending();
        keyer.shutdown();
    });
    keyer.CwOut(); // returns only because of the shutdown
    EXPECT_EQ(sendingSeen, 1);
    EXPECT_EQ(lineText(lines.edges()), QLatin1String("+R +D -D -R"));
    EXPECT_EQ(keyer.Sending(), 0);

    lines.clear();
    keyer.CwOut(); // refused after shutdown
    EXPECT_TRUE(lines.edges().empty());
}

TEST(KeyerStop, DestroyingTheKeyerMidMessageIsSafe)
{
    StuckTime time(0); // caught in the transmit delay
    LineRecorder lines(time);
    auto* keyer = new CwKeyer(lines, time);
    keyer->setTxDelayTime(10);
    keyer->setSendBuffer(QStringLiteral("E"));
    QTimer::singleShot(10, [&] {
        delete keyer;
        keyer = nullptr;
    });
    keyer->CwOut();
    EXPECT_EQ(keyer, nullptr);
    EXPECT_EQ(lineText(lines.edges()), QLatin1String("+R -R"));
}

TEST(KeyerStop, SendingRefusesASecondMessageFromInsideTheFirst)
{
    StuckTime time(2); // caught in the gap after the dot
    LineRecorder lines(time);
    CwKeyer keyer(lines, time);
    keyer.setTxDelayTime(10);
    keyer.setSendBuffer(QStringLiteral("E"));
    QTimer::singleShot(10, [&] {
        keyer.setSendBuffer(QStringLiteral("T"));
        keyer.CwOut(); // Sending: returns at once
        keyer.shutdown();
    });
    keyer.CwOut();
    EXPECT_EQ(lineText(lines.edges()), QLatin1String("+R +D -D -R"));
}
