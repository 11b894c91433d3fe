// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/MessageBoxDialogs.h"

#include <QMessageBox>

namespace {
const QString kTitle = QStringLiteral("KVL");
}

void MessageBoxDialogs::showError(const QString& text)
{
    QMessageBox::critical(m_parent, kTitle, text);
}

bool MessageBoxDialogs::confirm(const QString& question)
{
    return QMessageBox::question(m_parent, kTitle, question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}
