// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/ManualWindow.h"

#include "common/FileContent.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {
constexpr qint64 kManualLimit = 4 * 1024 * 1024;
}

ManualWindow::ManualWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_text(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("Manual"));
    setWindowTitle(QStringLiteral("Руководство KVL"));
    m_text->setObjectName(QStringLiteral("ManualText"));
    m_text->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_text);
    resize(820, 700);
}

void ManualWindow::showManual(const QString& file)
{
    const QString text = QString::fromUtf8(logbook::readWholeFile(file, kManualLimit));
    // Its pictures are named from the file's own folder.
    m_text->setSearchPaths({QFileInfo(file).absolutePath()});
    m_text->setMarkdown(text);
    show();
    raise();
    activateWindow();
}

void ManualWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}
