// Building the main window: its client area and its menus.
#include "app/TForm1.h"

#include "scoring/MasterCallsLoader.h"
#include "widgets/MainWindowView.h"
#include "widgets/WidgetStyle.h"
#include "widgets/WindowKeeper.h"

#include <QMenuBar>

void TForm1::buildWindow()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Velmar ver 3.01"));
    setFont(widgetstyle::sansFont(13));
    // Today's size is the smallest; the controls are built at it.
    m_view = new MainWindowView(m_session.contacts(), m_session, m_transmitter.keyer(), m_clock, this);
    setCentralWidget(m_view);
    m_windowKeeper = std::make_unique<WindowKeeper>(*this, *m_view, m_ini);
    buildMenu();
    m_master = new scoring::MasterCallsLoader(this);
    connectMasterLine();
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
    m_windowKeeper->buildTextSizeMenu(service, [this](int step) { runGuarded([this, step] { m_windowKeeper->changeTextSize(step); }); });
}
