// Bands and modes: the band panels, the mode panel, the function-key captions
// that follow the mode, and the entry focus rule.
#include "app/TForm1.h"

#include "widgets/BandPanels.h"
#include "widgets/MacroButtons.h"
#include "widgets/Panel.h"

#include <QLineEdit>

using logbook::Mode;

void TForm1::SelectBand(int band)
{
    showChanges(m_session.selectBand(band));
}

void TForm1::Panel7Click()
{
    showChanges(m_session.toggleMode());
}

void TForm1::CheckBoxMouseUp(int band)
{
    AC();
    SelectBand(band);
}

void TForm1::WriteBitBtn()
{
    const Mode mode = m_session.mode();
    m_macroButtons->setCaptions([&](int i) {
        if (mode == Mode::CW)
            return m_stationData.value(setup::kFCaptionLines[size_t(i)]);
        return i < 2 ? QStringLiteral("CQ%1").arg(i + 1) : QString();
    });
}

void TForm1::AC()
{
    const session::EntryPhase phase = m_session.entryPhase();
    if (phase == session::EntryPhase::Received)
        Edit2->setFocus();
    else if (phase == session::EntryPhase::Call)
        Edit1->setFocus();
}

// The entry fields as the session's entry phase has them, the focus in the one typed.
void TForm1::showEntryPhase()
{
    const session::EntryPhase phase = m_session.entryPhase();
    Edit1->setVisible(phase != session::EntryPhase::Closed);
    Edit2->setVisible(phase == session::EntryPhase::Received);
    AC();
}

void TForm1::WriteCheckBox()
{
    m_bands->showCounters(m_session.state().bandCounters);
}
