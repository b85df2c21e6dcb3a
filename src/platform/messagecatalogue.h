// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// The translations of one gettext message catalogue (a .mo file), such as the keyboard data's
// layout names.
#pragma once

#include <QByteArrayView>
#include <QHash>
#include <QString>

namespace tapalong {

// Read by hand rather than through gettext(): the household's language changes while the
// program runs and need not be the process's locale, which gettext() would have to be switched
// to for every look-up. A file that is malformed anywhere gives no translations at all: half a
// catalogue could pair names with the wrong translations.
class MessageCatalogue {
public:
    MessageCatalogue() = default;

    // Empty for a file that is missing, unreadable, or not a well-formed catalogue.
    static MessageCatalogue fromFile(const QString &path);
    static MessageCatalogue fromData(QByteArrayView data);

    // The translation of `original`, or empty when the catalogue has none. Entries under a
    // context never answer here; a plural entry answers its singular with its first form.
    QString translate(const QString &original) const { return m_translations.value(original); }
    qsizetype size() const { return m_translations.size(); }

private:
    QHash<QString, QString> m_translations;
};

} // namespace tapalong
