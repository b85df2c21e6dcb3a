// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "practicetexteditor.h"
#include "storebinding.h"

#include "practicetexts.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QStringDecoder>

namespace tapalong {

PracticeTextEditor::FileText PracticeTextEditor::readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, tr("The file could not be opened (%1).").arg(file.errorString())};
    if (file.size() > maxFileBytes)
        return {{},
                tr("This file is too long for a practice text: a text from home holds at most "
                   "%1 characters. Copy the part you want into the box instead.")
                    .arg(PracticeTexts::maxChars)};
    const QByteArray bytes = file.read(maxFileBytes + 1);
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder.decode(bytes);
    // A NUL byte is valid UTF-8 but never part of a text: it marks a document or a picture.
    if (decoder.hasError() || bytes.contains('\0') || bytes.size() > maxFileBytes)
        return {{},
                tr("This file is not plain text in UTF-8, so Tapalong cannot read it. Save it "
                   "as plain text (UTF-8) and try again.")};
    return {text, {}};
}

PracticeTextEditor::PracticeTextEditor(QObject *parent) : QObject(parent) {}

void PracticeTextEditor::setStore(AppStore *store)
{
    if (!rebindStore(m_store, store, this, &PracticeTextEditor::textsChanged))
        return;
    emit storeChanged();
    emit textsChanged();
}

void PracticeTextEditor::setProfileId(const QString &id)
{
    if (m_profileId == id)
        return;
    m_profileId = id;
    emit profileChanged();
    emit textsChanged();
    setMessage({}, false);
}

void PracticeTextEditor::setDraft(const QString &draft)
{
    if (m_draft == draft)
        return;
    m_draft = draft;
    m_dropped.clear();
    recheck();
}

void PracticeTextEditor::recheck()
{
    m_prepared = TextCheck::prepare(m_draft, KeyboardLayout::active(), m_dropped);
    emit draftChanged();
}

const Profile *PracticeTextEditor::profile() const
{
    if (!m_store)
        return nullptr;
    const QUuid id = QUuid::fromString(m_profileId);
    for (const Profile &profile : m_store->data().profiles) {
        if (profile.id == id)
            return &profile;
    }
    return nullptr;
}

QList<DraftCharacter> PracticeTextEditor::untypeable() const
{
    QList<DraftCharacter> list;
    for (const TextCheck::Untypeable &u : m_prepared.untypeable) {
        const bool dropped = u.replacement.isEmpty() || m_dropped.contains(u.character);
        QString text;
        if (u.replacement.isEmpty())
            text = tr("%1 (%n time(s)) is left out: no key types it", nullptr, int(u.count))
                       .arg(u.character);
        else if (dropped)
            text = tr("%1 (%n time(s)) is left out", nullptr, int(u.count)).arg(u.character);
        else
            text = tr("%1 (%n time(s)) becomes %2", nullptr, int(u.count))
                       .arg(u.character, u.replacement);
        list.append({u.character, text, !u.replacement.isEmpty(), dropped});
    }
    return list;
}

QString PracticeTextEditor::notes() const
{
    QStringList notes;
    if (!m_prepared.untypeable.isEmpty())
        notes << tr("Some characters cannot be typed on this keyboard; each is shown below with "
                    "what happens to it.");
    if (m_prepared.controlsRemoved > 0)
        notes << tr("%n invisible control character(s) were taken out.", nullptr,
                    int(m_prepared.controlsRemoved));
    if (m_prepared.trimmedFrom > 0)
        notes << tr("The text is %1 characters long; a text from home holds at most %2, so it "
                    "ends at \"%3\".")
                     .arg(m_prepared.trimmedFrom)
                     .arg(PracticeTexts::maxChars)
                     .arg(m_prepared.text.right(24).simplified());
    return notes.join(u' ');
}

QString PracticeTextEditor::result() const
{
    return TextCheck::wrap(m_prepared.text).join(u'\n');
}

bool PracticeTextEditor::canSave() const
{
    return !m_prepared.text.isEmpty() && profile() != nullptr;
}

QList<HomeText> PracticeTextEditor::texts() const
{
    const Profile *explorer = profile();
    return explorer ? HomeText::of(*explorer) : QList<HomeText>();
}

QUrl PracticeTextEditor::startFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QUrl::fromLocalFile(QDir(documents).exists() ? documents : QDir::homePath());
}

void PracticeTextEditor::toggle(const QString &character)
{
    if (m_dropped.contains(character))
        m_dropped.remove(character);
    else
        m_dropped.insert(character);
    recheck();
}

bool PracticeTextEditor::save()
{
    const Profile *explorer = profile();
    if (!explorer || !m_store)
        return false;
    if (m_prepared.text.isEmpty()) {
        setMessage(tr("There is nothing to type in this text yet."), true);
        return false;
    }
    if (explorer->practiceTexts.size() >= PracticeTexts::maxTexts) {
        setMessage(tr("%1 already has %2 texts, the most one explorer keeps. Remove one to add "
                      "another.")
                       .arg(explorer->name)
                       .arg(PracticeTexts::maxTexts),
                   true);
        return false;
    }
    const QString name = explorer->name;
    if (m_store->addPracticeText(explorer->id, m_prepared.text).isNull())
        return false;
    setDraft(QString());
    setMessage(tr("Saved. %1 finds it on the dashboard under \"Practice from home\".").arg(name),
               false);
    return true;
}

void PracticeTextEditor::remove(const QString &textId)
{
    const Profile *explorer = profile();
    if (explorer && m_store)
        m_store->removePracticeText(explorer->id, QUuid::fromString(textId));
}

bool PracticeTextEditor::loadFile(const QUrl &file)
{
    const FileText read = readFile(file.toLocalFile());
    if (!read.problem.isEmpty()) {
        setMessage(read.problem, true);
        return false;
    }
    setDraft(read.text);
    setMessage({}, false);
    return true;
}

void PracticeTextEditor::setMessage(const QString &message, bool failed)
{
    if (m_message == message && m_failed == failed)
        return;
    m_message = message;
    m_failed = failed;
    emit messageChanged();
}

} // namespace tapalong
