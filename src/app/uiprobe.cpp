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

struct Around {
    QRectF clip;     // what the item's ancestors let show
    QRectF hardClip; // the same, except what a scrolling view hides: scrolled out is not cut off
    QRectF control;  // the box of the nearest control (a button, a field, a card's pane)
    qreal opacity = 1;
};

constexpr QRectF everywhere(-1e9, -1e9, 2e9, 2e9);

// Within `outer` but for a pixel's rounding.
bool inside(const QRectF &inner, const QRectF &outer)
{
    return outer.adjusted(-1, -1, 1, 1).contains(inner);
}

// Where a text item draws its glyphs, in its own coordinates: its content, placed in its box
// by its alignment (which may put it partly outside the box when the box is too small).
QRectF painted(const QQuickItem *text)
{
    const qreal width = text->property("contentWidth").toReal();
    const qreal height = text->property("contentHeight").toReal();
    const int horizontal = text->property("effectiveHorizontalAlignment").toInt();
    const int vertical = text->property("verticalAlignment").toInt();
    qreal x = 0;
    if (horizontal & Qt::AlignRight)
        x = text->width() - width;
    else if (horizontal & Qt::AlignHCenter)
        x = (text->width() - width) / 2;
    // One line taller than its box spills only the font's leading (an emoji font has much),
    // not letters: only a second line can fall out at the foot.
    if (text->property("lineCount").toInt() <= 1)
        return {x, 0, width, text->height()};
    qreal y = 0;
    if (vertical & Qt::AlignBottom)
        y = text->height() - height;
    else if (vertical & Qt::AlignVCenter)
        y = (text->height() - height) / 2;
    return {x, y, width, height};
}

// Every text that shows, named or not, and whether a reader sees all of it: `elided` (cut
// short with "…"), `overflow` (its glyphs wider or taller than its box), `cut` (glyphs past a
// clipping ancestor or the window), `outside` (glyphs past the control that holds it).
QJsonObject textEntry(const QQuickItem *item, const QString &path, const Around &around)
{
    // A text's bounding rectangle takes in what it paints beyond its size: its box is the size.
    const QRectF box = item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
    const QRectF glyphs = item->mapRectToScene(painted(item));
    const QRectF shown = box.intersected(around.clip);
    return {
        {QStringLiteral("path"), path},
        {QStringLiteral("text"), item->property("text").toString()},
        {QStringLiteral("x"), rounded(shown.x())},
        {QStringLiteral("y"), rounded(shown.y())},
        {QStringLiteral("elided"), item->property("truncated").toBool()},
        {QStringLiteral("overflow"), glyphs.width() > box.width() + 1
                                         || glyphs.height() > box.height() + 1},
        {QStringLiteral("cut"), !inside(glyphs, around.hardClip)},
        {QStringLiteral("outside"), !inside(glyphs, around.control)},
    };
}

void collect(QQuickItem *item, const QString &prefix, Around around, QJsonArray &out,
             QJsonArray *texts)
{
    if (!item->isVisible())
        return;
    around.opacity *= item->opacity();
    const QRectF scene = item->mapRectToScene(item->boundingRect());
    QString path = prefix;
    if (const QString name = item->objectName(); !name.isEmpty()) {
        path = prefix.isEmpty() ? name : prefix + u'/' + name;
        const QRectF shown = scene.intersected(around.clip);
        QJsonObject entry{
            {QStringLiteral("path"), path},
            {QStringLiteral("x"), rounded(shown.x())},
            {QStringLiteral("y"), rounded(shown.y())},
            {QStringLiteral("w"), rounded(shown.width())},
            {QStringLiteral("h"), rounded(shown.height())},
            {QStringLiteral("opacity"), rounded(around.opacity * 100) / 100},
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
    // A text faded out or scrolled wholly out of sight is not read, so it cannot be cut short.
    if (texts && item->inherits("QQuickText") && around.opacity > 0.01
        && !scene.intersected(around.clip).isEmpty()
        && !item->property("text").toString().trimmed().isEmpty())
        texts->append(textEntry(item, path, around));
    if (item->inherits("QQuickControl"))
        around.control = scene;
    if (item->inherits("QQuickFlickable")) {
        around.clip = around.clip.intersected(scene);
        around.hardClip = everywhere;
    } else if (item->clip()) {
        around.clip = around.clip.intersected(scene);
        around.hardClip = around.hardClip.intersected(scene);
    }
    for (QQuickItem *child : item->childItems())
        collect(child, path, around, out, texts);
}

Around aroundWindow(const QQuickItem *root)
{
    const QRectF window =
        root->window() ? QRectF(QPointF(0, 0), root->window()->size()) : everywhere;
    return {window, window, everywhere, 1.0};
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
    if (root)
        collect(root, QString(), aroundWindow(root), items, nullptr);
    return items;
}

QJsonArray UiProbe::texts(QQuickItem *root)
{
    QJsonArray items;
    QJsonArray texts;
    if (root)
        collect(root, QString(), aroundWindow(root), items, &texts);
    return texts;
}

void UiProbe::write()
{
    if (!m_last.isEmpty() && !QFile::exists(m_path)) {
        m_timer.stop();
        return;
    }
    QJsonArray items;
    QJsonArray texts;
    collect(m_window->contentItem(), QString(), aroundWindow(m_window->contentItem()), items,
            &texts);
    const QJsonObject scene{
        {QStringLiteral("devicePixelRatio"), m_window->devicePixelRatio()},
        {QStringLiteral("items"), items},
        {QStringLiteral("texts"), texts},
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
