// Test support: a sound backend that remembers, in order, the names of the sounds played.
#pragma once

#include "soundplayer.h"

#include <QStringList>

namespace tapalong {

// Installs itself for its lifetime and puts the previous backend back when it goes.
class RecordingSoundBackend : public SoundBackend {
public:
    RecordingSoundBackend() : m_previous(SoundPlayer::backend()) { SoundPlayer::setBackend(this); }
    ~RecordingSoundBackend() override
    {
        if (SoundPlayer::backend() == this)
            SoundPlayer::setBackend(m_previous);
    }
    RecordingSoundBackend(const RecordingSoundBackend &) = delete;
    RecordingSoundBackend &operator=(const RecordingSoundBackend &) = delete;

    void play(SoundPlayer::Sound sound) override { played.append(SoundPlayer::name(sound)); }

    QStringList played;

private:
    SoundBackend *m_previous;
};

} // namespace tapalong
