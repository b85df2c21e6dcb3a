// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Guards the tutorial script of each kind of lesson and the spoken names of keys.
#include "curriculum.h"
#include "tutorial.h"

#include <QTest>

#include <tuple>

using namespace tapalong;

namespace {

Lesson courseLesson(const char *id)
{
    return Curriculum::lessonById(QString::fromLatin1(id)).value();
}

} // namespace

class TutorialTest : public QObject {
    Q_OBJECT

private slots:
    void scriptAndTextsOfEachKindOfLesson()
    {
        // One entry per step: the key it asks for, else "+" and the keys it lights, else "-".
        const auto expect = [](const Lesson &lesson, const QStringList &expected) {
            QStringList outline;
            for (const TutorialStep &step : Tutorial::steps(lesson)) {
                // A step that asks for a key lights it and names the finger the keyboard shows.
                QCOMPARE(step.highlight, step.requiredKey);
                if (step.requiredKey) {
                    QCOMPARE(step.finger, KeyboardLayout::find(*step.requiredKey)->key.finger);
                    outline << step.requiredKeyText();
                } else {
                    QVERIFY(!step.finger);
                    outline << (step.extraHighlights.isEmpty() ? u"-"_qs
                                                               : u'+' + step.extraHighlights);
                }
            }
            QCOMPARE(outline, expected);
        };
        const QString home = u"+asdfjkl;"_qs;
        expect(courseLesson("u3l4"), {"-", home, "z", ",", "+.", "-"});
        // The required key is the character itself, so "!" must be typed with Shift.
        expect(courseLesson("u4l3"), {"-", home, "'", "!", "+?", "-"});
        expect(courseLesson("u1l6"), {"-", home, "-"}); // a review
        expect({u"x"_qs, u"Odd Keys"_qs, u"🧪"_qs, u"\u00e9f"_qs, u"f"_qs, {u"f"_qs}, 8},
               {"-", home, "f", "-"}); // a key no key types

        QCOMPARE(Tutorial::listNames(u"fj"_qs), u"F and J"_qs);
        QCOMPARE(Tutorial::listNames(u";,.'!?"_qs),
                 u"semicolon, comma, period, apostrophe, exclamation mark and question mark"_qs);
        QCOMPARE(TutorialScript::steps(u"u1l1"_qs).size(), 5);
        QVERIFY(TutorialScript::steps(u"nope"_qs).isEmpty());
    }

    // Every kind of step, word for word, as the card shows it and as the narrator says it.
    void eachKindOfStepSaysItsWords()
    {
        const QList<TutorialStep> keys = Tutorial::steps(courseLesson("u3l4"));
        const QList<TutorialStep> review = Tutorial::steps(courseLesson("u1l6"));
        QCOMPARE(keys.size(), 6);
        const std::tuple<TutorialStep, QString, QString, QString> cases[] = {
            {keys[0],
             u"Welcome to Z, comma, dot!\nToday your fingers learn Z, comma and period."_qs,
             u"Welcome to Z, comma, dot! Today your fingers will learn Z, comma and period."_qs,
             u"🦑"_qs},
            {review[0],
             u"Welcome to Home Row Hero!\nA practice adventure with keys you already know."_qs,
             u"Welcome to Home Row Hero! This one is all about practicing keys you already know."_qs,
             u"🏆"_qs},
            {keys[1],
             u"Rest your fingers on the glowing HOME ROW.\nFeel the little bumps on F and J? Your "
             u"pointer fingers sit right there."_qs,
             u"First, rest your fingers on the home row. Feel the little bumps on F and J? Your "
             u"pointer fingers sit right there."_qs,
             u"🏠"_qs},
            {keys[2], u"This is Z!\nPress it with your left pinky — try it right now!"_qs,
             u"This is the Z key. Press it with your left pinky. Try it now!"_qs, u"👆"_qs},
            {keys[3],
             u"This is comma!\nPress it with your right middle finger — try it right now!"_qs,
             u"This is the comma key. Press it with your right middle finger. Try it now!"_qs,
             u"👆"_qs},
            {keys[4],
             u"You'll also meet period.\nSame trick: reach out from the home row, then hop right "
             u"back!"_qs,
             u"You will also meet period. Same trick — reach out from the home row, then hop right "
             u"back."_qs,
             u"✨"_qs},
            {keys[5],
             u"Type each letter when it glows.\nTake your time — happy fingers first, speedy "
             u"fingers later!"_qs,
             u"Now type each letter when it glows. Take your time. Happy fingers first, speedy "
             u"fingers later. Ready? Let's go!"_qs,
             u"🚀"_qs}};
        for (const auto &[step, text, speech, emoji] : cases) {
            QCOMPARE(step.text, text);
            QCOMPARE(step.speech, speech);
            QCOMPARE(step.emoji, emoji);
        }
    }
};

QTEST_APPLESS_MAIN(TutorialTest)
#include "tst_tutorial.moc"
