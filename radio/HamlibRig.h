// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "radio/RigConnection.h"
#include "radio/RigSettings.h"

#include <memory>
#include <mutex>

struct s_rig; // Hamlib's RIG

// The rig through Hamlib: any of its models on a serial port, or rigctld's
// network rig (model 2) on host:port. Every call to the rig gives up after a
// short timeout, so that the poller's thread never stays long in one.
namespace radio {

class HamlibRig : public RigConnection
{
public:
    explicit HamlibRig(RigSettings settings);
    ~HamlibRig() override;
    HamlibRig(const HamlibRig&) = delete;
    HamlibRig& operator=(const HamlibRig&) = delete;

    QString open() override;
    QString read(RigReading& reading) override;
    QString set(qint64 frequencyHz, const QString& mode) override;
    QString sendMorse(const QByteArray& text) override;
    QString stopMorse() override;
    QString setKeySpeed(int wpm) override;
    QString readPtt(bool& on) override;
    QString setPtt(RigPtt ptt) override;
    void close() override;
    void interrupt() override;

    // The open rig, for tests that turn the knobs of Hamlib's dummy rig.
    s_rig* handle() const { return m_rig; }

private:
    RigSettings m_settings;
    s_rig* m_rig = nullptr;
    void forgetSocket();
    // The rig from rig_init until it is closed, for interrupt() on another thread.
    std::mutex m_socketMutex;
    s_rig* m_opening = nullptr;
};

std::unique_ptr<RigConnection> hamlibConnection(const RigSettings& settings);

// Hamlib switches LC_NUMERIC to "C" around its calls and back to the name it
// read before, a name the switch has freed unless it was "C" already; and
// the switch is the whole process's. So the numeric locale is set to "C"
// once, on the main thread, before any rig is opened (Qt's own advice for
// programs that use the C library's number conversions). Qt's formatting
// does not depend on it.
void settleNumericLocaleForHamlib();

// A network rig's socket shut down to end a call must not end the program
// when Hamlib then writes to it: a broken pipe is an error return instead.
void ignoreBrokenPipes();

} // namespace radio
