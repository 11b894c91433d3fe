#pragma once

#include <QWidget>

// A window beside the main one (statistics, band map, cluster): it takes the
// main window's text size, and Esc or its own Alt chord closes it.
class SideWindow : public QWidget
{
    Q_OBJECT
public:
    // `closingKey`: the Latin letter of its Alt chord, on either layout.
    SideWindow(QWidget* parent, const QString& name, const QString& title, int closingKey);

Q_SIGNALS:
    void hidden(); // closed, by Esc, its Alt chord or its frame

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    int m_closingKey;
};
