// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "coursejson.h"

#include "curriculum.h"

#include <QStringList>

namespace tapalong {

namespace {

// QJsonObject sorts its keys, which would put "drills" before "id"; a small writer keeps the
// order of the records instead.
class JsonWriter {
public:
    QByteArray result() const { return out + '\n'; }

    void beginObject() { open('{'); }
    void endObject() { close('}'); }
    void beginArray() { open('['); }
    void endArray() { close(']'); }

    void key(const char *name)
    {
        separate();
        string(QString::fromLatin1(name));
        out += ": ";
        afterKey = true;
    }

    void value(const QString &text)
    {
        separate();
        string(text);
    }

    void value(bool yes)
    {
        separate();
        out += yes ? "true" : "false";
    }

    void null()
    {
        separate();
        out += "null";
    }

    void value(double number)
    {
        separate();
        out += QByteArray::number(number, 'g', 17);
    }

    void value(const QStringList &texts)
    {
        beginArray();
        for (const QString &text : texts)
            value(text);
        endArray();
    }

private:
    void open(char bracket)
    {
        separate();
        out += bracket;
        levels.append(0);
    }

    void close(char bracket)
    {
        const bool empty = levels.takeLast() == 0;
        if (!empty)
            newline();
        out += bracket;
    }

    // Everything but the value right after a key starts on its own line.
    void separate()
    {
        if (afterKey) {
            afterKey = false;
            return;
        }
        if (levels.isEmpty())
            return;
        if (levels.last()++ > 0)
            out += ',';
        newline();
    }

    void newline()
    {
        out += '\n';
        out += QByteArray(2 * levels.size(), ' ');
    }

    void string(const QString &text)
    {
        out += '"';
        for (const char c : text.toUtf8()) {
            const auto byte = static_cast<unsigned char>(c);
            if (c == '"' || c == '\\') {
                out += '\\';
                out += c;
            } else if (byte < 0x20) {
                out += "\\u" + QByteArray::number(byte, 16).rightJustified(4, '0');
            } else {
                out += c;
            }
        }
        out += '"';
    }

    QByteArray out;
    QList<int> levels; // values written so far at each open bracket
    bool afterKey = false;
};

QStringList keysOf(const QString &keys)
{
    QStringList list;
    for (QChar key : keys)
        list.append(QString(key));
    return list;
}

void writeUnits(JsonWriter &json, const Course &course)
{
    json.beginArray();
    for (const LearningUnit &unit : course.units()) {
        json.beginObject();
        json.key("id");
        json.value(unit.id);
        json.key("title");
        json.value(unit.title);
        json.key("emoji");
        json.value(unit.emoji);
        json.key("lessons");
        json.beginArray();
        for (const Lesson &lesson : unit.lessons) {
            json.beginObject();
            json.key("id");
            json.value(lesson.id);
            json.key("title");
            json.value(lesson.title);
            json.key("emoji");
            json.value(lesson.emoji);
            json.key("newKeys");
            json.value(keysOf(lesson.newKeys));
            json.key("keyPool");
            json.value(keysOf(lesson.keyPool));
            json.key("drills");
            json.value(lesson.drills);
            json.key("targetWPM");
            json.value(lesson.targetWPM);
            json.endObject();
        }
        json.endArray();
        json.endObject();
    }
    json.endArray();
}

const char *fingerKey(Finger finger)
{
    static constexpr const char *names[] = {"leftPinky",  "leftRing",    "leftMiddle",
                                            "leftIndex",  "rightIndex",  "rightMiddle",
                                            "rightRing",  "rightPinky",  "thumb"};
    return names[int(finger)];
}

void writeKey(JsonWriter &json, const KeyDef &key)
{
    json.beginObject();
    json.key("position");
    json.value(key.position);
    json.key("id");
    json.value(key.id);
    json.key("label");
    json.value(key.label);
    json.key("width");
    json.value(key.width);
    json.key("finger");
    if (key.finger)
        json.value(QString::fromLatin1(fingerKey(*key.finger)));
    else
        json.null();
    // Plain, Shift, AltGr, Shift+AltGr.
    json.key("levels");
    json.beginArray();
    for (int level = 0; level < 4; ++level) {
        if (const std::optional<QChar> typed = key.level(level))
            json.value(QString(*typed));
        else
            json.null();
    }
    json.endArray();
    json.key("dead");
    json.beginArray();
    for (int level = 0; level < 4; ++level)
        json.value(key.isDead(level));
    json.endArray();
    json.endObject();
}

} // namespace

QByteArray courseJson()
{
    return courseJson(Curriculum::active());
}

QByteArray courseJson(const Course &course)
{
    JsonWriter json;
    writeUnits(json, course);
    return json.result();
}

QByteArray layoutJson(const Course &course)
{
    const Keyboard &keyboard = course.keyboard();
    JsonWriter json;
    json.beginObject();
    json.key("layout");
    json.value(keyboard.name().layout);
    json.key("variant");
    json.value(keyboard.name().variant);
    json.key("iso");
    json.value(keyboard.isIso());
    json.key("keyboard");
    json.beginArray();
    for (const QList<KeyDef> &row : keyboard.rows()) {
        json.beginArray();
        for (const KeyDef &key : row)
            writeKey(json, key);
        json.endArray();
    }
    json.endArray();
    json.key("units");
    writeUnits(json, course);
    json.endObject();
    return json.result();
}

} // namespace tapalong
