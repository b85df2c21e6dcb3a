// The one speech voice of the program: speaks tutorial lines and key names through a backend.
#pragma once

#include <QList>
#include <QString>

namespace tapalong {

class SpeechBackend {
public:
    virtual ~SpeechBackend() = default;
    virtual void speak(const QString &text) = 0;
    virtual void stop() = 0;
};

// Main thread only; the backend may synthesise elsewhere.
class Narrator {
public:
    enum class VoiceQuality { standard, enhanced, premium };

    struct Voice {
        QString languageCode; // "en-US"; Qt's "en_US" spelling is accepted too
        VoiceQuality quality = VoiceQuality::standard;
    };

    // On the 0…1 scale where 0.5 is the normal pace: a little slower for children.
    static constexpr double rate = 0.46;

    static Narrator &shared();

    // The store keeps this equal to the voice setting.
    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled) { m_enabled = enabled; }

    // Not owned; nullptr stays silent.
    SpeechBackend *backend() const { return m_backend; }
    void setBackend(SpeechBackend *backend) { m_backend = backend; }

    // Cuts off whatever is being said, so utterances never queue up.
    void say(const QString &text);
    // Works even while disabled: switching the voice off must silence it.
    void stop();

    // Index of the English voice to use, or -1 for the engine's default voice.
    static int chooseVoice(const QList<Voice> &voices);
    // Maps the 0…1 rate (0.5 normal) onto Qt's −1…1 (0 normal).
    static double qtRate(double rate);

    Narrator(const Narrator &) = delete;
    Narrator &operator=(const Narrator &) = delete;

private:
    Narrator() = default;

    bool m_enabled = true;
    SpeechBackend *m_backend = nullptr;
};

} // namespace tapalong
