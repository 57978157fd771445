// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// What the clock's context menu does: sets the standing clock to another
// game time with the players of the last stretch following (ClockCorrection),
// keeps the period format in the settings, and asks for the period under way
// to end.  It follows the game through the game controls' signals (START,
// PAUSE, RESET) for the snapshots a correction needs, and reports each
// change with a signal, so that whoever keeps the game's history can store it.

#include <QObject>
#include <QString>

#include <cstdint>

#include "game/GameFormatSetting.h"
#include "game/RulesSetting.h"
#include "timing/ClockCorrection.h"

class ClockMenu;
class TFrameClock;
class TGameControls;

class ClockCommands : public QObject
{
    Q_OBJECT
public:
    struct Wiring
    {
        TFrameClock *Clock = nullptr;
        TGameControls *Controls = nullptr;
        PlayingTimeLedger *Ledger = nullptr;
        // The settings name the window geometry is kept under.
        QString SettingsApplicationName;
    };

    ClockCommands(const Wiring &wiring, QObject *parent = nullptr);

    ClockMenu *Menu = nullptr;

    // The period format in force: the stored one, or the default.
    const GameFormat &Format() const { return m_format; }
    // The playing-time rules in force: the stored ones, or "Keine Regeln".
    const PlayingRules &Rules() const { return m_rules; }
    // The snapshots of the last stretch; a game brought back puts its own here.
    ClockCorrection &Correction() { return m_correction; }

    // Why the standing clock cannot be set to `gameMs`, as a German
    // sentence naming a time that can be typed; empty when it can.
    QString Refusal(std::int32_t gameMs) const;
    // Sets the standing clock to `gameMs`, the players following, and
    // repaints the rosters; returns the refusal instead when it cannot.
    QString SetGameTime(std::int32_t gameMs);

public slots:
    // "Uhr stellen …": the dialog, and the time entered there.
    void OpenSetClockDialog();
    // Keeps `format` as the one in force and in the settings.
    void ChooseFormat(const GameFormat &format);
    // Keeps `rules` as the ones in force and in the settings; a rule set
    // brings its period format along ("Keine Regeln" keeps the format).
    void ChooseRules(const PlayingRules &rules);
    // "Abschnitt hier beenden": the period under way ends at the time the
    // clock shows, in whole seconds.
    void EndPeriodHere();

signals:
    // The standing clock was set by `deltaMs` to `newGameMs`; the players of
    // the last stretch moved by the same delta.
    void ClockCorrected(qint64 deltaMs, qint64 newGameMs);
    // A format other than the one in force was picked; already stored.
    void FormatChosen(const GameFormat &format);
    // The period under way is to end at `endMs`, the standing clock's time
    // as it shows it.
    void PeriodEndRequested(qint64 endMs);
    // Other rules than those in force were picked; already stored.
    void RulesChosen(const PlayingRules &rules);

private:
    bool ClockStands() const;

    Wiring m_wiring;
    GameFormatSetting m_setting;
    GameFormat m_format;
    RulesSetting m_rulesSetting;
    PlayingRules m_rules;
    ClockCorrection m_correction;
};
