// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard: the window sees every key before the focused control, runs its
// dispatchers, then the focused control's own handlers.
#include "app/TForm1.h"

#include "widgets/ContactGridView.h"
#include "widgets/KeyChord.h"
#include "widgets/MenuKeys.h"
#include "widgets/StatusLine.h"
#include "widgets/WindowKeeper.h"
#include "widgets/MainWindowView.h"

#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>

using namespace keychord;

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride)
        return false;
    auto* target = qobject_cast<QWidget*>(watched);
    if (!target || target->window() != this)
        return false;
    // A key travels up from the focused control; preview it once, there.
    QWidget* focused = focusWidget() ? focusWidget() : this;
    if (target != focused)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (type == QEvent::ShortcutOverride)
        return menukeys::takesAltChord(key);
    // Decided first: an Alt chord never types its letter, also when its command fails.
    const bool altChord = isAltChord(key);
    bool swallowed = false;
    runGuarded([&] { swallowed = previewKey(target, key); });
    return swallowed || altChord;
}

bool TForm1::previewKey(QWidget* target, QKeyEvent* e)
{
    if (e->type() == QEvent::KeyPress && !e->isAutoRepeat() && voiceRecordingKey(e))
        return true;
    if (e->type() == QEvent::KeyPress)
        FormKeyDown(e);
    else if (e->isAutoRepeat())
        return false;
    else
        FormKeyUp(e);
    return routeKeyToControl(target, e);
}

bool TForm1::routeKeyToControl(QWidget* target, QKeyEvent* e)
{
    const bool press = e->type() == QEvent::KeyPress;
    if (target == m_view->Edit1 || target == m_view->Edit2) {
        const bool call = target == m_view->Edit1;
        if (!press) {
            EntryKeyUp(e, !call);
            return false;
        }
        EntryKeyDown(e, !call);
        return isTypedCharacter(e) && (call ? Edit1KeyPress(e) : Edit2KeyPress(e));
    }
    if (press && m_view->StringGrid1->ownsFocus())
        StringGrid1KeyPress(e);
    return false;
}

void TForm1::FormKeyDown(QKeyEvent* e)
{
    // The keyer's hooks first, none of them consuming the key; Alt+C on either
    // layout. The new speed shows at once, also while a message goes out.
    if (m_transmitter.keyHooks(latinKey(e), e->modifiers()))
        m_view->statusLine->refresh();
    if (ctrlOnly(e))
        CtrlLayer(true);
    if (ctrlOnly(e) && (e->key() == Qt::Key_Up || e->key() == Qt::Key_Down))
        nextSpot(e->key() == Qt::Key_Up);
    if (altOnly(e))
        altCommand(latinKey(e));
    if (const std::optional<int> step = textSizeStep(e))
        m_windowKeeper->changeTextSize(*step);
    functionKeyTransmits(e, true);
}

void TForm1::functionKeyTransmits(QKeyEvent* e, bool pressed)
{
    const bool entryFocused = focusWidget() == m_view->Edit1 || focusWidget() == m_view->Edit2;
    const int index = functionKeyIndex(e);
    if (const auto key = session::functionKey(index, functionChord(e), pressed, entryFocused))
        transmitKey(*key, index);
}

void TForm1::altCommand(int key)
{
    switch (key) {
    case Qt::Key_B: showChanges(m_session.bandUp()); break;
    case Qt::Key_V: showChanges(m_session.bandDown()); break;
    case Qt::Key_E: m_view->StringGrid1->editCurrentCell(); break;
    case Qt::Key_T: showSubTourOffer(m_session.offerSubTour()); break;
    case Qt::Key_M: Panel7Click(); break;
    case Qt::Key_D: showChanges(m_session.deleteOrRestore()); break;
    case Qt::Key_H:
        m_view->Memo1->show();
        m_view->Memo1->setFocus();
        break;
    case Qt::Key_0: Panel9Click(); break;
    case Qt::Key_G: toggleStatistics(); break;
    case Qt::Key_K: toggleBandMap(); break;
    case Qt::Key_L: toggleClusterWindow(); break;
    case Qt::Key_F: // "Файл" by its Latin letter, and by its own (Ф is the A key)
    case Qt::Key_A: menukeys::open(menuBar(), File1); break;
    case Qt::Key_S: menukeys::open(menuBar(), Service1); break;
    default: break;
    }
}

void TForm1::FormKeyUp(QKeyEvent* e)
{
    functionKeyTransmits(e, false);
    if (!ctrlOnly(e))
        CtrlLayer(false);
    if (e->key() == Qt::Key_Escape && noModifier(e) && focusWidget() == m_view->Memo1) {
        m_view->Memo1->hide();
        AC();
    }
}
