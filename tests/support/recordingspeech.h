// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Test double: a speech backend that remembers what was said and how often speech was stopped,
// and ends a line when the test says so.
#pragma once

#include "narrator.h"

#include <QStringList>

namespace tapalong {

class RecordingSpeechBackend : public SpeechBackend {
public:
    void speak(const QString &text) override
    {
        spoken.append(text);
        calls.append(QStringLiteral("speak ") + text);
    }
    void stop() override
    {
        ++stops;
        calls.append(QStringLiteral("stop"));
    }
    void setLanguage(const QString &lang) override
    {
        language = lang;
        calls.append(QStringLiteral("language ") + lang);
    }
    // The line being said comes to its end, as a real engine would tell.
    void finish() { reportFinished(); }
    void clear()
    {
        spoken.clear();
        stops = 0;
        calls.clear();
    }

    QStringList spoken;
    int stops = 0;
    QStringList calls; // "stop", "speak <text>" and "language <code>", in order
    QString language = QStringLiteral("en");
};

} // namespace tapalong
