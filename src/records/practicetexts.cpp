// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "practicetexts.h"

#include "savecodec.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QSet>

#include <cmath>

namespace tapalong::PracticeTexts {

namespace {

Q_LOGGING_CATEGORY(lcTexts, "tapalong.save")

namespace Key = SaveCodec::Key;

std::optional<PracticeText> readText(const QJsonValue &value)
{
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject object = value.toObject();
    const auto id = SaveCodec::readUuid(object.value(Key::id));
    const QJsonValue text = object.value(Key::text);
    const QJsonValue added = object.value(Key::added);
    if (!id || !text.isString() || text.toString().isEmpty() ||
        text.toString().size() > maxChars || !added.isDouble() ||
        !std::isfinite(added.toDouble()))
        return std::nullopt;
    return PracticeText{*id, text.toString(), {added.toDouble()}};
}

} // namespace

QList<PracticeText> read(const QJsonValue &value)
{
    QList<PracticeText> texts;
    if (value.isUndefined() || value.isNull())
        return texts;
    if (!value.isArray()) {
        qCWarning(lcTexts) << "The practice texts are not a list; they are left out.";
        return texts;
    }
    const QJsonArray entries = value.toArray();
    QSet<QUuid> seen;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const auto text = readText(entries.at(i));
        if (!text || seen.contains(text->id)) {
            qCWarning(lcTexts) << "Practice text" << i << "is malformed; left out.";
            continue;
        }
        if (texts.size() == maxTexts) {
            qCWarning(lcTexts) << "More than" << maxTexts << "practice texts; the rest are left out.";
            break;
        }
        seen.insert(text->id);
        texts.append(*text);
    }
    return texts;
}

} // namespace tapalong::PracticeTexts
