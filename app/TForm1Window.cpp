// The window's size, place and text size: the layout as the window grows,
// the text-size commands, and keeping all three in kvl.ini.
#include "app/TForm1.h"

#include "common/Dialogs.h"
#include "widgets/MainWindowView.h"

#include <QGuiApplication>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

void TForm1::buildTextSizeMenu(QMenu* parent)
{
    QMenu* menu = parent->addMenu(QStringLiteral("Размер текста"));
    menu->setObjectName(QStringLiteral("TextSize"));
    const std::pair<QString, int> items[] = {{QStringLiteral("Крупнее\tCtrl++"), +1},
                                             {QStringLiteral("Мельче\tCtrl+-"), -1},
                                             {QStringLiteral("Обычный\tCtrl+0"), 0}};
    for (const auto& [caption, step] : items)
        menu->addAction(caption, this, [this, step = step] { runGuarded([this, step] { changeTextSize(step); }); });
}

void TForm1::changeTextSize(int step)
{
    m_window.textSize = step == 0 ? setup::kNormalTextSize : setup::nextTextSize(m_window.textSize, step);
    applyTextSize();
    if (m_shown)
        keepOnScreen();
    saveWindow();
}

void TForm1::applyTextSize()
{
    m_view->setTextScale(m_window.textSize / 100.0);
    scaleMenus();
}

// The menu bar and its menus lie outside the client: their text follows here.
void TForm1::scaleMenus()
{
    QFont scaled = font();
    scaled.setPixelSize(m_view->scaled(font().pixelSize()));
    menuBar()->setFont(scaled);
    for (QMenu* menu : menuBar()->findChildren<QMenu*>())
        menu->setFont(scaled);
}

// The text grows the window from its top-left corner; a window that would
// then pass its screen's free area moves back inside it, or shrinks to it.
void TForm1::keepOnScreen()
{
    if (isMaximized() || isFullScreen() || !screen())
        return;
    layout()->activate(); // the window takes the smallest size of the new text now
    const QRect inner = geometry();
    const QRect frame = frameGeometry();
    const QMargins border(inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
                          frame.bottom() - inner.bottom());
    const QRect fitted = setup::fitOnScreen(frame, minimumSizeHint().grownBy(border), screen()->availableGeometry());
    if (fitted != frame)
        setGeometry(fitted.marginsRemoved(border));
}

// A place on a screen no longer there is left for the middle of the screen;
// a window grown with its text is kept inside its screen. The master line's
// row is not in the saved height: it is added while a master file is in use.
void TForm1::restoreWindow()
{
    const setup::WindowSettingsRead& read = m_ini.window();
    m_window = read.settings;
    if (read.problem)
        m_dialogs.showError(errorBoxText(*read.problem));
    applyTextSize();
    if (const std::optional<QRect>& saved = m_window.geometry) {
        const QScreen* screen = QGuiApplication::screenAt(saved->center());
        QRect placed = saved->adjusted(0, 0, 0, m_view->masterRowPixels());
        if (!screen) {
            screen = QGuiApplication::primaryScreen();
            placed.moveCenter(screen->availableGeometry().center());
        }
        setGeometry(setup::fitOnScreen(placed, minimumSizeHint(), screen->availableGeometry()));
        m_placed = true;
    }
    if (m_window.maximised)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void TForm1::saveWindow()
{
    if (m_shown) {
        m_window.geometry = normalGeometry().adjusted(0, 0, 0, -m_view->masterRowPixels());
        m_window.maximised = isMaximized();
    }
    m_ini.setWindow(m_window);
}
