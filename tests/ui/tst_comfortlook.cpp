// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Guards each explorer's look: that the safe finger colours stay apart for every kind of colour
// vision, that high contrast meets WCAG 2.1 AA, and that the screens and the grown-ups' panel
// follow the current explorer.
#include "comfortsettings.h"
#include "theme.h"

#include <QFontInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <cmath>

using namespace tapalong;

namespace {

using Vec = std::array<double, 3>;
using Matrix = std::array<Vec, 3>;

double linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

Vec linearRgb(const QColor &c)
{
    return {linear(c.redF()), linear(c.greenF()), linear(c.blueF())};
}

// Machado, Oliveira and Fernandes (2009), severity 1.0, applied to linear sRGB.
const Matrix protanopia{{{0.152286, 1.052583, -0.204868},
                         {0.114503, 0.786281, 0.099216},
                         {-0.003882, -0.048116, 1.051998}}};
const Matrix deuteranopia{{{0.367322, 0.860646, -0.227968},
                           {0.280085, 0.672501, 0.047413},
                           {-0.011820, 0.042940, 0.968881}}};
const Matrix tritanopia{{{1.255528, -0.076749, -0.178779},
                         {-0.078411, 0.930809, 0.147602},
                         {0.004733, 0.691367, 0.303900}}};
const Matrix typical{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};

Vec simulate(const Vec &rgb, const Matrix &m)
{
    Vec out{};
    for (int i = 0; i < 3; ++i)
        out[i] = std::clamp(m[i][0] * rgb[0] + m[i][1] * rgb[1] + m[i][2] * rgb[2], 0.0, 1.0);
    return out;
}

// CIE L*a*b* under D65 from linear sRGB.
Vec lab(const Vec &rgb)
{
    const double x = (0.4124564 * rgb[0] + 0.3575761 * rgb[1] + 0.1804375 * rgb[2]) / 0.95047;
    const double y = 0.2126729 * rgb[0] + 0.7151522 * rgb[1] + 0.0721750 * rgb[2];
    const double z = (0.0193339 * rgb[0] + 0.1191920 * rgb[1] + 0.9503041 * rgb[2]) / 1.08883;
    const auto f = [](double t) {
        constexpr double d = 6.0 / 29.0;
        return t > d * d * d ? std::cbrt(t) : t / (3 * d * d) + 4.0 / 29.0;
    };
    return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

double radians(double degrees)
{
    return degrees * M_PI / 180.0;
}

// CIEDE2000 (Sharma, Wu and Dalal's formulation).
double deltaE2000(const Vec &lab1, const Vec &lab2)
{
    const auto [l1, a1, b1] = lab1;
    const auto [l2, a2, b2] = lab2;
    const double cBar = (std::hypot(a1, b1) + std::hypot(a2, b2)) / 2;
    const double c7 = std::pow(cBar, 7);
    const double g = 0.5 * (1 - std::sqrt(c7 / (c7 + std::pow(25.0, 7))));
    const double a1p = (1 + g) * a1, a2p = (1 + g) * a2;
    const double c1p = std::hypot(a1p, b1), c2p = std::hypot(a2p, b2);
    const auto hue = [](double b, double a) {
        const double h = std::atan2(b, a) * 180 / M_PI;
        return h < 0 ? h + 360 : h;
    };
    const double h1 = hue(b1, a1p), h2 = hue(b2, a2p);
    double dh = 0;
    if (c1p * c2p != 0) {
        dh = h2 - h1;
        if (dh > 180)
            dh -= 360;
        else if (dh < -180)
            dh += 360;
    }
    const double dL = l2 - l1, dC = c2p - c1p;
    const double dH = 2 * std::sqrt(c1p * c2p) * std::sin(radians(dh / 2));
    const double lBar = (l1 + l2) / 2, cBarP = (c1p + c2p) / 2;
    double hBar = h1 + h2;
    if (c1p * c2p != 0)
        hBar = std::abs(h1 - h2) <= 180 ? (h1 + h2) / 2
               : h1 + h2 < 360         ? (h1 + h2 + 360) / 2
                                       : (h1 + h2 - 360) / 2;
    const double t = 1 - 0.17 * std::cos(radians(hBar - 30)) + 0.24 * std::cos(radians(2 * hBar)) +
                     0.32 * std::cos(radians(3 * hBar + 6)) - 0.20 * std::cos(radians(4 * hBar - 63));
    const double dTheta = 30 * std::exp(-std::pow((hBar - 275) / 25, 2));
    const double cp7 = std::pow(cBarP, 7);
    const double rC = 2 * std::sqrt(cp7 / (cp7 + std::pow(25.0, 7)));
    const double sL = 1 + 0.015 * std::pow(lBar - 50, 2) / std::sqrt(20 + std::pow(lBar - 50, 2));
    const double sC = 1 + 0.045 * cBarP, sH = 1 + 0.015 * cBarP * t;
    const double rT = -std::sin(radians(2 * dTheta)) * rC;
    return std::sqrt(std::pow(dL / sL, 2) + std::pow(dC / sC, 2) + std::pow(dH / sH, 2) +
                     rT * (dC / sC) * (dH / sH));
}

double relativeLuminance(const QColor &c)
{
    const Vec rgb = linearRgb(c);
    return 0.2126 * rgb[0] + 0.7152 * rgb[1] + 0.0722 * rgb[2];
}

// The layers laid over one another, the last opaque, as the renderer blends them (in sRGB).
QColor flatten(const QList<QColor> &layers)
{
    QColor under = layers.back();
    for (qsizetype i = layers.size() - 2; i >= 0; --i) {
        const QColor &over = layers.at(i);
        const double a = over.alphaF();
        under = QColor::fromRgbF(float(over.redF() * a + under.redF() * (1 - a)),
                                 float(over.greenF() * a + under.greenF() * (1 - a)),
                                 float(over.blueF() * a + under.blueF() * (1 - a)));
    }
    return under;
}

double contrast(const ColourPair &pair)
{
    const double fore = relativeLuminance(flatten(pair.layers));
    const double back = relativeLuminance(flatten(pair.layers.mid(1)));
    return (std::max(fore, back) + 0.05) / (std::min(fore, back) + 0.05);
}

using Hand = std::array<Finger, 4>;
constexpr Hand leftHand{Finger::leftPinky, Finger::leftRing, Finger::leftMiddle, Finger::leftIndex};
constexpr Hand rightHand{Finger::rightIndex, Finger::rightMiddle, Finger::rightRing,
                         Finger::rightPinky};

Profile explorer(const char *name)
{
    Profile profile;
    profile.id = QUuid::createUuid();
    profile.name = QString::fromLatin1(name);
    profile.avatar = QStringLiteral("🦊");
    return profile;
}

} // namespace

class TestComfortLook : public QObject {
    Q_OBJECT

private slots:
    void safeFingerColoursStayApartForEveryColourVision_data()
    {
        QTest::addColumn<Matrix>("vision");
        QTest::newRow("typical") << typical;
        QTest::newRow("protanopia") << protanopia;
        QTest::newRow("deuteranopia") << deuteranopia;
        QTest::newRow("tritanopia") << tritanopia;
    }

    // Two fingers of one hand at ΔE2000 20 or more: plainly different colours side by side,
    // where 2 is about the least a trained eye notices.
    void safeFingerColoursStayApartForEveryColourVision()
    {
        QFETCH(Matrix, vision);
        for (const Hand &hand : {leftHand, rightHand}) {
            for (std::size_t i = 0; i < hand.size(); ++i) {
                for (std::size_t j = i + 1; j < hand.size(); ++j) {
                    const double d =
                        deltaE2000(lab(simulate(linearRgb(safeFingerColor(hand[i])), vision)),
                                   lab(simulate(linearRgb(safeFingerColor(hand[j])), vision)));
                    QVERIFY2(d >= 20.0, qPrintable(fingerName(hand[i]) + QStringLiteral(" and ") +
                                                   fingerName(hand[j]) + QStringLiteral(": ") +
                                                   QString::number(d, 'f', 1)));
                }
            }
        }
    }

    void mirrorFingersShareTheirColourAndMark()
    {
        for (std::size_t i = 0; i < 3; ++i) {
            QCOMPARE(safeFingerColor(leftHand[i]), safeFingerColor(rightHand[3 - i]));
            QCOMPARE(fingerMark(leftHand[i]), fingerMark(rightHand[3 - i]));
        }
        for (const Hand &hand : {leftHand, rightHand})
            for (std::size_t i = 0; i < hand.size(); ++i)
                for (std::size_t j = i + 1; j < hand.size(); ++j)
                    QVERIFY(fingerMark(hand[i]) != fingerMark(hand[j]));
    }

    void highContrastMeetsWcagAaEverywhere()
    {
        for (const ColourPair &pair : textPairs(Palette::highContrast()))
            QVERIFY2(contrast(pair) >= pair.needed,
                     qPrintable(pair.name + QStringLiteral(": ") + QString::number(contrast(pair), 'f', 2)));
    }

    // The usual look stays as it always was; this lists where it falls short, for the notes.
    void usualLooksShortfallsAreListed()
    {
        QCOMPARE(Palette::usual().textDim, QColor::fromRgbF(1, 1, 1, 0.65f));
        QCOMPARE(Palette::usual().bgMid, QColor(43, 27, 99));
        QCOMPARE(Palette::usual().keyOutline.alpha(), 0);
        int short_ = 0;
        for (const ColourPair &pair : textPairs(Palette::usual())) {
            if (contrast(pair) < pair.needed) {
                ++short_;
                qInfo("%s: %.2f:1, needs %.1f:1", qPrintable(pair.name), contrast(pair),
                      pair.needed);
            }
        }
        QVERIFY(short_ > 0); // the key edges, at least: the reason high contrast exists
    }

    void theScreensFollowTheCurrentExplorerAtOnce()
    {
        QTemporaryDir dir;
        AppStore store{SaveFile(dir.filePath("tapalong.json"))};
        AppData data;
        Profile mia = explorer("Mia");
        mia.comfort.highContrast = true;
        mia.comfort.textSize = TextSize::larger;
        const Profile leo = explorer("Leo");
        data.profiles = {mia, leo};
        data.currentProfileID = leo.id;
        store.setData(data);

        Theme theme;
        theme.setStore(&store);
        QSignalSpy looks(&theme, &Theme::lookChanged);
        QCOMPARE(theme.textDim(), Palette::usual().textDim);
        QCOMPARE(theme.textScale(), 1.0);

        store.chooseProfile(mia.id.toString(QUuid::WithoutBraces));
        QCOMPARE(looks.size(), 1);
        QCOMPARE(theme.textDim(), Palette::highContrast().textDim);
        QVERIFY(theme.textScale() > 1.1);
        QCOMPARE(theme.look().rounded(20).pixelSize(), 24);

        // A change for someone else is no change of look.
        store.setComfort(leo.id, Comfort{ReadingFont::andika});
        QCOMPARE(looks.size(), 1);
        store.switchPlayer();
        QCOMPARE(looks.size(), 2);
        QCOMPARE(theme.comfort(), Comfort{});
    }

    void thePanelWritesTheExplorersOwnSettings()
    {
        QTemporaryDir dir;
        AppStore store{SaveFile(dir.filePath("tapalong.json"))};
        AppData data;
        data.profiles = {explorer("Mia"), explorer("Leo")};
        store.setData(data);
        const QUuid leo = data.profiles.at(1).id;

        ComfortSettings panel;
        panel.setStore(&store);
        panel.setProfileId(leo.toString(QUuid::WithoutBraces));
        QSignalSpy changes(&panel, &ComfortSettings::settingsChanged);
        panel.setFont(int(ReadingFont::openDyslexic));
        panel.setGentleGames(true);
        panel.setTextSize(7); // no such size: nothing changes
        QCOMPARE(changes.size(), 2);
        QCOMPARE(store.data().profiles.at(1).comfort,
                 (Comfort{ReadingFont::openDyslexic, TextSize::normal, false, false, true}));
        QVERIFY(store.data().profiles.at(0).comfort.isDefault());
    }

    void readingFontsAreTheInstalledFaces_data()
    {
        QTest::addColumn<int>("font");
        QTest::addColumn<QString>("family");
        QTest::newRow("rounded") << int(ReadingFont::rounded) << "Quicksand";
        QTest::newRow("andika") << int(ReadingFont::andika) << "Andika";
        QTest::newRow("opendyslexic") << int(ReadingFont::openDyslexic) << "OpenDyslexic";
    }

    // Guards a missing package: Qt would quietly draw another face instead.
    void readingFontsAreTheInstalledFaces()
    {
        QFETCH(int, font);
        QFETCH(QString, family);
        const QFont face = ComfortSettings::sampleFont(font, 20);
        QCOMPARE(face.families().first(), family);
        QCOMPARE(QFontInfo(face).family(), family);
    }
};

QTEST_MAIN(TestComfortLook)
#include "tst_comfortlook.moc"
