// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// libFuzzer target for the save file's decoder: no input may crash it or trip a sanitizer, and
// whatever it accepts must encode and decode back to the same data, byte for byte the second
// time round.
#include "savecodec.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace tapalong;

namespace {

[[noreturn]] void broken(const char *what)
{
    std::fprintf(stderr, "round trip broken: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<AppData> first = SaveCodec::decode(bytes);
    if (!first)
        return 0;
    const QByteArray encoded = SaveCodec::encode(*first);
    if (encoded.isEmpty())
        broken("decoded data does not encode");
    const std::optional<AppData> second = SaveCodec::decode(encoded);
    if (!second)
        broken("the encoding does not decode");
    if (!(*second == *first))
        broken("the data changed");
    if (SaveCodec::encode(*second) != encoded)
        broken("the encoding changed");
    return 0;
}
