// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// The program's short sound effects by name, and the seam of the player that makes them heard.
#pragma once

#include <QString>

namespace tapalong {

class SoundPlayer {
public:
    enum class Sound { Tink, Pop, Basso, Glass, Hero };

    static QString name(Sound sound);

    SoundPlayer() = delete;
};

// Main thread only, like everything else that plays.
class SoundBackend {
public:
    virtual ~SoundBackend() = default;
    virtual void play(SoundPlayer::Sound sound) = 0;
};

} // namespace tapalong
