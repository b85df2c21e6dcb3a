// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "theme.h"

#include "storebinding.h"


namespace tapalong {

namespace {

QFont face(const QStringList &families, qreal pixelSize, int weight)
{
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(qMax(1, qRound(pixelSize)));
    font.setWeight(static_cast<QFont::Weight>(weight));
    return font;
}

const QString emojiFamily = QStringLiteral("Noto Color Emoji");

QColor white(qreal alpha)
{
    return QColor::fromRgbF(1.0f, 1.0f, 1.0f, float(alpha));
}

QString readingFamily(ReadingFont font)
{
    switch (font) {
    case ReadingFont::rounded:
        break;
    case ReadingFont::andika:
        return QStringLiteral("Andika");
    case ReadingFont::openDyslexic:
        return QStringLiteral("OpenDyslexic");
    }
    return QStringLiteral("Quicksand");
}

} // namespace

const Palette &Palette::usual()
{
    static const Palette palette{
        QColor(27, 17, 69), QColor(43, 27, 99), QColor(15, 44, 92), white(0.08), white(0.15),
        white(0.65),        white(0.12),        white(0.22),        white(0.25), QColor(Qt::transparent),
    };
    return palette;
}

const Palette &Palette::highContrast()
{
    // The same night, darker, so that the tints and the dimmer texts stand out from it.
    static const Palette palette{
        QColor(10, 6, 28), QColor(16, 10, 40), QColor(6, 16, 36), white(0.10), white(0.20),
        white(0.85),       white(0.20),        white(0.32),       white(0.70), white(0.80),
    };
    return palette;
}

QList<ColourPair> textPairs(const Palette &p)
{
    const QColor scrim = QColor::fromRgbF(0, 0, 0, 0.25f); // behind the drill line
    const QColor dimKey = white(0.9);                        // a key's label
    QList<ColourPair> pairs;
    for (const auto &[skyColour, skyPart] :
         {std::pair{p.bgTop, "top"}, std::pair{p.bgMid, "middle"}, std::pair{p.bgBottom, "bottom"}}) {
        // Copies: clang before 16 cannot capture a structured binding.
        const QColor sky = skyColour;
        const char *skyName = skyPart;
        const auto add = [&](const QString &name, QList<QColor> layers, qreal needed = 4.5) {
            layers.append(sky);
            pairs.append({name + QStringLiteral(" (sky ") + QLatin1StringView(skyName) + u')',
                          layers, needed});
        };
        add(QStringLiteral("text on the sky"), {Theme::textPrimary()});
        add(QStringLiteral("text on a card"), {Theme::textPrimary(), p.card});
        add(QStringLiteral("text on a bright card"), {Theme::textPrimary(), p.cardBright});
        add(QStringLiteral("text on a ghost button"), {Theme::textPrimary(), p.ghostFillPressed});
        add(QStringLiteral("dim text on the sky"), {p.textDim});
        add(QStringLiteral("dim text on a card"), {p.textDim, p.card});
        add(QStringLiteral("dim text on the drill's panel"), {p.textDim, scrim});
        add(QStringLiteral("typed letters on the drill's panel"), {Theme::mint(), scrim});
        for (const auto &[tint, name] :
             {std::pair{Theme::sunshine(), "sunshine"}, std::pair{Theme::mint(), "mint"},
              std::pair{Theme::coral(), "coral"}, std::pair{Theme::sky(), "sky"},
              std::pair{Theme::lavender(), "lavender"}, std::pair{Theme::tangerine(), "tangerine"},
              std::pair{Theme::pink(), "pink"}}) {
            add(QLatin1StringView(name) + QStringLiteral(" text on a card"), {tint, p.card});
            // A key's label over its finger's tint, as the usual and the safe colours fill keys.
            QColor keyFill = tint;
            keyFill.setAlphaF(0.22f);
            add(QStringLiteral("key label on ") + QLatin1StringView(name), {dimKey, keyFill});
        }
        for (const Finger finger : allFingers) {
            QColor keyFill = safeFingerColor(finger);
            keyFill.setAlphaF(0.22f);
            add(QStringLiteral("key label on the safe ") + fingerName(finger) + QStringLiteral("'s key"),
                {dimKey, keyFill});
        }
        // Large texts and shapes: 3:1.
        add(QStringLiteral("an empty star"), {p.starOutline}, 3.0);
        add(QStringLiteral("the focus ring"), {Theme::focusRing()}, 3.0);
        if (p.keyOutline.alpha() > 0)
            add(QStringLiteral("a key's outline"), {p.keyOutline}, 3.0);
        else
            add(QStringLiteral("a key's edge, told by its fill"), {white(0.10)}, 3.0);
    }
    // Dark text on the bright fills of buttons, lit keys and game cards.
    for (const auto &[tint, name] :
         {std::pair{Theme::sunshine(), "sunshine"}, std::pair{Theme::mint(), "mint"}, std::pair{Theme::coral(), "coral"},
          std::pair{Theme::sky(), "sky"}, std::pair{Theme::lavender(), "lavender"},
          std::pair{Theme::tangerine(), "tangerine"}, std::pair{Theme::pink(), "pink"}})
        pairs.append({QStringLiteral("ink on ") + QLatin1StringView(name), {Theme::ink(), tint}, 4.5});
    return pairs;
}

QColor safeFingerColor(Finger finger)
{
    switch (finger) {
    case Finger::leftPinky:
    case Finger::rightPinky:
        return QColor(219, 248, 133); // lime
    case Finger::leftRing:
    case Finger::rightRing:
        return QColor(154, 117, 204); // violet
    case Finger::leftMiddle:
    case Finger::rightMiddle:
        return QColor(220, 123, 72); // orange
    case Finger::leftIndex:
        return QColor(104, 224, 253); // cyan
    case Finger::rightIndex:
        return QColor(83, 200, 175); // teal
    case Finger::thumb:
        break;
    }
    return white(0.5);
}

QString fingerMark(Finger finger)
{
    // Shapes a child can name: the pointer finger's diamond points, the pinky's dot is smallest.
    switch (finger) {
    case Finger::leftPinky:
    case Finger::rightPinky:
        return QStringLiteral("●");
    case Finger::leftRing:
    case Finger::rightRing:
        return QStringLiteral("▲");
    case Finger::leftMiddle:
    case Finger::rightMiddle:
        return QStringLiteral("■");
    case Finger::leftIndex:
    case Finger::rightIndex:
        return QStringLiteral("◆");
    case Finger::thumb:
        break;
    }
    return QStringLiteral("★");
}

qreal Look::textScale() const
{
    switch (comfort.textSize) {
    case TextSize::normal:
        break;
    case TextSize::large:
        return 1.1;
    case TextSize::larger:
        return 1.2;
    }
    return 1.0;
}

QFont Look::rounded(qreal pixelSize, int weight) const
{
    return glyph(pixelSize * textScale(), weight);
}

QFont Look::glyph(qreal pixelSize, int weight) const
{
    if (comfort.font == ReadingFont::rounded)
        return Theme::rounded(pixelSize, weight);
    // Andika and OpenDyslexic come in regular and bold only: anything from semibold up is bold.
    return face({readingFamily(comfort.font), emojiFamily}, pixelSize,
                weight >= QFont::DemiBold ? QFont::Bold : QFont::Normal);
}

QFont Look::mono(qreal pixelSize, int weight) const
{
    if (comfort.font != ReadingFont::openDyslexic)
        return Theme::mono(pixelSize, weight);
    QFont font = face({QStringLiteral("OpenDyslexicMono"), emojiFamily}, pixelSize, QFont::Normal);
    font.setStyleHint(QFont::Monospace);
    return font;
}

QColor Look::fingerColor(int finger) const
{
    const std::optional<Finger> f = fingerFromInt(finger);
    if (!f)
        return white(1.0);
    return comfort.safeColours ? safeFingerColor(*f) : tapalong::fingerColor(*f);
}

QString Look::fingerMark(int finger) const
{
    const std::optional<Finger> f = fingerFromInt(finger);
    return f && comfort.safeColours ? tapalong::fingerMark(*f) : QString();
}

QColor Look::keyColor(const QString &ch, const QColor &fallback) const
{
    const int finger = KeyboardModel::fingerFor(ch);
    return finger == noFinger ? fallback : fingerColor(finger);
}

QString Look::keyMark(const QString &ch) const
{
    return fingerMark(KeyboardModel::fingerFor(ch));
}

Theme::Theme(QObject *parent) : QObject(parent)
{
    setStore(AppStore::instance());
}

const Palette &Theme::palette() const
{
    return m_comfort.highContrast ? Palette::highContrast() : Palette::usual();
}

Comfort Theme::comfort() const
{
    return m_comfort;
}

void Theme::setStore(AppStore *store)
{
    if (!rebindStore(m_store, store, this, &Theme::refresh))
        return;
    emit storeChanged();
    refresh();
}

void Theme::refresh()
{
    const Profile *profile = m_store ? m_store->currentProfile() : nullptr;
    const Comfort comfort = profile ? profile->comfort : Comfort{};
    if (comfort == m_comfort)
        return;
    m_comfort = comfort;
    emit lookChanged();
}

QColor Theme::tint(Tint tint)
{
    switch (tint) {
    case Tint::sunshine:
        return sunshine();
    case Tint::mint:
        return mint();
    case Tint::coral:
        return coral();
    case Tint::sky:
        return sky();
    case Tint::lavender:
        return lavender();
    case Tint::tangerine:
        return tangerine();
    case Tint::pink:
        return pink();
    }
    Q_UNREACHABLE();
}

QFont Theme::rounded(qreal pixelSize, int weight)
{
    return face({QStringLiteral("Quicksand"), emojiFamily}, pixelSize, weight);
}

QFont Theme::plain(qreal pixelSize, int weight)
{
    // Not the rounded face first: Qt 6.4 caches a face with its fallbacks under the first family
    // alone, so "Quicksand" then "DejaVu Sans" would hand its fallbacks to every rounded text of
    // the same size, and their emoji would come out black and white.
    return face({QStringLiteral("DejaVu Sans")}, pixelSize, weight);
}

QFont Theme::mono(qreal pixelSize, int weight)
{
    QFont font = face({QStringLiteral("DejaVu Sans Mono"), emojiFamily}, pixelSize, weight);
    font.setStyleHint(QFont::Monospace);
    return font;
}

QFont Theme::emoji(qreal pixelSize)
{
    return face({emojiFamily, QStringLiteral("Quicksand")}, pixelSize, QFont::Normal);
}

} // namespace tapalong
