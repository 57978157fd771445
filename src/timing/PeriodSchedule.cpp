// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "timing/PeriodSchedule.h"

#include <algorithm>

PeriodSchedule::PeriodSchedule(const GameFormat &format)
    : m_format(format)
{ }

SchedulePeriod PeriodSchedule::Next(const SchedulePeriod *previous) const
{
    const int number = previous ? previous->Number + 1 : 1;
    if (number <= int(m_fixed.size()))
        return m_fixed[std::size_t(number - 1)];
    SchedulePeriod period;
    period.Number = number;
    period.Overtime = number > m_format.RegularPeriods;
    period.BeginMs = previous ? previous->EndMs : 0;
    if (previous) {
        const int overtimesBefore =
            previous->Overtime ? previous->OrdinalInKind : previous->Number - previous->OrdinalInKind;
        const int regularsBefore = previous->Number - overtimesBefore;
        period.OrdinalInKind = (period.Overtime ? overtimesBefore : regularsBefore) + 1;
    }
    const std::int64_t length = period.Overtime ? m_format.OvertimeMs : m_format.PeriodMs;
    period.EndMs = length > 0 ? period.BeginMs + length : SchedulePeriod::OpenEnd;
    return period;
}

std::optional<std::vector<SchedulePeriod>> PeriodSchedule::PeriodsBefore(std::int64_t gameMs) const
{
    std::vector<SchedulePeriod> periods{Next(nullptr)};
    while (periods.back().EndMs != SchedulePeriod::OpenEnd && periods.back().EndMs < gameMs) {
        if (int(periods.size()) == MaxPeriods)
            return std::nullopt;
        periods.push_back(Next(&periods.back()));
    }
    return periods;
}

std::optional<SchedulePeriod> PeriodSchedule::PeriodUnderWay(std::int64_t gameMs) const
{
    const auto periods = PeriodsBefore(gameMs);
    if (!periods)
        return std::nullopt;
    return periods->back();
}

bool PeriodSchedule::EndPeriod(int period, std::int64_t gameMs)
{
    if (gameMs <= 0)
        return true;
    auto periods = PeriodsBefore(gameMs);
    if (!periods)
        return false;
    const int ending = std::clamp(period, 1, periods->back().Number);
    periods->resize(std::size_t(ending));
    periods->back().EndMs = gameMs;
    m_fixed = std::move(*periods);
    return true;
}

bool PeriodSchedule::ChangeFormat(const GameFormat &format, std::int64_t gameMs)
{
    auto periods = PeriodsBefore(gameMs);
    if (!periods)
        return false;
    std::erase_if(*periods, [gameMs](const SchedulePeriod &each) { return each.EndMs > gameMs; });
    m_fixed = std::move(*periods);
    m_format = format;
    return true;
}

QString PeriodLabel(const SchedulePeriod &period)
{
    return period.Overtime ? PeriodSchedule::tr("Verlängerung %1").arg(period.OrdinalInKind)
                           : PeriodSchedule::tr("%1. Abschnitt").arg(period.OrdinalInKind);
}

const char *ForPeriodsOf(const GameFormat &format, const char *eighths, const char *quarters, const char *periods)
{
    switch (format.RegularPeriods) {
    case 8: return eighths;
    case 4: return quarters;
    default: return periods;
    }
}

QString PeriodWord(const GameFormat &format)
{
    return QCoreApplication::translate("PeriodSchedule",
                                       ForPeriodsOf(format, QT_TRANSLATE_NOOP("PeriodSchedule", "Achtel"),
                                                    QT_TRANSLATE_NOOP("PeriodSchedule", "Viertel"),
                                                    QT_TRANSLATE_NOOP("PeriodSchedule", "Abschnitt")));
}

QString RegularPeriodName(int ordinal, const GameFormat &format)
{
    return QCoreApplication::translate("PeriodSchedule",
                                       ForPeriodsOf(format, QT_TRANSLATE_NOOP("PeriodSchedule", "%1. Achtel"),
                                                    QT_TRANSLATE_NOOP("PeriodSchedule", "%1. Viertel"),
                                                    QT_TRANSLATE_NOOP("PeriodSchedule", "%1. Abschnitt")))
        .arg(ordinal);
}

QString PeriodName(const SchedulePeriod &period, const GameFormat &format)
{
    return period.Overtime ? PeriodLabel(period) : RegularPeriodName(period.OrdinalInKind, format);
}
