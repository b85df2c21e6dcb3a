// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// The program's edge for sound and speech: turns what the rules announce into what is heard.
#pragma once

#include "announcer.h"
#include "narrator.h"
#include "soundplayer.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <array>
#include <optional>

namespace tapalong {

class AppStore;

// One per program (and per Qt Quick test runner), listening to Announcer::instance(). A sound
// plays while the store's sound setting is on, a line is said while its voice setting is on,
// and turning the voice off silences it at once. Names and next keys are said only for an
// explorer who asked for them.
//
// Lines take turns by kind (Announcer::Line): a line cuts off one of its own kind or a less
// important one, so a child typing on never hears stale words; a less important line never
// cuts off a more important one, but waits until it ends. Only the latest waiting line of each
// kind is kept, and the most important goes first; a lesson line drops what was waiting, which
// was about a moment now past. So the tutorial's lines and verdicts are never spoken over, and
// news, next keys and names still come when there is room for them. Neither the store nor the backends are owned, and the store must outlive
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

    // Longest a line may keep less important ones waiting, for a backend that never tells of
    // the end: far longer than the narrator takes to say it.
    static int floorMs(const QString &text) { return 3000 + 150 * int(text.size()); }

private:
    void play(SoundPlayer::Sound sound);
    void say(const QString &text, Announcer::Line line);
    bool wanted(Announcer::Line line) const;
    void speakNow(const QString &text, Announcer::Line line);
    void lineEnded();
    void hush();
    void onDataChanged();

    const AppStore &m_store;
    SoundBackend *m_sound = nullptr;
    SpeechBackend *m_speech = nullptr;
    bool m_voiceWasEnabled = false;
    QString m_language;
    std::optional<Announcer::Line> m_speaking;
    std::array<std::optional<QString>, 4> m_waiting; // by Announcer::Line
    QTimer m_floor;
};

} // namespace tapalong
