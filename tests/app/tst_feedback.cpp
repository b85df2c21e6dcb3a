// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Guards the program's edge: what is heard follows the two settings, and speech never queues.
#include "announcer.h"
#include "recordingfeedback.h"

#include <QTest>

using namespace tapalong;

class TestFeedback : public QObject {
    Q_OBJECT

private slots:
    void soundsPlayOnlyWhileTheSoundSettingIsOn()
    {
        RecordingFeedback heard;
        Announcer &announcer = Announcer::instance();
        for (const bool soundOn : {false, true}) {
            heard.reset(soundOn);
            announcer.announce(Announcer::Event::wrongKey);
            announcer.requestSound(SoundPlayer::Sound::Tink);
            announcer.announce(Announcer::Event::badgesEarned);
        }
        QCOMPARE(heard.sound.played, QStringList({"Basso", "Tink", "Hero"}));
    }

    void aNewLineCutsOffTheLastAndTheVoiceSettingSilences()
    {
        RecordingFeedback heard;
        Announcer &announcer = Announcer::instance();
        heard.reset(true, false);
        announcer.say(QStringLiteral("hidden"));
        announcer.hush(); // even while the voice is off
        QCOMPARE(heard.speech.calls, QStringList{"stop"});

        heard.reset();
        announcer.say(QStringLiteral("one"));
        announcer.say(QStringLiteral("two"));
        QCOMPARE(heard.speech.calls, QStringList({"stop", "speak one", "stop", "speak two"}));

        // Turning the voice off stops it at once; turning it on says nothing.
        heard.speech.clear();
        heard.store().toggleVoice();
        heard.store().toggleSound();
        heard.store().toggleVoice();
        QCOMPARE(heard.speech.calls, QStringList{"stop"});
    }
};

QTEST_GUILESS_MAIN(TestFeedback)
#include "tst_feedback.moc"
