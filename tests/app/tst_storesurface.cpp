// Guards what the screens read from the store: the profile cards, the current player, the
// name rule of the creation sheet and the sounds played on their behalf.
#include "appstore.h"
#include "recordingsound.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace tapalong;

namespace {

struct Harness {
    Harness() : store(SaveFile(dir.filePath(QStringLiteral("tapalong.json")))) {}
    QTemporaryDir dir;
    AppStore store;
};

LessonResult result(int stars, double wpm)
{
    return LessonResult{stars, wpm, 100, {}};
}

} // namespace

class TestStoreSurface : public QObject {
    Q_OBJECT

private slots:
    void trimmedNameDropsSpacesAndTabsButNotLineBreaks_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        // One run of blanks at each end: any one of them left standing shows.
        QTest::newRow("spaces and tabs") << u"\t Mia \t"_qs << u"Mia"_qs;
        QTest::newRow("wide and no-break spaces") << u"\u00a0\u2003Mia\u3000\u202f"_qs << u"Mia"_qs;
        QTest::newRow("inner spaces stay") << u" Anna  Lena "_qs << u"Anna  Lena"_qs;
        QTest::newRow("line feeds stay") << u" \nMia\n "_qs << u"\nMia\n"_qs;
        QTest::newRow("line separator stays") << u" \u2028Mia"_qs << u"\u2028Mia"_qs;
        QTest::newRow("only blanks") << u" \t\u00a0 "_qs << QString();
        QTest::newRow("empty") << QString() << QString();
    }

    void trimmedNameDropsSpacesAndTabsButNotLineBreaks()
    {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QCOMPARE(AppStore::trimmedName(typed), kept);
    }

    void profilesAndTheCurrentOneAsTheScreensShowThem()
    {
        Harness h;
        QCOMPARE(h.store.currentAvatar(), "🙂");
        QCOMPARE(h.store.currentName(), QString());
        QCOMPARE(h.store.currentProfileId(), QString());

        h.store.addProfile("Mia", "🦊");
        h.store.addProfile("Leo", "🐸");
        QCOMPARE(h.store.currentAvatar(), "🐸");
        QCOMPARE(h.store.currentName(), "Leo");
        QCOMPARE(h.store.profileList().at(1).toMap().value("bestWPM").toDouble(), 0.0);
        AppData data = h.store.data();
        data.profiles[0].lessonResults = {{"u1l1", result(3, 20.5)}, {"u1l2", result(2, 12)}};
        data.profiles[1].lessonResults = {{"u1l1", result(1, 20.49)}};
        h.store.setData(data);

        const QVariantList profiles = h.store.profileList();
        QCOMPARE(profiles.size(), 2);
        const QVariantMap mia = profiles[0].toMap();
        const QVariantMap leo = profiles[1].toMap();
        QCOMPARE(mia.value("name"), "Mia");
        QCOMPARE(mia.value("avatar"), "🦊");
        QCOMPARE(mia.value("totalStars").toInt(), 5);
        QCOMPARE(mia.value("bestWPM").toDouble(), 21.0); // a half goes up
        QCOMPARE(leo.value("bestWPM").toDouble(), 20.0);
        QCOMPARE(leo.value("totalStars").toInt(), 1);
        // The id a card hands back chooses exactly that profile.
        QCOMPARE(leo.value("id").toString(), h.store.currentProfileId());
        h.store.chooseProfile(mia.value("id").toString());
        QCOMPARE(h.store.currentName(), "Mia");

        // An id that matches no profile counts as none.
        data = h.store.data();
        data.currentProfileID = QUuid::createUuid();
        h.store.setData(data);
        QCOMPARE(h.store.currentAvatar(), "🙂");
        QCOMPARE(h.store.currentProfileId(), QString());
    }

    void soundsPlayByNameOnlyWhileSoundIsOn()
    {
        Harness h;
        RecordingSoundBackend recorder;
        AppStore::playSound("Tink");
        AppStore::playSound("Glass");
        AppStore::playSound("tink");   // names are exact
        AppStore::playSound("Squeak"); // not a sound of ours
        h.store.toggleSound();
        AppStore::playSound("Tink");
        QCOMPARE(recorder.played, QStringList({"Tink", "Glass"}));
    }
};

QTEST_GUILESS_MAIN(TestStoreSurface)
#include "tst_storesurface.moc"
