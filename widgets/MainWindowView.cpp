// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/MainWindowView.h"

#include "common/LatinKeys.h"
#include "log/Contact.h"
#include "scoring/CallsScan.h"
#include "session/ContestSession.h"
#include "widgets/BandPanels.h"
#include "widgets/ContactGridView.h"
#include "widgets/MacroButtons.h"
#include "widgets/MasterCallsLine.h"
#include "widgets/Panel.h"
#include "widgets/StatusLine.h"
#include "widgets/UpperCaseValidator.h"
#include "widgets/WidgetStyle.h"
#include "widgets/WindowParts.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

using namespace windowparts;

namespace {

constexpr int kClientWidth = 626;
constexpr int kClientHeight = 376;
constexpr int kSideMargin = 10;     // of the F-key row and the status line
constexpr int kMasterLineTop = 228; // under the log calls line

Panel* leftPanel(QWidget* parent, const char* name, const QString& caption, int y)
{
    const QString objectName = QLatin1String(name);
    return place(new Panel(objectName, caption, parent), objectName, 24, y, 84, 24);
}

} // namespace

MainWindowView::MainWindowView(logbook::ContactLog& contacts, const session::ContestSession& session,
                               const keyer::CwKeyer& keyer, const Clock& clock, QWidget* parent)
    : ScalableClient(QSize(kClientWidth, kClientHeight), kSideMargin, parent)
{
    resize(kClientWidth, kClientHeight);
    buildLeftColumn();
    buildCentre(contacts);
    buildUnderGrid(session, keyer, clock);
    masterLine = new MasterCallsLine(this);
    masterLine->setGeometry(115, kMasterLineTop, 399, MasterCallsLine::Height);
    masterLine->hide();
    bands = new BandPanels(this);
    macroButtons = new MacroButtons(this);
    setStretches();
}

void MainWindowView::buildLeftColumn()
{
    Panel7 = leftPanel(this, "Panel7", QStringLiteral("SSB"), 10);
    Panel9 = leftPanel(this, "Panel9", QStringLiteral("0"), 39);
    leftPanel(this, "Panel10", QString(), 68);
    leftPanel(this, "Panel11", QString(), 97);
    Panel12 = leftPanel(this, "Panel12", QStringLiteral("DELETE QSO"), 126);
    Label1 = place(new Panel(QStringLiteral("Label1"), QStringLiteral("00:00"), this), QStringLiteral("Label1"), 26, 154, 88, 26);
    Label1->setFrameStyle(QFrame::NoFrame);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Label1->setAutoFillBackground(false);
    Label1->setFont(widgetstyle::serifFont(21, true));
    Label1->setCursor(Qt::PointingHandCursor);
}

void MainWindowView::buildCentre(logbook::ContactLog& contacts)
{
    StringGrid1 = new ContactGridView(contacts, this);
    StringGrid1->setGeometry(115, 10, 399, 179);
    Edit1 = entryField(this, QStringLiteral("Edit1"), QRect(265, 164, 81, 22), 9, latinkeys::callText);
    Edit2 = entryField(this, QStringLiteral("Edit2"), QRect(419, 164, 66, 22),
                       session::ContestSession::PlainReceivedLimit, latinkeys::latinText);
    Memo1 = helpPanel(this);
}

void MainWindowView::buildUnderGrid(const session::ContestSession& session, const keyer::CwKeyer& keyer,
                                    const Clock& clock)
{
    Edit3 = callsLine(this, QStringLiteral("Edit3"), 187, QStringLiteral("white"));
    Edit4 = callsLine(this, QStringLiteral("Edit4"), 206, QStringLiteral("yellow"));
    Label25 = place(new QLabel(this), QStringLiteral("Label25"), 114, 228, 500, 20);
    Label25->setFont(widgetstyle::sansFont(16));
    Label25->setStyleSheet(QStringLiteral("color: red;"));
    Panel8 = place(new Panel(QStringLiteral("Panel8"), QStringLiteral("Новый тур"), this), QStringLiteral("Panel8"), 115, 250, 400, 38);
    Panel8->setFont(widgetstyle::sansFont(32, true));
    Panel8->setCaptionColor(Qt::blue);
    Panel8->hide();
    // In the free band between the new sub-tour panel and the F-key captions.
    statusLine = place(new StatusLine(session, keyer, clock, this), QStringLiteral("StatusLine"), 10, 292, 606, 26);
    Memo1->raise();
}

// The grid and the help over it take the extra room; the lines under the grid
// move down with it and take the width; the band panels stay at its right edge.
void MainWindowView::setStretches()
{
    capture();
    setStretch(StringGrid1, Stretch::Wider | Stretch::Taller);
    setStretch(Memo1, Stretch::Wider | Stretch::Taller);
    QWidget* const linesUnderGrid[] = {Edit3, Edit4, Label25, Panel8, statusLine};
    for (QWidget* line : linesUnderGrid)
        setStretch(line, Stretch::MoveDown | Stretch::Wider);
    for (int band = 0; band < logbook::kBandCount; ++band) {
        setStretch(bands->panel(band), Stretch::MoveRight);
        setStretch(bands->box(band), Stretch::MoveRight);
    }
    for (int i = 1; i <= 12; ++i) {
        for (const QString& name : {QStringLiteral("LabelF%1"), QStringLiteral("BitBtn%1")})
            setStretch(findChild<QWidget*>(name.arg(i)), Stretch::MoveDown | Stretch::Spread);
    }
    for (QWidget* placedAfterLayout : std::initializer_list<QWidget*> {Edit1, Edit2, masterLine})
        setStretch(placedAfterLayout, Stretch::Manual);
    connect(this, &ScalableClient::laidOut, this, &MainWindowView::placeEntryFields);
    connect(StringGrid1, &ContactGridView::columnsFitted, this, &MainWindowView::placeEntryFields);
}

// The entry fields lie over their cells of the grid's bottom line; the dupe
// warning under the lowest calls line shown.
void MainWindowView::placeEntryFields()
{
    Edit1->setGeometry(StringGrid1->entryCellRect(logbook::Call, 81));
    Edit2->setGeometry(StringGrid1->entryCellRect(logbook::Received, 66));
    const QLineEdit* lowest = Edit4->isHidden() ? Edit3 : Edit4;
    Label25->move(Label25->x(), placeMasterLine(lowest->geometry().bottom() + 2));
}

// Under the lowest calls line shown, as wide as it.
int MainWindowView::placeMasterLine(int top)
{
    if (!m_masterShift)
        return top;
    masterLine->setGeometry(Edit3->x(), top, Edit3->width(), scaled(MasterCallsLine::Height));
    return top + masterLine->height();
}

// While a master file is in use the line opens a row of its own under the
// calls lines: what lies below moves down.
int MainWindowView::openMasterRow(bool inUse)
{
    const int shift = inUse ? MasterCallsLine::Height : 0;
    const int delta = shift - m_masterShift;
    if (delta == 0)
        return 0;
    m_masterShift = shift;
    masterLine->setVisible(inUse);
    openRow(kMasterLineTop, shift);
    placeEntryFields();
    return scaled(delta);
}

void MainWindowView::setTextScale(double scale)
{
    setScale(scale);
    StringGrid1->setTextScale(scale);
    bands->setScale(scale);
    placeEntryFields();
}

void MainWindowView::showChanges(const session::Changes& changes, const session::ContestSession& session)
{
    if (changes.band) {
        showEntryPhase(session.entryPhase());
        bands->showSelected(session.selectedBand());
    }
    if (changes.mode)
        Panel7->setText(logbook::modeText(session.mode()));
    if (changes.counters)
        bands->showCounters(session.state().bandCounters);
    if (changes.restore)
        Panel12->setText(session.restorePending() ? QStringLiteral("RESTORE QSO") : QStringLiteral("DELETE QSO"));
    if (changes.subTour)
        Panel8->setVisible(session.subTourPending());
    if (changes.callsLine)
        showCallsLine(session.state().callsLineShown());
    if (changes.scan)
        showScan(session.lastScan());
    if (changes.warning)
        Label25->setText(*changes.warning);
    if (changes.currentRow)
        StringGrid1->selectGridRow(session.currentRow());
    if (changes.status)
        statusLine->showFileNotice(*changes.status);
    else
        statusLine->refresh();
    if (Edit1->text().isEmpty()) // a completed contact empties the master line
        masterLine->setCalls({});
}

void MainWindowView::setReceivedLimit(int limit)
{
    Edit2->findChild<UpperCaseValidator*>()->setTypedLimit(limit); // the field owns its validator
}

void MainWindowView::showEntryPhase(session::EntryPhase phase)
{
    Edit1->setVisible(phase != session::EntryPhase::Closed);
    Edit2->setVisible(phase == session::EntryPhase::Received);
    focusEntry(phase);
}

void MainWindowView::focusEntry(session::EntryPhase phase)
{
    QLineEdit* const typedIn[] = {nullptr, Edit1, Edit2}; // by phase: closed, call, received
    if (QLineEdit* field = typedIn[int(phase)])
        field->setFocus();
}

void MainWindowView::showScan(const scoring::CallsScanResult& scan)
{
    bands->setMarks(scan.marks);
    Label25->setText(scan.error.value_or(scan.dupeWarning));
    if (scan.error)
        return;
    Edit3->setText(scan.subTourLine);
    Edit4->setText(scan.logLine);
}

void MainWindowView::showCallsLine(bool shown)
{
    Edit4->setVisible(shown);
    placeEntryFields(); // the warning follows the lowest line
}
