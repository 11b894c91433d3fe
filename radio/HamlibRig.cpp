// SPDX-License-Identifier: GPL-3.0-or-later
#include "radio/HamlibRig.h"

#include <hamlib/rig.h>

#include <algorithm>
#include <clocale>
#include <csignal>
#include <sys/socket.h>

namespace radio {
namespace {

// Short enough to keep the poller responsive, long enough for a slow rig
// behind rigctld; a failed reading is tried once more by the poller anyway.
const char* const kTimeoutMs = "1000";
const char* const kRetries = "0";

QString hamlibError(int code)
{
    return QString::fromLocal8Bit(rigerror2(code)).trimmed();
}

int setConf(RIG* rig, const char* name, const QByteArray& value)
{
    return rig_set_conf(rig, rig_token_lookup(rig, name), value.constData());
}

} // namespace

HamlibRig::HamlibRig(RigSettings settings)
    : m_settings(std::move(settings))
{
}

HamlibRig::~HamlibRig()
{
    close();
}

QString HamlibRig::open()
{
    close();
    rig_set_debug(RIG_DEBUG_NONE); // Hamlib's chatter would fill the terminal
    m_rig = rig_init(rig_model_t(m_settings.model));
    if (!m_rig)
        return QStringLiteral("в Hamlib нет модели %1").arg(m_settings.model);
    int result = RIG_OK;
    if (!m_settings.port.isEmpty())
        result = setConf(m_rig, "rig_pathname", m_settings.port.toLocal8Bit());
    if (result == RIG_OK && m_settings.speed > 0)
        result = setConf(m_rig, "serial_speed", QByteArray::number(m_settings.speed));
    if (result == RIG_OK)
        result = setConf(m_rig, "timeout", kTimeoutMs);
    if (result == RIG_OK)
        result = setConf(m_rig, "retry", kRetries);
    if (result == RIG_OK) {
        std::lock_guard<std::mutex> lock(m_socketMutex);
        m_opening = m_rig; // opening already talks to rigctld
    }
    if (result == RIG_OK)
        result = rig_open(m_rig);
    if (result != RIG_OK) {
        forgetSocket();
        rig_cleanup(m_rig);
        m_rig = nullptr;
        return hamlibError(result);
    }
    // Every poll asks the rig itself: a cached answer only delays a change.
    rig_set_cache_timeout_ms(m_rig, HAMLIB_CACHE_ALL, 0);
    return QString();
}

QString HamlibRig::read(RigReading& reading)
{
    freq_t frequency = 0;
    rmode_t mode = RIG_MODE_NONE;
    pbwidth_t width = 0;
    int result = rig_get_freq(m_rig, RIG_VFO_CURR, &frequency);
    if (result == RIG_OK)
        result = rig_get_mode(m_rig, RIG_VFO_CURR, &mode, &width);
    if (result != RIG_OK)
        return hamlibError(result);
    reading.frequencyHz = frequency;
    reading.mode = QString::fromLatin1(rig_strrmode(mode));
    return QString();
}

QString HamlibRig::set(qint64 frequencyHz, const QString& mode)
{
    int result = rig_set_freq(m_rig, RIG_VFO_CURR, freq_t(frequencyHz));
    if (result == RIG_OK && !mode.isEmpty())
        result = rig_set_mode(m_rig, RIG_VFO_CURR, rig_parse_mode(mode.toLatin1().constData()), RIG_PASSBAND_NOCHANGE);
    return result == RIG_OK ? QString() : hamlibError(result);
}

QString HamlibRig::sendMorse(const QByteArray& text)
{
    const int result = rig_send_morse(m_rig, RIG_VFO_CURR, text.constData());
    return result == RIG_OK ? QString() : hamlibError(result);
}

QString HamlibRig::stopMorse()
{
    const int result = rig_stop_morse(m_rig, RIG_VFO_CURR);
    return result == RIG_OK ? QString() : hamlibError(result);
}

QString HamlibRig::setKeySpeed(int wpm)
{
    const gran_t& range = m_rig->state.level_gran[rig_setting2idx(RIG_LEVEL_KEYSPD)];
    if (range.max.i > range.min.i) // a rig that says no range takes the speed as it is
        wpm = std::clamp(wpm, range.min.i, range.max.i);
    value_t value;
    value.i = wpm;
    const int result = rig_set_level(m_rig, RIG_VFO_CURR, RIG_LEVEL_KEYSPD, value);
    return result == RIG_OK ? QString() : hamlibError(result);
}

QString HamlibRig::readPtt(bool& on)
{
    ptt_t ptt = RIG_PTT_OFF;
    const int result = rig_get_ptt(m_rig, RIG_VFO_CURR, &ptt);
    on = ptt != RIG_PTT_OFF;
    return result == RIG_OK ? QString() : hamlibError(result);
}

QString HamlibRig::setPtt(RigPtt ptt)
{
    const ptt_t value = ptt == RigPtt::Mic ? RIG_PTT_ON_MIC : ptt == RigPtt::Data ? RIG_PTT_ON_DATA : RIG_PTT_OFF;
    const int result = rig_set_ptt(m_rig, RIG_VFO_CURR, value);
    return result == RIG_OK ? QString() : hamlibError(result);
}

// Only rigctld's network rig has a socket; a serial rig's call ends by its
// own timeout.
void HamlibRig::interrupt()
{
    std::lock_guard<std::mutex> lock(m_socketMutex);
    if (!m_opening || m_settings.model != kNetRigctlModel)
        return;
    const int socket = m_opening->state.rigport.fd;
    if (socket >= 0)
        ::shutdown(socket, SHUT_RDWR);
}

void HamlibRig::forgetSocket()
{
    std::lock_guard<std::mutex> lock(m_socketMutex);
    m_opening = nullptr;
}

void HamlibRig::close()
{
    if (!m_rig)
        return;
    forgetSocket();
    rig_close(m_rig);
    rig_cleanup(m_rig);
    m_rig = nullptr;
}

std::unique_ptr<RigConnection> hamlibConnection(const RigSettings& settings)
{
    return std::make_unique<HamlibRig>(settings);
}

void ignoreBrokenPipes()
{
    std::signal(SIGPIPE, SIG_IGN);
}

void settleNumericLocaleForHamlib()
{
    std::setlocale(LC_NUMERIC, "C");
}

} // namespace radio
