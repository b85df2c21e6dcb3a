// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "bringforward.h"

#include <QTimer>
#include <QWindow>

#include <memory>
#include <utility>

namespace tapalong {

namespace {
constexpr int activationWaitMs = 500;
}

void bringForward(QWindow *window, const QString &activationToken,
                  std::function<void(bool shown)> answered)
{
    // Qt's Wayland plugin hands this token to the compositor with the next activation.
    if (!activationToken.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", activationToken.toUtf8());
    window->setWindowStates(window->windowStates() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->requestActivate();
    if (window->isActive()) {
        answered(true);
        return;
    }
    // Whichever comes first: the window active, or the wait over.
    auto pending = std::make_shared<std::function<void(bool)>>(std::move(answered));
    auto activated = std::make_shared<QMetaObject::Connection>();
    const auto answer = [pending, activated](bool shown) {
        QObject::disconnect(*activated);
        if (auto once = std::exchange(*pending, nullptr))
            once(shown);
    };
    *activated = QObject::connect(window, &QWindow::activeChanged, window, [window, answer] {
        if (window->isActive())
            answer(true);
    });
    QTimer::singleShot(activationWaitMs, window, [window, answer] { answer(window->isActive()); });
}

} // namespace tapalong
