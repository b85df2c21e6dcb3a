// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// The program the kill test stops at random moments. It counts up in a save file, one save per
// step, and says on standard output which count is on disk.
//   saver loop <file>    saves 1, 2, 3, … from what is there, each save acknowledged on a line
//   saver store <file>   the same through AppStore on its worker thread, until SIGTERM; then
//                        prints the last count and exits, which must leave exactly it on disk
//   saver check <file>   prints the count in the file; exit status 1 when it does not decode
#include "appstore.h"
#include "quitsignals.h"
#include "savecodec.h"
#include "savefile.h"

#include <QCoreApplication>
#include <QFile>
#include <QTimer>

#include <cstdio>
#include <cstring>

using namespace tapalong;

namespace {

// A household of a realistic size, so that a write takes as long as a real one.
AppData household(qint64 count)
{
    AppData data;
    for (int p = 0; p < 4; ++p) {
        Profile profile;
        profile.id = QUuid::createUuid();
        profile.name = QStringLiteral("Explorer %1").arg(p);
        profile.avatar = QStringLiteral("🦊");
        for (int l = 1; l <= 26; ++l)
            profile.lessonResults.insert(QStringLiteral("u1l%1").arg(l), {3, 31.5, 99.5, {7e8}});
        for (int g = 0; g < 60; ++g)
            profile.gameScores.append({QUuid::createUuid(), GameKind::keyMoles, g, 20.0, {7e8}});
        data.profiles.append(profile);
    }
    data.profiles[0].totalCorrectKeys = count;
    data.currentProfileID = data.profiles[0].id;
    return data;
}

std::optional<qint64> countIn(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const std::optional<AppData> data = SaveCodec::decode(file.readAll());
    if (!data || data->profiles.isEmpty())
        return std::nullopt;
    return data->profiles.at(0).totalCorrectKeys;
}

void say(const char *what, qint64 count)
{
    std::printf("%s %lld\n", what, static_cast<long long>(count));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: saver loop|store|check <file>\n");
        return 2;
    }
    QCoreApplication app(argc, argv);
    const QString path = QString::fromLocal8Bit(argv[2]);
    const std::optional<qint64> start = countIn(path);

    if (std::strcmp(argv[1], "check") == 0) {
        if (!start)
            return 1;
        say("count", *start);
        return 0;
    }

    // As the program does once it holds the folder.
    say("leftovers", SaveFile(path).removeLeftovers());
    say("ready", start.value_or(0));

    if (std::strcmp(argv[1], "loop") == 0) {
        SaveFile file(path);
        for (qint64 count = start.value_or(0) + 1;; ++count) {
            if (!file.save(household(count)))
                return 1;
            say("saved", count);
        }
    }

    AppStore store{SaveFile(path)};
    store.setData(household(start.value_or(0)));
    QuitSignals quitSignals;
    QObject::connect(&quitSignals, &QuitSignals::quitRequested, &app, &QCoreApplication::quit);
    QTimer step;
    QObject::connect(&step, &QTimer::timeout, &store,
                     [&store] { store.updateCurrent([](Profile &p) { ++p.totalCorrectKeys; }); });
    step.start(0);
    const int status = app.exec();
    step.stop();
    if (!store.saveIfUnsaved())
        return 1;
    say("last", store.currentProfile()->totalCorrectKeys);
    return status;
}
