// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Backup and restore of the whole household from the grown-ups' view.
#pragma once

#include "appstore.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

#include <optional>

namespace tapalong {

namespace Backup {

struct ReadResult {
    std::optional<AppData> data;
    QString problem; // why not, in a grown-up's words; empty when read
};

// The same strict rules as the save file: any fault and none of it is used.
ReadResult read(const QString &path);
// "2 explorers (Mia and Ben), 7 lessons finished, last played on 6 December 2026."
QString describe(const AppData &data);
// Copies the file at `path` beside it as "<path>.before-restore-<date>-<time>" (numbered when
// taken). True when there was nothing to keep or the copy is made.
bool keepAside(const QString &path, const Clock &clock);
// The name a copy is offered under: "Tapalong backup 2026-12-07.json", by the local calendar.
QString suggestedName(const Clock &clock);
// Where a name typed into the save dialog puts the copy: into `folder` unless it is a whole
// path of its own, with ".json" added when it has no suffix. Empty for a blank name.
QString targetPath(const QString &folder, const QString &typedName);

} // namespace Backup

// The view's side of it: save a copy, look into a file, and restore it after a second yes.
class BackupController : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(tapalong::AppStore *store READ store WRITE setStore NOTIFY storeChanged FINAL)
    // The save file that restoring replaces; the program's own unless a test sets another.
    Q_PROPERTY(QString savePath READ savePath WRITE setSavePath NOTIFY storeChanged FINAL)
    // What the last action came to, for the grown-up to read; `failed` when it went wrong.
    Q_PROPERTY(QString message READ message NOTIFY changed FINAL)
    Q_PROPERTY(bool failed READ failed NOTIFY changed FINAL)
    // True between a readable file's preview and restoring or cancelling it.
    Q_PROPERTY(bool hasPreview READ hasPreview NOTIFY changed FINAL)
    Q_PROPERTY(QString preview READ preview NOTIFY changed FINAL)
    // Where the file dialog opens: the user's documents, or home when there are none. Left to
    // itself the dialog opens wherever the program was started from.
    Q_PROPERTY(QUrl startFolder READ startFolder CONSTANT FINAL)

public:
    explicit BackupController(QObject *parent = nullptr);

    AppStore *store() const { return m_store; }
    void setStore(AppStore *store);
    QString savePath() const { return m_savePath; }
    void setSavePath(const QString &path);
    QString message() const { return m_message; }
    bool failed() const { return m_failed; }
    bool hasPreview() const { return m_pending.has_value(); }
    QString preview() const { return m_preview; }
    static QUrl startFolder();

    Q_INVOKABLE bool saveCopy(const QUrl &file);
    // For the save dialogs: the name offered and that name in startFolder, where a typed
    // name goes (a path, empty for none), whether saving there would replace a file, and the
    // path of a folder's URL (empty for none).
    Q_INVOKABLE QString suggestedName() const;
    Q_INVOKABLE QUrl suggestedFile() const;
    Q_INVOKABLE static QString target(const QUrl &folder, const QString &typedName);
    Q_INVOKABLE static bool exists(const QString &path);
    Q_INVOKABLE static QString localPath(const QUrl &url);
    Q_INVOKABLE bool saveCopyAs(const QString &path) { return saveCopy(QUrl::fromLocalFile(path)); }
    // True when `dialog`, a QtQuick.Dialogs FileDialog that has been opened, is drawn by Qt
    // Quick itself rather than by the desktop (GTK, the XDG portal).
    Q_INVOKABLE static bool isQtQuickDialog(QObject *dialog);
    // Reads the file and shows what it holds; nothing changes yet.
    Q_INVOKABLE bool inspect(const QUrl &file);
    // Replaces the household with the inspected one, the current file kept aside first.
    Q_INVOKABLE bool restore();
    Q_INVOKABLE void cancel();

signals:
    void storeChanged();
    void changed();

private:
    void setMessage(const QString &message, bool failed = false);

    QPointer<AppStore> m_store;
    QString m_savePath;
    QString m_message;
    bool m_failed = false;
    QString m_preview;
    std::optional<AppData> m_pending;
};

} // namespace tapalong
