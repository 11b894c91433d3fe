// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "radio/UdpSettings.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QThread>
#include <functional>
#include <memory>

// Datagrams for the station's other tools, sent on a thread of its own: the
// caller hands each over and goes on, whatever the network or a name lookup
// does. What cannot keep up is dropped, oldest first, never queued without end.
namespace radio {

// Where a datagram goes out: the network, or a test's stand-in.
class DatagramSink
{
public:
    virtual ~DatagramSink() = default;
    // Sends one datagram; empty when sent, else why not in the system's words.
    virtual QString send(const QByteArray& datagram, const UdpDestination& to) = 0;
};

// The network's: a UDP socket that may send to a broadcast address; names
// are looked up on the sender's thread and kept for a while.
std::unique_ptr<DatagramSink> networkSink();

class UdpSender : public QObject
{
    Q_OBJECT
public:
    // Made on the sender's thread, and used only there.
    using SinkFactory = std::function<std::unique_ptr<DatagramSink>()>;
    static constexpr int kQueueLimit = 256;

    explicit UdpSender(SinkFactory sinkFactory = {}, QObject* parent = nullptr);
    ~UdpSender() override; // what is still queued is dropped; the thread ends

    void setDestinations(const QList<UdpDestination>& destinations);
    bool enabled() const { return !m_destinations.isEmpty(); }
    // Queued for every destination; never waits.
    void send(const QByteArray& datagram);

Q_SIGNALS:
    // A destination's first failed send, named with the reason; said once
    // until it takes datagrams again. Empty once every destination does.
    void troubleChanged(const QString& text);

private:
    struct Queue;
    class Worker;

    std::shared_ptr<Queue> m_queue;
    QThread m_thread;
    Worker* m_worker = nullptr; // lives on m_thread, deleted as it ends
    QList<UdpDestination> m_destinations;
};

} // namespace radio
