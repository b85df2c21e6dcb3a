// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Guards the course on every supported layout: the US course and keyboard exactly as before,
// and on the others every character a drill asks for typeable and taught first.
#include "coursejson.h"
#include "curriculum.h"
#include "keyboardlayout.h"
#include "tutorial.h"
#include "xkbkeymap.h"

#include <QFile>
#include <QTest>

using namespace tapalong;

namespace {

Keyboard keyboard(const QString &name)
{
    const std::optional<LayoutName> parsed = LayoutName::parse(name);
    const std::optional<Keyboard> loaded = parsed ? Keyboard::load(*parsed) : std::nullopt;
    if (!loaded)
        qFatal("no layout %s", qPrintable(name));
    return *loaded;
}

QString describe(const std::optional<KeyboardLayout::Match> &match)
{
    if (!match)
        return u"none"_qs;
    QString text;
    if (match->dead) {
        text += match->dead->key.position + (match->dead->needsShift ? u"+shift"_qs : QString()) +
                (match->dead->needsAltGr ? u"+altgr"_qs : QString()) + u" then "_qs;
    }
    return text + match->key.position + (match->needsShift ? u"+shift"_qs : QString()) +
           (match->needsAltGr ? u"+altgr"_qs : QString());
}

} // namespace

class LayoutsTest : public QObject {
    Q_OBJECT

private slots:
    // The course as it was printed before keyboards came from the keyboard data, byte for byte.
    void usCourseIsUnchanged()
    {
        QFile file(QStringLiteral(TAPALONG_TEST_DATA "/us-course.json"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        QCOMPARE(courseJson(Course::us()), before);
        QCOMPARE(courseJson(), before);
        QCOMPARE(Keyboard::us().homeRow(), u"asdfjkl;"_qs);
        QCOMPARE(Keyboard::us().gamePool(), u"asdfjkl"_qs);
        QCOMPARE(Keyboard::us().bumpKeys(), (QStringList{u"F"_qs, u"J"_qs}));
    }

    // The hand-made US table and the keyboard data's "us" are the same keyboard, key for key,
    // and so make the same course.
    void usTableAgreesWithTheKeyboardData()
    {
        const std::optional<Xkb::Keymap> keymap = Xkb::read({u"us"_qs, QString()});
        QVERIFY(keymap);
        const Keyboard read = Keyboard::fromKeymap(*keymap);
        QCOMPARE(read.rows(), Keyboard::us().rows());
        QVERIFY(!read.isIso() && !read.hasAltGr());
        QCOMPARE(Course::build(read).units(), Course::us().units());
    }

    void everyDrillCharacterIsTypeableAndTaughtFirst_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QString>("homeRow");
        QTest::addColumn<bool>("iso");
        QTest::addColumn<QString>("language");
        // Layouts with another home row, an ISO key, dead keys, AltGr punctuation, digits
        // under Shift, letters on the number row.
        const QList<std::tuple<const char *, const char *, bool>> rows = {
            {"us", "asdfjkl;", false},          {"us(intl)", "asdfjkl;", false},
            {"us(dvorak)", "aoeuhtns", false},  {"us(colemak)", "arstneio", false},
            {"gb", "asdfjkl;", true},           {"ie", "asdfjkl;", true},
            {"de", "asdfjklö", true},           {"at", "asdfjklö", true},
            {"ch", "asdfjklö", true},           {"fr", "qsdfjklm", true},
            {"be", "qsdfjklm", true},           {"es", "asdfjklñ", true},
            {"latam", "asdfjklñ", true},        {"it", "asdfjklò", true},
            {"pt", "asdfjklç", true},           {"br", "asdfjklç", true},
            {"se", "asdfjklö", true},           {"no", "asdfjklø", true},
            {"dk", "asdfjklæ", true},           {"fi", "asdfjklö", true},
            {"pl", "asdfjkl;", false},          {"cz", "asdfjklů", true},
            {"hu", "asdfjklé", true},
        };
        for (const auto &[layout, home, iso] : rows) {
            QTest::newRow(layout) << QString::fromUtf8(layout) << QString::fromUtf8(home) << iso
                                  << u"en"_qs;
        }
        // Each language on the keyboards of the countries that speak it, and on the US one,
        // where its accents cannot be typed.
        const QList<std::tuple<const char *, const char *, bool, const char *>> languages = {
            {"de", "asdfjklö", true, "de"}, {"at", "asdfjklö", true, "de"},
            {"ch", "asdfjklö", true, "de"}, {"us", "asdfjkl;", false, "de"},
            {"fr", "qsdfjklm", true, "fr"}, {"be", "qsdfjklm", true, "fr"},
            {"us", "asdfjkl;", false, "fr"}, {"es", "asdfjklñ", true, "es"},
            {"latam", "asdfjklñ", true, "es"}, {"us", "asdfjkl;", false, "es"},
        };
        for (const auto &[layout, home, iso, language] : languages) {
            QTest::addRow("%s %s", layout, language)
                << QString::fromUtf8(layout) << QString::fromUtf8(home) << iso
                << QString::fromUtf8(language);
        }
    }

    void everyDrillCharacterIsTypeableAndTaughtFirst()
    {
        QFETCH(QString, layout);
        QFETCH(QString, homeRow);
        QFETCH(bool, iso);
        QFETCH(QString, language);
        const Keyboard board = keyboard(layout);
        QCOMPARE(board.homeRow(), homeRow);
        QCOMPARE(board.isIso(), iso);

        // Fingers follow positions: the same finger for the same key on every layout.
        for (const QList<KeyDef> &row : board.rows()) {
            for (const KeyDef &key : row) {
                if (!key.finger)
                    continue;
                QCOMPARE(key.finger, fingerAt(key.position));
                QCOMPARE(key.homeBump(), key.position == u"AC04" || key.position == u"AC07");
            }
        }

        const Course course = Course::build(board, language);
        QCOMPARE(course.allLessons().size(), Course::us().allLessons().size());
        QString taught;
        bool shiftTaught = false;
        for (qsizetype i = 0; i < course.allLessons().size(); ++i) {
            const Lesson &lesson = course.allLessons().at(i);
            QCOMPARE(lesson.id, Course::us().allLessons().at(i).id);
            taught += lesson.newKeys;
            shiftTaught = shiftTaught || lesson.id == u"u4l1";
            // A US keyboard types few Spanish or French sentences: the stories grow short.
            const bool fits = language == u"en" || layout != u"us";
            QVERIFY2(lesson.drills.size() >= (fits ? 3 : 1), qPrintable(lesson.id));
            for (QChar key : lesson.keyPool)
                QVERIFY2(taught.contains(key), qPrintable(lesson.id + u' ' + key));
            for (const QString &line : lesson.drills) {
                QVERIFY(!line.isEmpty() && line.size() <= 46);
                for (QChar c : line) {
                    const QString where = QStringLiteral("%1: %2 [%3]").arg(lesson.id, line, c);
                    QVERIFY2(board.find(c), qPrintable(where));
                    if (c == u' ')
                        continue;
                    // A capital is taught with its letter, once Shift has been.
                    const bool capital = c.isUpper() && taught.contains(c.toLower());
                    QVERIFY2(taught.contains(c) || (capital && shiftTaught), qPrintable(where));
                }
            }
        }
        // The alphabet is complete by "Alphabet Master", whatever the layout.
        const Lesson alphabet = *course.lessonById(u"u3l5"_qs);
        for (char16_t c = u'a'; c <= u'z'; ++c)
            QVERIFY2(alphabet.keyPool.contains(QChar(c)), qPrintable(QString(QChar(c))));
    }

    // How to type a character: Shift, AltGr, a dead key first, the ISO key and Brazil's extra one.
    void findAnswersEveryWayOfTyping_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QString>("ch");
        QTest::addColumn<QString>("way");
        QTest::newRow("de ö") << u"de"_qs << u"ö"_qs << u"AC10"_qs;
        QTest::newRow("de z") << u"de"_qs << u"z"_qs << u"AD06"_qs;
        QTest::newRow("de ?") << u"de"_qs << u"?"_qs << u"AE11+shift"_qs;
        QTest::newRow("de ;") << u"de"_qs << u";"_qs << u"AB08+shift"_qs;
        QTest::newRow("de @") << u"de"_qs << u"@"_qs << u"AD01+altgr"_qs;
        QTest::newRow("de <") << u"de"_qs << u"<"_qs << u"LSGT"_qs;
        QTest::newRow("de é") << u"de"_qs << u"é"_qs << u"AE12 then AD03"_qs;
        QTest::newRow("de È") << u"de"_qs << u"È"_qs << u"AE12+shift then AD03+shift"_qs;
        QTest::newRow("fr .") << u"fr"_qs << u"."_qs << u"AB08+shift"_qs;
        QTest::newRow("fr 1") << u"fr"_qs << u"1"_qs << u"AE01+shift"_qs;
        QTest::newRow("fr ê") << u"fr"_qs << u"ê"_qs << u"AD11 then AD03"_qs;
        QTest::newRow("us(intl) '") << u"us(intl)"_qs << u"'"_qs << u"AC11+altgr"_qs;
        QTest::newRow("us(intl) ê") << u"us(intl)"_qs << u"ê"_qs << u"AE06+shift then AD03"_qs;
        QTest::newRow("br ?") << u"br"_qs << u"?"_qs << u"AB11+shift"_qs;
        QTest::newRow("pl ą") << u"pl"_qs << u"ą"_qs << u"AC01+altgr"_qs;
        QTest::newRow("hu ;") << u"hu"_qs << u";"_qs << u"AB08+altgr"_qs;
        QTest::newRow("us é") << u"us"_qs << u"é"_qs << u"none"_qs;
    }

    void findAnswersEveryWayOfTyping()
    {
        QFETCH(QString, layout);
        QFETCH(QString, ch);
        QFETCH(QString, way);
        QCOMPARE(describe(keyboard(layout).find(ch.front())), way);
    }

    void litKeysAndHintsSayEveryStroke()
    {
        const Keyboard de = keyboard(u"de"_qs);
        // The dead key and the letter light together; AltGr lights its own key.
        QCOMPARE(de.litKeys(QChar(u'é')), (QStringList{u"´"_qs, u"E"_qs}));
        QCOMPARE(de.litKeys(QChar(u'@')), (QStringList{u"Q"_qs, u"altgr"_qs}));
        QCOMPARE(*de.hintText(QChar(u'é')), u"Press  ´  and then  e  with your left middle finger"_qs);
        QCOMPARE(*de.hintText(QChar(u'@')),
                 u"Press  @  with your left pinky  (hold ALTGR with your right thumb!)"_qs);
        QCOMPARE(*de.hintText(QChar(u'ö')), u"Press  ö  with your right pinky"_qs);
        QVERIFY(!de.hintText(QChar(u'ж')));
    }

    // A name goes into the keyboard data's include paths: only plain names get there.
    void layoutNamesAreCheckedBeforeTheKeyboardDataSeesThem()
    {
        QCOMPARE(LayoutName::parse(u"us(intl)"_qs), (LayoutName{u"us"_qs, u"intl"_qs}));
        for (const QString &bad : {u"../../etc/passwd"_qs, u"de,us"_qs, u"de(nodeadkeys"_qs,
                                   u""_qs, u"de(a)(b)"_qs, u"de us"_qs})
            QVERIFY2(!LayoutName::parse(bad), qPrintable(bad));

        KeyboardProblem problem = KeyboardProblem::none;
        QVERIFY(!Keyboard::load({u"xx"_qs, QString()}, &problem));
        QCOMPARE(problem, KeyboardProblem::unknownLayout);
        QVERIFY(!Keyboard::load({u"ru"_qs, QString()}, &problem));
        QCOMPARE(problem, KeyboardProblem::otherScript);
        QVERIFY(!Keyboard::load({u"gr"_qs, QString()}, &problem));
        QCOMPARE(problem, KeyboardProblem::otherScript);
    }

    void theTutorialTeachesTheLayoutsKeys()
    {
        const Keyboard dvorak = keyboard(u"us(dvorak)"_qs);
        const Course course = Course::build(dvorak);
        const Lesson first = course.allLessons().first();
        QCOMPARE(first.title, u"Meet U and H"_qs);
        const QList<TutorialStep> steps = Tutorial::steps(first, dvorak);
        QCOMPARE(steps.at(1).extraHighlights, u"aoeuhtns"_qs);
        QVERIFY(steps.at(1).text.contains(u"bumps on U and H?"_qs));
        QCOMPARE(steps.at(2).requiredKey, QChar(u'u'));
        QCOMPARE(steps.at(2).finger, Finger::leftIndex);

        const Keyboard de = keyboard(u"de"_qs);
        const Lesson pinkies = *Course::build(de).lessonById(u"u1l4"_qs);
        QCOMPARE(pinkies.title, u"A, Ö and Ä"_qs);
        const QList<TutorialStep> deSteps = Tutorial::steps(pinkies, de);
        QCOMPARE(deSteps.at(3).speech,
                 u"This is the O with umlaut key. Press it with your right pinky. Try it now!"_qs);
        QCOMPARE(Tutorial::charName(QChar(u'ß')), u"sharp S"_qs);
        QCOMPARE(Tutorial::charName(QChar(u'-')), u"minus"_qs);
        QCOMPARE(Tutorial::charName(QChar(u'Ñ')), u"N with tilde"_qs);
        // ß has no capital on the keyboards that have it: a capitalised word keeps it.
        QCOMPARE(QChar(u'ß').toUpper(), QChar(u'ß'));
    }

    // The active course can change; what was handed out before stays valid.
    void choosingACourseKeepsEarlierReferencesValid()
    {
        const QList<Lesson> &before = Curriculum::allLessons();
        const QString firstTitle = before.first().title;
        Curriculum::setActive(Course::build(keyboard(u"us(dvorak)"_qs)));
        QCOMPARE(Curriculum::allLessons().first().title, u"Meet U and H"_qs);
        QCOMPARE(KeyboardLayout::find(u'u')->key.position, u"AC04"_qs);
        QCOMPARE(Curriculum::learnedKeys(Profile{}), u"aoeuhtn"_qs);
        QCOMPARE(before.first().title, firstTitle);
        Curriculum::setActive(Course::us());
        QCOMPARE(Curriculum::allLessons().first().title, u"Meet F and J"_qs);
    }
};

QTEST_GUILESS_MAIN(LayoutsTest)
#include "tst_layouts.moc"
