// SPDX-License-Identifier: GPL-3.0-or-later
#include "setupui/ExchangePage.h"

#include "widgets/UpperCaseValidator.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <utility>

ExchangePage::ExchangePage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ExchangePage"));
    m_contest = new QLabel(this);
    m_contest->setObjectName(QStringLiteral("ExchangeContest"));
    m_group = new QComboBox(this);
    m_group->setObjectName(QStringLiteral("ExchangeGroup"));
    m_code = new QLineEdit(this);
    m_code->setObjectName(QStringLiteral("ExchangeCode"));
    m_code->setValidator(new UpperCaseValidator(m_code));
    m_code->setPlaceholderText(QStringLiteral("из списка соревнования, например VL01"));
    m_zone = new QLineEdit(this);
    m_zone->setObjectName(QStringLiteral("ExchangeZone"));
    m_zone->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,2}")), m_zone));
    m_zone->setPlaceholderText(QStringLiteral("одна или две цифры"));
    auto* form = new QFormLayout(this);
    form->addRow(m_contest);
    form->addRow(QStringLiteral("Группа станции"), m_group);
    form->addRow(QStringLiteral("Свой код"), m_code);
    form->addRow(QStringLiteral("Своя зона"), m_zone);
    connect(m_group, &QComboBox::currentIndexChanged, this, [this] { showEnabled(); });
    showValues();
}

void ExchangePage::setNeeds(Needs needs)
{
    m_needs = std::move(needs);
}

void ExchangePage::showExchanges(const setup::StationExchanges& exchanges)
{
    m_held = exchanges;
    showValues();
}

void ExchangePage::showContest(const QString& name)
{
    holdShown();
    m_name = name;
    const auto found = m_needs.find(name);
    m_shown = found == m_needs.end() ? ContestExchangeNeeds() : found->second;
    showValues();
}

setup::StationExchanges ExchangePage::exchanges() const
{
    setup::StationExchanges all = m_held;
    if (!m_shown.id.isEmpty())
        all[m_shown.id] = shownValues();
    return all;
}

setup::StationExchange ExchangePage::shownValues() const
{
    return {m_group->currentData().toString(), m_code->text(), m_zone->text()};
}

// A contest without an id (a name without a description) has nothing to hold.
void ExchangePage::holdShown()
{
    if (!m_shown.id.isEmpty())
        m_held[m_shown.id] = shownValues();
}

void ExchangePage::showValues()
{
    const auto held = m_held.find(m_shown.id);
    const setup::StationExchange values = m_shown.id.isEmpty() || held == m_held.end() ? setup::StationExchange()
                                                                                        : held->second;
    if (m_name.isEmpty())
        m_contest->setText(QStringLiteral("Соревнование не выбрано."));
    else if (!m_shown.any())
        m_contest->setText(QStringLiteral("Соревнованию «%1» здесь ничего не нужно: у него нет групп станций, "
                                          "своего кода и зоны.").arg(m_name));
    else
        m_contest->setText(QStringLiteral("Что передаёт станция в соревновании «%1»:").arg(m_name));
    listGroups(values.group);
    m_code->setText(values.code);
    m_zone->setText(values.zone);
    showEnabled();
}

// A group kept that the description no longer has stays in the list, so that
// closing setup keeps it.
void ExchangePage::listGroups(const QString& chosen)
{
    const QSignalBlocker quiet(m_group);
    m_group->clear();
    m_group->addItem(QStringLiteral("Все остальные"), QString());
    for (const ExchangeGroupNeeds& group : m_shown.groups)
        m_group->addItem(group.shown, group.name);
    if (m_group->findData(chosen) < 0)
        m_group->addItem(QStringLiteral("%1 (нет в описании)").arg(chosen), chosen);
    m_group->setCurrentIndex(m_group->findData(chosen));
}

// The code and the zone are typed where the exchange the station sends has them.
void ExchangePage::showEnabled()
{
    const SentNeeds needs = m_shown.sent(m_group->currentData().toString());
    m_group->setEnabled(m_group->count() > 1);
    m_code->setEnabled(needs.code);
    m_zone->setEnabled(needs.zone);
}
