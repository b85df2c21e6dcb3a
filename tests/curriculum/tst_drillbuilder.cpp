// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Guards the generator and the drill builders: every lesson's lines depend on them draw for draw.
#include "drillbuilder.h"
#include "seededrng.h"
#include "wordbank.h"
#include "wordbankdata.h"

#include <QRegularExpression>
#include <QTest>

using namespace tapalong;

namespace {

// How many next() values the generator has used since it held seed; capped against a hang.
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
    void splitMixStreamAndBoundedDraws()
    {
        SeededRNG zero(0);
        QCOMPARE(zero.next(), 0xe220a8397b1dcdafULL);
        QCOMPARE(zero.next(), 0x6e789e6aa1b965f4ULL);
        SeededRNG rng(7);
        SeededRNG raw(7);
        for (int i = 0; i < 100; ++i)
            QCOMPARE(rng.next(8), raw.next() >> 61); // the high bits
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
        for (int i = 0; i < 500; ++i)
            seen.insert(rng.nextInRange(-3, 3));
        QCOMPARE(seen, (QSet<qint64>{-3, -2, -1, 0, 1, 2, 3}));

        double sum = 0;
        for (int i = 0; i < 20000; ++i) {
            const double value = rng.nextDouble(-2.0, 3.0);
            QVERIFY(value >= -2.0 && value <= 3.0);
            sum += value;
        }
        QVERIFY(qAbs(sum / 20000 - 0.5) < 0.05);
        QCOMPARE(rng.nextDouble(1.5, 1.5), 1.5);
    }

    void linesFitAndStayInsideTheirKeys()
    {
        const QString words46 = u"aaaa bbbb cccc dddd eeee ffff gggg hhhh iiii j"_qs;
        const QString x46(46, u'x');
        QCOMPARE(DrillBuilder::fitLine(words46), words46);
        // The 46-character prefix ends just before the period, yet the last word still goes.
        QCOMPARE(DrillBuilder::fitLine(u"The dinosaur museum had a giant fossil display."_qs),
                 u"The dinosaur museum had a giant fossil"_qs);
        QCOMPARE(DrillBuilder::fitLine(QString(50, u'x')), x46);
        QCOMPARE(DrillBuilder::fitLine(x46 + u" yes"_qs), x46);

        // Chunk drills stay inside their keys.
        const QRegularExpression sevens(u"^7{2,4}( 7{2,4}){8}$"_qs);
        const QRegularExpression mix(u"^[asdf]{2,4}( [asdf]{2,4}){7,9}$"_qs);
        for (quint64 seed = 0; seed < 100; ++seed) {
            SeededRNG rng(seed);
            QVERIFY(sevens.match(DrillBuilder::numberDrill(u"7", rng)).hasMatch());
            const QString line = DrillBuilder::mixDrill(u"asdf", rng);
            QVERIFY2(mix.match(line).hasMatch() && line.size() <= 46, qPrintable(line));
        }
    }

    void wordFilterAndSmallPools()
    {
        const QString pool = u"fjdksla; "_qs;
        const QStringList homeRow{"add", "adds",  "alas",   "alfalfa", "all",   "dad", "dads",
                                  "fad", "fads",  "fall",   "falls",   "flask", "lad", "lads",
                                  "sad", "salad", "salads", "salsa",   "sass"};
        QCOMPARE(WordBank::words(pool), homeRow);
        QCOMPARE(WordBank::words(QSet<QChar>(pool.begin(), pool.end())), homeRow);
        QVERIFY(WordBank::words(u"FJDKSLA"_qs).isEmpty()); // upper case admits nothing

        // Guards against next(0): an empty key list must not reach the generator.
        SeededRNG rng(1);
        QVERIFY(DrillBuilder::repeatsDrill(u"", rng).isEmpty());
        QVERIFY(DrillBuilder::mixDrill(u"", rng).isEmpty());
        QVERIFY(DrillBuilder::wordDrill(u"", rng, false).isEmpty());
        QCOMPARE(rng.state, quint64(1));
        // With no typeable word the word drill is a mix over the same pool, draw for draw.
        SeededRNG mix = rng;
        QCOMPARE(DrillBuilder::wordDrill(u"fj ", rng, false), DrillBuilder::mixDrill(u"fj ", mix));
        QCOMPARE(rng.state, mix.state);
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
        }
    }

    // A sentence the keyboard cannot type is never drawn, not even as the last resort.
    void entryDrillsKeepToTypeableCharacters()
    {
        QSet<QChar> typeable;
        for (const QString &sentence : WordBankData::sentences())
            typeable.unite(QSet<QChar>(sentence.cbegin(), sentence.cend()));
        typeable.remove(u'\'');
        QVERIFY(WordBankData::sentences().join(QString()).contains(u'\''));
        SeededRNG rng(8);
        QSet<int> used;
        for (qsizetype i = 0; i <= WordBankData::sentences().size(); ++i) {
            const QString line = DrillBuilder::sentenceDrill(rng, used, &typeable);
            QVERIFY2(!line.isEmpty() && !line.contains(u'\''), qPrintable(line));
        }
    }

    // Each entry once while any is left, then entry 0 again without a draw.
    void entryDrills()
    {
        for (const bool sentences : {false, true}) {
            const QStringList &list =
                sentences ? WordBankData::sentences() : WordBankData::easyPhrases();
            const auto drill = [&](SeededRNG &rng, QSet<int> &used) {
                return sentences ? DrillBuilder::sentenceDrill(rng, used)
                                 : DrillBuilder::phraseDrill(rng, used);
            };
            SeededRNG rng(8);
            QSet<int> used;
            QSet<QString> lines;
            for (int i = 0; i < list.size(); ++i)
                lines.insert(drill(rng, used));
            QCOMPARE(lines.size(), list.size());
            const quint64 state = rng.state;
            QCOMPARE(drill(rng, used), DrillBuilder::fitLine(list.at(0)));
            QCOMPARE(rng.state, state);
        }
    }
};

QTEST_GUILESS_MAIN(DrillBuilderTest)
#include "tst_drillbuilder.moc"
