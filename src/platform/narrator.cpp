// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "narrator.h"

#include <algorithm>
#include <cmath>

namespace tapalong {

int Narrator::chooseVoice(const QList<Voice> &voices)
{
    int best = -1;
    int bestScore = -1;
    for (int i = 0; i < voices.size(); ++i) {
        const QString &code = voices[i].languageCode;
        if (!code.startsWith(u"en"))
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
        if (code == u"en-US" || code == u"en_US")
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
