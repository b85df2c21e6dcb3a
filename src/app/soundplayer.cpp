#include "soundplayer.h"

namespace tapalong {

namespace {
bool soundEnabled = true;
SoundBackend *installedBackend = nullptr;
} // namespace

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

bool SoundPlayer::enabled()
{
    return soundEnabled;
}

void SoundPlayer::setEnabled(bool enabled)
{
    soundEnabled = enabled;
}

SoundBackend *SoundPlayer::backend()
{
    return installedBackend;
}

void SoundPlayer::setBackend(SoundBackend *backend)
{
    installedBackend = backend;
}

void SoundPlayer::play(Sound sound)
{
    if (soundEnabled && installedBackend)
        installedBackend->play(sound);
}

} // namespace tapalong
