#include "Unit2.h"

#include "ErrorGuard.h"
#include "FileNames.h"
#include "StationDataFile.h"

TForm2::TForm2(Dialogs& dialogs, std::function<void()> refreshMainCaption, QWidget* parent)
    : QDialog(parent), m_dialogs(dialogs), m_refreshMainCaption(std::move(refreshMainCaption))
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Установки"));
    FormCreate();
}

QString TForm2::field(int line) const
{
    return m_lines.value(line);
}

void TForm2::FormCreate()
{
    guarded(m_dialogs, [&] {
        if (!logbook::fileExists(setup::kStationDataFileName))
            setup::writeStationData(setup::kStationDataFileName, QStringList(setup::kTemplateLineCount, QString()));
        m_lines = setup::readStationData(setup::kStationDataFileName);
        m_refreshMainCaption();
    });
}

void TForm2::FormClose()
{
    guarded(m_dialogs, [&] {
        setup::writeStationData(setup::kStationDataFileName, m_lines);
        m_refreshMainCaption();
        hide();
    });
}
