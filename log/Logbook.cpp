// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/Logbook.h"

#include "common/FileNames.h"
#include "common/KvlError.h"
#include "log/BandTable.h"
#include "log/ContactLog.h"

#include <QFileInfo>
#include <utility>

namespace logbook {

Logbook::Logbook(ContactLog& contacts)
    : m_contacts(contacts)
    , m_logFile(kLogFileName, Contact::Size)
    , m_stateFile(kStateFileName, StateRecord::Size)
    , m_subTourFile(kSubTourFileName, SubTourState::Size)
{
}

void Logbook::setCurrentRow(int row)
{
    m_currentRow = qMax(1, row);
    m_contacts.ensureRow(m_currentRow);
}

void Logbook::writeRow(int row)
{
    if (row < 1)
        return;
    const QByteArray record = m_contacts.contact(row).encode();
    const ContactExtras extras = extrasOf(row);
    if (!writesExtras(row, extras)) {
        write(m_logFile, row - 1, record);
        return;
    }
    // A long text never stands without its record, nor a record beside a
    // stale slot: both in the transaction under way, or in one of their own.
    const auto both = [&] {
        write(m_logFile, row - 1, record);
        write(m_extrasFile.file(), row - 1, ExtrasFile::slot(extras));
    };
    if (m_open)
        both();
    else
        asOne(both);
}

ContactExtras Logbook::extrasOf(int row) const
{
    const Contact& contact = m_contacts.contact(row);
    ContactExtras extras = ContactExtras::of(contact);
    const auto kept = m_keptLines.find(row);
    if (kept != m_keptLines.end() && contact.isContact() && kept->second.call == contact.call())
        extras.otherLines = kept->second.lines;
    return extras;
}

// Only a row with something beyond its record, or with a slot there to
// overwrite, costs a second synced write: a contest whose exchanges fit
// never touches the file.
bool Logbook::writesExtras(int row, const ContactExtras& extras)
{
    if (!extras.isEmpty())
        return true;
    if (!m_extrasKnown || m_deleted)
        return false;
    if (m_extrasFile.file().exists())
        return m_extrasFile.hasSlot(row);
    // Gone while the contest runs: made again now if some contact has a slot.
    m_extrasKnown = !heldInMemory(m_extrasFile.file()).isEmpty();
    return m_extrasKnown;
}

std::optional<ContactStamp> Logbook::stamp(int row) const
{
    return m_contacts.contact(row).stamp;
}

void Logbook::writeStamp(int row, const std::optional<ContactStamp>& stamp)
{
    if (row < 1)
        return;
    // Through the same transaction as the record and the state: a failed
    // contact leaves no stamp behind.
    write(m_stampFile.file(), row - 1, StampFile::slot(stamp));
    if (m_open)
        m_stampUndo.emplace_back(row, m_contacts.contact(row).stamp);
    m_contacts.setStamp(row, stamp);
}

void Logbook::writeCfgFile()
{
    m_state.nextRow = m_currentRow;
    write(m_stateFile, 0, m_state.encode());
}

// A write on its own is a transaction of one: whole, or not at all.
void Logbook::write(const RecordFile& file, qint64 index, const QByteArray& record)
{
    try {
        remakeIfGone(file);
        if (m_open) {
            m_open->write(file, index, record);
        } else {
            WriteTransaction single;
            single.write(file, index, record);
            single.commit();
        }
    } catch (const KvlError& e) {
        noteFault(file, e.message());
        throw;
    }
    m_faults.erase(file.name());
}

void Logbook::remakeIfGone(const RecordFile& file)
{
    if (m_deleted || file.exists())
        return;
    const QByteArray held = heldInMemory(file);
    if (&file == &m_extrasFile.file() && (!m_extrasKnown || held.isEmpty())) {
        file.createEmpty(); // first needed now, or gone with nothing to make again
        m_extrasKnown = true;
        return;
    }
    file.replaceAll(held);
    m_remade << QStringLiteral("Файл %1 пропал и записан заново из памяти").arg(file.name());
}

// The contacts before the row being entered, their stamps and their extras
// (up to the last slot that holds any); a state file holds one record, which
// the write that found it gone puts in.
QByteArray Logbook::heldInMemory(const RecordFile& file) const
{
    QByteArray bytes;
    if (&file == &m_logFile) {
        for (int row = 1; row < m_currentRow; ++row)
            bytes += m_contacts.contact(row).encode();
    } else if (&file == &m_stampFile.file()) {
        for (int row = 1; row < m_currentRow; ++row)
            bytes += StampFile::slot(m_contacts.contact(row).stamp);
    } else if (&file == &m_extrasFile.file()) {
        for (int row = 1; row < m_currentRow; ++row) {
            const ContactExtras extras = extrasOf(row);
            if (extras.isEmpty())
                continue;
            bytes += QByteArray(qsizetype(row - 1) * ContactExtras::Size - bytes.size(), '\0');
            bytes += extras.encode();
        }
    }
    return bytes;
}

QStringList Logbook::takeRemade()
{
    return std::exchange(m_remade, {});
}

void Logbook::noteFault(const RecordFile& file, const QString& reason)
{
    const auto known = m_faults.find(file.name());
    m_faultRepeated = known != m_faults.end() && known->second == reason;
    m_lastFault = reason;
    m_faults[file.name()] = reason;
}

std::optional<QString> Logbook::writeFault() const
{
    if (m_faults.empty())
        return std::nullopt;
    return m_faults.begin()->second;
}

bool Logbook::isFault(const QString& error) const
{
    for (const auto& fault : m_faults) {
        if (fault.second == error)
            return true;
    }
    return false;
}

void Logbook::checkWritable()
{
    for (const RecordFile* file : {&m_logFile, &m_stateFile}) {
        if (m_faults.count(file->name()))
            continue;
        try {
            file->checkWritable();
        } catch (const KvlError& e) {
            noteFault(*file, e.message());
        }
    }
}

// A file that cannot be created is a fault to show, not a reason to stop
// reading what can be read.
void Logbook::createOrNote(const RecordFile& file)
{
    try {
        file.createEmpty();
    } catch (const KvlError& e) {
        noteFault(file, e.message());
    }
}

bool Logbook::readState()
{
    const bool found = m_stateFile.exists();
    m_state = StateRecord {};
    QByteArray bytes;
    if (!found) {
        m_state.bandChangeCount = -1;
        m_state.callsLineFlag = 1;
        createOrNote(m_stateFile);
        m_stateDoubt = QStringLiteral("Файла состояния %1 нет").arg(m_stateFile.name());
    } else {
        try {
            bytes = m_stateFile.read(0, 1);
        } catch (const KvlError& e) {
            m_stateDoubt = e.message();
        }
    }
    if (bytes.size() == StateRecord::Size)
        m_state = StateRecord::decode(bytes.constData());
    else if (found && !m_stateDoubt)
        m_stateDoubt = QStringLiteral("Файл состояния %1 пуст или обрезан").arg(m_stateFile.name());
    const qint64 logEnd = m_logFile.recordCount() + 1; // a missing log holds no record
    const bool trusted = m_state.nextRow >= 1 && m_state.nextRow <= logEnd + UntrustedGap;
    if (bytes.size() == StateRecord::Size && !trusted)
        m_stateDoubt = QStringLiteral("В файле состояния %1 невозможный номер следующей строки (%2)")
                           .arg(m_stateFile.name())
                           .arg(m_state.nextRow);
    setCurrentRow(trusted ? m_state.nextRow : 1);
    return found;
}

std::optional<QString> Logbook::readLog()
{
    if (!m_logFile.exists()) {
        // Stamps and a due sub-tour of a log that is gone would date the new
        // one, its extras fill its rows.
        m_stampFile.remove();
        m_extrasFile.remove();
        m_subTourFile.remove();
        m_extrasKnown = false;
        m_keptLines.clear();
        m_stampFile.createIfMissing();
        createOrNote(m_logFile);
        m_stateDoubt.reset();
        return std::nullopt;
    }
    m_stampFile.createIfMissing();
    std::optional<QString> warning;
    if (m_stateDoubt) {
        // Without a state to trust, the log goes on after its last contact:
        // starting at row 1 would overwrite the contacts already logged.
        const int lastContact = lastContactRow();
        if (lastContact > 0) {
            setCurrentRow(lastContact + 1);
            warning = QStringLiteral("%1; журнал %2 продолжается после последней связи, со строки %3")
                          .arg(*m_stateDoubt, m_logFile.name())
                          .arg(m_currentRow);
        }
        m_stateDoubt.reset();
    }
    const QByteArray bytes = m_logFile.read(0, m_currentRow - 1);
    const int records = int(bytes.size() / Contact::Size);
    for (int i = 0; i < records; ++i)
        m_contacts.setContact(i + 1, Contact::decode(bytes.constData() + qsizetype(i) * Contact::Size));
    if (warning) {
        rebuildCounters();
        *warning += QStringLiteral(". Счётчики по диапазонам и число смен диапазона восстановлены по журналу");
    }
    readStamps();
    readExtras();
    return warning;
}

void Logbook::readStamps()
{
    const QVector<std::optional<ContactStamp>> stamps = m_stampFile.read(m_currentRow - 1);
    for (int i = 0; i < stamps.size(); ++i) {
        // A stamp the time field disagrees with: the record was changed without it.
        if (stamps[i] && stamps[i]->matches(m_contacts.cell(i + 1, Time)))
            m_contacts.setStamp(i + 1, stamps[i]);
    }
}

// A slot's long text stands where the record still holds its beginning.
void Logbook::readExtras()
{
    m_extrasKnown = m_extrasFile.file().exists();
    m_keptLines.clear();
    for (const auto& [row, extras] : m_extrasFile.read(m_currentRow - 1)) {
        for (const QsoField field : {Sent, Received})
            m_contacts.setCell(row, field, extras.longText(field, m_contacts.cell(row, field)));
        if (!extras.otherLines.isEmpty())
            m_keptLines[row] = {m_contacts.cell(row, Call), extras.otherLines};
    }
}

// Each contact counts on its own band; the band changes are the largest
// number the log gives them (the first contact already made it 0).
void Logbook::rebuildCounters()
{
    m_state.bandCounters = {};
    m_state.bandChangeCount = 0;
    for (int row = 1; row < m_currentRow; ++row) {
        const Contact& contact = m_contacts.contact(row);
        if (const auto bandMode = contact.bandMode())
            ++m_state.bandCounters[size_t(bandMode->band)];
        m_state.bandChangeCount = qMax(m_state.bandChangeCount, contact.text(BandChange).toInt());
    }
}

// From the end, a piece at a time: the log may be of any length.
int Logbook::lastContactRow() const
{
    constexpr qint64 kPiece = 4096;
    const Contact empty;
    for (qint64 end = m_logFile.recordCount(); end > 0; end -= kPiece) {
        const qint64 first = qMax<qint64>(0, end - kPiece);
        const QByteArray bytes = m_logFile.read(first, end - first);
        for (qsizetype i = bytes.size() / Contact::Size - 1; i >= 0; --i) {
            if (!(Contact::decode(bytes.constData() + i * Contact::Size) == empty))
                return int(first + i + 1);
        }
    }
    return 0;
}

Logbook::SubTourStateRead Logbook::readSubTourState() const
{
    if (!m_subTourFile.exists())
        return {};
    const QByteArray bytes = m_subTourFile.read(0, 1);
    const std::optional<SubTourState> state = SubTourState::decode(bytes);
    return {state, !state && QFileInfo(existingFileName(m_subTourFile.name())).size() > 0};
}

void Logbook::writeSubTourState(const SubTourState& state)
{
    if (!m_subTourFile.exists())
        m_subTourFile.createEmpty();
    write(m_subTourFile, 0, state.encode());
}

void Logbook::deleteFiles()
{
    m_deleted = true;
    m_stateFile.remove();
    m_logFile.remove();
    m_stampFile.remove();
    m_extrasFile.remove();
    m_subTourFile.remove();
    m_keptLines.clear();
    for (int row = 1; row < m_contacts.rowCount(); ++row)
        m_contacts.setStamp(row, std::nullopt);
}

void Logbook::undoStamps()
{
    while (!m_stampUndo.empty()) {
        m_contacts.setStamp(m_stampUndo.back().first, m_stampUndo.back().second);
        m_stampUndo.pop_back();
    }
}

} // namespace logbook
