// Following the rig: its band and mode act as the operator's own clicks, its
// frequency and its troubles show in the status line, never in a box that
// would take the keys from the operator.
#include "app/TForm1.h"

#include "widgets/StatusLine.h"

void TForm1::connectRig()
{
    connect(m_rig, &radio::RigPoller::bandWanted, this, [this](int band) {
        runGuarded([this, band] {
            if (band != m_session.selectedBand())
                SelectBand(band);
        });
    });
    connect(m_rig, &radio::RigPoller::modeWanted, this, [this](logbook::Mode mode) {
        runGuarded([this, mode] {
            if (mode != m_session.mode())
                Panel7Click();
        });
    });
    connect(m_rig, &radio::RigPoller::rigStateChanged, this,
            [this](qint64 hz, const QString&) {
                m_session.setRigFrequency(hz); // stamped on the next contact
                m_statusLine->showRig(rigFrequencyText(hz));
            });
    connect(m_rig, &radio::RigPoller::connectionLost, this, [this](const QString& message) {
        m_session.setRigFrequency(0);
        m_statusLine->showRig(message);
    });
    connect(m_rig, &radio::RigPoller::reconnected, this, [this] { m_statusLine->showRig(QString()); });
}

void TForm1::FollowRig()
{
    const radio::RigSettingsRead read = radio::readRigSettings();
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
    m_statusLine->showRig(QString());
    m_rig->start(settings);
}
