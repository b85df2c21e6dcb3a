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

TutorialStep keyStep(QChar key, const QString &name, Finger finger, const QString &fingerText)
{
    TutorialStep step;
    step.text = u"This is "_qs + name + u"!\nPress it with your "_qs + fingerText +
                u" \u2014 try it right now!"_qs;
    step.speech = u"This is the "_qs + name + u" key. Press it with your "_qs + fingerText +
                  u". Try it now!"_qs;
    step.highlight = key;
    step.requiredKey = key;
    step.finger = finger;
    step.emoji = u"\U0001F446"_qs;
    return step;
}

const QString goText = u"Type each letter when it glows.\n"
                       u"Take your time \u2014 happy fingers first, speedy fingers later!"_qs;

} // namespace

class TutorialTest : public QObject {
    Q_OBJECT

private slots:
    void charName_data()
    {
        QTest::addColumn<QChar>("ch");
        QTest::addColumn<QString>("name");
        QTest::newRow(";") << QChar(u';') << u"semicolon"_qs;
        QTest::newRow(",") << QChar(u',') << u"comma"_qs;
        QTest::newRow(".") << QChar(u'.') << u"period"_qs;
        QTest::newRow("'") << QChar(u'\'') << u"apostrophe"_qs;
        QTest::newRow("!") << QChar(u'!') << u"exclamation mark"_qs;
        QTest::newRow("?") << QChar(u'?') << u"question mark"_qs;
        QTest::newRow("letter") << QChar(u'f') << u"F"_qs;
        QTest::newRow("digit") << QChar(u'5') << u"5"_qs;
    }

    void charName()
    {
        QFETCH(QChar, ch);
        QTEST(Tutorial::charName(ch), "name");
    }

    void listNames_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("names");
        QTest::newRow("none") << QString() << QString();
        QTest::newRow("one") << u"f"_qs << u"F"_qs;
        QTest::newRow("two") << u"fj"_qs << u"F and J"_qs;
        QTest::newRow("three") << u"z,."_qs << u"Z, comma and period"_qs;
        QTest::newRow("five") << u"12345"_qs << u"1, 2, 3, 4 and 5"_qs;
    }

    void listNames()
    {
        QFETCH(QString, keys);
        QTEST(Tutorial::listNames(keys), "names");
    }

    void meetFAndJTeachesBothPointerFingers()
    {
        const QList<TutorialStep> steps = Tutorial::steps(courseLesson("u1l1"));
        QCOMPARE(steps.size(), 5);
        QCOMPARE(steps[0].text, u"Welcome to Meet F and J!\nToday your fingers learn F and J."_qs);
        QCOMPARE(steps[0].speech,
                 u"Welcome to Meet F and J! Today your fingers will learn F and J."_qs);
        QCOMPARE(steps[0].emoji, courseLesson("u1l1").emoji);
        QCOMPARE(steps[1].text, u"Rest your fingers on the glowing HOME ROW.\nFeel the little "
                                u"bumps on F and J? Your pointer fingers sit right there."_qs);
        QCOMPARE(steps[1].speech, u"First, rest your fingers on the home row. Feel the little "
                                  u"bumps on F and J? Your pointer fingers sit right there."_qs);
        QCOMPARE(steps[1].extraHighlights, u"asdfjkl;"_qs);
        QCOMPARE(steps[2], keyStep(u'f', u"F"_qs, Finger::leftIndex, u"left pointer finger"_qs));
        QCOMPARE(steps[3], keyStep(u'j', u"J"_qs, Finger::rightIndex, u"right pointer finger"_qs));
        QCOMPARE(steps[4].text, goText);
        QCOMPARE(steps[4].speech, u"Now type each letter when it glows. Take your time. Happy "
                                  u"fingers first, speedy fingers later. Ready? Let's go!"_qs);
        for (int i : {0, 1, 4})
            QVERIFY(!steps[i].highlight && !steps[i].finger && !steps[i].requiredKey);
    }

    void zCommaDotMeetsTheDotInOneMoreStep()
    {
        const QList<TutorialStep> steps = Tutorial::steps(courseLesson("u3l4"));
        QCOMPARE(steps.size(), 6);
        QCOMPARE(steps[0].text,
                 u"Welcome to Z, comma, dot!\nToday your fingers learn Z, comma and period."_qs);
        QCOMPARE(steps[2], keyStep(u'z', u"Z"_qs, Finger::leftPinky, u"left pinky"_qs));
        QCOMPARE(steps[3],
                 keyStep(u',', u"comma"_qs, Finger::rightMiddle, u"right middle finger"_qs));
        QCOMPARE(steps[4].text, u"You'll also meet period.\nSame trick: reach out from the home "
                                u"row, then hop right back!"_qs);
        QCOMPARE(steps[4].speech, u"You will also meet period. Same trick \u2014 reach out from "
                                  u"the home row, then hop right back."_qs);
        QCOMPARE(steps[4].extraHighlights, u"."_qs);
        QVERIFY(!steps[4].highlight && !steps[4].finger && !steps[4].requiredKey);
        QCOMPARE(steps[5].text, goText);
    }

    void homeRowHeroIsAPracticeWithThreeSteps()
    {
        const QList<TutorialStep> steps = Tutorial::steps(courseLesson("u1l6"));
        QCOMPARE(steps.size(), 3);
        QCOMPARE(steps[0].text, u"Welcome to Home Row Hero!\nA practice adventure with keys you "
                                u"already know."_qs);
        QCOMPARE(steps[0].speech, u"Welcome to Home Row Hero! This one is all about practicing "
                                  u"keys you already know."_qs);
        QCOMPARE(steps[2].text, goText);
    }

    // The required key is the character itself, so "!" must be typed with Shift.
    void realSentencesRequiresTheShiftedCharacter()
    {
        const QList<TutorialStep> steps = Tutorial::steps(courseLesson("u4l3"));
        QCOMPARE(steps.size(), 6);
        QCOMPARE(steps[2], keyStep(u'\'', u"apostrophe"_qs, Finger::rightPinky, u"right pinky"_qs));
        QCOMPARE(steps[3],
                 keyStep(u'!', u"exclamation mark"_qs, Finger::leftPinky, u"left pinky"_qs));
        QCOMPARE(steps[4].extraHighlights, u"?"_qs);
        QVERIFY(steps[4].text.startsWith(u"You'll also meet question mark.\n"_qs));
    }

    void keysNoKeyTypesGetNoStep()
    {
        const Lesson lesson{
            u"x"_qs, u"Odd Keys"_qs, u"\U0001F9EA"_qs, u"\u00e9f"_qs, u"f"_qs, {u"f"_qs}, 8};
        const QList<TutorialStep> steps = Tutorial::steps(lesson);
        QCOMPARE(steps.size(), 4);
        QCOMPARE(steps[0].text, u"Welcome to Odd Keys!\nToday your fingers learn \u00c9 and F."_qs);
        QCOMPARE(steps[2].requiredKey, QChar(u'f'));
    }

    void everyCourseLessonHasAStepPerKeyItTeaches()
    {
        for (const Lesson &lesson : Curriculum::allLessons()) {
            const qsizetype keys = lesson.newKeys.size();
            const qsizetype expected = 3 + qMin(keys, qsizetype(2)) + (keys > 2 ? 1 : 0);
            QVERIFY2(Tutorial::steps(lesson).size() == expected, qPrintable(lesson.id));
        }
    }

    void qmlStepsComeByLessonId()
    {
        QCOMPARE(TutorialScript::steps(u"u1l1"_qs).size(), 5);
        QVERIFY(TutorialScript::steps(u"nope"_qs).isEmpty());
    }
};

QTEST_APPLESS_MAIN(TutorialTest)
#include "tst_tutorial.moc"
