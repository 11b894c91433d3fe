// Sub-tours, taking back the last contact, and clearing the log.
#include "app/TForm1.h"

#include "common/Dialogs.h"

#include <QDateTime>

void TForm1::SubTourCheck(const QDateTime& now)
{
    showSubTourOffer(m_session.clockReading(now));
}

void TForm1::ForceSubTour()
{
    showSubTourOffer(m_session.offerSubTour());
}

// From now on the contact being entered belongs to the new sub-tour; the
// session scans a call already typed again. Nothing offered: nothing to show.
void TForm1::showSubTourOffer(const session::Changes& changes)
{
    if (changes.subTour)
        showChanges(changes);
}

void TForm1::Panel8Click()
{
    showChanges(m_session.applySubTour());
}

void TForm1::Panel12Click()
{
    showChanges(m_session.deleteOrRestore());
}

void TForm1::ClearLog()
{
    if (!m_dialogs.confirm(QStringLiteral("Очистка LOG-а перед тестом")))
        return;
    if (!m_dialogs.confirm(QStringLiteral("Вы уверены. Очистить LOG ?")))
        return;
    m_session.clearLog();
    close();
}
