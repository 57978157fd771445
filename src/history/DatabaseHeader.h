// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// The first 100 bytes of an SQLite database file (of page 1), as SQLite's
// file format documents them: what the history reads of a file before
// SQLite opens it, and of page 1 as it stands in a WAL frame.

#include <QByteArrayView>

#include <cstdint>
#include <optional>

struct DatabaseHeader
{
    static constexpr int Size = 100;

    // Nothing when the bytes are fewer than 100 or do not begin with "SQLite format 3\0".
    static std::optional<DatabaseHeader> Parse(QByteArrayView bytes);

    // 512 to 65536, a power of two; 0 when the field holds anything else.
    std::uint32_t PageSize = 0;
    // Both file format versions 2: the file is in WAL mode.
    bool WalMode = false;
    // The page count, and whether it was written by the same change as the
    // header (the version-valid-for number equals the change counter).
    std::uint32_t PageCount = 0;
    bool PageCountValid = false;
    // PRAGMA user_version and PRAGMA application_id.
    std::uint32_t UserVersion = 0;
    std::uint32_t ApplicationId = 0;
};
