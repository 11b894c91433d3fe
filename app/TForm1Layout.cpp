// Building the main window's controls: positions, sizes, captions and colours.
#include "app/TForm1.h"

#include "common/LatinKeys.h"
#include "widgets/BandPanels.h"
#include "widgets/ContactGridView.h"
#include "widgets/MacroButtons.h"
#include "widgets/Panel.h"
#include "widgets/ScalableClient.h"
#include "widgets/StatusLine.h"
#include "widgets/WidgetStyle.h"
#include "widgets/WindowParts.h"

#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>

using namespace windowparts;

namespace {

constexpr int kClientWidth = 626;
constexpr int kClientHeight = 376;
constexpr int kSideMargin = 10; // of the F-key row and the status line

} // namespace

void TForm1::buildWindow()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Velmar ver 3.01"));
    setFont(widgetstyle::sansFont(13));
    // Today's size is the smallest; the controls are built at it.
    auto* client = m_client = new ScalableClient(QSize(kClientWidth, kClientHeight), kSideMargin, this);
    client->resize(kClientWidth, kClientHeight);
    setCentralWidget(client);
    buildMenu();
    buildLeftColumn(client);
    buildCentre(client);
    buildUnderGrid(client);
    buildMasterLine(client);
    m_bands = new BandPanels(client);
    m_macroButtons = new MacroButtons(client);
    setStretches();
}

void TForm1::buildLeftColumn(QWidget* client)
{
    Panel7 = place(new Panel(QStringLiteral("Panel7"), QStringLiteral("SSB"), client), QStringLiteral("Panel7"), 24, 10, 84, 24);
    Panel9 = place(new Panel(QStringLiteral("Panel9"), QStringLiteral("0"), client), QStringLiteral("Panel9"), 24, 39, 84, 24);
    place(new Panel(QStringLiteral("Panel10"), QString(), client), QStringLiteral("Panel10"), 24, 68, 84, 24);
    place(new Panel(QStringLiteral("Panel11"), QString(), client), QStringLiteral("Panel11"), 24, 97, 84, 24);
    Panel12 = place(new Panel(QStringLiteral("Panel12"), QStringLiteral("DELETE QSO"), client), QStringLiteral("Panel12"), 24, 126, 84, 24);
    Label1 = place(new Panel(QStringLiteral("Label1"), QStringLiteral("00:00"), client), QStringLiteral("Label1"), 26, 154, 88, 26);
    Label1->setFrameStyle(QFrame::NoFrame);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Label1->setAutoFillBackground(false);
    connect(Label1, &Panel::clicked, this, [this] { runGuarded([this] { Label1Click(); }); });
    Label1->setFont(widgetstyle::serifFont(21, true));
    Label1->setCursor(Qt::PointingHandCursor);
}

void TForm1::buildCentre(QWidget* client)
{
    StringGrid1 = new ContactGridView(m_session.contacts(), client);
    StringGrid1->setGeometry(115, 10, 399, 179);

    Edit1 = entryField(client, QStringLiteral("Edit1"), QRect(265, 164, 81, 22), 9, latinkeys::callText);
    Edit2 = entryField(client, QStringLiteral("Edit2"), QRect(419, 164, 66, 22), 8, latinkeys::latinText);

    Memo1 = helpPanel(client);
}

void TForm1::buildUnderGrid(QWidget* client)
{
    Edit3 = callsLine(client, QStringLiteral("Edit3"), 187, QStringLiteral("white"));
    Edit4 = callsLine(client, QStringLiteral("Edit4"), 206, QStringLiteral("yellow"));
    Label25 = place(new QLabel(client), QStringLiteral("Label25"), 114, 228, 500, 20);
    Label25->setFont(widgetstyle::sansFont(16));
    Label25->setStyleSheet(QStringLiteral("color: red;"));
    Panel8 = place(new Panel(QStringLiteral("Panel8"), QStringLiteral("Новый тур"), client), QStringLiteral("Panel8"), 115, 250, 400, 38);
    Panel8->setFont(widgetstyle::sansFont(32, true));
    Panel8->setCaptionColor(Qt::blue);
    Panel8->hide();
    // In the free band between the new sub-tour panel and the F-key captions.
    m_statusLine = place(new StatusLine(m_session, m_keyer, m_clock, client), QStringLiteral("StatusLine"), 10, 292, 606, 26);
    Memo1->raise();
}

void TForm1::buildMenu()
{
    QMenu* file = File1 = menuBar()->addMenu(QStringLiteral("&Файл"));
    file->setObjectName(QStringLiteral("File1"));
    giveKeysBackAfter(file);
    QAction* setupItem = file->addAction(QStringLiteral("&Установки"), this, [this] { runGuarded([this] { N1Click(); }); });
    setupItem->setObjectName(QStringLiteral("N1"));
    file->addSeparator();
    file->addAction(QStringLiteral("&Выход"), this, [this] { runGuarded([this] { N3Click(); }); })->setObjectName(QStringLiteral("N3"));

    QMenu* service = Service1 = menuBar()->addMenu(QStringLiteral("&Сервис"));
    service->setObjectName(QStringLiteral("Service1"));
    giveKeysBackAfter(service);
    service->addAction(QStringLiteral("&Режим редактора"))->setObjectName(QStringLiteral("N5"));
    service->addSeparator();
    service->addAction(QStringLiteral("&Очистка ЛОГа"), this, [this] { runGuarded([this] { N7Click(); }); })->setObjectName(QStringLiteral("N7"));
    service->addSeparator();
    service->addAction(QStringLiteral("&Help"))->setObjectName(QStringLiteral("N9"));
    service->addSeparator();
    N11 = service->addAction(QStringLiteral("Строка позывных"), this, [this] { runGuarded([this] { N11Click(); }); });
    N11->setObjectName(QStringLiteral("N11"));
    N11->setCheckable(true);
    N11->setChecked(true);
    QAction* N12 = service->addAction(QStringLiteral("CW (0 \\ T)"), this, [this] { runGuarded([this] { Panel9Click(); }); });
    N12->setObjectName(QStringLiteral("N12"));
    buildTextSizeMenu(service);
}
