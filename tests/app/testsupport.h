// Lets the Qt Quick tests start each case from an empty household and hear what was played.
#pragma once

#include "recordingsound.h"

#include <QObject>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

class QJSEngine;
class QQmlEngine;

namespace tapalong {

class AppStore;

class TestSupport : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

    Q_PROPERTY(QStringList played READ played)

public:
    static TestSupport *create(QQmlEngine *, QJSEngine *) { return new TestSupport; }

    // The store under test, set before the first QML file loads.
    static inline AppStore *store = nullptr;

    QStringList played() const { return m_sounds.played; }
    // No profiles, both settings on, nothing heard yet.
    Q_INVOKABLE void reset();

private:
    RecordingSoundBackend m_sounds;
};

} // namespace tapalong
