// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Guards saving as an ordinary user over a save file that user cannot read: one of mode 000,
// one left by a run under sudo, and one that cannot even be moved. Run as root, the test leaves
// root's file in a folder of its own and runs itself again as `nobody` there.
#include "appstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tapalong;

namespace {

// Set for the run as the ordinary user: the folder root prepared.
constexpr char folderVariable[] = "TAPALONG_TEST_UNPRIVILEGED_FOLDER";
constexpr char rootsFolder[] = "left-by-sudo";
constexpr char asideName[] = "tapalong.json.unreadable-20240506-070809";

class FixedClock : public Clock {
public:
    Timestamp now() const override
    {
        return Timestamp::fromDateTime(QDateTime(QDate(2024, 5, 6), QTime(7, 8, 9)));
    }
};

// Its content never matters: the user cannot read it.
const QByteArray oldHousehold = "{}";

ino_t inodeOf(const QString &path)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_ino : 0;
}

QStringList namesSaved(const QString &path)
{
    const SaveFile::LoadResult loaded = SaveFile(path).load();
    QStringList names;
    for (const Profile &profile : loaded.data.profiles)
        names.append(profile.name);
    return loaded.outcome == SaveFile::LoadOutcome::loaded ? names : QStringList{"(unreadable)"};
}

// A file of this user's own that it may not read.
void leaveFileOfMode000(const QString &folder)
{
    QVERIFY(QDir().mkpath(folder));
    QFile file(folder + "/tapalong.json");
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(oldHousehold), oldHousehold.size());
    file.close();
    QVERIFY(file.setPermissions({}));
}

// As root, in a folder only root may write so far: nothing here is a link to be followed.
bool leaveRootsFile(const QString &folder, uid_t uid, gid_t gid)
{
    const QByteArray dir = QFile::encodeName(folder + '/' + rootsFolder);
    const QByteArray file = dir + "/tapalong.json";
    if (::mkdir(dir.constData(), 0700) != 0)
        return false;
    const int fd = ::open(file.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW, 0600);
    if (fd < 0)
        return false;
    const bool written = ::write(fd, oldHousehold.constData(), oldHousehold.size()) ==
                         static_cast<ssize_t>(oldHousehold.size());
    ::close(fd);
    return written && ::lchown(dir.constData(), uid, gid) == 0;
}

// Prepares the folder as root, then runs this program in it as `nobody`; returns its status.
int runAsNobody(int argc, char **argv)
{
    const passwd *nobody = ::getpwnam("nobody");
    if (!nobody) {
        qCritical("There is no user \"nobody\" to run as.");
        return 1;
    }
    const uid_t uid = nobody->pw_uid;
    const gid_t gid = nobody->pw_gid;
    QTemporaryDir folder; // root's, mode 0700, until handed over below
    // A copy of this program, since the user may not reach the build folder.
    const QString program = folder.filePath("tst_unprivilegedsave");
    if (!folder.isValid() || !QFile::copy(QCoreApplication::applicationFilePath(), program) ||
        !leaveRootsFile(folder.path(), uid, gid) ||
        ::lchown(QFile::encodeName(folder.path()).constData(), uid, gid) != 0) {
        qCritical("Could not prepare %s for the user \"nobody\".", qPrintable(folder.path()));
        return 1;
    }

    QStringList arguments{"--reuid=" + QString::number(uid), "--regid=" + QString::number(gid),
                          "--clear-groups", "--", program};
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    QProcess run;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(folderVariable, folder.path());
    run.setProcessEnvironment(environment);
    run.setProcessChannelMode(QProcess::ForwardedChannels);
    run.start("setpriv", arguments);
    if (!run.waitForFinished(-1) || run.exitStatus() != QProcess::NormalExit) {
        qCritical("setpriv could not run the test as \"nobody\": %s",
                  qPrintable(run.errorString()));
        return 1;
    }
    return run.exitCode(); // the folder goes with `folder`, root may remove all of it
}

} // namespace

class TestUnprivilegedSave : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_folder = qEnvironmentVariable(folderVariable);
        if (m_folder.isEmpty()) {
            m_own.emplace();
            m_folder = m_own->path();
        }
    }

    void whatThisUserCannotReadIsRenamedAsideAndSavingGoesOn_data()
    {
        QTest::addColumn<QString>("folder");
        // Fault guarded: a file that could not be read could not be copied aside either, and
        // then nothing was saved for the whole run.
        QTest::newRow("a file of mode 000") << "mode-000";
        QTest::newRow("a file root left") << rootsFolder;
    }

    void whatThisUserCannotReadIsRenamedAsideAndSavingGoesOn()
    {
        QFETCH(QString, folder);
        folder = m_folder + '/' + folder;
        const QString path = folder + "/tapalong.json";
        if (folder.endsWith(rootsFolder) && !QFile::exists(path))
            QSKIP("only a run as root can leave root's file here");
        if (!folder.endsWith(rootsFolder))
            leaveFileOfMode000(folder);
        QVERIFY2(!QFile(path).open(QIODevice::ReadOnly), "this user can read the file");
        const ino_t unreadable = inodeOf(path);

        const FixedClock clock;
        AppStore store(SaveFile(path, clock), clock);
        QVERIFY(store.data().profiles.isEmpty());
        store.addProfile("Mia", "🦊");
        QVERIFY(store.saveIfUnsaved());
        QVERIFY(store.saveProblem().isEmpty());

        QCOMPARE(namesSaved(path), QStringList{"Mia"});
        // The very file, moved and not copied, so nothing in it is lost.
        QCOMPARE(inodeOf(folder + '/' + asideName), unreadable);
    }

    void whenNotEvenARenameWorksTheChangesAreKeptAndTriedAgain()
    {
        // A file of mode 000 in a folder the user may not write in: neither read nor moved.
        const QString folder = m_folder + "/stuck";
        const QString path = folder + "/tapalong.json";
        leaveFileOfMode000(folder);
        QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        const auto mendFolder = [&] {
            QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ExeOwner);
        };
        const auto mendAtTheEnd = qScopeGuard(mendFolder);
        const ino_t unreadable = inodeOf(path);

        const FixedClock clock;
        AppStore store(SaveFile(path, clock), clock);
        store.addProfile("Mia", "🦊");
        QVERIFY(!store.saveIfUnsaved());
        QVERIFY2(store.saveProblem().contains("cannot be moved aside"),
                 qPrintable(store.saveProblem()));
        QCOMPARE(store.retryDelayMs(), AppStore::firstRetryMs);
        store.addProfile("Leo", "🦁");
        store.retrySave();
        QVERIFY(!store.saveIfUnsaved());
        QCOMPARE(store.retryDelayMs(), 2 * AppStore::firstRetryMs);
        QCOMPARE(inodeOf(path), unreadable);

        mendFolder(); // as a parent would
        store.retrySave();
        QVERIFY(store.saveIfUnsaved());
        QVERIFY(store.saveProblem().isEmpty());
        QCOMPARE(store.retryDelayMs(), 0);
        QCOMPARE(namesSaved(path), (QStringList{"Mia", "Leo"}));
        QCOMPARE(inodeOf(folder + '/' + asideName), unreadable);
    }

private:
    std::optional<QTemporaryDir> m_own; // when not run by root
    QString m_folder;
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (::geteuid() == 0)
        return runAsNobody(argc, argv);
    TestUnprivilegedSave test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_unprivilegedsave.moc"
