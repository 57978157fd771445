// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "timing/PlayingRules.h"

#include <QCoreApplication>

#include "timing/PeriodSchedule.h"

namespace {

constexpr std::int64_t Minutes(int minutes)
{
    return std::int64_t(minutes) * 60000;
}

std::vector<PlayingRules> MakePresets()
{
    std::vector<PlayingRules> presets;

    PlayingRules none;
    none.Name = QString::fromUtf8(PlayingRuleSets::NoRules);
    presets.push_back(none);

    // DBB Mini rules since 2019/20: 8 x 5 minutes, four against four, every
    // child plays at least 10 and at most 30 minutes.
    PlayingRules miniMinutes;
    miniMinutes.Name = QString::fromUtf8(QT_TRANSLATE_NOOP("PlayingRules", "Mini 8 × 5 (10–30 Minuten)"));
    miniMinutes.Format = {8, Minutes(5), Minutes(5)};
    miniMinutes.MinMs = Minutes(10);
    miniMinutes.MaxMs = Minutes(30);
    miniMinutes.OnCourt = 4;
    presets.push_back(miniMinutes);

    // Regional Mini rules: eighths of 4 minutes, every child plays at least
    // 2 and at most 6 eighths, substitutions only between eighths.
    PlayingRules miniEighths;
    miniEighths.Name = QString::fromUtf8(QT_TRANSLATE_NOOP("PlayingRules", "Mini 8 × 4 (2–6 Achtel)"));
    miniEighths.Format = {8, Minutes(4), Minutes(4)};
    miniEighths.MinPeriods = 2;
    miniEighths.MaxPeriods = 6;
    miniEighths.ChangesOnlyBetweenPeriods = true;
    presets.push_back(miniEighths);

    // At least two eighths played and two sat out.
    PlayingRules playedAndRested;
    playedAndRested.Name = QString::fromUtf8(QT_TRANSLATE_NOOP("PlayingRules", "2 gespielt, 2 Pause"));
    playedAndRested.Format = {8, Minutes(5), Minutes(5)};
    playedAndRested.MinPeriods = 2;
    playedAndRested.MinRests = 2;
    playedAndRested.ChangesOnlyBetweenPeriods = true;
    presets.push_back(playedAndRested);

    // At least two whole quarters on court without a break.
    PlayingRules wholeQuarters;
    wholeQuarters.Name = QString::fromUtf8(QT_TRANSLATE_NOOP("PlayingRules", "2 volle Viertel"));
    wholeQuarters.Format = {4, Minutes(10), Minutes(5)};
    wholeQuarters.Counts = PlayingRules::PeriodPlayed::Unbroken;
    wholeQuarters.MinPeriods = 2;
    presets.push_back(wholeQuarters);

    return presets;
}

} // namespace

bool PlayingRules::Active() const
{
    return MinPeriods > 0 || MaxPeriods > 0 || MinRests > 0 || MinMs > 0 || MaxMs > 0 || PeriodInEachHalf
        || ChangesOnlyBetweenPeriods;
}

QString PlayingRules::DisplayName() const
{
    // Only the presets' names are known; any other stays as it is.
    const QByteArray name = Name.toUtf8();
    return QCoreApplication::translate("PlayingRules", name.constData());
}

QString PlayingRules::PeriodWord() const
{
    return ::PeriodWord(Format);
}

QString PlayingRules::Periods(int count) const
{
    // German has one form for eighths and quarters but two for other periods; each gets its own text.
    const char *others = count == 1 ? QT_TRANSLATE_N_NOOP("PlayingRules", "%n Abschnitt")
                                    : QT_TRANSLATE_N_NOOP("PlayingRules", "%n Abschnitte");
    return QCoreApplication::translate("PlayingRules",
                                       ForPeriodsOf(Format, QT_TRANSLATE_N_NOOP("PlayingRules", "%n Achtel"),
                                                    QT_TRANSLATE_N_NOOP("PlayingRules", "%n Viertel"), others),
                                       nullptr, count);
}

QString PlayingRules::PeriodName(int number) const
{
    return RegularPeriodName(number, Format);
}

namespace PlayingRuleSets {

const std::vector<PlayingRules> &All()
{
    static const std::vector<PlayingRules> presets = MakePresets();
    return presets;
}

std::optional<PlayingRules> Named(const QString &name)
{
    for (const PlayingRules &rules : All()) {
        if (rules.Name == name)
            return rules;
    }
    return std::nullopt;
}

} // namespace PlayingRuleSets
