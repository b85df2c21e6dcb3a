// Runs the Qt Quick tests of the shared widgets against the statically linked Tapalong.Ui.
#include "appstore.h"
#include "curriculum.h"
#include "uitestsupport.h"

#include <QQmlEngine>
#include <QTemporaryDir>
#include <QtQml/qqmlextensionplugin.h>
#include <QtQuickTest>

#include <memory>

Q_IMPORT_QML_PLUGIN(Tapalong_UiPlugin)
Q_IMPORT_QML_PLUGIN(Tapalong_StorePlugin)
Q_IMPORT_QML_PLUGIN(Tapalong_CurriculumPlugin)

namespace tapalong {

void UiTestSupport::reset()
{
    store->setData(AppData{});
    m_sounds.played.clear();
}

void UiTestSupport::recordGame(const QString &game, int score)
{
    if (const auto kind = gameKindFromRawValue(game))
        store->recordGame(*kind, score, std::nullopt, score);
}

void UiTestSupport::finishLesson(const QString &lessonId, int stars, double wpm)
{
    if (const auto lesson = Curriculum::lessonById(lessonId))
        store->recordLesson(*lesson, stars, wpm, 95, 40);
}

} // namespace tapalong

class Setup : public QObject {
    Q_OBJECT

public slots:
    void qmlEngineAvailable(QQmlEngine *engine)
    {
        // Where the static module keeps its qmldir; Qt 6.4 does not look there by itself.
        engine->addImportPath(QStringLiteral("qrc:/qt/qml"));
        // The screens read the one store; here it starts empty, in a folder of its own.
        if (!m_store) {
            m_store = std::make_unique<tapalong::AppStore>(
                tapalong::SaveFile(m_dir.filePath(QStringLiteral("tapalong.json"))));
            tapalong::AppStore::setInstance(m_store.get());
            tapalong::UiTestSupport::store = m_store.get();
        }
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<tapalong::AppStore> m_store;
};

QUICK_TEST_MAIN_WITH_SETUP(tst_ui_qml, Setup)

#include "tst_ui_qml.moc"
