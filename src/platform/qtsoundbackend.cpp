// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "qtsoundbackend.h"

#include <algorithm>

#include <QAudioDevice>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace tapalong {

QtSoundBackend::QtSoundBackend()
{
    // QSoundEffect without a device only prints warnings; not creating it keeps play() trivial.
    if (QMediaDevices::audioOutputs().isEmpty())
        return;
    for (auto sound : {SoundPlayer::Sound::Tink, SoundPlayer::Sound::Pop, SoundPlayer::Sound::Basso,
                       SoundPlayer::Sound::Glass, SoundPlayer::Sound::Hero}) {
        auto effect = std::make_unique<QSoundEffect>();
        // Loads in the background, long before the first key is typed.
        effect->setSource(QUrl(QStringLiteral("qrc") + resourcePath(sound)));
        m_effects[size_t(sound)] = std::move(effect);
    }
}

QtSoundBackend::~QtSoundBackend()
{
    // Qt 6.4 deadlocks at exit when a sample is still being decoded (QSampleCache's destructor
    // waits for its loader thread while holding the lock that thread needs). A program closed
    // right after start would hang, so let the loads finish first; they take milliseconds.
    const auto loading = [this] {
        return std::any_of(m_effects.begin(), m_effects.end(), [](const auto &effect) {
            return effect && effect->status() == QSoundEffect::Loading;
        });
    };
    QDeadlineTimer deadline(2000);
    while (loading() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
}

QString QtSoundBackend::resourcePath(SoundPlayer::Sound sound)
{
    return QStringLiteral(":/sounds/") + SoundPlayer::name(sound).toLower() +
           QStringLiteral(".wav");
}

void QtSoundBackend::play(SoundPlayer::Sound sound)
{
    QSoundEffect *effect = m_effects[size_t(sound)].get();
    if (!effect)
        return;
    // play() on a playing effect does not start it again: stop first, so quick typing hears
    // every key.
    effect->stop();
    effect->play();
}

} // namespace tapalong
