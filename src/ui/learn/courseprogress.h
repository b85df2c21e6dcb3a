// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// What the learn map and the home dashboard show of the current explorer's way through the course.
#pragma once

#include "appstore.h"

#include <QColor>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QtQml/qqmlregistration.h>

namespace tapalong {

// One lesson's bubble on the learn map.
struct MapLesson {
    Q_GADGET
    QML_VALUE_TYPE(mapLesson)
    Q_PROPERTY(QString id MEMBER id)
    Q_PROPERTY(QString title MEMBER title)
    Q_PROPERTY(QString emoji MEMBER emoji)
    // "F J"
    Q_PROPERTY(QString newKeysLabel MEMBER newKeysLabel)
    Q_PROPERTY(int stars MEMBER stars)
    Q_PROPERTY(bool finished MEMBER finished)
    Q_PROPERTY(bool unlocked MEMBER unlocked)
    Q_PROPERTY(bool isNext MEMBER isNext)
    Q_PROPERTY(QString tooltip MEMBER tooltip)
    // The fill of the bubble's circle, which follows `circle`.
    Q_PROPERTY(QColor circleColor MEMBER circleColor)

public:
    enum class Circle { locked, open, threeStars, finished };
    Q_ENUM(Circle)

    QString id;
    QString title;
    QString emoji;
    QString newKeysLabel;
    int stars = 0;
    bool finished = false;
    bool unlocked = false;
    bool isNext = false;
    QString tooltip;
    Circle circle = Circle::locked;
    QColor circleColor;

    bool operator==(const MapLesson &) const = default;
};

// One unit's card on the learn map.
struct MapUnit {
    Q_GADGET
    QML_VALUE_TYPE(mapUnit)
    Q_PROPERTY(QString id MEMBER id)
    // "🏠  Home Row"
    Q_PROPERTY(QString heading MEMBER heading)
    // "⭐️ 7/18"
    Q_PROPERTY(QString starsText MEMBER starsText)
    Q_PROPERTY(QList<tapalong::MapLesson> lessons MEMBER lessons)

public:
    QString id;
    QString heading;
    QString starsText;
    QList<MapLesson> lessons;

    bool operator==(const MapUnit &) const = default;
};

// One figure card of the dashboard.
struct DashboardStat {
    Q_GADGET
    QML_VALUE_TYPE(dashboardStat)
    Q_PROPERTY(QString emoji MEMBER emoji)
    Q_PROPERTY(QString value MEMBER value)
    Q_PROPERTY(QString label MEMBER label)
    Q_PROPERTY(QColor tint MEMBER tint)

public:
    QString emoji;
    QString value;
    QString label;
    QColor tint;

    bool operator==(const DashboardStat &) const = default;
};

// One chip of a badge shelf, lit once earned.
struct ShelfBadge {
    Q_GADGET
    QML_VALUE_TYPE(shelfBadge)
    Q_PROPERTY(QString id MEMBER id)
    Q_PROPERTY(QString emoji MEMBER emoji)
    Q_PROPERTY(QString title MEMBER title)
    Q_PROPERTY(QString detail MEMBER detail)
    Q_PROPERTY(bool earned MEMBER earned)

public:
    QString id;
    QString emoji;
    QString title;
    QString detail;
    bool earned = false;

    bool operator==(const ShelfBadge &) const = default;
};

// Read-only: recomputed from the store whenever its data change. Without a store, or while no
// profile is current, it shows a blank explorer (empty name, "🙂", no progress).
// More properties than a view model usually needs: two screens read it, and each is one
// figure of the same profile, recomputed together and announced by the one `updated`.
class CourseProgress : public QObject {
    Q_OBJECT
    QML_ELEMENT

    Q_PROPERTY(tapalong::AppStore *store READ store WRITE setStore NOTIFY storeChanged)

    // The learn map, its units in course order.
    Q_PROPERTY(QList<tapalong::MapUnit> units READ units NOTIFY updated)

    // The dashboard.
    Q_PROPERTY(QString greeting READ greeting NOTIFY updated)
    Q_PROPERTY(QString subtitle READ subtitle NOTIFY updated)
    Q_PROPERTY(bool streakFlame READ streakFlame NOTIFY updated)
    Q_PROPERTY(QString streakDays READ streakDays NOTIFY updated)
    // Empty once every lesson has a result.
    Q_PROPERTY(QString nextLessonId READ nextLessonId NOTIFY updated)
    Q_PROPERTY(QString continueTitle READ continueTitle NOTIFY updated)
    // What a screen reader says for the continue button: the lesson's title without its emoji.
    Q_PROPERTY(QString continueName READ continueName NOTIFY updated)
    Q_PROPERTY(QString continueWorld READ continueWorld NOTIFY updated)
    Q_PROPERTY(QString continueAction READ continueAction NOTIFY updated)
    Q_PROPERTY(int finishedCount READ finishedCount NOTIFY updated)
    Q_PROPERTY(int lessonCount READ lessonCount CONSTANT)
    Q_PROPERTY(double finishedFraction READ finishedFraction NOTIFY updated)
    Q_PROPERTY(QString progressText READ progressText NOTIFY updated)
    // Four figures: stars, best speed, keys typed, day streak.
    Q_PROPERTY(QList<tapalong::DashboardStat> stats READ stats NOTIFY updated)
    // Every defined badge in order.
    Q_PROPERTY(QList<tapalong::ShelfBadge> badges READ badges NOTIFY updated)
    Q_PROPERTY(QString badgeCountText READ badgeCountText NOTIFY updated)

public:
    explicit CourseProgress(QObject *parent = nullptr);

    AppStore *store() const { return m_store; }
    void setStore(AppStore *store);

    QList<MapUnit> units() const { return m_state.units; }
    QString greeting() const { return m_state.greeting; }
    QString subtitle() const { return m_state.subtitle; }
    bool streakFlame() const { return m_state.streakFlame; }
    QString streakDays() const { return m_state.streakDays; }
    QString nextLessonId() const { return m_state.nextLessonId; }
    QString continueTitle() const { return m_state.continueTitle; }
    QString continueName() const { return m_state.continueName; }
    QString continueWorld() const { return m_state.continueWorld; }
    QString continueAction() const { return m_state.continueAction; }
    int finishedCount() const { return m_state.finishedCount; }
    int lessonCount() const;
    double finishedFraction() const;
    QString progressText() const { return m_state.progressText; }
    QList<DashboardStat> stats() const { return m_state.stats; }
    QList<ShelfBadge> badges() const { return m_state.badges; }
    QString badgeCountText() const { return m_state.badgeCountText; }

    // A plain count up to 9999, then thousands with one decimal: 12345 is "12.3k".
    static QString keysTypedText(qint64 keys);
    // Upper-case keys joined by spaces, the space bar as ␣: "a;" is "A ;".
    static QString newKeysLabel(const QString &keys);

signals:
    void storeChanged();
    void updated();

private:
    struct State {
        QList<MapUnit> units;
        QString greeting;
        QString subtitle;
        bool streakFlame = false;
        QString streakDays;
        QString nextLessonId;
        QString continueTitle;
        QString continueName;
        QString continueWorld;
        QString continueAction;
        int finishedCount = 0;
        QString progressText;
        QList<DashboardStat> stats;
        QList<ShelfBadge> badges;
        QString badgeCountText;

        bool operator==(const State &) const = default;
    };

    static State compute(const Profile &profile);
    void refresh();

    QPointer<AppStore> m_store;
    State m_state;
};

} // namespace tapalong
