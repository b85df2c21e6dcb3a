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

#include <algorithm>
#include <chrono>

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

    // Guards against German read by an English voice, and against speechd on the drawing
    // thread: finding the voice and every line happen on the speechd thread. Prints how long a
    // line takes from speak() to the engine, beside English's.
    void germanSpeaksThroughSpeechdOffTheDrawingThread()
    {
        if (!QTextToSpeech::availableEngines().contains(u"speechd"))
            QSKIP("the speechd engine is not installed");
        auto speech = std::make_unique<QtSpeechBackend>();
        QElapsedTimer clock;
        clock.start();
        speech->setLanguage(QStringLiteral("de"));
        speech->prepare();
        speech->speak(QStringLiteral("Jetzt tippe jeden Buchstaben, wenn er leuchtet."));
        QVERIFY2(clock.elapsed() < 100, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(speech->engineName().isEmpty()); // English's engine is not even opened
        // Building speech-dispatcher's list of voices takes seconds, more on a busy machine.
        constexpr int findsVoiceMs = 30000;
        if (!QTest::qWaitFor([&] { return !speech->speechdVoiceName().isEmpty(); }, findsVoiceMs))
            QSKIP("speech-dispatcher has no German voice here (or its daemon does not answer)");

        const auto latencies = [](QtSpeechBackend &backend, const QString &line) {
            QList<double> ms;
            for (int i = 0; i < 15; ++i) {
                const int before = backend.linesHandedOver();
                const qint64 start = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                         std::chrono::steady_clock::now().time_since_epoch())
                                         .count();
                backend.speak(line);
                if (!QTest::qWaitFor([&] { return backend.linesHandedOver() > before; }, 5000))
                    return QList<double>();
                ms.append((backend.lastHandOverNs() - start) / 1e6);
                backend.stop();
            }
            std::sort(ms.begin(), ms.end());
            return ms;
        };
        const QList<double> german = latencies(*speech, QStringLiteral("Das ist die Taste F."));
        if (german.isEmpty()) {
            // A daemon without a sound device may hang inside a line; this thread must not.
            clock.restart();
            speech->speak(QStringLiteral("Noch einmal."));
            QVERIFY2(clock.elapsed() < 100, qPrintable(QString::number(clock.elapsed())));
            QSKIP("speech-dispatcher stopped answering while it spoke");
        }
        QString report = QStringLiteral("speak() to engine, median/max ms: German (speechd) %1/%2")
                             .arg(german[german.size() / 2], 0, 'f', 1)
                             .arg(german.last(), 0, 'f', 1);
        if (QTextToSpeech::availableEngines().contains(u"flite")) {
            QtSpeechBackend english;
            english.prepare();
            const QList<double> flite = latencies(english, QStringLiteral("This is the F key."));
            QVERIFY(!flite.isEmpty());
            report += QStringLiteral(", English (flite) %1/%2")
                          .arg(flite[flite.size() / 2], 0, 'f', 1)
                          .arg(flite.last(), 0, 'f', 1);
        }
        qInfo().noquote() << report;

        // A language without a voice says nothing, and its line is not said later in the next
        // language's voice. The speechd thread takes its work in order: once German's voice is
        // found again, the line before it has been dealt with.
        const int before = speech->linesHandedOver();
        speech->setLanguage(QStringLiteral("xx"));
        QVERIFY(speech->speechdVoiceName().isEmpty());
        speech->speak(QStringLiteral("nothing"));
        speech->setLanguage(QStringLiteral("de"));
        QVERIFY(
            QTest::qWaitFor([&] { return !speech->speechdVoiceName().isEmpty(); }, findsVoiceMs));
        QCOMPARE(speech->linesHandedOver(), before);
        clock.restart();
        speech.reset();
        QVERIFY2(clock.elapsed() < 3000, qPrintable(QString::number(clock.elapsed())));
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
