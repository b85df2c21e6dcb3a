// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "commandline.h"

#include "coursejson.h"
#include "curriculum.h"
#include "translation.h"
#include "wordbankdata.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>
#include <QTranslator>

#include <cstdio>
#include <vector>

namespace tapalong {

namespace {

// QGuiApplication takes these out of argv itself, later; they must not count as unknown here.
void acceptQtOptions(QCommandLineParser &parser)
{
    for (const char *name :
         {"platform", "platformpluginpath", "platformtheme", "plugin", "qmljsdebugger",
          "qwindowgeometry", "geometry", "qwindowtitle", "title", "qwindowicon", "icon", "display",
          "name", "session", "style"}) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char *name : {"reverse", "nograb", "dograb", "sync"}) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

bool print(std::FILE *stream, const QByteArray &text)
{
    std::fwrite(text.constData(), 1, size_t(text.size()), stream);
    return std::fflush(stream) == 0;
}

// The program's options, in the language installed when it is made.
struct Options {
    QCommandLineParser parser;
    // Qt's own help option would add --help-all, a list of Qt's options that a family never
    // needs.
    const QCommandLineOption help{
        {QStringLiteral("h"), QStringLiteral("help")},
        QCoreApplication::translate("CommandLine", "Show this help and exit.")};
    const QCommandLineOption version{
        {QStringLiteral("v"), QStringLiteral("version")},
        QCoreApplication::translate("CommandLine", "Show the version and exit.")};
    const QCommandLineOption printCourse{
        QStringLiteral("print-course"),
        QCoreApplication::translate(
            "CommandLine",
            "Print the whole course (units, lessons, drill lines) as JSON and exit.")};
    const QCommandLineOption layout{
        QStringLiteral("layout"),
        QCoreApplication::translate("CommandLine",
                                    "With --print-course: the course and keyboard of this "
                                    "keyboard layout, such as de or us(intl)."),
        QCoreApplication::translate("CommandLine", "layout")};
    const QCommandLineOption language{
        QStringLiteral("language"),
        QCoreApplication::translate("CommandLine",
                                    "With --print-course: the course in this language (en, de, "
                                    "fr or es), its words and its titles."),
        QCoreApplication::translate("CommandLine", "language")};

    Options()
    {
        // Qt's own options are single-dash words (-platform xcb), not bundles of one-letter
        // flags.
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.setApplicationDescription(QCoreApplication::translate(
            "CommandLine", "A typing tutor for children: touch typing in 26 lessons,\n"
                           "with stars, badges and five arcade games."));
        parser.addOptions({help, version});
        parser.addOption(printCourse);
        parser.addOption(layout);
        parser.addOption(language);
        acceptQtOptions(parser);
    }
};

int refuse(const QString &why)
{
    print(stderr, QStringLiteral("tapalong: %1\n").arg(why).toLocal8Bit());
    return 2;
}

// The titles in the language asked for, whatever the desktop speaks. English is the texts'
// own language and needs no catalogue.
void installCatalogue(QCoreApplication &app, const QString &language)
{
    if (language == u"en")
        return;
    auto *catalogue = new QTranslator(&app);
    if (catalogue->load(QStringLiteral(":/i18n/tapalong_%1").arg(language)))
        QCoreApplication::installTranslator(catalogue);
    else
        delete catalogue;
}

// The course of a layout read from the keyboard data; 2, with the reason, when there is none.
int printLayoutCourse(const QString &text, const QString &language)
{
    const std::optional<LayoutName> name = LayoutName::parse(text);
    KeyboardProblem problem = KeyboardProblem::badName;
    const std::optional<Keyboard> keyboard =
        name ? Keyboard::load(*name, &problem) : std::nullopt;
    if (!keyboard) {
        switch (problem) {
        case KeyboardProblem::otherScript:
            return refuse(
                QCoreApplication::translate(
                    "CommandLine",
                    "There is no course for the layout '%1' yet: Tapalong teaches Latin letters.")
                    .arg(text));
        case KeyboardProblem::unknownLayout:
            return refuse(QCoreApplication::translate(
                              "CommandLine", "The keyboard data knows no layout '%1'.")
                              .arg(text));
        default:
            return refuse(QCoreApplication::translate(
                              "CommandLine",
                              "'%1' is not a layout name: a layout is written like de or "
                              "us(intl).")
                              .arg(text));
        }
    }
    return print(stdout, layoutJson(Course::build(*keyboard, language))) ? 0 : 1;
}

} // namespace

std::optional<int> handleCommandLine(int argc, char *argv[])
{
    if (argc < 1) // started with an empty argv: nothing to read
        return std::nullopt;
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    Options options;
    const bool understood = options.parser.parse(arguments);
    const bool stray = understood && !options.parser.positionalArguments().isEmpty();
    if (understood && !stray && !options.parser.isSet(options.help) &&
        !options.parser.isSet(options.version) && !options.parser.isSet(options.printCourse))
        return std::nullopt;

    // Printing needs an application for its name and the course's texts, never a display; it
    // never touches the save file either. The usage line names the program as people type it,
    // not by the path it was started from.
    std::vector<char *> named(argv, argv + argc);
    char programName[] = "tapalong";
    named[0] = programName;
    int namedCount = argc;
    QCoreApplication app(namedCount, named.data());
    QCoreApplication::setApplicationName(QStringLiteral("Tapalong"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TAPALONG_VERSION));
    // The options again, now in the user's language; the course's JSON is data and stays
    // English.
    const bool printing = understood && !stray && !options.parser.isSet(options.help) &&
                          !options.parser.isSet(options.version);
    if (!printing)
        installTranslation(desktopLanguage());
    Options translated;
    QCommandLineParser &parser = translated.parser;
    parser.parse(arguments);

    if (!understood || stray) {
        const QString error =
            stray ? QCoreApplication::translate("CommandLine", "Unexpected argument '%1'.")
                        .arg(parser.positionalArguments().constFirst())
                  : parser.errorText();
        print(stderr,
              QStringLiteral("tapalong: %1\n%2").arg(error, parser.helpText()).toLocal8Bit());
        return 2;
    }
    if (parser.isSet(translated.help))
        return print(stdout, parser.helpText().toLocal8Bit()) ? 0 : 1;
    if (parser.isSet(translated.version))
        return print(stdout, QStringLiteral("Tapalong %1\n")
                                 .arg(QCoreApplication::applicationVersion())
                                 .toLocal8Bit())
                   ? 0
                   : 1;
    QString language = u"en"_qs;
    if (parser.isSet(translated.language)) {
        language = parser.value(translated.language).toLower();
        if (!WordBankData::hasLanguage(language))
            return refuse(QCoreApplication::translate(
                              "CommandLine",
                              "There is no course in the language '%1': the languages are %2.")
                              .arg(parser.value(translated.language),
                                   WordBankData::languages().join(u", ")));
        installCatalogue(app, language);
    }
    if (parser.isSet(translated.layout))
        return printLayoutCourse(parser.value(translated.layout), language);
    if (language == u"en")
        return print(stdout, courseJson()) ? 0 : 1;
    return print(stdout, courseJson(Course::build(Keyboard::us(), language))) ? 0 : 1;
}

} // namespace tapalong
