// The drawing rules behind the starfield, the confetti and the grey badge emoji.
#include "confetti.h"
#include "emojitext.h"
#include "starfield.h"

#include <QRandomGenerator>
#include <QTest>
#include <QTimeZone>

#include <numbers>

using namespace tapalong;

class TestLookAndFeel : public QObject {
    Q_OBJECT

private slots:
    // Worked out independently of the program's generator; a change here moves every star.
    void theSkyIsTheSameOnEveryLaunch()
    {
        const QList<Star> &sky = Starfield::sky();
        QCOMPARE(sky.size(), 70);

        const Star first = sky.first();
        QCOMPARE(first.x, 0.7415648787718234);
        QCOMPARE(first.y, 0.1599103928769201);
        QCOMPARE(first.size, 2.0572022605102775);
        QCOMPARE(first.phase, 2.1626140529289333);
        QCOMPARE(first.speed, 0.430424134832197);

        // The last star shows that every star takes its five draws in order.
        const Star last = sky.last();
        QCOMPARE(last.x, 0.5833996196854785);
        QCOMPARE(last.y, 0.09884171597392222);
        QCOMPARE(last.size, 2.3057312746603627);
        QCOMPARE(last.phase, 5.0605759139164785);
        QCOMPARE(last.speed, 0.530112358043811);

        const QList<qreal> flat = Starfield::flatStars();
        QCOMPARE(flat.size(), 3 * 70);
        QCOMPARE(flat.at(3 * 69 + 2), last.size);
    }

    void starsTwinkleBetween25And80Percent()
    {
        Star star;
        star.speed = 1;
        star.phase = std::numbers::pi / 2;
        QCOMPARE(Starfield::twinkle(star, 0), 0.80);
        star.phase = -std::numbers::pi / 2;
        QCOMPARE(Starfield::twinkle(star, 0), 0.25);

        // Today's clock is large; the opacity must stay in bounds there too.
        const double today = Starfield::now();
        for (double t = today; t < today + 20; t += 0.15) {
            for (qreal opacity : Starfield::opacitiesAt(t))
                QVERIFY2(opacity >= 0.25 && opacity <= 0.80, qPrintable(QString::number(opacity)));
        }
    }

    // Guards against counting from local midnight: the tests run in Berlin time.
    void twinkleClockCountsFrom2001InUtc_data()
    {
        QTest::addColumn<QDateTime>("moment");
        QTest::addColumn<double>("seconds");

        const QDate newYear(2001, 1, 1);
        QTest::newRow("reference") << QDateTime(newYear, QTime(0, 0), QTimeZone::utc()) << 0.0;
        QTest::newRow("same moment in Berlin")
            << QDateTime(newYear, QTime(1, 0), QTimeZone("Europe/Berlin")) << 0.0;
        QTest::newRow("a day and a half later")
            << QDateTime(newYear.addDays(1), QTime(12, 0, 0, 500), QTimeZone::utc()) << 129600.5;
        QTest::newRow("before it")
            << QDateTime(QDate(2000, 12, 31), QTime(23, 59), QTimeZone::utc()) << -60.0;
    }

    void twinkleClockCountsFrom2001InUtc()
    {
        QFETCH(QDateTime, moment);
        QFETCH(double, seconds);
        QCOMPARE(Starfield::secondsSinceReferenceDate(moment), seconds);
    }

    void confettiDrawsStayInsideTheirRanges()
    {
        QRandomGenerator rng(2024);
        const QList<ConfettiParticle> particles = makeParticles(500, rng);
        QCOMPARE(particles.size(), 500);
        for (const ConfettiParticle &p : particles) {
            QVERIFY(p.x >= 0 && p.x <= 1);
            QVERIFY(p.delay >= 0 && p.delay <= 0.8);
            QVERIFY(p.fallSpeed >= 0.25 && p.fallSpeed <= 0.55);
            QVERIFY(p.swayAmp >= 10 && p.swayAmp <= 40);
            QVERIFY(p.swayFreq >= 2 && p.swayFreq <= 5);
            QVERIFY(p.spin >= -6 && p.spin <= 6);
            QVERIFY(p.hue >= 0 && p.hue <= 1);
            QVERIFY(p.size >= 6 && p.size <= 12);
        }
        // Each field has its own draw: a mix-up of the order would tie two fields together.
        QVERIFY(particles.at(0).x != particles.at(1).x);
        QVERIFY(particles.at(0).spin < 0 || particles.at(1).spin < 0 || particles.at(2).spin < 0);
    }

    void particleFollowsItsFall_data()
    {
        QTest::addColumn<double>("elapsed");
        QTest::addColumn<bool>("visible");
        QTest::addColumn<double>("opacity");

        // delay 0.5 s, fallSpeed 0.5 heights/s: p = (elapsed − 0.5) × 0.5.
        QTest::newRow("before its delay") << 0.2 << false << 0.0;
        QTest::newRow("exactly at its delay") << 0.5 << false << 0.0;
        QTest::newRow("falling") << 1.5 << true << 1.0;
        QTest::newRow("at the bottom edge") << 2.5 << true << 1.0;
        QTest::newRow("fading, halfway") << 2.8 << true << 0.5;
        QTest::newRow("gone at 1.3") << 3.1 << false << 0.0;
        QTest::newRow("long gone") << 60.0 << false << 0.0;
    }

    void particleFollowsItsFall()
    {
        QFETCH(double, elapsed);
        QFETCH(bool, visible);
        QFETCH(double, opacity);

        ConfettiParticle particle;
        particle.x = 0.25;
        particle.delay = 0.5;
        particle.fallSpeed = 0.5;
        particle.swayAmp = 20;
        particle.swayFreq = 3;
        particle.spin = 2;

        const ParticleState state = particleState(particle, elapsed, 800, 600);
        QCOMPARE(state.visible, visible);
        if (!visible)
            return;
        QVERIFY(qAbs(state.opacity - opacity) < 1e-9);
        const double t = elapsed - 0.5;
        QCOMPARE(state.x, 0.25 * 800 + 20 * std::sin(t * 3));
        QCOMPARE(state.y, t * 0.5 * 600);
        QCOMPARE(state.rotation, t * 2);
    }

    // The view stops its repaint timer at the lifetime: it must not cut a particle short, and a
    // burst of nothing must not keep it running.
    void burstIsAllGoneAtItsLifetime()
    {
        ConfettiBurst burst;
        burst.setCount(70);
        const double lifetime = burst.lifetime();
        QVERIFY(lifetime > 0 && lifetime <= 0.8 + 1.3 / 0.25);
        QVERIFY(!burst.frame(lifetime - 0.01, 800, 600).isEmpty());
        QVERIFY(burst.frame(lifetime, 800, 600).isEmpty());
        QVERIFY(burst.frame(lifetime + 10, 800, 600).isEmpty());

        burst.setCount(-3);
        QCOMPARE(burst.count(), 0);
        QCOMPARE(burst.lifetime(), 0.0);
        QVERIFY(burst.frame(1.0, 800, 600).isEmpty());
        QRandomGenerator rng(1);
        QVERIFY(makeParticles(-5, rng).isEmpty());
    }

    void greyscaleDrainsColourButKeepsShape()
    {
        QImage image(4, 1, QImage::Format_ARGB32_Premultiplied);
        image.setPixel(0, 0, qRgba(255, 0, 0, 255));
        image.setPixel(1, 0, qRgba(0, 128, 0, 128)); // half transparent, premultiplied
        image.setPixel(2, 0, qRgba(0, 0, 0, 0));
        image.setPixel(3, 0, qRgba(200, 200, 200, 255));

        const QImage grey = toGreyscale(image);
        for (int x = 0; x < grey.width(); ++x) {
            const QRgb before = image.pixel(x, 0);
            const QRgb after = grey.pixel(x, 0);
            QCOMPARE(qAlpha(after), qAlpha(before));
            QCOMPARE(qRed(after), qGreen(after));
            QCOMPARE(qGreen(after), qBlue(after));
        }
        QVERIFY(qRed(grey.pixel(0, 0)) > 0);
        QCOMPARE(qRed(grey.pixel(3, 0)), 200);
    }
};

QTEST_MAIN(TestLookAndFeel)
#include "tst_lookandfeel.moc"
