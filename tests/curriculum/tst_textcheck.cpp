// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Guards a grown-up's text on its way to the lesson screen: checked against the keyboard, cut to
// the limit with nothing hidden, and wrapped into lines without losing a word.
#include "practicetexts.h"
#include "textcheck.h"

#include <QTest>

using namespace tapalong;

namespace {

const Keyboard &german()
{
    static const Keyboard keyboard = *Keyboard::load({QStringLiteral("de"), QString()});
    return keyboard;
}

} // namespace

class TestTextCheck : public QObject {
    Q_OBJECT

private slots:
    void untypeableCharactersAreListedWithTheirPlainForms()
    {
        const QString raw = QStringLiteral("“Hello” – it’s my café… 🙂 ‘ok’");
        const TextCheck::Prepared us = TextCheck::prepare(raw, Keyboard::us());
        const QList<TextCheck::Untypeable> expected = {
            {QStringLiteral("“"), 1, QStringLiteral("\"")},
            {QStringLiteral("”"), 1, QStringLiteral("\"")},
            {QStringLiteral("–"), 1, QStringLiteral("-")},
            {QStringLiteral("’"), 2, QStringLiteral("'")},
            {QStringLiteral("é"), 1, QStringLiteral("e")},
            {QStringLiteral("…"), 1, QStringLiteral("...")},
            {QStringLiteral("🙂"), 1, QString()},
            {QStringLiteral("‘"), 1, QStringLiteral("'")},
        };
        QCOMPARE(us.untypeable, expected);
        QCOMPARE(us.text, QStringLiteral("\"Hello\" - it's my cafe... 'ok'"));

        // The grown-up may drop a character instead; the space it leaves does not double.
        const auto dropped =
            TextCheck::prepare(raw, Keyboard::us(), {QStringLiteral("é"), QStringLiteral("–")});
        QCOMPARE(dropped.text, QStringLiteral("\"Hello\" it's my caf... 'ok'"));
        QCOMPARE(dropped.untypeable, expected);
    }

    void theHouseholdsKeyboardDecides()
    {
        const QString raw = QStringLiteral("Tschüß, Bär!");
        const TextCheck::Prepared de = TextCheck::prepare(raw, german());
        QVERIFY(de.untypeable.isEmpty());
        QCOMPARE(de.text, raw);

        const TextCheck::Prepared us = TextCheck::prepare(raw, Keyboard::us());
        QCOMPARE(us.untypeable.size(), 3);
        QCOMPARE(us.untypeable[1], (TextCheck::Untypeable{QStringLiteral("ß"), 1, QString()}));
        QCOMPARE(us.text, QStringLiteral("Tschu, Bar!"));

        // A text saved for one keyboard and played on another never asks for a key it lacks.
        const Lesson lesson =
            TextCheck::lesson({QUuid::createUuid(), raw, {}}, QStringLiteral("text:x"),
                              Keyboard::us());
        QCOMPARE(lesson.drills, QStringList{QStringLiteral("Tschu, Bar!")});
        QCOMPARE(lesson.id, QStringLiteral("text:x"));
    }

    void controlCharactersAndStraySpacesAreTakenOut()
    {
        const QString raw = QStringLiteral("  a\tb\u0007c\u200Bd \r\ne\u00A0 f\r\r\n\n\n g\u2029h\u00AD \n");
        const TextCheck::Prepared prepared = TextCheck::prepare(raw, Keyboard::us());
        QCOMPARE(prepared.text, QStringLiteral("a bcd\ne f\n\ng\nh"));
        QCOMPARE(prepared.controlsRemoved, 3); // the bell, the zero-width space, the soft hyphen
        QVERIFY(prepared.untypeable.isEmpty());
        // A decomposed é is the same letter as a composed one.
        QCOMPARE(TextCheck::prepare(QStringLiteral("e\u0301"), german()).text, QStringLiteral("é"));
    }

    void aLongTextIsCutAtAWordAndSaysSo()
    {
        QString exact;
        while (exact.size() < PracticeTexts::maxChars)
            exact += QStringLiteral("word ");
        exact = exact.left(PracticeTexts::maxChars);
        QCOMPARE(TextCheck::prepare(exact, Keyboard::us()).trimmedFrom, 0);

        const QString raw = exact + QStringLiteral("longerword and more");
        const TextCheck::Prepared cut = TextCheck::prepare(raw, Keyboard::us());
        QCOMPARE(cut.trimmedFrom, raw.size());
        QVERIFY(cut.text.size() <= PracticeTexts::maxChars);
        QVERIFY(cut.text.endsWith(QStringLiteral(" word")));
        QVERIFY(raw.startsWith(cut.text));
    }

    void wrappingKeepsEveryWord_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("short") << QStringLiteral("The cat sat.") << QStringList{"The cat sat."};
        QTest::newRow("at spaces")
            << QStringLiteral("Once upon a time there was a little fox who liked to type very fast.")
            << QStringList{"Once upon a time there was a little fox", "who liked to type very fast."};
        QTest::newRow("exactly a line")
            << QString(40, u'a') + QStringLiteral(" b")
            << QStringList{QString(40, u'a'), "b"};
        QTest::newRow("a word longer than a line")
            << QStringLiteral("go ") + QString(90, u'x') + QStringLiteral(" home")
            << QStringList{"go", QString(40, u'x'), QString(40, u'x'), QString(10, u'x') + " home"};
        QTest::newRow("paragraphs and line breaks")
            << QStringLiteral("Roses are red,\nviolets are blue.\n\nThe end.")
            << QStringList{"Roses are red,", "violets are blue.", "The end."};
    }

    void wrappingKeepsEveryWord()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        const QStringList wrapped = TextCheck::wrap(text);
        QCOMPARE(wrapped, lines);
        for (const QString &line : wrapped)
            QVERIFY(line.size() <= TextCheck::lineWidth && !line.isEmpty());
    }

    void aLongTextLosesNothingWhenWrapped()
    {
        QString text;
        for (int i = 0; text.size() < PracticeTexts::maxChars - 20; ++i)
            text += QStringLiteral("w%1%2").arg(i).arg(i % 7 == 0 ? QStringLiteral("\n") : QStringLiteral(" "));
        const QStringList lines = TextCheck::wrap(text.trimmed());
        QCOMPARE(lines.join(u' ').split(u' '), text.simplified().split(u' '));
    }

    void lessonIdsNameTheirText()
    {
        const QUuid id = QUuid::createUuid();
        QCOMPARE(TextCheck::textIdOf(TextCheck::lessonIdFor(id)), id);
        QVERIFY(!TextCheck::textIdOf(QStringLiteral("u1l1")));
        QVERIFY(!TextCheck::textIdOf(QStringLiteral("text:nonsense")));
    }
};

QTEST_GUILESS_MAIN(TestTextCheck)
#include "tst_textcheck.moc"
