// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Reading a gettext catalogue by hand: either byte order, the entries that must not answer a
// plain look-up, and a damaged file that gives nothing rather than a crash or wrong names.
#include "messagecatalogue.h"

#include <QTest>
#include <QtEndian>

#include <algorithm>

using namespace tapalong;
using namespace Qt::StringLiterals;

namespace {

struct Entry {
    QByteArray original;
    QByteArray translation;
};

const QByteArray utf8Header = "Content-Type: text/plain; charset=UTF-8\n"_ba;

// A catalogue laid out as msgfmt writes one: the header, the two tables of (length, offset),
// no hash table, then every string followed by its NUL.
QByteArray moFile(QList<Entry> entries, bool bigEndian)
{
    std::sort(entries.begin(), entries.end(),
              [](const Entry &a, const Entry &b) { return a.original < b.original; });
    const auto n = quint32(entries.size());
    QByteArray out;
    const auto word = [&](quint32 value) {
        char bytes[4];
        if (bigEndian)
            qToBigEndian(value, bytes);
        else
            qToLittleEndian(value, bytes);
        out.append(bytes, 4);
    };
    for (quint32 value : {0x950412deU, 0U, n, 28U, 28 + 8 * n, 0U, 28 + 16 * n})
        word(value);
    QByteArray strings;
    const quint32 stringsAt = 28 + 16 * n;
    const auto table = [&](QByteArray Entry::*field) {
        for (const Entry &entry : entries) {
            word(quint32((entry.*field).size()));
            word(stringsAt + quint32(strings.size()));
            strings.append(entry.*field).append('\0');
        }
    };
    table(&Entry::original);
    table(&Entry::translation);
    return out + strings;
}

const QList<Entry> sample = {
    {""_ba, utf8Header},
    {"German"_ba, "Deutsch"_ba},
    {"French"_ba, "Französisch"_ba},
    // The same words under a context, and a plural entry: neither may disturb plain look-ups.
    {"layout\x04German"_ba, "Tastaturbelegung Deutsch"_ba},
    {"%1 key\0%1 keys"_ba, "%1 Taste\0%1 Tasten"_ba},
    // Left untranslated: the English must stay.
    {"Dutch"_ba, ""_ba},
};

void patch(QByteArray &data, qsizetype at, quint32 value)
{
    qToLittleEndian(value, data.data() + at);
}

} // namespace

class TestMessageCatalogue : public QObject {
    Q_OBJECT

private slots:
    void readsEitherByteOrder_data()
    {
        QTest::addColumn<bool>("bigEndian");
        QTest::newRow("little-endian") << false;
        QTest::newRow("big-endian") << true;
    }
    void readsEitherByteOrder()
    {
        QFETCH(bool, bigEndian);
        const MessageCatalogue catalogue = MessageCatalogue::fromData(moFile(sample, bigEndian));
        QCOMPARE(catalogue.translate(u"German"_s), u"Deutsch"_s);
        QCOMPARE(catalogue.translate(u"French"_s), u"Französisch"_s);
        QCOMPARE(catalogue.translate(u"%1 key"_s), u"%1 Taste"_s);
        QCOMPARE(catalogue.translate(u"Spanish"_s), QString());
        QCOMPARE(catalogue.translate(u"Dutch"_s), QString());
        QCOMPARE(catalogue.translate(u"layout"_s), QString());
        QCOMPARE(catalogue.translate(QString()), QString()); // not the header
        QCOMPARE(catalogue.size(), 3);
    }

    void translationsAreReadInTheCharsetTheHeaderNames()
    {
        const MessageCatalogue latin1 = MessageCatalogue::fromData(
            moFile({{""_ba, "Content-Type: text/plain; charset=ISO-8859-1\n"_ba},
                    {"French"_ba, "Fran\347ais"_ba}},
                   false));
        QCOMPARE(latin1.translate(u"French"_s), u"Français"_s);
        // A charset nobody knows cannot be read right: nothing rather than mangled names.
        const MessageCatalogue unknown = MessageCatalogue::fromData(
            moFile({{""_ba, "Content-Type: text/plain; charset=X-NO-SUCH\n"_ba},
                    {"French"_ba, "Français"_ba}},
                   false));
        QCOMPARE(unknown.size(), 0);
    }

    // Fault guarded: an offset or length from a damaged file read memory outside it.
    void aDamagedFileGivesNoTranslations_data()
    {
        QTest::addColumn<qsizetype>("at");
        QTest::addColumn<quint32>("value");
        const qsizetype n = sample.size();
        const qsizetype firstOriginal = 28;
        const qsizetype firstTranslation = 28 + 8 * n;
        QTest::newRow("not a catalogue") << qsizetype(0) << 0x12345678U;
        QTest::newRow("a later major revision") << qsizetype(4) << 0x00020000U;
        QTest::newRow("more entries than the file holds") << qsizetype(8) << 0xffffffffU;
        QTest::newRow("table past the end") << qsizetype(12) << 0xfffffff0U;
        QTest::newRow("string past the end") << firstTranslation + 8 + 4 << 0x7fffffffU;
        // 32-bit offset + length wraps round to a point inside the file.
        QTest::newRow("length wraps round") << firstOriginal + 8 << 0xfffffff0U;
        QTest::newRow("string without its NUL") << firstOriginal + 16 << 3U;
    }
    void aDamagedFileGivesNoTranslations()
    {
        QFETCH(qsizetype, at);
        QFETCH(quint32, value);
        QByteArray data = moFile(sample, false);
        QVERIFY(MessageCatalogue::fromData(data).size() > 0);
        patch(data, at, value);
        QCOMPARE(MessageCatalogue::fromData(data).size(), 0);
    }

    void aTruncatedFileGivesNoTranslations()
    {
        const QByteArray whole = moFile(sample, true);
        for (qsizetype size = 0; size < whole.size(); ++size)
            QVERIFY2(MessageCatalogue::fromData(whole.first(size)).size() == 0,
                     qPrintable(u"cut at %1 bytes"_s.arg(size)));
        QCOMPARE(MessageCatalogue::fromFile(u"/nonexistent/xkeyboard-config.mo"_s).size(), 0);
        QCOMPARE(MessageCatalogue::fromFile(QString()).size(), 0);
    }
};

QTEST_APPLESS_MAIN(TestMessageCatalogue)
#include "tst_messagecatalogue.moc"
