// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "soundplayer.h"

namespace tapalong {

QString SoundPlayer::name(Sound sound)
{
    switch (sound) {
    case Sound::Tink:
        return QStringLiteral("Tink");
    case Sound::Pop:
        return QStringLiteral("Pop");
    case Sound::Basso:
        return QStringLiteral("Basso");
    case Sound::Glass:
        return QStringLiteral("Glass");
    case Sound::Hero:
        return QStringLiteral("Hero");
    }
    return {};
}

} // namespace tapalong
