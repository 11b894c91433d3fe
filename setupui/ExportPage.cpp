// SPDX-License-Identifier: GPL-3.0-or-later
#include "setupui/ExportPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>

ExportPage::ExportPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ExportPage"));
    m_contest = new QLineEdit(this);
    m_contest->setObjectName(QStringLiteral("ExportContest"));
    m_contest->setPlaceholderText(QStringLiteral("из описания соревнований (cabrillo), например RUS-RA-CHAMP"));
    m_power = new QComboBox(this);
    m_power->setObjectName(QStringLiteral("ExportPower"));
    m_power->addItem(QStringLiteral("Не указана"), QString());
    for (const QString& power : setup::kPowerCategories)
        m_power->addItem(power, power);
    m_assisted = new QCheckBox(QStringLiteral("Категория с помощью (ASSISTED): кластер использовался"), this);
    m_assisted->setObjectName(QStringLiteral("ExportAssisted"));
    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("Соревнование (CONTEST)"), m_contest);
    form->addRow(QStringLiteral("Мощность (CATEGORY-POWER)"), m_power);
    form->addRow(m_assisted);
}

void ExportPage::showOptions(const setup::ExportOptions& options)
{
    m_contest->setText(options.contestName);
    m_power->setCurrentIndex(qMax(0, m_power->findData(options.power)));
    m_assisted->setChecked(options.assisted);
}

void ExportPage::showAssisted(bool assisted)
{
    m_assisted->setChecked(assisted);
}

setup::ExportOptions ExportPage::options() const
{
    return {m_contest->text().trimmed(), m_power->currentData().toString(), m_assisted->isChecked()};
}
