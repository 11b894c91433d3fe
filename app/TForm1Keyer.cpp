// Transmitter control: the keying port, the Morse keyer's hooks, the macros of
// the function keys, Enter and the space bar, and the voice messages.
#include "app/TForm1.h"
#include "widgets/MainWindowView.h"

#include "common/Dialogs.h"
#include "keyer/KeyerSettings.h"
#include "keyer/Macros.h"
#include "radio/CatKeyerDevice.h"
#include "radio/CatPttSwitch.h"
#include "widgets/KeyChord.h"
#include "widgets/MacroButtons.h"
#include "widgets/Panel.h"
#include "widgets/StatusLine.h"

#include <QKeyEvent>
#include <QLineEdit>

using logbook::Mode;

void TForm1::OpenKeyingPort()
{
    const keyer::KeyerSettingsRead& read = m_ini.keyer();
    OpenKeyerDevice(read);
    OpenVoicePtt(read);
    ApdComPort1.openFromSetting(settings().port());
}

// The keyer of kvl.ini, once per run; its troubles show in the status line,
// never in a box that would take the keys from the operator.
void TForm1::OpenKeyerDevice(const keyer::KeyerSettingsRead& read)
{
    m_view->statusLine->showKeyer(read.problem);
    m_keyerDevice = read.settings.kind == keyer::KeyerKind::Cat ? std::make_unique<radio::CatKeyerDevice>(*m_rig)
                                                                : keyer::makeKeyerDevice(read.settings);
    if (!m_keyerDevice)
        return;
    m_keyer.setDevice(m_keyerDevice.get(), [this](const QString& text) { m_view->statusLine->showKeyer(text); });
    m_keyerDevice->open(keyer::wordsPerMinute(m_keyer.DashTime()));
}

// A keyer's own PTT needs that keyer chosen for CW; otherwise the voice calls
// key nothing, and the status line says why.
void TForm1::OpenVoicePtt(const keyer::KeyerSettingsRead& read)
{
    using keyer::VoicePtt;
    std::unique_ptr<keyer::PttSwitch> ptt;
    const VoicePtt path = read.settings.voicePtt;
    const auto deviceOf = [&](keyer::KeyerKind kind, const char* name) -> std::unique_ptr<keyer::PttSwitch> {
        if (read.settings.kind == kind && m_keyerDevice)
            return std::make_unique<keyer::DevicePtt>(*m_keyerDevice);
        m_view->statusLine->showKeyer(QStringLiteral("PTT для голоса через %1, а манипуляция не %1: PTT не включается")
                                    .arg(QLatin1String(name)));
        return nullptr;
    };
    if (path == VoicePtt::CatMic || path == VoicePtt::CatData)
        ptt = std::make_unique<radio::CatPttSwitch>(*m_rig, path == VoicePtt::CatMic ? radio::RigPtt::Mic
                                                                                    : radio::RigPtt::Data);
    else if (path == VoicePtt::Rts)
        ptt = std::make_unique<keyer::LinePtt>(m_portLines.voiceHand());
    else if (path == VoicePtt::WinKeyer)
        ptt = deviceOf(keyer::KeyerKind::WinKeyer, "WinKeyer");
    else if (path == VoicePtt::CwDaemon)
        ptt = deviceOf(keyer::KeyerKind::CwDaemon, "cwdaemon");
    m_voice.setPtt(std::move(ptt), [this](const QString& text) { m_view->statusLine->showPttTrouble(text); });
}

void TForm1::ReadTxDelay()
{
    m_keyer.ReadTxDelay(settings().txDelay());
    m_voice.setTxDelay(m_keyer.TxDelayTime());
}

void TForm1::ClosePort()
{
    // A message being keyed ends at once with both lines off.
    m_keyer.shutdown();
    ApdComPort1.setOpen(false);
}

void TForm1::OpenVoiceFiles()
{
    m_voice.OpenVoiceFiles();
}

// Every rule of the macro keys asks this: who keys does not matter.
bool TForm1::portSet() const
{
    return m_keyerDevice || ApdComPort1.portSet();
}

bool TForm1::sending() const
{
    return m_keyer.Sending() == 1;
}

void TForm1::keyerHooks(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape)
        m_voice.stop(); // a voice call on the air ends at once, PTT off
    const int dashTime = m_keyer.DashTime();
    m_keyer.keyHooks(keychord::latinKey(e), e->modifiers()); // Alt+C on either layout
    // The new speed shows at once, also while a message goes out.
    if (m_keyer.DashTime() != dashTime)
        m_view->statusLine->refresh();
}

void TForm1::Panel9Click()
{
    m_keyer.setShortZero(!m_keyer.shortZero());
    m_view->Panel9->setText(m_keyer.shortZero() ? QStringLiteral("0 короткий") : QStringLiteral("0"));
}

// ---- Macros and the Ctrl layer ----

session::TransmitState TForm1::transmitState() const
{
    return {m_session.mode(), portSet(), sending(), m_voice.onAir(), m_ctrlLayer};
}

// The rules say what goes on the air; a click must not leave the focus off
// the entry line.
void TForm1::transmitKey(session::TransmitKey key, int index)
{
    AC();
    const session::Transmit transmit = session::transmitFor(key, index, transmitState(), settings());
    if (transmit.voiceCall)
        m_voice.play(transmit.voiceCall);
    if (transmit.macro)
        Macros(*transmit.macro);
}

// Returns only when the message has ended; the window keeps running meanwhile,
// so nothing after this call may rely on the state from before it.
void TForm1::Macros(const QString& macroText)
{
    const keyer::MacroValues values {settings().callSign(), m_view->Edit1->text(),
                                     m_session.contacts().cell(m_session.currentRow(), logbook::Sent), m_view->Edit2->text()};
    ApdComPort1.reopenIfLost();
    keyer::Macros(macroText, values, m_keyer);
    if (const std::optional<QString> loss = ApdComPort1.takeLineLoss())
        m_dialogs.showError(errorBoxText(*loss));
    m_view->statusLine->refresh();
}

// The captions come from the setup fields as they stand, so an edit there
// shows at the next Ctrl press or key release.
void TForm1::CtrlLayer(bool on)
{
    m_ctrlLayer = on;
    if (m_session.mode() != Mode::CW)
        return;
    m_view->macroButtons->setCaptions([&](int i) { return on ? settings().ctrlCaption(i) : settings().fCaption(i); });
}
