// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "keymonitor.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QInputMethodEvent>
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

// The key a commit would have come from, had a key typed it: Qt names a key by the upper case of
// the character it types.
quint16 keyCodeForText(const QString &grapheme)
{
    const QList<uint> points = grapheme.toUcs4();
    if (points.size() != 1)
        return KeyInput::unknownKey;
    return KeyInput::keyCodeFor(int(QChar::toUpper(points.front())));
}

// The compose tables also give an accent to letters no language writes with it as one letter
// ("´" then "j" commits "j" with a combining acute). No keyboard types that in one key and no
// course asks for it, and Qt's composer answers most such pairs with the plain second key; the
// same key then arrives here, instead of a grapheme that every screen would drop unseen.
QString plainIfNoLetter(const QString &grapheme)
{
    const QList<uint> points = grapheme.toUcs4();
    if (points.size() < 2 || !QChar::isLetter(points.front()))
        return grapheme;
    for (qsizetype i = 1; i < points.size(); ++i) {
        if (!QChar::isMark(points.at(i)))
            return grapheme;
    }
    return QString::fromUcs4(reinterpret_cast<const char32_t *>(points.constData()), 1);
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
    if (type == QEvent::InputMethod)
        return handleCommit(watched, static_cast<QInputMethodEvent *>(event));
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

bool KeyMonitor::handleCommit(QObject *receiver, QInputMethodEvent *event)
{
    // Input methods send a commit to the focus item; one sent to a Qt Quick window is handed on
    // to that item and passes here again, so only the item's counts. Preedit text (an input
    // method showing a pending accent) is no key yet.
    if (!m_handler || receiver->isWindowType() || event->commitString().isEmpty())
        return false;
    // Composers may commit an accented letter decomposed; the course spells it precomposed.
    const QString grapheme = plainIfNoLetter(
        firstGrapheme(event->commitString().normalized(QString::NormalizationForm_C)));
    const KeyInput input{grapheme, keyCodeForText(grapheme), false};
    const Handler handler = m_handler;
    if (!handler(input))
        return false;
    event->accept();
    return true;
}

} // namespace tapalong
