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

} // namespace

QByteArray courseJson()
{
    JsonWriter json;
    json.beginArray();
    for (const LearningUnit &unit : Curriculum::units()) {
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
    return json.result();
}

} // namespace tapalong
