// Guards a lesson attempt: the cursor, the counts, the clock, the grade and what it announces.
#include "curriculum.h"
#include "lessonsession.h"
#include "recordingsound.h"

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

void typeRest(LessonSession &session)
{
    while (const auto ch = session.expected())
        session.handle(*ch);
}

} // namespace

class LessonSessionTest : public QObject {
    Q_OBJECT

private slots:
    void scoring_data()
    {
        QTest::addColumn<int>("correct");
        QTest::addColumn<int>("wrong");
        QTest::addColumn<double>("seconds");
        QTest::addColumn<double>("target");
        QTest::addColumn<double>("wpm");
        QTest::addColumn<double>("accuracy");
        QTest::addColumn<int>("stars");
        QTest::newRow("50 keys in a minute") << 50 << 0 << 60.0 << 10.0 << 10.0 << 100.0 << 3;
        QTest::newRow("under a second is a second") << 5 << 0 << 0.2 << 10.0 << 60.0 << 100.0 << 3;
        QTest::newRow("90 %") << 9 << 1 << 1.0 << 10.0 << 108.0 << 90.0 << 2;
        QTest::newRow("95.9 %, fast") << 959 << 41 << 1.0 << 10.0 << 11508.0 << 95.9 << 2;
        QTest::newRow("96 %, at the goal") << 24 << 1 << 24.0 << 12.0 << 12.0 << 96.0 << 3;
        QTest::newRow("96 %, below the goal") << 24 << 1 << 25.0 << 12.0 << 11.52 << 96.0 << 2;
        QTest::newRow("89.9 %") << 899 << 101 << 1.0 << 10.0 << 10788.0 << 89.9 << 1;
        // Computed as (7 / 5) / (7 / 60), exactly the goal came out just below it.
        QTest::newRow("100 %, exactly the goal") << 7 << 0 << 7.0 << 12.0 << 12.0 << 100.0 << 3;
    }

    void scoring()
    {
        QFETCH(int, correct);
        QFETCH(int, wrong);
        QFETCH(double, seconds);
        QFETCH(double, target);
        FakeClock clock;
        LessonSession session(lessonOf({QString(correct, u'a')}, target), clock);
        type(session, QString(wrong, u'~') + QString(correct - 1, u'a'));
        QCOMPARE(session.stars(), 0);
        clock.seconds += seconds;
        QVERIFY(session.handle(u'a'));
        clock.seconds += 600; // the speed is fixed once the last line is done

        QVERIFY(session.finished());
        QTEST(session.wpm(), "wpm");
        QTEST(session.accuracy(), "accuracy");
        QTEST(session.stars(), "stars");
    }

    void firstKeyStartsTheClockEvenWhenWrong()
    {
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
        QCOMPARE(session.wpm(), 0.5); // live until the lesson is done
    }

    void onlyTheExpectedKeyMovesTheCursor_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("correct");
        QTest::addColumn<int>("wrong");
        QTest::newRow("three wrong, then right") << u"abc"_qs << u"~~~a"_qs << 1 << 3;
        QTest::newRow("capital where small") << u"ab"_qs << u"A"_qs << 0 << 1;
        QTest::newRow("letter where space") << u" b"_qs << u"b"_qs << 0 << 1;
        QTest::newRow("apostrophe as itself") << u"a'b"_qs << u"a'"_qs << 2 << 0;
        QTest::newRow("keys after the end") << u"a"_qs << u"aa~"_qs << 1 << 0;
    }

    void onlyTheExpectedKeyMovesTheCursor()
    {
        QFETCH(QString, line);
        QFETCH(QString, keys);
        FakeClock clock;
        LessonSession session(lessonOf({line}), clock);
        type(session, keys);
        QTEST(session.correct(), "correct");
        QTEST(session.wrong(), "wrong");
        QCOMPARE(session.charIndex(), session.correct());
    }

    // Fault guarded: QML hands over key texts, which may be empty or hold several units.
    void textThatIsNotOneCharacterIsIgnored()
    {
        FakeClock clock;
        LessonSession session(lessonOf({u"ab"_qs}), clock);
        for (const QString &text : {QString(), u"ab"_qs, u"😀"_qs})
            QVERIFY(!session.handle(text));
        QVERIFY(!session.startTime());
        QVERIFY(session.handle(u"a"_qs));
    }

    void soundsMarkMistakesLinesAndTheEnd_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QStringList>("played");
        QTest::newRow("sound on") << true << QStringList{"Basso", "Pop", "Glass"};
        QTest::newRow("sound off") << false << QStringList{};
    }

    void soundsMarkMistakesLinesAndTheEnd()
    {
        QFETCH(bool, enabled);
        RecordingSoundBackend sounds;
        const bool was = SoundPlayer::enabled();
        SoundPlayer::setEnabled(enabled);
        FakeClock clock;
        LessonSession session(lessonOf({u"ab"_qs, u"c"_qs}), clock);
        type(session, u"~ab");
        QCOMPARE(session.chars(), u"c"_qs);
        QCOMPARE(session.charIndex(), 0);
        type(session, u"c");
        SoundPlayer::setEnabled(was);
        QTEST(sounds.played, "played");
    }

    void resetGoesBackToReady()
    {
        FakeClock clock;
        const Lesson lesson = lessonOf({u"ab"_qs, u"cd"_qs});
        LessonSession session(lesson, clock);
        type(session, u"~");
        typeRest(session);
        session.reset();

        const LessonSession fresh(lesson, clock);
        const QMetaObject &meta = LessonSession::staticMetaObject;
        for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i) {
            const char *name = meta.property(i).name();
            QVERIFY2(session.property(name) == fresh.property(name), name);
        }
        QVERIFY(!session.startTime() && !session.endTime());
    }

    // Each published value announces itself at most once per key, and only when it moved.
    void keysAnnounceWhatChanged_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QChar>("key");
        QTest::addColumn<QStringList>("announced");
        const QStringList rightKey{"charIndex",  "correct",  "expected",
                                   "typedTotal", "progress", "wpm"};
        QTest::newRow("first right key") << QString() << QChar(u'a') << rightKey;
        QTest::newRow("next right key") << u"a"_qs << QChar(u'b') << rightKey;
        QTest::newRow("first wrong key")
            << QString() << QChar(u'~') << QStringList{"wrong", "accuracy"};
        QTest::newRow("later wrong key")
            << u"a"_qs << QChar(u'~') << QStringList{"wrong", "wpm", "accuracy"};
        QTest::newRow("line done") << u"ab"_qs << QChar(u'c')
                                   << QStringList{"drillIndex", "charIndex",  "chars",    "correct",
                                                  "expected",   "typedTotal", "progress", "wpm"};
        QTest::newRow("lesson done") << u"abcd"_qs << QChar(u'e')
                                     << QStringList{"charIndex",  "finished", "correct", "expected",
                                                    "typedTotal", "progress", "wpm",     "stars"};
    }

    void keysAnnounceWhatChanged()
    {
        QFETCH(QString, before);
        QFETCH(QChar, key);
        FakeClock clock;
        LessonSession session(lessonOf({u"abc"_qs, u"de"_qs}), clock);
        type(session, before);
        clock.seconds += 5;

        std::vector<std::pair<QString, std::unique_ptr<QSignalSpy>>> spies;
        const QMetaObject &meta = LessonSession::staticMetaObject;
        for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i) {
            const QMetaProperty property = meta.property(i);
            if (property.hasNotifySignal())
                spies.emplace_back(property.name(),
                                   std::make_unique<QSignalSpy>(&session, property.notifySignal()));
        }
        session.handle(key);

        QStringList announced;
        for (const auto &[name, spy] : spies) {
            QVERIFY2(spy->count() <= 1, qPrintable(name));
            if (spy->count() == 1)
                announced.append(name);
        }
        QTEST(announced, "announced");
    }

    void typesTheFirstLessonLikeAChild()
    {
        RecordingSoundBackend sounds;
        const Lesson lesson = Curriculum::lessonById(u"u1l1"_qs).value();
        FakeClock clock;
        LessonSession session(lesson, clock);
        int charsBehind = 0;
        for (const QString &line : lesson.drills) {
            QCOMPARE(session.chars(), line);
            // Progress counts the characters of the lines done, not the number of lines.
            QCOMPARE(session.progress(), double(charsBehind) / session.totalChars());
            for (QChar ch : line) {
                QVERIFY(session.handle(QString(ch)));
                clock.seconds += 0.25; // 48 wpm
            }
            charsBehind += line.size();
        }
        QVERIFY(session.finished());
        QCOMPARE(session.progress(), 1.0);
        QCOMPARE(session.correct(), session.totalChars());
        QCOMPARE(session.stars(), 3);
        QCOMPARE(sounds.played.count(u"Pop"_qs), lesson.drills.size() - 1);
    }
};

QTEST_GUILESS_MAIN(LessonSessionTest)
#include "tst_lessonsession.moc"
