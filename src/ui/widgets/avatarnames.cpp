// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "avatarnames.h"

#include <QCoreApplication>

namespace tapalong {

namespace {

struct AvatarName {
    const char16_t *emoji;
    const char *name;
};

// The picker's animals, in its order.
constexpr AvatarName avatarNames[] = {
    {u"🦊", QT_TRANSLATE_NOOP("AvatarNames", "fox")},
    {u"🐼", QT_TRANSLATE_NOOP("AvatarNames", "panda")},
    {u"🦄", QT_TRANSLATE_NOOP("AvatarNames", "unicorn")},
    {u"🐸", QT_TRANSLATE_NOOP("AvatarNames", "frog")},
    {u"🐯", QT_TRANSLATE_NOOP("AvatarNames", "tiger")},
    {u"🐙", QT_TRANSLATE_NOOP("AvatarNames", "octopus")},
    {u"🦖", QT_TRANSLATE_NOOP("AvatarNames", "dinosaur")},
    {u"🐨", QT_TRANSLATE_NOOP("AvatarNames", "koala")},
    {u"🦁", QT_TRANSLATE_NOOP("AvatarNames", "lion")},
    {u"🐷", QT_TRANSLATE_NOOP("AvatarNames", "pig")},
    {u"🐧", QT_TRANSLATE_NOOP("AvatarNames", "penguin")},
    {u"🦉", QT_TRANSLATE_NOOP("AvatarNames", "owl")},
    {u"🐳", QT_TRANSLATE_NOOP("AvatarNames", "whale")},
    {u"🦋", QT_TRANSLATE_NOOP("AvatarNames", "butterfly")},
    {u"🐞", QT_TRANSLATE_NOOP("AvatarNames", "ladybird")},
    {u"🐰", QT_TRANSLATE_NOOP("AvatarNames", "rabbit")},
    {u"🐻", QT_TRANSLATE_NOOP("AvatarNames", "bear")},
    {u"🐵", QT_TRANSLATE_NOOP("AvatarNames", "monkey")},
    {u"🦕", QT_TRANSLATE_NOOP("AvatarNames", "long-necked dinosaur")},
    {u"🦩", QT_TRANSLATE_NOOP("AvatarNames", "flamingo")},
    {u"🐹", QT_TRANSLATE_NOOP("AvatarNames", "hamster")},
    {u"🐢", QT_TRANSLATE_NOOP("AvatarNames", "turtle")},
    {u"🐝", QT_TRANSLATE_NOOP("AvatarNames", "bee")},
    {u"🦈", QT_TRANSLATE_NOOP("AvatarNames", "shark")},
};

} // namespace

QString AvatarNames::nameOf(const QString &avatar)
{
    for (const AvatarName &entry : avatarNames) {
        if (avatar == QStringView(entry.emoji))
            return QCoreApplication::translate("AvatarNames", entry.name);
    }
    return avatar;
}

} // namespace tapalong
