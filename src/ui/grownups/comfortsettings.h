// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// The grown-ups' choice of one explorer's look: reading font, text size, colours, motion, pace.
#pragma once

#include "appstore.h"

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QtQml/qqmlregistration.h>

#include <functional>

namespace tapalong {

// Reads the explorer's settings from the store and writes each change straight back: there is
// nothing to confirm, and the child's screens follow at once.
class ComfortSettings : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(tapalong::AppStore *store READ store WRITE setStore NOTIFY storeChanged FINAL)
    Q_PROPERTY(QString profileId READ profileId WRITE setProfileId NOTIFY profileChanged FINAL)
    // The ReadingFont and TextSize values as numbers, in the order the panel offers them.
    Q_PROPERTY(int font READ font WRITE setFont NOTIFY settingsChanged FINAL)
    Q_PROPERTY(int textSize READ textSize WRITE setTextSize NOTIFY settingsChanged FINAL)
    Q_PROPERTY(bool safeColours READ safeColours WRITE setSafeColours NOTIFY settingsChanged FINAL)
    Q_PROPERTY(bool calmMotion READ calmMotion WRITE setCalmMotion NOTIFY settingsChanged FINAL)
    Q_PROPERTY(bool gentleGames READ gentleGames WRITE setGentleGames NOTIFY settingsChanged FINAL)
    Q_PROPERTY(bool highContrast READ highContrast WRITE setHighContrast NOTIFY settingsChanged FINAL)

public:
    using QObject::QObject;

    AppStore *store() const { return m_store; }
    void setStore(AppStore *store);
    QString profileId() const { return m_profileId; }
    void setProfileId(const QString &id);

    int font() const { return int(current().font); }
    void setFont(int font);
    int textSize() const { return int(current().textSize); }
    void setTextSize(int size);
    bool safeColours() const { return current().safeColours; }
    void setSafeColours(bool on);
    bool calmMotion() const { return current().calmMotion; }
    void setCalmMotion(bool on);
    bool gentleGames() const { return current().gentleGames; }
    void setGentleGames(bool on);
    bool highContrast() const { return current().highContrast; }
    void setHighContrast(bool on);
    // A reading font at the usual size, for the panel's sample line.
    Q_INVOKABLE static QFont sampleFont(int font, qreal pixelSize);

signals:
    void storeChanged();
    void profileChanged();
    void settingsChanged();

private:
    Comfort current() const;
    void change(const std::function<void(Comfort &)> &edit);
    void refresh();

    QPointer<AppStore> m_store;
    QString m_profileId;
    Comfort m_shown;
};

} // namespace tapalong
