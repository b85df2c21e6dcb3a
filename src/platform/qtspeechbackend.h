// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Speaks the narrator's lines through a Qt text-to-speech engine in a voice of the household's
// language: English in flite's voice, German, French and Spanish through speech-dispatcher.
#pragma once

#include "narrator.h"

#include <QString>
#include <QTimer>

#include <atomic>
#include <memory>

class QTextToSpeech;
class QThread;

namespace tapalong {

class SpeechdVoice;

// Main thread only. The engine is created on first use, so constructing this costs nothing at
// start-up; any engine failure leaves it silent instead of reporting to the child.
class QtSpeechBackend : public SpeechBackend {
public:
    // An empty name picks flite, or the platform's default engine where flite is missing,
    // fails or has no English voice; a given name is used alone.
    explicit QtSpeechBackend(const QString &engine = {});
    ~QtSpeechBackend() override;
    QtSpeechBackend(const QtSpeechBackend &) = delete;
    QtSpeechBackend &operator=(const QtSpeechBackend &) = delete;

    void speak(const QString &text) override;
    void stop() override;
    // English stays on this thread with flite; the other languages go to speech-dispatcher on
    // a thread of its own, whose client library blocks for as long as its daemon hangs.
    void setLanguage(const QString &language) override;

    // Creates the engine now if it does not exist yet: a warm-up for later, quiet moments.
    void prepare();
    // English's engine and voice, empty while silent or speaking another language.
    QString engineName() const;
    QString voiceName() const;
    // The speech-dispatcher voice of another language once found, empty while none is.
    QString speechdVoiceName() const;
    // How many lines an engine has been handed, and when the last was, on QElapsedTimer's
    // monotonic clock in ns: what the latency measurements read.
    struct HandOvers {
        std::atomic<int> count{0};
        std::atomic<qint64> lastNs{0};
        // Also writes "tapalong: speech <ms>" to standard error, on the clock the key trace
        // uses, for the key-to-voice measurement.
        std::atomic<bool> trace{false};
        void add();
    };
    void traceHandOvers(bool on) { m_handOvers->trace = on; }
    int linesHandedOver() const { return m_handOvers->count.load(); }
    qint64 lastHandOverNs() const { return m_handOvers->lastNs.load(); }

    // How long a line waits before the engine gets it: flite turns a line into sound on this
    // thread, some 20 ms of work, and the key that asked for the line (a lesson's last key, a
    // step of the tutorial) is drawn first, within a few ms. Nobody hears the difference.
    static constexpr int sayAfterMs = 20;
    // Whether a line is still waiting for its turn.
    bool hasWaitingLine() const { return m_sayLater.isActive(); }

private:
    bool english() const { return m_language == u"en"; }
    void reportFinishedLater();

    QString m_requested;
    QString m_language = QStringLiteral("en");
    // Made for the first other language; left behind, not waited for, if the daemon hangs.
    QThread *m_speechdThread = nullptr;
    SpeechdVoice *m_speechd = nullptr; // lives on m_speechdThread
    bool m_prepared = false;
    std::unique_ptr<QTextToSpeech> m_speech;
    QTimer m_sayLater;
    QString m_pending;
    // Shared with the speechd thread, which may outlive this.
    std::shared_ptr<HandOvers> m_handOvers = std::make_shared<HandOvers>();
    // The engine has a line of ours whose end is still to be told; the engine's own stop also
    // ends in Ready, so an end counts only once that line was heard starting.
    bool m_lineOut = false;
    bool m_lineStarted = false;
    quint64 m_lines = 0; // lines asked for or stopped, so a late end is told only for the latest
};

} // namespace tapalong
