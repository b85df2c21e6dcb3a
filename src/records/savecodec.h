// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// The JSON form of AppData: the save file's exact bytes and the strict rules for reading them.
#pragma once

#include "records.h"

#include <QByteArray>
#include <QJsonValue>
#include <QLatin1StringView>

#include <optional>

namespace tapalong::SaveCodec {

// The save file's key names; files already on disk depend on them, so they never change.
namespace Key {
inline constexpr QLatin1StringView profiles{"profiles"};
inline constexpr QLatin1StringView currentProfileID{"currentProfileID"};
inline constexpr QLatin1StringView settings{"settings"};

inline constexpr QLatin1StringView soundEnabled{"soundEnabled"};
inline constexpr QLatin1StringView voiceEnabled{"voiceEnabled"};
// Written only when it is not US, so a file from before the choice writes back byte for byte.
inline constexpr QLatin1StringView keyboardLayout{"keyboardLayout"};
inline constexpr QLatin1StringView language{"language"};

inline constexpr QLatin1StringView id{"id"};
inline constexpr QLatin1StringView name{"name"};
inline constexpr QLatin1StringView avatar{"avatar"};
inline constexpr QLatin1StringView createdAt{"createdAt"};
inline constexpr QLatin1StringView lessonResults{"lessonResults"};
inline constexpr QLatin1StringView gameScores{"gameScores"};
inline constexpr QLatin1StringView badges{"badges"};
inline constexpr QLatin1StringView totalCorrectKeys{"totalCorrectKeys"};
inline constexpr QLatin1StringView streak{"streak"};
inline constexpr QLatin1StringView lastActiveDay{"lastActiveDay"};
// Written only when not empty, so a file without them writes back byte for byte.
inline constexpr QLatin1StringView history{"history"};
inline constexpr QLatin1StringView keyStats{"keyStats"};
inline constexpr QLatin1StringView practiceTexts{"practiceTexts"};
// The explorer's own look (comfort.h); written only when it is not the usual one.
inline constexpr QLatin1StringView comfort{"comfort"};
// Written only while one of its flags is on, likewise.
inline constexpr QLatin1StringView spokenHelp{"spokenHelp"};
inline constexpr QLatin1StringView sayNames{"sayNames"};
inline constexpr QLatin1StringView sayNextKey{"sayNextKey"};

inline constexpr QLatin1StringView stars{"stars"};
inline constexpr QLatin1StringView wpm{"wpm"};
inline constexpr QLatin1StringView accuracy{"accuracy"};
inline constexpr QLatin1StringView date{"date"};

inline constexpr QLatin1StringView kind{"kind"};
inline constexpr QLatin1StringView score{"score"};

inline constexpr QLatin1StringView lesson{"lesson"};
inline constexpr QLatin1StringView game{"game"};
inline constexpr QLatin1StringView keys{"keys"};
inline constexpr QLatin1StringView seconds{"seconds"};
inline constexpr QLatin1StringView right{"right"};
inline constexpr QLatin1StringView wrong{"wrong"};
inline constexpr QLatin1StringView typedInstead{"typedInstead"};
inline constexpr QLatin1StringView text{"text"};
inline constexpr QLatin1StringView added{"added"};
} // namespace Key

// A UUID in the canonical 8-4-4-4-12 form and no other.
std::optional<QUuid> readUuid(const QJsonValue &value);

// Compact UTF-8 JSON whose numbers read back to exactly the same doubles. Empty when the data
// hold a number JSON cannot express (infinity or NaN): such data must not be written at all.
QByteArray encode(const AppData &data);

// Nothing unless the whole text follows the reading rules; no part of a faulty file is used.
// An Int is any JSON number with a whole value inside qint64 ("3.0" reads as 3; digits beyond
// 2^53 are kept exactly, but "1e19" is out of range). Minus zero reads as zero.
std::optional<AppData> decode(const QByteArray &json);

} // namespace tapalong::SaveCodec
