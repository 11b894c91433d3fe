// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "radio/ClusterLines.h"
#include "radio/ClusterSettings.h"

#include <QObject>
#include <QString>
#include <QThread>
#include <memory>

// Reads a DX cluster node over telnet and tells the owner's thread what it
// sends. The connection lives on a thread of its own: no call waits for the
// node. A lost or refused connection is tried again, sooner at first and then
// ever more rarely. However fast the node talks, the client keeps at most one
// line and a bounded number of undelivered ones: it stops reading while the
// owner's thread is behind.
namespace radio {

class ClusterClient : public QObject
{
    Q_OBJECT
public:
    explicit ClusterClient(ClusterTiming timing = {}, QObject* parent = nullptr);
    ~ClusterClient() override; // closes the connection and ends the thread

    // Connects to the node these settings name, logging in with their call or,
    // without one, the station's. An empty host disconnects. The same node and
    // call again change nothing; others drop the connection for the new one.
    void follow(const ClusterSettings& settings, const QString& stationCall);
    // Sends a line (a command to the node) in the node's encoding. False, and
    // nothing sent, while not connected.
    bool send(const QString& line);
    bool connected() const;

Q_SIGNALS:
    void spotReceived(const radio::Spot& spot);
    // Every line that is no spot, the login prompt included; blank ones are left out.
    void lineReceived(const QString& line);
    // "Кластер: подключено к ..." and the like; empty once no node is followed.
    void stateChanged(const QString& text);

private:
    class Worker;
    struct Mailbox;

    void deliver();

    std::unique_ptr<Mailbox> m_mailbox; // what the connection's thread hands over
    QThread m_thread;
    Worker* m_worker = nullptr; // lives on m_thread, deleted as it ends
    QString m_host;
    int m_port = 0;
    QString m_call;
    int m_generation = 0; // what an older connection left undelivered is dropped
};

} // namespace radio
