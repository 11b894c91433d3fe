// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyer/PttSwitch.h"

#include "keyer/KeyerDevice.h"
#include "keyer/KeyingLines.h"

namespace keyer {
namespace {

const QString kPttLineLost = QStringLiteral("PTT для голоса: порт манипуляции пропал, передача остановлена");

} // namespace

void LinePtt::setPtt(bool on)
{
    m_lines.setRTS(on);
    if (!on)
        return;
    trouble(m_lines.linesLost() ? kPttLineLost : QString());
}

void DevicePtt::setPtt(bool on)
{
    m_device.setPtt(on);
}

} // namespace keyer
