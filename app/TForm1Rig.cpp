// The rig and the logger in step: the rig's band and mode act as the
// operator's own clicks, the operator's choices tune the rig, a frequency
// typed into the call field tunes it there. Its frequency and its troubles
// show in the status line, never in a box that would take the keys from the
// operator.
#include "app/TForm1.h"
#include "widgets/MainWindowView.h"

#include "widgets/StatusLine.h"

#include <QLineEdit>

namespace {

const QString kRigSilent = QStringLiteral("Трансивер не отвечает");

} // namespace

void TForm1::connectRig()
{
    connect(m_rig, &radio::RigPoller::bandWanted, this, [this](int band) {
        rigChoice([this, band] { SelectBand(band); });
    });
    connect(m_rig, &radio::RigPoller::modeWanted, this, [this](logbook::Mode mode) {
        rigChoice([this, mode] { showChanges(m_session.selectMode(mode)); });
    });
    connect(m_rig, &radio::RigPoller::rigStateChanged, this, [this](qint64 hz, const QString& mode) {
        m_bandFrequencies.note(hz, mode);
        m_session.setRigFrequency(hz); // stamped on the next contact
        showRigState(hz, QString());
    });
    connect(m_rig, &radio::RigPoller::noticed, this, [this](const QString& notice) { showRigState(m_rigHz, notice); });
    connect(m_rig, &radio::RigPoller::connectionLost, this, [this](const QString& message) {
        m_session.setRigFrequency(0);
        m_view->statusLine->showRig(message);
    });
}

// A band or mode the rig chose is not sent back to it.
template <class Choice>
void TForm1::rigChoice(Choice&& choice)
{
    m_rigChoosing = true;
    runGuarded(std::forward<Choice>(choice));
    m_rigChoosing = false;
}

void TForm1::showRigState(qint64 hz, const QString& notice)
{
    m_rigHz = hz;
    QString text = hz > 0 ? rigFrequencyText(hz) : QString();
    if (!notice.isEmpty())
        text += (text.isEmpty() ? QString() : QStringLiteral(" — ")) + notice;
    m_view->statusLine->showRig(text);
}

// After every change of the band or mode, whoever made it: what is on the
// air stops, PTT off, and the rig changes after it.
void TForm1::rigFollowsLogger(bool bandChanged)
{
    m_voice.stop();
    m_keyer.EscKey();
    if (bandChanged)
        runGuarded([this] { m_bandFrequencies.save(); });
    if (!m_rigChoosing && m_session.selectedBand() >= 0)
        m_rig->tune(m_bandFrequencies.tuneFor(m_session.selectedBand(), m_session.mode()));
}

// Enter in the call field: a frequency in kHz tunes the rig, and is no call.
bool TForm1::tuneToTypedFrequency()
{
    const std::optional<radio::RigTune> tune = radio::typedFrequency(m_view->Edit1->text().trimmed());
    if (!tune)
        return false;
    if (!m_rig->tune(*tune)) {
        m_view->statusLine->showRig(kRigSilent);
        return true;
    }
    m_view->Edit1->clear();
    StringOfCalls();
    return true;
}

void TForm1::FollowRig()
{
    m_bandFrequencies.load();
    const radio::RigSettingsRead& read = m_ini.rig();
    if (!read.problem.isEmpty())
        m_dialogs.showError(errorBoxText(read.problem));
    followRig(read.settings);
}

void TForm1::followRig(const radio::RigSettings& settings)
{
    if (settings == m_rigSettings)
        return;
    m_rigSettings = settings;
    m_session.setRigFrequency(0);
    m_view->statusLine->showRig(QString());
    m_rig->start(settings);
}
