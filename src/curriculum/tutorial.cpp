#include "tutorial.h"

namespace tapalong {

namespace Tutorial {

namespace {

TutorialStep welcome(const Lesson &lesson)
{
    TutorialStep step;
    const QString title = lesson.title;
    if (lesson.newKeys.isEmpty()) {
        step.text =
            u"Welcome to "_qs + title + u"!\nA practice adventure with keys you already know."_qs;
        step.speech = u"Welcome to "_qs + title +
                      u"! This one is all about practicing keys you already know."_qs;
    } else {
        const QString names = listNames(lesson.newKeys);
        step.text =
            u"Welcome to "_qs + title + u"!\nToday your fingers learn "_qs + names + u"."_qs;
        step.speech =
            u"Welcome to "_qs + title + u"! Today your fingers will learn "_qs + names + u"."_qs;
    }
    step.emoji = lesson.emoji;
    return step;
}

TutorialStep homeRow()
{
    TutorialStep step;
    step.text = u"Rest your fingers on the glowing HOME ROW.\n"
                u"Feel the little bumps on F and J? Your pointer fingers sit right there."_qs;
    step.speech = u"First, rest your fingers on the home row. "
                  u"Feel the little bumps on F and J? Your pointer fingers sit right there."_qs;
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
    step.text = u"This is "_qs + name + u"!\nPress it with your "_qs + fingerName(finger) +
                u" \u2014 try it right now!"_qs;
    step.speech = u"This is the "_qs + name + u" key. Press it with your "_qs + fingerName(finger) +
                  u". Try it now!"_qs;
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
    step.text = u"You'll also meet "_qs + names +
                u".\nSame trick: reach out from the home row, then hop right back!"_qs;
    step.speech = u"You will also meet "_qs + names +
                  u". Same trick \u2014 reach out from the home row, then hop right back."_qs;
    step.extraHighlights = keys.toString();
    step.emoji = u"\u2728"_qs;
    return step;
}

TutorialStep go()
{
    TutorialStep step;
    step.text = u"Type each letter when it glows.\n"
                u"Take your time \u2014 happy fingers first, speedy fingers later!"_qs;
    step.speech = u"Now type each letter when it glows. Take your time. "
                  u"Happy fingers first, speedy fingers later. Ready? Let's go!"_qs;
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
        return u"semicolon"_qs;
    case u',':
        return u"comma"_qs;
    case u'.':
        return u"period"_qs;
    case u'\'':
        return u"apostrophe"_qs;
    case u'!':
        return u"exclamation mark"_qs;
    case u'?':
        return u"question mark"_qs;
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
    return names.join(u", "_qs) + u" and "_qs + last;
}

} // namespace Tutorial

QList<TutorialStep> TutorialScript::steps(const QString &lessonId)
{
    const std::optional<Lesson> lesson = Curriculum::lessonById(lessonId);
    return lesson ? Tutorial::steps(*lesson) : QList<TutorialStep>();
}

QString TutorialScript::charName(const QString &ch)
{
    return ch.size() == 1 ? Tutorial::charName(ch.front()) : ch.toUpper();
}

} // namespace tapalong
