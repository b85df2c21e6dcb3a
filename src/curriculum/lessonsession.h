// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// One attempt at one lesson: the line on screen, the next expected key, the counts and the grade.
#pragma once

#include "curriculum.h"
#include "records.h"

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

#include <optional>
#include <vector>

namespace tapalong {

// Main thread only. The lesson screen owns one per lesson it shows and feeds it every typing
// character; everything it draws (line, cursor, progress, live speed, grade) is read from here.
class LessonSession : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the lesson screen")

    Q_PROPERTY(int drillIndex READ drillIndex NOTIFY drillIndexChanged FINAL)
    Q_PROPERTY(int charIndex READ charIndex NOTIFY charIndexChanged FINAL)
    // The current drill line. Drill lines are ASCII, so each QChar is one character.
    Q_PROPERTY(QString chars READ chars NOTIFY charsChanged FINAL)
    Q_PROPERTY(bool finished READ finished NOTIFY finishedChanged FINAL)
    Q_PROPERTY(int correct READ correct NOTIFY correctChanged FINAL)
    Q_PROPERTY(int wrong READ wrong NOTIFY wrongChanged FINAL)

    // The next expected character, or "" when nothing is expected.
    Q_PROPERTY(QString expected READ expectedText NOTIFY expectedChanged FINAL)
    Q_PROPERTY(int drillCount READ drillCount CONSTANT FINAL)
    Q_PROPERTY(int totalChars READ totalChars CONSTANT FINAL)
    Q_PROPERTY(int typedTotal READ typedTotal NOTIFY typedTotalChanged FINAL)
    Q_PROPERTY(double progress READ progress NOTIFY progressChanged FINAL)
    // Live while typing: it is re-announced with every key, measured to that moment.
    Q_PROPERTY(double wpm READ wpm NOTIFY wpmChanged FINAL)
    Q_PROPERTY(double accuracy READ accuracy NOTIFY accuracyChanged FINAL)
    Q_PROPERTY(int stars READ stars NOTIFY starsChanged FINAL)

public:
    // The clock is not owned and must outlive the session.
    LessonSession(Lesson lesson, const Clock &clock, QObject *parent = nullptr);

    const Lesson &lesson() const { return m_lesson; }
    int drillIndex() const { return m_drillIndex; }
    int charIndex() const { return m_charIndex; }
    QString chars() const { return m_chars; }
    bool finished() const { return m_finished; }
    int correct() const { return m_correct; }
    int wrong() const { return m_wrong; }
    std::optional<Timestamp> startTime() const { return m_startTime; }
    std::optional<Timestamp> endTime() const { return m_endTime; }
    // Every key of this attempt, by the character that was expected.
    const KeyStats &keyStats() const { return m_keyStats; }

    // True when ch was the expected character and was consumed. A wrong key is counted and
    // leaves the cursor where it is; a finished session, or one expecting nothing, ignores it.
    bool handle(QChar ch);
    // For QML: anything but exactly one UTF-16 unit is not a typed character and is ignored.
    Q_INVOKABLE bool handle(const QString &text);
    Q_INVOKABLE void reset();

    std::optional<QChar> expected() const;
    QString expectedText() const;
    int drillCount() const { return int(m_lesson.drills.size()); }
    int totalChars() const { return m_lineStarts.back(); }
    int typedTotal() const;
    double progress() const;
    double wpm() const;      // five correct keys make a word
    double accuracy() const; // percent; 100 before any key
    int stars() const;       // 0 until finished, then 1 to 3
    double elapsedSeconds() const; // from the first key, at least 1; 0 before it

signals:
    void drillIndexChanged();
    void charIndexChanged();
    void charsChanged();
    void finishedChanged();
    void correctChanged();
    void wrongChanged();
    void expectedChanged();
    void typedTotalChanged();
    void progressChanged();
    void wpmChanged();
    void accuracyChanged();
    void starsChanged();

private:
    // The published values as they were before a change, to announce only what moved.
    struct Published {
        int drillIndex;
        int charIndex;
        QString chars;
        bool finished;
        int correct;
        int wrong;
        std::optional<QChar> expected;
        int typedTotal;
        double accuracy;
        int stars;
    };

    Published published() const;
    void announce(const Published &before);
    void completeDrill();
    QString lineAt(int index) const;

    const Lesson m_lesson;
    const Clock &m_clock;
    std::vector<int> m_lineStarts; // characters before each line; the last entry is the total

    int m_drillIndex = 0;
    int m_charIndex = 0;
    QString m_chars;
    bool m_finished = false;
    int m_correct = 0;
    int m_wrong = 0;
    KeyStats m_keyStats;
    std::optional<Timestamp> m_startTime;
    std::optional<Timestamp> m_endTime;
    double m_announcedWpm = 0;
};

} // namespace tapalong
