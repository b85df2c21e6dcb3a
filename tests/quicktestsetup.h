// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// The set-up of every Qt Quick test runner: the one store the screens read, empty, in a folder
// of its own, handed to the runner's QML support singleton; the program's edge playing into a
// recorder; and the import path of the statically linked modules.
#pragma once

#include "appstore.h"
#include "feedback.h"
#include "recordingsound.h"
#include "recordingspeech.h"
#include "framepacer.h"
#include "translation.h"

#include <QObject>
#include <QQmlEngine>
#include <QTemporaryDir>

#include <utility>

class QuickTestSetup : public QObject {
    Q_OBJECT

public:
    explicit QuickTestSetup(tapalong::AppStore *&supportStore,
                            tapalong::RecordingSoundBackend **supportSounds = nullptr,
                            tapalong::RecordingSpeechBackend **supportSpeech = nullptr)
    {
        tapalong::AppStore::setInstance(&m_store);
        supportStore = &m_store;
        m_feedback.setSoundBackend(&m_sounds);
        m_feedback.setSpeechBackend(&m_speech);
        if (supportSounds)
            *supportSounds = &m_sounds;
        if (supportSpeech)
            *supportSpeech = &m_speech;
    }

public slots:
    void qmlEngineAvailable(QQmlEngine *engine)
    {
        // English's plural forms come from its catalogue, which needs the application, made
        // only after this object.
        if (!std::exchange(m_translated, true))
            tapalong::installTranslation(QStringLiteral("en"));
        // Where the static modules keep their qmldir; Qt 6.4 does not look there by itself.
        engine->addImportPath(QStringLiteral("qrc:/qt/qml"));
        // Animations and games run on the program's clock.
        tapalong::FramePacer::installForSoftwareRenderer();
    }

private:
    QTemporaryDir m_dir;
    tapalong::AppStore m_store{tapalong::SaveFile(m_dir.filePath(QStringLiteral("tapalong.json")))};
    tapalong::RecordingSoundBackend m_sounds;
    tapalong::RecordingSpeechBackend m_speech;
    tapalong::Feedback m_feedback{m_store};
    bool m_translated = false;
};
