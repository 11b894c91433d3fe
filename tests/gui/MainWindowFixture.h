// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/KvlWindows.h"
#include "common/Cp1251.h"
#include "log/Contact.h"
#include "log/ContactGrid.h"
#include "log/StateRecord.h"
#include "tests/support/DeviceFakes.h"
#include "tests/support/Fakes.h"
#include "tests/support/WorkDir.h"

#include <QApplication>
#include <QTest>
#include <memory>

// Starts the program as its entry does: the main window, then the setup
// dialog, in a fresh working directory.
class MainWindowTest : public WorkDirTest
{
protected:
    FakeClock clock;
    FakeDialogs dialogs;
    keyer::VirtualKeyerTime keyerTime;
    FakePortDevice port {keyerTime};
    FakeVoicePlayer player1;
    FakeVoicePlayer player2;
    FakePortEnumerator ports; // none present unless a test says so
    // The rig of kvl.ini, where a test writes one; through Hamlib unless set.
    radio::RigPoller::ConnectionFactory rigConnection;
    radio::RigTiming rigTiming;
    radio::UdpSender::SinkFactory udpSink; // the network unless set
    keyer::AudioStorage audioStorage;      // the disk unless set
    QString manualFile;                    // none shipped unless set
    std::unique_ptr<TForm1> form1;
    std::unique_ptr<TForm2> form2;

    void TearDown() override
    {
        form2.reset();
        form1.reset();
        WorkDirTest::TearDown();
    }

    // No keying port unless the lines choose one.
    static void writeStationData(QStringList lines)
    {
        while (lines.size() < 105)
            lines << QString();
        if (lines[setup::Port].isEmpty())
            lines[setup::Port] = QStringLiteral("None");
        writeFile(QStringLiteral("Mydata.kvl"), logbook::cp1251::encode(lines.join(QStringLiteral("\r\n"))) + "\r\n");
    }
    static QStringList stationLines(std::initializer_list<std::pair<int, QString>> values)
    {
        QStringList lines(105, QString());
        for (const auto& [line, text] : values)
            lines[line] = text;
        return lines;
    }

    void start()
    {
        startWithPlayers(player1, player2);
    }
    void startWithPlayers(keyer::VoicePlayer& voice1, keyer::VoicePlayer& voice2)
    {
        form2.reset(); // a child of the main window: it goes first
        form1.reset();
        MainWindowServices services {clock,    dialogs,       port,      keyerTime, voice1,      voice2,
                                     &ports,   rigConnection, rigTiming, udpSink,   audioStorage};
        services.manualFile = manualFile;
        KvlWindows windows = createWindows(services);
        form1 = std::move(windows.main);
        form2 = std::move(windows.setup);
    }
    void startShown()
    {
        start();
        form1->show();
        QApplication::processEvents();
    }

    // Shown and active, so that keys reach the focused field as they do for the operator.
    void startActive()
    {
        startShown();
        form1->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form1.get()));
    }
    QWidget* focused() const { return form1->focusWidget(); }
    template <class W = QWidget>
    W* control(const char* name) const
    {
        return form1->findChild<W*>(QLatin1String(name));
    }
    void type(const QString& text) { QTest::keyClicks(focused(), text); }
    void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) { QTest::keyClick(focused(), k, mods); }
    // Call, Enter, exchange, Enter: one contact.
    void logContact(const QString& call, const QString& exchange)
    {
        type(call);
        key(Qt::Key_Return);
        type(exchange);
        key(Qt::Key_Return);
    }

    static logbook::StateRecord storedState()
    {
        const QByteArray b = readFile(QStringLiteral("cfg.kvl"));
        return b.size() >= 52 ? logbook::StateRecord::decode(b.constData()) : logbook::StateRecord {};
    }
    static logbook::Contact storedRecord(int index)
    {
        const QByteArray b = readFile(QStringLiteral("system.kvl"));
        return b.size() >= (index + 1) * 59 ? logbook::Contact::decode(b.constData() + index * 59)
                                            : logbook::Contact {};
    }
};
