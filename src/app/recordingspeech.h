// Test support: a speech backend that remembers what was said and how often speech was stopped.
#pragma once

#include "narrator.h"

#include <QStringList>

namespace tapalong {

// Installs itself on the shared narrator for its lifetime and puts the previous backend back.
class RecordingSpeechBackend : public SpeechBackend {
public:
    RecordingSpeechBackend() : m_previous(Narrator::shared().backend())
    {
        Narrator::shared().setBackend(this);
    }
    ~RecordingSpeechBackend() override
    {
        if (Narrator::shared().backend() == this)
            Narrator::shared().setBackend(m_previous);
    }
    RecordingSpeechBackend(const RecordingSpeechBackend &) = delete;
    RecordingSpeechBackend &operator=(const RecordingSpeechBackend &) = delete;

    void speak(const QString &text) override
    {
        spoken.append(text);
        calls.append(QStringLiteral("speak ") + text);
    }
    void stop() override
    {
        ++stops;
        calls.append(QStringLiteral("stop"));
    }

    QStringList spoken;
    int stops = 0;
    QStringList calls; // "stop" and "speak <text>", in order

private:
    SpeechBackend *m_previous;
};

} // namespace tapalong
