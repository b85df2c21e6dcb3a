// Lets the Qt Quick tests start each case from an empty household and hear what was played.
#pragma once

#include "appstore.h"
#include "curriculum.h"
#include "recordingsound.h"

#include <QtQml/qqmlregistration.h>

namespace tapalong {

class TestSupport : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(QStringList played READ played)

public:
    // The store under test, set before the first QML file loads.
    static inline AppStore *store = nullptr;
    // What the program's edge played, set up with the store.
    static inline RecordingSoundBackend *sounds = nullptr;

    QStringList played() const { return sounds->played; }
    // No profiles, both settings on, nothing heard yet.
    Q_INVOKABLE void reset()
    {
        store->setData(AppData{});
        sounds->played.clear();
    }
    // Every lesson of the course finished by the current explorer.
    Q_INVOKABLE void finishCourse()
    {
        for (const Lesson &lesson : Curriculum::allLessons())
            store->recordLesson(lesson, 3, 20, 1, 50);
    }
};

} // namespace tapalong
