// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "xkbkeymap.h"

#include <QHash>
#include <QSet>

#include <xkbcommon/xkbcommon-compose.h>
#include <xkbcommon/xkbcommon.h>

#include <cstdarg>
#include <memory>

namespace tapalong {

namespace Xkb {

namespace {

struct ContextFree {
    void operator()(xkb_context *c) const { xkb_context_unref(c); }
};
struct KeymapFree {
    void operator()(xkb_keymap *k) const { xkb_keymap_unref(k); }
};
struct StateFree {
    void operator()(xkb_state *s) const { xkb_state_unref(s); }
};
struct ComposeTableFree {
    void operator()(xkb_compose_table *t) const { xkb_compose_table_unref(t); }
};
struct ComposeStateFree {
    void operator()(xkb_compose_state *s) const { xkb_compose_state_unref(s); }
};

// A layout that does not exist is an answer, not an error to print.
void quiet(xkb_context *, xkb_log_level, const char *, va_list) {}

// One context and one compose table for the whole run: parsing the compose file is the slow
// part of reading a layout.
xkb_context *context()
{
    static const std::unique_ptr<xkb_context, ContextFree> shared = [] {
        std::unique_ptr<xkb_context, ContextFree> made(xkb_context_new(XKB_CONTEXT_NO_FLAGS));
        if (made)
            xkb_context_set_log_fn(made.get(), quiet);
        return made;
    }();
    return shared.get();
}

xkb_compose_table *composeTable()
{
    static const std::unique_ptr<xkb_compose_table, ComposeTableFree> shared(
        context() ? xkb_compose_table_new_from_locale(context(), "en_US.UTF-8",
                                                      XKB_COMPOSE_COMPILE_NO_FLAGS)
                  : nullptr);
    return shared.get();
}

QString textOf(xkb_keysym_t sym)
{
    char buffer[16] = {};
    const int size = xkb_keysym_to_utf8(sym, buffer, sizeof buffer);
    if (size <= 1)
        return {};
    const QString text = QString::fromUtf8(buffer, size - 1);
    // Control characters (a keysym like Return on the main block) are nothing to type.
    return text.size() == 1 && text.front().isPrint() ? text : QString();
}

bool isDead(xkb_keysym_t sym)
{
    char name[64] = {};
    return xkb_keysym_get_name(sym, name, sizeof name) > 0 && qstrncmp(name, "dead_", 5) == 0;
}

QString composed(xkb_compose_state *state, xkb_keysym_t dead, xkb_keysym_t second)
{
    xkb_compose_state_reset(state);
    xkb_compose_state_feed(state, dead);
    xkb_compose_state_feed(state, second);
    if (xkb_compose_state_get_status(state) != XKB_COMPOSE_COMPOSED)
        return {};
    char buffer[16] = {};
    const int size = xkb_compose_state_get_utf8(state, buffer, sizeof buffer);
    const QString text = QString::fromUtf8(buffer, size);
    return text.size() == 1 && text.front().isPrint() ? text : QString();
}

struct Read {
    PhysicalKey key;
    std::array<xkb_keysym_t, levelCount> syms{};
};

int modifierCost(int level)
{
    return (level & 1) + (level >> 1);
}

} // namespace

const QStringList &mainBlock()
{
    static const QStringList names = {
        u"TLDE"_qs, u"AE01"_qs, u"AE02"_qs, u"AE03"_qs, u"AE04"_qs, u"AE05"_qs, u"AE06"_qs,
        u"AE07"_qs, u"AE08"_qs, u"AE09"_qs, u"AE10"_qs, u"AE11"_qs, u"AE12"_qs, u"AD01"_qs,
        u"AD02"_qs, u"AD03"_qs, u"AD04"_qs, u"AD05"_qs, u"AD06"_qs, u"AD07"_qs, u"AD08"_qs,
        u"AD09"_qs, u"AD10"_qs, u"AD11"_qs, u"AD12"_qs, u"BKSL"_qs, u"AC01"_qs, u"AC02"_qs,
        u"AC03"_qs, u"AC04"_qs, u"AC05"_qs, u"AC06"_qs, u"AC07"_qs, u"AC08"_qs, u"AC09"_qs,
        u"AC10"_qs, u"AC11"_qs, u"LSGT"_qs, u"AB01"_qs, u"AB02"_qs, u"AB03"_qs, u"AB04"_qs,
        u"AB05"_qs, u"AB06"_qs, u"AB07"_qs, u"AB08"_qs, u"AB09"_qs, u"AB10"_qs, u"AB11"_qs,
        u"SPCE"_qs,
    };
    return names;
}

std::optional<Keymap> read(const LayoutName &name, Problem *problem)
{
    const auto fail = [&](Problem why) {
        if (problem)
            *problem = why;
        return std::nullopt;
    };
    if (!LayoutName::parse(name.text()) || !context())
        return fail(Problem::badName);

    const QByteArray layout = name.layout.toLatin1();
    const QByteArray variant = name.variant.toLatin1();
    // AltGr on the right Alt key: most layouts set it themselves, the rest have no third
    // level without it.
    const xkb_rule_names names{"evdev", "pc105", layout.constData(), variant.constData(),
                               "lv3:ralt_switch"};
    const std::unique_ptr<xkb_keymap, KeymapFree> keymap(
        xkb_keymap_new_from_names(context(), &names, XKB_KEYMAP_COMPILE_NO_FLAGS));
    if (!keymap)
        return fail(Problem::unknownLayout);

    // The four levels as a child reaches them: by holding the keys, so that each key's type
    // decides which level Shift and AltGr pick.
    const xkb_keycode_t shiftKey = xkb_keymap_key_by_name(keymap.get(), "LFSH");
    const xkb_keycode_t altGrKey = xkb_keymap_key_by_name(keymap.get(), "RALT");
    std::array<std::unique_ptr<xkb_state, StateFree>, levelCount> states;
    for (int level = 0; level < levelCount; ++level) {
        states[size_t(level)].reset(xkb_state_new(keymap.get()));
        if (!states[size_t(level)])
            return fail(Problem::unknownLayout);
        if ((level & 1) && shiftKey != XKB_KEYCODE_INVALID)
            xkb_state_update_key(states[size_t(level)].get(), shiftKey + 0, XKB_KEY_DOWN);
        if ((level & 2) && altGrKey != XKB_KEYCODE_INVALID)
            xkb_state_update_key(states[size_t(level)].get(), altGrKey + 0, XKB_KEY_DOWN);
    }

    const std::unique_ptr<xkb_compose_state, ComposeStateFree> compose(
        composeTable() ? xkb_compose_state_new(composeTable(), XKB_COMPOSE_STATE_NO_FLAGS)
                       : nullptr);

    QList<Read> reads;
    for (const QString &position : mainBlock()) {
        const xkb_keycode_t code = xkb_keymap_key_by_name(keymap.get(), qPrintable(position));
        if (code == XKB_KEYCODE_INVALID)
            continue;
        Read read;
        read.key.position = position;
        QList<xkb_level_index_t> seen;
        bool any = false;
        for (int level = 0; level < levelCount; ++level) {
            xkb_state *state = states[size_t(level)].get();
            // A key whose type has no such level types an earlier one again: not a new level.
            const xkb_level_index_t index = xkb_state_key_get_level(state, code, 0);
            if (seen.contains(index))
                continue;
            seen.append(index);
            const xkb_keysym_t sym = xkb_state_key_get_one_sym(state, code);
            Level &out = read.key.levels[size_t(level)];
            if (isDead(sym)) {
                out.dead = true;
                // The accent by itself: the dead key pressed twice.
                out.text = compose ? composed(compose.get(), sym, sym) : QString();
            } else {
                out.text = textOf(sym);
            }
            if (!out.text.isEmpty() || out.dead) {
                read.syms[size_t(level)] = sym;
                any = true;
            }
        }
        if (any)
            reads.append(read);
    }

    Keymap result;
    result.name = name;
    for (const Read &read : std::as_const(reads))
        result.keys.append(read.key);

    if (compose) {
        // What each dead key makes of each character the layout types directly, by the
        // cheapest pair of strokes (the fewest modifiers held).
        QHash<QString, int> best;
        QSet<QString> direct;
        for (const PhysicalKey &key : std::as_const(result.keys)) {
            for (const Level &level : key.levels) {
                if (!level.dead && !level.text.isEmpty())
                    direct.insert(level.text);
            }
        }
        for (const Read &deadKey : std::as_const(reads)) {
            for (int deadLevel = 0; deadLevel < levelCount; ++deadLevel) {
                if (!deadKey.key.levels[size_t(deadLevel)].dead)
                    continue;
                for (const Read &second : std::as_const(reads)) {
                    for (int level = 0; level < levelCount; ++level) {
                        const Level &typed = second.key.levels[size_t(level)];
                        if (typed.dead || typed.text.isEmpty())
                            continue;
                        const QString made = composed(compose.get(),
                                                      deadKey.syms[size_t(deadLevel)],
                                                      second.syms[size_t(level)]);
                        if (made.isEmpty() || direct.contains(made))
                            continue;
                        const int cost = modifierCost(deadLevel) + modifierCost(level);
                        const auto known = best.constFind(made);
                        if (known != best.cend()) {
                            const DeadSequence &found = result.sequences.at(*known);
                            if (modifierCost(found.deadLevel) + modifierCost(found.level) <= cost)
                                continue;
                        }
                        const DeadSequence sequence{made, deadKey.key.position, deadLevel,
                                                    second.key.position, level};
                        if (known != best.cend()) {
                            result.sequences[*known] = sequence;
                        } else {
                            best.insert(made, int(result.sequences.size()));
                            result.sequences.append(sequence);
                        }
                    }
                }
            }
        }
    }
    if (problem)
        *problem = Problem::none;
    return result;
}

} // namespace Xkb
} // namespace tapalong
