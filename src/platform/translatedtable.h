// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Tables of text translated once from the installed catalogue (the course, the badges, the key
// names), built again on their next use after the household's language changes.
#pragma once

#include <QMutex>

#include <functional>
#include <list>

namespace tapalong {

namespace TranslatedTables {
// Counts the language changes; tables built under an older count are built again.
int generation();
// Called once the new language's catalogue is installed.
void languageChanged();
} // namespace TranslatedTables

template <typename T> class TranslatedTable {
public:
    explicit TranslatedTable(std::function<T()> build) : m_build(std::move(build)) {}

    // The table in the current language. Earlier tables are kept, never freed: callers hold
    // references into them, and a household changes its language a handful of times at most.
    const T &get()
    {
        const QMutexLocker lock(&m_mutex);
        const int now = TranslatedTables::generation();
        if (m_built.empty() || m_generation != now) {
            m_built.push_back(m_build());
            m_generation = now;
        }
        return m_built.back();
    }

private:
    std::function<T()> m_build;
    QMutex m_mutex;
    std::list<T> m_built;
    int m_generation = -1;
};

} // namespace tapalong
