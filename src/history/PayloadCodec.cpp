// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "history/PayloadCodec.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <algorithm>

namespace PayloadCodec {

namespace {

constexpr int CountBytes = HistoryTeamCount;
constexpr int TimeBytes = 4;

std::optional<QJsonDocument> Json(const QByteArray &bytes)
{
    QJsonParseError error{};
    QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        return std::nullopt;
    return document;
}

std::optional<QStringList> LinesOf(const QJsonArray &array)
{
    QStringList lines;
    lines.reserve(array.size());
    for (const QJsonValue &value : array) {
        if (!value.isString())
            return std::nullopt;
        lines.append(value.toString());
    }
    return lines;
}

} // namespace

QByteArray EncodeTimes(const TeamTimes &times)
{
    QByteArray bytes;
    std::array<int, HistoryTeamCount> counts{};
    for (int team = 0; team < HistoryTeamCount; ++team) {
        counts[team] = std::min(int(times[team].size()), PlayingTimeLedger::RowsPerTeam);
        bytes.append(char(counts[team]));
    }
    bytes.reserve(CountBytes + (counts[0] + counts[1]) * TimeBytes);
    for (int team = 0; team < HistoryTeamCount; ++team) {
        for (int row = 0; row < counts[team]; ++row) {
            const auto value = static_cast<std::uint32_t>(times[team][row]);
            for (int shift = 0; shift < 32; shift += 8)
                bytes.append(char((value >> shift) & 0xFF));
        }
    }
    return bytes;
}

std::optional<TeamTimes> DecodeTimes(const QByteArray &bytes)
{
    if (bytes.size() < CountBytes)
        return std::nullopt;
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.constData());
    std::array<int, HistoryTeamCount> counts{data[0], data[1]};
    if (counts[0] > PlayingTimeLedger::RowsPerTeam || counts[1] > PlayingTimeLedger::RowsPerTeam)
        return std::nullopt;
    if (bytes.size() != CountBytes + (counts[0] + counts[1]) * TimeBytes)
        return std::nullopt;
    TeamTimes times;
    const unsigned char *next = data + CountBytes;
    for (int team = 0; team < HistoryTeamCount; ++team) {
        times[team].reserve(std::size_t(counts[team]));
        for (int row = 0; row < counts[team]; ++row, next += TimeBytes) {
            const std::uint32_t value = std::uint32_t(next[0]) | std::uint32_t(next[1]) << 8
                | std::uint32_t(next[2]) << 16 | std::uint32_t(next[3]) << 24;
            times[team].push_back(static_cast<std::int32_t>(value));
        }
    }
    return times;
}

QByteArray EncodeLines(const QStringList &lines)
{
    return QJsonDocument(QJsonArray::fromStringList(lines)).toJson(QJsonDocument::Compact);
}

std::optional<QStringList> DecodeLines(const QByteArray &bytes)
{
    const std::optional<QJsonDocument> document = Json(bytes);
    if (!document || !document->isArray())
        return std::nullopt;
    return LinesOf(document->array());
}

QByteArray EncodeTeam(const QStringList &lines, const QString &name)
{
    if (name.isEmpty())
        return EncodeLines(lines);
    const QJsonObject team{{QStringLiteral("lines"), QJsonArray::fromStringList(lines)},
                           {QStringLiteral("name"), name}};
    return QJsonDocument(team).toJson(QJsonDocument::Compact);
}

std::optional<LoadedTeam> DecodeTeam(const QByteArray &bytes)
{
    const std::optional<QJsonDocument> document = Json(bytes);
    if (!document)
        return std::nullopt;
    if (document->isArray()) {
        std::optional<QStringList> lines = LinesOf(document->array());
        if (!lines)
            return std::nullopt;
        return LoadedTeam{std::move(*lines), {}};
    }
    if (!document->isObject())
        return std::nullopt;
    const QJsonObject team = document->object();
    const QJsonValue name = team.value(QLatin1String("name"));
    const QJsonValue lines = team.value(QLatin1String("lines"));
    if (team.size() != 2 || !name.isString() || !lines.isArray())
        return std::nullopt;
    std::optional<QStringList> decoded = LinesOf(lines.toArray());
    if (!decoded)
        return std::nullopt;
    return LoadedTeam{std::move(*decoded), name.toString()};
}

QString EncodeChecks(const std::vector<bool> &checked)
{
    QString text;
    text.reserve(qsizetype(checked.size()));
    for (const bool on : checked)
        text.append(on ? QLatin1Char('1') : QLatin1Char('0'));
    return text;
}

std::optional<std::vector<bool>> DecodeChecks(const QString &text)
{
    std::vector<bool> checked;
    checked.reserve(std::size_t(text.size()));
    for (const QChar c : text) {
        if (c != QLatin1Char('0') && c != QLatin1Char('1'))
            return std::nullopt;
        checked.push_back(c == QLatin1Char('1'));
    }
    return checked;
}

} // namespace PayloadCodec
