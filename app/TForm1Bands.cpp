// Bands and modes: the band panels, the mode panel, the function-key captions
// that follow the mode, the sent exchange and the entry focus rule.
#include "TForm1.h"

#include "BandPanels.h"
#include "Panel.h"

#include <QLineEdit>
#include <QPushButton>

using logbook::Mode;

void TForm1::SelectBand(int band)
{
    if (!m_bands->isSelectable(band))
        return;
    m_bandChanged = true;
    Edit1->show();
    AC();
    m_selectedBand = band;
    m_log.state().bandMode = logbook::bandModeWord(band, m_mode);
    m_bands->showSelected(band);
    prefillCurrentRow();
    WriteCfgFile();
}

void TForm1::BandUp()
{
    if (m_selectedBand >= 0)
        SelectBand((m_selectedBand + 1) % logbook::kBandCount);
}

void TForm1::BandDown()
{
    if (m_selectedBand >= 0)
        SelectBand((m_selectedBand + logbook::kBandCount - 1) % logbook::kBandCount);
}

void TForm1::Panel7Click()
{
    m_mode = Panel7->text() == logbook::modeText(Mode::SSB) ? Mode::CW : Mode::SSB;
    Panel7->setText(logbook::modeText(m_mode));
    refreshCaption();
    if (m_selectedBand >= 0)
        m_log.state().bandMode = logbook::bandModeWord(m_selectedBand, m_mode);
    m_grid.setCell(m_log.currentRow(), logbook::BandMode, m_log.state().bandMode);
    WriteBitBtn();
    WriteCfgFile();
}

void TForm1::CheckBoxMouseUp(int band)
{
    AC();
    SelectBand(band);
}

void TForm1::RestoreBandAndMode()
{
    m_mode = Mode::SSB;
    Panel7->setText(logbook::modeText(m_mode));
    if (const auto restored = logbook::parseBandModeWord(m_log.state().bandMode)) {
        m_mode = restored->mode;
        Panel7->setText(logbook::modeText(m_mode));
        SelectBand(restored->band);
    }
    WriteBitBtn();
    m_bandChanged = false;
}

void TForm1::WriteBitBtn()
{
    const std::optional<Mode> shown = logbook::modeFromText(Panel7->text());
    if (!shown)
        return;
    for (int i = 0; i < int(m_macroButtons.size()); ++i) {
        QString caption;
        if (*shown == Mode::CW)
            caption = m_stationData.value(setup::kFCaptionLines[size_t(i)]);
        else if (i < 2)
            caption = QStringLiteral("CQ%1").arg(i + 1);
        m_macroButtons[size_t(i)]->setText(caption);
    }
}

void TForm1::prefillCurrentRow()
{
    const int row = m_log.currentRow();
    Izero(row);
    m_grid.setCell(row, logbook::BandMode, m_log.state().bandMode);
}

void TForm1::Izero(int row)
{
    m_grid.setCell(row, logbook::Sent, logbook::sentExchange(m_coordinates, row));
}

void TForm1::AC()
{
    if (!Edit1->isHidden())
        Edit1->setFocus();
    if (!Edit2->isHidden())
        Edit2->setFocus();
}

void TForm1::WriteCheckBox()
{
    m_bands->showCounters(m_log.state().bandCounters);
}

void TForm1::SumCheckBox()
{
    if (m_selectedBand >= 0)
        ++m_log.state().bandCounters[size_t(m_selectedBand)];
}
