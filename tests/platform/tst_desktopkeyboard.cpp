// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Reading the desktop's keyboard layout from what X11 and locale1 say, and telling when it is not
// the household's; the keyboard data's list of layouts and what their letters are written in.
#include "desktopkeyboard.h"
#include "layoutcatalogue.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

#include <algorithm>
#include <cstdlib>

#include <xcb/xcb.h>
#define explicit xcb_explicit // a field of xcb's XKB header
#include <xcb/xkb.h>
#undef explicit

using namespace tapalong;
using namespace Qt::StringLiterals;

namespace {

bool lockGroup(quint8 group)
{
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    bool ok = !xcb_connection_has_error(connection);
    if (ok) {
        auto *use = xcb_xkb_use_extension_reply(connection, xcb_xkb_use_extension(connection, 1, 0),
                                                nullptr);
        ok = use && use->supported;
        std::free(use);
    }
    if (ok) {
        const auto cookie = xcb_xkb_latch_lock_state_checked(connection, XCB_XKB_ID_USE_CORE_KBD, 0,
                                                             0, 1, group, 0, 0, 0);
        xcb_generic_error_t *error = xcb_request_check(connection, cookie);
        ok = !error;
        std::free(error);
    }
    xcb_disconnect(connection);
    return ok;
}

} // namespace

class TestDesktopKeyboard : public QObject {
    Q_OBJECT

private slots:
    void rulesNamesFromTheRootWindow_data()
    {
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QStringList>("layouts"); // by group; empty when unreadable
        QTest::addColumn<QString>("options");
        const auto row = [](const char *name, const QByteArray &property,
                            const QStringList &layouts, const QString &options = {}) {
            QTest::newRow(name) << property << layouts << options;
        };
        row("one layout", "evdev\0pc105\0us\0\0\0"_ba, {u"us"_s});
        row("as Xvfb leaves it", "evdev\0pc105\0us\0\0"_ba, {u"us"_s});
        row("a variant", "evdev\0pc105\0us\0intl\0\0"_ba, {u"us(intl)"_s});
        row("two groups and a switch key",
            "evdev\0pc105\0de,us\0nodeadkeys,\0grp:alt_shift_toggle\0"_ba,
            {u"de(nodeadkeys)"_s, u"us"_s}, u"grp:alt_shift_toggle"_s);
        row("variant of the second group only", "evdev\0pc105\0us,ru\0,phonetic\0\0"_ba,
            {u"us"_s, u"ru(phonetic)"_s});
        row("fewer variants than layouts", "evdev\0pc105\0fr,de,us\0bepo\0\0"_ba,
            {u"fr(bepo)"_s, u"de"_s, u"us"_s});
        row("variant already in the layout", "evdev\0pc105\0de(neo)\0\0\0"_ba, {u"de(neo)"_s});
        row("spaces around the commas", "evdev\0pc105\0de , us\0\0\0"_ba, {u"de"_s, u"us"_s});
        row("no layout", "evdev\0pc105\0\0\0\0"_ba, {});
        row("an empty group", "evdev\0pc105\0de,,us\0\0\0"_ba, {});
        row("cut short", "evdev\0pc105"_ba, {});
        row("empty", ""_ba, {});
    }

    void rulesNamesFromTheRootWindow()
    {
        QFETCH(QByteArray, property);
        QFETCH(QStringList, layouts);
        QFETCH(QString, options);
        const auto names = XkbRulesNames::parse(property);
        QCOMPARE(names.has_value(), !layouts.isEmpty());
        if (!names)
            return;
        QCOMPARE(names->rules, u"evdev"_s);
        QCOMPARE(names->options, options);
        QCOMPARE(names->variants.size(), names->layouts.size());
        QStringList byGroup;
        for (int group = 0; group < names->layouts.size(); ++group)
            byGroup << names->layoutOfGroup(group);
        QCOMPARE(byGroup, layouts);
        QCOMPARE(names->layoutOfGroup(int(layouts.size())), QString());
        QCOMPARE(names->layoutOfGroup(-1), QString());
    }

    void systemDefaultFromLocale1()
    {
        QCOMPARE(locale1Layouts(u"de,us"_s, u"nodeadkeys,"_s),
                 (QStringList{u"de(nodeadkeys)"_s, u"us"_s}));
        QCOMPARE(locale1Layouts(u"fr"_s, {}), QStringList{u"fr"_s});
        QCOMPARE(locale1Layouts({}, u"intl"_s), QStringList());
        QCOMPARE(locale1Layouts(u" "_s, {}), QStringList());
    }

    // A layout switch key moves the group; the screen must hear that the child's keys changed.
    void differsWhileTheDesktopTypesAnotherLayout()
    {
        DesktopKeyboard keyboard;
        QSignalSpy differs(&keyboard, &DesktopKeyboard::differsChanged);
        QSignalSpy layout(&keyboard, &DesktopKeyboard::layoutChanged);
        keyboard.setExpectedLayout(u"de"_s);
        QVERIFY(!keyboard.differs()); // nothing known yet is no reason to worry a child

        const QStringList layouts = {u"de"_s, u"us"_s};
        keyboard.setState(DesktopKeyboard::Source::x11, layouts, 0);
        QVERIFY(!keyboard.differs());
        keyboard.setState(DesktopKeyboard::Source::x11, layouts, 1);
        QCOMPARE(keyboard.layout(), u"us"_s);
        QVERIFY(keyboard.differs());
        keyboard.setState(DesktopKeyboard::Source::x11, layouts, 1); // the same again: quiet
        QCOMPARE(layout.size(), 2);
        keyboard.setExpectedLayout(u"us"_s); // the grown-ups chose what the child types
        QVERIFY(!keyboard.differs());
        keyboard.setState(DesktopKeyboard::Source::x11, {u"us(intl)"_s}, 0); // setxkbmap
        QVERIFY(keyboard.differs());
        keyboard.setState(DesktopKeyboard::Source::x11, layouts, 7); // a group out of reach
        QCOMPARE(keyboard.layout(), QString());
        QVERIFY(!keyboard.differs());
        QCOMPARE(differs.size(), 4);
    }

    // Through a real X server (registered apart, under xvfb-run): setxkbmap and a layout switch
    // key reach the program as the events a desktop sends.
    void followsTheXServer()
    {
        if (QGuiApplication::platformName() != u"xcb"_s)
            QSKIP("needs an X server: the system test runs this under xvfb-run");
        const auto run = [](const QString &program, const QStringList &arguments) {
            return QProcess::execute(program, arguments) == 0;
        };
        QVERIFY(run(u"setxkbmap"_s, {u"-layout"_s, u"us"_s}));
        DesktopKeyboard keyboard;
        keyboard.setExpectedLayout(u"de"_s);
        QElapsedTimer timer;
        timer.start();
        keyboard.start();
        qInfo("read the X server's keyboard in %lld µs", timer.nsecsElapsed() / 1000);
        QCOMPARE(keyboard.source(), DesktopKeyboard::Source::x11);
        QCOMPARE(keyboard.layout(), u"us"_s);
        QVERIFY(keyboard.differs());

        QVERIFY(run(u"setxkbmap"_s, {u"-layout"_s, u"de,us"_s, u"-variant"_s, u",intl"_s}));
        QTRY_COMPARE(keyboard.layouts(), (QStringList{u"de"_s, u"us(intl)"_s}));
        QCOMPARE(keyboard.layout(), u"de"_s);
        QVERIFY(!keyboard.differs());

        // What a layout switch key does, from another client as a desktop's switcher would:
        // xdotool cannot, as it puts back the group it found after every key.
        QVERIFY(lockGroup(1));
        QTRY_COMPARE(keyboard.layout(), u"us(intl)"_s);
        QVERIFY(keyboard.differs());
    }

    void theKeyboardDataListsLayoutsByName()
    {
        QElapsedTimer timer;
        timer.start();
        const QList<LayoutEntry> entries = LayoutCatalogue::readEntries();
        qInfo("read %lld layouts and variants in %lld ms", qlonglong(entries.size()),
              timer.elapsed());
        const auto find = [&](const QString &name) {
            for (const LayoutEntry &entry : entries)
                if (entry.name == name)
                    return entry.description;
            return QString();
        };
        QCOMPARE(find(u"de"_s), u"German"_s);
        QCOMPARE(find(u"us(intl)"_s), u"English (US, intl., with dead keys)"_s);
        QCOMPARE(find(u"latam"_s), u"Spanish (Latin American)"_s);

        LayoutCatalogue catalogue;
        QSignalSpy ready(&catalogue, &LayoutCatalogue::readyChanged);
        QCOMPARE(catalogue.rowCount(), 0); // asking starts the reading, off this thread
        QVERIFY(ready.wait(5000));
        QCOMPARE(catalogue.rowCount(), entries.size());
        QCOMPARE(catalogue.shownNameOf(u"fr"_s), u"French"_s);
        const QModelIndex first = catalogue.index(0);
        QCOMPARE(catalogue.data(first, LayoutCatalogue::nameRole).toString(), entries.first().name);
    }

    void layoutsAreNamedInTheHouseholdsLanguage()
    {
        for (const QString &language : {u"de"_s, u"fr"_s}) {
            const QString file = u"locale/%1/LC_MESSAGES/xkeyboard-config.mo"_s.arg(language);
            QVERIFY2(!QStandardPaths::locate(QStandardPaths::GenericDataLocation, file).isEmpty(),
                     qPrintable(file + u" is missing: it comes with xkb-data, a dependency"_s));
        }
        QElapsedTimer timer;
        timer.start();
        const QList<LayoutEntry> german = LayoutCatalogue::readEntries(u"de"_s);
        qInfo("read and named in German in %lld ms", timer.restart());
        QList<LayoutEntry> again = german;
        LayoutCatalogue::translate(again, u"es"_s);
        qInfo("named again in Spanish in %lld ms", timer.elapsed());
        const auto row = [&](const QString &name) {
            return std::find_if(german.cbegin(), german.cend(),
                                [&](const LayoutEntry &e) { return e.name == name; }) -
                   german.cbegin();
        };
        const LayoutEntry de = german.value(row(u"de"_s));
        QCOMPARE(de.shown, u"Deutsch"_s);
        QCOMPARE(de.description, u"German"_s);
        // Sorted by the names shown: "Deutsch" before "Französisch", unlike in English.
        QVERIFY(row(u"de"_s) < row(u"fr"_s));

        // A language chosen while the list is read: the English names are never shown.
        LayoutCatalogue catalogue;
        QSignalSpy reset(&catalogue, &LayoutCatalogue::modelReset);
        catalogue.load();
        catalogue.setLanguage(u"fr"_s);
        QVERIFY(reset.wait(5000));
        QCOMPARE(catalogue.shownNameOf(u"de"_s), u"Allemand"_s);
        // And one chosen after.
        catalogue.setLanguage(u"en"_s);
        QVERIFY(reset.wait(5000));
        QCOMPARE(catalogue.shownNameOf(u"de"_s), u"German"_s);
        QCOMPARE(catalogue.rowCount(), german.size());
    }

    void lettersTellALatinLayoutFromOthers()
    {
        using Letters = LayoutCatalogue::Letters;
        QElapsedTimer timer;
        timer.start();
        for (const char *name : {"us", "us(intl)", "us(dvorak)", "us(colemak)", "de", "fr", "pl",
                                 "cz", "latam", "br", "tr", "jp"})
            QVERIFY2(LayoutCatalogue::lettersOf(QString::fromLatin1(name)) == Letters::latin, name);
        for (const char *name : {"ru", "ua", "gr", "ara", "il", "th", "bg(phonetic)"})
            QVERIFY2(LayoutCatalogue::lettersOf(QString::fromLatin1(name)) == Letters::otherScript,
                     name);
        qInfo("judged 19 layouts in %lld ms", timer.elapsed());
        for (const char *name : {"xx", "de(nosuchvariant)", "", "de,us"})
            QVERIFY2(LayoutCatalogue::lettersOf(QString::fromLatin1(name)) == Letters::unknown,
                     name);
    }
};

QTEST_MAIN(TestDesktopKeyboard)
#include "tst_desktopkeyboard.moc"
