// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/ExtrasFile.h"

#include "common/FileNames.h"
#include "common/KvlError.h"

#include <QFileInfo>

namespace logbook {

ExtrasFile::ExtrasFile() : m_file(kExtrasFileName, ContactExtras::Size) {}

// A piece at a time: the log may be of any length, and few rows have a slot.
std::map<int, ContactExtras> ExtrasFile::read(int count) const
{
    constexpr int kPiece = 4096;
    std::map<int, ContactExtras> slots;
    try {
        for (int first = 0; first < count && m_file.exists(); first += kPiece) {
            const QByteArray bytes = m_file.read(first, qMin(kPiece, count - first));
            for (qsizetype i = 0; i < bytes.size() / ContactExtras::Size; ++i) {
                if (std::optional<ContactExtras> extras = ContactExtras::decode(bytes.constData() + i * ContactExtras::Size))
                    slots.emplace(first + int(i) + 1, std::move(*extras));
            }
            if (bytes.size() < qsizetype(kPiece) * ContactExtras::Size)
                break;
        }
    } catch (const KvlError&) {
        return {}; // the next write of a long exchange says what is wrong
    }
    return slots;
}

bool ExtrasFile::hasSlot(int row) const
{
    const QFileInfo info(existingFileName(m_file.name()));
    return info.isFile() && info.size() >= qint64(row) * ContactExtras::Size;
}

QByteArray ExtrasFile::slot(const ContactExtras& extras)
{
    return extras.isEmpty() ? QByteArray(ContactExtras::Size, '\0') : extras.encode();
}

} // namespace logbook
