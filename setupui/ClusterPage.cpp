// SPDX-License-Identifier: GPL-3.0-or-later
#include "setupui/ClusterPage.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

namespace {

constexpr int kMaxPort = 65535;
constexpr int kMaxSpotMinutes = 240;

QSpinBox* makeNumber(QWidget* parent, const char* name, int maximum, int value)
{
    auto* number = new QSpinBox(parent);
    number->setObjectName(QLatin1String(name));
    number->setRange(1, maximum);
    number->setValue(value);
    return number;
}

} // namespace

ClusterPage::ClusterPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ClusterPage"));
    m_host = new QLineEdit(this);
    m_host->setObjectName(QStringLiteral("ClusterHost"));
    m_port = makeNumber(this, "ClusterPort", kMaxPort, radio::kDefaultClusterPort);
    m_call = new QLineEdit(this);
    m_call->setObjectName(QStringLiteral("ClusterCall"));
    m_spotMinutes = makeNumber(this, "ClusterSpotMinutes", kMaxSpotMinutes, radio::kDefaultSpotMinutes);
    showStationCall(QString());

    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("Адрес узла"), m_host);
    form->addRow(QStringLiteral("Порт"), m_port);
    form->addRow(QStringLiteral("Позывной для входа"), m_call);
    form->addRow(QStringLiteral("Споты держатся, мин"), m_spotMinutes);
    form->addRow(new QLabel(QStringLiteral("Пустой адрес — без кластера."), this));
}

// An age past the field's limit, written into kvl.ini by hand, is kept as it stands.
void ClusterPage::showSettings(const radio::ClusterSettings& settings)
{
    m_host->setText(settings.host);
    m_port->setValue(settings.port);
    m_call->setText(settings.call);
    m_spotMinutes->setMaximum(qMax(kMaxSpotMinutes, settings.spotMinutes));
    m_spotMinutes->setValue(settings.spotMinutes);
}

radio::ClusterSettings ClusterPage::settings() const
{
    return {m_host->text().trimmed(), m_port->value(), m_call->text().trimmed().toUpper(), m_spotMinutes->value()};
}

void ClusterPage::showStationCall(const QString& callSign)
{
    const QString call = callSign.trimmed();
    m_call->setPlaceholderText(call.isEmpty() ? QStringLiteral("позывной станции")
                                              : QStringLiteral("%1 — позывной станции").arg(call));
}
