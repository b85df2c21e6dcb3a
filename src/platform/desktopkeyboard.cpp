// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "desktopkeyboard.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>

#if QT_CONFIG(xcb)
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>
// xcb's XKB header names a field `explicit`.
#define explicit xcb_explicit
#include <xcb/xkb.h>
#undef explicit
#endif

#ifdef TAPALONG_HAVE_DBUS
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#endif

#include <cstdlib>

namespace tapalong {

namespace {

// Pairs the comma lists of layouts and variants; a variant list may be shorter.
QStringList layoutNames(const QStringList &layouts, const QStringList &variants)
{
    QStringList names;
    for (qsizetype i = 0; i < layouts.size(); ++i)
        names << layoutName(layouts.at(i), variants.value(i));
    return names;
}

QStringList commaList(const QString &text)
{
    QStringList items = text.split(u',');
    for (QString &item : items)
        item = item.trimmed();
    return items;
}

} // namespace

QString layoutName(const QString &layout, const QString &variant)
{
    // Some tools write the variant into the layout already: "de(nodeadkeys)".
    if (variant.isEmpty() || layout.contains(u'('))
        return layout;
    return layout + u'(' + variant + u')';
}

std::optional<XkbRulesNames> XkbRulesNames::parse(const QByteArray &property)
{
    const QList<QByteArray> fields = property.split('\0');
    const auto field = [&](qsizetype i) {
        return QString::fromUtf8(fields.value(i)).trimmed();
    };
    XkbRulesNames names{field(0), field(1), commaList(field(2)), commaList(field(3)), field(4)};
    if (names.layouts.contains(QString()))
        return std::nullopt;
    names.variants.resize(names.layouts.size());
    return names;
}

QString XkbRulesNames::layoutOfGroup(int group) const
{
    if (group < 0 || group >= layouts.size())
        return {};
    return layoutName(layouts.at(group), variants.value(group));
}

QStringList locale1Layouts(const QString &x11Layout, const QString &x11Variant)
{
    if (x11Layout.trimmed().isEmpty())
        return {};
    QStringList layouts = commaList(x11Layout);
    layouts.removeAll(QString());
    return layoutNames(layouts, commaList(x11Variant));
}

#if QT_CONFIG(xcb)

// Reads the rules names and the group from the X server and follows both through the events
// Qt's connection receives: property changes on the root window and XKB state notifications.
class DesktopKeyboard::X11Reader : public QAbstractNativeEventFilter {
public:
    X11Reader(DesktopKeyboard &owner, xcb_connection_t *connection)
        : m_owner(owner), m_connection(connection)
    {
        m_root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
        constexpr char atomName[] = "_XKB_RULES_NAMES";
        const auto atomCookie = xcb_intern_atom(connection, 0, sizeof atomName - 1, atomName);
        const auto attributesCookie = xcb_get_window_attributes(connection, m_root);
        if (auto *atom = xcb_intern_atom_reply(connection, atomCookie, nullptr)) {
            m_namesAtom = atom->atom;
            std::free(atom);
        }
        // Qt watches the root window's properties already; if it ever stops, this keeps ours.
        if (auto *attributes =
                xcb_get_window_attributes_reply(connection, attributesCookie, nullptr)) {
            if (!(attributes->your_event_mask & XCB_EVENT_MASK_PROPERTY_CHANGE)) {
                const quint32 mask = attributes->your_event_mask | XCB_EVENT_MASK_PROPERTY_CHANGE;
                xcb_change_window_attributes(connection, m_root, XCB_CW_EVENT_MASK, &mask);
            }
            std::free(attributes);
        }

        const xcb_query_extension_reply_t *xkb = xcb_get_extension_data(connection, &xcb_xkb_id);
        if (xkb && xkb->present) {
            m_xkbFirstEvent = xkb->first_event;
            // Only the group: every other detail Qt selected stays as it was.
            xcb_xkb_select_events_details_t details{};
            details.affectState = XCB_XKB_STATE_PART_GROUP_STATE;
            details.stateDetails = XCB_XKB_STATE_PART_GROUP_STATE;
            xcb_xkb_select_events_aux(connection, XCB_XKB_ID_USE_CORE_KBD,
                                      XCB_XKB_EVENT_TYPE_STATE_NOTIFY, 0, 0, 0, 0, &details);
            const auto stateCookie = xcb_xkb_get_state(connection, XCB_XKB_ID_USE_CORE_KBD);
            if (auto *state = xcb_xkb_get_state_reply(connection, stateCookie, nullptr)) {
                m_group = state->group;
                std::free(state);
            }
        }
        readNames();
        publish();
        QCoreApplication::instance()->installNativeEventFilter(this);
    }

    ~X11Reader() override
    {
        if (QCoreApplication::instance())
            QCoreApplication::instance()->removeNativeEventFilter(this);
    }

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) override
    {
        if (eventType != "xcb_generic_event_t")
            return false;
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        const quint8 type = event->response_type & 0x7f;
        if (type == XCB_PROPERTY_NOTIFY) {
            const auto *change = reinterpret_cast<const xcb_property_notify_event_t *>(event);
            if (change->window == m_root && change->atom == m_namesAtom) {
                readNames();
                publish();
            }
        } else if (m_xkbFirstEvent && type == m_xkbFirstEvent) {
            // Every XKB event shares the extension's one event code; the kind follows.
            const auto *state = reinterpret_cast<const xcb_xkb_state_notify_event_t *>(event);
            if (state->xkbType == XCB_XKB_STATE_NOTIFY && state->group != m_group) {
                m_group = state->group;
                publish();
            }
        }
        return false;
    }

private:
    void readNames()
    {
        m_names.reset();
        if (m_namesAtom == XCB_ATOM_NONE)
            return;
        // The property is a few dozen bytes; 4 KB is far beyond any real one.
        const auto cookie =
            xcb_get_property(m_connection, 0, m_root, m_namesAtom, XCB_ATOM_STRING, 0, 1024);
        if (auto *reply = xcb_get_property_reply(m_connection, cookie, nullptr)) {
            const auto *bytes = static_cast<const char *>(xcb_get_property_value(reply));
            m_names = XkbRulesNames::parse(QByteArray(bytes, xcb_get_property_value_length(reply)));
            std::free(reply);
        }
    }

    void publish()
    {
        m_owner.setState(Source::x11,
                         m_names ? layoutNames(m_names->layouts, m_names->variants) : QStringList(),
                         m_group);
    }

    DesktopKeyboard &m_owner;
    xcb_connection_t *m_connection;
    xcb_window_t m_root = XCB_WINDOW_NONE;
    xcb_atom_t m_namesAtom = XCB_ATOM_NONE;
    quint8 m_xkbFirstEvent = 0;
    int m_group = 0;
    std::optional<XkbRulesNames> m_names;
};

#else

class DesktopKeyboard::X11Reader {};

#endif

DesktopKeyboard::DesktopKeyboard(QObject *parent) : QObject(parent) {}

DesktopKeyboard::~DesktopKeyboard() = default;

void DesktopKeyboard::start()
{
    auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance());
    if (!app || m_x11)
        return;
#if QT_CONFIG(xcb)
    if (auto *x11 = app->nativeInterface<QNativeInterface::QX11Application>()) {
        if (xcb_connection_t *connection = x11->connection()) {
            m_x11 = std::make_unique<X11Reader>(*this, connection);
            return;
        }
    }
#endif
    if (QGuiApplication::platformName().startsWith(u"wayland"))
        askLocale1();
}

void DesktopKeyboard::askLocale1()
{
#ifdef TAPALONG_HAVE_DBUS
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.locale1"), QStringLiteral("/org/freedesktop/locale1"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("GetAll"));
    call << QStringLiteral("org.freedesktop.locale1");
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *w) {
        w->deleteLater();
        const QDBusPendingReply<QVariantMap> reply = *w;
        if (reply.isError() || m_source == Source::x11)
            return;
        const QVariantMap properties = reply.value();
        const QStringList layouts =
            locale1Layouts(properties.value(QStringLiteral("X11Layout")).toString(),
                           properties.value(QStringLiteral("X11Variant")).toString());
        if (!layouts.isEmpty())
            setState(Source::locale1, layouts, 0);
    });
#endif
}

void DesktopKeyboard::setState(Source source, const QStringList &layouts, int group)
{
    const QString layout = layouts.value(group);
    if (source == m_source && layouts == m_layouts && layout == m_layout)
        return;
    m_source = source;
    m_layouts = layouts;
    m_layout = layout;
    emit layoutChanged();
    updateDiffers();
}

void DesktopKeyboard::setExpectedLayout(const QString &layout)
{
    if (layout == m_expected)
        return;
    m_expected = layout;
    emit expectedLayoutChanged();
    updateDiffers();
}

void DesktopKeyboard::updateDiffers()
{
    const bool differs = !m_layout.isEmpty() && !m_expected.isEmpty() && m_layout != m_expected;
    if (differs == m_differs)
        return;
    m_differs = differs;
    emit differsChanged();
}

} // namespace tapalong
