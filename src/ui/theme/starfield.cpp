// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "starfield.h"

#include "seededrng.h"

#include <QImage>
#include <QPainter>
#include <QQuickWindow>
#include <QSGImageNode>
#include <QSGOpacityNode>

#include <cmath>
#include <numbers>

namespace tapalong {

const QList<Star> &Starfield::sky()
{
    static const QList<Star> stars = [] {
        SeededRNG rng(42);
        QList<Star> list;
        list.reserve(starCount);
        for (int i = 0; i < starCount; ++i) {
            // One statement per draw: the order of draws is what makes the sky repeatable.
            Star star;
            star.x = rng.nextDouble(0, 1);
            star.y = rng.nextDouble(0, 1);
            star.size = rng.nextDouble(1.5, 3.5);
            star.phase = rng.nextDouble(0, 2 * std::numbers::pi);
            star.speed = rng.nextDouble(0.4, 1.2);
            list.append(star);
        }
        return list;
    }();
    return stars;
}

double Starfield::twinkle(const Star &star, double seconds)
{
    return (std::sin(star.phase + seconds * star.speed) * 0.5 + 0.5) * 0.55 + 0.25;
}

QList<qreal> Starfield::flatStars()
{
    static const QList<qreal> flat = [] {
        QList<qreal> list;
        list.reserve(starCount * 3);
        for (const Star &star : sky())
            list << star.x << star.y << star.size;
        return list;
    }();
    return flat;
}

QList<qreal> Starfield::opacitiesAt(double seconds)
{
    QList<qreal> opacities;
    opacities.reserve(starCount);
    for (const Star &star : sky())
        opacities.append(twinkle(star, seconds));
    return opacities;
}

int Starfield::catchUp(QList<qreal> &shown, const QList<qreal> &now)
{
    if (shown.size() != now.size()) {
        shown = now;
        return int(now.size());
    }
    int changed = 0;
    for (qsizetype i = 0; i < now.size(); ++i) {
        if (std::abs(now[i] - shown[i]) >= visibleStep) {
            shown[i] = now[i];
            ++changed;
        }
    }
    return changed;
}

namespace {

// Every view twinkles on the same clock, so a screen built later matches the one before.
double secondsSinceStart()
{
    static const QElapsedTimer clock = [] {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }();
    return double(clock.nsecsElapsed()) / 1e9;
}

// Each star is a white disc painted once into its own small picture, at the fraction of a
// pixel where it falls, so that it looks as a canvas would draw it; only its opacity changes.
class SkyNode : public QSGNode {
public:
    QList<QSGOpacityNode *> stars;
};

} // namespace

StarSky::StarSky(QQuickItem *parent) : QQuickItem(parent)
{
    setFlag(ItemHasContents);
    // A parent given here was set before this class could hear of its window.
    watchWindow(window());
    updateRunning();
}

QSGNode *StarSky::updatePaintNode(QSGNode *old, UpdatePaintNodeData *)
{
    auto *sky = static_cast<SkyNode *>(old);
    if (!sky) {
        sky = new SkyNode;
        m_placesDirty = true;
    }
    m_sky = sky;
    m_twinkleDue = false;
    if (m_placesDirty) {
        m_placesDirty = false;
        // A new size moves every star: the old ones go, with their pictures.
        while (QSGNode *child = sky->firstChild()) {
            sky->removeChildNode(child);
            delete child;
        }
        sky->stars.clear();
        const qreal dpr = window()->effectiveDevicePixelRatio();
        for (const Star &star : Starfield::sky()) {
            const QPointF at(star.x * width(), star.y * height());
            const QPointF corner(std::floor(at.x()), std::floor(at.y()));
            const int side = int(std::ceil(star.size + 1));
            QImage picture(QSize(side, side) * dpr, QImage::Format_ARGB32_Premultiplied);
            picture.setDevicePixelRatio(dpr);
            picture.fill(Qt::transparent);
            {
                QPainter painter(&picture);
                painter.setRenderHint(QPainter::Antialiasing);
                painter.setPen(Qt::NoPen);
                painter.setBrush(Qt::white);
                painter.drawEllipse(QRectF(at - corner, QSizeF(star.size, star.size)));
            }
            auto *image = window()->createImageNode();
            image->setTexture(window()->createTextureFromImage(picture));
            image->setOwnsTexture(true);
            image->setRect(QRectF(corner, QSizeF(side, side)));
            auto *opacity = new QSGOpacityNode;
            opacity->appendChildNode(image);
            sky->appendChildNode(opacity);
            sky->stars.append(opacity);
        }
    }
    if (m_opacities.isEmpty())
        m_opacities = Starfield::opacitiesAt(secondsSinceStart());
    for (qsizetype i = 0; i < sky->stars.size() && i < m_opacities.size(); ++i)
        sky->stars[i]->setOpacity(m_opacities[i]);
    return sky;
}

void StarSky::geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry)
{
    QQuickItem::geometryChange(newGeometry, oldGeometry);
    if (newGeometry.size() != oldGeometry.size()) {
        m_placesDirty = true;
        update();
    }
}

void StarSky::itemChange(ItemChange change, const ItemChangeData &value)
{
    QQuickItem::itemChange(change, value);
    if (change == ItemSceneChange) {
        // The old window's scene graph deletes the node.
        m_sky = nullptr;
        watchWindow(value.window);
        m_placesDirty = true;
    }
    if (change == ItemSceneChange || change == ItemVisibleHasChanged)
        updateRunning();
}

bool StarSky::eventFilter(QObject *watched, QEvent *event)
{
    // Exposure has no signal: a window unmapped or minimised gets an expose event that leaves
    // it unexposed. Covered by other windows, it is marked "obscured" (CoverWatch, src/app).
    if (watched == m_window &&
        (event->type() == QEvent::Expose || event->type() == QEvent::DynamicPropertyChange))
        updateRunning();
    return QQuickItem::eventFilter(watched, event);
}

void StarSky::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != m_timer.timerId()) {
        QQuickItem::timerEvent(event);
        return;
    }
    if (Starfield::catchUp(m_opacities, Starfield::opacitiesAt(secondsSinceStart())) == 0)
        return;
    if (!m_sky) {
        update();
        return;
    }
    // Not update(): an item marked dirty makes Qt Quick send a hover event through every item
    // under the pointer before the frame, which cost as much as the stars themselves. The
    // window draws a frame, and the stars change while it synchronises (applyTwinkle).
    m_twinkleDue = true;
    m_window->update();
}

void StarSky::applyTwinkle()
{
    // On the thread that renders, while the items wait, as in updatePaintNode().
    if (!m_twinkleDue || !m_sky)
        return;
    m_twinkleDue = false;
    const auto &stars = static_cast<SkyNode *>(m_sky)->stars;
    for (qsizetype i = 0; i < stars.size() && i < m_opacities.size(); ++i)
        stars[i]->setOpacity(m_opacities[i]);
}

void StarSky::watchWindow(QQuickWindow *window)
{
    if (m_window == window)
        return;
    if (m_window) {
        m_window->removeEventFilter(this);
        disconnect(m_window, nullptr, this, nullptr);
    }
    m_window = window;
    if (m_window) {
        m_window->installEventFilter(this);
        connect(m_window, &QWindow::visibilityChanged, this, &StarSky::updateRunning);
        connect(m_window, &QQuickWindow::beforeSynchronizing, this, &StarSky::applyTwinkle,
                Qt::DirectConnection);
        connect(
            m_window, &QQuickWindow::sceneGraphInvalidated, this, [this] { m_sky = nullptr; },
            Qt::DirectConnection);
    }
}

void StarSky::setStill(bool still)
{
    if (still == m_still)
        return;
    m_still = still;
    emit stillChanged();
    updateRunning();
}

void StarSky::updateRunning()
{
    const bool seen = !m_still && isVisible() && m_window && m_window->isExposed() &&
                      m_window->visibility() != QWindow::Minimized &&
                      m_window->visibility() != QWindow::Hidden &&
                      !m_window->property("obscured").toBool();
    if (seen == m_timer.isActive())
        return;
    if (seen) {
        // Catch up at once with where the twinkle is now.
        m_opacities = Starfield::opacitiesAt(secondsSinceStart());
        update();
        m_timer.start(interval, Qt::CoarseTimer, this);
    } else {
        m_timer.stop();
    }
    emit twinklingChanged();
}

} // namespace tapalong
