// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/StatusLine.h"

#include "common/Clock.h"
#include "keyer/CwKeyer.h"
#include "session/ContestSession.h"
#include "widgets/WidgetStyle.h"

StatusLine::StatusLine(const session::ContestSession& session, const keyer::CwKeyer& keyer, const Clock& clock,
                       QWidget* parent)
    : FittedLabel(parent), m_session(session), m_keyer(keyer), m_clock(clock)
{
    setObjectName(QStringLiteral("StatusLine"));
    setFont(widgetstyle::sansFont(13, true));
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setIndent(6);
    setAutoFillBackground(true);
    showFault(false);
}

void StatusLine::showFault(bool fault)
{
    if (fault == m_fault && !styleSheet().isEmpty())
        return;
    m_fault = fault;
    setStyleSheet(fault ? QStringLiteral("QLabel { background: #c00000; color: white; }")
                        : QStringLiteral("QLabel { background: #404040; color: white; }"));
}

// The log that is not being saved hides the figures: nothing matters more.
void StatusLine::refresh()
{
    const QDateTime reading = m_clock.current();
    const QTime now = reading.time();
    const std::optional<QString> notSaved = m_session.logNotSaved();
    showFault(notSaved.has_value() || !m_pttTrouble.isEmpty());
    if (notSaved) {
        setText(*notSaved);
        m_shownMinute = now.hour() * 60 + now.minute();
        return;
    }
    const bool cw = m_session.mode() == logbook::Mode::CW;
    QString text = session::statusLineText(m_session.status(reading), cw ? std::optional<int>(m_keyer.DashTime()) : std::nullopt);
    if (!m_rigText.isEmpty())
        text += QStringLiteral(" | ") + m_rigText;
    for (const QString& note : m_notes) {
        if (!note.isEmpty())
            text += QStringLiteral(" | ") + note;
    }
    if (!m_fileNotice.isEmpty() && reading >= m_fileNoticeUntil)
        m_fileNotice.clear();
    if (!m_fileNotice.isEmpty())
        text = m_fileNotice + QStringLiteral(" | ") + text;
    if (!m_recording.isEmpty())
        text = m_recording + QStringLiteral(" | ") + text; // what the operator is doing now
    if (!m_pttTrouble.isEmpty())
        text = m_pttTrouble + QStringLiteral(" | ") + text; // first: the transmitter matters most now
    setText(text);
    m_shownMinute = now.hour() * 60 + now.minute();
}

void StatusLine::clockTick(const QTime& now)
{
    if (now.hour() * 60 + now.minute() != m_shownMinute)
        refresh();
}

void StatusLine::showRig(const QString& text)
{
    if (text == m_rigText)
        return;
    m_rigText = text;
    refresh();
}

void StatusLine::showNote(Note source, const QString& text)
{
    m_notes[size_t(source)] = text;
    refresh();
}

void StatusLine::showRecording(const QString& text)
{
    m_recording = text;
    refresh();
}

void StatusLine::showPttTrouble(const QString& text)
{
    m_pttTrouble = text;
    refresh();
}

void StatusLine::showFileNotice(const QString& text)
{
    m_fileNotice = text;
    m_fileNoticeUntil = m_clock.current().addSecs(120);
    refresh();
}

void StatusLine::showRigState(qint64 hz, const QString& notice)
{
    QString text = hz > 0 ? rigFrequencyText(hz) : QString();
    if (!notice.isEmpty())
        text += (text.isEmpty() ? QString() : QStringLiteral(" — ")) + notice;
    showRig(text);
}

QString rigFrequencyText(qint64 hz)
{
    const qint64 tenths = (hz + 50) / 100; // of a kilohertz
    QString kHz = QString::number(tenths / 10);
    for (qsizetype at = kHz.size() - 3; at > 0; at -= 3)
        kHz.insert(at, QLatin1Char(' '));
    return QStringLiteral("%1,%2 кГц").arg(kHz).arg(tenths % 10);
}
