// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "messagecatalogue.h"

#include <QFile>
#include <QStringDecoder>
#include <QtEndian>

#include <optional>

namespace tapalong {

namespace {

constexpr quint32 magic = 0x950412de;
// Far above any real catalogue (the keyboard data's are under 100 kB): a larger file is not one.
constexpr qint64 largestFile = 16 * 1024 * 1024;

// Every read is checked against the end of the data, in 64 bits so that offsets near 4 GiB
// cannot wrap round into the file.
class Reader {
public:
    Reader(QByteArrayView data, bool bigEndian) : m_data(data), m_bigEndian(bigEndian) {}

    std::optional<quint32> word(qint64 at) const
    {
        if (at < 0 || at + 4 > m_data.size())
            return std::nullopt;
        const auto *bytes = reinterpret_cast<const uchar *>(m_data.data() + at);
        return m_bigEndian ? qFromBigEndian<quint32>(bytes) : qFromLittleEndian<quint32>(bytes);
    }

    // The string the table's entry describes, up to its first NUL (a plural entry holds its
    // forms one after another, NUL between them). The format ends every string with a NUL.
    std::optional<QByteArrayView> string(qint64 table, qint64 index) const
    {
        const std::optional<quint32> length = word(table + 8 * index);
        const std::optional<quint32> offset = word(table + 8 * index + 4);
        if (!length || !offset)
            return std::nullopt;
        const qint64 end = qint64(*offset) + qint64(*length);
        if (end >= m_data.size() || m_data[end] != '\0')
            return std::nullopt;
        const QByteArrayView text = m_data.sliced(*offset, *length);
        const qsizetype nul = text.indexOf('\0');
        return nul < 0 ? text : text.first(nul);
    }

private:
    QByteArrayView m_data;
    bool m_bigEndian;
};

// The charset the header entry names ("Content-Type: text/plain; charset=UTF-8"); UTF-8 when
// it names none.
QByteArray charsetOf(QByteArrayView header)
{
    constexpr QByteArrayView key = "charset=";
    const qsizetype at = header.indexOf(key);
    if (at < 0)
        return QByteArrayLiteral("UTF-8");
    QByteArrayView rest = header.sliced(at + key.size());
    qsizetype end = 0;
    while (end < rest.size() && rest[end] != '\n' && rest[end] != ';' && rest[end] != ' ')
        ++end;
    return rest.first(end).toByteArray();
}

} // namespace

MessageCatalogue MessageCatalogue::fromFile(const QString &path)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return {};
    // Read with a limit: a device or pipe in its place reports no size and may never end.
    const QByteArray data = file.read(largestFile + 1);
    return data.size() > largestFile ? MessageCatalogue() : fromData(data);
}

MessageCatalogue MessageCatalogue::fromData(QByteArrayView data)
{
    if (data.size() < 28)
        return {};
    const auto *start = reinterpret_cast<const uchar *>(data.data());
    bool bigEndian = false;
    if (qFromLittleEndian<quint32>(start) != magic) {
        if (qFromBigEndian<quint32>(start) != magic)
            return {};
        bigEndian = true;
    }
    const Reader reader(data, bigEndian);
    const quint32 revision = *reader.word(4);
    const qint64 count = *reader.word(8);
    const qint64 originals = *reader.word(12);
    const qint64 translations = *reader.word(16);
    // Major revisions 0 and 1 share this layout; a later one may not.
    if ((revision >> 16) > 1)
        return {};
    // Both tables must fit before anything is reserved for them.
    if (originals + 8 * count > data.size() || translations + 8 * count > data.size())
        return {};

    std::optional<QStringDecoder> decoder;
    MessageCatalogue catalogue;
    catalogue.m_translations.reserve(count);
    for (qint64 i = 0; i < count; ++i) {
        const std::optional<QByteArrayView> original = reader.string(originals, i);
        const std::optional<QByteArrayView> translation = reader.string(translations, i);
        if (!original || !translation)
            return {};
        if (original->isEmpty()) {
            // The header, which says how the translations are written.
            decoder.emplace(charsetOf(*translation).constData(), QStringDecoder::Flag::Stateless);
            if (!decoder->isValid())
                return {};
            continue;
        }
        // Entries under a context ("context\x04original") answer only with their context.
        if (original->contains('\x04') || translation->isEmpty())
            continue;
        // The originals are the keyboard data's own names, in UTF-8 whatever the translations
        // are written in.
        catalogue.m_translations.insert(QString::fromUtf8(*original),
                                        decoder ? QString(decoder->decode(*translation))
                                                : QString::fromUtf8(*translation));
    }
    return catalogue;
}

} // namespace tapalong
