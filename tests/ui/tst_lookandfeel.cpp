// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// The drawing rules behind the starfield, the confetti and the grey badge emoji.
#include "confetti.h"
#include "emojitext.h"
#include "framepacer.h"
#include "starfield.h"

#include <QQuickWindow>
#include <QTest>

#include <cmath>
#include <numbers>
#include <utility>

using namespace tapalong;

class TestLookAndFeel : public QObject {
    Q_OBJECT

private slots:
    void starsTwinkleBetween25And80Percent()
    {
        QCOMPARE(Starfield::twinkle({.phase = std::numbers::pi / 2, .speed = 1}, 0), 0.80);
        QCOMPARE(Starfield::twinkle({.phase = -std::numbers::pi / 2, .speed = 1}, 0), 0.25);

        // A program left open for a month: the opacity must stay in bounds there too.
        const double month = 30 * 24 * 3600.0;
        for (double t = month; t < month + 20; t += 0.15) {
            for (qreal opacity : Starfield::opacitiesAt(t))
                QVERIFY2(opacity >= 0.25 && opacity <= 0.80, qPrintable(QString::number(opacity)));
        }
    }

    // The sky drawn stays within a visible step of the true twinkle, while most looks redraw
    // only some of the stars (which is what keeps an idle window cheap).
    void skyRedrawsOnlyStarsThatVisiblyChanged()
    {
        QList<qreal> shown{0.30, 0.50};
        QCOMPARE(Starfield::catchUp(shown, {0.33, 0.60}), 1);
        QCOMPARE(shown, (QList<qreal>{0.30, 0.60}));

        shown.clear();
        QCOMPARE(Starfield::catchUp(shown, Starfield::opacitiesAt(0)), Starfield::starCount);
        qsizetype redrawn = 0;
        int looks = 0;
        for (double t = StarSky::interval / 1000.0; t < 60; t += StarSky::interval / 1000.0) {
            const QList<qreal> now = Starfield::opacitiesAt(t);
            redrawn += Starfield::catchUp(shown, now);
            ++looks;
            for (qsizetype i = 0; i < now.size(); ++i)
                QVERIFY(std::abs(shown[i] - now[i]) < Starfield::visibleStep);
        }
        QVERIFY2(redrawn < looks * Starfield::starCount * 2 / 3,
                 qPrintable(QString::number(redrawn)));
    }

    // A sky nobody can see costs nothing: it twinkles only while its window shows it.
    void skyRestsWhileUnseen()
    {
        QQuickWindow window;
        window.resize(400, 300);
        StarSky sky(window.contentItem());
        QVERIFY(!sky.twinkling());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_VERIFY(sky.twinkling());
        sky.setVisible(false);
        QVERIFY(!sky.twinkling());
        sky.setVisible(true);
        QVERIFY(sky.twinkling());
        window.setProperty("obscured", true); // covered by other windows
        QVERIFY(!sky.twinkling());
        window.setProperty("obscured", false);
        QVERIFY(sky.twinkling());
        // A Wayland compositor says nothing of covering windows: minimised is what Qt reports.
        window.showMinimized();
        QTRY_VERIFY(!sky.twinkling());
        window.showNormal();
        QTRY_VERIFY(sky.twinkling());
        window.hide();
        QTRY_VERIFY(!sky.twinkling());
    }

    // Guards against the 16 ms timer, which ran every animation and game 4 % fast; a late tick
    // (delivered 0.9 ms late, or after a stall) does not hurry the next ones.
    void theClockTicksSixtyTimesASecond()
    {
        for (const qint64 latencyNs : {qint64(0), qint64(900'000)}) {
            FrameSchedule schedule;
            const qint64 start = 5'000'000'000;
            qint64 now = start;
            int wait = schedule.restart(now);
            QList<int> waits;
            for (int tick = 1; tick <= 600; ++tick) {
                QVERIFY2(wait == 16 || wait == 17 || (latencyNs > 0 && wait == 15),
                         qPrintable(QString::number(wait)));
                waits.append(wait);
                now += qint64(wait) * 1'000'000 + latencyNs;
                if (tick < 600)
                    wait = schedule.fired(now);
            }
            // The 600th tick lands within a millisecond (plus one delivery delay) of 10 s.
            QVERIFY(qAbs(now - start - 10'000'000'000) <= 1'000'000 + latencyNs);
            if (latencyNs == 0)
                QCOMPARE(waits.mid(0, 6), (QList<int>{17, 16, 17, 17, 16, 17}));
        }
        FrameSchedule schedule;
        const qint64 now = qint64(schedule.restart(0)) * 1'000'000 + 200'000'000;
        QCOMPARE(schedule.fired(now), 17);
    }

    void particleFollowsItsFall()
    {
        const ConfettiParticle particle{
            .x = 0.25, .delay = 0.5, .fallSpeed = 0.5, .swayAmp = 20, .swayFreq = 3, .spin = 2};
        // p = (elapsed − 0.5) × 0.5 heights: visible while 0 < p < 1.3, fading from 1.
        const QList<std::pair<double, double>> opacities = {{0.5, 0.0}, {1.5, 1.0}, {2.5, 1.0},
                                                            {2.8, 0.5}, {3.1, 0.0}, {60.0, 0.0}};
        for (const auto &[elapsed, opacity] : opacities) {
            const ParticleState state = particleState(particle, elapsed, 800, 600);
            QCOMPARE(state.visible, opacity > 0);
            if (!state.visible)
                continue;
            QVERIFY(qAbs(state.opacity - opacity) < 1e-9);
            const double t = elapsed - 0.5;
            QCOMPARE(state.x, 0.25 * 800 + 20 * std::sin(t * 3));
            QCOMPARE(state.y, t * 0.5 * 600);
            QCOMPARE(state.rotation, t * 2);
        }
    }

    // The view stops repainting at the lifetime: not before the last particle, nor never.
    void burstIsAllGoneAtItsLifetime()
    {
        ConfettiBurst burst;
        burst.setCount(70);
        const double lifetime = burst.lifetime();
        QVERIFY(lifetime > 0 && lifetime <= 0.8 + 1.3 / 0.25);
        QVERIFY(!burst.frame(lifetime - 0.01, 800, 600).isEmpty());
        QVERIFY(burst.frame(lifetime, 800, 600).isEmpty());

        burst.setCount(-3);
        QCOMPARE(burst.lifetime(), 0.0);
        QVERIFY(burst.frame(1.0, 800, 600).isEmpty());

        // Draws where rounding leaves the fall at the lifetime just short of its end.
        for (const auto &[delay, speed] : {std::pair{0.1, 0.33}, {0.7, 0.45}, {0.5, 0.55}}) {
            const QList<ConfettiParticle> one{{.delay = delay, .fallSpeed = speed}};
            QVERIFY(particleState(one[0], confettiLifetime(one) - 0.01, 800, 600).visible);
            QVERIFY(!particleState(one[0], confettiLifetime(one), 800, 600).visible);
        }
    }

    void greyscaleDrainsColourButKeepsShape()
    {
        QImage image(3, 1, QImage::Format_ARGB32_Premultiplied);
        image.setPixel(0, 0, qRgba(255, 0, 0, 255));
        image.setPixel(1, 0, qRgba(0, 128, 0, 128)); // half transparent, premultiplied
        image.setPixel(2, 0, qRgba(200, 200, 200, 255));

        const QImage grey = toGreyscale(image);
        for (int x = 0; x < grey.width(); ++x) {
            const QRgb after = grey.pixel(x, 0);
            QCOMPARE(qAlpha(after), qAlpha(image.pixel(x, 0)));
            QVERIFY(qRed(after) == qGreen(after) && qGreen(after) == qBlue(after));
        }
        QVERIFY(qRed(grey.pixel(0, 0)) > 0);
        QCOMPARE(qRed(grey.pixel(2, 0)), 200);
    }
};

QTEST_MAIN(TestLookAndFeel)
#include "tst_lookandfeel.moc"
