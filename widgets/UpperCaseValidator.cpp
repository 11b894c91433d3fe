// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/UpperCaseValidator.h"

#include <QLineEdit>

UpperCaseValidator::UpperCaseValidator(QLineEdit* field, int typedLimit, Letters letters)
    : QValidator(field), m_typedLimit(typedLimit), m_letters(letters)
{
    // The field reports every change, also the program's own, after validation.
    connect(field, &QLineEdit::textChanged, this, [this](const QString& text) { m_lastText = text; });
}

QValidator::State UpperCaseValidator::validate(QString& input, int&) const
{
    if (m_typedLimit > 0 && input.size() > m_typedLimit && input.size() > m_lastText.size())
        return Invalid;
    for (QChar& c : input) {
        if (m_letters == Letters::All || (c >= QLatin1Char('a') && c <= QLatin1Char('z')))
            c = c.toUpper();
    }
    return Acceptable;
}
