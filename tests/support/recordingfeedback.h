// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Test support: the program's edge with recording backends, over a household of its own, so a
// test hears what the program would play and say for what the rules announce.
#pragma once

#include "appstore.h"
#include "feedback.h"
#include "recordingsound.h"
#include "recordingspeech.h"

#include <QTemporaryDir>

namespace tapalong {

class RecordingFeedback {
public:
    RecordingFeedback()
    {
        m_feedback.setSoundBackend(&sound);
        m_feedback.setSpeechBackend(&speech);
    }
    RecordingFeedback(const RecordingFeedback &) = delete;
    RecordingFeedback &operator=(const RecordingFeedback &) = delete;

    AppStore &store() { return m_store; }

    // Both settings as given, nothing heard yet.
    void reset(bool soundOn = true, bool voiceOn = true)
    {
        AppData data;
        data.settings.soundEnabled = soundOn;
        data.settings.voiceEnabled = voiceOn;
        m_store.setData(data);
        sound.played.clear();
        speech.clear();
    }

private:
    QTemporaryDir m_dir;
    AppStore m_store{SaveFile(m_dir.filePath(QStringLiteral("tapalong.json")))};

public:
    RecordingSoundBackend sound;
    RecordingSpeechBackend speech;

private:
    Feedback m_feedback{m_store};
};

} // namespace tapalong
