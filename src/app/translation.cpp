// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QLoggingCategory>
#include <QTranslator>

namespace tapalong {

namespace {
Q_LOGGING_CATEGORY(lcTranslation, "tapalong.translation")
} // namespace

QString installTranslation(QCoreApplication &app)
{
    // Qt's own texts first (the file dialog's buttons, the command line's "Usage:"), so that
    // ours win where both have a word.
    auto *qt = new QTranslator(&app);
    if (qt->load(QLocale(), QStringLiteral("qt"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;

    auto *ours = new QTranslator(&app);
    const QString file = qEnvironmentVariable("TAPALONG_TRANSLATION");
    const bool loaded = file.isEmpty() ? ours->load(QLocale(), QStringLiteral("tapalong"),
                                                    QStringLiteral("_"), QStringLiteral(":/i18n"))
                                       : ours->load(file);
    if (!loaded) {
        if (!file.isEmpty())
            qCWarning(lcTranslation).noquote() << "Could not load the translation" << file;
        delete ours;
        return {};
    }
    QCoreApplication::installTranslator(ours);
    return ours->language();
}

} // namespace tapalong
