// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Guards the household's language: a grown-up's switch reaches the course, the badges, the key
// names and the narrator at once, without a restart, and a German lesson speaks German.
#include "badges.h"
#include "curriculum.h"
#include "keyboardlayout.h"
#include "lessoncontroller.h"
#include "recordingfeedback.h"
#include "translation.h"
#include "tutorial.h"

#include <QCoreApplication>
#include <QTest>

using namespace tapalong;

namespace {

QString spaceLabel()
{
    return KeyboardLayout::rows().constLast().constFirst().label;
}

} // namespace

class TestLanguage : public QObject {
    Q_OBJECT

private slots:
    void init() { useLanguage(QStringLiteral("en")); }

    void aSwitchRetranslatesTheTablesAndTheNarrator()
    {
        RecordingFeedback heard;
        heard.store().setLanguageSwitch(QStringLiteral("en"),
                                        [](const QString &language) { useLanguage(language); });
        const Lesson &englishFirst = Curriculum::allLessons().constFirst();
        const QString englishTitle = englishFirst.title;
        const QString englishBadge = BadgeEngine::all().constFirst().title;
        const QString englishSpace = spaceLabel();
        const QStringList englishLast = Curriculum::allLessons().constLast().drills;
        QCOMPARE(englishTitle, u"Meet F and J");
        QCOMPARE(heard.store().language(), u"en");

        heard.store().chooseLanguage(QStringLiteral("de"));
        QCOMPARE(heard.store().language(), u"de");
        QCOMPARE(heard.store().data().settings.language, std::optional(QStringLiteral("de")));
        QCOMPARE(heard.speech.language, u"de");
        QCOMPARE(Curriculum::allLessons().constFirst().title,
                 QCoreApplication::translate("Course", "Meet F and J"));
        QVERIFY(Curriculum::allLessons().constFirst().title != englishTitle);
        QVERIFY(BadgeEngine::all().constFirst().title != englishBadge);
        QVERIFY(spaceLabel() != englishSpace);
        // The words typed are German ones too: the last lessons' sentences.
        QCOMPARE(Curriculum::active().language(), u"de");
        QCOMPARE(Curriculum::active().keyboard().name(), Keyboard::us().name());
        QVERIFY(Curriculum::allLessons().constLast().drills != englishLast);
        // What was read before the switch stays readable.
        QCOMPARE(englishFirst.title, englishTitle);

        // Unknown languages change nothing; back to English, all of it.
        heard.store().chooseLanguage(QStringLiteral("xx"));
        QCOMPARE(heard.store().language(), u"de");
        heard.store().chooseLanguage(QStringLiteral("en"));
        QCOMPARE(heard.speech.language, u"en");
        QCOMPARE(Curriculum::allLessons().constFirst().title, englishTitle);
        QCOMPARE(BadgeEngine::all().constFirst().title, englishBadge);
        QCOMPARE(Curriculum::allLessons().constLast().drills, englishLast);
    }

    void aGermanLessonsTutorialSpeaksGerman()
    {
        const QList<TutorialStep> english = TutorialScript::steps(QStringLiteral("u1l1"));
        RecordingFeedback heard;
        heard.store().setLanguageSwitch(QStringLiteral("en"),
                                        [](const QString &language) { useLanguage(language); });
        heard.store().addProfile(QStringLiteral("Ada"), QStringLiteral("🦊"));
        heard.store().chooseLanguage(QStringLiteral("de"));
        const QList<TutorialStep> german = TutorialScript::steps(QStringLiteral("u1l1"));
        QCOMPARE(german.size(), english.size());
        QVERIFY2(german.constFirst().speech != english.constFirst().speech,
                 qPrintable(german.constFirst().speech));

        LessonController lesson;
        lesson.setStore(&heard.store());
        lesson.setLessonId(QStringLiteral("u1l1"));
        lesson.setActive(true);
        for (int i = 0; i < german.size(); ++i) {
            QVERIFY(lesson.tutorial()->isActive());
            QCOMPARE(heard.speech.spoken.constLast(), german[i].speech);
            lesson.tutorial()->advance();
        }
        QCOMPARE(heard.speech.language, u"de");
    }

    // The names the narrator says for keys are the ones a child of that language learns.
    void keysAreNamedInTheLanguage()
    {
        QCOMPARE(Tutorial::charName(QChar(u'ñ')), u"N with tilde");
        useLanguage(QStringLiteral("es"));
        QCOMPARE(Tutorial::charName(QChar(u'ñ')), u"eñe");
        QCOMPARE(Tutorial::charName(QChar(u',')), u"coma");
        useLanguage(QStringLiteral("de"));
        QCOMPARE(Tutorial::charName(QChar(u'.')), u"Punkt");
        QCOMPARE(Tutorial::charName(QChar(u'ö')), u"O-Umlaut");
        useLanguage(QStringLiteral("fr"));
        QCOMPARE(Tutorial::charName(QChar(u',')), u"virgule");
    }
};

QTEST_GUILESS_MAIN(TestLanguage)
#include "tst_language.moc"
