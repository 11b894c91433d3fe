// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "radio/RigSettings.h"
#include "setup/IniStore.h"
#include "setup/StationStore.h"
#include "setupui/ContestExchangeNeeds.h"

#include <QDialog>
#include <QStringList>
#include <array>
#include <functional>
#include <map>
#include <vector>

class ClusterPage;
class UdpPage;
class AudioPage;
class Dialogs;
class ExchangePage;
class ExportPage;
class KeyerPage;
class RigPage;
namespace keyer {
class PortEnumerator;
}
class QComboBox;
class QLabel;
class QKeyEvent;
class QLineEdit;

// The setup dialog: created once after the main window, shown and hidden,
// never destroyed while the program runs. It edits the station store: every
// change of a field reaches the store at once; the station data file only
// carries the settings between runs.
class TForm2 : public QDialog
{
    Q_OBJECT
public:
    // Called with the dialog whenever its settings are (re)loaded or saved, so
    // that the main window can set its caption from them.
    using SettingsChanged = std::function<void(TForm2&)>;
    // The contests to offer, read again at each opening, and what is wrong
    // with the descriptions that are not offered, and what each contest asks
    // of the station's own exchange (a name missing asks nothing).
    struct ContestOffer
    {
        QStringList names;
        QStringList errors;
        std::map<QString, ContestExchangeNeeds> exchanges; // by name
    };
    using ContestsOffered = std::function<ContestOffer()>;

    // `ports` lists the serial ports present for the port field; it must
    // outlive the dialog. `contests` gives the contest list.
    TForm2(Dialogs& dialogs, const keyer::PortEnumerator& ports, ContestsOffered contests, setup::StationStore& store,
           setup::IniStore& ini, SettingsChanged refreshMainCaption, QWidget* parent = nullptr);

    // The whole file as last loaded or saved, unbound lines included.
    const QStringList& lines() const { return m_lines; }
    // The rig of the tab "Трансивер (CAT)", as shown.
    radio::RigSettings rigSettings() const;

    // Loads the station data file into the fields (creating it when missing)
    // and sets the main window's caption.
    void FormCreate();
    void showIniSettings();
    // Saves the fields, sets the caption and hides; on a write error the
    // dialog stays open with its fields as they are.
    void FormClose();

    // Key handlers; each returns true when it has used up (or dropped) the key.
    bool FormKeyDown(QKeyEvent* event);
    bool Edit41KeyPress(QKeyEvent* event);
    bool ComboBox1KeyPress(QKeyEvent* event);
    bool ComboBox2KeyPress(QKeyEvent* event);

public Q_SLOTS:
    // Esc and the close control both end here: there is no cancel.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // The port list anew from the ports present, `shown` kept in it and chosen.
    void listPorts(const QString& shown);
    // The contest list anew, `shown` kept in it and chosen.
    void listContests(const QString& shown);
    void loadFields();
    void saveFields();

    Dialogs& m_dialogs;
    const keyer::PortEnumerator& m_ports;
    setup::StationStore& m_store;
    setup::IniStore& m_ini;
    SettingsChanged m_refreshMainCaption;
    ContestsOffered m_contests;
    QStringList m_lines; // the file's lines; the fields own the bound ones
    ExportPage* m_exportPage = nullptr;
    ExchangePage* m_exchangePage = nullptr; // follows the contest list
    std::vector<QWidget*> m_controls; // in the order of setup::setupFields()

    QLineEdit* Edit41 = nullptr;     // TX Delay
    QComboBox* ComboBox1 = nullptr;  // port
    QComboBox* ComboBox2 = nullptr;  // contest variant
    QLabel* m_contestErrors = nullptr; // the descriptions not offered, and why
    RigPage* m_rigPage = nullptr;
    ClusterPage* m_clusterPage = nullptr; // the login call's hint follows the call sign
    UdpPage* m_udpPage = nullptr;
    AudioPage* m_audioPage = nullptr;
    KeyerPage* m_keyerPage = nullptr;
};
