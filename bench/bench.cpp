// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Prints how long the course build and the save file's round trip take. Not a test: the
// figures are for people to read and compare, so nothing here can fail a build.
#include "appstore.h"
#include "curriculum.h"
#include "history.h"
#include "lessonsession.h"
#include "practice.h"
#include "savecodec.h"
#include "savefile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

using namespace tapalong;

namespace {

// Runs `work` `rounds` times and prints the median and the slowest round.
void measure(const char *what, int rounds, const std::function<void()> &work)
{
    std::vector<double> micros;
    micros.reserve(size_t(rounds));
    QElapsedTimer timer;
    for (int i = 0; i < rounds; ++i) {
        timer.start();
        work();
        micros.push_back(double(timer.nsecsElapsed()) / 1000.0);
    }
    std::sort(micros.begin(), micros.end());
    std::printf("%-44s median %9.1f µs   max %9.1f µs   (%d rounds)\n", what,
                micros[micros.size() / 2], micros.back(), rounds);
}

// The largest household the rules allow: every list at its limit.
AppData fullHousehold()
{
    AppData data;
    const auto lessons = Curriculum::allLessons();
    for (int p = 0; p < 8; ++p) {
        Profile profile;
        profile.id = QUuid::createUuid();
        profile.name = QStringLiteral("Explorer %1").arg(p + 1);
        profile.avatar = QStringLiteral("🦊");
        profile.createdAt = {700000000.123456 + p};
        for (const Lesson &lesson : lessons)
            profile.lessonResults.insert(lesson.id, {3, 17.123456789, 97.5, {700000100.25}});
        for (int s = 0; s < 60; ++s) {
            GameScore score{QUuid::createUuid(), allGameKinds[size_t(s % 5)], 1000 - s,
                            s % 2 ? std::optional<double>(21.5) : std::nullopt,
                            {700000200.5 + s}};
            profile.gameScores.append(score);
        }
        for (int b = 0; b < 16; ++b)
            profile.badges.insert(QStringLiteral("badge%1").arg(b), {700000300.75 + b});
        profile.totalCorrectKeys = 123456;
        profile.streak = 12;
        profile.lastActiveDay = Timestamp{700000400.5};
        data.profiles.append(profile);
    }
    data.currentProfileID = data.profiles.first().id;
    return data;
}

// The same household after a long time of practice: every history full, keys well counted.
AppData householdWithHistories()
{
    AppData data = fullHousehold();
    for (Profile &profile : data.profiles)
        bench::addFullPractice(profile, 700000000.0, 3600.25);
    return data;
}

// Keeps nothing: what recording costs on the thread that draws, the write left out.
class NoStorage final : public Storage {
public:
    SaveFile::LoadResult load() override { return {SaveFile::LoadOutcome::loaded, data}; }
    bool save(const AppData &) override { return true; }
    AppData data;
};

class FileStorage final : public Storage {
public:
    explicit FileStorage(const QString &path) : m_file(path) {}
    SaveFile::LoadResult load() override { return m_file.load(); }
    bool save(const AppData &data) override { return m_file.save(data); }

private:
    SaveFile m_file;
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);

    measure("build the whole course (26 lessons)", 200, [] { (void)Curriculum::detail::build(); });

    QTemporaryDir dir;
    SaveFile file(dir.filePath(QStringLiteral("Tapalong/tapalong.json")));
    const AppData household = fullHousehold();
    std::printf("household file: %lld bytes\n",
                static_cast<long long>(SaveCodec::encode(household).size()));
    measure("encode + atomic write (8 full profiles)", 200, [&] { file.save(household); });
    measure("read + decode (8 full profiles)", 200, [&] {
        if (file.load().outcome != SaveFile::LoadOutcome::loaded)
            std::printf("unexpected: the file did not load\n");
    });

    // The store saves on every change. What the drawing thread pays for recording: with the
    // write on the caller's thread (as it once was), and with the worker the program uses.
    const Lesson firstLesson = Curriculum::allLessons().first();
    for (const SaveWriter::Thread thread :
         {SaveWriter::Thread::caller, SaveWriter::Thread::worker}) {
        QTemporaryDir storeDir;
        SaveFile storeFile(storeDir.filePath(QStringLiteral("Tapalong/tapalong.json")));
        storeFile.save(household);
        AppStore store(std::make_unique<FileStorage>(storeFile.path()), AppStore::systemClock(),
                       thread);
        const bool worker = thread == SaveWriter::Thread::worker;
        measure(worker ? "recordLesson (8 full profiles, worker writes)"
                       : "recordLesson (8 full profiles, written inline)",
                200, [&] { store.recordLesson(firstLesson, 2, 12.5, 95.0, 40); });
        measure(worker ? "recordGame (8 full profiles, worker writes)"
                       : "recordGame (8 full profiles, written inline)",
                200, [&] { store.recordGame(GameKind::letterDrop, 500, std::nullopt, 40); });
        store.saveIfUnsaved();
    }

    const AppData practised = householdWithHistories();
    std::printf("household file with full histories: %lld bytes\n",
                static_cast<long long>(SaveCodec::encode(practised).size()));
    measure("encode (8 profiles, full histories)", 50, [&] { (void)SaveCodec::encode(practised); });
    {
        auto storage = std::make_unique<NoStorage>();
        storage->data = practised;
        const SystemClock wallClock;
        AppStore practisedStore(std::move(storage), wallClock);
        AttemptDetails details{61.5, 130, {}};
        for (QChar c : QStringLiteral("asdfjkl;"))
            History::count(details.keyStats, c, c == u'k' ? u'l' : c);
        measure("recordLesson, full histories, write left out", 500, [&] {
            practisedStore.recordLesson(firstLesson, 2, 12.5, 95.0, 40, details);
        });
    }

    // A whole lesson typed without a mistake, timed per key.
    SystemClock clock;
    LessonSession session(firstLesson, clock);
    QString typed;
    for (const QString &line : firstLesson.drills)
        typed += line;
    QElapsedTimer timer;
    const int rounds = 2000;
    timer.start();
    for (int r = 0; r < rounds; ++r) {
        session.reset();
        for (QChar ch : typed)
            session.handle(ch);
    }
    std::printf("%-44s mean %9.3f µs per key (%lld keys)\n", "LessonSession::handle",
                double(timer.nsecsElapsed()) / 1000.0 / (double(rounds) * double(typed.size())),
                static_cast<long long>(rounds) * typed.size());
    return 0;
}
