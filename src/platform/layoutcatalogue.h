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

    bool operator==(const LayoutEntry &) const = default;
};

// The layouts and variants of libxkbregistry's default rules (the xkb-data files), sorted by
// description; reading them takes tens of milliseconds, so the model reads them on a worker
// thread once something first asks, and fills in when they arrive (`ready`).
class LayoutCatalogue : public QAbstractListModel {
    Q_OBJECT
    Q_PROPERTY(bool ready READ isReady NOTIFY readyChanged)

public:
    enum Role { nameRole = Qt::UserRole + 1, descriptionRole };
    Q_ENUM(Role)

    // What the letters of a layout are written in, judged from the characters its letter keys
    // type without modifiers. A course is built only for Latin letters.
    enum class Letters { latin, otherScript, unknown };
    Q_ENUM(Letters)

    explicit LayoutCatalogue(QObject *parent = nullptr);
    ~LayoutCatalogue() override;

    // Reads the keyboard data on the calling thread. Empty when it cannot be read.
    static QList<LayoutEntry> readEntries();
    // Compiles the layout from the keyboard data (about 20 ms: once for a choice, never for the
    // whole list): `unknown` for a name the data does not know.
    static Letters lettersOf(const QString &layoutName);

    bool isReady() const { return m_ready; }
    // Starts reading if nothing has yet.
    Q_INVOKABLE void load();
    // The description of a layout, or empty while it is not known.
    Q_INVOKABLE QString descriptionOf(const QString &layoutName) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

signals:
    void readyChanged();

private:
    void arrived(QList<LayoutEntry> entries);

    QList<LayoutEntry> m_entries;
    bool m_ready = false;
    bool m_loading = false;
    class QThread *m_worker = nullptr;
};

} // namespace tapalong
