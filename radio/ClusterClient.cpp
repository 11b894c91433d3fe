// SPDX-License-Identifier: GPL-3.0-or-later
#include "radio/ClusterClient.h"

#include <QMetaObject>
#include <QPointer>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QTimer>
#include <atomic>
#include <deque>
#include <mutex>
#include <utility>

namespace radio {
namespace {

constexpr int kLineLimit = 1024;
constexpr qint64 kReadChunk = 16 * 1024;
constexpr qint64 kSocketBuffer = 64 * 1024;
constexpr size_t kUndelivered = 2000; // events; past this the client stops reading

bool isLoginPrompt(const QString& text)
{
    static const QRegularExpression askForCall(QStringLiteral(R"(enter\s+your\s+call)"));
    const QString t = text.trimmed().toLower();
    return t.endsWith(QLatin1String("login:")) || t.endsWith(QLatin1String("call:"))
           || t.endsWith(QLatin1String("callsign:")) || t.contains(askForCall);
}

// Bells and the like, which some nodes put after a spot.
bool isControl(QChar c)
{
    return (c < QLatin1Char(' ') && c != QLatin1Char('\t')) || c == QChar(0x7f);
}

} // namespace

struct ClusterClient::Mailbox
{
    enum class Kind { Spot, Line, State };
    struct Event
    {
        int generation = 0;
        Kind kind = Kind::Line;
        radio::Spot spot;
        QString text;
    };

    std::mutex mutex;
    std::deque<Event> events;
    bool posted = false; // a delivery is on its way to the owner's thread
    bool full = false;   // the connection's thread stopped reading until then
    std::atomic<bool> connected {false};

    bool isFull()
    {
        std::lock_guard<std::mutex> lock(mutex);
        return full;
    }
};

// The connection, on the client's thread.
class ClusterClient::Worker : public QObject
{
public:
    Worker(ClusterClient* client, Mailbox& mailbox, ClusterTiming timing)
        : m_client(client)
        , m_mailbox(mailbox)
        , m_timing(timing)
    {
    }
    ~Worker() override { drop(); }

    void follow(const QString& host, int port, const QString& call, int generation);
    void write(const QString& line, int generation);
    void resume() { readAvailable(false); }

private:
    void setUp();
    void connectNow();
    void drop();
    void lost(const QString& reason);
    void readAvailable(bool evenIfBehind);
    void take(const QByteArray& line);
    void logIn();
    void writeLine(const QString& line);
    void post(Mailbox::Kind kind, const QString& text, const Spot& spot = {});
    QString node() const { return QStringLiteral("%1:%2").arg(m_host).arg(m_port); }

    ClusterClient* m_client;
    Mailbox& m_mailbox;
    ClusterTiming m_timing;
    QTcpSocket* m_socket = nullptr;
    QTimer* m_retry = nullptr;
    QTimer* m_connecting = nullptr; // how long a connection may take to be made
    TelnetLines m_lines {kLineLimit};
    QString m_host;
    int m_port = 0;
    QString m_call;
    int m_generation = 0;
    int m_failures = 0;
    bool m_live = false;     // a connection is being made or is up
    bool m_loggedIn = false; // the call was sent on this connection
    NodeEncoding m_encoding = NodeEncoding::Cp1251;
};

void ClusterClient::Worker::setUp()
{
    m_socket = new QTcpSocket(this);
    m_socket->setReadBufferSize(kSocketBuffer);
    m_retry = new QTimer(this);
    m_retry->setSingleShot(true);
    connect(m_retry, &QTimer::timeout, this, &Worker::connectNow);
    m_connecting = new QTimer(this);
    m_connecting->setSingleShot(true);
    connect(m_connecting, &QTimer::timeout, this, [this] {
        lost(QStringLiteral("узел не ответил за %1 с").arg(m_timing.connectTimeout.count() / 1000));
        m_socket->abort();
    });
    connect(m_socket, &QTcpSocket::connected, this, [this] {
        m_connecting->stop();
        m_socket->setSocketOption(QAbstractSocket::KeepAliveOption, 1);
        m_mailbox.connected = true;
        post(Mailbox::Kind::State, QStringLiteral("Кластер: подключено к %1").arg(node()));
    });
    connect(m_socket, &QTcpSocket::readyRead, this, [this] { readAvailable(false); });
    connect(m_socket, &QTcpSocket::errorOccurred, this, [this] { lost(m_socket->errorString()); });
    connect(m_socket, &QTcpSocket::disconnected, this, [this] {
        lost(m_socket->error() == QAbstractSocket::UnknownSocketError ? QStringLiteral("узел закрыл соединение")
                                                                      : m_socket->errorString());
    });
}

void ClusterClient::Worker::follow(const QString& host, int port, const QString& call, int generation)
{
    if (!m_socket)
        setUp();
    drop();
    m_host = host;
    m_port = port;
    m_call = call;
    m_generation = generation;
    m_failures = 0;
    if (!m_host.isEmpty())
        connectNow();
}

void ClusterClient::Worker::connectNow()
{
    drop();
    m_live = true;
    m_loggedIn = false;
    m_lines = TelnetLines(kLineLimit);
    post(Mailbox::Kind::State, QStringLiteral("Кластер: подключение к %1…").arg(node()));
    m_socket->connectToHost(m_host, quint16(m_port));
    m_connecting->start(m_timing.connectTimeout);
}

// Closes the connection with no new attempt.
void ClusterClient::Worker::drop()
{
    m_live = false;
    m_mailbox.connected = false;
    if (m_retry)
        m_retry->stop();
    if (m_connecting)
        m_connecting->stop();
    if (m_socket)
        m_socket->abort();
}

void ClusterClient::Worker::lost(const QString& reason)
{
    if (!m_live)
        return;
    readAvailable(true); // what the node sent before it left, at most one socket buffer
    m_connecting->stop();
    m_live = false;
    m_mailbox.connected = false;
    const std::chrono::milliseconds delay = retryDelay(++m_failures, m_timing);
    post(Mailbox::Kind::State, QStringLiteral("Кластер: нет связи с %1 (%2), новая попытка через %3 с")
                                   .arg(node(), reason)
                                   .arg((delay.count() + 999) / 1000));
    m_retry->start(delay);
}

// Stops while the owner's thread is behind, unless told to go on.
void ClusterClient::Worker::readAvailable(bool evenIfBehind)
{
    while (m_live && m_socket->bytesAvailable() > 0 && (evenIfBehind || !m_mailbox.isFull())) {
        for (const QByteArray& line : m_lines.feed(m_socket->read(kReadChunk)))
            take(line);
        // A prompt waits for the answer on the line it stands on.
        if (!m_loggedIn && isLoginPrompt(decodeClusterText(m_lines.pending()))) {
            post(Mailbox::Kind::Line, decodeClusterText(m_lines.takePending()).trimmed());
            logIn();
        }
    }
}

void ClusterClient::Worker::take(const QByteArray& line)
{
    const NodeEncoding encoding = encodingOf(line);
    if (encoding != NodeEncoding::Ascii)
        m_encoding = encoding;
    QString text = decodeClusterText(line);
    text.removeIf(isControl);
    if (m_loggedIn)
        m_failures = 0;
    if (std::optional<Spot> spot = parseSpotLine(text))
        post(Mailbox::Kind::Spot, QString(), *spot);
    else if (!text.trimmed().isEmpty())
        post(Mailbox::Kind::Line, text);
    if (!m_loggedIn && isLoginPrompt(text))
        logIn();
}

void ClusterClient::Worker::logIn()
{
    m_loggedIn = true;
    if (!m_call.isEmpty())
        writeLine(m_call);
}

void ClusterClient::Worker::write(const QString& line, int generation)
{
    if (generation == m_generation)
        writeLine(line);
}

void ClusterClient::Worker::writeLine(const QString& line)
{
    if (!m_live || m_socket->state() != QAbstractSocket::ConnectedState)
        return;
    QString text = line;
    text.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    QByteArray bytes = encodeClusterText(text, m_encoding);
    bytes.replace("\xff", "\xff\xff"); // a data byte 255 is doubled on telnet
    m_socket->write(bytes + "\r\n");
}

void ClusterClient::Worker::post(Mailbox::Kind kind, const QString& text, const Spot& spot)
{
    bool wake = false;
    {
        std::lock_guard<std::mutex> lock(m_mailbox.mutex);
        m_mailbox.events.push_back({m_generation, kind, spot, text});
        wake = !std::exchange(m_mailbox.posted, true);
        m_mailbox.full = m_mailbox.events.size() >= kUndelivered;
    }
    if (wake) {
        ClusterClient* client = m_client;
        QMetaObject::invokeMethod(client, [client] { client->deliver(); }, Qt::QueuedConnection);
    }
}

ClusterClient::ClusterClient(ClusterTiming timing, QObject* parent)
    : QObject(parent)
    , m_mailbox(std::make_unique<Mailbox>())
{
    qRegisterMetaType<radio::Spot>();
    m_worker = new Worker(this, *m_mailbox, timing);
    m_worker->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    m_thread.start();
}

ClusterClient::~ClusterClient()
{
    m_thread.quit();
    m_thread.wait(); // the worker, deleted as the thread ends, closes the connection
}

void ClusterClient::follow(const ClusterSettings& settings, const QString& stationCall)
{
    const QString host = settings.host.trimmed();
    const int port = host.isEmpty() ? 0 : settings.port;
    const QString loginCall = settings.call.trimmed().isEmpty() ? stationCall : settings.call;
    const QString call = host.isEmpty() ? QString() : loginCall.trimmed().toUpper();
    if (host == m_host && port == m_port && call == m_call)
        return;
    const bool wasFollowing = !m_host.isEmpty();
    m_host = host;
    m_port = port;
    m_call = call;
    const int generation = ++m_generation;
    m_mailbox->connected = false;
    Worker* worker = m_worker;
    QMetaObject::invokeMethod(
        worker, [worker, host, port, call, generation] { worker->follow(host, port, call, generation); },
        Qt::QueuedConnection);
    if (host.isEmpty() && wasFollowing)
        Q_EMIT stateChanged(QString());
}

bool ClusterClient::send(const QString& line)
{
    if (!connected())
        return false;
    Worker* worker = m_worker;
    const int generation = m_generation;
    QMetaObject::invokeMethod(
        worker, [worker, line, generation] { worker->write(line, generation); }, Qt::QueuedConnection);
    return true;
}

bool ClusterClient::connected() const
{
    return m_mailbox->connected;
}

void ClusterClient::deliver()
{
    std::deque<Mailbox::Event> events;
    bool wasFull = false;
    {
        std::lock_guard<std::mutex> lock(m_mailbox->mutex);
        events.swap(m_mailbox->events);
        m_mailbox->posted = false;
        wasFull = std::exchange(m_mailbox->full, false);
    }
    if (wasFull) {
        Worker* worker = m_worker;
        QMetaObject::invokeMethod(worker, [worker] { worker->resume(); }, Qt::QueuedConnection);
    }
    const QPointer<ClusterClient> alive(this); // a receiver may delete the client
    for (const Mailbox::Event& e : events) {
        if (!alive)
            return;
        if (e.generation != m_generation)
            continue; // left by a connection given up since
        switch (e.kind) {
        case Mailbox::Kind::Spot:
            Q_EMIT spotReceived(e.spot);
            break;
        case Mailbox::Kind::Line:
            Q_EMIT lineReceived(e.text);
            break;
        case Mailbox::Kind::State:
            Q_EMIT stateChanged(e.text);
            break;
        }
    }
}

} // namespace radio
