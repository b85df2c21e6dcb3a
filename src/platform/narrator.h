// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// The program's speech voice: the seam of the engine that speaks, and the choice of its voice.
#pragma once

#include <QList>
#include <QString>

#include <functional>
#include <utility>

namespace tapalong {

// Main thread only; the backend may synthesise elsewhere.
class SpeechBackend {
public:
    virtual ~SpeechBackend() = default;
    virtual void speak(const QString &text) = 0;
    virtual void stop() = 0;
    // The household's language, "en", "de", "fr" or "es": what follows is said in it, or not
    // at all where the engine has no voice for it.
    virtual void setLanguage(const QString &language) = 0;

    // Told when the line last given to speak() has been said to its end, or could not be said;
    // never for a line that stop() or a newer line cut off. The edge waits for it before a
    // less important line, so a backend that never tells only keeps those waiting longer.
    void onFinished(std::function<void()> handler) { m_finished = std::move(handler); }

protected:
    void reportFinished()
    {
        if (m_finished)
            m_finished();
    }

private:
    std::function<void()> m_finished;
};

// How the program's voice sounds: which voice of the engine, and how fast. What is said, and
// when, is the edge's business (Feedback).
class Narrator {
public:
    enum class VoiceQuality { standard, enhanced, premium };

    struct Voice {
        QString languageCode; // "en-US"; Qt's "en_US" spelling is accepted too
        VoiceQuality quality = VoiceQuality::standard;
    };

    // On the 0…1 scale where 0.5 is the normal pace: a little slower for children.
    static constexpr double rate = 0.46;

    // Index of the voice to use for `language` ("en", "de" …), or -1 where none speaks it: then
    // nothing is said, for a German line read by an English voice helps nobody.
    static int chooseVoice(const QList<Voice> &voices,
                           const QString &language = QStringLiteral("en"));
    // Maps the 0…1 rate (0.5 normal) onto Qt's −1…1 (0 normal).
    static double qtRate(double rate);

    Narrator() = delete;
};

} // namespace tapalong
