// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/Dialogs.h"
#include "common/KvlError.h"

#include <QString>
#include <exception>
#include <new>

// Every handler entered from the event loop runs through `guarded`: an error
// skips the rest of the handler, keeps what was already changed, and shows its
// text in the error box. No exception ever reaches the event loop.
QString errorBoxText(const QString& message);

template <class Action>
bool guarded(Dialogs& dialogs, Action&& action)
{
    try {
        action();
        return true;
    } catch (const KvlError& e) {
        dialogs.showError(errorBoxText(e.message()));
    } catch (const std::bad_alloc&) {
        dialogs.showError(errorBoxText(QStringLiteral("Не хватило памяти")));
    } catch (const std::exception& e) {
        dialogs.showError(errorBoxText(QString::fromLocal8Bit(e.what())));
    } catch (...) {
        dialogs.showError(errorBoxText(QStringLiteral("Непредвиденная ошибка")));
    }
    return false;
}
