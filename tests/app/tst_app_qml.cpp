// Runs the Qt Quick tests of the picker, the sheet and the navigation against the statically
// linked modules, with a store of its own in a temporary folder.
#include "appstore.h"
#include "testsupport.h"

#include <QQmlEngine>
#include <QTemporaryDir>
#include <QtQml/qqmlextensionplugin.h>
#include <QtQuickTest>

#include <memory>

Q_IMPORT_QML_PLUGIN(Tapalong_AppPlugin)
Q_IMPORT_QML_PLUGIN(Tapalong_UiPlugin)
Q_IMPORT_QML_PLUGIN(Tapalong_StorePlugin)

namespace tapalong {

void TestSupport::reset()
{
    store->setData(AppData{});
    m_sounds.played.clear();
}

} // namespace tapalong

class Setup : public QObject {
    Q_OBJECT

public:
    Setup()
        : m_store(std::make_unique<tapalong::AppStore>(
              tapalong::SaveFile(m_dir.filePath(QStringLiteral("tapalong.json")))))
    {
        tapalong::AppStore::setInstance(m_store.get());
        tapalong::TestSupport::store = m_store.get();
    }

public slots:
    void qmlEngineAvailable(QQmlEngine *engine)
    {
        // Where the static modules keep their qmldir; Qt 6.4 does not look there by itself.
        engine->addImportPath(QStringLiteral("qrc:/qt/qml"));
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<tapalong::AppStore> m_store;
};

QUICK_TEST_MAIN_WITH_SETUP(tst_app_qml, Setup)

#include "tst_app_qml.moc"
