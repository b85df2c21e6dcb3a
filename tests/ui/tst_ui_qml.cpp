// Runs the Qt Quick tests of the shared widgets against the statically linked Tapalong.Ui.
#include <QQmlEngine>
#include <QtQml/qqmlextensionplugin.h>
#include <QtQuickTest>

Q_IMPORT_QML_PLUGIN(Tapalong_UiPlugin)

class Setup : public QObject {
    Q_OBJECT

public slots:
    void qmlEngineAvailable(QQmlEngine *engine)
    {
        // Where the static module keeps its qmldir; Qt 6.4 does not look there by itself.
        engine->addImportPath(QStringLiteral("qrc:/qt/qml"));
    }
};

QUICK_TEST_MAIN_WITH_SETUP(tst_ui_qml, Setup)

#include "tst_ui_qml.moc"
