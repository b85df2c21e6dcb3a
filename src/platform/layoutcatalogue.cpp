// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "layoutcatalogue.h"

#include "messagecatalogue.h"

#include <QCollator>
#include <QStandardPaths>
#include <QThread>

#include <xkbcommon/xkbcommon.h>
#include <xkbcommon/xkbregistry.h>

#include <algorithm>
#include <memory>
#include <utility>

namespace tapalong {

namespace {

struct Unref {
    void operator()(rxkb_context *p) const { rxkb_context_unref(p); }
    void operator()(xkb_context *p) const { xkb_context_unref(p); }
    void operator()(xkb_keymap *p) const { xkb_keymap_unref(p); }
};
using Registry = std::unique_ptr<rxkb_context, Unref>;
using XkbContext = std::unique_ptr<xkb_context, Unref>;
using Keymap = std::unique_ptr<xkb_keymap, Unref>;

// The letter keys of the main block, by their position names.
constexpr const char *letterKeys[] = {"AD01", "AD02", "AD03", "AD04", "AD05", "AD06", "AD07",
                                      "AD08", "AD09", "AD10", "AC01", "AC02", "AC03", "AC04",
                                      "AC05", "AC06", "AC07", "AC08", "AC09", "AB01", "AB02",
                                      "AB03", "AB04", "AB05", "AB06", "AB07"};

} // namespace

LayoutCatalogue::LayoutCatalogue(QObject *parent) : QAbstractListModel(parent) {}

LayoutCatalogue::~LayoutCatalogue()
{
    if (m_worker) {
        m_worker->wait();
        delete m_worker;
    }
}

QList<LayoutEntry> LayoutCatalogue::readEntries(const QString &language)
{
    const Registry registry(rxkb_context_new(RXKB_CONTEXT_NO_FLAGS));
    if (!registry || !rxkb_context_parse_default_ruleset(registry.get()))
        return {};
    QList<LayoutEntry> entries;
    for (rxkb_layout *layout = rxkb_layout_first(registry.get()); layout;
         layout = rxkb_layout_next(layout)) {
        const QString name = QString::fromUtf8(rxkb_layout_get_name(layout));
        const QString variant = QString::fromUtf8(rxkb_layout_get_variant(layout));
        const QString description = QString::fromUtf8(rxkb_layout_get_description(layout));
        if (name.isEmpty())
            continue;
        const QString known = description.isEmpty() ? name : description;
        entries.append({variant.isEmpty() ? name : name + u'(' + variant + u')', known, known});
    }
    translate(entries, language);
    return entries;
}

void LayoutCatalogue::translate(QList<LayoutEntry> &entries, const QString &language)
{
    MessageCatalogue names;
    if (language != u"en") {
        // Where xkb-data keeps the translations gettext would find for it.
        const QString file =
            QStringLiteral("locale/%1/LC_MESSAGES/xkeyboard-config.mo").arg(language);
        names = MessageCatalogue::fromFile(
            QStandardPaths::locate(QStandardPaths::GenericDataLocation, file));
    }
    for (LayoutEntry &entry : entries) {
        // Some translators write accents as combining marks ("Alema\u0301n"): composed, they
        // draw as one letter and match what a grown-up types in the search.
        const QString translated =
            names.translate(entry.description).normalized(QString::NormalizationForm_C);
        entry.shown = translated.isEmpty() ? entry.description : translated;
    }
    // English keeps the order it has always had.
    QCollator collator(language == u"en" ? QLocale::c() : QLocale(language));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(entries.begin(), entries.end(), [&](const auto &a, const auto &b) {
        return collator.compare(a.shown, b.shown) < 0;
    });
}

LayoutCatalogue::Letters LayoutCatalogue::lettersOf(const QString &layoutName)
{
    QString layout = layoutName;
    QString variant;
    if (const qsizetype open = layoutName.indexOf(u'('); open > 0 && layoutName.endsWith(u')')) {
        layout = layoutName.first(open);
        variant = layoutName.sliced(open + 1, layoutName.size() - open - 2);
    }
    if (layout.isEmpty() || layout.contains(u','))
        return Letters::unknown;
    const XkbContext context(xkb_context_new(XKB_CONTEXT_NO_ENVIRONMENT_NAMES));
    if (!context)
        return Letters::unknown;
    // A name the keyboard data does not know is an answer here, not an error to print.
    xkb_context_set_log_level(context.get(), XKB_LOG_LEVEL_CRITICAL);
    const QByteArray layoutBytes = layout.toUtf8();
    const QByteArray variantBytes = variant.toUtf8();
    const xkb_rule_names names{"evdev", "pc105", layoutBytes.constData(), variantBytes.constData(),
                               nullptr};
    const Keymap keymap(
        xkb_keymap_new_from_names(context.get(), &names, XKB_KEYMAP_COMPILE_NO_FLAGS));
    if (!keymap)
        return Letters::unknown;
    int latin = 0;
    int other = 0;
    for (const char *key : letterKeys) {
        const xkb_keycode_t code = xkb_keymap_key_by_name(keymap.get(), key);
        const xkb_keysym_t *syms = nullptr;
        if (code == XKB_KEYCODE_INVALID ||
            xkb_keymap_key_get_syms_by_level(keymap.get(), code, 0, 0, &syms) < 1)
            continue;
        const char32_t ch = xkb_keysym_to_utf32(syms[0]);
        if (!QChar::isLetter(ch))
            continue;
        (QChar::script(ch) == QChar::Script_Latin ? latin : other) += 1;
    }
    if (latin + other == 0)
        return Letters::unknown;
    return latin >= other ? Letters::latin : Letters::otherScript;
}

void LayoutCatalogue::load()
{
    if (m_ready || m_loading)
        return;
    read();
}

void LayoutCatalogue::setLanguage(const QString &language)
{
    if (language == m_language)
        return;
    m_language = language;
    // While a reading is under way, its arrival starts the next.
    if (m_ready && !m_loading)
        read();
}

void LayoutCatalogue::read()
{
    m_loading = true;
    if (m_worker) {
        m_worker->wait(); // it has handed over its list already
        delete m_worker;
    }
    // The keyboard data's list once; a change of language only translates it again.
    m_worker = QThread::create([this, language = m_language, entries = m_read]() mutable {
        if (entries.isEmpty())
            entries = readEntries(language);
        else
            translate(entries, language);
        QMetaObject::invokeMethod(
            this,
            [this, language, entries = std::move(entries)]() mutable {
                arrived(std::move(entries), language);
            },
            Qt::QueuedConnection);
    });
    m_worker->start();
}

void LayoutCatalogue::arrived(QList<LayoutEntry> entries, const QString &language)
{
    m_read = entries;
    // The language changed while these were read: names in the one before are never shown.
    if (language != m_language) {
        read();
        return;
    }
    beginResetModel();
    m_entries = std::move(entries);
    m_loading = false;
    const bool wasReady = std::exchange(m_ready, true);
    endResetModel();
    if (!wasReady)
        emit readyChanged();
}

QString LayoutCatalogue::shownNameOf(const QString &layoutName) const
{
    const auto it = std::find_if(m_entries.cbegin(), m_entries.cend(),
                                 [&](const LayoutEntry &e) { return e.name == layoutName; });
    return it == m_entries.cend() ? QString() : it->shown;
}

int LayoutCatalogue::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    const_cast<LayoutCatalogue *>(this)->load();
    return int(m_entries.size());
}

QVariant LayoutCatalogue::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const LayoutEntry &entry = m_entries.at(index.row());
    switch (role) {
    case nameRole:
        return entry.name;
    case descriptionRole:
        return entry.description;
    case Qt::DisplayRole:
    case shownRole:
        return entry.shown;
    default:
        return {};
    }
}

QHash<int, QByteArray> LayoutCatalogue::roleNames() const
{
    return {{nameRole, "name"}, {descriptionRole, "description"}, {shownRole, "shown"}};
}

} // namespace tapalong
