// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// The key monkey: random keys (letters, space, Return, Escape, Tab, arrows, held keys) and
// clicks through the whole program, in this process, for as many events as asked. A seed makes
// the monkey's own choices repeatable (the games still draw from the system's generator).
// Nothing may crash or trip a sanitizer, and the save file must still decode at the end.
//   monkey [events, default 100000] [seed, default 1]
#include "appstore.h"
#include "savecodec.h"
#include "savefile.h"

#include <QFile>
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QtQml/qqmlextensionplugin.h>

#include <cstdio>
#include <map>

Q_IMPORT_QML_PLUGIN(Tapalong_AppPlugin)
Q_IMPORT_QML_PLUGIN(Tapalong_UiPlugin)
Q_IMPORT_QML_PLUGIN(Tapalong_StorePlugin)
Q_IMPORT_QML_PLUGIN(Tapalong_CurriculumPlugin)
Q_IMPORT_QML_PLUGIN(Tapalong_GamesPlugin)

using namespace tapalong;

namespace {

constexpr Qt::Key otherKeys[] = {Qt::Key_Space, Qt::Key_Return, Qt::Key_Escape,
                                 Qt::Key_Tab,   Qt::Key_Left,   Qt::Key_Right,
                                 Qt::Key_Up,    Qt::Key_Down,   Qt::Key_Backspace};

// Every item that takes clicks, so that most clicks press something rather than the sky.
void clickable(QQuickItem *item, QList<QQuickItem *> &found)
{
    if (!item->isVisible() || !item->isEnabled() || item->opacity() <= 0)
        return;
    if (item->acceptedMouseButtons() & Qt::LeftButton) {
        const QPointF centre = item->mapToScene(QPointF(item->width() / 2, item->height() / 2));
        if (item->window() && QRectF(QPointF(), item->window()->size()).contains(centre))
            found.append(item);
    }
    const QList<QQuickItem *> children = item->childItems();
    for (QQuickItem *child : children)
        clickable(child, found);
}

class Monkey {
public:
    Monkey(QQuickWindow *window, quint32 seed) : m_window(window), m_rng(seed) {}

    void step()
    {
        const int roll = int(m_rng.bounded(100));
        if (roll < 55)
            key(letter(), m_rng.bounded(8) == 0 ? Qt::ShiftModifier : Qt::NoModifier);
        else if (roll < 70)
            key(otherKeys[m_rng.bounded(int(std::size(otherKeys)))], Qt::NoModifier);
        else if (roll < 73)
            heldKey();
        else if (roll < 90)
            clickSomething();
        else if (roll < 96)
            clickAnywhere();
        else
            QTest::qWait(int(m_rng.bounded(1, 20))); // lets timers, games and fades move on
        QCoreApplication::processEvents();
    }

private:
    Qt::Key letter() { return Qt::Key(Qt::Key_A + int(m_rng.bounded(26))); }

    void key(Qt::Key key, Qt::KeyboardModifiers modifiers)
    {
        QTest::keyClick(m_window, key, modifiers);
    }

    // A key held down: presses repeated as auto-repeat does, then one release.
    void heldKey()
    {
        const Qt::Key held = m_rng.bounded(2) ? letter() : Qt::Key_Space;
        const int repeats = int(m_rng.bounded(2, 30));
        for (int i = 0; i < repeats; ++i)
            QTest::keyPress(m_window, held);
        QTest::keyRelease(m_window, held);
    }

    void clickSomething()
    {
        QList<QQuickItem *> items;
        clickable(m_window->contentItem(), items);
        if (items.isEmpty())
            return clickAnywhere();
        QQuickItem *item = items.at(int(m_rng.bounded(int(items.size()))));
        const QPointF centre = item->mapToScene(QPointF(item->width() / 2, item->height() / 2));
        QTest::mouseClick(m_window, Qt::LeftButton, Qt::NoModifier, centre.toPoint());
    }

    void clickAnywhere()
    {
        const QPoint at(int(m_rng.bounded(qMax(1, m_window->width()))),
                        int(m_rng.bounded(qMax(1, m_window->height()))));
        QTest::mouseClick(m_window, Qt::LeftButton, Qt::NoModifier, at);
    }

    QQuickWindow *m_window;
    QRandomGenerator m_rng;
};

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    QGuiApplication app(argc, argv);
    const long long events = argc > 1 ? std::atoll(argv[1]) : 100000;
    const quint32 seed = argc > 2 ? quint32(std::atoll(argv[2])) : 1;

    QTemporaryDir home;
    const QString path = home.filePath(QStringLiteral("tapalong.json"));
    int status = 0;
    {
        AppStore store{SaveFile(path)};
        AppStore::setInstance(&store);
        QQmlApplicationEngine engine;
        engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
        engine.load(QUrl(QStringLiteral("qrc:/qt/qml/Tapalong/App/Main.qml")));
        auto *window = engine.rootObjects().isEmpty()
                           ? nullptr
                           : qobject_cast<QQuickWindow *>(engine.rootObjects().constFirst());
        if (!window) {
            std::fprintf(stderr, "monkey: no window\n");
            return 1;
        }
        window->show();
        if (!QTest::qWaitForWindowExposed(window))
            return 1;
        // The screens are built after the first frame.
        const QObject *content = window->findChild<QObject *>(QStringLiteral("windowContent"));
        if (!content || !QTest::qWaitFor([content] {
                return content->property("item").value<QObject *>() != nullptr;
            })) {
            std::fprintf(stderr, "monkey: the screens were not built\n");
            return 1;
        }

        // Where the monkey has been: each screen and game, by the events spent there.
        std::map<QString, long long> visits;
        const QObject *navigation = nullptr;
        for (QObject *object : window->findChildren<QObject *>()) {
            if (QByteArray(object->metaObject()->className()).contains("Navigation")) {
                navigation = object;
                break;
            }
        }
        Monkey monkey(window, seed);
        for (long long i = 1; i <= events; ++i) {
            monkey.step();
            if (navigation) {
                const QString kind = navigation->property("kind").toString();
                const QString game = navigation->property("game").toString();
                const bool picking = !store.hasCurrentProfile();
                ++visits[picking ? QStringLiteral("picker")
                         : game.isEmpty() || kind == u"main" || kind == u"lesson"
                             ? kind
                             : kind + QLatin1Char(' ') + game];
            }
            if (i % 10000 == 0) {
                std::printf("monkey: %lld events, %lld profiles\n", i,
                            static_cast<long long>(store.data().profiles.size()));
                std::fflush(stdout);
            }
        }
        for (const auto &[screen, count] : visits)
            std::printf("monkey: %lld events on %s\n", count, qPrintable(screen));
        if (!store.saveIfUnsaved())
            status = 1;
        AppStore::setInstance(nullptr);
    }

    QFile file(path);
    if (file.exists() && (!file.open(QIODevice::ReadOnly) || !SaveCodec::decode(file.readAll()))) {
        std::fprintf(stderr, "monkey: the save file does not decode\n");
        return 1;
    }
    std::printf("monkey: %lld events with seed %u, the save file decodes\n", events, seed);
    return status;
}
