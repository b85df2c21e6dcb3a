// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Nothing rude reaches a child: every drill line, game word and race passage the program can
// make, in every language, against that language's blocklist; and each language's drills
// draw from its own words.
#include "curriculum.h"
#include "keyboardlayout.h"
#include "wordbank.h"
#include "wordbankdata.h"

#include <QFile>
#include <QSet>
#include <QTest>

using namespace tapalong;

namespace {

Keyboard keyboard(const QString &name)
{
    const std::optional<LayoutName> parsed = LayoutName::parse(name);
    const std::optional<Keyboard> loaded = parsed ? Keyboard::load(*parsed) : std::nullopt;
    if (!loaded)
        qFatal("no layout %s", qPrintable(name));
    return *loaded;
}

QSet<QString> blocklist(const QString &language)
{
    QFile file(QStringLiteral(TAPALONG_WORDS "/%1/blocklist.txt").arg(language));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("no blocklist for %s", qPrintable(language));
    QSet<QString> blocked;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (!line.isEmpty() && !line.startsWith(u'#'))
            blocked.insert(line);
    }
    return blocked;
}

// The whole words of a text, lower case: apostrophes, marks and spaces split them.
QStringList wholeWords(const QString &text)
{
    QStringList words;
    QString word;
    for (QChar c : text + u' ') {
        if (c.isLetter()) {
            word.append(c.toLower());
        } else if (!word.isEmpty()) {
            words.append(word);
            word.clear();
        }
    }
    return words;
}

QStringList layoutsFor(const QString &language)
{
    if (language == u"de")
        return {u"de"_qs, u"at"_qs, u"ch"_qs, u"us"_qs};
    if (language == u"fr")
        return {u"fr"_qs, u"be"_qs, u"us"_qs};
    if (language == u"es")
        return {u"es"_qs, u"latam"_qs, u"us"_qs};
    return {u"us"_qs, u"de"_qs, u"fr"_qs, u"es"_qs};
}

} // namespace

class WordListsTest : public QObject {
    Q_OBJECT

private slots:
    void nothingBlockedIsEverShown_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : WordBankData::languages())
            QTest::newRow(qPrintable(language)) << language;
    }

    void nothingBlockedIsEverShown()
    {
        QFETCH(QString, language);
        const QSet<QString> blocked = blocklist(language);
        QVERIFY(blocked.size() > 100);
        const auto check = [&](const QString &text, const QString &where) {
            for (const QString &word : wholeWords(text))
                QVERIFY2(!blocked.contains(word), qPrintable(where + u": "_qs + text));
        };

        // Every entry of the lists: the passages of Rocket Race and every word any game or
        // bonus round can draw are among them.
        for (const QStringList *list :
             {&WordBankData::words(language), &WordBankData::easyPhrases(language),
              &WordBankData::sentences(language)}) {
            QVERIFY(!list->isEmpty());
            for (const QString &entry : *list)
                check(entry, u"list"_qs);
        }
        // The drill lines, where random letters and words are strung together.
        for (const QString &layout : layoutsFor(language)) {
            const Keyboard board = keyboard(layout);
            const Course course = Course::build(board, language);
            QCOMPARE(course.language(), language);
            for (const Lesson &lesson : course.allLessons()) {
                for (const QString &line : lesson.drills)
                    check(line, layout + u' ' + lesson.id);
                for (const QString &word : WordBank::words(lesson.keyPool, language))
                    check(word, layout + u" game "_qs + lesson.id);
            }
            for (const QString &word : WordBank::lowerCaseWords(language, board))
                check(word, layout + u" fallback"_qs);
            for (const QString &phrase : WordBank::phrases(language, board))
                check(phrase, layout + u" race"_qs);
        }
    }

    // A German course types German: its word drills hold only German words, nouns keep their
    // capital and appear only once Shift is taught, and the games fall back to German words.
    void aCourseDrawsFromItsLanguage()
    {
        const Keyboard de = keyboard(u"de"_qs);
        const Course course = Course::build(de, u"de"_qs);
        const QStringList german = WordBankData::words(u"de");
        const QSet<QString> known(german.cbegin(), german.cend());
        bool sawNoun = false;
        for (const Lesson &lesson : course.allLessons()) {
            const bool capitals = lesson.id == u"u4l1" || lesson.id == u"u4l2";
            if (lesson.id != u"u2l6" && !capitals)
                continue;
            const QString wordLine = lesson.drills.at(1);
            for (const QString &word : wordLine.split(u' ')) {
                const bool noun = known.contains(word) && word.front().isUpper();
                sawNoun = sawNoun || noun;
                const QString asListed = capitals && !noun ? word.front().toLower() + word.mid(1)
                                                           : word;
                QVERIFY2(known.contains(asListed), qPrintable(lesson.id + u": "_qs + wordLine));
                QVERIFY2(capitals || !word.front().isUpper(), qPrintable(wordLine));
            }
        }
        QVERIFY(sawNoun);

        const QStringList fallback = WordBank::lowerCaseWords(u"de", de);
        QVERIFY(fallback.size() > 100);
        for (const QString &word : fallback)
            QVERIFY2(known.contains(word) && word == word.toLower(), qPrintable(word));
        // A US keyboard has no ñ: no word or passage that needs it.
        const Keyboard us = Keyboard::us();
        for (const QString &text :
             WordBank::lowerCaseWords(u"es", us) + WordBank::phrases(u"es", us))
            QVERIFY2(!text.contains(u'ñ'), qPrintable(text));
        QVERIFY(WordBank::phrases(u"es", us).size() <
                WordBank::phrases(u"es", keyboard(u"es"_qs)).size());
    }

    void languagesAreNamedByTheirCode()
    {
        QCOMPARE(WordBankData::languages(), (QStringList{u"en"_qs, u"de"_qs, u"fr"_qs, u"es"_qs}));
        QCOMPARE(WordBankData::languageFor(u"de_AT.UTF-8"), u"de"_qs);
        QCOMPARE(WordBankData::languageFor(u"es-419"), u"es"_qs);
        QCOMPARE(WordBankData::languageFor(u"it_IT"), u"en"_qs);
        QCOMPARE(WordBankData::languageFor(u"C"), u"en"_qs);
        // A language without lists builds the English course rather than an empty one.
        QCOMPARE(Course::build(Keyboard::us(), u"xx"_qs).units(), Course::us().units());
        QCOMPARE(&WordBankData::words(u"xx"), &WordBankData::words());
    }
};

QTEST_APPLESS_MAIN(WordListsTest)
#include "tst_wordlists.moc"
