// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/SubTourState.h"

#include <QtEndian>

namespace logbook {
namespace {

constexpr char kTag[4] = {'K', 'V', 'L', 'T'};
constexpr int kPending = 4;
constexpr int kChecked = 8;

} // namespace

QByteArray SubTourState::encode() const
{
    QByteArray out(Size, '\0');
    std::copy(std::begin(kTag), std::end(kTag), out.begin());
    out[kPending] = pending ? 1 : 0;
    qToLittleEndian<qint64>(checkedUtcSeconds, out.data() + kChecked);
    return out;
}

std::optional<SubTourState> SubTourState::decode(const QByteArray& bytes)
{
    if (bytes.size() != Size || !bytes.startsWith(QByteArray(kTag, sizeof kTag)) || uchar(bytes[kPending]) > 1)
        return std::nullopt;
    return SubTourState {bytes[kPending] == 1, qFromLittleEndian<qint64>(bytes.constData() + kChecked)};
}

} // namespace logbook
