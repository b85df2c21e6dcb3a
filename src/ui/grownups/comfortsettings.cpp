// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "comfortsettings.h"

#include "storebinding.h"
#include "theme.h"

#include <QUuid>

namespace tapalong {

void ComfortSettings::setStore(AppStore *store)
{
    if (!rebindStore(m_store, store, this, &ComfortSettings::refresh))
        return;
    emit storeChanged();
    refresh();
}

void ComfortSettings::setProfileId(const QString &id)
{
    if (id == m_profileId)
        return;
    m_profileId = id;
    emit profileChanged();
    refresh();
}

Comfort ComfortSettings::current() const
{
    if (!m_store)
        return {};
    const QUuid id = QUuid::fromString(m_profileId);
    for (const Profile &profile : m_store->data().profiles)
        if (profile.id == id)
            return profile.comfort;
    return {};
}

void ComfortSettings::change(const std::function<void(Comfort &)> &edit)
{
    if (!m_store)
        return;
    Comfort comfort = current();
    edit(comfort);
    m_store->setComfort(QUuid::fromString(m_profileId), comfort);
}

void ComfortSettings::refresh()
{
    const Comfort now = current();
    if (now == m_shown)
        return;
    m_shown = now;
    emit settingsChanged();
}

QFont ComfortSettings::sampleFont(int font, qreal pixelSize)
{
    Look look;
    if (font >= int(ReadingFont::rounded) && font <= int(ReadingFont::openDyslexic))
        look.comfort.font = ReadingFont(font);
    return look.glyph(pixelSize, QFont::DemiBold);
}

void ComfortSettings::setFont(int font)
{
    if (font < int(ReadingFont::rounded) || font > int(ReadingFont::openDyslexic))
        return;
    change([&](Comfort &c) { c.font = ReadingFont(font); });
}

void ComfortSettings::setTextSize(int size)
{
    if (size < int(TextSize::normal) || size > int(TextSize::larger))
        return;
    change([&](Comfort &c) { c.textSize = TextSize(size); });
}

void ComfortSettings::setSafeColours(bool on)
{
    change([&](Comfort &c) { c.safeColours = on; });
}

void ComfortSettings::setCalmMotion(bool on)
{
    change([&](Comfort &c) { c.calmMotion = on; });
}

void ComfortSettings::setGentleGames(bool on)
{
    change([&](Comfort &c) { c.gentleGames = on; });
}

void ComfortSettings::setHighContrast(bool on)
{
    change([&](Comfort &c) { c.highContrast = on; });
}

} // namespace tapalong
