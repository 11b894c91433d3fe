// SPDX-License-Identifier: GPL-3.0-or-later
// Building the main window: its client area and its menus.
#include "app/TForm1.h"

#include "common/Version.h"
#include "scoring/MasterCallsLoader.h"
#include "widgets/MainWindowView.h"
#include "widgets/BandMapWindow.h"
#include "widgets/ClusterWindow.h"
#include "widgets/MasterCallsLine.h"
#include "widgets/MenuKeys.h"
#include "widgets/StatisticsWindow.h"
#include "widgets/WidgetStyle.h"
#include "widgets/WindowKeeper.h"

#include <QMenuBar>

void TForm1::buildWindow()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Velmar ver ") + QLatin1String(kvl::kVersion));
    setFont(widgetstyle::sansFont(13));
    // Today's size is the smallest; the controls are built at it.
    m_view = new MainWindowView(m_session.contacts(), m_session, m_transmitter.keyer(), m_clock, this);
    setCentralWidget(m_view);
    buildStatistics();
    buildCluster();
    // The main window's text size, in the windows beside it too.
    connect(m_view, &ScalableClient::laidOut, this, [this] {
        const QFont scaled = widgetstyle::sansFont(m_view->scaled(font().pixelSize()));
        for (QWidget* side : {static_cast<QWidget*>(m_statistics), static_cast<QWidget*>(m_bandMap),
                              static_cast<QWidget*>(m_clusterWindow)})
            side->setFont(scaled);
        refreshBandMap(); // its rows are made in the window's font
    });
    m_windowKeeper = std::make_unique<WindowKeeper>(*this, *m_view, m_ini);
    buildMenu();
    m_master = new scoring::MasterCallsLoader(this);
    connect(m_view->masterLine, &MasterCallsLine::callClicked, this,
            [this](const QString& call) { runGuarded([this, call] { TakeMasterCall(call); }); });
    connect(m_master, &scoring::MasterCallsLoader::changed, this, [this] {
        layoutMasterLine();
        showMasterCalls();
    });
    connect(m_master, &scoring::MasterCallsLoader::failed, this,
            [this](const QString& message) { m_dialogs.showError(errorBoxText(message)); });
}

void TForm1::buildMenu()
{
    const auto item = [this](QMenu* menu, const QString& caption, const char* name, auto action) {
        QAction* added = menu->addAction(caption, this, [this, action] { runGuarded(action); });
        added->setObjectName(QLatin1String(name));
        return added;
    };
    const auto keysBack = [this] { AC(); };
    QMenu* file = File1 = menuBar()->addMenu(QStringLiteral("&Файл"));
    file->setObjectName(QStringLiteral("File1"));
    menukeys::giveKeysBack(this, file, keysBack);
    item(file, QStringLiteral("&Установки"), "N1", [this] { N1Click(); });
    file->addSeparator();
    item(file, QStringLiteral("&Выход"), "N3", [this] { close(); });

    QMenu* service = Service1 = menuBar()->addMenu(QStringLiteral("&Сервис"));
    service->setObjectName(QStringLiteral("Service1"));
    menukeys::giveKeysBack(this, service, keysBack);
    service->addAction(QStringLiteral("&Режим редактора"))->setObjectName(QStringLiteral("N5"));
    service->addSeparator();
    item(service, QStringLiteral("&Очистка ЛОГа"), "N7", [this] { ClearLog(); });
    service->addSeparator();
    item(service, QStringLiteral("&Help"), "N9", [this] { showManual(); });
    service->addSeparator();
    // The item has just toggled its mark.
    N11 = item(service, QStringLiteral("Строка позывных"), "N11",
               [this] { showChanges(m_session.setCallsLineShown(N11->isChecked())); });
    N11->setCheckable(true);
    N11->setChecked(true);
    item(service, QStringLiteral("CW (0 \\ T)"), "N12", [this] { Panel9Click(); });
    N13 = item(service, QStringLiteral("Статистика\tAlt+G"), "N13", [this] { toggleStatistics(); });
    N13->setCheckable(true);
    N14 = item(service, QStringLiteral("Карта диапазона\tAlt+K"), "N14", [this] { toggleBandMap(); });
    N14->setCheckable(true);
    N15 = item(service, QStringLiteral("Кластер\tAlt+L"), "N15", [this] { toggleClusterWindow(); });
    N15->setCheckable(true);
    item(service, QStringLiteral("Отправить спот"), "N16", [this] { sendSpot(); });
    m_windowKeeper->buildTextSizeMenu(service, [this](int step) { runGuarded([this, step] { m_windowKeeper->changeTextSize(step); }); });
}
