// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/WriteTransaction.h"

#include "common/KvlError.h"

namespace logbook {

void WriteTransaction::write(const RecordFile& file, qint64 index, const QByteArray& record)
{
    // Remembered before the write: a write cut short may have changed the file.
    m_undo.push_back({&file, file.snapshot(index, 1)});
    file.write(index, record);
}

std::optional<QString> WriteTransaction::rollback() noexcept
{
    std::optional<QString> failure;
    for (auto undo = m_undo.rbegin(); undo != m_undo.rend(); ++undo) {
        try {
            undo->file->restore(undo->before);
        } catch (const KvlError& e) {
            failure = e.message();
        } catch (...) {
            failure = QStringLiteral("Не удалось записать файл %1").arg(undo->file->name());
        }
    }
    m_undo.clear();
    return failure;
}

} // namespace logbook
