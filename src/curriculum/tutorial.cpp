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

TutorialStep homeRow(const Keyboard &keyboard)
{
    TutorialStep step;
    const QStringList bumps = keyboard.bumpKeys();
    step.text = QCoreApplication::translate(
                    "Tutorial", "Rest your fingers on the glowing HOME ROW.\n"
                                "Feel the little bumps on %1 and %2? Your pointer fingers sit "
                                "right there.")
                    .arg(bumps.value(0), bumps.value(1));
    step.speech = QCoreApplication::translate(
                      "Tutorial", "First, rest your fingers on the home row. "
                                  "Feel the little bumps on %1 and %2? Your pointer fingers "
                                  "sit right there.")
                      .arg(bumps.value(0), bumps.value(1));
    step.extraHighlights = keyboard.homeRow();
    step.emoji = u"\U0001F3E0"_qs;
    return step;
}

std::optional<TutorialStep> newKey(QChar key, const Keyboard &keyboard)
{
    const std::optional<KeyboardLayout::Match> match = keyboard.find(key);
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

// The names of the marks a layout may put under a child's finger. A voice reads a bare mark
// as nothing, or as something else.
std::optional<QString> markName(QChar ch)
{
    struct Mark {
        char16_t ch;
        const char *name;
    };
    static constexpr Mark marks[] = {
        {u':', QT_TRANSLATE_NOOP("Tutorial", "colon")},
        {u'"', QT_TRANSLATE_NOOP("Tutorial", "quotation mark")},
        {u'-', QT_TRANSLATE_NOOP("Tutorial", "minus")},
        {u'_', QT_TRANSLATE_NOOP("Tutorial", "underscore")},
        {u'=', QT_TRANSLATE_NOOP("Tutorial", "equals sign")},
        {u'+', QT_TRANSLATE_NOOP("Tutorial", "plus sign")},
        {u'/', QT_TRANSLATE_NOOP("Tutorial", "slash")},
        {u'\\', QT_TRANSLATE_NOOP("Tutorial", "backslash")},
        {u'|', QT_TRANSLATE_NOOP("Tutorial", "vertical bar")},
        {u'(', QT_TRANSLATE_NOOP("Tutorial", "left parenthesis")},
        {u')', QT_TRANSLATE_NOOP("Tutorial", "right parenthesis")},
        {u'[', QT_TRANSLATE_NOOP("Tutorial", "left bracket")},
        {u']', QT_TRANSLATE_NOOP("Tutorial", "right bracket")},
        {u'{', QT_TRANSLATE_NOOP("Tutorial", "left brace")},
        {u'}', QT_TRANSLATE_NOOP("Tutorial", "right brace")},
        {u'<', QT_TRANSLATE_NOOP("Tutorial", "less-than sign")},
        {u'>', QT_TRANSLATE_NOOP("Tutorial", "greater-than sign")},
        {u'@', QT_TRANSLATE_NOOP("Tutorial", "at sign")},
        {u'#', QT_TRANSLATE_NOOP("Tutorial", "hash sign")},
        {u'$', QT_TRANSLATE_NOOP("Tutorial", "dollar sign")},
        {u'%', QT_TRANSLATE_NOOP("Tutorial", "percent sign")},
        {u'^', QT_TRANSLATE_NOOP("Tutorial", "caret")},
        {u'&', QT_TRANSLATE_NOOP("Tutorial", "ampersand")},
        {u'*', QT_TRANSLATE_NOOP("Tutorial", "asterisk")},
        {u'`', QT_TRANSLATE_NOOP("Tutorial", "grave accent")},
        {u'~', QT_TRANSLATE_NOOP("Tutorial", "tilde")},
        {u'\u00B4', QT_TRANSLATE_NOOP("Tutorial", "acute accent")},
        {u'\u00A8', QT_TRANSLATE_NOOP("Tutorial", "umlaut")},
        {u'\u00A7', QT_TRANSLATE_NOOP("Tutorial", "section sign")},
        {u'\u00B0', QT_TRANSLATE_NOOP("Tutorial", "degree sign")},
        {u'\u00BD', QT_TRANSLATE_NOOP("Tutorial", "one half")},
        {u'\u00A3', QT_TRANSLATE_NOOP("Tutorial", "pound sign")},
        {u'\u20AC', QT_TRANSLATE_NOOP("Tutorial", "euro sign")},
        {u'\u00BA', QT_TRANSLATE_NOOP("Tutorial", "ordinal indicator")},
        {u'\u00AA', QT_TRANSLATE_NOOP("Tutorial", "feminine ordinal indicator")},
        {u'\u00B5', QT_TRANSLATE_NOOP("Tutorial", "micro sign")},
        {u'\u00A1', QT_TRANSLATE_NOOP("Tutorial", "inverted exclamation mark")},
        {u'\u00BF', QT_TRANSLATE_NOOP("Tutorial", "inverted question mark")},
    };
    for (const Mark &mark : marks) {
        if (mark.ch == ch.unicode())
            return QCoreApplication::translate("Tutorial", mark.name);
    }
    return std::nullopt;
}

// A letter with a mark is named by its capital and the mark ("O with umlaut"), so that a voice
// says it the way a child hears it at school; letters of their own have their own names.
std::optional<QString> letterName(QChar ch)
{
    switch (ch.toLower().unicode()) {
    case u'\u00DF':
        //: The German letter ß
        return QCoreApplication::translate("Tutorial", "sharp S");
    case u'\u00F1':
        //: The Spanish letter ñ, a letter of its own that a Spanish child calls "eñe"
        return QCoreApplication::translate("Tutorial", "N with tilde", "the letter");
    case u'\u00E6':
        return QCoreApplication::translate("Tutorial", "A E");
    case u'\u0153':
        return QCoreApplication::translate("Tutorial", "O E");
    case u'\u00F8':
        return QCoreApplication::translate("Tutorial", "O with stroke");
    case u'\u0142':
        return QCoreApplication::translate("Tutorial", "L with stroke");
    case u'\u0111':
        return QCoreApplication::translate("Tutorial", "D with stroke");
    default:
        break;
    }
    const QString decomposed = QString(ch).normalized(QString::NormalizationForm_D);
    if (decomposed.size() != 2 || !decomposed.front().isLetter())
        return std::nullopt;
    const QString base(decomposed.front().toUpper());
    switch (decomposed.at(1).unicode()) {
    case 0x0300:
        return QCoreApplication::translate("Tutorial", "%1 with grave accent").arg(base);
    case 0x0301:
        return QCoreApplication::translate("Tutorial", "%1 with acute accent").arg(base);
    case 0x0302:
        return QCoreApplication::translate("Tutorial", "%1 with circumflex").arg(base);
    case 0x0303:
        return QCoreApplication::translate("Tutorial", "%1 with tilde").arg(base);
    case 0x0308:
        //: "O with umlaut" for ö: a German child calls it O-Umlaut
        return QCoreApplication::translate("Tutorial", "%1 with umlaut").arg(base);
    case 0x030A:
        return QCoreApplication::translate("Tutorial", "%1 with ring").arg(base);
    case 0x030B:
        return QCoreApplication::translate("Tutorial", "%1 with double acute").arg(base);
    case 0x030C:
        return QCoreApplication::translate("Tutorial", "%1 with caron").arg(base);
    case 0x0327:
        return QCoreApplication::translate("Tutorial", "%1 with cedilla").arg(base);
    case 0x0328:
        return QCoreApplication::translate("Tutorial", "%1 with ogonek").arg(base);
    case 0x0307:
        return QCoreApplication::translate("Tutorial", "%1 with dot").arg(base);
    case 0x0306:
        return QCoreApplication::translate("Tutorial", "%1 with breve").arg(base);
    case 0x0304:
        return QCoreApplication::translate("Tutorial", "%1 with macron").arg(base);
    default:
        return std::nullopt;
    }
}

} // namespace

QList<TutorialStep> steps(const Lesson &lesson)
{
    return steps(lesson, KeyboardLayout::active());
}

QList<TutorialStep> steps(const Lesson &lesson, const Keyboard &keyboard)
{
    const QStringView keys = lesson.newKeys;
    QList<TutorialStep> script = {welcome(lesson), homeRow(keyboard)};
    for (QChar key : keys.first(qMin(keys.size(), qsizetype(2)))) {
        if (std::optional<TutorialStep> step = newKey(key, keyboard))
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
        break;
    }
    if (const std::optional<QString> name = markName(ch))
        return *name;
    if (const std::optional<QString> name = letterName(ch))
        return *name;
    return QString(ch.toUpper());
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
