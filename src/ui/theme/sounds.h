// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// The screens' way to ask for a sound: Sounds.play(Sounds.Tink) on a tap.
#pragma once

#include "soundplayer.h"

#include <QObject>
#include <QtQml/qqmlregistration.h>

namespace tapalong {

// Passes the request to the announcer; whether it is heard is the program's edge's business.
class Sounds : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    enum Sound {
        Tink = int(SoundPlayer::Sound::Tink),
        Pop = int(SoundPlayer::Sound::Pop),
        Basso = int(SoundPlayer::Sound::Basso),
        Glass = int(SoundPlayer::Sound::Glass),
        Hero = int(SoundPlayer::Sound::Hero),
    };
    Q_ENUM(Sound)

    explicit Sounds(QObject *parent = nullptr) : QObject(parent) {}

    Q_INVOKABLE static void play(tapalong::Sounds::Sound sound);
};

} // namespace tapalong
