// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "keymonitor.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QTextBoundaryFinder>
#include <QWindow>

namespace tapalong {

namespace {

QString firstGrapheme(const QString &text)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    const qsizetype end = finder.toNextBoundary();
    return end > 0 ? text.left(end) : text;
}

} // namespace

KeyMonitor::KeyMonitor(QObject *parent)
    : QObject(parent),
      m_pairsReleases(!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
{
}

KeyMonitor::~KeyMonitor()
{
    stop();
}

void KeyMonitor::start(Handler handler)
{
    stop();
    if (!handler || !QCoreApplication::instance())
        return;
    m_handler = std::move(handler);
    m_lastWasRelease = false;
    QCoreApplication::instance()->installEventFilter(this);
}

void KeyMonitor::stop()
{
    m_handler = nullptr;
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
}

bool KeyMonitor::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    // The same key also passes by as a shortcut override and through every item on its way;
    // the window sees it exactly once.
    if ((type != QEvent::KeyPress && type != QEvent::KeyRelease) || !watched->isWindowType())
        return false;

    const auto *key = static_cast<const QKeyEvent *>(event);
    const quint32 scanCode = key->nativeScanCode();
    const bool releasedJustNow = m_pairsReleases && m_lastWasRelease && scanCode != 0 &&
                                 m_lastScanCode == scanCode && m_lastTimestamp == key->timestamp();
    m_lastWasRelease = type == QEvent::KeyRelease;
    m_lastScanCode = scanCode;
    m_lastTimestamp = key->timestamp();

    if (type != QEvent::KeyPress || key->modifiers().testFlag(Qt::ControlModifier) || !m_handler)
        return false;

    const KeyInput input{firstGrapheme(key->text()), KeyInput::keyCodeFor(key->key()),
                         key->isAutoRepeat() || releasedJustNow};
    // A copy, because the handler may stop or restart this monitor, or even delete it.
    const Handler handler = m_handler;
    return handler(input);
}

} // namespace tapalong
