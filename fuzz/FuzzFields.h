// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fuzzer/FuzzedDataProvider.h>

// Splits one fuzz input into fields. A field ends at a backslash followed by
// any other character ("\\" stands for one backslash), so seed files stay
// readable text: "QA9ZZ\|9Z=ABC;" is a call and a base text.
class FuzzFields
{
public:
    FuzzFields(const uint8_t* data, size_t size) : m_provider(data, size) {}

    QByteArray bytes()
    {
        const std::string s = m_provider.ConsumeRandomLengthString();
        return QByteArray(s.data(), qsizetype(s.size()));
    }
    // UTF-8, so that fields can carry characters outside code page 1251;
    // broken sequences become U+FFFD, another character the code page lacks.
    QString text() { return QString::fromUtf8(bytes()); }
    // A decimal number, or the field's first bytes taken as a raw integer, so
    // that both readable seeds and any 32-bit value are reachable.
    qint32 number()
    {
        const QByteArray field = bytes();
        bool ok = false;
        const qint32 value = field.toInt(&ok);
        if (ok)
            return value;
        qint32 raw = 0;
        std::memcpy(&raw, field.constData(), size_t(qMin<qsizetype>(field.size(), sizeof raw)));
        return raw;
    }
    QByteArray rest()
    {
        const std::vector<char> v = m_provider.ConsumeRemainingBytes<char>();
        return QByteArray(v.data(), qsizetype(v.size()));
    }

private:
    FuzzedDataProvider m_provider;
};

// The readers under test open their files by relative name in the working
// directory: each target works in a private folder of its own.
inline void enterScratchFolder()
{
    static QTemporaryDir dir;
    if (!dir.isValid() || !QDir::setCurrent(dir.path()))
        std::abort();
}

// A new file each time: cutting an old one to nothing makes ext4 write its
// blocks out at close, which would cost more than the reader under test.
inline void putFile(const QString& name, const QByteArray& bytes)
{
    QFile::remove(name);
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly) || file.write(bytes) != bytes.size())
        std::abort();
}

// A broken property is a finding like a crash.
#define FUZZ_CHECK(condition)                                                                   \
    do {                                                                                        \
        if (!(condition)) {                                                                     \
            std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                       \
        }                                                                                       \
    } while (false)
