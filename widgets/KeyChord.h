// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/TransmitRules.h"

#include <QKeyEvent>
#include <optional>

// The modifier sets the keyboard commands use: none, Alt alone, Ctrl alone.
namespace keychord {

inline Qt::KeyboardModifiers held(const QKeyEvent* e)
{
    return e->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
}
inline bool noModifier(const QKeyEvent* e) { return held(e) == Qt::NoModifier; }
inline bool altOnly(const QKeyEvent* e) { return held(e) == Qt::AltModifier; }
inline bool ctrlOnly(const QKeyEvent* e) { return held(e) == Qt::ControlModifier; }
inline session::FunctionChord functionChord(const QKeyEvent* e)
{
    return noModifier(e) ? session::FunctionChord::Plain
        : ctrlOnly(e)    ? session::FunctionChord::Ctrl
                         : session::FunctionChord::Other;
}

// The Latin letter on the same key, so that Alt commands work with the Russian
// layout active too: Alt+B is Alt+И there.
int latinKey(const QKeyEvent* e);

// F1..F12 as 0..11, otherwise -1.
inline int functionKeyIndex(const QKeyEvent* e)
{
    const int k = e->key();
    return k >= Qt::Key_F1 && k <= Qt::Key_F12 ? k - Qt::Key_F1 : -1;
}

// A character typed into a field: Alt and Ctrl chords are commands instead.
inline bool isTypedCharacter(const QKeyEvent* e)
{
    return e->type() == QEvent::KeyPress && !e->text().isEmpty() && e->text().at(0).isPrint()
        && !(e->modifiers() & (Qt::AltModifier | Qt::ControlModifier));
}

// A key pressed with Alt that would type a letter: a command, never typed.
inline bool isAltChord(const QKeyEvent* e)
{
    return e->type() == QEvent::KeyPress && (e->modifiers() & Qt::AltModifier) && !e->text().isEmpty();
}

// Ctrl+Plus (also Ctrl+=, Ctrl+Shift+= and the keypad's +): +1; Ctrl+Minus:
// -1; Ctrl+0: 0, the normal text size; any other key: none.
inline std::optional<int> textSizeStep(const QKeyEvent* e)
{
    if ((e->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) != Qt::ControlModifier)
        return std::nullopt;
    switch (e->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal: return +1;
    case Qt::Key_Minus: return -1;
    case Qt::Key_0: return 0;
    default: return std::nullopt;
    }
}

inline bool isEnter(const QKeyEvent* e)
{
    return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
}

} // namespace keychord
