#pragma once

#include <QString>

// The rig as the poller sees it: open, read the frequency and mode, close.
// Every call may block for as long as the rig takes to answer (bounded by
// the connection's own timeouts); the poller calls them from its own thread
// only.
namespace radio {

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
    virtual void close() = 0;
};

} // namespace radio
