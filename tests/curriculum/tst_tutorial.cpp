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
    void listNames_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("names");
        QTest::newRow("none") << QString() << QString();
        QTest::newRow("one letter, upper case") << u"f"_qs << u"F"_qs;
        QTest::newRow("two") << u"fj"_qs << u"F and J"_qs;
        QTest::newRow("digits") << u"12345"_qs << u"1, 2, 3, 4 and 5"_qs;
        QTest::newRow("every spoken punctuation name")
            << u";,.'!?"_qs
            << u"semicolon, comma, period, apostrophe, exclamation mark and question mark"_qs;
    }

    void listNames()
    {
        QFETCH(QString, keys);
        QTEST(Tutorial::listNames(keys), "names");
    }

    // One entry per step: the key it asks for, else "+" and the keys it lights, else "-".
    void scriptOfEachKindOfLesson_data()
    {
        QTest::addColumn<Lesson>("lesson");
        QTest::addColumn<QStringList>("outline");
        const QString home = u"+asdfjkl;"_qs;
        QTest::newRow("two new keys")
            << courseLesson("u1l1") << QStringList{"-", home, "f", "j", "-"};
        QTest::newRow("three new keys")
            << courseLesson("u3l4") << QStringList{"-", home, "z", ",", "+.", "-"};
        // The required key is the character itself, so "!" must be typed with Shift.
        QTest::newRow("shifted key")
            << courseLesson("u4l3") << QStringList{"-", home, "'", "!", "+?", "-"};
        QTest::newRow("review") << courseLesson("u1l6") << QStringList{"-", home, "-"};
        QTest::newRow("a key no key types")
            << Lesson{u"x"_qs, u"Odd Keys"_qs, u"🧪"_qs, u"\u00e9f"_qs, u"f"_qs, {u"f"_qs}, 8}
            << QStringList{"-", home, "f", "-"};
    }

    void scriptOfEachKindOfLesson()
    {
        QFETCH(Lesson, lesson);
        QStringList outline;
        for (const TutorialStep &step : Tutorial::steps(lesson)) {
            // A step that asks for a key lights it and names the finger the keyboard shows.
            QCOMPARE(step.highlight, step.requiredKey);
            if (step.requiredKey) {
                QCOMPARE(step.finger, KeyboardLayout::find(*step.requiredKey)->key.finger);
                outline << step.requiredKeyText();
            } else {
                QVERIFY(!step.finger);
                outline << (step.extraHighlights.isEmpty() ? u"-"_qs : u'+' + step.extraHighlights);
            }
        }
        QTEST(outline, "outline");
    }

    void textsNameTheLessonTheKeysAndTheFingers()
    {
        const Lesson lesson = courseLesson("u3l4");
        const QList<TutorialStep> steps = Tutorial::steps(lesson);
        QCOMPARE(steps[0].text,
                 u"Welcome to Z, comma, dot!\nToday your fingers learn Z, comma and period."_qs);
        QCOMPARE(
            steps[0].speech,
            u"Welcome to Z, comma, dot! Today your fingers will learn Z, comma and period."_qs);
        QCOMPARE(steps[0].emoji, lesson.emoji);
        QCOMPARE(steps[3].text, u"This is comma!\nPress it with your right middle finger \u2014 "
                                u"try it right now!"_qs);
        QCOMPARE(steps[3].speech,
                 u"This is the comma key. Press it with your right middle finger. Try it now!"_qs);
        QCOMPARE(steps[4].text, u"You'll also meet period.\nSame trick: reach out from the home "
                                u"row, then hop right back!"_qs);
        QCOMPARE(steps[4].speech, u"You will also meet period. Same trick \u2014 reach out from "
                                  u"the home row, then hop right back."_qs);

        const TutorialStep review = Tutorial::steps(courseLesson("u1l6")).first();
        QCOMPARE(review.text, u"Welcome to Home Row Hero!\nA practice adventure with keys you "
                              u"already know."_qs);
        QCOMPARE(review.speech, u"Welcome to Home Row Hero! This one is all about practicing "
                                u"keys you already know."_qs);
    }

    void qmlEntryPoints()
    {
        QCOMPARE(TutorialScript::steps(u"u1l1"_qs).size(), 5);
        QVERIFY(TutorialScript::steps(u"nope"_qs).isEmpty());
        QCOMPARE(TutorialScript::charName(u";"_qs), u"semicolon"_qs);
        QCOMPARE(TutorialScript::charName(u"tab"_qs), u"TAB"_qs); // not one character
    }
};

QTEST_APPLESS_MAIN(TutorialTest)
#include "tst_tutorial.moc"
