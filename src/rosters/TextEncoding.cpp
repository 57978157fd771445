// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "rosters/TextEncoding.h"

#include <array>
#include <cstdint>

namespace TextEncoding {

namespace {

// 0x80..0x9F of Windows-1252; the rest of the code page is ISO 8859-1.
constexpr std::array<char16_t, 32> HighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, //
};

bool IsContinuation(std::uint8_t byte)
{
    return (byte & 0xC0) == 0x80;
}

} // namespace

bool IsValidUtf8(std::string_view bytes)
{
    const auto *p = reinterpret_cast<const std::uint8_t *>(bytes.data());
    const auto *const end = p + bytes.size();
    while (p < end) {
        const std::uint8_t lead = *p;
        if (lead < 0x80) {
            ++p;
            continue;
        }
        int length;
        std::uint8_t min2 = 0x80, max2 = 0xBF; // allowed range of the second byte
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            if (lead == 0xE0)
                min2 = 0xA0; // overlong
            else if (lead == 0xED)
                max2 = 0x9F; // surrogates
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            if (lead == 0xF0)
                min2 = 0x90; // overlong
            else if (lead == 0xF4)
                max2 = 0x8F; // above U+10FFFF
        } else {
            return false;
        }
        if (end - p < length)
            return false;
        if (p[1] < min2 || p[1] > max2)
            return false;
        for (int i = 2; i < length; ++i) {
            if (!IsContinuation(p[i]))
                return false;
        }
        p += length;
    }
    return true;
}

QString FromWindows1252(std::string_view bytes)
{
    QString text(qsizetype(bytes.size()), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char c : bytes) {
        const auto byte = static_cast<std::uint8_t>(c);
        *out++ = (byte >= 0x80 && byte <= 0x9F) ? QChar(HighControls[byte - 0x80]) : QChar(byte);
    }
    return text;
}

} // namespace TextEncoding
