// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "uiprobe.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSaveFile>
#include <QVariant>

#include <cmath>

namespace tapalong {

namespace {

double rounded(qreal value)
{
    return std::round(value * 10) / 10;
}

// `clip` is the part of the scene the item's ancestors let show; `opacity` theirs, multiplied.
void collect(QQuickItem *item, const QString &prefix, QRectF clip, qreal opacity,
             QJsonArray &out)
{
    if (!item->isVisible())
        return;
    opacity *= item->opacity();
    const QRectF scene = item->mapRectToScene(item->boundingRect());
    QString path = prefix;
    if (const QString name = item->objectName(); !name.isEmpty()) {
        path = prefix.isEmpty() ? name : prefix + u'/' + name;
        const QRectF shown = scene.intersected(clip);
        QJsonObject entry{
            {QStringLiteral("path"), path},
            {QStringLiteral("x"), rounded(shown.x())},
            {QStringLiteral("y"), rounded(shown.y())},
            {QStringLiteral("w"), rounded(shown.width())},
            {QStringLiteral("h"), rounded(shown.height())},
            {QStringLiteral("opacity"), rounded(opacity * 100) / 100},
            {QStringLiteral("enabled"), item->isEnabled()},
            {QStringLiteral("focus"), item->hasActiveFocus()},
        };
        // Buttons and texts have a text, keys their cap's label; tabs and board strips say
        // which one is chosen, keys which one is lit.
        for (const char *text : {"text", "label"}) {
            if (const QVariant value = item->property(text); value.typeId() == QMetaType::QString) {
                entry.insert(QStringLiteral("text"), value.toString());
                break;
            }
        }
        for (const char *state : {"selected", "lit"}) {
            if (const QVariant on = item->property(state); on.typeId() == QMetaType::Bool)
                entry.insert(QString::fromLatin1(state), on.toBool());
        }
        out.append(entry);
    }
    if (item->clip())
        clip = clip.intersected(scene);
    for (QQuickItem *child : item->childItems())
        collect(child, path, clip, opacity, out);
}

} // namespace

UiProbe::UiProbe(QQuickWindow *window, QString path)
    : QObject(window), m_window(window), m_path(std::move(path))
{
    // Polled rather than hooked to frames: the file must follow a change of enabled or text
    // that draws nothing, and 20 times a second is quick enough for a test's clicks.
    m_timer.setInterval(50);
    connect(&m_timer, &QTimer::timeout, this, &UiProbe::write);
    m_timer.start();
}

QJsonArray UiProbe::snapshot(QQuickItem *root)
{
    QJsonArray items;
    if (!root)
        return items;
    const QRectF everything(-1e9, -1e9, 2e9, 2e9);
    const QRectF window =
        root->window() ? QRectF(QPointF(0, 0), root->window()->size()) : everything;
    collect(root, QString(), window, 1.0, items);
    return items;
}

void UiProbe::write()
{
    if (!m_last.isEmpty() && !QFile::exists(m_path)) {
        m_timer.stop();
        return;
    }
    const QJsonObject scene{
        {QStringLiteral("devicePixelRatio"), m_window->devicePixelRatio()},
        {QStringLiteral("items"), snapshot(m_window->contentItem())},
    };
    QByteArray json = QJsonDocument(scene).toJson(QJsonDocument::Compact);
    if (json == m_last)
        return;
    // Replaced whole, so that a test never reads half a file.
    QSaveFile file(m_path);
    if (file.open(QIODevice::WriteOnly) && file.write(json) == json.size() && file.commit())
        m_last = std::move(json);
}

} // namespace tapalong
