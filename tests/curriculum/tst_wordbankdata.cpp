// Guards the shape of the three fixed text lists the drill builders and games draw from.
#include "wordbankdata.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <algorithm>

using namespace tapalong;

class TestWordBankData : public QObject {
    Q_OBJECT

private slots:
    void listsAreDistinctAndShaped_data()
    {
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("shape");
        QTest::addColumn<int>("minLength");
        QTest::addColumn<int>("maxLength");
        QTest::newRow("words") << WordBankData::words() << 650 << u"^[a-z]+$"_qs << 3 << 8;
        // Words of letters joined by single spaces: no stray, doubled or edge spaces.
        QTest::newRow("phrases") << WordBankData::easyPhrases() << 60 << u"^[a-z]+( [a-z]+)*$"_qs
                                 << 33 << 45;
        QTest::newRow("sentences") << WordBankData::sentences() << 90
                                   << u"^[A-Z][A-Za-z']*( [A-Za-z']+)*[.!?]$"_qs << 35 << 48;
    }

    void listsAreDistinctAndShaped()
    {
        QFETCH(QStringList, list);
        QFETCH(QString, shape);
        QFETCH(int, minLength);
        QFETCH(int, maxLength);
        QTEST(int(list.size()), "size");
        QCOMPARE(QSet<QString>(list.cbegin(), list.cend()).size(), list.size());
        const QRegularExpression pattern(shape);
        for (const QString &entry : list) {
            QVERIFY2(pattern.match(entry).hasMatch(), qPrintable(entry));
            QVERIFY2(entry.size() >= minLength && entry.size() <= maxLength, qPrintable(entry));
        }
    }

    void wordsAreSorted()
    {
        const QStringList &words = WordBankData::words();
        QVERIFY(std::is_sorted(words.cbegin(), words.cend()));
    }
};

QTEST_APPLESS_MAIN(TestWordBankData)
#include "tst_wordbankdata.moc"
