// Transmitter control: the keying port, the Morse keyer's hooks, the macros of
// the function keys, Enter and the space bar, and the voice messages.
#include "TForm1.h"

#include "Panel.h"

#include <QKeyEvent>

void TForm1::OpenKeyingPort()
{
    ApdComPort1.openFromSetting(settings().port());
}

void TForm1::ReadTxDelay()
{
    m_keyer.ReadTxDelay(settings().txDelay());
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

bool TForm1::portSet() const
{
    return ApdComPort1.portSet();
}

bool TForm1::sending() const
{
    return m_keyer.Sending() == 1;
}

void TForm1::keyerHooks(QKeyEvent* e)
{
    m_keyer.keyHooks(e->key(), e->modifiers());
}

void TForm1::Panel9Click()
{
    const bool shortZero = Panel9->text() == QLatin1String("0");
    Panel9->setText(shortZero ? QStringLiteral("0 короткий") : QStringLiteral("0"));
    m_keyer.setShortZero(shortZero);
}

// ---- Still to come: the macros and the Ctrl layer ----

void TForm1::EnterMacro() {}
void TForm1::SpaceBarMacro() {}
void TForm1::MacroButtonClick(int) {}
void TForm1::CtrlMacro(int) {}
void TForm1::CtrlLayer(bool) {}
