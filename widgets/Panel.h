// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/FittedLabel.h"

// A bevelled panel that serves as a button: raised when it can be clicked,
// lowered when it shows the current choice. A caption too long for it ends
// in an ellipsis.
class Panel : public FittedLabel
{
    Q_OBJECT
public:
    Panel(const QString& objectName, const QString& caption, QWidget* parent);

    void setRaised(bool raised);
    bool isRaised() const { return m_raised; }
    void setCaptionColor(const QColor& color);
    QColor captionColor() const;

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_raised = true;
};
