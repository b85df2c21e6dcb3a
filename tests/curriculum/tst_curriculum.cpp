// Guards the course: its order, unlock rule, learned keys and the drill lines it generates.
#include "coursejson.h"
#include "curriculum.h"
#include "drillbuilder.h"
#include "wordbankdata.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace tapalong;

namespace {

Lesson lesson(const QString &id)
{
    const auto found = Curriculum::lessonById(id);
    if (found)
        return *found;
    Lesson unknown;
    unknown.id = id;
    return unknown;
}

// Every result has zero stars: any result at all is what counts.
Profile profileWithResults(const QStringList &ids)
{
    Profile profile;
    for (const QString &id : ids)
        profile.lessonResults.insert(id, LessonResult{});
    return profile;
}

QSet<QChar> digitsIn(const QString &line)
{
    QSet<QChar> digits;
    for (QChar c : line) {
        if (c.isDigit())
            digits.insert(c);
    }
    return digits;
}

} // namespace

class CurriculumTest : public QObject {
    Q_OBJECT

private slots:
    // The ids are the keys of saved lesson results, so they must never change.
    void lessonAfterWalksTheSavedIdsInOrder()
    {
        QStringList expected;
        const int lessonsPerUnit[] = {6, 6, 5, 3, 3, 3};
        for (int unit = 1; unit <= 6; ++unit) {
            for (int l = 1; l <= lessonsPerUnit[unit - 1]; ++l)
                expected << u"u%1l%2"_qs.arg(unit).arg(l);
        }
        QStringList walked;
        // Capped, so that a lesson leading back to an earlier one cannot hang the test.
        for (auto l = Curriculum::lessonById(u"u1l1"_qs); l && walked.size() <= 26;
             l = Curriculum::lessonAfter(*l))
            walked << l->id;
        QCOMPARE(walked, expected);
        QVERIFY(!Curriculum::lessonAfter(lesson(u"u9l9"_qs)));
    }

    void unlockRule_data()
    {
        QTest::addColumn<QStringList>("results");
        QTest::addColumn<QString>("id");
        QTest::addColumn<bool>("unlocked");
        QTest::newRow("first lesson, no results") << QStringList() << u"u1l1"_qs << true;
        QTest::newRow("second lesson, no results") << QStringList() << u"u1l2"_qs << false;
        QTest::newRow("zero stars across units") << QStringList{u"u1l6"_qs} << u"u2l1"_qs << true;
        QTest::newRow("only an older result") << QStringList{u"u1l1"_qs} << u"u1l3"_qs << false;
        QTest::newRow("unknown id") << QStringList{u"u1l1"_qs} << u"u1l9"_qs << false;
    }

    void unlockRule()
    {
        QFETCH(QStringList, results);
        QFETCH(QString, id);
        QFETCH(bool, unlocked);
        QCOMPARE(Curriculum::isUnlocked(lesson(id), profileWithResults(results)), unlocked);
    }

    void learnedKeys_data()
    {
        QTest::addColumn<QStringList>("results");
        QTest::addColumn<QString>("keys");
        QTest::newRow("no results") << QStringList() << u"asdfjkl"_qs;
        QTest::newRow("fewer than four letters") << QStringList{u"u1l1"_qs} << u"asdfjkl"_qs;
        QTest::newRow("up to u1l2") << QStringList{u"u1l1"_qs, u"u1l2"_qs} << u"fjdk"_qs;
        QTest::newRow("semicolon dropped") << QStringList{u"u1l3"_qs, u"u1l4"_qs} << u"fjdksla"_qs;
        QTest::newRow("digits dropped")
            << QStringList{u"u5l3"_qs} << u"abcdefghijklmnopqrstuvwxyz"_qs;
        // "u1l10" sorts after "u1l2" in the results map but is no lesson.
        QTest::newRow("course order, not map order")
            << QStringList{u"u1l2"_qs, u"u1l10"_qs} << u"fjdk"_qs;
    }

    void learnedKeys()
    {
        QFETCH(QStringList, results);
        QFETCH(QString, keys);
        QCOMPARE(Curriculum::learnedKeys(profileWithResults(results)), keys);
    }

    void everyLessonHasEnoughShortLines()
    {
        for (const Lesson &l : Curriculum::allLessons()) {
            QVERIFY2(l.drills.size() >= 3, qPrintable(l.id));
            for (const QString &line : l.drills)
                QVERIFY2(!line.isEmpty() && line.size() <= 46, qPrintable(l.id + u' ' + line));
        }
    }

    // Worked out by hand from the algorithms: they pin the exact stream, so that every machine
    // and every release shows a lesson the same lines.
    void knownLines_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("line");
        QTest::newRow("u1l1 repeats")
            << u"u1l1"_qs << 1 << u"fff fjf jjj fff fff jfj fff jjj jjj jjj"_qs;
        QTest::newRow("u1l1 mix") << u"u1l1"_qs << 2
                                  << u"jj ff ff fjf fjff jff ffff jj fjj jjfj"_qs;
        QTest::newRow("u1l1 words fall back to a spaced mix")
            << u"u1l1"_qs << 3 << u" j  jfj f    f   ff j f   j fj j   j jj"_qs;
        QTest::newRow("u1l4 words")
            << u"u1l4"_qs << 3 << u"fad fads dad all salsa fall salads add falls"_qs;
        QTest::newRow("u4l1 capitals")
            << u"u4l1"_qs << 0 << u"Forehead Slash Squid Wasp Ear Frown Rug Swim"_qs;
        QTest::newRow("u5l1 digits")
            << u"u5l1"_qs << 0 << u"2442 2142 5435 1441 41 535 2415 23 252"_qs;
    }

    void knownLines()
    {
        QFETCH(QString, id);
        QFETCH(int, index);
        QFETCH(QString, line);
        QCOMPARE(lesson(id).drills.value(index), line);
    }

    void twoBuildsAreIdentical()
    {
        QCOMPARE(Curriculum::detail::build(), Curriculum::detail::build());
        QCOMPARE(Curriculum::detail::build(), Curriculum::units());
    }

    void noSentenceOrPhraseRepeats()
    {
        QStringList fitted;
        for (const QString &s : WordBankData::sentences())
            fitted.append(DrillBuilder::fitLine(s));
        QSet<qsizetype> seen;
        for (const Lesson &l : Curriculum::allLessons()) {
            for (const QString &line : l.drills) {
                if (const qsizetype index = fitted.indexOf(line); index >= 0)
                    seen.insert(index);
            }
        }
        QCOMPARE(seen.size(), 3 + 3 * 4);

        const QString first = lesson(u"u4l1"_qs).drills.last();
        const QString second = lesson(u"u4l2"_qs).drills.last();
        QVERIFY(WordBankData::easyPhrases().contains(first));
        QVERIFY(first != second);
    }

    // No new keys: both number lines fall back to all ten digits of the pool.
    void reviewNumberLinesUseEveryDigit()
    {
        const Lesson ninja = lesson(u"u5l3"_qs);
        const QSet<QChar> low{u'1', u'2', u'3', u'4', u'5'};
        const QSet<QChar> first = digitsIn(ninja.drills.at(0));
        const QSet<QChar> second = digitsIn(ninja.drills.at(1));
        QVERIFY(first.intersects(low) && !(first - low).isEmpty());
        QVERIFY(second.intersects(low) && !(second - low).isEmpty());
        QCOMPARE((first | second).size(), 10);
    }

    void courseJsonHoldsTheWholeCourse()
    {
        QJsonParseError error;
        const QJsonArray units = QJsonDocument::fromJson(courseJson(), &error).array();
        QCOMPARE(error.error, QJsonParseError::NoError);
        QCOMPARE(units.size(), 6);

        const QJsonObject oneToFive = units.at(4)[u"lessons"_qs][0].toObject();
        QCOMPARE(oneToFive[u"emoji"_qs].toString(), u"\U0001F590\uFE0F"_qs);
        QCOMPARE(oneToFive[u"newKeys"_qs].toArray(),
                 QJsonArray({u"1"_qs, u"2"_qs, u"3"_qs, u"4"_qs, u"5"_qs}));
        QCOMPARE(oneToFive[u"drills"_qs].toVariant().toStringList(), lesson(u"u5l1"_qs).drills);
        QCOMPARE(oneToFive[u"targetWPM"_qs].toDouble(), 13.0);
    }
};

QTEST_GUILESS_MAIN(CurriculumTest)
#include "tst_curriculum.moc"
