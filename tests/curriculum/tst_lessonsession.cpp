// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Guards a lesson attempt: the cursor, the counts, the clock, the grade and what it announces.
#include "curriculum.h"
#include "lessonsession.h"
#include "recordingfeedback.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace tapalong;

namespace {

class FakeClock : public Clock {
public:
    Timestamp now() const override { return {seconds}; }
    double seconds = 700000000;
};

Lesson lessonOf(const QStringList &drills, double targetWPM = 10)
{
    return Lesson{u"test"_qs, u"Test"_qs, u"🧪"_qs, u"ab"_qs, u"ab"_qs, drills, targetWPM};
}

// '~' never appears in these lines, so it is always a wrong key.
void type(LessonSession &session, QStringView keys)
{
    for (QChar ch : keys)
        session.handle(ch);
}

} // namespace

class LessonSessionTest : public QObject {
    Q_OBJECT

private slots:
    void scoringAndTheClock()
    {
        // `wrong` keys first, then `correct` ones, the last after `seconds`.
        const auto grade = [](int correct, int wrong, double seconds, double target, double wpm,
                              double accuracy, int stars) {
            FakeClock clock;
            LessonSession session(lessonOf({QString(correct, u'a')}, target), clock);
            type(session, QString(wrong, u'~') + QString(correct - 1, u'a'));
            QCOMPARE(session.stars(), 0);
            clock.seconds += seconds;
            QVERIFY(session.handle(u'a'));
            clock.seconds += 600; // the speed is fixed once the last line is done
            QVERIFY(session.finished());
            QCOMPARE(session.wpm(), wpm);
            QCOMPARE(session.accuracy(), accuracy);
            QCOMPARE(session.stars(), stars);
        };
        grade(50, 0, 60, 10, 10, 100, 3);
        grade(5, 0, 0.2, 10, 60, 100, 3); // under a second counts as a second
        grade(9, 1, 1, 10, 108, 90, 2);
        grade(959, 41, 1, 10, 11508, 95.9, 2);
        grade(24, 1, 24, 12, 12, 96, 3); // at the goal
        grade(24, 1, 25, 12, 11.52, 96, 2);
        grade(899, 101, 1, 10, 10788, 89.9, 1);
        // Computed as (7 / 5) / (7 / 60), exactly the goal came out just below it.
        grade(7, 0, 7, 12, 12, 100, 3);

        // The first key starts the clock even when wrong; the speed is live until the end.
        FakeClock clock;
        LessonSession session(lessonOf({u"abcdef"_qs}), clock);
        clock.seconds += 30;
        session.handle(u'~');
        QCOMPARE(session.wpm(), 0.0);
        QCOMPARE(session.accuracy(), 0.0);
        clock.seconds += 60;
        type(session, u"abcde");
        QCOMPARE(session.wpm(), 1.0);
        clock.seconds += 60;
        QCOMPARE(session.wpm(), 0.5);
    }

    void onlyTheExpectedKeyMovesTheCursor()
    {
        // "correct wrong cursor" after typing keys into a lesson of one line.
        const auto counts = [](const QString &line, QStringView keys) {
            FakeClock clock;
            LessonSession session(lessonOf({line}), clock);
            type(session, keys);
            return u"%1 %2 %3"_qs.arg(session.correct())
                .arg(session.wrong())
                .arg(session.charIndex());
        };
        QCOMPARE(counts(u"abc"_qs, u"~~~a"), u"1 3 1"_qs);
        QCOMPARE(counts(u"ab"_qs, u"A"), u"0 1 0"_qs); // capital where small
        QCOMPARE(counts(u" b"_qs, u"b"), u"0 1 0"_qs); // letter where space
        QCOMPARE(counts(u"a'b"_qs, u"a'"), u"2 0 2"_qs);
        QCOMPARE(counts(u"a"_qs, u"aa~"), u"1 0 1"_qs); // keys after the end

        // Fault guarded: QML hands over key texts, which may be empty or hold several units.
        FakeClock clock;
        LessonSession session(lessonOf({u"ab"_qs}), clock);
        for (const QString &text : {QString(), u"ab"_qs, u"😀"_qs})
            QVERIFY(!session.handle(text));
        QVERIFY(!session.startTime());
        QVERIFY(session.handle(u"a"_qs));
    }

    void soundsMarkMistakesLinesAndTheEndAndResetGoesBackToReady()
    {
        RecordingFeedback heard;
        const Lesson lesson = lessonOf({u"ab"_qs, u"c"_qs});
        FakeClock clock;
        for (const bool enabled : {false, true}) {
            heard.reset(enabled);
            LessonSession session(lesson, clock);
            type(session, u"~ab");
            QCOMPARE(session.chars(), u"c"_qs);
            QCOMPARE(session.charIndex(), 0);
            type(session, u"c");
            QVERIFY(session.finished());
            session.reset();
            const LessonSession fresh(lesson, clock);
            const QMetaObject &meta = LessonSession::staticMetaObject;
            for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i) {
                const char *name = meta.property(i).name();
                QVERIFY2(session.property(name) == fresh.property(name), name);
            }
            QVERIFY(!session.startTime() && !session.endTime());
        }
        QCOMPARE(heard.sound.played, (QStringList{"Basso", "Pop", "Glass"}));
    }

    // Each published value announces itself at most once per key, and only when it moved.
    void keysAnnounceWhatChanged()
    {
        const auto announced = [](QStringView before, QChar key) {
            FakeClock clock;
            LessonSession session(lessonOf({u"abc"_qs, u"de"_qs}), clock);
            type(session, before);
            clock.seconds += 5;
            std::vector<std::pair<QString, std::unique_ptr<QSignalSpy>>> spies;
            const QMetaObject &meta = LessonSession::staticMetaObject;
            for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i) {
                const QMetaProperty property = meta.property(i);
                if (property.hasNotifySignal())
                    spies.emplace_back(property.name(), std::make_unique<QSignalSpy>(
                                                            &session, property.notifySignal()));
            }
            session.handle(key);
            QStringList names;
            for (const auto &[name, spy] : spies)
                names << QStringList(spy->count(), name);
            return names;
        };
        QCOMPARE(announced(u"", u'a'), (QStringList{"charIndex", "correct", "expected",
                                                    "typedTotal", "progress", "wpm"}));
        QCOMPARE(announced(u"a", u'~'), (QStringList{"wrong", "wpm", "accuracy"}));
        QCOMPARE(announced(u"ab", u'c'),
                 (QStringList{"drillIndex", "charIndex", "chars", "correct", "expected",
                              "typedTotal", "progress", "wpm"}));
        QCOMPARE(announced(u"abcd", u'e'),
                 (QStringList{"charIndex", "finished", "correct", "expected", "typedTotal",
                              "progress", "wpm", "stars"}));
    }

    // Progress counts the characters of the lines done, not the number of lines.
    void progressCountsCharacters()
    {
        const Lesson lesson = Curriculum::lessonById(u"u1l1"_qs).value();
        FakeClock clock;
        LessonSession session(lesson, clock);
        int charsBehind = 0;
        for (const QString &line : lesson.drills) {
            QCOMPARE(session.progress(), double(charsBehind) / session.totalChars());
            type(session, line);
            charsBehind += line.size();
        }
        QCOMPARE(session.progress(), 1.0);
    }
};

QTEST_GUILESS_MAIN(LessonSessionTest)
#include "tst_lessonsession.moc"
