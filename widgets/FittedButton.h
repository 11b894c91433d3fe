// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>

// A push button whose caption, where it does not fit, ends after its last
// whole word that does, with an ellipsis; text() and the tool tip stay whole.
class FittedButton : public QPushButton
{
public:
    using QPushButton::QPushButton;

    QString shownText() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int captionWidth() const;
};
