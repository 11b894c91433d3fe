#pragma once

#include <QLabel>

// A bevelled panel that serves as a button: raised when it can be clicked,
// lowered when it shows the current choice.
class Panel : public QLabel
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
