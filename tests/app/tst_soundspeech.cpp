#include "narrator.h"
#include "recordingsound.h"
#include "recordingspeech.h"

#include <QTest>

#include <limits>

using namespace tapalong;

using Voices = QList<Narrator::Voice>;
using Quality = Narrator::VoiceQuality;

class TestSoundSpeech : public QObject {
    Q_OBJECT

private slots:
    void soundsPlayOnlyWhileEnabled()
    {
        RecordingSoundBackend sounds;
        SoundPlayer::setEnabled(false);
        SoundPlayer::play(SoundPlayer::Sound::Basso);
        SoundPlayer::setEnabled(true);
        SoundPlayer::play(SoundPlayer::Sound::Tink);
        SoundPlayer::play(SoundPlayer::Sound::Hero);
        QCOMPARE(sounds.played, QStringList({"Tink", "Hero"}));
    }

    void narratorCutsOffTheLastUtteranceAndKeepsQuietWhileDisabled()
    {
        RecordingSpeechBackend speech;
        Narrator &narrator = Narrator::shared();
        narrator.setEnabled(false);
        narrator.say(QStringLiteral("hidden"));
        narrator.stop(); // switching the voice off must still silence it
        narrator.setEnabled(true);
        narrator.say(QStringLiteral("one"));
        narrator.say(QStringLiteral("two"));
        QCOMPARE(speech.calls, QStringList({"stop", "stop", "speak one", "stop", "speak two"}));
    }

    void chooseVoicePrefersQualityThenAmerican()
    {
        const QList<std::pair<Voices, int>> cases = {
            {{{"fr-FR", Quality::premium}}, -1},
            {{{"en-GB", Quality::enhanced}, {"en-US", Quality::standard}}, 0},
            {{{"en-US", Quality::enhanced}, {"en-AU", Quality::premium}}, 1},
            // Ties keep the first.
            {{{"en-GB", Quality::standard},
              {"en-US", Quality::standard},
              {"en-US", Quality::standard}},
             1},
            // Qt spells the locale with an underscore.
            {{{"en_GB", Quality::standard}, {"en_US", Quality::standard}}, 1},
        };
        for (const auto &[voices, expected] : cases)
            QCOMPARE(Narrator::chooseVoice(voices), expected);
    }

    void qtRateMapsOntoQtsScale()
    {
        QCOMPARE(Narrator::qtRate(0.5), 0.0);
        QCOMPARE(Narrator::qtRate(Narrator::rate), -0.08);
        QCOMPARE(Narrator::qtRate(3.0), 1.0);
        QCOMPARE(Narrator::qtRate(std::numeric_limits<double>::quiet_NaN()), 0.0);
    }
};

QTEST_APPLESS_MAIN(TestSoundSpeech)
#include "tst_soundspeech.moc"
