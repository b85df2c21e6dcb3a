// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "savecodec.h"

#include "history.h"
#include "practicetexts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <QLoggingCategory>

#include <charconv>
#include <cmath>
#include <iterator>

namespace tapalong::SaveCodec {

namespace {

Q_LOGGING_CATEGORY(lcSaveCodec, "tapalong.save")

// Writes compact JSON. Our own writer, because numbers must use the shortest form that
// reads back bit for bit, and a number JSON cannot hold must fail instead of becoming null.
class JsonWriter {
public:
    void beginObject() { open('{'); }
    void endObject() { close('}'); }
    void beginArray() { open('['); }
    void endArray() { close(']'); }

    void key(QLatin1StringView name)
    {
        separate();
        m_out += '"';
        m_out.append(name.data(), name.size()); // our own key names need no escaping
        m_out += "\":";
        m_needsComma = false;
    }
    void key(QStringView name)
    {
        separate();
        writeString(name);
        m_out += ':';
        m_needsComma = false;
    }

    template <typename T> void field(QLatin1StringView name, const T &v)
    {
        key(name);
        value(v);
    }

    void value(QStringView text)
    {
        separate();
        writeString(text);
        m_needsComma = true;
    }
    void value(bool flag)
    {
        separate();
        m_out += flag ? "true" : "false";
        m_needsComma = true;
    }
    void value(qint64 number)
    {
        separate();
        char buffer[24];
        const auto end = std::to_chars(std::begin(buffer), std::end(buffer), number).ptr;
        m_out.append(buffer, end - buffer);
        m_needsComma = true;
    }
    void value(double number)
    {
        separate();
        if (!std::isfinite(number)) {
            m_failed = true;
            return;
        }
        char buffer[32];
        const auto end = std::to_chars(std::begin(buffer), std::end(buffer), number).ptr;
        m_out.append(buffer, end - buffer);
        m_needsComma = true;
    }
    void value(Timestamp moment) { value(moment.secondsSinceReference); }
    void value(const QUuid &id)
    {
        separate();
        m_out += '"';
        m_out += id.toByteArray(QUuid::WithoutBraces).toUpper();
        m_out += '"';
        m_needsComma = true;
    }

    // A value already in compact JSON; an empty one is a value that could not be written.
    void preEncoded(const QByteArray &json)
    {
        separate();
        m_failed = m_failed || json.isEmpty();
        m_out += json;
        m_needsComma = true;
    }

    QByteArray result() const { return m_failed ? QByteArray() : m_out; }

private:
    void separate()
    {
        if (m_needsComma)
            m_out += ',';
    }
    void open(char bracket)
    {
        separate();
        m_out += bracket;
        m_needsComma = false;
    }
    void close(char bracket)
    {
        m_out += bracket;
        m_needsComma = true;
    }

    void writeString(QStringView text)
    {
        m_out += '"';
        qsizetype plainFrom = 0;
        const auto appendPlain = [&](qsizetype end) {
            m_out += text.sliced(plainFrom, end - plainFrom).toUtf8();
        };
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char16_t unit = text[i].unicode();
            if (QChar::isHighSurrogate(unit) && i + 1 < text.size() &&
                text[i + 1].isLowSurrogate()) {
                ++i;
                continue;
            }
            // A lone surrogate has no UTF-8 form; its escape keeps the text as it was.
            if (unit >= 0x20 && unit != u'"' && unit != u'\\' && !QChar::isSurrogate(unit))
                continue;
            appendPlain(i);
            plainFrom = i + 1;
            if (unit == u'"' || unit == u'\\') {
                m_out += '\\';
                m_out += char(unit);
            } else {
                static constexpr char hex[] = "0123456789abcdef";
                m_out += "\\u";
                for (int shift = 12; shift >= 0; shift -= 4)
                    m_out += hex[(unit >> shift) & 0xF];
            }
        }
        appendPlain(text.size());
        m_out += '"';
    }

    QByteArray m_out;
    bool m_needsComma = false;
    bool m_failed = false;
};

void writeLessonResult(JsonWriter &w, const LessonResult &result)
{
    w.beginObject();
    w.field(Key::stars, result.stars);
    w.field(Key::wpm, result.wpm);
    w.field(Key::accuracy, result.accuracy);
    w.field(Key::date, result.date);
    w.endObject();
}

void writeGameScore(JsonWriter &w, const GameScore &game)
{
    w.beginObject();
    w.field(Key::id, game.id);
    w.field(Key::kind, gameId(game.kind));
    w.field(Key::score, game.score);
    if (game.wpm)
        w.field(Key::wpm, *game.wpm);
    w.field(Key::date, game.date);
    w.endObject();
}

void writeProfile(JsonWriter &w, const Profile &profile)
{
    w.beginObject();
    w.field(Key::id, profile.id);
    w.field(Key::name, profile.name);
    w.field(Key::avatar, profile.avatar);
    w.field(Key::createdAt, profile.createdAt);

    w.key(Key::lessonResults);
    w.beginObject();
    for (auto it = profile.lessonResults.cbegin(); it != profile.lessonResults.cend(); ++it) {
        w.key(it.key());
        writeLessonResult(w, it.value());
    }
    w.endObject();

    w.key(Key::gameScores);
    w.beginArray();
    for (const GameScore &game : profile.gameScores)
        writeGameScore(w, game);
    w.endArray();

    w.key(Key::badges);
    w.beginObject();
    for (auto it = profile.badges.cbegin(); it != profile.badges.cend(); ++it) {
        w.key(it.key());
        w.value(it.value());
    }
    w.endObject();

    w.field(Key::totalCorrectKeys, profile.totalCorrectKeys);
    w.field(Key::streak, profile.streak);
    if (profile.lastActiveDay)
        w.field(Key::lastActiveDay, *profile.lastActiveDay);
    if (!profile.history.isEmpty()) {
        w.key(Key::history);
        w.preEncoded(History::encodeHistory(profile.history));
    }
    if (!profile.keyStats.isEmpty()) {
        w.key(Key::keyStats);
        w.preEncoded(History::encodeKeyStats(profile.keyStats));
    }
    if (!profile.practiceTexts.isEmpty()) {
        w.key(Key::practiceTexts);
        w.beginArray();
        for (const PracticeText &text : profile.practiceTexts) {
            w.beginObject();
            w.field(Key::id, text.id);
            w.field(Key::text, text.text);
            w.field(Key::added, text.added);
            w.endObject();
        }
        w.endArray();
    }
    if (!profile.comfort.isDefault()) {
        w.key(Key::comfort);
        w.preEncoded(ComfortCodec::encode(profile.comfort));
    }
    if (profile.spokenHelp != SpokenHelp{}) {
        w.key(Key::spokenHelp);
        w.beginObject();
        w.field(Key::sayNames, profile.spokenHelp.sayNames);
        w.field(Key::sayNextKey, profile.spokenHelp.sayNextKey);
        w.endObject();
    }
    w.endObject();
}

std::optional<qint64> toInt(const QJsonValue &value)
{
    // toInteger() answers only for a whole number inside qint64; probing with two different
    // fallbacks tells a stored 0 from a refusal.
    const qint64 number = value.toInteger(0);
    if (number != 0 || value.toInteger(1) == 0)
        return number;
    return std::nullopt;
}

// Reads the fields of one JSON object. The first fault clears the shared flag; the values
// returned after that are placeholders that the caller throws away.
class ObjectReader {
public:
    ObjectReader(const QJsonValue &value, bool &ok) : ok_(ok)
    {
        if (value.isObject())
            object_ = value.toObject();
        else
            ok_ = false;
    }

    QJsonObject object(QLatin1StringView key) const
    {
        const QJsonValue value = object_.value(key);
        check(value.isObject());
        return value.toObject();
    }
    QJsonArray array(QLatin1StringView key) const
    {
        const QJsonValue value = object_.value(key);
        check(value.isArray());
        return value.toArray();
    }
    QJsonValue entry(QLatin1StringView key) const { return object_.value(key); }

    QString string(QLatin1StringView key) const
    {
        const QJsonValue value = object_.value(key);
        check(value.isString());
        return value.toString();
    }
    qint64 integer(QLatin1StringView key) const { return need(toInt(object_.value(key))); }
    double number(QLatin1StringView key) const
    {
        const QJsonValue value = object_.value(key);
        check(value.isDouble());
        return value.toDouble();
    }
    Timestamp date(QLatin1StringView key) const { return {number(key)}; }
    QUuid uuid(QLatin1StringView key) const { return need(readUuid(object_.value(key))); }

    std::optional<double> optionalNumber(QLatin1StringView key) const
    {
        if (isAbsent(key))
            return std::nullopt;
        return number(key);
    }
    std::optional<QString> optionalString(QLatin1StringView key) const
    {
        if (isAbsent(key))
            return std::nullopt;
        return string(key);
    }
    std::optional<QUuid> optionalUuid(QLatin1StringView key) const
    {
        if (isAbsent(key))
            return std::nullopt;
        return uuid(key);
    }
    bool flagOrTrue(QLatin1StringView key) const
    {
        if (isAbsent(key))
            return true;
        const QJsonValue value = object_.value(key);
        check(value.isBool());
        return value.toBool();
    }

private:
    bool isAbsent(QLatin1StringView key) const
    {
        const QJsonValue value = object_.value(key);
        return value.isUndefined() || value.isNull();
    }
    void check(bool good) const
    {
        if (!good)
            ok_ = false;
    }
    template <typename T> T need(const std::optional<T> &value) const
    {
        check(value.has_value());
        return value.value_or(T());
    }

    QJsonObject object_;
    bool &ok_;
};

LessonResult readLessonResult(const QJsonValue &value, bool &ok)
{
    const ObjectReader fields(value, ok);
    LessonResult result;
    result.stars = fields.integer(Key::stars);
    result.wpm = fields.number(Key::wpm);
    result.accuracy = fields.number(Key::accuracy);
    result.date = fields.date(Key::date);
    return result;
}

GameScore readGameScore(const QJsonValue &value, bool &ok)
{
    const ObjectReader fields(value, ok);
    GameScore game;
    game.id = fields.uuid(Key::id);
    const auto kind = gameKindFromId(fields.string(Key::kind));
    if (!kind)
        ok = false;
    game.kind = kind.value_or(GameKind::letterDrop);
    game.score = fields.integer(Key::score);
    game.wpm = fields.optionalNumber(Key::wpm);
    game.date = fields.date(Key::date);
    return game;
}

// Read leniently: a damaged flag is only a flag left off, never a reason to lose a household.
SpokenHelp readSpokenHelp(const QJsonValue &value)
{
    const QJsonObject object = value.toObject();
    return {object.value(Key::sayNames).toBool(false),
            object.value(Key::sayNextKey).toBool(false)};
}

Profile readProfile(const QJsonValue &value, bool &ok)
{
    const ObjectReader fields(value, ok);
    Profile profile;
    profile.id = fields.uuid(Key::id);
    profile.name = fields.string(Key::name);
    profile.avatar = fields.string(Key::avatar);
    profile.createdAt = fields.date(Key::createdAt);

    const QJsonObject results = fields.object(Key::lessonResults);
    for (auto it = results.constBegin(); ok && it != results.constEnd(); ++it)
        profile.lessonResults.insert(it.key(), readLessonResult(it.value(), ok));

    const QJsonArray games = fields.array(Key::gameScores);
    for (qsizetype i = 0; ok && i < games.size(); ++i)
        profile.gameScores.append(readGameScore(games.at(i), ok));

    const QJsonObject badges = fields.object(Key::badges);
    for (auto it = badges.constBegin(); ok && it != badges.constEnd(); ++it) {
        if (!it.value().isDouble())
            ok = false;
        profile.badges.insert(it.key(), {it.value().toDouble()});
    }

    profile.totalCorrectKeys = fields.integer(Key::totalCorrectKeys);
    profile.streak = fields.integer(Key::streak);
    if (const auto last = fields.optionalNumber(Key::lastActiveDay))
        profile.lastActiveDay = Timestamp{*last};
    profile.history = History::readHistory(fields.entry(Key::history));
    profile.keyStats = History::readKeyStats(fields.entry(Key::keyStats));
    profile.practiceTexts = PracticeTexts::read(fields.entry(Key::practiceTexts));
    profile.comfort = ComfortCodec::read(fields.entry(Key::comfort));
    profile.spokenHelp = readSpokenHelp(fields.entry(Key::spokenHelp));
    return profile;
}

// Read leniently, like the history: a household whose choice was damaged is better off typing
// on the US course than losing every explorer's progress.
LayoutName readKeyboardLayout(const QJsonValue &value)
{
    if (value.isUndefined() || value.isNull())
        return LayoutName::us();
    const auto name = LayoutName::parse(value.toString());
    if (!value.isString() || !name) {
        qCWarning(lcSaveCodec) << "The keyboard layout" << value << "is no layout name; US it is.";
        return LayoutName::us();
    }
    return *name;
}

} // namespace

std::optional<QUuid> readUuid(const QJsonValue &value)
{
    // Only the canonical 8-4-4-4-12 form; QUuid alone would also take braces and other shapes.
    if (!value.isString())
        return std::nullopt;
    const QString text = value.toString();
    if (text.size() != 36)
        return std::nullopt;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        const bool hyphenPlace = i == 8 || i == 13 || i == 18 || i == 23;
        const bool isHex =
            (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
        if (hyphenPlace ? c != u'-' : !isHex)
            return std::nullopt;
    }
    return QUuid::fromString(text);
}

QByteArray encode(const AppData &data)
{
    JsonWriter w;
    w.beginObject();
    w.key(Key::profiles);
    w.beginArray();
    for (const Profile &profile : data.profiles)
        writeProfile(w, profile);
    w.endArray();
    if (data.currentProfileID)
        w.field(Key::currentProfileID, *data.currentProfileID);
    w.key(Key::settings);
    w.beginObject();
    w.field(Key::soundEnabled, data.settings.soundEnabled);
    w.field(Key::voiceEnabled, data.settings.voiceEnabled);
    if (data.settings.keyboardLayout != LayoutName::us())
        w.field(Key::keyboardLayout, data.settings.keyboardLayout.text());
    if (data.settings.language)
        w.field(Key::language, *data.settings.language);
    w.endObject();
    w.endObject();
    return w.result();
}

std::optional<AppData> decode(const QByteArray &json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;

    bool ok = true;
    const ObjectReader root(document.object(), ok);
    AppData data;

    const QJsonArray profiles = root.array(Key::profiles);
    for (qsizetype i = 0; ok && i < profiles.size(); ++i)
        data.profiles.append(readProfile(profiles.at(i), ok));
    data.currentProfileID = root.optionalUuid(Key::currentProfileID);

    const ObjectReader settings(root.entry(Key::settings), ok);
    data.settings.soundEnabled = settings.flagOrTrue(Key::soundEnabled);
    data.settings.voiceEnabled = settings.flagOrTrue(Key::voiceEnabled);
    data.settings.keyboardLayout = readKeyboardLayout(settings.entry(Key::keyboardLayout));
    data.settings.language = settings.optionalString(Key::language);

    if (!ok)
        return std::nullopt;
    return data;
}

} // namespace tapalong::SaveCodec
