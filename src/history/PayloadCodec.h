// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// How the values of the history that are not plain integers are written
// into their columns, and read back with every byte checked: a stored file
// may be damaged or made by hand, and reading it must never go beyond it.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

#include "history/GameRecord.h"

namespace PayloadCodec {

// Times of both teams: one byte with the row count of team 1, one for team 2
// (at most 50 each; more rows are not written), then every time as a 32-bit
// little-endian signed number, team 1 first.  Compact because a game has a
// pause for nearly every whistle.
QByteArray EncodeTimes(const TeamTimes &times);
std::optional<TeamTimes> DecodeTimes(const QByteArray &bytes);

// Roster lines as a JSON array of strings (UTF-8): any text survives,
// and an empty roster stays apart from one empty line.
QByteArray EncodeLines(const QStringList &lines);
std::optional<QStringList> DecodeLines(const QByteArray &bytes);

// A team load: the roster lines and the name of the team file they came
// from, as a JSON object {"lines": [...], "name": "..."}.  Without a name it
// is the plain array of lines, which is also how games stored before the
// names were kept have every team load.
struct LoadedTeam
{
    QStringList Lines;
    QString Name; // empty when none is known

    bool operator==(const LoadedTeam &) const = default;
};
QByteArray EncodeTeam(const QStringList &lines, const QString &name);
std::optional<LoadedTeam> DecodeTeam(const QByteArray &bytes);

// Check marks as one character per line, '1' on and '0' off.
QString EncodeChecks(const std::vector<bool> &checked);
std::optional<std::vector<bool>> DecodeChecks(const QString &text);

} // namespace PayloadCodec
