// SPDX-License-Identifier: GPL-3.0-or-later
#include "setupui/RigPage.h"

#include "keyer/PortList.h"
#include "radio/HamlibModels.h"

#include <QComboBox>
#include <QCompleter>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

const QString kNoRig = QStringLiteral("Нет (полосы и вид работы вручную)");
const int kSpeeds[] = {1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};
const QString kRigDefaultSpeed = QStringLiteral("По умолчанию");

QComboBox* makeList(QWidget* parent, const char* name, bool editable)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    list->setEditable(editable);
    list->setInsertPolicy(QComboBox::NoInsert);
    return list;
}

} // namespace

RigPage::RigPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("RigPage"));
    m_model = makeList(this, "RigModel", true);
    m_model->addItem(kNoRig, 0);
    m_models = radio::hamlibRigModels();
    for (const radio::RigModel& m : m_models)
        m_model->addItem(radio::rigModelText(m), m.number);
    // Any part of the name, in any letter case, finds the model.
    m_model->completer()->setFilterMode(Qt::MatchContains);
    m_model->completer()->setCaseSensitivity(Qt::CaseInsensitive);
    m_model->completer()->setCompletionMode(QCompleter::PopupCompletion);

    m_port = makeList(this, "RigPort", true);
    m_speed = makeList(this, "RigSpeed", false);
    m_speed->addItem(kRigDefaultSpeed, 0);
    for (int speed : kSpeeds)
        m_speed->addItem(QString::number(speed), speed);

    m_modelProblem = new QLabel(this);
    m_modelProblem->setObjectName(QStringLiteral("RigModelProblem"));
    m_modelProblem->setWordWrap(true);
    m_modelProblem->setStyleSheet(QStringLiteral("color: red"));
    connect(m_model, &QComboBox::editTextChanged, this, &RigPage::checkModel);

    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("Модель (Hamlib)"), m_model);
    form->addRow(QString(), m_modelProblem);
    form->addRow(QStringLiteral("Порт или host:port"), m_port);
    form->addRow(QStringLiteral("Скорость, бод"), m_speed);
    m_masterPath = new QLineEdit(this);
    m_masterPath->setObjectName(QStringLiteral("MasterPath"));
    m_masterPath->setPlaceholderText(QStringLiteral("MASTER.SCP в рабочей папке"));
    form->addRow(QStringLiteral("Файл позывных"), m_masterPath);
}

void RigPage::showSettings(const radio::RigSettings& settings, const keyer::PortEnumerator& ports)
{
    m_shownModel = settings.model;
    int model = m_model->findData(settings.model);
    if (model < 0) { // a number Hamlib does not list: kept as it stands
        m_model->addItem(QString::number(settings.model), settings.model);
        model = m_model->count() - 1;
    }
    m_model->setCurrentIndex(model);
    listPorts(ports, settings.port);
    int speed = m_speed->findData(settings.speed);
    if (speed < 0) {
        m_speed->addItem(QString::number(settings.speed), settings.speed);
        speed = m_speed->count() - 1;
    }
    m_speed->setCurrentIndex(speed);
}

// The devices of the ports present, as the rig's port names them.
void RigPage::listPorts(const keyer::PortEnumerator& ports, const QString& shown)
{
    m_port->clear();
    for (const QString& entry : keyer::portItems(ports)) {
        if (const std::optional<QString> device = keyer::deviceOfPortEntry(entry))
            m_port->addItem(*device);
    }
    m_port->setEditText(shown);
}

void RigPage::showMasterPath(const QString& path)
{
    m_masterPath->setText(path);
}

QString RigPage::masterPath() const
{
    return m_masterPath->text().trimmed();
}

radio::RigSettings RigPage::settings() const
{
    radio::RigSettings s;
    s.model = modelOf(m_model->currentText()).number.value_or(m_shownModel);
    s.port = m_port->currentText().trimmed();
    s.speed = m_speed->currentData().toInt();
    return s;
}

RigPage::Match RigPage::modelOf(const QString& typed) const
{
    const int listed = m_model->findText(typed.trimmed());
    if (listed >= 0) // an entry of the list, the shown number of an unlisted model included
        return {m_model->itemData(listed).toInt(), {}};
    return radio::matchRigModel(m_models, typed);
}

void RigPage::checkModel(const QString& typed)
{
    m_modelProblem->setText(modelOf(typed).problem);
}
