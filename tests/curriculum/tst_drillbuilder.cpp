// Guards the generator and the drill builders: every lesson's lines depend on them draw for draw.
#include "drillbuilder.h"
#include "seededrng.h"
#include "wordbank.h"
#include "wordbankdata.h"

#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <numeric>

using namespace tapalong;

namespace {

// How many next() values the generator has used since it held seed (capped, so that a state
// the stream never reaches cannot hang the test).
quint64 drawsSince(quint64 seed, const SeededRNG &rng)
{
    quint64 count = 0;
    for (quint64 s = seed; s != rng.state && count < 1'000'000; s += 0x9e3779b97f4a7c15ULL)
        ++count;
    return count;
}

} // namespace

class DrillBuilderTest : public QObject {
    Q_OBJECT

private slots:
    void splitMixMatchesTheReferenceStream()
    {
        SeededRNG rng(0);
        QCOMPARE(rng.next(), 0xe220a8397b1dcdafULL);
        QCOMPARE(rng.next(), 0x6e789e6aa1b965f4ULL);
        QCOMPARE(rng.next(), 0x06c45d188009454fULL);
    }

    void boundedDrawIsTheHighWordAndRedrawsTheBiasedBand()
    {
        SeededRNG rng(7);
        SeededRNG raw(7);
        for (int i = 0; i < 100; ++i)
            QCOMPARE(rng.next(8), raw.next() >> 61);

        // Just above 2^63 about half the draws fall in the biased band and must be redrawn.
        const quint64 bound = (quint64(1) << 63) + 1;
        SeededRNG large(2024);
        for (int i = 0; i < 1000; ++i)
            QVERIFY(large.next(bound) < bound);
        const quint64 used = drawsSince(2024, large);
        QVERIFY(used > 1500 && used < 2500);
    }

    void rangesHoldBothEnds()
    {
        SeededRNG rng(11);
        QSet<qint64> seen;
        for (int i = 0; i < 500; ++i) {
            const qint64 value = rng.nextInRange(-3, 3);
            QVERIFY(value >= -3 && value <= 3);
            seen.insert(value);
        }
        QCOMPARE(seen.size(), 7);

        double sum = 0;
        for (int i = 0; i < 20000; ++i) {
            const double value = rng.nextDouble(-2.0, 3.0);
            QVERIFY(value >= -2.0 && value <= 3.0);
            sum += value;
        }
        QVERIFY(qAbs(sum / 20000 - 0.5) < 0.05);
        QCOMPARE(rng.nextDouble(1.5, 1.5), 1.5);
    }

    void shuffleDrawsOnceLessThanTheLength()
    {
        for (const int length : {0, 1, 50}) {
            QList<int> sorted(length);
            std::iota(sorted.begin(), sorted.end(), 0);
            QList<int> list = sorted;
            SeededRNG rng(5);
            rng.shuffle(list);
            QCOMPARE(drawsSince(5, rng), quint64(std::max(length - 1, 0)));
            std::sort(list.begin(), list.end());
            QCOMPARE(list, sorted);
        }
    }

    void fitLineCutsAtTheLastWholeWord_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("fitted");
        const QString words46 = u"aaaa bbbb cccc dddd eeee ffff gggg hhhh iiii j"_qs;
        const QString x46(46, u'x');
        QTest::newRow("exactly 46") << words46 << words46;
        // The 46-character prefix ends just before the period, yet the last word still goes.
        QTest::newRow("sentence of 47") << u"The dinosaur museum had a giant fossil display."_qs
                                        << u"The dinosaur museum had a giant fossil"_qs;
        QTest::newRow("no space at all") << QString(50, u'x') << x46;
        QTest::newRow("space just past the limit") << x46 + u" yes"_qs << x46;
    }

    void fitLineCutsAtTheLastWholeWord()
    {
        QFETCH(QString, line);
        QFETCH(QString, fitted);
        QCOMPARE(DrillBuilder::fitLine(line), fitted);
    }

    void chunkDrillsStayInsideTheirKeys()
    {
        const QRegularExpression sevens(u"^7{2,4}( 7{2,4}){8}$"_qs);
        const QRegularExpression mix(u"^[asdf]{2,4}( [asdf]{2,4}){7,9}$"_qs);
        for (quint64 seed = 0; seed < 100; ++seed) {
            SeededRNG rng(seed);
            QVERIFY(sevens.match(DrillBuilder::numberDrill(u"7", rng)).hasMatch());
            const QString line = DrillBuilder::mixDrill(u"asdf", rng);
            QVERIFY2(mix.match(line).hasMatch() && line.size() <= 46, qPrintable(line));
        }
    }

    // Guards against next(0): an empty key list must not reach the generator.
    void emptyKeyListGivesAnEmptyLineAndDrawsNothing()
    {
        SeededRNG rng(1);
        QVERIFY(DrillBuilder::repeatsDrill(u"", rng).isEmpty());
        QVERIFY(DrillBuilder::mixDrill(u"", rng).isEmpty());
        QVERIFY(DrillBuilder::wordDrill(u"", rng, false).isEmpty());
        QCOMPARE(rng.state, quint64(1));
    }

    void wordFilter_data()
    {
        QTest::addColumn<QString>("pool");
        QTest::addColumn<QStringList>("words");
        QTest::newRow("home row and space")
            << u"fjdksla; "_qs
            << QStringList{"add", "adds",  "alas",   "alfalfa", "all",   "dad", "dads",
                           "fad", "fads",  "fall",   "falls",   "flask", "lad", "lads",
                           "sad", "salad", "salads", "salsa",   "sass"};
        QTest::newRow("index fingers and space") << u"fj "_qs << QStringList();
        QTest::newRow("upper case admits nothing") << u"FJDKSLA"_qs << QStringList();
    }

    void wordFilter()
    {
        QFETCH(QString, pool);
        QFETCH(QStringList, words);
        QCOMPARE(WordBank::words(pool), words);
        QCOMPARE(WordBank::words(QSet<QChar>(pool.begin(), pool.end())), words);
    }

    void wordDrillFallsBackToMixOverTheSamePool()
    {
        SeededRNG words(3);
        SeededRNG mix = words;
        QCOMPARE(DrillBuilder::wordDrill(u"fj ", words, false),
                 DrillBuilder::mixDrill(u"fj ", mix));
        QCOMPARE(words.state, mix.state);
    }

    void wordDrillUsesEachTypeableWordOnce()
    {
        const QString pool = u"asdfghjkl;eiru "_qs;
        const QStringList typeable = WordBank::words(pool);
        for (quint64 seed = 0; seed < 50; ++seed) {
            SeededRNG rng(seed);
            const QStringList used = DrillBuilder::wordDrill(pool, rng, false).split(u' ');
            QVERIFY(used.join(u' ').size() <= DrillBuilder::maxLineLength);
            QCOMPARE(QSet<QString>(used.begin(), used.end()).size(), used.size());
            for (const QString &word : used)
                QVERIFY2(typeable.contains(word), qPrintable(word));
            QCOMPARE(drawsSince(seed, rng), quint64(typeable.size() - 1));

            SeededRNG again(seed);
            QStringList capitals = used;
            for (QString &word : capitals)
                word[0] = word[0].toUpper();
            QCOMPARE(DrillBuilder::wordDrill(pool, again, true), capitals.join(u' '));
        }
    }

    void entryDrills_data()
    {
        QTest::addColumn<bool>("sentences");
        QTest::newRow("phrases") << false;
        QTest::newRow("sentences") << true;
    }

    // Each entry once while any is left, then entry 0 again without a draw.
    void entryDrills()
    {
        QFETCH(bool, sentences);
        const QStringList &list =
            sentences ? WordBankData::sentences() : WordBankData::easyPhrases();
        const auto drill = sentences ? DrillBuilder::sentenceDrill : DrillBuilder::phraseDrill;
        SeededRNG rng(8);
        QSet<int> used;
        QSet<QString> lines;
        for (int i = 0; i < list.size(); ++i)
            lines.insert(drill(rng, used));
        QCOMPARE(used.size(), list.size());
        QCOMPARE(lines.size(), list.size());

        const quint64 state = rng.state;
        QCOMPARE(drill(rng, used), DrillBuilder::fitLine(list.at(0)));
        QCOMPARE(rng.state, state);
    }
};

QTEST_GUILESS_MAIN(DrillBuilderTest)
#include "tst_drillbuilder.moc"
