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

    void chooseVoice_data()
    {
        QTest::addColumn<Voices>("voices");
        QTest::addColumn<int>("expected");
        QTest::newRow("no English") << Voices{{"fr-FR", Quality::premium}} << -1;
        QTest::newRow("enhanced British beats plain American")
            << Voices{{"en-GB", Quality::enhanced}, {"en-US", Quality::standard}} << 0;
        QTest::newRow("ties keep the first") << Voices{{"en-GB", Quality::standard},
                                                       {"en-US", Quality::standard},
                                                       {"en-US", Quality::standard}}
                                             << 1;
        QTest::newRow("premium Australian beats enhanced American")
            << Voices{{"en-US", Quality::enhanced}, {"en-AU", Quality::premium}} << 1;
        QTest::newRow("Qt spells the locale with an underscore")
            << Voices{{"en_GB", Quality::standard}, {"en_US", Quality::standard}} << 1;
    }

    void chooseVoice()
    {
        QFETCH(Voices, voices);
        QFETCH(int, expected);
        QCOMPARE(Narrator::chooseVoice(voices), expected);
    }

    void qtRate_data()
    {
        QTest::addColumn<double>("rate");
        QTest::addColumn<double>("expected");
        QTest::newRow("normal") << 0.5 << 0.0;
        QTest::newRow("narrator") << Narrator::rate << -0.08;
        QTest::newRow("beyond fastest") << 3.0 << 1.0;
        QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 0.0;
    }

    void qtRate()
    {
        QFETCH(double, rate);
        QFETCH(double, expected);
        QCOMPARE(Narrator::qtRate(rate), expected);
    }
};

QTEST_APPLESS_MAIN(TestSoundSpeech)
#include "tst_soundspeech.moc"
