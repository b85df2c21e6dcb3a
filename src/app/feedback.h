// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// The program's edge for sound and speech: turns what the rules announce into what is heard.
#pragma once

#include "announcer.h"
#include "narrator.h"
#include "soundplayer.h"

#include <QObject>

namespace tapalong {

class AppStore;

// One per program (and per Qt Quick test runner), listening to Announcer::instance(). A sound
// plays while the store's sound setting is on, a line is said while its voice setting is on; a
// new line cuts off the last one, so utterances never queue up, and turning the voice off
// silences it at once. Neither the store nor the backends are owned, and the store must outlive
// the feedback; a missing backend is silent, so the program can set them up once its first
// frame is on screen. The voice speaks the household's language, or nothing where it has no voice
// for it.
class Feedback : public QObject {
    Q_OBJECT

public:
    explicit Feedback(const AppStore &store, QObject *parent = nullptr);

    void setSoundBackend(SoundBackend *backend) { m_sound = backend; }
    // The backend speaks the household's language from here on, and whenever it changes.
    void setSpeechBackend(SpeechBackend *backend);

    static SoundPlayer::Sound soundFor(Announcer::Event event);

private:
    void play(SoundPlayer::Sound sound);
    void say(const QString &text);
    void hush();
    void onDataChanged();

    const AppStore &m_store;
    SoundBackend *m_sound = nullptr;
    SpeechBackend *m_speech = nullptr;
    bool m_voiceWasEnabled = false;
    QString m_language;
};

} // namespace tapalong
