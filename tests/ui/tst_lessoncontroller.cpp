// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// The lesson screen's rules: keys, pause, recording once, the verdict and the narrator.
#include "appstore.h"
#include "feedback.h"
#include "lessoncontroller.h"
#include "recordingsound.h"
#include "recordingspeech.h"
#include "tutorial.h"
#include "textcheck.h"
#include "history.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
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

KeyInput key(const QString &ch, quint16 code = KeyInput::unknownKey, bool held = false)
{
    return KeyInput{ch, code, held};
}
const KeyInput escape = key(u"\x1b"_qs, KeyInput::escape);
const KeyInput returnKey = key(u"\r"_qs, KeyInput::returnKey);
const KeyInput space = key(u" "_qs);
const KeyInput wrongKey = key(u"~"_qs); // no line of "Meet F and J" holds a tilde

struct Harness {
    explicit Harness(const QString &lessonId = u"u1l1"_qs)
        : store(SaveFile(dir.filePath(u"tapalong.json"_qs)), clock),
          lesson(std::make_unique<LessonController>(clock))
    {
        feedback.setSoundBackend(&sound);
        feedback.setSpeechBackend(&speech);
        store.addProfile(u"Ada"_qs, u"🦊"_qs);
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

    FakeClock clock;
    QTemporaryDir dir;
    RecordingSoundBackend sound;
    RecordingSpeechBackend speech;
    AppStore store;
    Feedback feedback{store}; // what the program would play and say
    std::unique_ptr<LessonController> lesson;
};

} // namespace

class LessonControllerTest : public QObject {
    Q_OBJECT

private slots:
    // Fault guarded: the Escape ending the tutorial must not pause too; held keys act once.
    void escapeEndsTheTutorialAndHeldKeysActOnce()
    {
        Harness h;
        h.press(key(QStringLiteral("f"))); // the welcome step types nothing
        h.press(escape);
        QVERIFY(!h.lesson->tutorial()->isActive());
        QCOMPARE(h.speech.calls.constLast(), u"stop"_qs);
        QVERIFY(!h.lesson->paused());

        h.typeExpected();
        h.press(key(h.session().expectedText(), KeyInput::unknownKey, true));
        QCOMPARE(h.session().correct(), 1);
        QCOMPARE(h.session().wrong(), 0);
        h.press(key(u"\x1b"_qs, KeyInput::escape, true));
        QVERIFY(!h.lesson->paused());
    }

    void tutorialKeysMoveOnOnlyWhenMeant()
    {
        Harness h; // steps: welcome, home row, F, J, go; held keys must not race through them
        h.press(key(u" "_qs, KeyInput::unknownKey, true));
        h.press(key(u"\r"_qs, KeyInput::returnKey, true));
        h.press(key(QStringLiteral("x")));
        QCOMPARE(h.lesson->tutorial()->index(), 0);
        h.press(space);
        QCOMPARE(h.lesson->tutorial()->index(), 1);
        h.press(returnKey);
        QCOMPARE(h.lesson->tutorial()->index(), 2);

        // A wrong key on a step that asks for one is simply ignored, and so is Shift.
        h.press(key(QStringLiteral("j")));
        h.press(key(QStringLiteral("F")));
        QCOMPARE(h.lesson->tutorial()->index(), 2);

        h.press(key(QStringLiteral("f")));
        QCOMPARE(h.sound.played, QStringList{u"Pop"_qs});
        QCOMPARE(h.lesson->tutorial()->index(), 3);
        QCOMPARE(h.speech.spoken.constLast(), h.lesson->tutorial()->step().speech);

        h.lesson->tutorial()->advance();
        h.press(space); // on the last step: off to type
        QVERIFY(!h.lesson->tutorial()->isActive());
        QCOMPARE(h.speech.calls.constLast(), u"stop"_qs);
        QCOMPARE(h.session().correct() + h.session().wrong(), 0);
    }

    void speedShowsADashUntilTheFirstRightKeyAndPauseHoldsTheKeys()
    {
        Harness h;
        h.lesson->tutorial()->end();
        h.press(wrongKey);
        QCOMPARE(h.lesson->wpmText(), u"–"_qs);
        QCOMPARE(h.lesson->accuracyText(), u"0%"_qs);
        h.clock.seconds += 12; // 1 right key of 5 in 12 s: 1 wpm
        h.typeExpected();
        QCOMPARE(h.lesson->wpmText(), u"1"_qs);
        QCOMPARE(h.lesson->accuracyText(), u"50%"_qs);
        QCOMPARE(h.lesson->highlight(), h.session().expectedText());
        QSignalSpy highlightChanges(h.lesson.get(), &LessonController::highlightChanged);
        h.press(escape);
        QVERIFY(h.lesson->paused());
        QCOMPARE(h.lesson->highlight(), QString());
        QCOMPARE(highlightChanges.count(), 1);
        // Paused, keys go on to the card's buttons (Tab, Return) and the drill counts none.
        QVERIFY(!h.lesson->handleKey(key(h.session().expectedText())));
        QVERIFY(!h.lesson->handleKey(wrongKey));
        QVERIFY(!h.lesson->handleKey(key(u"\t"_qs)));
        QCOMPARE(h.session().correct() + h.session().wrong(), 2);

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
        QVERIFY2(!h.lesson->handleKey(key(u" "_qs)), "the results card's buttons take Space");
    }

    void onlyTypingCharactersReachTheSession()
    {
        // Control keys and what no key types are dropped; every other character is a wrong key.
        const QList<std::pair<QString, int>> keys = {{u"\r"_qs, 0}, {u"\b"_qs, 0},  {u"\x7f"_qs, 0},
                                                     {u"\t"_qs, 0}, {QString(), 0}, {u"🙂"_qs, 0},
                                                     {u"~"_qs, 1},  {u"?"_qs, 1},   {u"7"_qs, 1},
                                                     {u"J"_qs, 1},  {u"é"_qs, 1}};
        for (const auto &[ch, wrong] : keys) {
            Harness h;
            h.lesson->tutorial()->end();
            QCOMPARE(h.session().expectedText(), u"j"_qs);
            h.press(key(ch));
            QVERIFY2(h.session().wrong() == wrong && h.session().correct() == 0, qPrintable(ch));
        }
    }

    // Through the real key path: a dead key is no key and no mistake; what it composes is one
    // key, and a dead key that did not combine is one mistake however the platform delivers it.
    void composedKeysCountOnce()
    {
        Harness h;
        h.lesson->tutorial()->end();
        QWindow window;
        QObject focusItem; // where the composer commits
        const auto press = [&](int qtKey, const QString &text) {
            QKeyEvent event(QEvent::KeyPress, qtKey, {}, text);
            QCoreApplication::sendEvent(&window, &event);
        };
        const auto commit = [&](const QString &text) {
            QInputMethodEvent event;
            event.setCommitString(text);
            QCoreApplication::sendEvent(&focusItem, &event);
        };
        const auto counts = [&] {
            return std::pair(h.session().correct(), h.session().wrong());
        };
        QCOMPARE(h.session().expectedText(), u"j"_qs);

        press(Qt::Key_Dead_Acute, {});
        QCOMPARE(counts(), std::pair(0, 0));
        commit(u"é"_qs);
        QCOMPARE(counts(), std::pair(0, 1));
        press(Qt::Key_Q, u"q"_qs); // Qt's composer swallows the dead key and passes this on
        QCOMPARE(counts(), std::pair(0, 2));
        commit(u"´j"_qs); // an input method committing both characters
        QCOMPARE(counts(), std::pair(0, 3));
        commit(u"j"_qs);
        QCOMPARE(counts(), std::pair(1, 3));
    }

    // Fault guarded: a screen that observes `finished` more than once must not record twice.
    void finishRecordsOncePerAttemptAndRetryRecordsAgain()
    {
        Harness h;
        h.lesson->tutorial()->end();
        QSignalSpy saves(&h.store, &AppStore::dataChanged);
        h.typeRest();
        h.lesson->finish();
        h.lesson->finish();
        QCOMPARE(saves.count(), 1);
        const int correct = h.session().correct();
        QCOMPARE(h.store.currentProfile()->totalCorrectKeys, correct);
        QCOMPARE(h.store.currentProfile()->lessonResults.value(u"u1l1"_qs).stars, 3);

        QCOMPARE(h.lesson->newBadges().constFirst().id, u"first_lesson"_qs);
        QCOMPARE(h.sound.played.mid(h.sound.played.size() - 2),
                 (QStringList{u"Glass"_qs, u"Hero"_qs}));
        QVERIFY(!h.lesson->showStars());
        QTRY_VERIFY(h.lesson->showStars());

        h.lesson->restart();
        QVERIFY(!h.lesson->recorded());
        QVERIFY2(!h.lesson->tutorial()->isActive(), "a retry goes straight to typing");
        QCOMPARE(h.speech.calls.constLast(), u"stop"_qs);
        h.sound.played.clear();
        h.typeRest();
        QCOMPARE(saves.count(), 2);
        QCOMPARE(h.store.currentProfile()->totalCorrectKeys, 2 * correct);
        QVERIFY(h.lesson->newBadges().isEmpty());
        QVERIFY2(!h.sound.played.contains(u"Hero"), "no fanfare without a new badge");
    }

    void verdictByStars()
    {
        // "Meet F and J" has 155 characters and a goal of 8 wpm.
        const QList<std::tuple<int, double, int, QString, QString>> cases = {
            {0, 1.0, 3, u"AMAZING! 🎉"_qs, u"Amazing! You earned all three stars!"_qs},
            {0, 10.0, 2, u"Great job! 🙌"_qs, u"Great job! Two stars!"_qs},
            {20, 1.0, 1, u"Lesson complete! ✅"_qs,
             u"Lesson complete! Nice work — keep practicing and you'll shine."_qs}};
        for (const auto &[wrongKeys, minutes, stars, title, speech] : cases) {
            Harness h;
            h.lesson->tutorial()->end();
            for (int i = 0; i < wrongKeys; ++i)
                h.press(wrongKey);
            h.typeExpected();
            h.clock.seconds += minutes * 60;
            h.typeRest();
            QCOMPARE(h.session().stars(), stars);
            QCOMPARE(h.lesson->title(), title);
            QCOMPARE(h.speech.spoken.constLast(), speech);
        }
    }

    void waysOnAfterTheLesson()
    {
        Harness last(u"u6l3"_qs);
        QVERIFY2(!last.lesson->hasNextLesson(), "nothing after Grand Finale");
        QSignalSpy next(last.lesson.get(), &LessonController::nextRequested);
        last.lesson->openNext();
        QCOMPARE(next.count(), 0);

        // "Z, comma, dot" suits all five games; the card offers the first three.
        Harness five(u"u3l4"_qs);
        QStringList kinds;
        for (const BonusChoice &choice : five.lesson->bonusChoices())
            kinds.append(choice.kind);
        QCOMPARE(kinds, (QStringList{u"letterDrop"_qs, u"keyMoles"_qs, u"copyCat"_qs}));

        QSignalSpy bonus(five.lesson.get(), &LessonController::bonusRequested);
        five.lesson->openBonus(u"keyMoles"_qs);
        QCOMPARE(bonus.count(), 1);
        QCOMPARE(bonus.at(0), (QVariantList{u"u3l4"_qs, u"keyMoles"_qs}));
        QVERIFY(!five.lesson->isListening());
        QCOMPARE(five.speech.calls.constLast(), u"stop"_qs);
    }

    void trickyPracticeDrillsTheWeakKeysAndLeavesTheCourseAlone()
    {
        Harness h;
        h.store.updateCurrent([](Profile &p) {
            p.lessonResults.insert(u"u1l2"_qs, {2, 9, 90, {}});
            for (QChar c : u"fjdk"_qs)
                p.keyStats.insert(c, {30, 0, {}});
            p.keyStats[u'k'].wrong = 12;
        });
        const auto resultsBefore = h.store.currentProfile()->lessonResults;
        h.lesson->setLessonId(u"tricky"_qs);
        QVERIFY(h.lesson->session());
        QCOMPARE(h.session().lesson().newKeys, u"k"_qs); // f, j and d were never missed
        QVERIFY(!h.lesson->tutorial()->isActive());
        QVERIFY(!h.lesson->hasNextLesson());
        QVERIFY(h.lesson->bonusChoices().isEmpty());

        h.press(key(u"~"_qs));
        h.typeRest();
        QVERIFY(h.lesson->recorded());
        const Profile &ada = *h.store.currentProfile();
        QCOMPARE(ada.lessonResults, resultsBefore);
        QCOMPARE(ada.history.size(), 1);
        QCOMPARE(ada.history.front().lessonId, u"tricky"_qs);
        QCOMPARE(ada.keyStats.value(u'k').right,
                 30 + h.session().lesson().drills.join(QString()).count(u'k'));
        QCOMPARE(ada.totalStars(), 2);
    }

    void aTextFromHomeIsTypedInWrappedLinesAndRecordedAsPractice()
    {
        Harness h;
        const QString text = u"Once upon a time there was a little fox who liked to type.\n\nThe end."_qs;
        const QUuid id = h.store.addPracticeText(h.store.currentProfile()->id, text);
        h.lesson->setLessonId(TextCheck::lessonIdFor(id));
        QVERIFY(h.lesson->session());
        QCOMPARE(h.session().lesson().drills,
                 (QStringList{u"Once upon a time there was a little fox"_qs,
                              u"who liked to type."_qs, u"The end."_qs}));
        QVERIFY(!h.lesson->tutorial()->isActive());
        QVERIFY(!h.lesson->hasNextLesson());
        QVERIFY(h.lesson->bonusChoices().isEmpty());

        h.press(key(u"~"_qs));
        h.typeRest();
        QVERIFY(h.lesson->recorded());
        const Profile &ada = *h.store.currentProfile();
        QVERIFY(ada.lessonResults.isEmpty());
        QCOMPARE(ada.totalStars(), 0);
        QCOMPARE(ada.history.size(), 1);
        QCOMPARE(ada.history.front().lessonId, History::homeTextLessonId);
        QCOMPARE(ada.keyStats.value(u'O').wrong, 1);

        // A text that was removed opens nothing.
        h.lesson->setLessonId(TextCheck::lessonIdFor(QUuid::createUuid()));
        QVERIFY(!h.lesson->session());
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
        QVERIFY2(h.lesson->tutorial()->isActive(), "a leaving screen takes no more keys");
        h.lesson->setActive(false);
        h.lesson->setActive(true);
        QVERIFY(!h.lesson->isListening());

        // Fault guarded: the old screen, destroyed late, must not cut the new one's speech off.
        LessonController next(h.clock);
        next.setLessonId(u"u1l2"_qs);
        next.setActive(true);
        QVERIFY(next.isListening());
        const QStringList before = h.speech.calls;
        h.lesson.reset();
        QCOMPARE(h.speech.calls, before);
    }

    // The verdict is never cut off: the line done, the results and the next key come when
    // nothing more important is being said, the next key only for an explorer who asked.
    void newsAndNextKeysWaitForTheLessonsOwnLines()
    {
        Harness h;
        const auto nextKey = [&] { return Tutorial::charName(h.session().expected().value()); };
        h.speech.clear();
        h.lesson->tutorial()->end();
        QCOMPARE(h.speech.calls, QStringList{u"stop"_qs}); // no next key unless asked for

        // "jjj fff …": the same letter again is said again.
        h.store.setSayNextKey(h.store.currentProfileId(), true);
        h.typeExpected();
        h.typeExpected();
        QCOMPARE(h.speech.spoken, QStringList(2, Tutorial::charName(u'j')));
        h.typeExpected();
        QCOMPARE(h.speech.spoken.constLast(), nextKey());
        while (h.session().drillIndex() == 0)
            h.typeExpected();
        const int left = h.session().drillCount() - 1;
        QCOMPARE(h.speech.spoken.constLast(), LessonController::lineDoneNews(left));
        h.speech.finish();
        QCOMPARE(h.speech.spoken.constLast(), nextKey());

        h.typeRest();
        const QString verdict = LessonController::verdictSpeech(h.session().stars());
        QCOMPARE(h.speech.spoken.constLast(), verdict);
        QCOMPARE(h.speech.calls.constLast(), u"speak "_qs + verdict);
        h.speech.finish();
        const QString results = h.speech.spoken.constLast();
        QVERIFY2(results.contains(u"percent right. New badge: First Steps!"), qPrintable(results));
        h.speech.finish();
        QCOMPARE(h.speech.spoken.constLast(), results);
    }
};

QTEST_MAIN(LessonControllerTest)

#include "tst_lessoncontroller.moc"
