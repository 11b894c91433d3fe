// SPDX-License-Identifier: GPL-3.0-or-later
#include "setupui/UdpPage.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

UdpPage::UdpPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("UdpPage"));
    m_destinations = new QLineEdit(this);
    m_destinations->setObjectName(QStringLiteral("UdpDestinations"));
    m_destinations->setPlaceholderText(QStringLiteral("127.0.0.1:%1").arg(radio::kDefaultUdpPort));
    m_refused = new QLabel(this);
    m_refused->setObjectName(QStringLiteral("UdpRefused"));
    m_refused->setStyleSheet(QStringLiteral("color: #c00000"));
    m_refused->setWordWrap(true);
    connect(m_destinations, &QLineEdit::textChanged, this, [this] { checkTyped(); });

    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("Куда (адрес:порт)"), m_destinations);
    form->addRow(m_refused);
    auto* hint = new QLabel(QStringLiteral("Связи, трансивер и счёт уходят пакетами UDP в том виде, что читают "
                                           "программы записи звука, табло счёта и другие журналы станции. "
                                           "Несколько адресов — через запятую; широковещательный адрес сети "
                                           "(например 192.168.1.255) тоже годится. Пусто — ничего не отправляется."),
                            this);
    hint->setWordWrap(true);
    form->addRow(hint);
    checkTyped();
}

void UdpPage::showSettings(const radio::UdpSettings& settings)
{
    m_destinations->setText(radio::udpDestinationsText(settings.destinations));
}

radio::UdpSettings UdpPage::settings() const
{
    return {radio::parseUdpDestinations(m_destinations->text()).destinations};
}

void UdpPage::checkTyped()
{
    const QStringList refused = radio::parseUdpDestinations(m_destinations->text()).refused;
    m_refused->setText(refused.isEmpty() ? QString()
                                         : QStringLiteral("Не адрес:порт, не сохранится: %1").arg(refused.join(QStringLiteral(", "))));
    m_refused->setVisible(!refused.isEmpty());
}
