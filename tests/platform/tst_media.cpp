// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "qtsoundbackend.h"
#include "qtspeechbackend.h"

#include <QAudioDevice>
#include <QElapsedTimer>
#include <QFile>
#include <QMediaDevices>
#include <QTest>
#include <QTextToSpeech>
#include <QtEndian>

using namespace tapalong;

namespace {

// The samples of a 16-bit mono 44.1 kHz PCM file as make-sounds.py writes it; empty otherwise.
QList<qint16> readWav(const QString &path)
{
    QFile file(path);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    // "WAVEfmt ", PCM, mono, 44100 Hz, 88200 bytes/s, 2-byte frames, 16 bits, "data".
    const QByteArray format = QByteArray::fromHex("57415645666d7420100000000100010044ac0000"
                                                  "885801000200100064617461");
    if (bytes.size() < 46 || !bytes.startsWith("RIFF") || bytes.mid(8, 32) != format ||
        qFromLittleEndian<quint32>(bytes.constData() + 40) != bytes.size() - 44)
        return {};
    QList<qint16> samples((bytes.size() - 44) / 2);
    qFromLittleEndian<qint16>(bytes.constData() + 44, samples.size(), samples.data());
    return samples;
}

using Sound = SoundPlayer::Sound;

} // namespace

class TestMedia : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Never play through the developer's speakers, and behave alike on every machine.
        qputenv("PULSE_SERVER", "unix:/nonexistent/tapalong-test");
        if (!QMediaDevices::audioOutputs().isEmpty())
            QSKIP("an audio output is still visible; these tests need none");
    }

    void effectsAreCleanShortWavs()
    {
        const QList<std::tuple<Sound, int, int>> lengths = {{Sound::Tink, 50, 110},
                                                            {Sound::Pop, 60, 120},
                                                            {Sound::Basso, 180, 320},
                                                            {Sound::Glass, 350, 550},
                                                            {Sound::Hero, 750, 1050}};
        for (const auto &[sound, minMs, maxMs] : lengths) {
            const QList<qint16> samples = readWav(QtSoundBackend::resourcePath(sound));
            QVERIFY(!samples.isEmpty());
            const auto milliseconds = [](qsizetype samples) {
                return int(samples * 1000 / 44100);
            };
            const auto silent = [](int threshold) {
                return [threshold](qint16 sample) {
                    return std::abs(sample) <= threshold;
                };
            };
            // Audible means above -60 dBFS.
            const auto audibleEnd = std::find_if_not(samples.rbegin(), samples.rend(), silent(32));
            const int audibleMs = milliseconds(samples.rend() - audibleEnd);
            QVERIFY2(audibleMs >= minMs && audibleMs <= maxMs,
                     qPrintable(QString::number(audibleMs)));
            const auto [low, high] = std::minmax_element(samples.begin(), samples.end());
            QVERIFY(std::max(-*low, int(*high)) > 14600 && std::max(-*low, int(*high)) < 18400);
            QCOMPARE(samples.first(), 0); // no click at the start
            // Guards against Qt 6.4 cutting off the last ~150 ms of every effect.
            const auto soundEnd = std::find_if_not(samples.rbegin(), samples.rend(), silent(0));
            QVERIFY(milliseconds(soundEnd - samples.rbegin()) >= 250);
        }
    }

    // Guards against a hang or crash on a machine without speakers or a speech engine.
    void withoutDevicesEverythingReturnsAtOnce()
    {
        QtSoundBackend sounds;
        QVERIFY(!sounds.audible());
        QElapsedTimer clock;
        clock.start();
        for (Sound sound : {Sound::Tink, Sound::Pop, Sound::Basso, Sound::Glass, Sound::Hero})
            sounds.play(sound);
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));

        QtSpeechBackend speech(QStringLiteral("no-such-engine"));
        speech.stop(); // before anything exists
        speech.speak(QStringLiteral("Welcome!"));
        QVERIFY(speech.engineName().isEmpty());
    }

    // Guards against a narrator freezing the lesson or the quit, and against flite's broken voice;
    // and against speechd taking English over once speech-dispatcher is installed (its client
    // library froze the lesson screen when its daemon hung).
    void englishSpeaksWithFliteWhichNeverBlocks()
    {
        if (!QTextToSpeech::availableEngines().contains(u"flite"))
            QSKIP("flite is not installed");
        {
            QtSpeechBackend byDefault;
            byDefault.prepare();
            QCOMPARE(byDefault.engineName(), QStringLiteral("flite"));
        }

        auto speech = std::make_unique<QtSpeechBackend>(QStringLiteral("flite"));
        speech->prepare();
        QCOMPARE(speech->engineName(), QStringLiteral("flite"));
        QVERIFY(!speech->voiceName().isEmpty());
        QVERIFY(speech->voiceName() != u"awb");

        QElapsedTimer clock;
        clock.start();
        speech->speak(QStringLiteral("Now type each letter when it glows. Take your time. Happy "
                                     "fingers first, speedy fingers later. Ready? Let's go!"));
        speech->speak(QStringLiteral("This is the F key."));
        QVERIFY2(clock.elapsed() < 500, qPrintable(QString::number(clock.elapsed())));
        // Stopped once the engine has the line, mid-sentence.
        QVERIFY(QTest::qWaitFor([&] { return !speech->hasWaitingLine(); }));
        speech->stop();

        // The end of a line is told, and only once, so that a name waiting behind it is said.
        int ends = 0;
        speech->onFinished([&] { ++ends; });
        speech->speak(QStringLiteral("F."));
        QVERIFY(QTest::qWaitFor([&] { return ends > 0; }, 10000));
        QCOMPARE(ends, 1);

        speech->speak(QStringLiteral("Amazing! You earned all three stars!"));
        clock.restart();
        speech.reset();
        QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
    }
};

QTEST_GUILESS_MAIN(TestMedia)
#include "tst_media.moc"
