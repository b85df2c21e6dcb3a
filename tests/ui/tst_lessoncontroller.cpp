// Guards the lesson screen's rules: the tutorial keys, pause, which keys count, recording once
// per attempt, the spoken verdict, the ways on, and when the narrator falls silent.
#include "appstore.h"
#include "lessoncontroller.h"
#include "recordingsound.h"
#include "recordingspeech.h"
#include "savefile.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace tapalong;

namespace {

class FakeClock : public Clock {
public:
    Timestamp now() const override { return {seconds}; }
    double seconds = 700'000'000;
};

KeyInput key(const QString &ch, quint16 code = KeyInput::unknownKey)
{
    return KeyInput{ch, code};
}

const KeyInput escape = key(QStringLiteral("\x1b"), KeyInput::escape);
const KeyInput returnKey = key(QStringLiteral("\r"), KeyInput::returnKey);
const KeyInput space = key(QStringLiteral(" "));
// No line of "Meet F and J" holds a tilde, so it is always a wrong key there.
const KeyInput wrongKey = key(QStringLiteral("~"));

KeyInput held(KeyInput input)
{
    input.isRepeat = true;
    return input;
}

struct Harness {
    explicit Harness(const QString &lessonId = QStringLiteral("u1l1"))
        : store(SaveFile(dir.filePath(QStringLiteral("tapalong.json"))), clock)
    {
        store.addProfile(QStringLiteral("Ada"), QStringLiteral("🦊"));
        lesson = std::make_unique<LessonController>(clock);
        lesson->setStore(&store);
        lesson->setLessonId(lessonId);
        lesson->setActive(true);
    }

    LessonSession &session() const { return *lesson->session(); }
    void press(const KeyInput &input) const { QVERIFY(lesson->handleKey(input)); }
    void typeExpected() const { press(key(session().expectedText())); }
    void typeRest() const
    {
        while (!session().finished())
            typeExpected();
    }
    qint64 keysRecorded() const { return store.currentProfile()->totalCorrectKeys; }

    FakeClock clock;
    QTemporaryDir dir;
    RecordingSoundBackend sound;
    RecordingSpeechBackend speech;
    AppStore store;
    std::unique_ptr<LessonController> lesson;
};

} // namespace

class LessonControllerTest : public QObject {
    Q_OBJECT

private slots:
    // Fault guarded: the Escape that ends the tutorial must not pause as well, and a held key
    // types once and a held Escape must not flicker the pause card.
    void escapeEndsTheTutorialAndHeldKeysActOnce()
    {
        Harness h;
        QCOMPARE(h.speech.spoken, QStringList{h.lesson->currentStep().speech});
        QVERIFY(h.speech.spoken.constFirst().startsWith(u"Welcome to Meet F and J!"));

        h.press(key(QStringLiteral("f")));
        QCOMPARE(h.session().correct() + h.session().wrong(), 0);
        QCOMPARE(h.lesson->tutorialIndex(), 0);

        h.press(escape);
        QVERIFY(!h.lesson->tutorialActive());
        QCOMPARE(h.speech.calls.constLast(), u"stop"_qs);
        QVERIFY(!h.lesson->paused());

        h.typeExpected();
        h.press(held(key(h.session().expectedText())));
        QCOMPARE(h.session().correct(), 1);
        QCOMPARE(h.session().wrong(), 0);
        h.press(held(escape));
        QVERIFY(!h.lesson->paused());
    }

    void tutorialKeysMoveOnOnlyWhenMeant()
    {
        Harness h; // steps: welcome, home row, F, J, go
        // A held space or Return must not race through the steps.
        h.press(held(space));
        h.press(held(returnKey));
        h.press(key(QStringLiteral("x")));
        QCOMPARE(h.lesson->tutorialIndex(), 0);
        h.press(space);
        QCOMPARE(h.lesson->tutorialIndex(), 1);
        h.press(returnKey);
        QCOMPARE(h.lesson->tutorialIndex(), 2);

        // A wrong key on a step that asks for one is simply ignored, and so is Shift.
        h.press(key(QStringLiteral("j")));
        h.press(key(QStringLiteral("F")));
        QCOMPARE(h.lesson->tutorialIndex(), 2);
        QVERIFY(h.sound.played.isEmpty());

        h.press(key(QStringLiteral("f")));
        QCOMPARE(h.sound.played, QStringList{u"Pop"_qs});
        QCOMPARE(h.lesson->tutorialIndex(), 3);
        QCOMPARE(h.speech.spoken.constLast(), h.lesson->currentStep().speech);
        QVERIFY(h.speech.spoken.constLast().startsWith(u"This is the J key."));

        h.lesson->advanceTutorial();
        h.press(space); // on the last step: off to type
        QVERIFY(!h.lesson->tutorialActive());
        QCOMPARE(h.speech.calls.constLast(), u"stop"_qs);
        QCOMPARE(h.session().correct() + h.session().wrong(), 0);
    }

    void pauseHidesTheHighlightAndHoldsTheKeys()
    {
        Harness h;
        h.lesson->endTutorial();
        QCOMPARE(h.lesson->highlight(), h.session().expectedText());
        QVERIFY(!h.lesson->highlight().isEmpty());

        QSignalSpy highlightChanges(h.lesson.get(), &LessonController::highlightChanged);
        h.press(escape);
        QVERIFY(h.lesson->paused());
        QCOMPARE(h.lesson->highlight(), QString());
        QCOMPARE(highlightChanges.count(), 1);
        h.typeExpected();
        h.press(wrongKey);
        QCOMPARE(h.session().correct() + h.session().wrong(), 0);

        h.press(escape);
        QVERIFY(!h.lesson->paused());
        h.press(escape);
        h.lesson->resume(); // "Keep going!"
        QVERIFY(!h.lesson->paused());
        QCOMPARE(h.lesson->highlight(), h.session().expectedText());

        h.typeRest();
        QCOMPARE(h.lesson->highlight(), QString());
        h.press(escape);
        QVERIFY2(!h.lesson->paused(), "nothing to pause after the last line");
    }

    void onlyTypingCharactersReachTheSession_data()
    {
        QTest::addColumn<QString>("ch");
        QTest::addColumn<int>("wrong");
        QTest::newRow("Return") << u"\r"_qs << 0;
        QTest::newRow("Backspace") << u"\b"_qs << 0;
        QTest::newRow("Delete") << u"\x7f"_qs << 0;
        QTest::newRow("Tab") << u"\t"_qs << 0;
        QTest::newRow("no character") << QString() << 0;
        QTest::newRow("emoji") << u"🙂"_qs << 0;
        QTest::newRow("symbol") << u"~"_qs << 1;
        QTest::newRow("punctuation") << u"?"_qs << 1;
        QTest::newRow("digit") << u"7"_qs << 1;
        QTest::newRow("capital") << u"J"_qs << 1;
        QTest::newRow("accented letter") << u"é"_qs << 1;
    }

    void onlyTypingCharactersReachTheSession()
    {
        QFETCH(QString, ch);
        QFETCH(int, wrong);
        Harness h;
        h.lesson->endTutorial();
        QCOMPARE(h.session().expectedText(), u"j"_qs);
        h.press(key(ch));
        QCOMPARE(h.session().wrong(), wrong);
        QCOMPARE(h.session().correct(), 0);
    }

    void speedShowsADashUntilTheFirstRightKey()
    {
        Harness h;
        h.lesson->endTutorial();
        h.press(wrongKey);
        QCOMPARE(h.lesson->wpmText(), u"–"_qs);
        QCOMPARE(h.lesson->accuracyText(), u"0%"_qs);

        h.clock.seconds += 12; // 1 right key of 5 in 12 s: 1 wpm
        h.typeExpected();
        QCOMPARE(h.lesson->wpmText(), u"1"_qs);
        QCOMPARE(h.lesson->accuracyText(), u"50%"_qs);
    }

    // Fault guarded: a screen that observes `finished` more than once must not record twice.
    void finishRecordsOncePerAttemptAndRetryRecordsAgain()
    {
        Harness h;
        h.lesson->endTutorial();
        QSignalSpy saves(&h.store, &AppStore::dataChanged);
        h.typeRest();
        QVERIFY(h.lesson->recorded());
        h.lesson->finish();
        h.lesson->finish();
        QCOMPARE(saves.count(), 1);
        const int correct = h.session().correct();
        QCOMPARE(h.keysRecorded(), correct);
        QCOMPARE(h.store.currentProfile()->lessonResults.value(u"u1l1"_qs).stars, 3);

        QVERIFY(!h.lesson->newBadgeList().isEmpty()); // "First Steps" at least
        QCOMPARE(h.lesson->newBadges().constFirst().toMap().value(u"id"_qs), u"first_lesson"_qs);
        QCOMPARE(h.sound.played.mid(h.sound.played.size() - 2),
                 (QStringList{u"Glass"_qs, u"Hero"_qs}));
        QVERIFY(!h.lesson->showStars());
        QTRY_VERIFY(h.lesson->showStars());

        h.lesson->restart();
        QVERIFY(!h.lesson->recorded());
        QVERIFY(!h.lesson->showStars());
        QVERIFY(h.lesson->newBadgeList().isEmpty());
        QVERIFY2(!h.lesson->tutorialActive(), "a retry goes straight to typing");
        QCOMPARE(h.speech.calls.constLast(), u"stop"_qs);
        QCOMPARE(h.session().correct(), 0);

        h.sound.played.clear();
        h.typeRest();
        QCOMPARE(saves.count(), 2);
        QCOMPARE(h.keysRecorded(), 2 * correct);
        QVERIFY(h.lesson->newBadgeList().isEmpty());
        QVERIFY2(!h.sound.played.contains(u"Hero"), "no fanfare without a new badge");
    }

    void verdictByStars_data()
    {
        QTest::addColumn<int>("wrongKeys");
        QTest::addColumn<double>("minutes");
        QTest::addColumn<int>("stars");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("speech");
        // "Meet F and J" has 155 characters and a goal of 8 wpm.
        QTest::newRow("three") << 0 << 1.0 << 3 << u"AMAZING! 🎉"_qs
                               << u"Amazing! You earned all three stars!"_qs;
        QTest::newRow("two") << 0 << 10.0 << 2 << u"Great job! 🙌"_qs << u"Great job! Two stars!"_qs;
        QTest::newRow("one")
            << 20 << 1.0 << 1 << u"Lesson complete! ✅"_qs
            << u"Lesson complete! Nice work — keep practicing and you'll shine."_qs;
    }

    void verdictByStars()
    {
        QFETCH(int, wrongKeys);
        QFETCH(double, minutes);
        QFETCH(int, stars);
        QFETCH(QString, title);
        QFETCH(QString, speech);
        Harness h;
        h.lesson->endTutorial();
        for (int i = 0; i < wrongKeys; ++i)
            h.press(wrongKey);
        h.typeExpected();
        h.clock.seconds += minutes * 60;
        h.typeRest();
        QCOMPARE(h.session().stars(), stars);
        QCOMPARE(h.lesson->title(), title);
        QCOMPARE(h.speech.spoken.constLast(), speech);
    }

    void waysOnAfterTheLesson()
    {
        Harness first;
        QVERIFY(first.lesson->hasNextLesson());
        QCOMPARE(first.lesson->nextLessonId(), u"u1l2"_qs);
        QCOMPARE(first.lesson->nextLessonTitle(), u"D and K"_qs);

        Harness last(u"u6l3"_qs);
        QVERIFY2(!last.lesson->hasNextLesson(), "nothing after Grand Finale");
        QSignalSpy next(last.lesson.get(), &LessonController::nextRequested);
        last.lesson->openNext();
        QCOMPARE(next.count(), 0);

        // "Z, comma, dot" suits all five games; the card offers the first three.
        Harness five(u"u3l4"_qs);
        QStringList kinds;
        for (const QVariant &choice : five.lesson->bonusChoices())
            kinds.append(choice.toMap().value(u"kind"_qs).toString());
        QCOMPARE(kinds, (QStringList{u"letterDrop"_qs, u"keyMoles"_qs, u"copyCat"_qs}));

        QSignalSpy bonus(five.lesson.get(), &LessonController::bonusRequested);
        five.lesson->openBonus(u"keyMoles"_qs);
        QCOMPARE(bonus.count(), 1);
        QCOMPARE(bonus.at(0), (QVariantList{u"u3l4"_qs, u"keyMoles"_qs}));
        QVERIFY(!five.lesson->isListening());
        QCOMPARE(five.speech.calls.constLast(), u"stop"_qs);
    }

    void leavingSilencesOnceAndStaysInert()
    {
        Harness h;
        QSignalSpy exits(h.lesson.get(), &LessonController::exitRequested);
        h.lesson->exit();
        QCOMPARE(exits.count(), 1);
        QVERIFY(!h.lesson->isListening());
        QCOMPARE(h.speech.calls.constLast(), u"stop"_qs);
        h.press(escape);
        QVERIFY2(h.lesson->tutorialActive(), "a leaving screen takes no more keys");
        h.lesson->setActive(false);
        h.lesson->setActive(true);
        QVERIFY(!h.lesson->isListening());

        // Fault guarded: the old screen is destroyed after the new one has started to speak,
        // and must not cut the new one off.
        LessonController next(h.clock);
        next.setLessonId(u"u1l2"_qs);
        next.setActive(true);
        QVERIFY(next.isListening());
        const QStringList before = h.speech.calls;
        h.lesson.reset();
        QCOMPARE(h.speech.calls, before);
    }
};

QTEST_MAIN(LessonControllerTest)

#include "tst_lessoncontroller.moc"
