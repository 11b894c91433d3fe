// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/ContestStatistics.h"

#include "widgets/SideWindow.h"
#include <optional>

class QLabel;
class QPushButton;
class QTableWidget;
class RateGraph;
class ScoreCourse;

// "Статистика": the contest at a look beside the main window, kept open while
// logging. It shows the figures it is given; the main window gives it new ones
// after every change of the log.
class StatisticsWindow : public SideWindow
{
    Q_OBJECT
public:
    explicit StatisticsWindow(QWidget* parent);

    // `heading`: the station and the contest, over the picture.
    void showStatistics(const session::ContestStatistics& stats, const QString& heading);
    // The window's picture without its button row, as PNG; answers why it was
    // not written, naming the file.
    std::optional<QString> savePicture(const QString& fileName);
    void showNotice(const QString& text);

Q_SIGNALS:
    void savePictureClicked();

protected:
    void changeEvent(QEvent* event) override;

private:
    void fillTable(const session::ContestStatistics& stats);

    QWidget* m_picture = nullptr; // what the picture shows
    QLabel* m_heading = nullptr;
    QLabel* m_rates = nullptr;
    RateGraph* m_graph = nullptr;
    QTableWidget* m_table = nullptr;
    ScoreCourse* m_course = nullptr;
    QPushButton* m_save = nullptr;
    QLabel* m_notice = nullptr;
    session::ContestStatistics m_shown; // the table is filled again at a new text size
};
