// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "trickypractice.h"
#include "storebinding.h"

#include "grownupsreport.h"
#include "history.h"
#include "trickykeys.h"

namespace tapalong {

TrickyPractice::TrickyPractice(QObject *parent) : QObject(parent) {}

void TrickyPractice::setStore(AppStore *store)
{
    if (!rebindStore(m_store, store, this, &TrickyPractice::refresh))
        return;
    emit storeChanged();
    refresh();
}

QString TrickyPractice::lessonId() const
{
    return History::trickyLessonId;
}

QString TrickyPractice::keyList(const QString &keys)
{
    QStringList names;
    for (QChar key : keys)
        names.append(GrownupsReport::keyName(key));
    if (names.size() < 2)
        return names.join(QString());
    const QString last = names.takeLast();
    //: The last two keys of a list: "semicolon, K and L"
    return tr("%1 and %2").arg(names.join(tr(", ")), last);
}

void TrickyPractice::refresh()
{
    const Profile *profile = m_store ? m_store->currentProfile() : nullptr;
    const bool available = profile && TrickyKeys::hasTrickyKeys(*profile);
    QString description;
    if (available) {
        const QString keys = TrickyKeys::weakestKeys(*profile);
        description = keys.size() == 1
                          ? tr("A quick drill on %1, the key that trips you up most.")
                                .arg(keyList(keys))
                          : tr("A quick drill on %1, the keys that trip you up most.")
                                .arg(keyList(keys));
    }
    if (available == m_available && description == m_description)
        return;
    m_available = available;
    m_description = description;
    emit updated();
}

} // namespace tapalong
