// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWidget>
#include <vector>

// The main window's client area. Every control keeps the rectangle and font
// it was built with, at the smallest window and the normal text size; the
// text size scales both, and a larger window gives its extra width and height
// to the controls whose stretch asks for it.
class ScalableClient : public QWidget
{
    Q_OBJECT
public:
    enum Stretch : unsigned {
        Fixed = 0,
        MoveRight = 1, // keeps its distance from the right edge
        MoveDown = 2,  // keeps its distance from the bottom edge
        Wider = 4,     // takes the extra width
        Taller = 8,    // takes the extra height
        Spread = 16,   // its place and width scale with the width, as a row of buttons does
        Manual = 32,   // placed by the window after each layout; only its font scales
    };

    // `spreadMargin`: the room left and right of a spread row, which stays.
    ScalableClient(QSize base, int spreadMargin, QWidget* parent);

    // Takes every control's rectangle and font as they are now as its base;
    // controls added later are not laid out.
    void capture();
    void setStretch(QWidget* control, unsigned stretch);
    void setScale(double scale); // fonts, rectangles and the minimum size
    // A row `height` base pixels high opened at `baseTop`: every control at or
    // below it moves down and the smallest size grows by it; 0 closes it.
    void openRow(int baseTop, int height);
    double scale() const { return m_scale; }
    QSize sizeHint() const override { return minimumSize(); }
    // The base rectangle at the current scale, before any stretch.
    int scaled(int base) const;

Q_SIGNALS:
    void laidOut();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Item
    {
        QPointer<QWidget> control;
        QRect base;
        int basePixels = 0; // font size; 0: none of its own
        unsigned stretch = Fixed;
    };
    void layOut();
    QSize smallest() const;
    QRect placed(const Item& item, QSize extra) const;
    int spread(int baseEdge, int extraWidth) const;

    QSize m_base;
    int m_spreadMargin;
    double m_scale = 1.0;
    int m_rowTop = 0;
    int m_rowHeight = 0;
    std::vector<Item> m_items;
};
