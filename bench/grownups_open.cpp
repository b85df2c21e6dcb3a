// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Prints how long the grown-ups' view takes to open for a household of eight explorers whose
// histories are full: from creating the view to its first frame. Not a test.
#include "appstore.h"
#include "curriculum.h"
#include "grownupsview.h"
#include "history.h"
#include "practice.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QtQml/qqmlextensionplugin.h>

#include <algorithm>
#include <cstdio>
#include <vector>

Q_IMPORT_QML_PLUGIN(Tapalong_UiPlugin)
Q_IMPORT_QML_PLUGIN(Tapalong_StorePlugin)
Q_IMPORT_QML_PLUGIN(Tapalong_CurriculumPlugin)

using namespace tapalong;

namespace {

AppData household(const Clock &clock)
{
    AppData data;
    const auto lessons = Curriculum::allLessons();
    const double now = clock.now().secondsSinceReference;
    for (int p = 0; p < 8; ++p) {
        Profile profile;
        profile.id = QUuid::createUuid();
        profile.name = QStringLiteral("Explorer %1").arg(p + 1);
        profile.avatar = QStringLiteral("🦊");
        for (const Lesson &lesson : lessons)
            profile.lessonResults.insert(lesson.id, {2, 14, 95, {now - 86400}});
        // Newest last, a few hours apart, ending now.
        bench::addFullPractice(profile, now - (History::maxEntries - 1) * 4000.0, 4000.0);
        data.profiles.append(profile);
    }
    data.currentProfileID = data.profiles.first().id;
    return data;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    const SystemClock clock;
    AppStore store{SaveFile(dir.filePath(QStringLiteral("tapalong.json"))), clock};
    store.setData(household(clock));
    AppStore::setInstance(&store);

    QQmlEngine engine;
    engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
    QQuickWindow window;
    window.resize(1180, 780);
    window.show();

    {
        QElapsedTimer timer;
        timer.start();
        GrownupsView model;
        model.setStore(&store);
        std::printf("the view model's figures for the first explorer: %.1f ms\n",
                    double(timer.nsecsElapsed()) / 1e6);
    }

    std::vector<double> millis, created;
    for (int round = 0; round < 10; ++round) {
        QElapsedTimer timer;
        timer.start();
        QQmlComponent component(&engine);
        component.setData("import Tapalong.Ui\nGrownupsProgressView { width: 1180; height: 780 }",
                          QUrl());
        auto *view = qobject_cast<QQuickItem *>(component.create());
        if (!view) {
            std::printf("%s\n", qPrintable(component.errorString()));
            return 1;
        }
        created.push_back(double(timer.nsecsElapsed()) / 1e6);
        view->setParentItem(window.contentItem());
        (void)window.grabWindow(); // lays out and draws one frame
        millis.push_back(double(timer.nsecsElapsed()) / 1e6);
        delete view;
    }
    std::printf("of which creating the items: first %.1f ms\n", created.front());
    const double first = millis.front(); // the one a parent meets: nothing cached yet
    std::sort(millis.begin(), millis.end());
    std::printf("open the grown-ups' view (8 explorers, %lld entries each): first %.1f ms, "
                "median %.1f ms, max %.1f ms\n",
                static_cast<long long>(History::maxEntries), first,
                millis[millis.size() / 2], millis.back());
    return 0;
}
