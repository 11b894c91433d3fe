// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QValidator>

class QLineEdit;

// Turns letters to upper case as they are typed (one character for one, so
// the cursor stays) and, when given a limit, refuses typing past it; text the
// program puts into the field is not limited.
class UpperCaseValidator : public QValidator
{
    Q_OBJECT
public:
    enum class Letters { All, LatinOnly };

    explicit UpperCaseValidator(QLineEdit* field, int typedLimit = 0, Letters letters = Letters::All);
    State validate(QString& input, int& pos) const override;
    void setTypedLimit(int typedLimit) { m_typedLimit = typedLimit; }

private:
    int m_typedLimit;
    QString m_lastText; // the field's text before the change being validated
    Letters m_letters;
};
