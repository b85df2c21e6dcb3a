// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// The short spoken walk-through before a lesson, and the spoken names of keys.
#pragma once

#include "curriculum.h"
#include "keyboardlayout.h"

#include <QChar>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringView>
#include <QtQml/qqmlregistration.h>

#include <optional>

class QQmlEngine;
class QJSEngine;

namespace tapalong {

struct TutorialStep {
    Q_GADGET
    QML_VALUE_TYPE(tutorialStep)

    Q_PROPERTY(QString text MEMBER text CONSTANT FINAL)
    Q_PROPERTY(QString speech MEMBER speech CONSTANT FINAL)
    Q_PROPERTY(QString highlight READ highlightText CONSTANT FINAL) // "" when nothing is lit
    Q_PROPERTY(QString extraHighlights MEMBER extraHighlights CONSTANT FINAL)
    Q_PROPERTY(int finger READ fingerValue CONSTANT FINAL)              // noFinger when none
    Q_PROPERTY(QString requiredKey READ requiredKeyText CONSTANT FINAL) // "" when none
    Q_PROPERTY(QString emoji MEMBER emoji CONSTANT FINAL)

public:
    QString text; // may hold a line break
    QString speech;
    std::optional<QChar> highlight;
    QString extraHighlights; // one key per character, lit without Shift
    std::optional<Finger> finger;
    std::optional<QChar> requiredKey; // typing exactly this, Shift included, completes the step
    QString emoji;

    QString highlightText() const { return highlight ? QString(*highlight) : QString(); }
    int fingerValue() const { return fingerToInt(finger); }
    QString requiredKeyText() const { return requiredKey ? QString(*requiredKey) : QString(); }

    bool operator==(const TutorialStep &) const = default;
};

namespace Tutorial {

// Welcome, home row, the first two new keys one by one, the rest in one step, and off you go.
QList<TutorialStep> steps(const Lesson &lesson); // on the active keyboard
QList<TutorialStep> steps(const Lesson &lesson, const Keyboard &keyboard);

// "semicolon" for ";", "F" for "f", "O with umlaut" for "ö": what the narrator says for a key.
QString charName(QChar ch);
// The keys' names as an English list: "Z, comma and period".
QString listNames(QStringView keys);

} // namespace Tutorial

class TutorialScript : public QObject {
    Q_OBJECT
    QML_NAMED_ELEMENT(Tutorial)
    QML_SINGLETON

public:
    using QObject::QObject;

    static TutorialScript *create(QQmlEngine *, QJSEngine *) { return new TutorialScript; }

    // Empty for an id that is not in the course.
    Q_INVOKABLE static QList<tapalong::TutorialStep> steps(const QString &lessonId);
};

} // namespace tapalong
