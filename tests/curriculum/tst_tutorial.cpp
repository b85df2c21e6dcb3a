// Guards the tutorial script of each kind of lesson and the spoken names of keys.
#include "curriculum.h"
#include "tutorial.h"

#include <QTest>

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

        QCOMPARE(Tutorial::steps(courseLesson("u3l4")).first().text,
                 u"Welcome to Z, comma, dot!\nToday your fingers learn Z, comma and period."_qs);
        QCOMPARE(Tutorial::listNames(u"fj"_qs), u"F and J"_qs);
        QCOMPARE(Tutorial::listNames(u";,.'!?"_qs),
                 u"semicolon, comma, period, apostrophe, exclamation mark and question mark"_qs);
        QCOMPARE(TutorialScript::steps(u"u1l1"_qs).size(), 5);
        QVERIFY(TutorialScript::steps(u"nope"_qs).isEmpty());
        QCOMPARE(TutorialScript::charName(u"tab"_qs), u"TAB"_qs); // not one character
    }
};

QTEST_APPLESS_MAIN(TutorialTest)
#include "tst_tutorial.moc"
