// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "hometexts.h"
#include "storebinding.h"

#include "textcheck.h"

namespace tapalong {

QList<HomeText> HomeText::of(const Profile &profile)
{
    QList<HomeText> list;
    for (const PracticeText &text : profile.practiceTexts)
        list.append({text.id.toString(QUuid::WithoutBraces).toUpper(),
                     TextCheck::lessonIdFor(text.id), TextCheck::preview(text.text)});
    return list;
}

HomeTexts::HomeTexts(QObject *parent) : QObject(parent) {}

void HomeTexts::setStore(AppStore *store)
{
    if (!rebindStore(m_store, store, this, &HomeTexts::refresh))
        return;
    emit storeChanged();
    refresh();
}

void HomeTexts::refresh()
{
    const Profile *profile = m_store ? m_store->currentProfile() : nullptr;
    QList<HomeText> texts = profile ? HomeText::of(*profile) : QList<HomeText>();
    if (texts == m_texts)
        return;
    m_texts = std::move(texts);
    emit updated();
}

} // namespace tapalong
