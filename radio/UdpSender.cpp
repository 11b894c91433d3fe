// SPDX-License-Identifier: GPL-3.0-or-later
#include "radio/UdpSender.h"

#include <QDateTime>
#include <QHostAddress>
#include <QHostInfo>
#include <QMetaObject>
#include <QUdpSocket>
#include <deque>
#include <map>
#include <mutex>
#include <set>
#include <utility>

namespace radio {
namespace {

constexpr qint64 kNameKeptSeconds = 300;
constexpr qint64 kFailedNameRetrySeconds = 30;

class NetworkSink final : public DatagramSink
{
public:
    QString send(const QByteArray& datagram, const UdpDestination& to) override
    {
        QString why;
        const QHostAddress address = addressOf(to.host, why);
        if (address.isNull())
            return why;
        // One socket a protocol: an IPv4 and an IPv6 destination may be listed together.
        QUdpSocket& socket = address.protocol() == QAbstractSocket::IPv6Protocol ? m_socket6 : m_socket4;
        if (socket.writeDatagram(datagram, address, quint16(to.port)) == datagram.size())
            return QString();
        return socket.errorString();
    }

private:
    struct Looked
    {
        QHostAddress address;
        QString error;
        qint64 at = 0;
    };

    // A numeric address as it stands; a name looked up here, on the sender's
    // thread, and kept: a failed lookup is not tried again at every datagram.
    QHostAddress addressOf(const QString& host, QString& why)
    {
        if (const QHostAddress numeric(host); !numeric.isNull())
            return numeric;
        const qint64 now = QDateTime::currentSecsSinceEpoch();
        auto held = m_names.find(host);
        const bool fresh = held != m_names.end()
                           && now - held->second.at < (held->second.address.isNull() ? kFailedNameRetrySeconds : kNameKeptSeconds);
        if (!fresh) {
            const QHostInfo info = QHostInfo::fromName(host);
            Looked looked {{}, info.errorString(), now};
            for (const QHostAddress& a : info.addresses()) {
                if (a.protocol() == QAbstractSocket::IPv4Protocol || looked.address.isNull())
                    looked.address = a;
                if (a.protocol() == QAbstractSocket::IPv4Protocol)
                    break;
            }
            held = m_names.insert_or_assign(host, looked).first;
        }
        why = held->second.error;
        return held->second.address;
    }

    QUdpSocket m_socket4;
    QUdpSocket m_socket6;
    std::map<QString, Looked> m_names;
};

} // namespace

std::unique_ptr<DatagramSink> networkSink()
{
    return std::make_unique<NetworkSink>();
}

struct UdpSender::Queue
{
    std::mutex mutex;
    std::deque<QByteArray> datagrams;
    QList<UdpDestination> destinations;
    bool posted = false; // a drain is on its way to the sender's thread
};

class UdpSender::Worker : public QObject
{
public:
    Worker(UdpSender* owner, std::shared_ptr<Queue> queue, SinkFactory factory)
        : m_owner(owner)
        , m_queue(std::move(queue))
        , m_factory(std::move(factory))
    {
    }

    void drain()
    {
        if (!m_sink)
            m_sink = m_factory ? m_factory() : networkSink();
        for (;;) {
            QByteArray datagram;
            QList<UdpDestination> destinations;
            {
                std::lock_guard<std::mutex> lock(m_queue->mutex);
                if (m_queue->datagrams.empty()) {
                    m_queue->posted = false;
                    return;
                }
                datagram = std::move(m_queue->datagrams.front());
                m_queue->datagrams.pop_front();
                destinations = m_queue->destinations;
            }
            for (const UdpDestination& to : destinations)
                note(to, m_sink->send(datagram, to));
        }
    }

private:
    // Each destination's trouble is said when it starts, and the all-clear
    // once no destination has any.
    void note(const UdpDestination& to, const QString& error)
    {
        const QString key = to.text();
        const bool failing = m_failing.count(key) > 0;
        if (error.isEmpty() && failing) {
            m_failing.erase(key);
            if (m_failing.empty())
                tell(QString());
        } else if (!error.isEmpty() && !failing) {
            m_failing.insert(key);
            tell(QStringLiteral("UDP: не отправлено на %1 — %2").arg(key, error));
        }
    }

    void tell(const QString& text)
    {
        UdpSender* owner = m_owner;
        QMetaObject::invokeMethod(owner, [owner, text] { Q_EMIT owner->troubleChanged(text); }, Qt::QueuedConnection);
    }

    UdpSender* m_owner;
    std::shared_ptr<Queue> m_queue;
    SinkFactory m_factory;
    std::unique_ptr<DatagramSink> m_sink;
    std::set<QString> m_failing; // the destinations whose trouble was said
};

UdpSender::UdpSender(SinkFactory sinkFactory, QObject* parent)
    : QObject(parent)
    , m_queue(std::make_shared<Queue>())
{
    m_thread.setObjectName(QStringLiteral("kvl-udp"));
    m_worker = new Worker(this, m_queue, std::move(sinkFactory));
    m_worker->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    m_thread.start();
}

UdpSender::~UdpSender()
{
    {
        std::lock_guard<std::mutex> lock(m_queue->mutex);
        m_queue->datagrams.clear();
    }
    m_thread.quit();
    m_thread.wait();
}

void UdpSender::setDestinations(const QList<UdpDestination>& destinations)
{
    m_destinations = destinations;
    std::lock_guard<std::mutex> lock(m_queue->mutex);
    m_queue->destinations = destinations;
}

void UdpSender::send(const QByteArray& datagram)
{
    if (m_destinations.isEmpty())
        return;
    std::lock_guard<std::mutex> lock(m_queue->mutex);
    if (m_queue->datagrams.size() >= size_t(kQueueLimit))
        m_queue->datagrams.pop_front();
    m_queue->datagrams.push_back(datagram);
    if (m_queue->posted)
        return;
    m_queue->posted = true;
    Worker* worker = m_worker;
    QMetaObject::invokeMethod(worker, [worker] { worker->drain(); }, Qt::QueuedConnection);
}

} // namespace radio
