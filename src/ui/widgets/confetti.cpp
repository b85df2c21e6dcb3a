// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "confetti.h"

#include <QRandomGenerator>

#include <algorithm>
#include <cmath>

namespace tapalong {

namespace {

constexpr double fadeStart = 1.0; // fraction of the fall after which a particle fades
constexpr double fallEnd = 1.3;   // fraction of the fall at which it is gone

// Uniform over the closed range, like the starfield's draws: high itself can come out.
double closedDouble(QRandomGenerator &rng, double low, double high)
{
    constexpr quint64 steps = quint64(1) << 53;
    const quint64 r = rng.bounded(steps + 1);
    if (r == steps)
        return high;
    return (static_cast<double>(r) * 0x1p-53) * (high - low) + low;
}

// When the particle is gone, as the burst's lifetime counts it.
double goneAt(const ConfettiParticle &particle)
{
    return particle.delay + fallEnd / particle.fallSpeed;
}

} // namespace

QList<ConfettiParticle> makeParticles(int count, QRandomGenerator &rng)
{
    QList<ConfettiParticle> particles;
    if (count <= 0)
        return particles;
    particles.reserve(count);
    for (int i = 0; i < count; ++i) {
        ConfettiParticle p;
        p.x = closedDouble(rng, 0, 1);
        p.delay = closedDouble(rng, 0, 0.8);
        p.fallSpeed = closedDouble(rng, 0.25, 0.55);
        p.swayAmp = closedDouble(rng, 10, 40);
        p.swayFreq = closedDouble(rng, 2, 5);
        p.spin = closedDouble(rng, -6, 6);
        p.hue = closedDouble(rng, 0, 1);
        p.size = closedDouble(rng, 6, 12);
        particles.append(p);
    }
    return particles;
}

ParticleState particleState(const ConfettiParticle &particle, double elapsed, double width,
                            double height)
{
    ParticleState state;
    const double t = elapsed - particle.delay;
    if (t <= 0)
        return state;
    // Gone by the very sum the burst's lifetime takes: measured by the fall instead, rounding
    // can leave (delay + 1.3 / speed - delay) * speed just under 1.3, and the particle outlives
    // its burst.
    if (particle.fallSpeed > 0 && elapsed >= goneAt(particle))
        return state;
    const double p = t * particle.fallSpeed;
    state.visible = true;
    state.x = particle.x * width + particle.swayAmp * std::sin(t * particle.swayFreq);
    state.y = p * height;
    state.rotation = t * particle.spin;
    state.opacity = p <= fadeStart ? 1.0 : std::max(0.0, fallEnd - p) / (fallEnd - fadeStart);
    return state;
}

double confettiLifetime(const QList<ConfettiParticle> &particles)
{
    double lifetime = 0;
    for (const ConfettiParticle &p : particles) {
        if (p.fallSpeed > 0)
            lifetime = std::max(lifetime, goneAt(p));
    }
    return lifetime;
}

void ConfettiBurst::setCount(int count)
{
    count = std::max(0, count);
    if (count == m_count)
        return;
    m_count = count;
    redraw();
}

void ConfettiBurst::redraw()
{
    m_particles = makeParticles(m_count, *QRandomGenerator::global());
    m_lifetime = confettiLifetime(m_particles);
    emit particlesChanged();
}

QList<qreal> ConfettiBurst::frame(double elapsed, double width, double height) const
{
    QList<qreal> drawn;
    drawn.reserve(m_particles.size() * 6);
    for (const ConfettiParticle &p : m_particles) {
        const ParticleState s = particleState(p, elapsed, width, height);
        if (s.visible)
            drawn << s.x << s.y << s.rotation << s.opacity << p.size << p.hue;
    }
    return drawn;
}

} // namespace tapalong
