// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Guards backup and restore: a bad file changes nothing and says why; a good one is previewed,
// and restoring keeps the current household aside before replacing it.
#include "backup.h"
#include "savecodec.h"
#include "translation.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <ctime>

using namespace tapalong;

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

Profile explorer(const char *name, int lessons, double lastActive)
{
    Profile profile;
    profile.id = QUuid::createUuid();
    profile.name = QString::fromUtf8(name);
    profile.avatar = QStringLiteral("🦊");
    for (int i = 0; i < lessons; ++i)
        profile.lessonResults.insert(QStringLiteral("u1l%1").arg(i + 1), {2, 9, 90, {lastActive}});
    profile.lastActiveDay = Timestamp{lastActive};
    return profile;
}

class FakeClock : public Clock {
public:
    Timestamp now() const override { return moment; }
    Timestamp moment;
};

} // namespace

class TestBackup : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qputenv("TZ", "Europe/Berlin");
        tzset();
        installTranslation(QStringLiteral("en"));
    }

    void aBadFileChangesNothingAndSaysWhy_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("problem");
        QTest::newRow("not JSON") << QByteArray("hello")
                                  << "This file is not a Tapalong household, or it is damaged. "
                                     "Nothing was changed.";
        QTest::newRow("wrong game kind")
            << QByteArray(R"({"profiles":[{"id":"0F8FAD5B-D9CB-469F-A165-70867728950E","name":"A",)"
                          R"("avatar":"x","createdAt":1,"lessonResults":{},"gameScores":[{"id":)"
                          R"("0F8FAD5B-D9CB-469F-A165-70867728950E","kind":"pong","score":1,)"
                          R"("date":1}],"badges":{},"totalCorrectKeys":0,"streak":0}],"settings":{}})")
            << "This file is not a Tapalong household, or it is damaged. Nothing was changed.";
        QTest::newRow("missing") << QByteArray() << "";
    }

    void aBadFileChangesNothingAndSaysWhy()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, problem);
        QTemporaryDir dir;
        const QString savePath = dir.filePath("tapalong.json");
        AppStore store{SaveFile(savePath)};
        store.addProfile("Mia", "🦊");
        store.saveIfUnsaved();
        const QByteArray before = readAll(savePath);

        const QString chosen = dir.filePath("chosen.json");
        if (!content.isNull())
            writeAll(chosen, content);
        BackupController backup;
        backup.setStore(&store);
        backup.setSavePath(savePath);
        QVERIFY(!backup.inspect(QUrl::fromLocalFile(chosen)));
        QVERIFY(!backup.hasPreview());
        QVERIFY(!backup.restore());
        if (problem.isEmpty())
            QVERIFY(backup.message().startsWith("The file could not be opened"));
        else
            QCOMPARE(backup.message(), problem);
        QCOMPARE(readAll(savePath), before);
        QCOMPARE(store.data().profiles.size(), 1);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), content.isNull() ? 1 : 2);
    }

    void restoringKeepsTheCurrentHouseholdAside()
    {
        QTemporaryDir dir;
        const QString savePath = dir.filePath("tapalong.json");
        AppStore store{SaveFile(savePath)};
        store.addProfile("Mia", "🦊");
        store.saveIfUnsaved();
        const QByteArray before = readAll(savePath);

        AppData copy;
        copy.profiles << explorer("Ben", 2, 786'700'000) << explorer("Ada", 1, 786'000'000)
                      << explorer("Zoë", 0, 700'000'000);
        const QString chosen = dir.filePath("household-copy.json");
        writeAll(chosen, SaveCodec::encode(copy));

        BackupController backup;
        backup.setStore(&store);
        backup.setSavePath(savePath);
        QVERIFY(backup.inspect(QUrl::fromLocalFile(chosen)));
        QCOMPARE(backup.preview(),
                 "This copy holds 3 explorers (Ben, Ada and Zoë), 3 lessons finished, last "
                 "played on 6 December 2025. Restoring it replaces everything on this computer.");
        QCOMPARE(store.data().profiles.size(), 1); // nothing yet: restoring asks once more

        QVERIFY(backup.restore());
        QCOMPARE(store.data(), copy);
        store.saveIfUnsaved();
        QCOMPARE(SaveCodec::decode(readAll(savePath)), std::optional<AppData>(copy));
        const QStringList aside =
            QDir(dir.path()).entryList({"tapalong.json.before-restore-*"}, QDir::Files);
        QCOMPARE(aside.size(), 1);
        QCOMPARE(readAll(dir.filePath(aside.front())), before);
    }

    void aCopyIsTheHouseholdAsItIs()
    {
        QTemporaryDir dir;
        AppStore store{SaveFile(dir.filePath("tapalong.json"))};
        store.addProfile("Mia", "🦊");
        store.saveIfUnsaved(); // the file is written on another thread
        BackupController backup;
        backup.setStore(&store);
        const QString target = dir.filePath("copies/mia.json");
        QVERIFY(backup.saveCopy(QUrl::fromLocalFile(target)));
        QCOMPARE(readAll(target), readAll(dir.filePath("tapalong.json")));
        QCOMPARE(backup.message(), "Saved a copy: 1 explorer (Mia), 0 lessons finished.");
        QVERIFY(!backup.failed());
    }

    // Guards the save dialog's names: a typed name went nowhere unless it was a whole path.
    void aTypedNameGoesIntoTheFolderShown_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("target");
        QTest::newRow("bare name") << "mia-backup" << "/home/mia/Documents/mia-backup.json";
        QTest::newRow("with suffix") << " mia.json " << "/home/mia/Documents/mia.json";
        QTest::newRow("other suffix") << "mia.txt" << "/home/mia/Documents/mia.txt";
        QTest::newRow("in a folder below") << "old/mia" << "/home/mia/Documents/old/mia.json";
        QTest::newRow("whole path") << "/tmp/x/mia.json" << "/tmp/x/mia.json";
        QTest::newRow("blank") << "   " << "";
        QTest::newRow("a folder") << "old/" << "";
    }

    void aTypedNameGoesIntoTheFolderShown()
    {
        QFETCH(QString, typed);
        QFETCH(QString, target);
        QCOMPARE(Backup::targetPath("/home/mia/Documents", typed), target);
    }

    void theDialogOffersADatedNameAndAsksBeforeReplacing()
    {
        FakeClock clock;
        clock.moment = Timestamp::fromDateTime(QDateTime(QDate(2026, 12, 7), QTime(23, 30)));
        QTemporaryDir dir;
        AppStore store{SaveFile(dir.filePath("tapalong.json")), clock};
        BackupController backup;
        backup.setStore(&store);
        QCOMPARE(backup.suggestedName(), "Tapalong backup 2026-12-07.json");

        const QUrl folder = QUrl::fromLocalFile(dir.path());
        const QString target = backup.target(folder, "Tapalong backup 2026-12-07");
        QCOMPARE(target, dir.filePath("Tapalong backup 2026-12-07.json"));
        QVERIFY(!BackupController::exists(target));
        QVERIFY(backup.saveCopyAs(target));
        QVERIFY(BackupController::exists(target));
        QVERIFY(backup.target(folder, " ").isEmpty());
    }

    // Guards failures that looked like successes: every message had the same colour.
    void aFailureIsMarkedAsOne()
    {
        QTemporaryDir dir;
        AppStore store{SaveFile(dir.filePath("tapalong.json"))};
        store.addProfile("Mia", "🦊");
        BackupController backup;
        backup.setStore(&store);
        QSignalSpy changed(&backup, &BackupController::changed);
        writeAll(dir.filePath("a file"), "x");
        QVERIFY(!backup.saveCopy(QUrl::fromLocalFile(dir.filePath("a file/mia.json"))));
        QVERIFY(backup.failed());
        QCOMPARE(backup.message(), "The copy could not be saved there. Try another folder.");
        QVERIFY(backup.saveCopy(QUrl::fromLocalFile(dir.filePath("mia.json"))));
        QVERIFY(!backup.failed());
        QVERIFY(!backup.inspect(QUrl::fromLocalFile(dir.filePath("a file"))));
        QVERIFY(backup.failed());
        backup.cancel();
        QVERIFY(!backup.failed());
        QCOMPARE(changed.count(), 4);
    }
};

QTEST_GUILESS_MAIN(TestBackup)
#include "tst_backup.moc"
