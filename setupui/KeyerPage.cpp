// SPDX-License-Identifier: GPL-3.0-or-later
#include "setupui/KeyerPage.h"

#include "keyer/PortList.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

KeyerPage::KeyerPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("KeyerPage"));
    m_kind = new QComboBox(this);
    m_kind->setObjectName(QStringLiteral("KeyerKind"));
    m_kind->addItem(QStringLiteral("DTR/RTS на порту манипуляции"), int(keyer::KeyerKind::Dtr));
    m_kind->addItem(QStringLiteral("WinKeyer (K1EL)"), int(keyer::KeyerKind::WinKeyer));
    m_kind->addItem(QStringLiteral("cwdaemon (UDP)"), int(keyer::KeyerKind::CwDaemon));
    m_kind->addItem(QStringLiteral("Трансивер (CAT)"), int(keyer::KeyerKind::Cat));
    m_winKeyerPort = new QComboBox(this);
    m_winKeyerPort->setObjectName(QStringLiteral("WinKeyerPort"));
    m_winKeyerPort->setEditable(true);
    m_winKeyerPort->setInsertPolicy(QComboBox::NoInsert);
    m_cwDaemon = new QLineEdit(this);
    m_cwDaemon->setObjectName(QStringLiteral("CwDaemonAddress"));
    m_voicePtt = new QComboBox(this);
    m_voicePtt->setObjectName(QStringLiteral("VoicePtt"));
    m_voicePtt->addItem(QStringLiteral("нет (VOX трансивера)"), int(keyer::VoicePtt::None));
    m_voicePtt->addItem(QStringLiteral("CAT (микрофон)"), int(keyer::VoicePtt::CatMic));
    m_voicePtt->addItem(QStringLiteral("CAT (данные: звук через USB трансивера)"), int(keyer::VoicePtt::CatData));
    m_voicePtt->addItem(QStringLiteral("RTS на порту манипуляции"), int(keyer::VoicePtt::Rts));
    m_voicePtt->addItem(QStringLiteral("PTT WinKeyer"), int(keyer::VoicePtt::WinKeyer));
    m_voicePtt->addItem(QStringLiteral("PTT cwdaemon"), int(keyer::VoicePtt::CwDaemon));

    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("Манипуляция"), m_kind);
    form->addRow(QStringLiteral("Порт WinKeyer"), m_winKeyerPort);
    form->addRow(QStringLiteral("cwdaemon, адрес:порт"), m_cwDaemon);
    form->addRow(QStringLiteral("PTT для голоса"), m_voicePtt);
    form->addRow(new QLabel(QStringLiteral("Действует со следующего запуска программы.")));
    QObject::connect(m_kind, &QComboBox::currentIndexChanged, this, [this] { showChoice(); });
}

void KeyerPage::showSettings(const keyer::KeyerSettings& settings, const keyer::PortEnumerator& ports)
{
    m_kind->setCurrentIndex(m_kind->findData(int(settings.kind)));
    m_winKeyerPort->clear();
    for (const QString& entry : keyer::portItems(ports)) {
        if (const std::optional<QString> device = keyer::deviceOfPortEntry(entry))
            m_winKeyerPort->addItem(*device);
    }
    m_winKeyerPort->setEditText(settings.winKeyerPort);
    m_cwDaemon->setText(settings.cwDaemonAddress);
    m_voicePtt->setCurrentIndex(m_voicePtt->findData(int(settings.voicePtt)));
    showChoice();
}

// Only the fields of the choice can be edited.
void KeyerPage::showChoice()
{
    const auto kind = keyer::KeyerKind(m_kind->currentData().toInt());
    m_winKeyerPort->setEnabled(kind == keyer::KeyerKind::WinKeyer);
    m_cwDaemon->setEnabled(kind == keyer::KeyerKind::CwDaemon);
}

keyer::KeyerSettings KeyerPage::settings() const
{
    keyer::KeyerSettings s;
    s.kind = keyer::KeyerKind(m_kind->currentData().toInt());
    s.winKeyerPort = m_winKeyerPort->currentText().trimmed();
    const QString address = m_cwDaemon->text().trimmed();
    s.cwDaemonAddress = address.isEmpty() ? keyer::kDefaultCwDaemonAddress : address;
    s.voicePtt = keyer::VoicePtt(m_voicePtt->currentData().toInt());
    return s;
}
