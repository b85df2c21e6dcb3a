// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Plays the program's five synthesised sound effects through Qt Multimedia.
#pragma once

#include "soundplayer.h"

#include <QString>

#include <array>
#include <memory>

class QSoundEffect;

namespace tapalong {

// Main thread, created after the application object and destroyed before it. Without an audio
// output at construction it creates nothing and stays silent for the run (Qt 6.4 reports no outputs
// appearing later).
class QtSoundBackend : public SoundBackend {
public:
    QtSoundBackend();
    ~QtSoundBackend() override;
    QtSoundBackend(const QtSoundBackend &) = delete;
    QtSoundBackend &operator=(const QtSoundBackend &) = delete;

    void play(SoundPlayer::Sound sound) override;

    bool audible() const { return m_effects[0] != nullptr; }

    // The effect's WAV file in the program's resources, e.g. ":/sounds/tink.wav".
    static QString resourcePath(SoundPlayer::Sound sound);

private:
    std::array<std::unique_ptr<QSoundEffect>, 5> m_effects;
};

} // namespace tapalong
