// Contest variants, points, the calls lines with the repeat-contact check, and
// the contest report.
#include "TForm1.h"

#include "BandPanels.h"
#include "CallsScan.h"
#include "ContestVariant.h"
#include "Dialogs.h"
#include "Panel.h"
#include "Points.h"
#include "Report.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

using namespace logbook;

namespace {
constexpr int kWarningTopWithLogLine = 228;
constexpr int kWarningTopWithoutLogLine = 209;
} // namespace

void TForm1::LoadAsiaBase()
{
    m_base.loadAsiaBase();
}

void TForm1::LoadRaBase()
{
    m_base.loadRaBase(settings().contestVariant());
}

void TForm1::StringOfCalls()
{
    const int row = m_log.currentRow();
    const scoring::CallsScanResult scan = scoring::StringOfCalls(
        {Edit1->text(), m_log.state().subTourStart, row, Panel7->text(), m_grid.cell(row, BandMode),
         m_log.state().callsLineShown(), !Panel8->isHidden()},
        m_log.logFile());
    m_bands->setMarks(scan.marks);
    Label25->setText(scan.dupeWarning);
    m_dupeCall = scan.dupeCall;
    m_rememberedExchange = scan.rememberedExchange;
    if (scan.error)
        throw KvlError(*scan.error);
    Edit3->setText(scan.subTourLine);
    Edit4->setText(scan.logLine);
}

// ContestAsia, ContestRA and ContestOthers differ only in the base lookup.
void TForm1::CallEntered()
{
    const std::optional<scoring::ContestVariant> variant = scoring::contestVariant(settings().contestVariant());
    if (!variant)
        return;
    if (!m_dupeCall.isEmpty()) {
        Edit1->clear();
        Edit2->clear();
    }
    if (Edit1->text().isEmpty())
        return;
    if (Edit2->text().isEmpty()) {
        Edit2->setText(m_rememberedExchange);
        if (Edit2->text().isEmpty())
            lookUpBase(*variant);
    }
    Edit2->end(false);
    m_grid.setCell(m_log.currentRow(), Call, Edit1->text());
    Edit2->show();
    AC();
}

void TForm1::lookUpBase(scoring::ContestVariant variant)
{
    std::optional<QString> value;
    if (variant == scoring::ContestVariant::RA)
        value = scoring::RABase(Edit1->text(), m_base);
    else if (variant == scoring::ContestVariant::Asia)
        value = scoring::AsiaBase(Edit1->text(), m_base);
    if (value)
        Edit2->setText(*value);
}

bool TForm1::Edit2KeyPress(QKeyEvent* e)
{
    if (scoring::contestVariant(settings().contestVariant()) != scoring::ContestVariant::Asia)
        return false;
    switch (scoring::asiaReceivedKey(e->text().at(0))) {
    case scoring::ReceivedKey::Accept:
        return false;
    case scoring::ReceivedKey::BackToCall:
        Edit1->setFocus();
        return true;
    case scoring::ReceivedKey::Swallow:
        return true;
    }
    return false;
}

std::optional<QString> TForm1::ScoreRow(int row)
{
    const scoring::ContactScore score = scoring::scoreCompletedContact(
        settings().contestVariant(), m_grid.cell(row, Sent), m_grid.cell(row, Received), m_grid.cell(row, Points));
    m_grid.setCell(row, Points, score.cell);
    return score.error;
}

void TForm1::RescoreAll()
{
    scoring::rescoreGrid(m_grid, m_log.currentRow(), settings().contestVariant());
}

void TForm1::N11Click()
{
    const bool shown = N11->isChecked(); // the menu item has just toggled its mark
    m_log.state().callsLineFlag = shown ? 1 : 0;
    showCallsLine(shown);
    WriteCfgFile();
}

void TForm1::ShowCallsLineFlag()
{
    const bool shown = m_log.state().callsLineShown();
    N11->setChecked(shown);
    showCallsLine(shown);
}

void TForm1::showCallsLine(bool shown)
{
    Edit4->setVisible(shown);
    Label25->move(Label25->x(), shown ? kWarningTopWithLogLine : kWarningTopWithoutLogLine);
}

void TForm1::CreateReport()
{
    scoring::CreateReport(scoring::loggedRows(m_grid, m_log.currentRow()), modeWord(m_mode), settings());
}
