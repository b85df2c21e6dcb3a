// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// What the screens read from the store and the sheet's name rule.
#include "appstore.h"

#include <QTemporaryDir>
#include <QTest>

using namespace tapalong;

class TestStoreSurface : public QObject {
    Q_OBJECT

private slots:
    void trimmedNameDropsSpacesAndTabsButNotLineBreaks()
    {
        // One run of blanks at each end: any one of them left standing shows.
        const QList<std::pair<QString, QString>> names = {
            {u"\t Mia \t"_qs, u"Mia"_qs},
            {u"\u00a0\u2003Mia\u3000\u202f"_qs, u"Mia"_qs}, // wide and no-break spaces
            {u" Anna  Lena "_qs, u"Anna  Lena"_qs},
            {u" \nMia\n "_qs, u"\nMia\n"_qs},
            {u" \u2028Mia"_qs, u"\u2028Mia"_qs}, // a line separator
            {u" \t\u00a0 "_qs, QString()}};
        for (const auto &[typed, kept] : names)
            QCOMPARE(AppStore::trimmedName(typed), kept);
    }

    void profilesAndTheCurrentOneAsTheScreensShowThem()
    {
        QTemporaryDir dir;
        AppStore store(SaveFile(dir.filePath(QStringLiteral("tapalong.json"))));

        store.addProfile("Mia", "🦊");
        store.addProfile("Leo", "🐸");
        QCOMPARE(store.currentName(), "Leo");
        AppData data = store.data();
        data.profiles[0].lessonResults = {{"u1l1", {3, 20.5, 100, {}}}, {"u1l2", {2, 12, 100, {}}}};
        data.profiles[1].lessonResults = {{"u1l1", {1, 20.49, 100, {}}}};
        store.setData(data);

        const ProfileSummary mia = store.profileList().at(0);
        const ProfileSummary leo = store.profileList().at(1);
        QCOMPARE(mia.totalStars, 5.0);
        QCOMPARE(mia.bestWPM, 21.0); // a half goes up
        QCOMPARE(leo.bestWPM, 20.0);
        // The id a card hands back chooses exactly that profile.
        QCOMPARE(leo.id, store.currentProfileId());
        store.chooseProfile(mia.id);
        QCOMPARE(store.currentName(), "Mia");

        // An id that matches no profile counts as none.
        data = store.data();
        data.currentProfileID = QUuid::createUuid();
        store.setData(data);
        QCOMPARE(store.currentAvatar(), "🙂");
        QCOMPARE(store.currentProfileId(), QString());
    }
};

QTEST_GUILESS_MAIN(TestStoreSurface)
#include "tst_storesurface.moc"
