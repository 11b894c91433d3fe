// SPDX-License-Identifier: GPL-3.0-or-later
#include "setupui/Unit2.h"

#include "common/ErrorGuard.h"
#include "common/FileNames.h"
#include "keyer/PortList.h"
#include "log/SubTourTimes.h"
#include "setup/StationDataFile.h"
#include "setupui/ClusterPage.h"
#include "setupui/UdpPage.h"
#include "setupui/AudioPage.h"
#include "setupui/ExchangePage.h"
#include "setupui/ExportPage.h"
#include "setupui/KeyerPage.h"
#include "setupui/RigPage.h"
#include "setupui/SetupPages.h"
#include "setupui/WindowPlacement.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// A key that types a character, as opposed to an editing or moving key or a
// Ctrl / Alt command.
bool typesCharacter(const QKeyEvent* event)
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString text = event->text();
    return !text.isEmpty() && text.at(0).isPrint();
}

} // namespace

TForm2::TForm2(Dialogs& dialogs, const keyer::PortEnumerator& ports, ContestsOffered contests,
               setup::StationStore& store, setup::IniStore& ini, SettingsChanged refreshMainCaption, QWidget* parent)
    : QDialog(parent)
    , m_dialogs(dialogs)
    , m_ports(ports)
    , m_store(store)
    , m_ini(ini)
    , m_refreshMainCaption(std::move(refreshMainCaption))
    , m_contests(std::move(contests))
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Установки"));
    setModal(false);
    setWindowFlag(Qt::WindowStaysOnTopHint);

    auto* layout = new QVBoxLayout(this);
    QTabWidget* tabs = setup::buildSetupPages(this, m_controls);
    layout->addWidget(tabs);
    m_rigPage = new RigPage(tabs);
    tabs->addTab(m_rigPage, QStringLiteral("Трансивер (CAT)"));
    m_clusterPage = new ClusterPage(tabs);
    tabs->addTab(m_clusterPage, QStringLiteral("Кластер"));
    connect(&m_store, &setup::StationStore::changed, m_clusterPage, [this](int line) {
        if (line == setup::CallSign)
            m_clusterPage->showStationCall(m_store.callSign());
    });
    m_audioPage = new AudioPage(tabs);
    tabs->addTab(m_audioPage, QStringLiteral("Звук"));
    m_udpPage = new UdpPage(tabs);
    tabs->addTab(m_udpPage, QStringLiteral("Сеть (UDP)"));
    m_exportPage = new ExportPage(tabs);
    tabs->addTab(m_exportPage, QStringLiteral("Cabrillo и ADIF"));
    m_keyerPage = new KeyerPage(tabs);
    tabs->addTab(m_keyerPage, QStringLiteral("Манипуляция"));
    // Beside the contest list, whose choice it follows.
    m_exchangePage = new ExchangePage(tabs);
    tabs->insertTab(1, m_exchangePage, QStringLiteral("Обмен"));
    m_contestErrors = new QLabel(this);
    m_contestErrors->setObjectName(QStringLiteral("ContestErrors"));
    m_contestErrors->setStyleSheet(QStringLiteral("color: #c00000"));
    m_contestErrors->setWordWrap(true);
    m_contestErrors->hide();
    layout->addWidget(m_contestErrors);
    const auto& fields = setup::setupFields();
    for (size_t i = 0; i < fields.size(); ++i) {
        QWidget* control = m_controls[i];
        const int line = fields[i].line;
        setup::onShownTextChanged(control, [this, control, line] { m_store.setField(line, setup::shownText(control)); });
    }
    Edit41 = findChild<QLineEdit*>(QStringLiteral("Edit41"));
    ComboBox1 = findChild<QComboBox*>(QStringLiteral("ComboBox1"));
    ComboBox2 = findChild<QComboBox*>(QStringLiteral("ComboBox2"));
    connect(ComboBox2, &QComboBox::currentTextChanged, m_exchangePage,
            [this] { m_exchangePage->showContest(setup::shownText(ComboBox2)); });
    listContests(QString()); // none chosen until a value is loaded
    listPorts(QStringLiteral("None")); // until a value is loaded

    // Key preview: the dialog sees every key before the field that has the focus.
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
    // While a list is open its view has the keys; it would jump to the item a
    // typed letter begins.
    for (QComboBox* list : {ComboBox1, ComboBox2})
        list->view()->installEventFilter(this);

    centreOnScreen(*this);
    FormCreate();
}

void TForm2::FormCreate()
{
    // A bad kvl.ini is the main window's to report; the tab then shows no rig.
    m_ini.load();
    showIniSettings();
    // The main window writes one of them itself, while this dialog may be open.
    connect(&m_ini, &setup::IniStore::changed, this, [this](setup::IniStore::Section section) {
        if (section == setup::IniStore::Section::Exports && isVisible())
            m_exportPage->showAssisted(m_ini.exports().assisted);
    });
    guarded(m_dialogs, [this] {
        const QStringList empty(setup::kTemplateLineCount, QString());
        if (!logbook::fileExists(setup::kStationDataFileName))
            setup::writeStationData(setup::kStationDataFileName, empty);
        try {
            m_lines = setup::readStationData(setup::kStationDataFileName);
        } catch (const setup::NotStationData&) {
            // The main window has said why; as if missing, once it is kept aside.
            setup::keepBadStationData(setup::kStationDataFileName);
            setup::writeStationData(setup::kStationDataFileName, empty);
            m_lines = empty;
        }
        loadFields();
        m_refreshMainCaption(*this);
    });
}

// What kvl.ini holds now: it may have changed since the dialog was last open.
void TForm2::showIniSettings()
{
    m_rigPage->showSettings(m_ini.rig().settings, m_ports);
    m_clusterPage->showSettings(m_ini.cluster().settings);
    m_clusterPage->showStationCall(m_store.callSign());
    m_udpPage->showSettings(m_ini.udp().settings);
    m_audioPage->showSettings(m_ini.audio().settings);
    m_exportPage->showOptions(m_ini.exports());
    m_keyerPage->showSettings(m_ini.keyer().settings, m_ports);
    m_exchangePage->showExchanges(m_ini.exchanges());
    m_rigPage->showMasterPath(m_ini.masterPath());
}

void TForm2::FormClose()
{
    guarded(m_dialogs, [this] {
        saveFields();
        setup::writeStationData(setup::kStationDataFileName, m_lines);
        m_ini.setRig(rigSettings());
        m_ini.setCluster(m_clusterPage->settings());
        m_ini.setUdp(m_udpPage->settings());
        m_ini.setAudio(m_audioPage->settings());
        m_ini.setExports(m_exportPage->options());
        m_ini.setKeyer(m_keyerPage->settings());
        m_ini.setMasterPath(m_rigPage->masterPath());
        for (const auto& [contestId, exchange] : m_exchangePage->exchanges())
            m_ini.setExchange(contestId, exchange);
        m_refreshMainCaption(*this);
        hide();
        if (const std::optional<QString> unreadable = logbook::unreadableTimesMessage(m_store.subTourTimes()))
            m_dialogs.showError(*unreadable);
    });
}

radio::RigSettings TForm2::rigSettings() const
{
    return m_rigPage->settings();
}

// The store takes the file's lines, then each field's text as shown (a list
// shows nothing for a value it does not hold).
void TForm2::loadFields()
{
    m_store.setLines(m_lines);
    listPorts(m_lines.value(setup::Port));
    listContests(m_lines.value(setup::ContestVariant));
    const auto& fields = setup::setupFields();
    for (size_t i = 0; i < fields.size(); ++i) {
        setup::showText(m_controls[i], m_lines.value(fields[i].line)); // a short file's missing lines are empty
        m_store.setField(fields[i].line, setup::shownText(m_controls[i]));
    }
}

void TForm2::saveFields()
{
    while (m_lines.size() < setup::kTemplateLineCount)
        m_lines << QString();
    const auto& fields = setup::setupFields();
    for (size_t i = 0; i < fields.size(); ++i)
        m_lines[fields[i].line] = setup::shownText(m_controls[i]);
}

// A stored device absent today stays in the list, so that saving keeps it; a
// stored "COM3" is the list's "Com3", and any other text shows nothing, as
// they always did.
void TForm2::listPorts(const QString& shown)
{
    QStringList items = keyer::portItems(m_ports);
    if (!items.contains(shown, Qt::CaseInsensitive) && keyer::deviceOfPortEntry(shown))
        items = keyer::portItems(m_ports, shown);
    ComboBox1->clear();
    ComboBox1->addItems(items);
    setup::showText(ComboBox1, shown);
}

// The contests are read again, so that a description put in or mended since
// is offered; those that cannot be are named under the tabs with the reason.
void TForm2::listContests(const QString& shown)
{
    const ContestOffer offer = m_contests();
    m_exchangePage->setNeeds(offer.exchanges);
    ComboBox2->clear();
    ComboBox2->addItems(offer.names);
    setup::showText(ComboBox2, shown);
    m_contestErrors->setText(offer.errors.join(QLatin1Char('\n')));
    m_contestErrors->setVisible(!offer.errors.isEmpty());
}

// Shown as things are now: kvl.ini, which the main window writes too, and
// the ports and contest descriptions added since the dialog was last open.
void TForm2::showEvent(QShowEvent* event)
{
    showIniSettings();
    listPorts(setup::shownText(ComboBox1));
    listContests(setup::shownText(ComboBox2));
    QDialog::showEvent(event);
}

bool TForm2::FormKeyDown(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Escape)
        return false;
    FormClose();
    return true;
}

bool TForm2::Edit41KeyPress(QKeyEvent* event)
{
    // Digits and backspace only; backspace types no printable character.
    if (!typesCharacter(event))
        return false;
    const char16_t ch = event->text().at(0).unicode();
    return ch < u'0' || ch > u'9';
}

bool TForm2::ComboBox1KeyPress(QKeyEvent* event)
{
    return typesCharacter(event); // chosen from the list only
}

bool TForm2::ComboBox2KeyPress(QKeyEvent* event)
{
    return typesCharacter(event);
}

void TForm2::reject()
{
    FormClose();
}

bool TForm2::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && (watched == ComboBox1->view() || watched == ComboBox2->view()))
        return typesCharacter(static_cast<QKeyEvent*>(event));
    auto* widget = qobject_cast<QWidget*>(watched);
    if (event->type() != QEvent::KeyPress || !widget || widget->window() != this)
        return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (FormKeyDown(key))
        return true;
    if (watched == Edit41)
        return Edit41KeyPress(key);
    if (watched == ComboBox1)
        return ComboBox1KeyPress(key);
    if (watched == ComboBox2)
        return ComboBox2KeyPress(key);
    return false;
}
