// What the learn map and the home dashboard show of the current explorer's way through the course.
#pragma once

#include "appstore.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

namespace tapalong {

// Read-only: recomputed from the store whenever its data change. Without a store, or while no
// profile is current, it shows a blank explorer (empty name, "🙂", no progress).
class CourseProgress : public QObject {
    Q_OBJECT
    QML_ELEMENT

    Q_PROPERTY(tapalong::AppStore *store READ store WRITE setStore NOTIFY storeChanged)

    // The learn map. One map per unit in course order: id, heading ("🏠  Home Row"), starsText
    // ("⭐️ 7/18") and lessons. One map per lesson: id, title, emoji, newKeysLabel ("F J"),
    // stars, finished, unlocked, isNext, tooltip, and circle, which is "locked", "open",
    // "threeStars" or "finished".
    Q_PROPERTY(QVariantList units READ units NOTIFY updated)

    // The dashboard.
    Q_PROPERTY(QString greeting READ greeting NOTIFY updated)
    Q_PROPERTY(QString subtitle READ subtitle NOTIFY updated)
    Q_PROPERTY(bool streakFlame READ streakFlame NOTIFY updated)
    Q_PROPERTY(QString streakDays READ streakDays NOTIFY updated)
    // Empty once every lesson has a result.
    Q_PROPERTY(QString nextLessonId READ nextLessonId NOTIFY updated)
    Q_PROPERTY(QString continueTitle READ continueTitle NOTIFY updated)
    Q_PROPERTY(QString continueWorld READ continueWorld NOTIFY updated)
    Q_PROPERTY(QString continueAction READ continueAction NOTIFY updated)
    Q_PROPERTY(int finishedCount READ finishedCount NOTIFY updated)
    Q_PROPERTY(int lessonCount READ lessonCount CONSTANT)
    Q_PROPERTY(double finishedFraction READ finishedFraction NOTIFY updated)
    Q_PROPERTY(QString progressText READ progressText NOTIFY updated)
    // Four maps: emoji, value, label, and tint, the name of a Theme colour.
    Q_PROPERTY(QVariantList stats READ stats NOTIFY updated)
    // Every defined badge in order: id, emoji, title, detail, earned.
    Q_PROPERTY(QVariantList badges READ badges NOTIFY updated)
    Q_PROPERTY(QString badgeCountText READ badgeCountText NOTIFY updated)

public:
    explicit CourseProgress(QObject *parent = nullptr);

    AppStore *store() const { return m_store; }
    void setStore(AppStore *store);

    QVariantList units() const { return m_state.units; }
    QString greeting() const { return m_state.greeting; }
    QString subtitle() const { return m_state.subtitle; }
    bool streakFlame() const { return m_state.streakFlame; }
    QString streakDays() const { return m_state.streakDays; }
    QString nextLessonId() const { return m_state.nextLessonId; }
    QString continueTitle() const { return m_state.continueTitle; }
    QString continueWorld() const { return m_state.continueWorld; }
    QString continueAction() const { return m_state.continueAction; }
    int finishedCount() const { return m_state.finishedCount; }
    int lessonCount() const;
    double finishedFraction() const;
    QString progressText() const { return m_state.progressText; }
    QVariantList stats() const { return m_state.stats; }
    QVariantList badges() const { return m_state.badges; }
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
        QVariantList units;
        QString greeting;
        QString subtitle;
        bool streakFlame = false;
        QString streakDays;
        QString nextLessonId;
        QString continueTitle;
        QString continueWorld;
        QString continueAction;
        int finishedCount = 0;
        QString progressText;
        QVariantList stats;
        QVariantList badges;
        QString badgeCountText;

        bool operator==(const State &) const = default;
    };

    static State compute(const Profile &profile);
    void refresh();

    QPointer<AppStore> m_store;
    State m_state;
};

} // namespace tapalong
