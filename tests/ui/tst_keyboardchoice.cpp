// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// The household's layout: taken from the desktop only at a first start, the course and the
// keyboard switched together, a layout without a course refused, nothing switched under an
// open lesson, and the child's notice raised only by the layout typing now.
#include "appstore.h"
#include "curriculum.h"
#include "desktopkeyboard.h"
#include "keyboardchoice.h"
#include "keyboardlayout.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

using namespace tapalong;

namespace {

QString activeLayout()
{
    return Curriculum::active().keyboard().name().text();
}

QString savePath(const QTemporaryDir &dir)
{
    return dir.filePath(QStringLiteral("tapalong.json"));
}

} // namespace

class TestKeyboardChoice : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_dir.emplace();
        m_store.emplace(SaveFile(savePath(*m_dir)));
        Curriculum::setActive(Course::us());
    }
    void cleanup()
    {
        m_store.reset();
        Curriculum::setActive(Course::us());
    }

    void aFirstStartTakesTheDesktopsLayout()
    {
        DesktopKeyboard desktop;
        desktop.setState(DesktopKeyboard::Source::x11, {u"de"_qs, u"us"_qs}, 0);
        KeyboardChoice choice(*m_store, &desktop);
        choice.start();
        QCOMPARE(choice.layout(), u"de"_qs);
        QCOMPARE(m_store->keyboardLayout(), u"de"_qs);
        QCOMPARE(activeLayout(), u"de"_qs);
        QCOMPARE(KeyboardModel::layout(), u"de"_qs);
        QVERIFY(!choice.differs());

        // Saved: the next start reads it from the file, whatever the desktop says then.
        m_store.reset();
        Curriculum::setActive(Course::us());
        m_store.emplace(SaveFile(savePath(*m_dir)));
        QVERIFY(!m_store->isFirstStart());
        desktop.setState(DesktopKeyboard::Source::x11, {u"fr"_qs}, 0);
        KeyboardChoice again(*m_store, &desktop);
        again.start();
        QCOMPARE(activeLayout(), u"de"_qs);
    }

    void aDesktopOfAnotherScriptAtAFirstStartLeavesUs()
    {
        DesktopKeyboard desktop;
        desktop.setState(DesktopKeyboard::Source::x11, {u"ru"_qs, u"us"_qs}, 0);
        KeyboardChoice choice(*m_store, &desktop);
        choice.start();
        QCOMPARE(choice.layout(), u"us"_qs);
        QCOMPARE(m_store->keyboardLayout(), u"us"_qs);
        // Typing Cyrillic on the US course: told, not hidden.
        QVERIFY(choice.differs());
    }

    void anOlderFileWithoutAChoiceMeansUs()
    {
        // A household that played before the choice existed: its file names no layout.
        m_store->addProfile(u"Ada"_qs, u"🦊"_qs);
        m_store.reset();
        m_store.emplace(SaveFile(savePath(*m_dir)));
        QVERIFY(!m_store->isFirstStart());

        DesktopKeyboard desktop;
        desktop.setState(DesktopKeyboard::Source::x11, {u"fr"_qs}, 0);
        KeyboardChoice choice(*m_store, &desktop);
        choice.start();
        QCOMPARE(choice.layout(), u"us"_qs);
        QVERIFY(Curriculum::active().keyboard().name().isUs());
        QVERIFY(choice.differs());
        // A desktop read again later changes nothing either.
        QSignalSpy changed(&choice, &KeyboardChoice::layoutChanged);
        desktop.setState(DesktopKeyboard::Source::x11, {u"de"_qs}, 0);
        QCOMPARE(choice.layout(), u"us"_qs);
        QCOMPARE(changed.count(), 0);
    }

    void aDesktopKnownOnlyLaterIsFollowedOnceNothingIsOpen()
    {
        DesktopKeyboard desktop;
        KeyboardChoice choice(*m_store, &desktop);
        choice.start();
        QCOMPARE(choice.layout(), u"us"_qs);
        // locale1 answers while a lesson is already open: the lesson keeps its keyboard.
        choice.setPlaying(true);
        desktop.setState(DesktopKeyboard::Source::locale1, {u"es"_qs}, 0);
        QCOMPARE(activeLayout(), u"us"_qs);
        choice.setPlaying(false);
        QCOMPARE(choice.layout(), u"es"_qs);
        QCOMPARE(m_store->keyboardLayout(), u"es"_qs);
        QCOMPARE(KeyboardModel::layout(), u"es"_qs);
    }

    void choosingSwitchesTheCourseAndTheKeyboardTogether()
    {
        KeyboardChoice choice(*m_store);
        choice.start();
        KeyboardModel model;
        QSignalSpy keyboardChanged(&model, &KeyboardModel::layoutChanged);
        QSignalSpy choiceChanged(&choice, &KeyboardChoice::layoutChanged);
        QCOMPARE(choice.choose(u"us(dvorak)"_qs), QString());
        QCOMPARE(m_store->keyboardLayout(), u"us(dvorak)"_qs);
        QCOMPARE(activeLayout(), u"us(dvorak)"_qs);
        QCOMPARE(keyboardChanged.count(), 1);
        QCOMPARE(choiceChanged.count(), 1);
        // The first lesson teaches the keys under the pointer fingers: U and H on Dvorak.
        QCOMPARE(Curriculum::allLessons().constFirst().newKeys, u"uh"_qs);

        // Back to US: the very course every US test checks.
        QCOMPARE(choice.choose(u"us"_qs), QString());
        QCOMPARE(Curriculum::allLessons(), Course::us().allLessons());
    }

    void aLayoutWithoutACourseKeepsTheCurrentOne_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("says");
        QTest::newRow("Cyrillic") << u"ru"_qs << u"not there yet"_qs;
        QTest::newRow("Greek") << u"gr"_qs << u"not there yet"_qs;
        QTest::newRow("Arabic") << u"ara"_qs << u"not there yet"_qs;
        QTest::newRow("unknown") << u"xx"_qs << u"does not know"_qs;
        QTest::newRow("two layouts") << u"de,ru"_qs << u"does not know"_qs;
    }
    void aLayoutWithoutACourseKeepsTheCurrentOne()
    {
        QFETCH(QString, name);
        QFETCH(QString, says);
        KeyboardChoice choice(*m_store);
        choice.start();
        QCOMPARE(choice.choose(u"de"_qs), QString());
        const QString problem = choice.choose(name);
        QVERIFY2(problem.contains(says), qPrintable(problem));
        QCOMPARE(m_store->keyboardLayout(), u"de"_qs);
        QCOMPARE(activeLayout(), u"de"_qs);
    }

    void aSavedLayoutTheDataDoesNotKnowLeavesUs()
    {
        QVERIFY(m_store->setKeyboardLayout(u"zz"_qs));
        KeyboardChoice choice(*m_store);
        choice.start();
        QVERIFY(Curriculum::active().keyboard().name().isUs());
        QCOMPARE(choice.layout(), u"us"_qs);
        // Kept for when the keyboard data knows it again.
        QCOMPARE(m_store->keyboardLayout(), u"zz"_qs);
    }

    void aRestoredFileBringsItsLayoutOnceNothingIsOpen()
    {
        KeyboardChoice choice(*m_store);
        choice.start();
        choice.setPlaying(true);
        AppData restored = m_store->data();
        restored.settings.keyboardLayout = *LayoutName::parse(u"fr");
        m_store->setData(restored);
        QCOMPARE(activeLayout(), u"us"_qs);
        QVERIFY(!choice.choose(u"de"_qs).isEmpty());
        choice.setPlaying(false);
        QCOMPARE(activeLayout(), u"fr"_qs);
        QCOMPARE(choice.layout(), u"fr"_qs);
    }

    void theNoticeFollowsTheLayoutTypingNow()
    {
        QVERIFY(m_store->setKeyboardLayout(u"de"_qs));
        DesktopKeyboard desktop;
        desktop.setState(DesktopKeyboard::Source::x11, {u"de"_qs, u"us"_qs}, 0);
        KeyboardChoice choice(*m_store, &desktop);
        choice.start();
        QVERIFY(!choice.differs());
        QSignalSpy differsChanged(&choice, &KeyboardChoice::differsChanged);

        // The layout switch key: the second group types US letters.
        desktop.setState(DesktopKeyboard::Source::x11, {u"de"_qs, u"us"_qs}, 1);
        QVERIFY(choice.differs());
        desktop.setState(DesktopKeyboard::Source::x11, {u"de"_qs, u"us"_qs}, 0);
        QVERIFY(!choice.differs());
        QCOMPARE(differsChanged.count(), 2);

        // The grown-ups choose what the desktop types: the notice goes.
        desktop.setState(DesktopKeyboard::Source::x11, {u"fr"_qs}, 0);
        QVERIFY(choice.differs());
        QCOMPARE(choice.choose(u"fr"_qs), QString());
        QVERIFY(!choice.differs());

        // locale1 names the system's default, not the layout typing now: never a notice.
        desktop.setState(DesktopKeyboard::Source::locale1, {u"es"_qs}, 0);
        QVERIFY(!choice.differs());
    }

    void theListNarrowsToWhatIsSearched()
    {
        KeyboardChoice choice(*m_store);
        QAbstractItemModel *layouts = choice.layouts();
        QTRY_VERIFY_WITH_TIMEOUT(choice.isReady(), 10000);
        const int all = layouts->rowCount();
        QVERIFY(all > 100);
        choice.setSearch(u"german"_qs);
        QVERIFY(layouts->rowCount() > 1 && layouts->rowCount() < 40);
        QCOMPARE(choice.layoutAt(0), u"de"_qs); // "German" sorts before its variants
        // What begins with the words typed comes before what only holds them.
        choice.setSearch(u"russian"_qs);
        QCOMPARE(choice.layoutAt(0), u"ru"_qs);
        choice.setSearch(u"us(dv"_qs); // by the keyboard data's own name too
        QStringList found;
        for (int row = 0; row < layouts->rowCount(); ++row)
            found.append(choice.layoutAt(row));
        QVERIFY(found.contains(u"us(dvorak)"_qs));
        QVERIFY(found.filter(u"us(dv"_qs).size() == found.size());
        QCOMPARE(choice.layoutAt(layouts->rowCount()), QString());
        choice.setSearch({});
        QCOMPARE(layouts->rowCount(), all);
        QCOMPARE(choice.description(), u"English (US)"_qs);
    }

    void aLayoutIsFoundByItsNameInTheHouseholdsLanguageOrInEnglish()
    {
        QVERIFY(m_store->setKeyboardLayout(u"de"_qs));
        m_store->chooseLanguage(u"de"_qs);
        KeyboardChoice choice(*m_store);
        choice.start();
        choice.layouts(); // starts the reading
        QTRY_VERIFY_WITH_TIMEOUT(choice.isReady(), 10000);
        QCOMPARE(choice.description(), u"Deutsch"_qs);
        // Found by the name shown and by the English one a manual may give.
        for (const QString &typed : {u"deutsch"_qs, u"german"_qs}) {
            choice.setSearch(typed);
            QCOMPARE(choice.layoutAt(0), u"de"_qs);
        }
    }

private:
    std::optional<QTemporaryDir> m_dir;
    std::optional<AppStore> m_store;
};

QTEST_GUILESS_MAIN(TestKeyboardChoice)
#include "tst_keyboardchoice.moc"
