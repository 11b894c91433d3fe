// The keyboard: the window sees every key before the focused control, runs its
// dispatchers, then the focused control's own handlers.
#include "app/TForm1.h"

#include "widgets/ContactGridView.h"
#include "widgets/KeyChord.h"
#include "widgets/Panel.h"

#include <QLineEdit>
#include <QPlainTextEdit>

using namespace keychord;

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    auto* target = qobject_cast<QWidget*>(watched);
    if (!target || target->window() != this)
        return false;
    // A key travels up from the focused control; preview it once, there.
    QWidget* focused = focusWidget() ? focusWidget() : this;
    if (target != focused)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    // Decided first: an Alt chord never types its letter, also when its command fails.
    const bool altChord = isAltChord(key);
    bool swallowed = false;
    runGuarded([&] { swallowed = previewKey(target, key); });
    return swallowed || altChord;
}

bool TForm1::previewKey(QWidget* target, QKeyEvent* e)
{
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
    if (target == Edit1 || target == Edit2) {
        const bool call = target == Edit1;
        if (!press) {
            call ? Edit1KeyUp(e) : Edit2KeyUp(e);
            return false;
        }
        call ? Edit1KeyDown(e) : Edit2KeyDown(e);
        return isTypedCharacter(e) && (call ? Edit1KeyPress(e) : Edit2KeyPress(e));
    }
    if (press && StringGrid1->ownsFocus())
        StringGrid1KeyPress(e);
    return false;
}

void TForm1::FormKeyDown(QKeyEvent* e)
{
    keyerHooks(e); // first, and none of them consumes the key
    if (ctrlOnly(e))
        CtrlLayer(true);
    if (altOnly(e))
        altCommand(latinKey(e));
    if (const std::optional<int> step = textSizeStep(e))
        changeTextSize(*step);
    const int fn = functionKeyIndex(e);
    const bool entryFocused = focusWidget() == Edit1 || focusWidget() == Edit2;
    if (fn >= 0 && fn != 9 && entryFocused) {
        if (noModifier(e))
            MacroButtonClick(fn);
        else if (ctrlOnly(e) && portSet() && !sending())
            CtrlMacro(fn);
    }
}

void TForm1::altCommand(int key)
{
    switch (key) {
    case Qt::Key_B: showChanges(m_session.bandUp()); break;
    case Qt::Key_V: showChanges(m_session.bandDown()); break;
    case Qt::Key_E: StringGrid1->editCurrentCell(); break;
    case Qt::Key_T: ForceSubTour(); break;
    case Qt::Key_M: Panel7Click(); break;
    case Qt::Key_D: Panel12Click(); break;
    case Qt::Key_H: ShowHelp(); break;
    case Qt::Key_0: Panel9Click(); break;
    default: break;
    }
}

void TForm1::FormKeyUp(QKeyEvent* e)
{
    if (e->key() == Qt::Key_F10 && portSet() && !sending()) {
        if (ctrlOnly(e))
            CtrlMacro(9);
        else if (noModifier(e))
            MacroButtonClick(9);
    }
    if (!ctrlOnly(e) && m_session.mode() == logbook::Mode::CW)
        CtrlLayer(false);
    if (e->key() == Qt::Key_Escape && noModifier(e) && focusWidget() == Memo1) {
        Memo1->hide();
        AC();
    }
}

void TForm1::ShowHelp()
{
    Memo1->show();
    Memo1->setFocus();
}
