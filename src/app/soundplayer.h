// The program's short sound effects: one process-wide switch in front of a pluggable player.
#pragma once

#include <QString>

namespace tapalong {

class SoundBackend;

// Main thread only, like everything else that plays.
class SoundPlayer {
public:
    enum class Sound { Tink, Pop, Basso, Glass, Hero };

    static QString name(Sound sound);

    // The store keeps this equal to the sound setting.
    static bool enabled();
    static void setEnabled(bool enabled);

    // Not owned; nullptr plays nothing.
    static SoundBackend *backend();
    static void setBackend(SoundBackend *backend);

    static void play(Sound sound);

    SoundPlayer() = delete;
};

class SoundBackend {
public:
    virtual ~SoundBackend() = default;
    virtual void play(SoundPlayer::Sound sound) = 0;
};

} // namespace tapalong
