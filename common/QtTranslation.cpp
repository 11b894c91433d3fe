// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/QtTranslation.h"

#include <QCoreApplication>
#include <QTranslator>

bool installQtTranslation(QCoreApplication& app, QTranslator& translator, const QString& directory)
{
    return translator.load(QStringLiteral("qtbase_ru"), directory) && app.installTranslator(&translator);
}
