// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/WindowKeeper.h"

#include "widgets/MainWindowView.h"

#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

WindowKeeper::WindowKeeper(QMainWindow& window, MainWindowView& view, setup::IniStore& ini)
    : m_window(window), m_view(view), m_ini(ini)
{
}

// A place on a screen no longer there is left for the middle of the screen;
// a window grown with its text is kept inside its screen.
std::optional<QString> WindowKeeper::restore()
{
    const setup::WindowSettingsRead& read = m_ini.window();
    m_settings = read.settings;
    applyTextSize();
    if (const std::optional<QRect>& saved = m_settings.geometry) {
        const QScreen* screen = QGuiApplication::screenAt(saved->center());
        QRect placed = saved->adjusted(0, 0, 0, m_view.masterRowPixels());
        if (!screen) {
            screen = QGuiApplication::primaryScreen();
            placed.moveCenter(screen->availableGeometry().center());
        }
        m_window.setGeometry(setup::fitOnScreen(placed, m_window.minimumSizeHint(), screen->availableGeometry()));
        m_placed = true;
    }
    if (m_settings.maximised)
        m_window.setWindowState(m_window.windowState() | Qt::WindowMaximized);
    return read.problem;
}

void WindowKeeper::save()
{
    if (m_shown) {
        m_settings.geometry = m_window.normalGeometry().adjusted(0, 0, 0, -m_view.masterRowPixels());
        m_settings.maximised = m_window.isMaximized();
    }
    m_ini.setWindow(m_settings);
}

void WindowKeeper::buildTextSizeMenu(QMenu* parent, const std::function<void(int)>& step)
{
    QMenu* menu = parent->addMenu(QStringLiteral("Размер текста"));
    menu->setObjectName(QStringLiteral("TextSize"));
    const std::pair<QString, int> items[] = {{QStringLiteral("Крупнее\tCtrl++"), +1},
                                             {QStringLiteral("Мельче\tCtrl+-"), -1},
                                             {QStringLiteral("Обычный\tCtrl+0"), 0}};
    for (const auto& [caption, by] : items)
        menu->addAction(caption, menu, [step, by = by] { step(by); });
}

void WindowKeeper::changeTextSize(int step)
{
    m_settings.textSize = step == 0 ? setup::kNormalTextSize : setup::nextTextSize(m_settings.textSize, step);
    applyTextSize();
    if (m_shown)
        keepOnScreen();
    save();
}

void WindowKeeper::applyTextSize()
{
    m_view.setTextScale(m_settings.textSize / 100.0);
    scaleMenus();
}

// The menu bar and its menus lie outside the client: their text follows here.
void WindowKeeper::scaleMenus()
{
    QFont scaled = m_window.font();
    scaled.setPixelSize(m_view.scaled(m_window.font().pixelSize()));
    QMenuBar* bar = m_window.menuBar();
    bar->setFont(scaled);
    for (QMenu* menu : bar->findChildren<QMenu*>())
        menu->setFont(scaled);
}

// The text grows the window from its top-left corner; a window that would
// then pass its screen's free area moves back inside it, or shrinks to it.
void WindowKeeper::keepOnScreen()
{
    if (m_window.isMaximized() || m_window.isFullScreen() || !m_window.screen())
        return;
    m_window.layout()->activate(); // the window takes the smallest size of the new text now
    const QRect inner = m_window.geometry();
    const QRect frame = m_window.frameGeometry();
    const QMargins border(inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
                          frame.bottom() - inner.bottom());
    const QRect fitted =
        setup::fitOnScreen(frame, m_window.minimumSizeHint().grownBy(border), m_window.screen()->availableGeometry());
    if (fitted != frame)
        m_window.setGeometry(fitted.marginsRemoved(border));
}

// Placed before its frame was known, the window may pass the screen's edge by
// the frame: it knows the frame now.
void WindowKeeper::framed()
{
    if (!m_framed)
        keepOnScreen();
    m_framed = true;
}
