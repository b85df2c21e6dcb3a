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
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    const auto at = [&](qsizetype offset, auto type) {
        return qFromLittleEndian<decltype(type)>(bytes.constData() + offset);
    };
    if (bytes.size() < 46 || !bytes.startsWith("RIFF") || bytes.mid(8, 8) != "WAVEfmt " ||
        at(20, quint16()) != 1 || at(22, quint16()) != 1 || at(24, quint32()) != 44100 ||
        at(34, quint16()) != 16 || bytes.mid(36, 4) != "data" ||
        at(40, quint32()) != bytes.size() - 44)
        return {};
    QList<qint16> samples((bytes.size() - 44) / 2);
    qFromLittleEndian<qint16>(bytes.constData() + 44, samples.size(), samples.data());
    return samples;
}

int milliseconds(qsizetype samples)
{
    return int(samples * 1000 / 44100);
}

using Sound = SoundPlayer::Sound;
constexpr std::array allSounds = {Sound::Tink, Sound::Pop, Sound::Basso, Sound::Glass, Sound::Hero};

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

    void effectsAreCleanShortWavs_data()
    {
        QTest::addColumn<Sound>("sound");
        QTest::addColumn<int>("minMs");
        QTest::addColumn<int>("maxMs");
        QTest::newRow("Tink") << Sound::Tink << 50 << 110;
        QTest::newRow("Pop") << Sound::Pop << 60 << 120;
        QTest::newRow("Basso") << Sound::Basso << 180 << 320;
        QTest::newRow("Glass") << Sound::Glass << 350 << 550;
        QTest::newRow("Hero") << Sound::Hero << 750 << 1050;
    }

    void effectsAreCleanShortWavs()
    {
        QFETCH(Sound, sound);
        QFETCH(int, minMs);
        QFETCH(int, maxMs);
        const QList<qint16> samples = readWav(QtSoundBackend::resourcePath(sound));
        QVERIFY(!samples.isEmpty());
        const auto silent = [](int threshold) {
            return [threshold](qint16 sample) {
                return std::abs(sample) <= threshold;
            };
        };
        // Audible means above -60 dBFS.
        const auto audibleEnd = std::find_if_not(samples.rbegin(), samples.rend(), silent(32));
        const int audibleMs = milliseconds(samples.rend() - audibleEnd);
        QVERIFY2(audibleMs >= minMs && audibleMs <= maxMs, qPrintable(QString::number(audibleMs)));
        const auto [low, high] = std::minmax_element(samples.begin(), samples.end());
        QVERIFY(std::max(-*low, int(*high)) > 14600 && std::max(-*low, int(*high)) < 18400);
        QCOMPARE(samples.first(), 0); // no click at the start
        // Guards against Qt 6.4 cutting off the last ~150 ms of every effect.
        const auto soundEnd = std::find_if_not(samples.rbegin(), samples.rend(), silent(0));
        QVERIFY(milliseconds(soundEnd - samples.rbegin()) >= 250);
    }

    // Guards against a hang or crash in the sound path on a machine without speakers.
    void playingWithoutAnAudioDeviceReturnsAtOnce()
    {
        QtSoundBackend sounds;
        QVERIFY(!sounds.audible());
        SoundPlayer::setBackend(&sounds);
        SoundPlayer::setEnabled(true);
        QElapsedTimer clock;
        clock.start();
        for (Sound sound : allSounds)
            SoundPlayer::play(sound);
        SoundPlayer::setBackend(nullptr);
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
    }

    void speechWithoutAWorkingEngineStaysSilent()
    {
        QtSpeechBackend speech(QStringLiteral("no-such-engine"));
        speech.stop(); // before anything exists
        speech.speak(QStringLiteral("Welcome!"));
        speech.stop();
        QVERIFY(speech.engineName().isEmpty());
    }

    // Guards against the narrator freezing a lesson while it speaks, against a hang on quit and
    // against flite's broken voice.
    void speechFallsBackToFliteWhichNeverBlocks()
    {
        if (!QTextToSpeech::availableEngines().contains(u"flite"))
            QSKIP("flite is not installed");
        {
            QtSpeechBackend fallback;
            fallback.prepare();
            // Without a speech-dispatcher daemon, speechd fails and flite takes over.
            QVERIFY(!fallback.engineName().isEmpty());
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
        QTest::qWait(50);
        speech->stop();
        speech->speak(QStringLiteral("Amazing! You earned all three stars!"));
        clock.restart();
        speech.reset();
        QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
    }
};

QTEST_GUILESS_MAIN(TestMedia)
#include "tst_media.moc"
