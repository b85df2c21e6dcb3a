// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "narrator.h"

#include <QTest>

#include <limits>

using namespace tapalong;

using Voices = QList<Narrator::Voice>;
using Quality = Narrator::VoiceQuality;

class TestSoundSpeech : public QObject {
    Q_OBJECT

private slots:
    void chooseVoicePrefersQualityThenAmerican()
    {
        const Quality standard = Quality::standard;
        const QList<std::pair<Voices, int>> cases = {
            {{{"fr-FR", Quality::premium}}, -1},
            {{{"en-GB", Quality::enhanced}, {"en-US", standard}}, 0},
            {{{"en-US", Quality::enhanced}, {"en-AU", Quality::premium}}, 1},
            {{{"en-GB", standard}, {"en-US", standard}, {"en-US", standard}}, 1}, // ties: the first
            {{{"en_GB", standard}, {"en_US", standard}}, 1}, // as Qt spells the locale
        };
        for (const auto &[voices, expected] : cases)
            QCOMPARE(Narrator::chooseVoice(voices), expected);
    }

    void chooseVoiceSpeaksOnlyTheLanguage()
    {
        const Quality standard = Quality::standard;
        const QList<std::tuple<Voices, QString, int>> cases = {
            // No German voice: silence, never an English one.
            {{{"en-US", Quality::premium}, {"fr-FR", standard}}, "de", -1},
            {{{"en-US", standard}, {"de-AT", standard}, {"de_DE", standard}}, "de", 2},
            {{{"es-MX", standard}, {"es", standard}}, "es", 0},
            {{{"es-MX", standard}, {"es-ES", standard}}, "es", 1},
            {{{"fr-CA", standard}, {"fr_FR", standard}}, "fr", 1},
            {{{"de", standard}}, "d", -1}, // a language is matched whole
        };
        for (const auto &[voices, language, expected] : cases)
            QCOMPARE(Narrator::chooseVoice(voices, language), expected);
    }

    void qtRateStaysOnQtsScale()
    {
        QCOMPARE(Narrator::qtRate(0.5), 0.0);
        QCOMPARE(Narrator::qtRate(3.0), 1.0);
        QCOMPARE(Narrator::qtRate(std::numeric_limits<double>::quiet_NaN()), 0.0);
    }
};

QTEST_APPLESS_MAIN(TestSoundSpeech)
#include "tst_soundspeech.moc"
