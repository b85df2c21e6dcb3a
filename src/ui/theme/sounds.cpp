// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "sounds.h"

#include "announcer.h"

namespace tapalong {

void Sounds::play(Sound sound)
{
    Announcer::instance().requestSound(SoundPlayer::Sound(sound));
}

} // namespace tapalong
