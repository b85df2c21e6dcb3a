// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "seededrng.h"

namespace tapalong {

namespace {
__extension__ using uint128 = unsigned __int128;
}

quint64 SeededRNG::next()
{
    state += 0x9e3779b97f4a7c15ULL;
    quint64 z = state;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

quint64 SeededRNG::next(quint64 upperBound)
{
    Q_ASSERT(upperBound > 0);
    // Lemire's multiply-high: the high word is the answer, the low word decides whether this
    // draw falls in the small biased band and must be redrawn.
    uint128 product = uint128(next()) * upperBound;
    auto low = static_cast<quint64>(product);
    if (low < upperBound) {
        const quint64 threshold = (0 - upperBound) % upperBound;
        while (low < threshold) {
            product = uint128(next()) * upperBound;
            low = static_cast<quint64>(product);
        }
    }
    return static_cast<quint64>(product >> 64);
}

qint64 SeededRNG::nextInRange(qint64 low, qint64 high)
{
    Q_ASSERT(low <= high);
    // Unsigned arithmetic, so that a range wider than qint64 can hold does not overflow.
    const quint64 span = static_cast<quint64>(high) - static_cast<quint64>(low) + 1;
    return static_cast<qint64>(static_cast<quint64>(low) + next(span));
}

double SeededRNG::nextDouble(double low, double high)
{
    constexpr quint64 steps = quint64(1) << 53;
    const quint64 r = next(steps + 1);
    if (r == steps)
        return high;
    return (static_cast<double>(r) * 0x1p-53) * (high - low) + low;
}

} // namespace tapalong
