#pragma once

#include "StationSettings.h"

#include <QDialog>
#include <QStringList>
#include <functional>

class Dialogs;

// The setup dialog: created once after the main window, shown and hidden,
// never destroyed while the program runs. Its content is the live store of the
// station settings.
class TForm2 : public QDialog, public StationSettings
{
    Q_OBJECT
public:
    // `refreshMainCaption` sets the main window's caption from the settings.
    TForm2(Dialogs& dialogs, std::function<void()> refreshMainCaption, QWidget* parent = nullptr);

    QString field(int line) const override;

    void FormCreate();
    void FormClose();

private:
    Dialogs& m_dialogs;
    std::function<void()> m_refreshMainCaption;
    QStringList m_lines;
};
