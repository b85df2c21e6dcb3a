// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Guards the save file: the exact JSON form, the strict reading rules and the file handling.
#include "savecodec.h"
#include "savefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <limits>

#include <sys/stat.h>
#include <unistd.h>

using namespace tapalong;

namespace {

using Edits = QMap<QByteArray, QByteArray>; // "object.key" → JSON text, or `absent`
const QByteArray absent = "<absent>";
const QByteArray uuidText = "0F8FAD5B-D9CB-469F-A165-70867728950E";
const QByteArray scoreUuidText = "7C9E6679-7425-40DE-944B-E07FC1F90AE7";

// One JSON object: "key:value" fields, changed, removed or added to by the edits for `prefix`.
QByteArray object(const QByteArray &prefix, const QByteArrayList &fields, const Edits &edits)
{
    QByteArrayList parts;
    QByteArrayList known;
    for (const QByteArray &field : fields) {
        const QByteArray key = field.left(field.indexOf(':'));
        known << key;
        const QByteArray text = edits.value(prefix + '.' + key, field.mid(key.size() + 1));
        if (text != absent)
            parts << '"' + key + "\":" + text;
    }
    for (auto it = edits.cbegin(); it != edits.cend(); ++it) {
        const QByteArray key = it.key().mid(prefix.size() + 1);
        if (it.key().startsWith(prefix + '.') && !known.contains(key))
            parts << '"' + key + "\":" + it.value();
    }
    return '{' + parts.join(',') + '}';
}

// A save file holding every kind of record once; without edits it is readable.
QByteArray saveText(const Edits &edits = {})
{
    const QByteArray result =
        object("result", {"stars:2", "wpm:12.5", "accuracy:97.25", "date:700000000.125"}, edits);
    const QByteArray score = object("score",
                                    {"id:\"" + scoreUuidText + '"', "kind:\"keyMoles\"", "score:40",
                                     "wpm:18.5", "date:700000100.5"},
                                    edits);
    const QByteArray profile =
        object("profile",
               {"id:\"" + uuidText + '"', "name:\"Mia\"", "avatar:\"🦊\"",
                "createdAt:690000000.75", "lessonResults:{\"u1l1\":" + result + '}',
                "gameScores:[" + score + ']', "badges:{\"firstSteps\":700000000.5}",
                "totalCorrectKeys:120", "streak:3", "lastActiveDay:700000100.5"},
               edits);
    const QByteArray settings =
        object("settings", {"soundEnabled:false", "voiceEnabled:false"}, edits);
    return object("root",
                  {"profiles:[" + profile + ']', "currentProfileID:\"" + uuidText + '"',
                   "settings:" + settings},
                  edits);
}

// Odd doubles, odd text and the extremes of every number.
AppData sampleData()
{
    Profile mia;
    mia.id = QUuid(uuidText);
    mia.name = QStringLiteral("Mia \"M\" \\ \n\t\x01 \U0001F98A ") + QChar(0xD800);
    mia.avatar = QStringLiteral("\U0001F98A");
    mia.createdAt = {1.0 / 3.0};
    mia.lessonResults.insert("u1l1", {3, 0.1, 100, {-12.000001}});
    mia.lessonResults.insert("u2l3", {1, 1e-300, 33.333333333333336, {7e8 + 0.123456}});
    mia.gameScores.append({QUuid(scoreUuidText), GameKind::copyCat, 9, std::nullopt, {1e9}});
    mia.gameScores.append({QUuid("6ba7b810-9dad-11d1-80b4-00c04fd430c8"),
                           GameKind::rocketRace,
                           std::numeric_limits<qint64>::min(),
                           1.7976931348623157e308,
                           {5e-324}});
    mia.badges.insert("firstSteps", {123456789.98765433});
    mia.totalCorrectKeys = std::numeric_limits<qint64>::max();
    mia.streak = 2;
    mia.lastActiveDay = Timestamp{9007199254740993.0};

    Profile leo;
    leo.id = QUuid("f47ac10b-58cc-4372-a567-0e02b2c3d479");

    return {{mia, leo},
            leo.id,
            {false, true, {QStringLiteral("de"), QStringLiteral("T3")}, QStringLiteral("de")}};
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool onlyOwnerMayAccess(const QString &path)
{
    const auto permissions = QFile::permissions(path);
    const auto others = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
                        QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
    return (permissions & others) == 0 &&
           permissions.testFlags(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

} // namespace

class TestSaveFile : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qputenv("TZ", "Europe/Berlin"); }

    void readingRules_data()
    {
        QTest::addColumn<Edits>("edits");
        QTest::addColumn<bool>("readable");
        const struct {
            const char *row, *key, *json;
            bool readable;
        } rows[] = {
            {"unknown keys", "profile.pet", "[null]", true},
            {"sound is a number", "settings.soundEnabled", "1", false},
            {"language is a number", "settings.language", "3", false},
            {"language a later version knows", "settings.language", "\"it\"", true},
            {"language null", "settings.language", "null", true},
            {"profiles is an object", "root.profiles", "{}", false},
            {"current id with braces", "root.currentProfileID",
             "\"{0F8FAD5B-D9CB-469F-A165-70867728950E}\"", false},
            {"id in lower case", "profile.id", "\"0f8fad5b-d9cb-469f-a165-70867728950e\"", true},
            {"id not hex", "profile.id", "\"0F8FAD5B-D9CB-469F-A165-70867728950G\"", false},
            {"name is a number", "profile.name", "3", false},
            {"badge date is a string", "profile.badges", "{\"firstSteps\":\"today\"}", false},
            {"lesson result is a number", "profile.lessonResults", "{\"u1l1\":3}", false},
            {"kind unknown", "score.kind", "\"snake\"", false},
            {"game wpm is a string", "score.wpm", "\"18\"", false},
            {"int with a fraction", "result.stars", "3.5", false},
            {"int as a bool", "profile.streak", "true", false},
            {"int with a zero fraction", "profile.streak", "3.0", true},
            {"int of 64 bits", "profile.totalCorrectKeys", "-9223372036854775808", true},
            {"int beyond qint64", "score.score", "9223372036854775808", false},
            {"double without a fraction", "result.wpm", "12", true},
            {"number beyond any double", "result.wpm", "1e400", false},
            {"not JSON", "root.profiles", "[,]", false},
        };
        for (const auto &row : rows)
            QTest::newRow(row.row) << Edits{{row.key, row.json}} << row.readable;

        for (const char *key :
             {"root.profiles", "root.settings", "profile.id", "profile.name", "profile.avatar",
              "profile.createdAt", "profile.lessonResults", "profile.gameScores", "profile.badges",
              "profile.totalCorrectKeys", "profile.streak", "result.stars", "result.wpm",
              "result.accuracy", "result.date", "score.id", "score.kind", "score.score",
              "score.date"}) {
            QTest::addRow("no %s", key) << Edits{{key, absent}} << false;
            QTest::addRow("null %s", key) << Edits{{key, "null"}} << false;
        }
    }

    void readingRules()
    {
        QFETCH(Edits, edits);
        QFETCH(bool, readable);
        QCOMPARE(SaveCodec::decode(saveText(edits)).has_value(), readable);
    }

    void absentOrNullOptionalsReadAsNothing()
    {
        for (const QByteArray &missing : {absent, QByteArray("null")}) {
            const auto data = SaveCodec::decode(saveText({{"root.currentProfileID", missing},
                                                          {"profile.lastActiveDay", missing},
                                                          {"score.wpm", missing},
                                                          {"settings.soundEnabled", missing},
                                                          {"settings.voiceEnabled", missing}}));
            QVERIFY2(data, missing.constData());
            QVERIFY(!data->currentProfileID);
            QVERIFY(!data->profiles.at(0).lastActiveDay);
            QVERIFY(!data->profiles.at(0).gameScores.at(0).wpm);
            QCOMPARE(data->settings, AppSettings{});
        }
    }

    // The household's layout came after the first files: absent means US, and a damaged value
    // must not cost the household its progress.
    void keyboardLayoutIsOptionalAndReadLeniently()
    {
        const QList<std::pair<QByteArray, QString>> rows = {
            {absent, u"us"_qs},
            {"null", u"us"_qs},
            {"\"de\"", u"de"_qs},
            {"\"us(intl)\"", u"us(intl)"_qs},
            {"\"de(T3)\"", u"de(T3)"_qs},
            {"\"us(alt-intl)\"", u"us(alt-intl)"_qs},
            {"3", u"us"_qs},
            {"\"\"", u"us"_qs},
            {"\"DE\"", u"us"_qs},
            {"\"de(\"", u"us"_qs},
            {"\"(intl)\"", u"us"_qs},
            {"\"de()\"", u"us"_qs},
            {"\"de(a b)\"", u"us"_qs},
            {"\"de(a)(b)\"", u"us"_qs},
            {"\"de,fr\"", u"us"_qs},
            {'"' + QByteArray(65, 'a') + '"', u"us"_qs}};
        for (const auto &[json, layout] : rows) {
            const Edits edits = {{"settings.keyboardLayout", json}};
            const auto data = SaveCodec::decode(saveText(json == absent ? Edits() : edits));
            QVERIFY2(data, json.constData());
            QVERIFY2(data->settings.keyboardLayout.text() == layout, json.constData());
            QCOMPARE(data->settings.soundEnabled, false); // the rest of the settings kept
        }

        AppData chosen;
        chosen.settings.keyboardLayout = {u"ch"_qs, u"fr"_qs};
        const QByteArray bytes = SaveCodec::encode(chosen);
        QVERIFY(bytes.contains("\"keyboardLayout\":\"ch(fr)\""));
        QCOMPARE(SaveCodec::decode(bytes), std::optional(chosen));
    }

    // Spoken help came later too: written only while on, and a damaged flag is a flag off.
    void spokenHelpIsOptionalAndReadLeniently()
    {
        const QList<std::pair<QByteArray, SpokenHelp>> rows = {
            {absent, {}},
            {"null", {}},
            {"{\"sayNames\":true,\"sayNextKey\":false}", {true, false}},
            {"{\"sayNextKey\":true}", {false, true}},
            {"{\"sayNames\":1,\"sayNextKey\":\"yes\"}", {}},
            {"[true,true]", {}},
            {"true", {}}};
        for (const auto &[json, help] : rows) {
            const Edits edits = {{"profile.spokenHelp", json}};
            const auto data = SaveCodec::decode(saveText(json == absent ? Edits() : edits));
            QVERIFY2(data, json.constData());
            QVERIFY2(data->profiles.at(0).spokenHelp == help, json.constData());
            QCOMPARE(data->profiles.at(0).name, u"Mia"_qs);
        }

        AppData household = sampleData();
        QVERIFY(!SaveCodec::encode(household).contains("spokenHelp"));
        household.profiles.front().spokenHelp.sayNextKey = true;
        const QByteArray bytes = SaveCodec::encode(household);
        QVERIFY(bytes.contains("\"spokenHelp\":{\"sayNames\":false,\"sayNextKey\":true}"));
        QCOMPARE(SaveCodec::decode(bytes), std::optional(household));
    }

    void encodingIsExactAndReadsBackEqual()
    {
        Profile ana;
        ana.id = QUuid(uuidText.toLower());
        ana.name = QStringLiteral("Ana");
        ana.avatar = QStringLiteral("\U0001F431");
        ana.createdAt = {1.5};
        QCOMPARE(SaveCodec::encode(AppData{{ana}, ana.id, {}}),
                 "{\"profiles\":[{\"id\":\"" + uuidText +
                     "\",\"name\":\"Ana\",\"avatar\":\"\xF0\x9F\x90\xB1\",\"createdAt\":1.5,"
                     "\"lessonResults\":{},\"gameScores\":[],\"badges\":{},\"totalCorrectKeys\":0,"
                     "\"streak\":0}],\"currentProfileID\":\"" +
                     uuidText + "\",\"settings\":{\"soundEnabled\":true,\"voiceEnabled\":true}}");
        const auto back = SaveCodec::decode(SaveCodec::encode(sampleData()));
        QVERIFY(back);
        QCOMPARE(*back, sampleData());
        QCOMPARE(SaveCodec::decode(SaveCodec::encode(AppData{})), std::optional(AppData{}));

        const QDateTime moment(QDate(2001, 1, 1), QTime(0, 0, 1, 500), Qt::UTC);
        QCOMPARE(Timestamp::fromDateTime(moment), Timestamp{1.5});
        QCOMPARE(Timestamp{1.5}.toDateTime(), moment);
        // 23:30 UTC is already the next day in Berlin.
        const QDateTime lateEvening(QDate(2024, 3, 1), QTime(23, 30), Qt::UTC);
        QCOMPARE(Timestamp::fromDateTime(lateEvening).localDate(), QDate(2024, 3, 2));
        QVERIFY(!Timestamp{1e300}.localDate().isValid());

        // Guards a streak miscounted: a moment in the last half millisecond of a day was read
        // back as the next day. Every whole millisecond still reads back as itself.
        const QDateTime midnight(QDate(2024, 3, 2), QTime(0, 0), Qt::LocalTime);
        const double atMidnight = Timestamp::fromDateTime(midnight).secondsSinceReference;
        QCOMPARE(Timestamp{atMidnight - 0.0004}.localDate(), QDate(2024, 3, 1));
        QCOMPARE(Timestamp{atMidnight - 1e-6}.toDateTime(), midnight.addMSecs(-1));
        for (const QDateTime &from : {moment, midnight.toUTC()}) {
            for (int ms = 0; ms < 3000; ++ms) {
                const QDateTime near = from.addMSecs(ms);
                QCOMPARE(Timestamp::fromDateTime(near).toDateTime(), near);
            }
        }
    }

    void firstLoadMakesTheFolderAndSavesAreForTheOwnerOnly()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath("deep/Tapalong");
        const QString path = folder + "/tapalong.json";
        SaveFile::LoadResult result = SaveFile(path).load();
        QCOMPARE(result.outcome, SaveFile::LoadOutcome::missing);
        QVERIFY(QDir(folder).exists());
        QVERIFY(QDir(folder).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));

        // Fault guarded: the child's records were readable by every user of the computer.
        writeFile(path, "{}");
        QVERIFY(QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ReadOther));
        QVERIFY(SaveFile(path).save(sampleData()));
        QVERIFY(onlyOwnerMayAccess(path));
        QCOMPARE(readFile(path), SaveCodec::encode(sampleData()));
        result = SaveFile(path).load();
        QCOMPARE(result.outcome, SaveFile::LoadOutcome::loaded);
        QCOMPARE(result.data, sampleData());
    }

    void unreadableFileIsMovedAsideOnceBeforeTheFirstSave()
    {
        // Fault guarded: the first change silently destroyed a file that could not be read.
        const QString copyName = "tapalong.json.unreadable-20240506-070809";
        const struct : Clock {
            Timestamp now() const override
            {
                return Timestamp::fromDateTime(
                    QDateTime(QDate(2024, 5, 6), QTime(7, 8, 9), Qt::LocalTime));
            }
        } clock;
        for (const QString &suffix : {QString(), QStringLiteral("-2")}) { // the name free, taken
            QTemporaryDir dir;
            const QString path = dir.filePath("tapalong.json");
            const QByteArray broken = saveText({{"score.kind", "\"snake\""}});
            writeFile(path, broken);
            if (!suffix.isEmpty())
                writeFile(dir.filePath(copyName), "older");
            SaveFile file(path, clock);
            // A parent who finds the household empty learns from the log where the old file went.
            QTest::ignoreMessage(QtWarningMsg,
                                 QRegularExpression("could not be read; starting with"));
            QCOMPARE(file.load().outcome, SaveFile::LoadOutcome::unreadable);
            QCOMPARE(readFile(path), broken); // loading leaves it alone

            QTest::ignoreMessage(QtWarningMsg,
                                 QRegularExpression("moved to .*/" + copyName + suffix + '$'));
            QVERIFY(file.save(sampleData()));
            QCOMPARE(readFile(dir.filePath(copyName + suffix)), broken);
            QVERIFY(onlyOwnerMayAccess(dir.filePath(copyName + suffix)));
            QCOMPARE(readFile(path), SaveCodec::encode(sampleData()));
            QVERIFY(file.save(AppData{}));
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), suffix.isEmpty() ? 2 : 3);
        }
    }

    void failedMoveAsideKeepsTheOriginalAndOversizedFilesAreUnreadable()
    {
        // Fault guarded: an unreadable file was replaced although it could not be kept (here the
        // new name is beyond the 255 characters a file name may have).
        QTemporaryDir dir;
        const QString path = dir.filePath(QString(235, u'x'));
        QVERIFY(SaveFile(path).save(AppData{})); // writing at this path works by itself

        writeFile(path, "not json");
        SaveFile file(path);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("could not be read"));
        QCOMPARE(file.load().outcome, SaveFile::LoadOutcome::unreadable);
        for (int attempt = 0; attempt < 2; ++attempt) {
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("could not be moved aside"));
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Could not save"));
            QVERIFY(!file.save(sampleData()));
            QVERIFY(file.problem().contains("cannot be moved aside"));
        }
        QCOMPARE(readFile(path), "not json");

        // A file above the size limit is not read at all.
        QByteArray text = saveText();
        text.append(SaveFile::maxFileSize - text.size(), ' ');
        writeFile(path, text);
        QCOMPARE(SaveFile(path).load().outcome, SaveFile::LoadOutcome::loaded);
        writeFile(path, text + ' ');
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("could not be read"));
        QCOMPARE(SaveFile(path).load().outcome, SaveFile::LoadOutcome::unreadable);
    }

    void whatCannotBeReadIsRenamedAsideSoSavingGoesOn_data()
    {
        QTest::addColumn<QString>("kind");
        // Fault guarded: a folder at the file's place (or a file of mode 000, or one of root's)
        // could not be copied aside, and then nothing was saved for the whole run.
        QTest::newRow("a folder") << "folder";
        // Fault guarded: a link led the save to replace whatever it named, mode and all.
        QTest::newRow("a link to a folder") << "link to folder";
        QTest::newRow("a dangling link") << "dangling link";
        QTest::newRow("a link to another user's file") << "link to foreign file";
    }

    void whatCannotBeReadIsRenamedAsideSoSavingGoesOn()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString path = dir.filePath("tapalong.json");
        const QString target = dir.filePath("elsewhere");
        if (kind == "folder") {
            QVERIFY(QDir().mkdir(path));
            writeFile(path + "/inside", "kept");
        } else {
            if (kind == "link to folder")
                QVERIFY(QDir().mkdir(target));
            if (kind == "link to foreign file") {
                writeFile(target, saveText());
                if (::chown(QFile::encodeName(target).constData(), 65534, 65534) != 0)
                    QSKIP("files cannot be given to another user here");
            }
            QVERIFY(QFile::link(target, path));
        }
        const bool targetExisted = QFileInfo::exists(target);
        const QByteArray targetBefore = readFile(target);

        SaveFile file(path);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("could not be read"));
        QCOMPARE(file.load().outcome, SaveFile::LoadOutcome::unreadable);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("moved to .*unreadable-"));
        QVERIFY(file.save(sampleData()));

        QVERIFY(!QFileInfo(path).isSymLink());
        QCOMPARE(readFile(path), SaveCodec::encode(sampleData()));
        const QStringList aside =
            QDir(dir.path())
                .entryList({"tapalong.json.unreadable-*"}, QDir::AllEntries | QDir::System);
        QCOMPARE(aside.size(), 1);
        const QFileInfo moved(dir.filePath(aside.first()));
        if (kind == "folder")
            QCOMPARE(readFile(moved.filePath() + "/inside"), "kept");
        else
            QVERIFY(moved.isSymLink());
        // What the link named is untouched.
        QCOMPARE(QFileInfo::exists(target), targetExisted);
        QCOMPARE(readFile(target), targetBefore);
    }

    void aLinkToTheOwnersOwnFileIsWrittenThrough()
    {
        QTemporaryDir dir;
        const QString synced = dir.filePath("synced/tapalong.json");
        QVERIFY(QDir().mkpath(dir.filePath("synced")));
        writeFile(synced, saveText());
        const QString path = dir.filePath("tapalong.json");
        QVERIFY(QFile::link(synced, path));

        SaveFile file(path);
        QCOMPARE(file.load().outcome, SaveFile::LoadOutcome::loaded);
        QVERIFY(file.save(sampleData()));
        QVERIFY(QFileInfo(path).isSymLink());
        QCOMPARE(readFile(synced), SaveCodec::encode(sampleData()));
    }

    void leftoversOfAnInterruptedSaveAreRemovedAndNothingElse()
    {
        // Fault guarded: a kill between linking and renaming the temporary file left a complete
        // copy of the household beside the save file, and they piled up.
        QTemporaryDir dir;
        const QString path = dir.filePath("tapalong.json");
        const QStringList leftovers = {"tapalong.json.aB3xY9", "tapalong.json.000000"};
        const QStringList others = {
            "tapalong.json",        "tapalong.json.unreadable-20240506-070809",
            "tapalong.json.abc",    "tapalong.json.aB3xY9z",
            "tapalong.json.aB3-Y9", "other.json.aB3xY9",
            "tapalong.lock"};
        for (const QString &name : leftovers + others)
            writeFile(dir.filePath(name), "{}");
        QVERIFY(QDir().mkdir(dir.filePath("tapalong.json.Folder")));
        QVERIFY(
            QFile::link(dir.filePath("other.json.aB3xY9"), dir.filePath("tapalong.json.LinkOK")));

        QCOMPARE(SaveFile(path).removeLeftovers(), leftovers.size());
        QStringList expected = others + QStringList{"tapalong.json.Folder", "tapalong.json.LinkOK"};
        expected.sort();
        QCOMPARE(QDir(dir.path())
                     .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System, QDir::Name),
                 expected);
    }

    void failedWriteKeepsTheLastGoodSave()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("tapalong.json");
        SaveFile file(path);
        QVERIFY(file.save(sampleData()));
        // Fault guarded: infinity written as null would make the whole file unreadable.
        AppData data = sampleData();
        data.profiles[1].createdAt = {std::numeric_limits<double>::quiet_NaN()};
        QVERIFY(SaveCodec::encode(data).isEmpty());
        data = sampleData();
        data.profiles[0].gameScores[0].wpm = std::numeric_limits<double>::infinity();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Could not save"));
        QVERIFY(!file.save(data));
        QCOMPARE(file.load().data, sampleData());

        // A folder turned read-only keeps the last good save, and the log says why.
        const auto permissions = QFile::permissions(dir.path());
        QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        if (QFileInfo(dir.path()).isWritable()) {
            QFile::setPermissions(dir.path(), permissions);
            QSKIP("this user may write into any folder");
        }
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Could not save .*tapalong.json"));
        const bool saved = file.save(AppData{});
        QFile::setPermissions(dir.path(), permissions);
        QVERIFY(!saved);
        QCOMPARE(readFile(path), SaveCodec::encode(sampleData()));
    }
};

QTEST_GUILESS_MAIN(TestSaveFile)
#include "tst_savefile.moc"
