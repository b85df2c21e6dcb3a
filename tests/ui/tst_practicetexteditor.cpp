// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// The grown-ups' side of texts from home: files read only as UTF-8 text, the draft's choices
// shown before saving, and the limit said in a sentence.
#include "appstore.h"
#include "practicetexteditor.h"
#include "practicetexts.h"

#include <QTemporaryDir>
#include <QTest>

using namespace tapalong;

class PracticeTextEditorTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    QString write(const QString &name, const QByteArray &bytes)
    {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly))
            return {};
        file.write(bytes);
        return file.fileName();
    }

private slots:
    void onlyPlainUtf8TextIsRead_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text"); // empty: refused
        QTest::newRow("utf-8") << QByteArray("Gr\xc3\xbc\xc3\x9f dich\n") << QStringLiteral("Grüß dich\n");
        QTest::newRow("with a byte-order mark") << QByteArray("\xef\xbb\xbfhi") << QStringLiteral("hi");
        QTest::newRow("latin-1") << QByteArray("Gr\xfc\xdf dich") << QString();
        QTest::newRow("a NUL byte") << QByteArray("ab\0cd", 5) << QString();
        QTest::newRow("too big") << QByteArray(PracticeTextEditor::maxFileBytes + 1, 'a') << QString();
    }

    void onlyPlainUtf8TextIsRead()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        const auto read = PracticeTextEditor::readFile(write(QStringLiteral("t.txt"), bytes));
        QCOMPARE(read.text, text);
        QCOMPARE(read.problem.isEmpty(), !text.isEmpty());
        QCOMPARE(PracticeTextEditor::readFile(dir.filePath(QStringLiteral("none"))).problem.isEmpty(), false);
    }

    void aDraftShowsItsChangesAndSavesForTheChosenExplorer()
    {
        AppStore store(SaveFile(dir.filePath(QStringLiteral("tapalong.json"))));
        store.addProfile(QStringLiteral("Mia"), QStringLiteral("🦊"));
        store.addProfile(QStringLiteral("Leo"), QStringLiteral("🐯"));
        const Profile mia = store.data().profiles.front();
        PracticeTextEditor editor;
        editor.setStore(&store);
        editor.setProfileId(mia.id.toString(QUuid::WithoutBraces));

        editor.setDraft(QStringLiteral("It’s sunny 🙂\u0007"));
        QCOMPARE(editor.untypeable().size(), 2);
        QVERIFY(editor.untypeable()[0].replaceable);
        QVERIFY(!editor.untypeable()[0].dropped);
        QVERIFY(editor.untypeable()[1].dropped);
        QVERIFY(editor.notes().contains(QStringLiteral("1 invisible control character")));
        QCOMPARE(editor.result(), QStringLiteral("It's sunny"));
        editor.toggle(QStringLiteral("’"));
        QCOMPARE(editor.result(), QStringLiteral("Its sunny"));

        QVERIFY(editor.save());
        QVERIFY(!editor.failed());
        QCOMPARE(editor.draft(), QString());
        QCOMPARE(store.data().profiles.front().practiceTexts.front().text, QStringLiteral("Its sunny"));
        QVERIFY(store.data().profiles.back().practiceTexts.isEmpty());
        QCOMPARE(editor.texts().size(), 1);

        for (int i = 1; i < PracticeTexts::maxTexts; ++i)
            store.addPracticeText(mia.id, QStringLiteral("text"));
        editor.setDraft(QStringLiteral("one more"));
        QVERIFY(!editor.save());
        QVERIFY(editor.failed());
        QVERIFY(editor.message().contains(QStringLiteral("Mia already has 20 texts")));
    }
};

QTEST_GUILESS_MAIN(PracticeTextEditorTest)
#include "tst_practicetexteditor.moc"
