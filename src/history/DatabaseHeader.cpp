// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "history/DatabaseHeader.h"

#include <cstring>

namespace {

std::uint32_t BigEndian(QByteArrayView bytes, int at, int length)
{
    std::uint32_t value = 0;
    for (int index = 0; index < length; ++index)
        value = value << 8 | static_cast<unsigned char>(bytes[at + index]);
    return value;
}

} // namespace

std::optional<DatabaseHeader> DatabaseHeader::Parse(QByteArrayView bytes)
{
    static constexpr char Magic[] = "SQLite format 3";
    if (bytes.size() < Size || std::memcmp(bytes.data(), Magic, sizeof Magic) != 0)
        return std::nullopt;
    DatabaseHeader header;
    const std::uint32_t field = BigEndian(bytes, 16, 2);
    const std::uint32_t pageSize = field == 1 ? 65536 : field;
    if (pageSize >= 512 && (pageSize & (pageSize - 1)) == 0)
        header.PageSize = pageSize;
    header.WalMode = bytes[18] == 2 && bytes[19] == 2;
    header.PageCount = BigEndian(bytes, 28, 4);
    header.PageCountValid = BigEndian(bytes, 24, 4) == BigEndian(bytes, 92, 4);
    header.UserVersion = BigEndian(bytes, 60, 4);
    header.ApplicationId = BigEndian(bytes, 68, 4);
    return header;
}
