// Bands and modes: the band panels, the mode panel, the function-key captions
// that follow the mode, and the entry focus rule.
#include "app/TForm1.h"

#include "widgets/BandPanels.h"
#include "widgets/MainWindowView.h"
#include "widgets/MacroButtons.h"
#include "widgets/Panel.h"

#include <QLineEdit>

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
    m_view->macroButtons->setCaptions(
        [&](int i) { return session::macroCaption(i, m_session.mode(), m_ctrlLayer, settings()); });
}

void TForm1::AC()
{
    m_view->focusEntry(m_session.entryPhase());
}

void TForm1::showEntryPhase()
{
    m_view->showEntryPhase(m_session.entryPhase());
}

void TForm1::WriteCheckBox()
{
    m_view->bands->showCounters(m_session.state().bandCounters);
}
