// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Speaks the narrator's lines through a Qt text-to-speech engine in a well-chosen English voice.
#pragma once

#include "narrator.h"

#include <QString>
#include <QTimer>

#include <memory>

class QTextToSpeech;

namespace tapalong {

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

    // Creates the engine now if it does not exist yet: a warm-up for later, quiet moments.
    void prepare();
    // The engine in use and its voice, empty while silent.
    QString engineName() const;
    QString voiceName() const;

    // How long a line waits before the engine gets it: flite turns a line into sound on this
    // thread, some 20 ms of work, and the key that asked for the line (a lesson's last key, a
    // step of the tutorial) is drawn first, within a few ms. Nobody hears the difference.
    static constexpr int sayAfterMs = 20;
    // Whether a line is still waiting for its turn.
    bool hasWaitingLine() const { return m_sayLater.isActive(); }

private:
    void reportFinishedLater();

    QString m_requested;
    bool m_prepared = false;
    std::unique_ptr<QTextToSpeech> m_speech;
    QTimer m_sayLater;
    QString m_pending;
    // The engine has a line of ours whose end is still to be told; the engine's own stop also
    // ends in Ready, so an end counts only once that line was heard starting.
    bool m_lineOut = false;
    bool m_lineStarted = false;
    quint64 m_lines = 0; // lines asked for or stopped, so a late end is told only for the latest
};

} // namespace tapalong
