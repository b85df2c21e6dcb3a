// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "translatedtable.h"

#include <atomic>

namespace tapalong::TranslatedTables {

namespace {
std::atomic<int> s_generation{0};
} // namespace

int generation()
{
    return s_generation.load();
}

void languageChanged()
{
    ++s_generation;
}

} // namespace tapalong::TranslatedTables
