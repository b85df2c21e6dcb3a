// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// The grown-ups' view's side of the printouts: the report and the certificates written to a
// file off the drawing thread, and the saved file opened in the desktop's viewer to print.
#pragma once

#include "appstore.h"

#include <QDate>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QThread>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

#include <memory>

namespace tapalong {

// A unit whose every lesson has a result, offered as a certificate.
struct FinishedUnit {
    Q_GADGET
    QML_VALUE_TYPE(finishedUnit)
    Q_PROPERTY(QString id MEMBER id)
    Q_PROPERTY(QString emoji MEMBER emoji)
    Q_PROPERTY(QString title MEMBER title)

public:
    QString id;
    QString emoji;
    QString title;

    bool operator==(const FinishedUnit &) const = default;
};

class Printouts : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(tapalong::AppStore *store READ store WRITE setStore NOTIFY changed FINAL)
    // The explorer's place in the household, as the view's `selected`.
    Q_PROPERTY(int explorer READ explorer WRITE setExplorer NOTIFY changed FINAL)
    Q_PROPERTY(QDate today READ today WRITE setToday NOTIFY changed FINAL)
    Q_PROPERTY(QList<tapalong::FinishedUnit> finishedUnits READ finishedUnits NOTIFY changed FINAL)
    // True while a file is being written; nothing else starts until it is done.
    Q_PROPERTY(bool busy READ busy NOTIFY busyChanged FINAL)
    // What the last save came to, and whether it failed.
    Q_PROPERTY(QString message READ message NOTIFY busyChanged FINAL)
    Q_PROPERTY(bool failed READ failed NOTIFY busyChanged FINAL)
    // The last file written, for "Print…"; empty until one is.
    Q_PROPERTY(QUrl savedFile READ savedFile NOTIFY busyChanged FINAL)
    Q_PROPERTY(bool hasSaved READ hasSaved NOTIFY busyChanged FINAL)
    // "Tapalong report Mia 2026-12-07.pdf": the name the file dialog suggests.
    Q_PROPERTY(QString reportName READ reportName NOTIFY changed FINAL)
    // Where the file dialog opens: the same folder as a backup's.
    Q_PROPERTY(QUrl startFolder READ startFolder CONSTANT FINAL)

public:
    explicit Printouts(QObject *parent = nullptr);
    ~Printouts() override;

    AppStore *store() const { return m_store; }
    void setStore(AppStore *store);
    int explorer() const { return m_explorer; }
    void setExplorer(int explorer);
    QDate today() const { return m_today; }
    void setToday(QDate today);
    QList<FinishedUnit> finishedUnits() const;
    bool busy() const { return m_thread != nullptr; }
    QString message() const { return m_message; }
    bool failed() const { return m_failed; }
    QUrl savedFile() const { return m_savedFile; }
    bool hasSaved() const { return !m_savedFile.isEmpty(); }
    QString reportName() const;
    static QUrl startFolder();
    Q_INVOKABLE QString certificateName(const QString &unitId) const;

    // Both return false when nothing was started: no explorer, an unfinished unit, a file
    // that is not local, or a file still being written.
    Q_INVOKABLE bool saveReport(const QUrl &file);
    Q_INVOKABLE bool saveCertificate(const QString &unitId, const QUrl &file);
    // Hands the last saved file to the desktop, whose viewer prints it.
    Q_INVOKABLE bool openSaved();

signals:
    void changed();
    void busyChanged();

private:
    const Profile *profile() const;
    bool start(const QUrl &file, std::function<bool(const QString &)> write);
    void finish();

    QPointer<AppStore> m_store;
    int m_explorer = 0;
    QDate m_today;
    std::unique_ptr<QThread> m_thread;
    bool m_written = false; // set by the thread, read once it has finished
    QString m_path;
    QString m_message;
    bool m_failed = false;
    QUrl m_savedFile;
};

} // namespace tapalong
