// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/WindowParts.h"

#include "widgets/CallsLine.h"
#include "widgets/UpperCaseValidator.h"
#include "widgets/WidgetStyle.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStringList>

namespace windowparts {
namespace {

const QStringList kHelpLines = {
    QStringLiteral("Alt + D            Удалить последнее qso."),
    QStringLiteral("Alt + E            Редактор."),
    QStringLiteral("Alt + T            Подтур принудительно."),
    QStringLiteral("Alt + B / V      Выбрать диапазон."),
    QStringLiteral("Alt + 0            Короткий 0 CW."),
    QStringLiteral("Alt + M           Mode CW \\ SSB."),
    QStringLiteral("Alt + C            CW сбросить скорость."),
    QStringLiteral("F1 - F12         CW \\ SSB макросы."),
    QStringLiteral("Ctrl                 CW 2 макросы."),
    QStringLiteral("Пробел         CW макросы."),
    QStringLiteral("Enter              CW макросы."),
    QStringLiteral("Page Up        CW скорость увеличить."),
    QStringLiteral("Page Down    CW скорость уменьшить."),
};

} // namespace

// Typing stops at `typedLimit`; an exchange the program fills in may be longer.
QLineEdit* entryField(QWidget* parent, const QString& name, QRect geometry, int typedLimit, TypedRule rule)
{
    auto* edit = place(new QLineEdit(parent), name, geometry.x(), geometry.y(), geometry.width(), geometry.height());
    edit->setFrame(false);
    edit->setValidator(new UpperCaseValidator(edit, typedLimit));
    edit->setFont(widgetstyle::sansFont(13, true));
    edit->setStyleSheet(QStringLiteral("QLineEdit { background: blue; color: yellow; }"));
    edit->hide();
    keepTyped(edit, rule);
    return edit;
}

// Only the operator's edits: text the program puts in (a base file's
// exchange) keeps its letters.
void keepTyped(QLineEdit* edit, TypedRule rule)
{
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit, rule](const QString& text) {
        const QString kept = rule(text);
        if (kept == text)
            return;
        const int cursor = int(rule(text.left(edit->cursorPosition())).size());
        edit->setText(kept);
        edit->setCursorPosition(cursor);
    });
}

QLineEdit* callsLine(QWidget* parent, const QString& name, int y, const QString& colour)
{
    auto* line = place(new CallsLine(name, QColor(colour), parent), name, 115, y, 399, 21);
    line->setFont(widgetstyle::sansFont(13, true));
    return line;
}

QPlainTextEdit* helpPanel(QWidget* parent)
{
    auto* memo = place(new QPlainTextEdit(parent), QStringLiteral("Memo1"), 114, 10, 401, 217);
    memo->setReadOnly(true);
    memo->setFont(widgetstyle::sansFont(13, true));
    memo->setStyleSheet(QStringLiteral("QPlainTextEdit { background: black; color: white; }"));
    memo->setPlainText(kHelpLines.join(QLatin1Char('\n')));
    memo->hide();
    return memo;
}

} // namespace windowparts
