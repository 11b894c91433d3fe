// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

// A keyer that times the code itself: the host hands it the text and the
// speed, and it says when the message has ended. The operator's keyer
// (CwKeyer) drives one of these instead of its own DTR/RTS timing when one is
// chosen in setup. Nothing here may wait on the device: every call returns at
// once, and what the device says arrives through the handlers, on the thread
// that owns the device.
namespace keyer {

class KeyerDevice
{
public:
    using Ended = std::function<void()>;
    using Problem = std::function<void(const QString& text)>;

    virtual ~KeyerDevice() = default;

    // Set before open(). `ended`: the message handed to send() has been
    // keyed, or stopped. `problem`: a text for the operator; each trouble is
    // said once, until the device answers again.
    void setHandlers(Ended ended, Problem problem)
    {
        m_ended = std::move(ended);
        m_problem = std::move(problem);
    }

    // Takes the device over at `wpm`; a failure is said, and the device then
    // keys nothing.
    virtual void open(int wpm) = 0;
    // Hands over 'A'–'Z', '0'–'9' and '?' only.
    virtual void send(const QByteArray& text) = 0;
    // Ends the message in progress with PTT off.
    virtual void stop() = 0;
    virtual void setSpeed(int wpm) = 0;
    // The transmitter's delay from PTT on to the first element.
    virtual void setTxDelay(int ms) = 0;
    // PTT alone, for voice messages; a device without one ignores it.
    virtual void setPtt(bool on) { (void)on; }
    // The message has taken longer than its text can: the device has not said so.
    virtual void overdue() = 0;
    // Gives the device back at exit (after stopping a message in progress).
    virtual void close() = 0;

protected:
    void messageEnded()
    {
        if (m_ended)
            m_ended();
    }
    void sayOnce(const QString& text)
    {
        if (m_troubleSaid)
            return;
        m_troubleSaid = true;
        if (m_problem)
            m_problem(text);
    }
    void answered()
    {
        if (!m_troubleSaid)
            return;
        m_troubleSaid = false;
        if (m_problem)
            m_problem(QString());
    }

private:
    Ended m_ended;
    Problem m_problem;
    bool m_troubleSaid = false;
};

// What a device is given of a message: exactly the characters the DTR keyer
// keys ('0' as 'T' under short zero), nothing else, so that no control
// character of any device's protocol can reach it.
QByteArray deviceText(const QString& text, bool shortZero);

// The speed of a dash time: a dot is a third of the dash, 1200 ms / dot WPM.
int wordsPerMinute(int dashTime);

// How long a device has for `text` before a message it never says has ended
// is taken as ended: the text's time at the speed, the PTT lead, two seconds.
int deviceAllowanceMs(const QByteArray& text, int dashTime, int txDelayMs);

} // namespace keyer
