// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// SplitMix64: the small seeded generator that gives every run the same drill lines.
#pragma once

#include <QtGlobal>

#include <utility>

namespace tapalong {

// A plain value: copy it to replay a stream, pass it by reference to continue one.
struct SeededRNG {
    quint64 state = 0;

    explicit SeededRNG(quint64 seed) : state(seed) {}

    quint64 next();
    // Uniform in 0 … upperBound − 1; upperBound must be at least 1.
    quint64 next(quint64 upperBound);

    // Uniform in the closed range low … high; low must not exceed high.
    qint64 nextInRange(qint64 low, qint64 high);
    // Uniform in the closed range low … high, high itself included.
    double nextDouble(double low, double high);

    // The list must not be empty.
    template <typename List> decltype(auto) randomElement(const List &list)
    {
        return list[static_cast<qsizetype>(next(static_cast<quint64>(list.size())))];
    }

    // Exactly size − 1 draws, none for fewer than two elements, so callers after a shuffle
    // see a predictable stream.
    template <typename List> void shuffle(List &list)
    {
        const auto n = static_cast<qsizetype>(list.size());
        for (qsizetype i = 0, remaining = n; remaining > 1; ++i, --remaining) {
            const auto j = i + static_cast<qsizetype>(next(static_cast<quint64>(remaining)));
            using std::swap;
            swap(list[i], list[j]);
        }
    }
};

} // namespace tapalong
