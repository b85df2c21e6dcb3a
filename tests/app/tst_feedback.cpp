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

    // The tutorial's lines and verdicts are never spoken over nor cut off: news, next keys and
    // names wait for them, the latest of each kind, the most important first.
    void lessLinesWaitForTheLessonsOwnAndOnlyTheLatestOfEachKindIsKept()
    {
        using Line = Announcer::Line;
        RecordingFeedback heard;
        heard.reset();
        heard.store().addProfile(QStringLiteral("Ada"), QStringLiteral("🦊"));
        const QString ada = heard.store().currentProfileId();
        heard.store().setSayNames(ada, true);
        heard.store().setSayNextKey(ada, true);
        heard.speech.clear();
        Announcer &announcer = Announcer::instance();

        announcer.say(QStringLiteral("verdict"));
        announcer.tell(QStringLiteral("Start"), Line::name);
        announcer.tell(QStringLiteral("f"), Line::nextKey);
        announcer.tell(QStringLiteral("old news"));
        announcer.tell(QStringLiteral("news"));
        announcer.tell(QStringLiteral("Try again"), Line::name);
        QCOMPARE(heard.speech.spoken, QStringList{"verdict"});
        QCOMPARE(heard.speech.calls.constLast(), "speak verdict");

        heard.speech.finish();
        QCOMPARE(heard.speech.spoken.constLast(), "news");
        heard.speech.finish();
        QCOMPARE(heard.speech.spoken.constLast(), "f");
        heard.speech.finish();
        QCOMPARE(heard.speech.spoken.constLast(), "Try again");
        heard.speech.finish();
        QCOMPARE(heard.speech.spoken, QStringList({"verdict", "news", "f", "Try again"}));

        // A lesson line cuts off less important ones at once and drops what waited before it,
        // a next key of a line that is over; what is told after it still waits its turn.
        heard.speech.clear();
        announcer.tell(QStringLiteral("Home"), Line::name);
        announcer.say(QStringLiteral("step"));
        announcer.tell(QStringLiteral("j"), Line::nextKey);
        announcer.say(QStringLiteral("verdict"));
        announcer.tell(QStringLiteral("results"));
        heard.speech.finish();
        heard.speech.finish();
        QCOMPARE(heard.speech.spoken, QStringList({"Home", "step", "verdict", "results"}));

        // Lines of one kind replace each other, and a more important one cuts off a name.
        heard.speech.clear();
        announcer.tell(QStringLiteral("Home"), Line::name);
        announcer.tell(QStringLiteral("Learn"), Line::name);
        announcer.tell(QStringLiteral("j"), Line::nextKey);
        QCOMPARE(heard.speech.calls, QStringList({"stop", "speak Home", "stop", "speak Learn",
                                                  "stop", "speak j"}));

        // Hushing forgets whatever was waiting.
        heard.speech.clear();
        announcer.say(QStringLiteral("step"));
        announcer.tell(QStringLiteral("news"));
        announcer.hush();
        heard.speech.finish();
        QCOMPARE(heard.speech.spoken, QStringList{"step"});
    }

    void namesAndNextKeysOnlyForAnExplorerWhoAskedWithTheVoiceOn()
    {
        using Line = Announcer::Line;
        RecordingFeedback heard;
        heard.reset();
        Announcer &announcer = Announcer::instance();
        announcer.tell(QStringLiteral("nobody's"), Line::name);

        heard.store().addProfile(QStringLiteral("Ada"), QStringLiteral("🦊"));
        const QString ada = heard.store().currentProfileId();
        announcer.tell(QStringLiteral("off by default"), Line::name);
        announcer.tell(QStringLiteral("k"), Line::nextKey);
        heard.store().setSayNextKey(ada, true);
        announcer.tell(QStringLiteral("not asked for"), Line::name);
        announcer.tell(QStringLiteral("d"), Line::nextKey);
        heard.store().setSayNames(ada, true);
        announcer.tell(QStringLiteral("Start"), Line::name);
        QCOMPARE(heard.speech.spoken, QStringList{"d"}); // a name waits for a next key
        heard.speech.finish();
        QCOMPARE(heard.speech.spoken, QStringList({"d", "Start"}));

        // A name waiting when the setting goes off is dropped; the voice off silences all.
        heard.speech.clear();
        announcer.say(QStringLiteral("step"));
        announcer.tell(QStringLiteral("Back"), Line::name);
        heard.store().setSayNames(ada, false);
        heard.speech.finish();
        heard.store().toggleVoice();
        announcer.tell(QStringLiteral("news"));
        announcer.tell(QStringLiteral("f"), Line::nextKey);
        QCOMPARE(heard.speech.spoken, QStringList{"step"});
    }
};

QTEST_GUILESS_MAIN(TestFeedback)
#include "tst_feedback.moc"
