// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Guards the report and the certificates on paper: what a grown-up reads in them (read back
// with pdftotext) and which units offer a certificate.
#include "appstore.h"
#include "curriculum.h"
#include "printouts.h"
#include "reportpdf.h"
#include "translation.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace tapalong;

namespace {

Timestamp at(const char *localIso)
{
    return Timestamp::fromDateTime(QDateTime::fromString(QString::fromLatin1(localIso), Qt::ISODate));
}

// Every lesson of the first unit done, the last on 3 December; one lesson of the second.
Profile mia()
{
    Profile profile;
    profile.id = QUuid::createUuid();
    profile.name = QStringLiteral("Mia");
    profile.avatar = QStringLiteral("🦊");
    const LearningUnit &first = Curriculum::units().at(0);
    for (int i = 0; i < first.lessons.size(); ++i) {
        profile.lessonResults.insert(first.lessons[i].id,
                                     {2, 9, 92, at(i == 1 ? "2026-12-03T17:00:00" : "2026-12-01T10:00:00")});
    }
    profile.lessonResults.insert(Curriculum::units().at(1).lessons.at(0).id,
                                 {3, 12, 97, at("2026-12-05T10:00:00")});
    PracticeEntry entry;
    entry.date = at("2026-12-05T10:00:00");
    entry.lessonId = first.lessons.at(0).id;
    entry.wpm = 9;
    entry.accuracy = 92;
    entry.seconds = 120;
    profile.history << entry;
    profile.keyStats[u'j'] = {65, 29, {{u'h', 25}, {u'k', 4}}};
    profile.keyStats[u'f'] = {94, 0, {}};
    profile.badges.insert(QStringLiteral("first_lesson"), at("2026-12-01T10:00:00"));
    return profile;
}

// The PDF's text with every run of white space made one space, as pdftotext lays it out.
QString pdfText(const QString &path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    if (!process.waitForFinished(10000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput()).simplified();
}

int pages(const QString &path)
{
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {path});
    process.waitForFinished(10000);
    const QString info = QString::fromUtf8(process.readAllStandardOutput());
    const auto match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

} // namespace

class TestReportPdf : public QObject {
    Q_OBJECT

private slots:
    // English's plural forms come from its catalogue, as in the program.
    void initTestCase() { installTranslation(QStringLiteral("en")); }

    void reportNamesTheChildAndTheTrickiestKeyOnTwoPages()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("report.pdf"));
        QVERIFY(ReportPdf::writeReport(path, mia(), QDate(2026, 12, 7)));
        const QString text = pdfText(path);
        QVERIFY2(text.contains(QStringLiteral("Mia's typing report")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("Trickiest keys: J (31% missed, often H)")),
                 qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("they often type H for J")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("First Steps")), qPrintable(text)); // a badge, on page two
        QCOMPARE(pages(path), 2);
        // Singular and plural read right in English, with no catalogue behind them.
        QVERIFY2(text.contains(QStringLiteral("2 minutes in the last four weeks.")), qPrintable(text));
        QVERIFY2(!text.contains(QStringLiteral("(s)")), qPrintable(text));
    }

    void certificateNamesTheChildTheUnitAndTheDayItWasFinished()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("certificate.pdf"));
        const LearningUnit &first = Curriculum::units().at(0);
        QVERIFY(ReportPdf::writeCertificate(path, mia(), first));
        const QString text = pdfText(path);
        QVERIFY2(text.contains(QStringLiteral("Mia")), qPrintable(text));
        QVERIFY2(text.contains(first.title), qPrintable(text));
        // The latest of the unit's lessons, not the first.
        QVERIFY2(text.contains(QLocale().toString(QDate(2026, 12, 3), QLocale::LongFormat)),
                 qPrintable(text));
        QCOMPARE(pages(path), 1);
    }

    void unitNotFinishedOffersNoCertificate()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("certificate.pdf"));
        QVERIFY(!ReportPdf::writeCertificate(path, mia(), Curriculum::units().at(1)));
        QVERIFY(!QFile::exists(path));

        const SystemClock clock;
        AppStore store{SaveFile(dir.filePath(QStringLiteral("tapalong.json"))), clock};
        AppData data;
        data.profiles << mia();
        store.setData(data);
        Printouts printouts;
        printouts.setStore(&store);
        QCOMPARE(printouts.finishedUnits().size(), 1);
        QCOMPARE(printouts.finishedUnits().at(0).id, Curriculum::units().at(0).id);
        QVERIFY(!printouts.saveCertificate(Curriculum::units().at(1).id, QUrl::fromLocalFile(path)));
        QVERIFY(!printouts.busy());
    }

    void savingWritesOffTheDrawingThreadAndReportsAFolderThatRefuses()
    {
        QTemporaryDir dir;
        const SystemClock clock;
        AppStore store{SaveFile(dir.filePath(QStringLiteral("tapalong.json"))), clock};
        AppData data;
        data.profiles << mia();
        store.setData(data);
        Printouts printouts;
        printouts.setStore(&store);
        QSignalSpy done(&printouts, &Printouts::busyChanged);

        const QUrl file = QUrl::fromLocalFile(dir.filePath(QStringLiteral("mia.pdf")));
        QVERIFY(printouts.saveReport(file));
        QVERIFY(printouts.busy());
        QVERIFY(!printouts.saveReport(file)); // one at a time
        QTRY_VERIFY(!printouts.busy());
        QVERIFY(!printouts.failed());
        QCOMPARE(printouts.savedFile(), file);
        QVERIFY(pdfText(file.toLocalFile()).contains(QStringLiteral("Mia")));

        // A failure is said as one, and "Print…" keeps the file that was saved.
        const QUrl nowhere = QUrl::fromLocalFile(dir.filePath(QStringLiteral("no/such/folder/x.pdf")));
        QVERIFY(printouts.saveReport(nowhere));
        QTRY_VERIFY(!printouts.busy());
        QVERIFY(printouts.failed());
        QCOMPARE(printouts.savedFile(), file);
    }
};

QTEST_MAIN(TestReportPdf)
#include "tst_reportpdf.moc"
