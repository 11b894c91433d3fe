// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/SideWindow.h"

#include "widgets/KeyChord.h"

#include <QGuiApplication>
#include <QHideEvent>
#include <QScreen>
#include <QKeyEvent>

SideWindow::SideWindow(QWidget* parent, const QString& name, const QString& title, int closingKey)
    : QWidget(parent, Qt::Window), m_closingKey(closingKey)
{
    setObjectName(name);
    setWindowTitle(title);
    setAttribute(Qt::WA_WindowPropagation); // the main window's text size
}

void SideWindow::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Escape && keychord::noModifier(event))
        || (keychord::altOnly(event) && keychord::latinKey(event) == m_closingKey)) {
        hide();
        return;
    }
    QWidget::keyPressEvent(event);
}

void SideWindow::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous())
        Q_EMIT hidden();
}

void SideWindow::keepIn(setup::IniStore& ini, setup::IniStore::SideWindow which, Side side)
{
    m_ini = &ini;
    m_which = which;
    m_side = side;
}

bool SideWindow::wasOpen() const
{
    return m_ini && m_ini->sideWindow(m_which).settings.open;
}

void SideWindow::open(const QWidget& beside)
{
    if (!m_placed)
        place(beside);
    show();
    raise();
}

void SideWindow::place(const QWidget& beside)
{
    m_placed = true;
    const std::optional<QRect> saved = m_ini ? m_ini->sideWindow(m_which).settings.geometry : std::nullopt;
    const QScreen* screen = saved ? QGuiApplication::screenAt(saved->center()) : nullptr;
    QRect wanted = saved.value_or(QRect());
    if (!screen) {
        screen = beside.screen();
        const QRect frame = beside.frameGeometry();
        const int tall = std::max(frame.height(), height());
        wanted = m_side == Side::Right ? QRect(frame.right() + 1, frame.top(), width(), tall)
            : m_side == Side::Left     ? QRect(frame.left() - width(), frame.top(), width(), tall)
                                       : QRect(frame.left(), frame.bottom() + 1, std::max(frame.width(), width()), height());
    }
    setGeometry(setup::fitOnScreen(wanted, minimumSizeHint(), screen->availableGeometry()));
}

// A window never opened keeps kvl.ini as it is.
void SideWindow::savePlace()
{
    if (!m_ini)
        return;
    setup::SideWindowSettings kept = m_ini->sideWindow(m_which).settings;
    kept.open = isVisible();
    if (m_placed)
        kept.geometry = normalGeometry();
    m_ini->setSideWindow(m_which, kept);
}
