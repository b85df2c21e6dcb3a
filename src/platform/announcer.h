// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// The one line from the rules to the program's edge: what happened, what to say, what to play.
#pragma once

#include "soundplayer.h"

#include <QObject>
#include <QString>

namespace tapalong {

// Rules and screens announce here and never learn what, if anything, is heard: the edge of the
// program (Feedback) alone listens, knows the loudspeaker and the voice, and reads the settings.
// A bus rather than an interface handed to every rule object, because those objects are made
// deep inside QML screens; a test spies on the announcer instead. Main thread only.
class Announcer : public QObject {
    Q_OBJECT

public:
    enum class Event {
        wrongKey,         // a key that was not the one expected, in a lesson or a game
        lineDone,         // a drill line typed to its end, with more to come
        lessonDone,       // the last drill line typed
        tutorialKeyFound, // the key a tutorial step asked for
        badgesEarned,     // a lesson or game recorded with new badges
        gameRecorded,     // a game recorded without new badges
        keyCaught,        // one key of a game's target hit: a falling letter, a key echoed
        targetCleared,    // a game's whole target done: a mole, a meteor's word, a pattern
        targetsLost,      // one or more targets got away in one tick
    };
    Q_ENUM(Event)

    // Who a spoken line is for, most important first. The edge never lets a line cut off one
    // of a more important kind: it waits for it to end instead.
    enum class Line {
        lesson,  // the tutorial's steps, the verdicts, a game's own words: the teaching itself
        news,    // what just happened: a line done, a badge earned, the results
        nextKey, // the drill's next key, for an explorer who asked for it
        name,    // the name of a control that got the focus or the pointer, likewise
    };
    Q_ENUM(Line)

    // Lives as long as the process, like the application object.
    static Announcer &instance();

    void announce(Event event) { emit announced(event); }
    // A sound a screen asks for by name: a tap, a new explorer.
    void requestSound(SoundPlayer::Sound sound) { emit soundRequested(sound); }
    // Said over whatever was being said.
    void say(const QString &text) { emit sayRequested(text, Line::lesson); }
    // Said once nothing more important is being said; see Line.
    void tell(const QString &text, Line line = Line::news) { emit sayRequested(text, line); }
    void hush() { emit hushRequested(); }

signals:
    void announced(tapalong::Announcer::Event event);
    void soundRequested(tapalong::SoundPlayer::Sound sound);
    void sayRequested(const QString &text, tapalong::Announcer::Line line);
    void hushRequested();

private:
    Announcer() = default;
};

} // namespace tapalong
