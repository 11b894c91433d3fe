// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

// A label whose text, where it does not fit, ends after its last whole word
// that does, with an ellipsis; text() stays whole, and so does the tool tip.
class FittedLabel : public QLabel
{
public:
    using QLabel::QLabel;

    QString shownText() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QRect textArea() const;
};
