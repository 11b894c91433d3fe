// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QCoreApplication;
class QTranslator;

// Qt's own texts (Yes/No, OK, the edit fields' menus) in Russian, from Qt's
// translation qtbase_ru.qm in `directory`. Without the file nothing changes
// and Qt's English stays. True when the translation is in place.
bool installQtTranslation(QCoreApplication& app, QTranslator& translator, const QString& directory);
