// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "feedback.h"

#include "appstore.h"

#include <utility>

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
    m_floor.setSingleShot(true);
    connect(&m_floor, &QTimer::timeout, this, &Feedback::lineEnded);
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
    if (m_speech) {
        m_speech->onFinished([this] { lineEnded(); });
        m_speech->setLanguage(m_language);
    }
}

void Feedback::play(SoundPlayer::Sound sound)
{
    if (m_sound && m_store.soundEnabled())
        m_sound->play(sound);
}

bool Feedback::wanted(Announcer::Line line) const
{
    if (!m_speech || !m_store.voiceEnabled())
        return false;
    switch (line) {
    case Announcer::Line::lesson:
    case Announcer::Line::news:
        return true;
    case Announcer::Line::nextKey:
        return m_store.sayNextKey();
    case Announcer::Line::name:
        return m_store.sayNames();
    }
    return false;
}

void Feedback::say(const QString &text, Announcer::Line line)
{
    if (text.isEmpty() || !wanted(line))
        return;
    // A lesson line changes the subject: what waited from before it (a next key of a line
    // that is over, a name) is stale by the time it could be said.
    if (line == Announcer::Line::lesson)
        m_waiting.fill(std::nullopt);
    // A smaller Line is the more important one.
    if (m_speaking && *m_speaking < line) {
        m_waiting[size_t(line)] = text;
        return;
    }
    speakNow(text, line);
}

void Feedback::speakNow(const QString &text, Announcer::Line line)
{
    m_speech->stop();
    m_speaking = line;
    m_floor.start(floorMs(text));
    m_speech->speak(text);
}

void Feedback::lineEnded()
{
    m_floor.stop();
    m_speaking.reset();
    for (size_t i = 0; i < m_waiting.size(); ++i) {
        const auto line = Announcer::Line(i);
        if (std::optional<QString> text = std::exchange(m_waiting[i], std::nullopt);
            text && wanted(line)) {
            speakNow(*text, line);
            return;
        }
    }
}

void Feedback::hush()
{
    m_floor.stop();
    m_speaking.reset();
    m_waiting.fill(std::nullopt);
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
