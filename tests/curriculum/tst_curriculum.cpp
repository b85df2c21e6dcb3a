// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Guards the course: its order, unlock rule, learned keys and the drill lines it generates.
#include "coursejson.h"
#include "curriculum.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>

using namespace tapalong;

namespace {

Lesson lesson(const QString &id)
{
    Lesson unknown;
    unknown.id = id;
    return Curriculum::lessonById(id).value_or(unknown);
}

// Every result has zero stars: any result at all is what counts.
Profile profileWithResults(const QStringList &ids)
{
    Profile profile;
    for (const QString &id : ids)
        profile.lessonResults.insert(id, LessonResult{});
    return profile;
}

} // namespace

class CurriculumTest : public QObject {
    Q_OBJECT

private slots:
    // The ids are the keys of saved lesson results, so they must never change.
    void lessonAfterWalksTheSavedIdsInOrder()
    {
        QStringList walked;
        for (auto l = Curriculum::lessonById(u"u1l1"_qs); l && walked.size() <= 26;
             l = Curriculum::lessonAfter(*l))
            walked << l->id;
        QCOMPARE(walked.join(u' '), u"u1l1 u1l2 u1l3 u1l4 u1l5 u1l6 u2l1 u2l2 u2l3 u2l4 u2l5 u2l6 "
                                    u"u3l1 u3l2 u3l3 u3l4 u3l5 u4l1 u4l2 u4l3 u5l1 u5l2 u5l3 "
                                    u"u6l1 u6l2 u6l3"_qs);
        QVERIFY(!Curriculum::lessonAfter(lesson(u"u9l9"_qs)));
    }

    void unlockRuleAndLearnedKeys()
    {
        const auto unlocked = [](const QStringList &results, const QString &id) {
            return Curriculum::isUnlocked(lesson(id), profileWithResults(results));
        };
        QVERIFY(unlocked({}, u"u1l1"_qs));
        QVERIFY(!unlocked({}, u"u1l2"_qs));
        QVERIFY(unlocked({u"u1l6"_qs}, u"u2l1"_qs));  // across units
        QVERIFY(!unlocked({u"u1l1"_qs}, u"u1l3"_qs)); // only an older result
        QVERIFY(!unlocked({u"u1l1"_qs}, u"u1l9"_qs)); // unknown id

        const auto keys = [](const QStringList &results) {
            return Curriculum::learnedKeys(profileWithResults(results));
        };
        QCOMPARE(keys({}), u"asdfjkl"_qs);
        QCOMPARE(keys({u"u1l1"_qs}), u"asdfjkl"_qs);                    // fewer than four letters
        QCOMPARE(keys({u"u1l3"_qs, u"u1l4"_qs}), u"fjdksla"_qs);        // no semicolon
        QCOMPARE(keys({u"u5l3"_qs}), u"abcdefghijklmnopqrstuvwxyz"_qs); // no digits
        // "u1l10" sorts after "u1l2" in the results map but is no lesson.
        QCOMPARE(keys({u"u1l2"_qs, u"u1l10"_qs}), u"fjdk"_qs);
    }

    void everyLessonHasEnoughShortLinesInEveryForm()
    {
        for (const Lesson &l : Curriculum::allLessons()) {
            QVERIFY2(l.drills.size() >= 3, qPrintable(l.id));
            for (const QString &line : l.drills)
                QVERIFY2(!line.isEmpty() && line.size() <= 46, qPrintable(l.id + u' ' + line));
        }
        QCOMPARE(Curriculum::detail::build(), Curriculum::detail::build());
        QCOMPARE(Curriculum::detail::build(), Curriculum::units());
        // The course as the QML side reads it.
        const QJsonArray units = QJsonDocument::fromJson(courseJson()).array();
        QCOMPARE(units.size(), 6); // also when it is no JSON

        const QJsonObject oneToFive = units.at(4)[u"lessons"_qs][0].toObject();
        QCOMPARE(oneToFive[u"drills"_qs].toVariant().toStringList(), lesson(u"u5l1"_qs).drills);
    }

    // Worked out by hand from the algorithms: they pin the exact stream, so that every machine
    // and every release shows a lesson the same lines.
    void knownLines()
    {
        const auto line = [](const QString &id, int index) {
            return lesson(id).drills.value(index);
        };
        QCOMPARE(line(u"u1l1"_qs, 1), u"fff fjf jjj fff fff jfj fff jjj jjj jjj"_qs); // repeats
        QCOMPARE(line(u"u1l1"_qs, 2), u"jj ff ff fjf fjff jff ffff jj fjj jjfj"_qs);  // mix
        // Too few words: a mix with spaces.
        QCOMPARE(line(u"u1l1"_qs, 3), u" j  jfj f    f   ff j f   j fj j   j jj"_qs);
        QCOMPARE(line(u"u1l4"_qs, 3), u"fad fads dad all salsa fall salads add falls"_qs);
        QCOMPARE(line(u"u4l1"_qs, 0), u"Forehead Slash Squid Wasp Ear Frown Rug Swim"_qs);
        QCOMPARE(line(u"u5l1"_qs, 0), u"2442 2142 5435 1441 41 535 2415 23 252"_qs);
        QVERIFY(lesson(u"u4l1"_qs).drills.last() != lesson(u"u4l2"_qs).drills.last()); // phrases

        // No new keys: the review's two number lines each mix 1-5 with the rest, ten digits in all.
        QSet<QChar> all;
        for (const QString &line : lesson(u"u5l3"_qs).drills.mid(0, 2)) {
            const QString digits = QString(line).remove(u' ');
            QVERIFY(digits.contains(QRegularExpression(u"[1-5]"_qs)) &&
                    digits.contains(QRegularExpression(u"[06-9]"_qs)));
            all.unite(QSet<QChar>(digits.begin(), digits.end()));
        }
        QCOMPARE(all.size(), 10);
    }
};

QTEST_GUILESS_MAIN(CurriculumTest)
#include "tst_curriculum.moc"
