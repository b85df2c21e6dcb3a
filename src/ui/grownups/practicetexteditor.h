// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// The grown-ups' side of texts from home: a draft checked against the household's keyboard as
// it is typed, pasted or read from a file, the explorer's saved texts, adding and removing.
#pragma once

#include "appstore.h"
#include "hometexts.h"
#include "textcheck.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

namespace tapalong {

// A character of the draft the keyboard cannot type, and what will happen to it.
struct DraftCharacter {
    Q_GADGET
    QML_VALUE_TYPE(draftCharacter)
    Q_PROPERTY(QString character MEMBER character)
    // "“ (2 times) becomes \"", "🙂 is left out: no key types it"
    Q_PROPERTY(QString text MEMBER text)
    // Whether the grown-up may choose between its plain form and leaving it out.
    Q_PROPERTY(bool replaceable MEMBER replaceable)
    Q_PROPERTY(bool dropped MEMBER dropped)

public:
    QString character;
    QString text;
    bool replaceable = false;
    bool dropped = false;

    bool operator==(const DraftCharacter &) const = default;
};

class PracticeTextEditor : public QObject {
    Q_OBJECT
    QML_ELEMENT

    Q_PROPERTY(tapalong::AppStore *store READ store WRITE setStore NOTIFY storeChanged FINAL)
    // The explorer the texts are for, as ProfileSummary::id gives it.
    Q_PROPERTY(QString profileId READ profileId WRITE setProfileId NOTIFY profileChanged FINAL)
    Q_PROPERTY(QString draft READ draft WRITE setDraft NOTIFY draftChanged FINAL)
    Q_PROPERTY(QList<tapalong::DraftCharacter> untypeable READ untypeable NOTIFY draftChanged FINAL)
    // Sentences about what was taken out or cut; empty when nothing was.
    Q_PROPERTY(QString notes READ notes NOTIFY draftChanged FINAL)
    // What the explorer will type, line by line as the lesson screen shows it.
    Q_PROPERTY(QString result READ result NOTIFY draftChanged FINAL)
    Q_PROPERTY(bool canSave READ canSave NOTIFY draftChanged FINAL)
    // The outcome of the last save or file read: a sentence, and whether it is a failure.
    Q_PROPERTY(QString message READ message NOTIFY messageChanged FINAL)
    Q_PROPERTY(bool failed READ failed NOTIFY messageChanged FINAL)
    Q_PROPERTY(QList<tapalong::HomeText> texts READ texts NOTIFY textsChanged FINAL)
    Q_PROPERTY(QUrl startFolder READ startFolder CONSTANT FINAL)

public:
    // Larger files are refused before they are read: a text keeps PracticeTexts::maxChars
    // characters, and four bytes a character is the most UTF-8 needs.
    static constexpr qint64 maxFileBytes = 64 * 1024;

    struct FileText {
        QString text;
        QString problem; // a sentence for the grown-up; empty when the text was read
    };
    // Plain text in UTF-8 (a byte-order mark is allowed), at most maxFileBytes.
    static FileText readFile(const QString &path);

    explicit PracticeTextEditor(QObject *parent = nullptr);

    AppStore *store() const { return m_store; }
    void setStore(AppStore *store);
    QString profileId() const { return m_profileId; }
    void setProfileId(const QString &id);
    QString draft() const { return m_draft; }
    void setDraft(const QString &draft);

    QList<DraftCharacter> untypeable() const;
    QString notes() const;
    QString result() const;
    bool canSave() const;
    QString message() const { return m_message; }
    bool failed() const { return m_failed; }
    QList<HomeText> texts() const;
    static QUrl startFolder();

    // Between the character's plain form and leaving it out.
    Q_INVOKABLE void toggle(const QString &character);
    // Adds the checked text for the explorer and clears the draft; says why when it cannot.
    Q_INVOKABLE bool save();
    Q_INVOKABLE void remove(const QString &textId);
    // Reads a file into the draft; says why when it cannot.
    Q_INVOKABLE bool loadFile(const QUrl &file);

signals:
    void storeChanged();
    void profileChanged();
    void draftChanged();
    void messageChanged();
    void textsChanged();

private:
    const Profile *profile() const;
    void recheck();
    void setMessage(const QString &message, bool failed);

    QPointer<AppStore> m_store;
    QString m_profileId;
    QString m_draft;
    QSet<QString> m_dropped;
    TextCheck::Prepared m_prepared;
    QString m_message;
    bool m_failed = false;
};

} // namespace tapalong
