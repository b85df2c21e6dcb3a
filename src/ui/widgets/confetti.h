// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// The confetti burst of a celebration: random particles and where each one is at a moment.
#pragma once

#include <QList>
#include <QObject>
#include <QtQml/qqmlregistration.h>

class QRandomGenerator;

namespace tapalong {

// Distances in logical pixels, times in seconds, angles in radians.
struct ConfettiParticle {
    double x = 0;         // fraction of the width
    double delay = 0;     // before it starts to fall
    double fallSpeed = 0; // heights per second
    double swayAmp = 0;
    double swayFreq = 0;
    double spin = 0;
    double hue = 0; // 0…1
    double size = 0;
};

// Where a particle is drawn; `visible` false means it is not drawn at all.
struct ParticleState {
    bool visible = false;
    double x = 0;
    double y = 0;
    double rotation = 0;
    double opacity = 0;
};

// A count below 1 gives no particles.
QList<ConfettiParticle> makeParticles(int count, QRandomGenerator &rng);

ParticleState particleState(const ConfettiParticle &particle, double elapsed, double width,
                            double height);

// Seconds after which no particle of the list can be visible again.
double confettiLifetime(const QList<ConfettiParticle> &particles);

// The particles of one ConfettiView, drawn from the system generator when `count` is set.
class ConfettiBurst : public QObject {
    Q_OBJECT
    QML_ELEMENT

    Q_PROPERTY(int count READ count WRITE setCount NOTIFY particlesChanged)
    Q_PROPERTY(double lifetime READ lifetime NOTIFY particlesChanged)

public:
    using QObject::QObject;

    int count() const { return m_count; }
    void setCount(int count);
    double lifetime() const { return m_lifetime; }

    // Fresh particles for the same count, for a view that celebrates again.
    Q_INVOKABLE void redraw();
    // Six numbers per visible particle: x, y, rotation, opacity, size, hue.
    Q_INVOKABLE QList<qreal> frame(double elapsed, double width, double height) const;

signals:
    void particlesChanged();

private:
    int m_count = 0;
    QList<ConfettiParticle> m_particles;
    double m_lifetime = 0;
};

} // namespace tapalong
