// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// A save file of one explorer, Mia, as an earlier version wrote it, with the profile fields a
// test adds: the newer fields are read leniently, and each test says only what it adds.
#pragma once

#include <QByteArray>

namespace tapalong::test {

inline QByteArray fileWith(const QByteArray &extraProfileFields)
{
    static const QByteArray profileStart =
        R"({"profiles":[{"id":"0F8FAD5B-D9CB-469F-A165-70867728950E",)"
        R"("name":"Mia","avatar":"🦊","createdAt":690000000.75,)"
        R"("lessonResults":{},"gameScores":[],"badges":{},)"
        R"("totalCorrectKeys":120,"streak":3)";
    static const QByteArray fileEnd = R"(}],"settings":{"soundEnabled":true,"voiceEnabled":true}})";
    return profileStart + extraProfileFields + fileEnd;
}

} // namespace tapalong::test
