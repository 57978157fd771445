// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// The two encodings a team file may come in: UTF-8 (what editors here
// write) and Windows-1252 (what editors on Windows write for German text).

#include <QString>

#include <string_view>

namespace TextEncoding {

// Whether `bytes` is well-formed UTF-8: shortest forms only, no surrogates,
// nothing above U+10FFFF.
bool IsValidUtf8(std::string_view bytes);

// Windows-1252 to Unicode; the five bytes the code page leaves undefined
// become the C1 control characters of the same value, as Windows maps them.
QString FromWindows1252(std::string_view bytes);

} // namespace TextEncoding
