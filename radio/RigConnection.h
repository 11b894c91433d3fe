// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// The rig as the poller sees it: open, read the frequency and mode, close.
// Every call may block for as long as the rig takes to answer (bounded by
// the connection's own timeouts); the poller calls them from its own thread
// only.
namespace radio {

// A connection that cannot tune the rig refuses every setting.
inline const QString kCannotTune = QStringLiteral("соединение не настраивает трансивер");
inline const QString kCannotKey = QStringLiteral("соединение не передаёт CW трансивером");
inline const QString kCannotPtt = QStringLiteral("соединение не включает передачу трансивера");

// The rig's PTT: off, or on with the audio of its microphone input or of its
// data input (the USB sound card of most current rigs).
enum class RigPtt { Off, Mic, Data };

struct RigReading
{
    double frequencyHz = 0;
    QString mode; // as Hamlib names it: "CW", "CWR", "USB", "PKTUSB", ...
};

class RigConnection
{
public:
    virtual ~RigConnection() = default;
    // An empty text on success, else why the rig cannot be reached.
    virtual QString open() = 0;
    // Called only while open. An empty text on success, else why not.
    virtual QString read(RigReading& reading) = 0;
    // Called only while open: tunes the rig; an empty mode keeps the rig's
    // mode, and its filter stays as the operator set it. An empty text on
    // success, else why not.
    virtual QString set(qint64 frequencyHz, const QString& mode);
    // The rig's own keyer, called only while open; each an empty text on
    // success, else why not. None waits for the code to be keyed.
    virtual QString sendMorse(const QByteArray& text) { return (void)text, kCannotKey; }
    virtual QString stopMorse() { return kCannotKey; }
    // Clamped to the rig's range of key speeds where it says one.
    virtual QString setKeySpeed(int wpm) { return (void)wpm, kCannotKey; }
    virtual QString readPtt(bool& on) { return (void)on, kCannotKey; }
    virtual QString setPtt(RigPtt ptt) { return (void)ptt, kCannotPtt; }
    virtual void close() = 0;
    // From another thread: makes a call in progress give up soon, where the
    // connection can (a network rig's socket is shut down).
    virtual void interrupt() {}
};

inline QString RigConnection::set(qint64, const QString&)
{
    return kCannotTune;
}

} // namespace radio
