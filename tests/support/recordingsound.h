// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Test double: a sound backend that remembers, in order, the names of the sounds played.
#pragma once

#include "soundplayer.h"

#include <QStringList>

namespace tapalong {

class RecordingSoundBackend : public SoundBackend {
public:
    void play(SoundPlayer::Sound sound) override { played.append(SoundPlayer::name(sound)); }

    QStringList played;
};

} // namespace tapalong
