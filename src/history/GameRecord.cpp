// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "history/GameRecord.h"

#include <algorithm>

#include "history/PayloadCodec.h"

namespace {

struct KindEntry
{
    GameEventKind Kind;
    const char *Name;
    int ArgCount;
};

constexpr KindEntry Kinds[] = {
    {GameEventKind::Start, "start", 0},           {GameEventKind::Pause, "pause", 1},
    {GameEventKind::Check, "check", 3},           {GameEventKind::TeamLoad, "team_load", 2},
    {GameEventKind::Export, "export", 0},         {GameEventKind::ResetUndone, "reset_undone", 0},
    {GameEventKind::PeriodEnd, "period_end", 2},  {GameEventKind::Format, "format", 3},
    {GameEventKind::Correction, "correction", 2}, {GameEventKind::Rules, "rules", 0},
};

const KindEntry *EntryOf(GameEventKind kind)
{
    for (const KindEntry &entry : Kinds) {
        if (entry.Kind == kind)
            return &entry;
    }
    return nullptr;
}

// How far the clock's display trails the game time: never ahead, never below 0.
std::int64_t DisplayLag(std::int64_t gameMs, std::optional<std::int64_t> shownGameMs)
{
    return std::clamp<std::int64_t>(gameMs - shownGameMs.value_or(gameMs), 0, std::max<std::int64_t>(gameMs, 0));
}

GameEvent Make(GameEventKind kind, std::int64_t gameMs, std::int64_t wallMs)
{
    GameEvent event;
    event.Kind = kind;
    event.GameMs = gameMs;
    event.WallMs = wallMs;
    event.KindName = GameEventKindName(kind);
    return event;
}

} // namespace

QString GameEventKindName(GameEventKind kind)
{
    const KindEntry *entry = EntryOf(kind);
    return entry ? QString::fromLatin1(entry->Name) : QString();
}

GameEventKind GameEventKindFromName(const QString &name)
{
    for (const KindEntry &entry : Kinds) {
        if (name == QLatin1String(entry.Name))
            return entry.Kind;
    }
    return GameEventKind::Unknown;
}

int GameEventArgCount(GameEventKind kind)
{
    const KindEntry *entry = EntryOf(kind);
    return entry ? entry->ArgCount : 3; // an unknown kind keeps whatever it has
}

GameEvent GameEvent::Start(std::int64_t gameMs, std::int64_t wallMs)
{
    return Make(GameEventKind::Start, gameMs, wallMs);
}

GameEvent GameEvent::Pause(std::int64_t gameMs, std::int64_t wallMs, const TeamTimes &shownElapsed,
                           std::optional<std::int64_t> shownGameMs)
{
    GameEvent event = Make(GameEventKind::Pause, gameMs, wallMs);
    event.Arg1 = DisplayLag(gameMs, shownGameMs);
    event.Payload = PayloadCodec::EncodeTimes(shownElapsed);
    return event;
}

GameEvent GameEvent::Check(std::int64_t gameMs, std::int64_t wallMs, int team, int line, bool on)
{
    GameEvent event = Make(GameEventKind::Check, gameMs, wallMs);
    event.Arg1 = team;
    event.Arg2 = line;
    event.Arg3 = on ? 1 : 0;
    return event;
}

GameEvent GameEvent::TeamLoad(std::int64_t gameMs, std::int64_t wallMs, int team, const QStringList &lines,
                              const QString &teamName)
{
    GameEvent event = Make(GameEventKind::TeamLoad, gameMs, wallMs);
    event.Arg1 = team;
    event.Arg2 = lines.size();
    event.Payload = PayloadCodec::EncodeTeam(lines, teamName);
    return event;
}

GameEvent GameEvent::Export(std::int64_t gameMs, std::int64_t wallMs)
{
    return Make(GameEventKind::Export, gameMs, wallMs);
}

GameEvent GameEvent::ResetUndone(std::int64_t gameMs, std::int64_t wallMs)
{
    return Make(GameEventKind::ResetUndone, gameMs, wallMs);
}

GameEvent GameEvent::PeriodEnd(std::int64_t gameMs, std::int64_t wallMs, int period, std::int64_t endMs)
{
    GameEvent event = Make(GameEventKind::PeriodEnd, gameMs, wallMs);
    event.Arg1 = period;
    event.Arg2 = endMs;
    return event;
}

GameEvent GameEvent::FormatChange(std::int64_t gameMs, std::int64_t wallMs, const GameFormat &format)
{
    GameEvent event = Make(GameEventKind::Format, gameMs, wallMs);
    event.Arg1 = format.RegularPeriods;
    event.Arg2 = format.PeriodMs;
    event.Arg3 = format.OvertimeMs;
    return event;
}

GameEvent GameEvent::RulesChange(std::int64_t gameMs, std::int64_t wallMs, const QString &rulesName)
{
    GameEvent event = Make(GameEventKind::Rules, gameMs, wallMs);
    event.Payload = rulesName.toUtf8();
    return event;
}

QString GameEvent::RulesName() const
{
    return QString::fromUtf8(Payload);
}

GameEvent GameEvent::Correction(std::int64_t gameMs, std::int64_t wallMs, std::int64_t deltaMs,
                                std::optional<std::int64_t> shownGameMs)
{
    GameEvent event = Make(GameEventKind::Correction, gameMs, wallMs);
    event.Arg1 = deltaMs;
    event.Arg2 = DisplayLag(gameMs, shownGameMs);
    return event;
}

std::int64_t GameEvent::ShownGameMs() const
{
    const std::int64_t lag = Kind == GameEventKind::Pause ? Arg1 : Kind == GameEventKind::Correction ? Arg2 : 0;
    return GameMs - std::clamp<std::int64_t>(lag, 0, std::max<std::int64_t>(GameMs, 0));
}

std::int64_t GameEvent::PeriodEndMs() const
{
    return Arg2 > 0 ? Arg2 : GameMs;
}

QString GameEndReasonName(GameEndReason reason)
{
    return reason == GameEndReason::Reset ? QStringLiteral("reset") : QStringLiteral("new_game");
}

std::optional<GameEndReason> GameEndReasonFromName(const QString &name)
{
    if (name == QLatin1String("reset"))
        return GameEndReason::Reset;
    if (name == QLatin1String("new_game"))
        return GameEndReason::NewGame;
    return std::nullopt;
}
