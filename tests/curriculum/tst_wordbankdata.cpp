// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
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
    void listsAreDistinctAndShaped()
    {
        const auto check = [](const QStringList &list, const QString &shape, int maxLength) {
            QCOMPARE(QSet<QString>(list.cbegin(), list.cend()).size(), list.size());
            const QRegularExpression pattern(shape);
            for (const QString &entry : list)
                QVERIFY2(pattern.match(entry).hasMatch() && entry.size() <= maxLength,
                         qPrintable(entry));
        };
        check(WordBankData::words(), u"^[a-z]{3,}$"_qs, 8);
        check(WordBankData::easyPhrases(), u"^[a-z]+( [a-z]+)+$"_qs, 45);
        check(WordBankData::sentences(), u"^[A-Z][A-Za-z']*( [A-Za-z']+)*[.!?]$"_qs, 48);
        QVERIFY(std::is_sorted(WordBankData::words().cbegin(), WordBankData::words().cend()));
    }
};

QTEST_APPLESS_MAIN(TestWordBankData)
#include "tst_wordbankdata.moc"
