// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/gui/KeyerWindowFixture.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

TEST_F(KeyerWindowTest, PlaceholdersTakeTheValuesOfTheMoment)
{
    startKeyer(station(QStringLiteral("Com1")), Mode::CW);
    type(QStringLiteral("ra3a"));
    key(Qt::Key_Return);
    type(QStringLiteral("59"));
    const struct
    {
        const char* macro;
        const char* keyed;
    } cases[] = {
        {"<MYCALL>", "UA9XX"},
        {"<CALL>", "RA3A"},
        {"<MN>", "15001"},
        {"<N>", "59"},
        {"<CALL> 5NN <N> TU", "RA3A5NN59TU"},
        {"<MYCALL><MYCALL>", "UA9XXUA9XX"},
        {"<M N>", "MN"}, // matched exactly: brackets and letters are skipped or keyed as they stand
    };
    for (const auto& c : cases) {
        setField(setup::kFMacroLines[0], QLatin1String(c.macro));
        lines.clear();
        key(Qt::Key_F1);
        EXPECT_EQ(sent(), QLatin1String(c.keyed)) << c.macro;
    }
    // The operator's call as the dialog shows it now.
    setField(setup::CallSign, QStringLiteral("R9AA"));
    setField(setup::kFMacroLines[0], QStringLiteral("<MYCALL>"));
    lines.clear();
    key(Qt::Key_F1);
    EXPECT_EQ(sent(), QStringLiteral("R9AA"));
}

TEST_F(KeyerWindowTest, EnterMacroFollowsTheLoggedContact)
{
    startKeyer(station(QStringLiteral("Com1"), {{setup::EnterMacro, QStringLiteral("<CALL><N>TU <MN>")}}), Mode::CW);
    logContact(QStringLiteral("RA3A"), QStringLiteral("59"));
    EXPECT_EQ(storedRecord(0).fields[logbook::Call], QStringLiteral("RA3A"));
    // The fields are empty by then; the exchange is that of the next contact.
    EXPECT_EQ(sent(), QStringLiteral("TU15002"));
    EXPECT_EQ(focused(), control<QLineEdit>("Edit1"));
}

TEST_F(KeyerWindowTest, SpaceInTheCallField)
{
    const struct
    {
        const char* port;
        Mode mode;
        const char* field;
        const char* keyed;
    } cases[] = {
        {"Com1", Mode::CW, "RA3B", "RA3?"},
        {"Com1", Mode::SSB, "RA3B", ""},
        {"None", Mode::CW, "RA3B", ""}, // a blank cannot stand in a call
        {"None", Mode::SSB, "RA3B", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.port) + (c.mode == Mode::CW ? " CW" : " SSB"));
        startKeyer(station(QLatin1String(c.port), {{setup::SpaceBarMacro, QStringLiteral("<CALL>?")}}), c.mode);
        type(QStringLiteral("RA3 B"));
        EXPECT_EQ(control<QLineEdit>("Edit1")->text(), QLatin1String(c.field));
        EXPECT_EQ(sent(), QLatin1String(c.keyed));
    }
}

TEST_F(KeyerWindowTest, SsbPlaysTheVoiceCallsAndSendsNothing)
{
    writeFile(QStringLiteral("CQ1.Wav"), "RIFF");
    startKeyer(station(QStringLiteral("Com1"), {{setup::kFMacroLines[0], QStringLiteral("CQ")},
                                                {setup::kCtrlMacroLines[0], QStringLiteral("CQ")},
                                                {setup::kFMacroLines[2], QStringLiteral("CQ")}}),
               Mode::SSB);
    EXPECT_EQ(player1.opened, QStringList {QStringLiteral("CQ1.Wav")});
    EXPECT_TRUE(player2.opened.isEmpty());

    key(Qt::Key_F1);
    key(Qt::Key_F1);
    EXPECT_EQ(player1.plays, 2);
    key(Qt::Key_F2); // no CQ2.Wav: nothing
    EXPECT_EQ(player2.plays, 0);
    EXPECT_TRUE(lines.switches().empty()); // voice never keys PTT without a PTT chosen
    EXPECT_EQ(player1.plays, 2);
    EXPECT_TRUE(dialogs.errors.isEmpty());

    // A file recorded after the last activation has no player open yet.
    writeFile(QStringLiteral("CQ2.Wav"), "RIFF");
    key(Qt::Key_F2);
    EXPECT_EQ(dialogs.errors, QStringList {QStringLiteral("No MCI device open.")});
}

TEST_F(KeyerWindowTest, EveryFunctionKeySendsItsMacroInBothBanks)
{
    QStringList l = station(QStringLiteral("Com1"));
    for (int i = 0; i < 12; ++i) {
        l[setup::kFMacroLines[size_t(i)]] = QChar(u'A' + i);
        l[setup::kCtrlMacroLines[size_t(i)]] = QChar(u'M' + i);
    }
    startKeyer(l, Mode::CW);
    for (int i = 0; i < 12; ++i) {
        for (const bool ctrl : {false, true}) {
            lines.clear();
            functionKey(i, ctrl);
            EXPECT_EQ(sent(), QString(QChar((ctrl ? u'M' : u'A') + i))) << "F" << i + 1 << (ctrl ? " with Ctrl" : "");
            EXPECT_EQ(lines.rises(ModemLine::RTS), 1);
        }
    }
}

TEST_F(KeyerWindowTest, FunctionKeysNeedTheEntryFocusButF10Not)
{
    startKeyer(station(QStringLiteral("Com1"), {{setup::kFMacroLines[0], QStringLiteral("E")},
                                                {setup::kFMacroLines[9], QStringLiteral("T")},
                                                {setup::kCtrlMacroLines[9], QStringLiteral("I")}}),
               Mode::CW);
    const std::pair<const char*, std::function<void()>> focusOn[] = {
        {"call field", [this] { control<QLineEdit>("Edit1")->setFocus(); }},
        {"received field",
         [this] {
             if (control<QLineEdit>("Edit2")->isHidden()) {
                 type(QStringLiteral("RA3A"));
                 key(Qt::Key_Return);
             }
             control<QLineEdit>("Edit2")->setFocus();
         }},
        {"grid", [this] { control("StringGrid1")->setFocus(); }},
        {"help", [this] { key(Qt::Key_H, Qt::AltModifier); }},
    };
    for (const auto& [where, focus] : focusOn) {
        SCOPED_TRACE(where);
        const bool entry = QLatin1String(where).endsWith(QLatin1String("field"));
        focus();
        lines.clear();
        functionKey(0, false);
        EXPECT_EQ(sent(), entry ? QStringLiteral("E") : QString());

        focus();
        lines.clear();
        press(Qt::Key_F10);
        EXPECT_TRUE(lines.switches().empty()); // F10 acts on its release
        release(Qt::Key_F10);
        EXPECT_EQ(sent(), QStringLiteral("T"));
        EXPECT_TRUE(focused() == control("Edit1") || focused() == control("Edit2")); // back to the entry line

        focus();
        lines.clear();
        functionKey(9, true);
        EXPECT_EQ(sent(), QStringLiteral("I"));
    }
    // Nothing in the window takes F10 for itself.
    for (const QAction* a : form1->findChildren<QAction*>())
        EXPECT_FALSE(a->shortcuts().contains(QKeySequence(Qt::Key_F10))) << a->objectName().toStdString();
    EXPECT_TRUE(form1->findChildren<QShortcut*>().isEmpty());
}

// Which caption a button shows is the transmit rules' (tested there); the
// window holds the bank while Ctrl alone is down, over every button.
TEST_F(KeyerWindowTest, CtrlHeldAloneRelabelsTheButtons)
{
    QStringList l = station(QStringLiteral("Com1"));
    QStringList fCaptions, ctrlCaptions;
    for (int i = 0; i < 12; ++i) {
        fCaptions << QStringLiteral("F%1").arg(i + 1);
        ctrlCaptions << QStringLiteral("C%1").arg(i + 1);
        l[setup::kFCaptionLines[size_t(i)]] = fCaptions.last();
        l[setup::kCtrlCaptionLines[size_t(i)]] = ctrlCaptions.last();
    }
    writeStationData(l);

    startKeyer(Mode::CW);
    EXPECT_EQ(captions(), fCaptions);
    press(Qt::Key_Control, Qt::ControlModifier);
    EXPECT_EQ(captions(), ctrlCaptions);
    press(Qt::Key_Control, Qt::ControlModifier); // auto-repeat
    EXPECT_EQ(captions(), ctrlCaptions);
    release(Qt::Key_Control);
    EXPECT_EQ(captions(), fCaptions);

    // Captions edited in the dialog show at the next Ctrl press or key release.
    setField(setup::kFCaptionLines[0], QStringLiteral("TEST"));
    setField(setup::kCtrlCaptionLines[0], QStringLiteral("AGN"));
    EXPECT_EQ(captions().first(), QStringLiteral("F1"));
    press(Qt::Key_Control, Qt::ControlModifier);
    EXPECT_EQ(captions().first(), QStringLiteral("AGN"));
    release(Qt::Key_Control);
    EXPECT_EQ(captions().first(), QStringLiteral("TEST"));
}

TEST_F(KeyerWindowTest, ButtonClickedWithTheCtrlLayerOnSendsItsCtrlMacro)
{
    startKeyer(station(QStringLiteral("Com1"), {{setup::kFMacroLines[2], QStringLiteral("A")},
                                                {setup::kCtrlMacroLines[2], QStringLiteral("N")}}),
               Mode::SSB);
    auto* button3 = control<QPushButton>("BitBtn3");
    QTest::mouseClick(button3, Qt::LeftButton);
    EXPECT_EQ(sent(), QString()); // SSB

    // Ctrl held in SSB, then the mode panel clicked: the layer is still on.
    press(Qt::Key_Control, Qt::ControlModifier);
    QTest::mouseClick(control("Panel7"), Qt::LeftButton);
    ASSERT_EQ(form1->session().mode(), Mode::CW);
    control("StringGrid1")->setFocus(); // the operator was in the grid
    QTest::mouseClick(button3, Qt::LeftButton);
    EXPECT_EQ(sent(), QStringLiteral("N"));
    EXPECT_EQ(focused(), control<QLineEdit>("Edit1")); // back to the entry line

    release(Qt::Key_Control);
    lines.clear();
    control("StringGrid1")->setFocus();
    QTest::mouseClick(button3, Qt::LeftButton);
    EXPECT_EQ(sent(), QStringLiteral("A"));
    EXPECT_EQ(focused(), control<QLineEdit>("Edit1"));
}

TEST_F(KeyerWindowTest, PortAndTxDelayAtTheFirstShow)
{
    const struct
    {
        const char* port; // nullptr: no station data file at all
        const char* txDelay;
        const char* deviceError;
        const char* errorBox; // expected among the error boxes; "" for none at all
        bool portSet;
        int txDelayTime;
        int openedPort;
    } cases[] = {
        {nullptr, "", "", "'' is not a valid integer value.", false, 10, 0},
        {"", "25", "", "'' is not a valid integer value.", false, 25, 0},
        {"Com3", "25", "ie_BadId - Specified comport doesn't exist", "ie_BadId - Specified comport doesn't exist.", true, 25, 0},
        {"Com1", "25", "", "", true, 25, 1},
        {"Com7", "", "", "", true, 10, 7},
        {"None", "25", "", "", false, 25, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.port ? c.port : "no station data");
        QFile::remove(QStringLiteral("Mydata.kvl"));
        if (c.port)
            writeRawStationData(station(QLatin1String(c.port), {{setup::TxDelay, QLatin1String(c.txDelay)}}));
        dialogs.errors.clear();
        lines.openError = QLatin1String(c.deviceError);
        startKeyer(Mode::CW);
        if (*c.errorBox)
            EXPECT_TRUE(dialogs.errors.contains(QLatin1String(c.errorBox))) << dialogs.errors.join(QLatin1Char('|')).toStdString();
        else
            EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(QLatin1Char('|')).toStdString();
        EXPECT_EQ(form1->transmitter().portSet(), c.portSet);
        EXPECT_EQ(form1->transmitter().keyer().TxDelayTime(), c.txDelayTime);
        EXPECT_EQ(lines.openedPort, c.openedPort);

        // The window runs on: a contact is logged (on a first start no contest
        // is chosen yet, so the call stays in its field), and F1 keys only an
        // opened port.
        setField(setup::kFMacroLines[0], QStringLiteral("E"));
        if (c.port) {
            logContact(QStringLiteral("RA3A"), QStringLiteral("59"));
            EXPECT_EQ(form1->session().contacts().cell(form1->session().logbook().currentRow() - 1, logbook::Call), QStringLiteral("RA3A"));
        } else {
            type(QStringLiteral("RA3A "));
            EXPECT_EQ(control<QLineEdit>("Edit1")->text(), QStringLiteral("RA3A")); // no port, no macro; no blank in a call
        }
        lines.clear();
        key(Qt::Key_F1);
        const auto s = lines.switches();
        if (c.openedPort == 0) {
            EXPECT_TRUE(s.empty());
            continue;
        }
        ASSERT_EQ(s.size(), 4u); // +RTS +DTR -DTR -RTS
        EXPECT_EQ(s[1].at - s[0].at, Micros(c.txDelayTime) * 1000);
        lines.openError.clear();
    }
}

TEST_F(KeyerWindowTest, OperatorWorksOnWhileAMessageIsKeyed)
{
    startKeyer(station(QStringLiteral("Com1"), {{setup::kFMacroLines[0], QStringLiteral("TEST")},
                                                {setup::kFMacroLines[1], QStringLiteral("EEE")},
                                                {setup::EnterMacro, QStringLiteral("TU")},
                                                {setup::SpaceBarMacro, QStringLiteral("<CALL>")}}),
               Mode::CW);
    duringMessage(60, [this] { // inside the dash of the T
        type(QStringLiteral("ra3a "));
        EXPECT_EQ(control<QLineEdit>("Edit1")->text(), QStringLiteral("RA3A")); // the space is swallowed
        key(Qt::Key_F2); // refused: a message is on its way
        key(Qt::Key_Return);
        type(QStringLiteral("59"));
        key(Qt::Key_Return); // logged; its Enter macro refused
        time.release();
    });
    key(Qt::Key_F1);
    EXPECT_TRUE(insideMessage);
    EXPECT_EQ(sent(), QStringLiteral("TEST"));
    EXPECT_EQ(lines.rises(ModemLine::RTS), 1);
    EXPECT_FALSE(lines.lastState(ModemLine::RTS));
    EXPECT_EQ(storedRecord(0).fields[logbook::Call], QStringLiteral("RA3A"));
    EXPECT_EQ(storedRecord(0).fields[logbook::Received], QStringLiteral("59"));
    EXPECT_EQ(storedState().nextRow, 2);
    EXPECT_FALSE(form1->transmitter().sending());

    lines.clear(); // and the keyer takes the next message
    key(Qt::Key_F2);
    EXPECT_EQ(sent(), QStringLiteral("EEE"));
}

TEST_F(KeyerWindowTest, EscAbortsTheMessageAfterTheCharacterInProgress)
{
    startKeyer(station(QStringLiteral("Com1"), {{setup::kFMacroLines[0], QStringLiteral("TEST")}}), Mode::CW);
    duringMessage(60, [this] {
        key(Qt::Key_Escape);
        time.release();
    });
    key(Qt::Key_F1);
    EXPECT_TRUE(insideMessage);
    EXPECT_EQ(sent(), QStringLiteral("T"));
    EXPECT_FALSE(lines.lastState(ModemLine::DTR));
    EXPECT_FALSE(lines.lastState(ModemLine::RTS));

    lines.clear(); // the abort belonged to that message only
    key(Qt::Key_F1);
    EXPECT_EQ(sent(), QStringLiteral("TEST"));
}

TEST_F(KeyerWindowTest, SpeedKeysApplyToTheDashInProgress)
{
    startKeyer(station(QStringLiteral("Com1"), {{setup::kFMacroLines[0], QStringLiteral("TT")}}), Mode::CW);
    const struct
    {
        std::vector<Qt::Key> keys;
        int dashTime;
    } cases[] = {
        {{Qt::Key_PageUp}, 145},
        {{Qt::Key_PageDown, Qt::Key_PageDown}, 160},
        {{Qt::Key_PageUp, Qt::Key_PageUp, Qt::Key_PageUp}, 135},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dashTime);
        key(Qt::Key_C, Qt::AltModifier); // back to 150
        lines.clear();
        duringMessage(60, [this, &c] {
            for (const Qt::Key k : c.keys)
                key(k);
            time.release();
        });
        key(Qt::Key_F1);
        EXPECT_TRUE(insideMessage);
        EXPECT_EQ(keyDowns(), (std::vector<Micros> {Micros(c.dashTime) * 1000, Micros(c.dashTime) * 1000}));
        EXPECT_EQ(form1->transmitter().keyer().DashTime(), c.dashTime);
    }
}

TEST_F(KeyerWindowTest, ClosingTheWindowInsideAMessageLeavesBothLinesOff)
{
    startKeyer(station(QStringLiteral("Com1"), {{setup::kFMacroLines[0], QStringLiteral("TEST")}}), Mode::CW);
    bool closed = false;
    bool endedByTheClose = false;
    QObject::connect(form1.get(), &TForm1::closed, form1.get(), [&closed] { closed = true; });
    duringMessage(60, [this, &endedByTheClose] {
        EXPECT_TRUE(lines.lastState(ModemLine::DTR)); // key down, PTT on
        EXPECT_TRUE(lines.lastState(ModemLine::RTS));
        form1->close(); // the keying still stands: the close alone must end the message
        endedByTheClose = !lines.lastState(ModemLine::DTR) && !lines.lastState(ModemLine::RTS) && !form1->transmitter().sending();
        time.release(); // lets a broken close fail instead of hanging
    });
    key(Qt::Key_F1);
    EXPECT_TRUE(insideMessage);
    EXPECT_TRUE(endedByTheClose);
    EXPECT_TRUE(closed);
    EXPECT_FALSE(form1->isVisible());
    EXPECT_FALSE(lines.lastState(ModemLine::DTR));
    EXPECT_FALSE(lines.lastState(ModemLine::RTS));
    EXPECT_EQ(lines.openedPort, 0);
    EXPECT_FALSE(form1->transmitter().sending());

    // Nothing keys after the close, and taking the window down switches nothing more.
    const size_t switches = lines.switches().size();
    key(Qt::Key_F1);
    form2.reset();
    form1.reset();
    EXPECT_EQ(lines.switches().size(), switches);
}

TEST_F(KeyerWindowTest, ABadVoiceFileIsReportedOnceUntilItChanges)
{
    writeFile(QStringLiteral("CQ1.Wav"), "not a wave");
    writeFile(QStringLiteral("CQ2.Wav"), "RIFF");
    player1.refuse = true;
    startKeyer(station(QStringLiteral("None")), Mode::SSB);
    const QString error = QStringLiteral("The file is not wave audio.");
    EXPECT_EQ(dialogs.errors, QStringList {error});

    // The error box takes the activation and gives it back: no box again.
    QWidget other;
    const auto reactivate = [&] {
        other.show();
        other.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
        form1->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form1.get()));
    };
    reactivate();
    reactivate();
    EXPECT_EQ(dialogs.errors, QStringList {error});
    EXPECT_TRUE(player2.isOpen()); // the player after it opens again

    writeFile(QStringLiteral("CQ1.Wav"), "still not a wave");
    reactivate();
    EXPECT_EQ(dialogs.errors, (QStringList {error, error}));

    player1.refuse = false;
    writeFile(QStringLiteral("CQ1.Wav"), "RIFF wave");
    reactivate();
    EXPECT_EQ(player1.opened, QStringList {QStringLiteral("CQ1.Wav")});
    key(Qt::Key_F1);
    EXPECT_EQ(player1.plays, 1);
}
