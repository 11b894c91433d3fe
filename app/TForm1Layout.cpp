// Building the main window's controls: positions, sizes, captions and colours.
#include "TForm1.h"

#include "BandPanels.h"
#include "ContactGridView.h"
#include "Panel.h"
#include "StatusLine.h"
#include "UpperCaseValidator.h"
#include "WidgetStyle.h"

#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

constexpr int kClientWidth = 626;
constexpr int kClientHeight = 376;
constexpr std::array<int, 12> kMacroButtonX = {10, 58, 106, 154, 218, 266, 314, 362, 426, 474, 522, 570};

template <class W>
W* place(W* widget, const QString& name, int x, int y, int w, int h)
{
    widget->setObjectName(name);
    widget->setGeometry(x, y, w, h);
    return widget;
}

// Typing stops at `typedLimit`; an exchange the program fills in may be longer.
QLineEdit* entryField(QWidget* parent, const QString& name, QRect geometry, int typedLimit)
{
    auto* edit = place(new QLineEdit(parent), name, geometry.x(), geometry.y(), geometry.width(), geometry.height());
    edit->setFrame(false);
    edit->setValidator(new UpperCaseValidator(edit, typedLimit));
    edit->setFont(widgetstyle::sansFont(13, true));
    edit->setStyleSheet(QStringLiteral("QLineEdit { background: blue; color: yellow; }"));
    edit->hide();
    return edit;
}

QLineEdit* callsLine(QWidget* parent, const QString& name, int y, const QString& colour)
{
    auto* edit = place(new QLineEdit(parent), name, 115, y, 399, 21);
    // No length limit: the scan stops a line once it holds 50 characters but
    // keeps the last call whole, so the line can be longer.
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    edit->setFont(widgetstyle::sansFont(13, true));
    edit->setStyleSheet(QStringLiteral("QLineEdit { background: #404040; color: %1; }").arg(colour));
    return edit;
}

const QStringList kHelpLines = {
    QStringLiteral("Alt + D            Удалить последнее qso."),
    QStringLiteral("Alt + E            Редактор."),
    QStringLiteral("Alt + T            Подтур принудительно."),
    QStringLiteral("Alt + B / V      Выбрать диапазон."),
    QStringLiteral("Alt + 0            Короткий 0 CW."),
    QStringLiteral("Alt + M           Mode CW \\ SSB."),
    QStringLiteral("Alt + C            CW сбросить скорость."),
    QStringLiteral("F1 - F12         CW \\ SSB макросы."),
    QStringLiteral("Ctrl                 CW 2 макросы."),
    QStringLiteral("Пробел         CW макросы."),
    QStringLiteral("Enter              CW макросы."),
    QStringLiteral("Page Up        CW скорость увеличить."),
    QStringLiteral("Page Down    CW скорость уменьшить."),
};

} // namespace

void TForm1::buildWindow()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Velmar ver 3.01"));
    setFont(widgetstyle::sansFont(13));
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(client);
    buildMenu();
    buildLeftColumn(client);
    buildCentre(client);
    buildUnderGrid(client);
    m_bands = new BandPanels(client);
    buildBottom(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TForm1::buildLeftColumn(QWidget* client)
{
    Panel7 = place(new Panel(QStringLiteral("Panel7"), QStringLiteral("SSB"), client), QStringLiteral("Panel7"), 24, 10, 84, 24);
    Panel9 = place(new Panel(QStringLiteral("Panel9"), QStringLiteral("0"), client), QStringLiteral("Panel9"), 24, 39, 84, 24);
    Panel10 = place(new Panel(QStringLiteral("Panel10"), QString(), client), QStringLiteral("Panel10"), 24, 68, 84, 24);
    Panel11 = place(new Panel(QStringLiteral("Panel11"), QString(), client), QStringLiteral("Panel11"), 24, 97, 84, 24);
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
    StringGrid1 = new ContactGridView(m_session.grid(), client);
    StringGrid1->setGeometry(115, 10, 399, 179);

    Edit1 = entryField(client, QStringLiteral("Edit1"), QRect(265, 164, 81, 22), 9);
    Edit2 = entryField(client, QStringLiteral("Edit2"), QRect(419, 164, 66, 22), 8);

    Memo1 = place(new QPlainTextEdit(client), QStringLiteral("Memo1"), 114, 10, 401, 217);
    Memo1->setReadOnly(true);
    Memo1->setFont(widgetstyle::sansFont(13, true));
    Memo1->setStyleSheet(QStringLiteral("QPlainTextEdit { background: black; color: white; }"));
    Memo1->setPlainText(kHelpLines.join(QLatin1Char('\n')));
    Memo1->hide();
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

void TForm1::buildBottom(QWidget* client)
{
    for (int i = 0; i < 12; ++i) {
        const QString n = QString::number(i + 1);
        auto* label = place(new QLabel(QStringLiteral("F") + n, client), QStringLiteral("LabelF") + n,
                            kMacroButtonX[size_t(i)], 322, 46, 16);
        label->setFont(widgetstyle::sansFont(11, true));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        auto* button = place(new QPushButton(client), QStringLiteral("BitBtn") + n, kMacroButtonX[size_t(i)], 342, 46, 25);
        button->setFocusPolicy(Qt::NoFocus);
        m_macroButtons[size_t(i)] = button;
    }
    m_macroButtons[0]->setText(QStringLiteral("CQ1"));
    m_macroButtons[1]->setText(QStringLiteral("CQ2"));
}

void TForm1::buildMenu()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&Файл"));
    file->setObjectName(QStringLiteral("File1"));
    QAction* setupItem = file->addAction(QStringLiteral("&Установки"), this, [this] { runGuarded([this] { N1Click(); }); });
    setupItem->setObjectName(QStringLiteral("N1"));
    file->addSeparator();
    file->addAction(QStringLiteral("&Выход"), this, [this] { runGuarded([this] { N3Click(); }); })->setObjectName(QStringLiteral("N3"));

    QMenu* service = menuBar()->addMenu(QStringLiteral("&Сервис"));
    service->setObjectName(QStringLiteral("Service1"));
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
    N12 = service->addAction(QStringLiteral("CW (0 \\ T)"), this, [this] { runGuarded([this] { Panel9Click(); }); });
    N12->setObjectName(QStringLiteral("N12"));
}
