// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/ClusterWindow.h"


#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {

constexpr int kKeptLines = 1000;

} // namespace

ClusterWindow::ClusterWindow(QWidget* parent)
    : SideWindow(parent, QStringLiteral("Cluster"), QStringLiteral("Кластер"), Qt::Key_L)
{
    m_state = new QLabel(QStringLiteral("Кластер не задан: адрес узла — в установках, вкладка «Кластер»"), this);
    m_state->setObjectName(QStringLiteral("ClusterState"));
    m_state->setWordWrap(true);
    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("ClusterText"));
    m_text->setReadOnly(true);
    m_text->setMaximumBlockCount(kKeptLines);
    m_text->setFont(QFont(QStringLiteral("monospace")));
    m_command = new QLineEdit(this);
    m_command->setObjectName(QStringLiteral("ClusterCommand"));
    m_command->setPlaceholderText(QStringLiteral("Команда узлу (SH/DX, SET/…), Enter — отправить"));
    connect(m_command, &QLineEdit::returnPressed, this, [this] {
        const QString command = m_command->text().trimmed();
        if (command.isEmpty())
            return;
        m_command->clear();
        Q_EMIT commandEntered(command);
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_state);
    layout->addWidget(m_text, 1);
    layout->addWidget(m_command);
    resize(620, 380);
}

void ClusterWindow::appendLine(const QString& line)
{
    m_text->appendPlainText(line);
}

void ClusterWindow::showState(const QString& state)
{
    m_state->setText(state);
}


