// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Every keyboard layout the system's keyboard data lists, by the names people know them by.
#pragma once

#include <QAbstractListModel>
#include <QList>
#include <QString>

namespace tapalong {

struct LayoutEntry {
    QString name;        // "de(nodeadkeys)", as the save file and the course name it
    QString description; // "German (no dead keys)", in English as the keyboard data gives it
    // "Deutsch (ohne Akzenttasten)": the description in the household's language, from the
    // keyboard data's own translations; the English one where they have none.
    QString shown;

    bool operator==(const LayoutEntry &) const = default;
};

// The layouts and variants of libxkbregistry's default rules (the xkb-data files), sorted by
// the name shown; reading them takes tens of milliseconds, so the model reads them on a worker
// thread once something first asks, and fills in when they arrive (`ready`). A change of
// language is read there too, and the model is reset once its names arrive.
class LayoutCatalogue : public QAbstractListModel {
    Q_OBJECT
    Q_PROPERTY(bool ready READ isReady NOTIFY readyChanged)

public:
    enum Role { nameRole = Qt::UserRole + 1, descriptionRole, shownRole };
    Q_ENUM(Role)

    // What the letters of a layout are written in, judged from the characters its letter keys
    // type without modifiers. A course is built only for Latin letters.
    enum class Letters { latin, otherScript, unknown };
    Q_ENUM(Letters)

    explicit LayoutCatalogue(QObject *parent = nullptr);
    ~LayoutCatalogue() override;

    // Reads the keyboard data on the calling thread, the names shown in `language` ("de").
    // Empty when it cannot be read.
    static QList<LayoutEntry> readEntries(const QString &language = QStringLiteral("en"));
    // Gives the entries their names in `language` and sorts them by those, as people of that
    // language look for them.
    static void translate(QList<LayoutEntry> &entries, const QString &language);
    // Compiles the layout from the keyboard data (about 20 ms: once for a choice, never for the
    // whole list): `unknown` for a name the data does not know.
    static Letters lettersOf(const QString &layoutName);

    bool isReady() const { return m_ready; }
    // Starts reading if nothing has yet.
    Q_INVOKABLE void load();
    // The language the names are shown in: read again now if the list was read in another.
    void setLanguage(const QString &language);
    // The shown name of a layout, or empty while it is not known.
    Q_INVOKABLE QString shownNameOf(const QString &layoutName) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

signals:
    void readyChanged();

private:
    void read();
    void arrived(QList<LayoutEntry> entries, const QString &language);

    QList<LayoutEntry> m_entries;
    QList<LayoutEntry> m_read; // the last list read, in whichever language: translated again
    QString m_language = QStringLiteral("en");
    bool m_ready = false;
    bool m_loading = false;
    class QThread *m_worker = nullptr;
};

} // namespace tapalong
