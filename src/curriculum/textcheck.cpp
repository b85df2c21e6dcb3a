// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "textcheck.h"

#include "practicetexts.h"

#include <QCoreApplication>
#include <QTextBoundaryFinder>

namespace tapalong::TextCheck {

namespace {

bool isLineEnd(char32_t c)
{
    return c == u'\n' || c == u'\r' || c == 0x2028 || c == 0x2029 || c == 0x0B || c == 0x0C ||
           c == 0x85;
}

// Line ends, spaces and controls as prepare() describes; the rest untouched.
QString normalise(const QString &raw, qsizetype &controlsRemoved)
{
    const QString text = raw.normalized(QString::NormalizationForm_C);
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char32_t c = text.at(i).unicode();
        if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
            continue;
        if (isLineEnd(c)) {
            out += u'\n';
        } else if (c == u'\t' || QChar::category(c) == QChar::Separator_Space) {
            out += u' ';
        } else if (QChar::category(c) == QChar::Other_Control ||
                   QChar::category(c) == QChar::Other_Format) {
            ++controlsRemoved;
        } else {
            out += text.at(i);
        }
    }
    // Tidy the whitespace line by line.
    QStringList lines;
    int blank = 0;
    for (const QString &line : out.split(u'\n')) {
        const QString tidy = line.simplified();
        if (tidy.isEmpty()) {
            ++blank;
            continue;
        }
        // One blank line keeps a paragraph apart; more say nothing more.
        if (!lines.isEmpty() && blank > 0)
            lines.append(QString());
        blank = 0;
        lines.append(tidy);
    }
    return lines.join(u'\n');
}

bool typeable(const QString &grapheme, const Keyboard &keyboard)
{
    if (grapheme == u" " || grapheme == u"\n")
        return true;
    return grapheme.size() == 1 && !grapheme.front().isSurrogate() &&
           keyboard.find(grapheme.front()).has_value();
}

bool allTypeable(const QString &text, const Keyboard &keyboard)
{
    for (QChar c : text) {
        if (!typeable(QString(c), keyboard))
            return false;
    }
    return !text.isEmpty();
}

QString plainForm(const QString &grapheme, const Keyboard &keyboard)
{
    static const QList<std::pair<QString, QString>> table = {
        {QStringLiteral("‘’‚‛′‹›"), QStringLiteral("'")},
        {QStringLiteral("“”„‟″«»"), QStringLiteral("\"")},
        {QStringLiteral("‐‑‒–—―−"), QStringLiteral("-")},
    };
    for (const auto &[forms, plain] : table) {
        if (grapheme.size() == 1 && forms.contains(grapheme.front()))
            return allTypeable(plain, keyboard) ? plain : QString();
    }
    // Compatibility forms and letters without their accents: "..." for "…", "e" for "é".
    QString plain;
    for (QChar c : grapheme.normalized(QString::NormalizationForm_KD)) {
        if (c.category() != QChar::Mark_NonSpacing && c.category() != QChar::Mark_SpacingCombining &&
            c.category() != QChar::Mark_Enclosing)
            plain += c;
    }
    return plain != grapheme && allTypeable(plain, keyboard) ? plain : QString();
}

} // namespace

Prepared prepare(const QString &raw, const Keyboard &keyboard, const QSet<QString> &dropped)
{
    Prepared prepared;
    const QString text = normalise(raw, prepared.controlsRemoved);

    QString out;
    out.reserve(text.size());
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
    qsizetype from = 0;
    while (from < text.size()) {
        qsizetype to = graphemes.toNextBoundary();
        if (to < 0)
            to = text.size();
        const QString grapheme = text.mid(from, to - from);
        from = to;
        if (typeable(grapheme, keyboard)) {
            out += grapheme;
            continue;
        }
        auto found = std::find_if(prepared.untypeable.begin(), prepared.untypeable.end(),
                                  [&](const Untypeable &u) { return u.character == grapheme; });
        if (found == prepared.untypeable.end()) {
            prepared.untypeable.append({grapheme, 0, plainForm(grapheme, keyboard)});
            found = prepared.untypeable.end() - 1;
        }
        ++found->count;
        if (!dropped.contains(grapheme))
            out += found->replacement;
    }
    // A dropped character may leave two spaces or an empty line behind.
    qsizetype none = 0;
    out = normalise(out, none);

    if (out.size() > PracticeTexts::maxChars) {
        prepared.trimmedFrom = out.size();
        qsizetype cut = PracticeTexts::maxChars;
        // At a space or line end within the last line's width, so the last word stays whole.
        for (qsizetype i = cut; i > cut - lineWidth && i > 0; --i) {
            if (out.at(i) == u' ' || out.at(i) == u'\n') {
                cut = i;
                break;
            }
        }
        out = out.left(cut).trimmed();
    }
    prepared.text = out;
    return prepared;
}

QStringList wrap(const QString &text, int width)
{
    QStringList lines;
    for (const QString &paragraph : text.split(u'\n', Qt::SkipEmptyParts)) {
        QString line;
        for (QString word : paragraph.split(u' ', Qt::SkipEmptyParts)) {
            if (!line.isEmpty() && line.size() + 1 + word.size() <= width) {
                line += u' ' + word;
                continue;
            }
            if (!line.isEmpty())
                lines.append(line);
            while (word.size() > width) {
                lines.append(word.left(width));
                word.remove(0, width);
            }
            line = word;
        }
        if (!line.isEmpty())
            lines.append(line);
    }
    return lines;
}

Lesson lesson(const PracticeText &text, const QString &lessonId, const Keyboard &keyboard)
{
    Lesson lesson;
    lesson.id = lessonId;
    lesson.title = QCoreApplication::translate("Course", "Practice from home");
    lesson.emoji = QStringLiteral("🏡");
    lesson.drills = wrap(prepare(text.text, keyboard).text);
    return lesson;
}

QString lessonIdFor(const QUuid &textId)
{
    return QStringLiteral("text:") + textId.toString(QUuid::WithoutBraces).toUpper();
}

std::optional<QUuid> textIdOf(const QString &lessonId)
{
    if (!lessonId.startsWith(QStringLiteral("text:")))
        return std::nullopt;
    const QUuid id = QUuid::fromString(QStringView(lessonId).mid(5));
    return id.isNull() ? std::nullopt : std::optional<QUuid>(id);
}

QString preview(const QString &text, int length)
{
    const QString flat = QString(text).replace(u'\n', u' ');
    if (flat.size() <= length)
        return flat;
    qsizetype cut = flat.lastIndexOf(u' ', length - 1);
    if (cut < length / 2)
        cut = length - 1;
    return flat.left(cut).trimmed() + QStringLiteral("…");
}

} // namespace tapalong::TextCheck
