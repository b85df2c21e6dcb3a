// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "feedback.h"

#include "appstore.h"

namespace tapalong {

Feedback::Feedback(const AppStore &store, QObject *parent)
    : QObject(parent), m_store(store), m_voiceWasEnabled(store.voiceEnabled()),
      m_language(store.language())
{
    Announcer &announcer = Announcer::instance();
    connect(&announcer, &Announcer::announced, this,
            [this](Announcer::Event event) { play(soundFor(event)); });
    connect(&announcer, &Announcer::soundRequested, this, &Feedback::play);
    connect(&announcer, &Announcer::sayRequested, this, &Feedback::say);
    connect(&announcer, &Announcer::hushRequested, this, &Feedback::hush);
    connect(&store, &AppStore::dataChanged, this, &Feedback::onDataChanged);
}

SoundPlayer::Sound Feedback::soundFor(Announcer::Event event)
{
    using Sound = SoundPlayer::Sound;
    switch (event) {
    case Announcer::Event::wrongKey:
    case Announcer::Event::targetsLost:
        return Sound::Basso;
    case Announcer::Event::lineDone:
    case Announcer::Event::tutorialKeyFound:
    case Announcer::Event::targetCleared:
        return Sound::Pop;
    case Announcer::Event::lessonDone:
    case Announcer::Event::gameRecorded:
        return Sound::Glass;
    case Announcer::Event::badgesEarned:
        return Sound::Hero;
    case Announcer::Event::keyCaught:
        return Sound::Tink;
    }
    return Sound::Tink;
}

void Feedback::setSpeechBackend(SpeechBackend *backend)
{
    m_speech = backend;
    m_language = m_store.language();
    if (m_speech)
        m_speech->setLanguage(m_language);
}

void Feedback::play(SoundPlayer::Sound sound)
{
    if (m_sound && m_store.soundEnabled())
        m_sound->play(sound);
}

void Feedback::say(const QString &text)
{
    if (!m_speech || !m_store.voiceEnabled())
        return;
    m_speech->stop();
    m_speech->speak(text);
}

void Feedback::hush()
{
    // Even while the voice is off: switching it off must silence it.
    if (m_speech)
        m_speech->stop();
}

void Feedback::onDataChanged()
{
    const bool enabled = m_store.voiceEnabled();
    if (m_voiceWasEnabled && !enabled)
        hush();
    m_voiceWasEnabled = enabled;
    if (const QString language = m_store.language(); language != m_language) {
        m_language = language;
        if (m_speech)
            m_speech->setLanguage(language);
    }
}

} // namespace tapalong
