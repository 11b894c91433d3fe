// SPDX-License-Identifier: GPL-3.0-or-later
#include "setupui/AudioPage.h"

#include "keyer/AudioCapture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>

namespace {
const QString kSystemDefault = QStringLiteral("По умолчанию (как в системе)");
constexpr int kLargestMargin = 100 * 1024;
} // namespace

AudioPage::AudioPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("AudioPage"));
    m_input = new QComboBox(this);
    m_input->setObjectName(QStringLiteral("AudioInput"));
    m_recordContest = new QCheckBox(QStringLiteral("Записывать весь контест (папка audio рядом с журналом)"), this);
    m_recordContest->setObjectName(QStringLiteral("RecordContest"));
    m_margin = new QSpinBox(this);
    m_margin->setObjectName(QStringLiteral("AudioMargin"));
    m_margin->setRange(1, kLargestMargin);
    m_margin->setSuffix(QStringLiteral(" МБ"));

    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("Вход звука"), m_input);
    form->addRow(m_recordContest);
    form->addRow(QStringLiteral("Оставлять на диске"), m_margin);
    auto* hint = new QLabel(QStringLiteral("Shift+F1 и Shift+F2 в SSB записывают вызовы CQ1 и CQ2 (до 30 с), "
                                           "Esc или та же клавиша заканчивают запись. Запись контеста идёт по часу "
                                           "в файл и останавливается, когда на диске остаётся меньше запаса."),
                            this);
    hint->setWordWrap(true);
    form->addRow(hint);
    showSettings({});
}

void AudioPage::showSettings(const keyer::AudioSettings& settings)
{
    listInputs(settings.input);
    m_recordContest->setChecked(settings.recordContest);
    m_margin->setMaximum(qMax(kLargestMargin, settings.marginMegabytes));
    m_margin->setValue(settings.marginMegabytes);
}

// The system's inputs are asked for only once the tab is shown: asking
// starts the sound system, which a station that records nothing never needs.
void AudioPage::listInputs(const QString& chosen)
{
    m_input->clear();
    m_input->addItem(kSystemDefault, QString());
    QStringList names = m_systemAsked ? keyer::audioInputNames() : QStringList();
    if (!chosen.isEmpty() && !names.contains(chosen))
        names << chosen;
    for (const QString& name : names)
        m_input->addItem(name, name);
    m_input->setCurrentIndex(qMax(0, m_input->findData(chosen)));
}

void AudioPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_systemAsked) {
        m_systemAsked = true;
        listInputs(m_input->currentData().toString());
    }
}

keyer::AudioSettings AudioPage::settings() const
{
    return {m_input->currentData().toString(), m_recordContest->isChecked(), m_margin->value()};
}
