// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "history.h"

#include "savecodec.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QLoggingCategory>

#include <charconv>
#include <cmath>
#include <iterator>
#include <limits>

namespace tapalong::History {

namespace {

Q_LOGGING_CATEGORY(lcHistory, "tapalong.save")

namespace Key = SaveCodec::Key;

void addSaturating(qint64 &total, qint64 more)
{
    if (qAddOverflow(total, more, &total))
        total = std::numeric_limits<qint64>::max();
}

class FragmentWriter {
public:
    void raw(const char *text) { out_ += text; }
    void key(QLatin1StringView name)
    {
        out_ += '"';
        out_.append(name.data(), name.size());
        out_ += "\":";
    }
    void string(QStringView text)
    {
        out_ += '"';
        for (const QChar c : text) {
            const char16_t unit = c.unicode();
            if (unit == u'"' || unit == u'\\') {
                out_ += '\\';
                out_ += char(unit);
            } else if (unit < 0x20 || QChar::isSurrogate(unit)) {
                // Our strings are lesson ids and single keys: never a surrogate pair.
                static constexpr char hex[] = "0123456789abcdef";
                out_ += "\\u";
                for (int shift = 12; shift >= 0; shift -= 4)
                    out_ += hex[(unit >> shift) & 0xF];
            } else {
                out_ += QString(c).toUtf8();
            }
        }
        out_ += '"';
    }
    void number(qint64 value)
    {
        char buffer[24];
        const auto end = std::to_chars(std::begin(buffer), std::end(buffer), value).ptr;
        out_.append(buffer, end - buffer);
    }
    void number(double value)
    {
        if (!std::isfinite(value)) {
            failed_ = true;
            return;
        }
        char buffer[32];
        const auto end = std::to_chars(std::begin(buffer), std::end(buffer), value).ptr;
        out_.append(buffer, end - buffer);
    }
    template <typename T> void field(QLatin1StringView name, T value, bool comma = true)
    {
        if (comma)
            out_ += ',';
        key(name);
        number(value);
    }

    QByteArray result() const { return failed_ ? QByteArray() : out_; }

private:
    QByteArray out_;
    bool failed_ = false;
};

std::optional<qint64> wholeNumber(const QJsonValue &value)
{
    if (!value.isDouble())
        return std::nullopt;
    const qint64 number = value.toInteger(-1);
    if (number < 0)
        return std::nullopt;
    return number;
}

std::optional<double> finiteNumber(const QJsonValue &value)
{
    if (!value.isDouble() || !std::isfinite(value.toDouble()))
        return std::nullopt;
    return value.toDouble();
}

std::optional<QChar> singleKey(const QString &text)
{
    if (text.size() != 1 || text.front().isSurrogate())
        return std::nullopt;
    return text.front();
}

std::optional<PracticeEntry> readEntry(const QJsonValue &value)
{
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject object = value.toObject();
    PracticeEntry entry;
    const auto date = finiteNumber(object.value(Key::date));
    const auto seconds = finiteNumber(object.value(Key::seconds));
    if (!date || !seconds || *seconds < 0)
        return std::nullopt;
    entry.date = {*date};
    entry.seconds = *seconds;

    if (object.contains(Key::game)) {
        entry.game = gameKindFromId(object.value(Key::game).toString());
        const auto score = object.value(Key::score);
        if (!entry.game || !score.isDouble() || score.toDouble() != std::trunc(score.toDouble()))
            return std::nullopt;
        entry.score = score.toInteger();
        return entry;
    }

    const QJsonValue lesson = object.value(Key::lesson);
    const auto wpm = finiteNumber(object.value(Key::wpm));
    const auto accuracy = finiteNumber(object.value(Key::accuracy));
    const auto stars = wholeNumber(object.value(Key::stars));
    const auto keys = wholeNumber(object.value(Key::keys));
    if (!lesson.isString() || lesson.toString().isEmpty() || !wpm || *wpm < 0 || !accuracy ||
        *accuracy < 0 || *accuracy > 100 || !stars || *stars > 3 || !keys)
        return std::nullopt;
    entry.lessonId = lesson.toString();
    entry.wpm = *wpm;
    entry.accuracy = *accuracy;
    entry.stars = *stars;
    entry.keys = *keys;
    return entry;
}

std::optional<KeyStat> readKeyStat(const QJsonValue &value)
{
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject object = value.toObject();
    const auto right = wholeNumber(object.value(Key::right));
    const auto wrong = wholeNumber(object.value(Key::wrong));
    if (!right || !wrong)
        return std::nullopt;
    KeyStat stat{*right, *wrong, {}};
    const QJsonValue instead = object.value(Key::typedInstead);
    if (instead.isUndefined() || instead.isNull())
        return stat;
    if (!instead.isObject())
        return std::nullopt;
    const QJsonObject typed = instead.toObject();
    for (auto it = typed.constBegin(); it != typed.constEnd(); ++it) {
        const auto key = singleKey(it.key());
        const auto times = wholeNumber(it.value());
        if (!key || !times)
            return std::nullopt;
        stat.typedInstead.insert(*key, *times);
    }
    return stat;
}

} // namespace

void append(QList<PracticeEntry> &history, PracticeEntry entry)
{
    if (history.size() >= maxEntries)
        history.remove(0, history.size() - maxEntries + 1);
    history.append(std::move(entry));
}

void count(KeyStats &stats, QChar expected, QChar typed)
{
    KeyStat &stat = stats[expected];
    if (expected == typed) {
        addSaturating(stat.right, 1);
    } else {
        addSaturating(stat.wrong, 1);
        addSaturating(stat.typedInstead[typed], 1);
    }
}

void merge(KeyStats &into, const KeyStats &from)
{
    for (auto it = from.cbegin(); it != from.cend(); ++it) {
        KeyStat &stat = into[it.key()];
        addSaturating(stat.right, it->right);
        addSaturating(stat.wrong, it->wrong);
        for (auto typed = it->typedInstead.cbegin(); typed != it->typedInstead.cend(); ++typed)
            addSaturating(stat.typedInstead[typed.key()], typed.value());
    }
}

QByteArray encodeHistory(const QList<PracticeEntry> &history)
{
    FragmentWriter w;
    w.raw("[");
    bool first = true;
    for (const PracticeEntry &entry : history) {
        w.raw(first ? "{" : ",{");
        first = false;
        w.field(Key::date, entry.date.secondsSinceReference, false);
        if (entry.game) {
            w.raw(",");
            w.key(Key::game);
            w.string(gameId(*entry.game));
            w.field(Key::score, entry.score);
        } else {
            w.raw(",");
            w.key(Key::lesson);
            w.string(entry.lessonId);
            w.field(Key::wpm, entry.wpm);
            w.field(Key::accuracy, entry.accuracy);
            w.field(Key::stars, entry.stars);
            w.field(Key::keys, entry.keys);
        }
        w.field(Key::seconds, entry.seconds);
        w.raw("}");
    }
    w.raw("]");
    return w.result();
}

QByteArray encodeKeyStats(const KeyStats &stats)
{
    FragmentWriter w;
    w.raw("{");
    bool first = true;
    for (auto it = stats.cbegin(); it != stats.cend(); ++it) {
        if (!first)
            w.raw(",");
        first = false;
        w.string(QString(it.key()));
        w.raw(":{");
        w.field(Key::right, it->right, false);
        w.field(Key::wrong, it->wrong);
        if (!it->typedInstead.isEmpty()) {
            w.raw(",");
            w.key(Key::typedInstead);
            w.raw("{");
            bool firstTyped = true;
            for (auto typed = it->typedInstead.cbegin(); typed != it->typedInstead.cend();
                 ++typed) {
                if (!firstTyped)
                    w.raw(",");
                firstTyped = false;
                w.string(QString(typed.key()));
                w.raw(":");
                w.number(typed.value());
            }
            w.raw("}");
        }
        w.raw("}");
    }
    w.raw("}");
    return w.result();
}

QList<PracticeEntry> readHistory(const QJsonValue &value)
{
    QList<PracticeEntry> history;
    if (value.isUndefined() || value.isNull())
        return history;
    if (!value.isArray()) {
        qCWarning(lcHistory) << "The practice history is not a list; it is left out.";
        return history;
    }
    const QJsonArray entries = value.toArray();
    const qsizetype from = std::max<qsizetype>(0, entries.size() - maxEntries);
    history.reserve(entries.size() - from);
    for (qsizetype i = from; i < entries.size(); ++i) {
        if (auto entry = readEntry(entries.at(i)))
            history.append(std::move(*entry));
        else
            qCWarning(lcHistory) << "Practice history entry" << i << "is malformed; left out.";
    }
    return history;
}

KeyStats readKeyStats(const QJsonValue &value)
{
    KeyStats stats;
    if (value.isUndefined() || value.isNull())
        return stats;
    if (!value.isObject()) {
        qCWarning(lcHistory) << "The key statistics are not an object; they are left out.";
        return stats;
    }
    const QJsonObject object = value.toObject();
    for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
        const auto key = singleKey(it.key());
        const auto stat = key ? readKeyStat(it.value()) : std::nullopt;
        if (stat)
            stats.insert(*key, *stat);
        else
            qCWarning(lcHistory) << "Key statistics for" << it.key() << "are malformed; left out.";
    }
    return stats;
}

} // namespace tapalong::History
