// Guards the shape of the three fixed text lists the drill builders index into.
#include "wordbankdata.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace tapalong;

namespace {

bool allDistinct(const QStringList &list)
{
    return QSet<QString>(list.cbegin(), list.cend()).size() == list.size();
}

} // namespace

class TestWordBankData : public QObject {
    Q_OBJECT

private slots:
    void wordsAreDistinctSortedAndShort();
    void easyPhrasesAreLowerCaseWithinLength();
    void sentencesAreSingleLinesWithinLength();
};

void TestWordBankData::wordsAreDistinctSortedAndShort()
{
    const QStringList &words = WordBankData::words();
    QCOMPARE(words.size(), 650);
    QCOMPARE(words.first(), QStringLiteral("add"));
    QCOMPARE(words.last(), QStringLiteral("zoo"));

    static const QRegularExpression shape(QStringLiteral("^[a-z]{3,8}$"));
    for (qsizetype i = 0; i < words.size(); ++i) {
        QVERIFY2(shape.match(words[i]).hasMatch(), qPrintable(words[i]));
        // Strictly increasing: sorted and distinct in one check.
        if (i > 0)
            QVERIFY2(words[i - 1] < words[i], qPrintable(words[i]));
    }
}

void TestWordBankData::easyPhrasesAreLowerCaseWithinLength()
{
    const QStringList &phrases = WordBankData::easyPhrases();
    QCOMPARE(phrases.size(), 60);
    QCOMPARE(phrases[0], QStringLiteral("the happy frog jumps over the log"));
    QCOMPARE(phrases[1], QStringLiteral("my cat naps in the warm sun all day"));
    QVERIFY(allDistinct(phrases));

    // Words of letters joined by single spaces: no stray, doubled or edge spaces.
    static const QRegularExpression shape(QStringLiteral("^[a-z]+( [a-z]+)*$"));
    for (const QString &phrase : phrases) {
        QVERIFY2(shape.match(phrase).hasMatch(), qPrintable(phrase));
        QVERIFY2(phrase.size() >= 33 && phrase.size() <= 45, qPrintable(phrase));
    }
}

void TestWordBankData::sentencesAreSingleLinesWithinLength()
{
    const QStringList &sentences = WordBankData::sentences();
    QCOMPARE(sentences.size(), 90);
    QCOMPARE(sentences[0], QStringLiteral("The tiny robot loves to dance all night!"));
    QCOMPARE(sentences[30], QStringLiteral("The penguin slid down the icy hill on its belly."));
    QCOMPARE(sentences[83], QStringLiteral("The dinosaur museum had a giant fossil display."));
    QVERIFY(allDistinct(sentences));

    static const QRegularExpression shape(QStringLiteral("^[A-Z][A-Za-z']*( [A-Za-z']+)*[.!?]$"));
    int overLong = 0;
    for (const QString &sentence : sentences) {
        QVERIFY2(shape.match(sentence).hasMatch(), qPrintable(sentence));
        QVERIFY2(sentence.size() >= 35 && sentence.size() <= 48, qPrintable(sentence));
        if (sentence.size() >= 47)
            ++overLong;
    }
    // Sentences this long are cut when shown as a drill line; exactly eight are meant to be.
    QCOMPARE(overLong, 8);
}

QTEST_APPLESS_MAIN(TestWordBankData)
#include "tst_wordbankdata.moc"
