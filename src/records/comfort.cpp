// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "comfort.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>

#include <array>
#include <utility>

namespace tapalong::ComfortCodec {

namespace {

Q_LOGGING_CATEGORY(lcComfort, "tapalong.save")

// The saved names; files depend on them.
constexpr std::array fontNames{std::pair{ReadingFont::rounded, QLatin1StringView{"rounded"}},
                               std::pair{ReadingFont::andika, QLatin1StringView{"andika"}},
                               std::pair{ReadingFont::openDyslexic,
                                         QLatin1StringView{"openDyslexic"}}};
constexpr std::array sizeNames{std::pair{TextSize::normal, QLatin1StringView{"normal"}},
                               std::pair{TextSize::large, QLatin1StringView{"large"}},
                               std::pair{TextSize::larger, QLatin1StringView{"larger"}}};

template <typename Enum, std::size_t N>
QLatin1StringView nameOf(const std::array<std::pair<Enum, QLatin1StringView>, N> &names, Enum e)
{
    for (const auto &[value, name] : names)
        if (value == e)
            return name;
    return names.front().second;
}

template <typename Enum, std::size_t N>
Enum readName(const QJsonObject &object, QLatin1StringView key,
              const std::array<std::pair<Enum, QLatin1StringView>, N> &names)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined() || value.isNull())
        return names.front().first;
    for (const auto &[e, name] : names)
        if (value.isString() && value.toString() == name)
            return e;
    qCWarning(lcComfort) << "The setting" << key << "is" << value << "; the usual one it is.";
    return names.front().first;
}

bool readFlag(const QJsonObject &object, QLatin1StringView key)
{
    const QJsonValue value = object.value(key);
    if (value.isBool())
        return value.toBool();
    if (!value.isUndefined() && !value.isNull())
        qCWarning(lcComfort) << "The setting" << key << "is" << value << "; it is off.";
    return false;
}

} // namespace

QByteArray encode(const Comfort &comfort)
{
    // Qt's writer sorts the keys, which keeps the bytes stable whatever the order of setting.
    QJsonObject object;
    if (comfort.font != ReadingFont::rounded)
        object.insert(Key::font, nameOf(fontNames, comfort.font));
    if (comfort.textSize != TextSize::normal)
        object.insert(Key::textSize, nameOf(sizeNames, comfort.textSize));
    const std::array flags{std::pair{Key::safeColours, comfort.safeColours},
                           std::pair{Key::calmMotion, comfort.calmMotion},
                           std::pair{Key::gentleGames, comfort.gentleGames},
                           std::pair{Key::highContrast, comfort.highContrast}};
    for (const auto &[key, on] : flags)
        if (on)
            object.insert(key, true);
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

Comfort read(const QJsonValue &value)
{
    if (value.isUndefined() || value.isNull())
        return {};
    if (!value.isObject()) {
        qCWarning(lcComfort) << "The explorer's settings are not an object; the usual look it is.";
        return {};
    }
    const QJsonObject object = value.toObject();
    Comfort comfort;
    comfort.font = readName(object, Key::font, fontNames);
    comfort.textSize = readName(object, Key::textSize, sizeNames);
    comfort.safeColours = readFlag(object, Key::safeColours);
    comfort.calmMotion = readFlag(object, Key::calmMotion);
    comfort.gentleGames = readFlag(object, Key::gentleGames);
    comfort.highContrast = readFlag(object, Key::highContrast);
    return comfort;
}

} // namespace tapalong::ComfortCodec
