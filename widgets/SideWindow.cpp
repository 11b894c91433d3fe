#include "widgets/SideWindow.h"

#include "widgets/KeyChord.h"

#include <QHideEvent>
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
