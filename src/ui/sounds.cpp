#include "sounds.h"

#include "announcer.h"

namespace tapalong {

void Sounds::play(Sound sound)
{
    Announcer::instance().requestSound(SoundPlayer::Sound(sound));
}

} // namespace tapalong
