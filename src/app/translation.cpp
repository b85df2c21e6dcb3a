// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "translation.h"

#include "curriculum.h"
#include "translatedtable.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QLoggingCategory>
#include <QTranslator>

#include <memory>

namespace tapalong {

namespace {

Q_LOGGING_CATEGORY(lcTranslation, "tapalong.translation")

const QStringList spoken = {QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es")};

// The ones installed now; replaced whole on every change.
std::unique_ptr<QTranslator> s_qt;
std::unique_ptr<QTranslator> s_ours;

void uninstall(std::unique_ptr<QTranslator> &translator)
{
    if (translator)
        QCoreApplication::removeTranslator(translator.get());
    translator.reset();
}

std::unique_ptr<QTranslator> load(const QString &name, const QString &directory)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(name, directory))
        return nullptr;
    QCoreApplication::installTranslator(translator.get());
    return translator;
}

} // namespace

QString desktopLanguage()
{
    // LANGUAGE's list first, as the desktop orders it: "fr:en" is French.
    for (const QString &name : QLocale::system().uiLanguages()) {
        const QString language = name.left(2).toLower();
        if (spoken.contains(language))
            return language;
        if (language == u"en")
            break;
    }
    return QStringLiteral("en");
}

QString installTranslation(const QString &language, const QString &catalogues)
{
    uninstall(s_ours);
    uninstall(s_qt);

    // Dates and numbers in the household's language. A desktop that speaks it keeps its own
    // locale (Austria's German stays Austrian), and so does English on a desktop set to C, as it
    // always has.
    const QLocale::Language desktop = QLocale::system().language();
    const bool keepDesktop = desktop == QLocale(language).language() ||
                             (language == u"en" && desktop == QLocale::C);
    QLocale::setDefault(keepDesktop ? QLocale::system() : QLocale(language));

    // Qt's own texts first (the file dialog's buttons), so that ours win where both have a word.
    if (language != u"en")
        s_qt = load(QStringLiteral("qt_") + language,
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath));

    const QString file = qEnvironmentVariable("TAPALONG_TRANSLATION");
    s_ours =
        file.isEmpty() ? load(QStringLiteral("tapalong_") + language, catalogues) : load(file, {});
    if (!s_ours && !file.isEmpty())
        qCWarning(lcTranslation).noquote() << "Could not load the translation" << file;
    if (!s_ours && file.isEmpty() && language != u"en")
        qCWarning(lcTranslation).noquote() << "No catalogue for" << language << "in" << catalogues;

    TranslatedTables::languageChanged();
    if (file.isEmpty())
        return language;
    return s_ours ? s_ours->language().left(2).toLower() : QStringLiteral("en");
}

QString useLanguage(const QString &language)
{
    QString shown = installTranslation(language);
    Curriculum::rebuildActive(language);
    return shown;
}

} // namespace tapalong
