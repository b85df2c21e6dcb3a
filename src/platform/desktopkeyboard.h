// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Which keyboard layout the desktop types with now, and whether it is the one expected.
#pragma once

#include <QObject>
#include <QStringList>

#include <memory>
#include <optional>

namespace tapalong {

// Layouts are named as the X keyboard data names them, "LAYOUT" or "LAYOUT(VARIANT)".
QString layoutName(const QString &layout, const QString &variant);

// The root window's _XKB_RULES_NAMES on X11: rules, model, layouts, variants and options as
// NUL-separated strings ("evdev\0pc105\0de,us\0nodeadkeys,\0grp:alt_shift_toggle\0"). Its layouts
// and variants are comma lists, one entry per keyboard group.
struct XkbRulesNames {
    QString rules;
    QString model;
    QStringList layouts;  // at least one, none empty
    QStringList variants; // as many as layouts; empty for a layout's basic form
    QString options;

    // Nothing when the property names no layout.
    static std::optional<XkbRulesNames> parse(const QByteArray &property);
    // The layout of a keyboard group; empty for a group the names do not reach.
    QString layoutOfGroup(int group) const;

    bool operator==(const XkbRulesNames &) const = default;
};

// The layouts org.freedesktop.locale1 holds as the system default, from its X11Layout and
// X11Variant properties: comma lists like the rules names'. The first is the one a desktop
// starts with; empty when none is set.
QStringList locale1Layouts(const QString &x11Layout, const QString &x11Variant);

// Follows the desktop's keyboard. On X11 it reads the root window's rules names and the XKB
// state's group, at start and again whenever either changes (a layout switch key changes the
// group; setxkbmap or a desktop's settings change the names), from events Qt already receives:
// two short round trips at start, nothing afterwards. On native Wayland, Qt 6.4 gives no public
// way to the keymap the compositor hands it, so the system default is asked of locale1 on the
// system bus, asynchronously; it cannot follow a switch. Elsewhere `layout` stays empty.
class DesktopKeyboard : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString layout READ layout NOTIFY layoutChanged)
    Q_PROPERTY(QStringList layouts READ layouts NOTIFY layoutChanged)
    Q_PROPERTY(Source source READ source NOTIFY layoutChanged)
    Q_PROPERTY(QString expectedLayout READ expectedLayout WRITE setExpectedLayout NOTIFY
                   expectedLayoutChanged)
    Q_PROPERTY(bool differs READ differs NOTIFY differsChanged)

public:
    enum class Source { none, x11, locale1 };
    Q_ENUM(Source)

    explicit DesktopKeyboard(QObject *parent = nullptr);
    ~DesktopKeyboard() override;

    // Starts following the desktop the application runs on; needs a QGuiApplication.
    void start();

    // The layout typing now, "de" or "us(intl)"; empty while it is not known.
    QString layout() const { return m_layout; }
    // Every layout the desktop switches between, in group order.
    QStringList layouts() const { return m_layouts; }
    Source source() const { return m_source; }

    // The household's choice; `differs` compares the layout typing now with it.
    QString expectedLayout() const { return m_expected; }
    void setExpectedLayout(const QString &layout);
    // True while the desktop is known to type with another layout than the expected one: a
    // child pressed the layout switch key, or the desktop's layout is not the household's.
    bool differs() const { return m_differs; }

    // What the readers report; public so that tests can play a desktop.
    void setState(Source source, const QStringList &layouts, int group);

signals:
    void layoutChanged();
    void expectedLayoutChanged();
    void differsChanged();

private:
    class X11Reader;

    void updateDiffers();
    void askLocale1();

    std::unique_ptr<X11Reader> m_x11;
    Source m_source = Source::none;
    QStringList m_layouts;
    QString m_layout;
    QString m_expected;
    bool m_differs = false;
};

} // namespace tapalong
