// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "narrator.h"

#include <algorithm>
#include <cmath>

namespace tapalong {

int Narrator::chooseVoice(const QList<Voice> &voices, const QString &language)
{
    // The country each language is taught in first, where the engine has several.
    const QString home = language == u"en"   ? QStringLiteral("US")
                         : language == u"de" ? QStringLiteral("DE")
                         : language == u"fr" ? QStringLiteral("FR")
                         : language == u"es" ? QStringLiteral("ES")
                                             : QString();
    int best = -1;
    int bestScore = -1;
    for (int i = 0; i < voices.size(); ++i) {
        const QString &code = voices[i].languageCode;
        if (!(code == language || code.startsWith(language + u'-') ||
              code.startsWith(language + u'_')))
            continue;
        int score = 0;
        switch (voices[i].quality) {
        case VoiceQuality::premium:
            score = 200;
            break;
        case VoiceQuality::enhanced:
            score = 100;
            break;
        case VoiceQuality::standard:
            break;
        }
        if (!home.isEmpty() && (code == language + u'-' + home || code == language + u'_' + home))
            score += 50;
        if (score > bestScore) {
            best = i;
            bestScore = score;
        }
    }
    return best;
}

double Narrator::qtRate(double rate)
{
    if (!std::isfinite(rate))
        return 0;
    return std::clamp(2 * rate - 1, -1.0, 1.0);
}

} // namespace tapalong
