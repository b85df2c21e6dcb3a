// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Steps through a lesson's tutorial cards and speaks each one.
#pragma once

#include "keyinput.h"
#include "tutorial.h"

#include <QList>
#include <QObject>
#include <QtQml/qqmlregistration.h>

namespace tapalong {

// One per lesson screen, made and fed by its LessonController. Each step is spoken as it comes;
// space or Return moves on, a step's required key moves on with a cheer, Escape ends the whole
// tutorial. Once its screen asks to leave (leave()) it stays where it is and speaks no more.
class LessonTutorial : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Each lesson controller makes its own.")

    // -1 once the tutorial is over.
    Q_PROPERTY(int index READ index NOTIFY indexChanged FINAL)
    Q_PROPERTY(int count READ count NOTIFY stepsChanged FINAL)
    Q_PROPERTY(bool active READ isActive NOTIFY indexChanged FINAL)
    // A default step while the tutorial is over.
    Q_PROPERTY(tapalong::TutorialStep step READ step NOTIFY indexChanged FINAL)

public:
    using QObject::QObject;

    // A fresh tutorial at its first step; none when the list is empty.
    void setSteps(QList<TutorialStep> steps);
    // Keys while the tutorial is active.
    void handleKey(const KeyInput &key);
    void leave() { m_leaving = true; }

    Q_INVOKABLE void advance();
    Q_INVOKABLE void end();
    void close(); // over, without a word: "Try again" after the narrator was hushed
    Q_INVOKABLE void replay(); // the current step, said again

    int index() const { return m_index; }
    int count() const { return int(m_steps.size()); }
    bool isActive() const { return m_index >= 0 && m_index < count(); }
    TutorialStep step() const;

signals:
    void indexChanged();
    void stepsChanged();

private:
    void setIndex(int index);

    QList<TutorialStep> m_steps;
    int m_index = -1;
    bool m_leaving = false;
};

} // namespace tapalong
