// Steps whose features are still being built: named here so that the
// start-up, entry and key handlers already call them in their final places.
#include "TForm1.h"

#include "Panel.h"

#include <QLineEdit>

namespace {
const QString kAsiaVariant = QStringLiteral("Чемпионат Азиатской части РФ");
const QString kRaVariant = QStringLiteral("Чемпионат РА");
const QString kOthersVariant = QStringLiteral("Others");
} // namespace

void TForm1::CallEntered()
{
    const QString variant = settings().contestVariant();
    if (variant != kAsiaVariant && variant != kRaVariant && variant != kOthersVariant)
        return;
    if (!m_dupeCall.isEmpty()) {
        Edit1->clear();
        Edit2->clear();
    }
    if (Edit1->text().isEmpty())
        return;
    if (Edit2->text().isEmpty())
        Edit2->setText(m_rememberedExchange);
    Edit2->end(false);
    m_grid.setCell(m_log.currentRow(), logbook::Call, Edit1->text());
    Edit2->show();
    AC();
}

bool TForm1::Edit2KeyPress(QKeyEvent*)
{
    return false;
}

void TForm1::StringOfCalls() {}
void TForm1::ScoreRow(int) {}
void TForm1::N11Click() {}
void TForm1::RescoreAll() {}
void TForm1::LoadRaBase() {}
void TForm1::SwitchOffSystemBeep() {} // a Windows-only setting; nothing to do here
void TForm1::CreateReport() {}

