// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "tutorial.h"

#include <QCoreApplication>

namespace tapalong {

namespace Tutorial {

namespace {

TutorialStep welcome(const Lesson &lesson)
{
    TutorialStep step;
    const QString title = lesson.title;
    if (lesson.newKeys.isEmpty()) {
        step.text =
            QCoreApplication::translate(
                "Tutorial", "Welcome to %1!\nA practice adventure with keys you already know.")
                .arg(title);
        step.speech = QCoreApplication::translate(
                          "Tutorial",
                          "Welcome to %1! This one is all about practicing keys you already know.")
                          .arg(title);
    } else {
        const QString names = listNames(lesson.newKeys);
        step.text =
            QCoreApplication::translate("Tutorial", "Welcome to %1!\nToday your fingers learn %2.")
                .arg(title, names);
        step.speech = QCoreApplication::translate(
                          "Tutorial", "Welcome to %1! Today your fingers will learn %2.")
                          .arg(title, names);
    }
    step.emoji = lesson.emoji;
    return step;
}

TutorialStep homeRow()
{
    TutorialStep step;
    step.text = QCoreApplication::translate(
        "Tutorial", "Rest your fingers on the glowing HOME ROW.\n"
                    "Feel the little bumps on F and J? Your pointer fingers sit "
                    "right there.");
    step.speech = QCoreApplication::translate(
        "Tutorial", "First, rest your fingers on the home row. "
                    "Feel the little bumps on F and J? Your pointer fingers "
                    "sit right there.");
    step.extraHighlights = u"asdfjkl;"_qs;
    step.emoji = u"\U0001F3E0"_qs;
    return step;
}

std::optional<TutorialStep> newKey(QChar key)
{
    const std::optional<KeyboardLayout::Match> match = KeyboardLayout::find(key);
    if (!match || !match->key.finger)
        return std::nullopt;
    const Finger finger = *match->key.finger;
    const QString name = charName(key);

    TutorialStep step;
    step.text = QCoreApplication::translate(
                    "Tutorial", "This is %1!\nPress it with your %2 — try it right now!")
                    .arg(name, fingerName(finger));
    step.speech = QCoreApplication::translate(
                      "Tutorial", "This is the %1 key. Press it with your %2. Try it now!")
                      .arg(name, fingerName(finger));
    step.highlight = key;
    step.requiredKey = key;
    step.finger = finger;
    step.emoji = u"\U0001F446"_qs;
    return step;
}

TutorialStep moreKeys(QStringView keys)
{
    const QString names = listNames(keys);
    TutorialStep step;
    step.text =
        QCoreApplication::translate("Tutorial", "You'll also meet %1.\nSame trick: reach out from "
                                                "the home row, then hop right back!")
            .arg(names);
    step.speech =
        QCoreApplication::translate("Tutorial", "You will also meet %1. Same trick — reach out "
                                                "from the home row, then hop right back.")
            .arg(names);
    step.extraHighlights = keys.toString();
    step.emoji = u"\u2728"_qs;
    return step;
}

TutorialStep go()
{
    TutorialStep step;
    step.text = QCoreApplication::translate(
        "Tutorial", "Type each letter when it glows.\n"
                    "Take your time — happy fingers first, speedy fingers later!");
    step.speech = QCoreApplication::translate(
        "Tutorial", "Now type each letter when it glows. Take your time. Happy "
                    "fingers first, speedy fingers later. Ready? Let's go!");
    step.emoji = u"\U0001F680"_qs;
    return step;
}

} // namespace

QList<TutorialStep> steps(const Lesson &lesson)
{
    const QStringView keys = lesson.newKeys;
    QList<TutorialStep> script = {welcome(lesson), homeRow()};
    for (QChar key : keys.first(qMin(keys.size(), qsizetype(2)))) {
        if (std::optional<TutorialStep> step = newKey(key))
            script.append(*step);
    }
    if (keys.size() > 2)
        script.append(moreKeys(keys.sliced(2)));
    script.append(go());
    return script;
}

QString charName(QChar ch)
{
    switch (ch.unicode()) {
    case u';':
        return QCoreApplication::translate("Tutorial", "semicolon");
    case u',':
        return QCoreApplication::translate("Tutorial", "comma");
    case u'.':
        return QCoreApplication::translate("Tutorial", "period");
    case u'\'':
        return QCoreApplication::translate("Tutorial", "apostrophe");
    case u'!':
        return QCoreApplication::translate("Tutorial", "exclamation mark");
    case u'?':
        return QCoreApplication::translate("Tutorial", "question mark");
    default:
        return QString(ch.toUpper());
    }
}

QString listNames(QStringView keys)
{
    QStringList names;
    for (QChar key : keys)
        names.append(charName(key));
    if (names.size() < 2)
        return names.value(0);
    const QString last = names.takeLast();
    //: The last two keys of a list: "D, K and L"
    return QCoreApplication::translate("Tutorial", "%1 and %2")
        .arg(names.join(QCoreApplication::translate("Tutorial", ", ")), last);
}

} // namespace Tutorial

QList<TutorialStep> TutorialScript::steps(const QString &lessonId)
{
    const std::optional<Lesson> lesson = Curriculum::lessonById(lessonId);
    return lesson ? Tutorial::steps(*lesson) : QList<TutorialStep>();
}

} // namespace tapalong
