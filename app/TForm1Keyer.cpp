// SPDX-License-Identifier: GPL-3.0-or-later
// Transmitter control: the keying port, the Morse keyer's hooks, the macros of
// the function keys, Enter and the space bar, and the voice messages.
#include "app/TForm1.h"

#include "common/Dialogs.h"
#include "widgets/MacroButtons.h"
#include "widgets/Panel.h"
#include "widgets/StatusLine.h"
#include "widgets/MainWindowView.h"

#include <QLineEdit>

// The keyer of kvl.ini, once per run; its troubles show in the status line,
// never in a box that would take the keys from the operator.
void TForm1::OpenKeyingPort()
{
    m_transmitter.open(
        m_ini.keyer(), settings().port(), *m_rig, [this](const QString& text) { m_view->statusLine->showKeyer(text); },
        [this](const QString& text) { m_view->statusLine->showPttTrouble(text); });
}

void TForm1::Panel9Click()
{
    m_view->Panel9->setText(m_transmitter.toggleShortZero() ? QStringLiteral("0 короткий") : QStringLiteral("0"));
}

// The rules say what goes on the air; a click must not leave the focus off
// the entry line. A macro returns only when the message has ended; the window
// keeps running meanwhile, so nothing after it may rely on the state from
// before it.
void TForm1::transmitKey(session::TransmitKey key, int index)
{
    AC();
    const session::Transmit transmit = session::transmitFor(key, index, transmitState(), settings());
    const keyer::MacroValues values {settings().callSign(), m_view->Edit1->text(),
                                     m_session.contacts().cell(m_session.currentRow(), logbook::Sent),
                                     m_view->Edit2->text()};
    if (const std::optional<QString> loss = m_transmitter.send(transmit, values))
        m_dialogs.showError(errorBoxText(*loss));
    m_view->statusLine->refresh();
}

session::TransmitState TForm1::transmitState() const
{
    session::TransmitState state = m_transmitter.state(m_session.mode(), m_ctrlLayer);
    state.recording = m_voiceRecorder->recording();
    return state;
}

// The captions come from the setup fields as they stand, so an edit there
// shows at the next Ctrl press or key release.
void TForm1::CtrlLayer(bool on)
{
    m_ctrlLayer = on;
    WriteBitBtn();
}

void TForm1::WriteBitBtn()
{
    m_view->macroButtons->setCaptions(
        [&](int i) { return session::macroCaption(i, m_session.mode(), m_ctrlLayer, settings()); });
}
