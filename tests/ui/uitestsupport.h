// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Lets the Qt Quick tests of the tabs set up a household and hear what was played.
#pragma once

#include "announcer.h"
#include "appstore.h"
#include "curriculum.h"
#include "desktopkeyboard.h"
#include "keyboardchoice.h"
#include "recordingsound.h"
#include "recordingspeech.h"
#include "savecodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <QTemporaryDir>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

namespace tapalong {

class UiTestSupport : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(QStringList played READ played)
    Q_PROPERTY(QStringList spoken READ spoken)

public:
    // The store under test, set before the first QML file loads.
    static inline AppStore *store = nullptr;
    // What the program's edge played, set up with the store.
    static inline RecordingSoundBackend *sounds = nullptr;

    // What the program's edge said, set up with the store.
    static inline RecordingSpeechBackend *speech = nullptr;

    QStringList played() const { return sounds->played; }
    QStringList spoken() const { return speech->spoken; }
    // The line being said comes to its end.
    Q_INVOKABLE void finishSpeaking() { speech->finish(); }
    // No profiles, both settings on, nothing heard yet, the US course.
    Q_INVOKABLE void reset()
    {
        Announcer::instance().hush();
        store->setData(AppData{});
        sounds->played.clear();
        speech->clear();
        if (!Curriculum::active().keyboard().name().isUs())
            Curriculum::setActive(Course::us());
    }
    // The course and keyboard of a layout, "de" or "us(dvorak)"; false when there is none.
    Q_INVOKABLE bool useKeyboard(const QString &layout)
    {
        const std::optional<LayoutName> name = LayoutName::parse(layout);
        const std::optional<Keyboard> keyboard = name ? Keyboard::load(*name) : std::nullopt;
        if (keyboard)
            Curriculum::setActive(Course::build(*keyboard));
        return keyboard.has_value();
    }
    // An X11 desktop typing `layout`, which `choice` compares with its own; "" takes it away.
    Q_INVOKABLE void playDesktop(tapalong::KeyboardChoice *choice, const QString &layout)
    {
        if (layout.isEmpty()) {
            choice->setDesktop(nullptr);
            return;
        }
        m_desktop.setState(DesktopKeyboard::Source::x11, {layout}, 0);
        choice->setDesktop(&m_desktop);
    }
    // A game played by the current explorer; the id names the game.
    Q_INVOKABLE void recordGame(const QString &game, int score)
    {
        if (const auto kind = gameKindFromId(game))
            store->recordGame(*kind, score, std::nullopt, score);
    }

    // A lesson of the current explorer in which every key of `keys` was typed right `right`
    // times and `missed` was typed as `instead` `wrong` times.
    Q_INVOKABLE void recordTypedLesson(const QString &lessonId, double wpm, const QString &keys,
                                       int right, const QString &missed, const QString &instead,
                                       int wrong)
    {
        AttemptDetails details;
        details.seconds = 60;
        for (QChar key : keys)
            details.keyStats[key].right = right;
        if (missed.size() == 1 && instead.size() == 1) {
            details.keyStats[missed.front()].wrong = wrong;
            details.keyStats[missed.front()].typedInstead[instead.front()] = wrong;
        }
        if (const auto lesson = Curriculum::lessonById(lessonId))
            store->recordLesson(*lesson, 2, wpm, 90, right, details);
    }
    // A tricky-key practice of the current explorer.
    Q_INVOKABLE void recordPractice(double wpm)
    {
        AttemptDetails details;
        details.seconds = 60;
        store->recordTrickyPractice(2, wpm, 80, 30, details);
    }
    // A file of that name in a folder of this run's own.
    Q_INVOKABLE QUrl scratchFile(const QString &name) const
    {
        return QUrl::fromLocalFile(m_dir.filePath(name));
    }

    // A fresh folder of this run's own, with the folders named in `inside` made in it.
    Q_INVOKABLE QUrl scratchFolder(const QString &name, const QStringList &inside = {}) const
    {
        QDir folder(m_dir.filePath(name));
        folder.mkpath(QStringLiteral("."));
        for (const QString &sub : inside)
            folder.mkpath(sub);
        return QUrl::fromLocalFile(folder.path());
    }
    // The household in a file, or none when it is not one.
    Q_INVOKABLE int explorersIn(const QUrl &file) const
    {
        QFile in(file.toLocalFile());
        if (!in.open(QIODevice::ReadOnly))
            return -1;
        const std::optional<AppData> data = SaveCodec::decode(in.readAll());
        return data ? int(data->profiles.size()) : -1;
    }
    Q_INVOKABLE qint64 sizeOf(const QUrl &file) const
    {
        return QFileInfo(file.toLocalFile()).size();
    }
    Q_INVOKABLE void writeFile(const QUrl &file, const QString &text) const
    {
        QFile out(file.toLocalFile());
        if (out.open(QIODevice::WriteOnly))
            out.write(text.toUtf8());
    }

private:
    QTemporaryDir m_dir;
    DesktopKeyboard m_desktop;
};

} // namespace tapalong
