// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

// Feeds arbitrary bytes to the team-file reader and checks what every team
// file must give: the lines tile the text before the first NUL exactly,
// separated by one line end each, and decoding keeps their number.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "rosters/TeamFile.h"
#include "rosters/TextEncoding.h"

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

bool IsLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

void CheckSplit(std::string_view text)
{
    const auto lines = TeamFile::SplitLines(text);
    std::size_t pos = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        Require(line.data() == text.data() + pos);
        for (const char c : line)
            Require(!IsLineEnd(c) && c != '\0');
        pos += line.size();
        if (pos == text.size()) {
            Require(i + 1 == lines.size()); // the last line needs no line end
            break;
        }
        Require(IsLineEnd(text[pos]));
        pos += (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') ? 2 : 1;
    }
    Require(pos == text.size()); // a final line end adds no empty line
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    std::string_view text = bytes.substr(0, bytes.find('\0'));
    CheckSplit(text);
    Require(TeamFile::SplitLines(bytes).size() == TeamFile::SplitLines(text).size());

    const QStringList decoded = TeamFile::ParseLines(bytes);
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    Require(std::size_t(decoded.size()) == TeamFile::SplitLines(text).size());
    for (const QString &line : decoded) {
        Require(!line.contains(QLatin1Char('\r')) && !line.contains(QLatin1Char('\n')) && !line.contains(QChar(0)));
    }
    Require(TextEncoding::FromWindows1252(text).size() == qsizetype(text.size()));
    return 0;
}
