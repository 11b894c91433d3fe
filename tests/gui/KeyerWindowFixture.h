// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tests/gui/MainWindowFixture.h"

#include "keyer/MorseTable.h"
#include "setup/SetupFields.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>

// The main window driving the keying port. The keyer runs on time that can
// stand still in the middle of a message, so that a test can act while the
// window runs inside the message.
class KeyerWindowTest : public MainWindowTest
{
protected:
    using Micros = keyer::Micros;
    using ModemLine = keyer::ModemLine;
    using Mode = logbook::Mode;

    // At the start speed a dot is 50 ms and a dash 150 ms; inside a character
    // the key is up 50 ms, between characters 100 ms.
    static constexpr Micros kDashAtLeast = 100'000;
    static constexpr Micros kCharacterGapAtLeast = 75'000;

    HoldingKeyerTime time;
    FakePortDevice lines {time};
    bool insideMessage = false;

    void TearDown() override
    {
        time.release(); // a failed test must not leave the keying thread standing
        MainWindowTest::TearDown();
    }

    static QStringList station(const QString& port, std::initializer_list<std::pair<int, QString>> more = {})
    {
        QStringList l = stationLines(more);
        l[setup::CallSign] = l[setup::CallSign].isEmpty() ? QStringLiteral("UA9XX") : l[setup::CallSign];
        l[setup::Coordinates] = QStringLiteral("15");
        l[setup::ContestVariant] = QStringLiteral("Others");
        l[setup::Port] = port;
        return l;
    }
    static void writeRawStationData(const QStringList& l)
    {
        writeFile(QStringLiteral("Mydata.kvl"), logbook::cp1251::encode(l.join(QStringLiteral("\r\n"))) + "\r\n");
    }

    void startKeyer(Mode mode)
    {
        form2.reset();
        form1.reset();
        KvlWindows windows = createWindows({clock, dialogs, lines, time, player1, player2, &ports});
        form1 = std::move(windows.main);
        form2 = std::move(windows.setup);
        form1->show();
        QApplication::processEvents();
        form1->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form1.get()));
        if (form1->session().mode() != mode)
            key(Qt::Key_M, Qt::AltModifier);
        ASSERT_EQ(form1->session().mode(), mode);
        lines.clear();
    }
    void startKeyer(const QStringList& stationLines, Mode mode)
    {
        writeStationData(stationLines);
        startKeyer(mode);
    }

    // One key event, `held` being the modifiers the window's handlers see:
    // pressing Ctrl already reports Ctrl held, releasing it no longer does.
    // (The event is built with the state before the key, as the platform
    // reports it; QKeyEvent::modifiers() then accounts for the key itself.)
    void sendKey(QEvent::Type type, int k, Qt::KeyboardModifiers held)
    {
        if (k == Qt::Key_Control)
            held ^= Qt::ControlModifier;
        QKeyEvent e(type, k, held);
        QApplication::sendEvent(focused() ? focused() : form1.get(), &e);
    }
    void press(int k, Qt::KeyboardModifiers held = Qt::NoModifier) { sendKey(QEvent::KeyPress, k, held); }
    void release(int k, Qt::KeyboardModifiers held = Qt::NoModifier) { sendKey(QEvent::KeyRelease, k, held); }
    void functionKey(int index, bool ctrl)
    {
        const Qt::KeyboardModifiers mods = ctrl ? Qt::ControlModifier : Qt::NoModifier;
        if (ctrl)
            press(Qt::Key_Control, Qt::ControlModifier);
        press(Qt::Key_F1 + index, mods);
        release(Qt::Key_F1 + index, mods);
        if (ctrl)
            release(Qt::Key_Control);
    }

    static QString decode(const QString& code)
    {
        const QString table = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789?");
        for (const QChar c : table)
            if (QLatin1String(keyer::morseCode(c)) == code)
                return c;
        return QStringLiteral("#");
    }
    // The text keyed on DTR since the last clear.
    QString sent() const
    {
        QString text;
        for (const QString& code : lines.keyed(kDashAtLeast, kCharacterGapAtLeast).split(QLatin1Char(' '), Qt::SkipEmptyParts))
            text += decode(code);
        return text;
    }
    std::vector<Micros> keyDowns() const
    {
        std::vector<Micros> lengths;
        Micros down = 0;
        for (const FakePortDevice::Switch& s : lines.switches()) {
            if (s.line == ModemLine::DTR && s.on)
                down = s.at;
            else if (s.line == ModemLine::DTR)
                lengths.push_back(s.at - down);
        }
        return lengths;
    }

    // A field of the setup dialog, edited while the program runs.
    void setField(int line, const QString& text)
    {
        for (const setup::SetupField& f : setup::setupFields())
            if (f.line == line)
                return form2->findChild<QLineEdit*>(f.control)->setText(text);
        FAIL() << "no field owns line " << line;
    }
    QStringList captions() const
    {
        QStringList c;
        for (int i = 1; i <= 12; ++i)
            c << control<QPushButton>(qPrintable(QStringLiteral("BitBtn%1").arg(i)))->text();
        return c;
    }

    // Runs `action` inside the next message, once its keying stands `holdMs`
    // after PTT on; `insideMessage` tells whether it really ran there.
    void duringMessage(int holdMs, std::function<void()> action)
    {
        insideMessage = false;
        time.holdAfterMs(holdMs);
        QTimer::singleShot(0, form1.get(), [this, action] {
            insideMessage = time.waitUntilHeld() && form1->transmitter().sending();
            action();
        });
    }
};
