// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "game/ClockCommands.h"

#include "clock/TFrameClock.h"
#include "game/ClockMenu.h"
#include "game/ClockSetDialog.h"
#include "game/GameControls.h"
#include "rosters/TCheckListBox.h"
#include "timing/GameTimeText.h"
#include "timing/ShownTime.h"

ClockCommands::ClockCommands(const Wiring &wiring, QObject *parent)
    : QObject(parent)
    , m_wiring(wiring)
    , m_setting(wiring.SettingsApplicationName)
    , m_format(m_setting.Read())
    , m_rulesSetting(wiring.SettingsApplicationName)
    , m_rules(m_rulesSetting.Read())
{
    TGameControls *controls = m_wiring.Controls;
    connect(controls, &TGameControls::ClockStarted, this,
            [this] { m_correction.StretchStarted(m_wiring.Clock->GameTime(), m_wiring.Clock->ShownGameTime()); });
    connect(controls, &TGameControls::ClockPaused, this, [this] {
        const TGameControls *controls = m_wiring.Controls;
        m_correction.StretchEnded(*m_wiring.Ledger,
                                  [controls](TeamIndex team, int row) { return controls->IsOnCourt(team, row); });
    });
    connect(controls, &TGameControls::ResetDone, this, [this] { m_correction.Forget(); });

    Menu = new ClockMenu(m_wiring.Clock, [this] {
        return ClockMenu::State{ClockStands(), ShownTime::Ms(m_wiring.Clock->ShownGameTime()), m_format, m_rules.Name};
    });
    // Queued: the dialog opens once the menu has closed, not inside its click.
    connect(Menu, &ClockMenu::SetClockChosen, this, &ClockCommands::OpenSetClockDialog, Qt::QueuedConnection);
    connect(Menu, &ClockMenu::FormatChosen, this, &ClockCommands::ChooseFormat);
    connect(Menu, &ClockMenu::EndPeriodChosen, this, &ClockCommands::EndPeriodHere);
    connect(Menu, &ClockMenu::RulesChosen, this, &ClockCommands::ChooseRules);
}

bool ClockCommands::ClockStands() const
{
    return !m_wiring.Controls->Running();
}

QString ClockCommands::Refusal(std::int32_t gameMs) const
{
    if (!ClockStands())
        return tr("Die Uhr läuft. Sie lässt sich nur stellen, solange sie steht.");
    switch (m_correction.Check(m_wiring.Clock->GameTime(), m_correction.Admitted(gameMs))) {
    case ClockCorrection::Outcome::BelowZero: return tr("Die Uhr lässt sich nicht unter 00:00 stellen.");
    case ClockCorrection::Outcome::BelowStretchStart: {
        // The second the clock showed at that START: typed, it is taken.
        const std::int64_t earliestSeconds = m_correction.EarliestShownTime() / 1000;
        return tr("So weit lässt sich die Uhr nicht zurückstellen: Wer zuletzt auf dem Feld "
                  "stand, hätte dann weniger Spielzeit als beim letzten START. "
                  "Frühestens %1.")
            .arg(QString::fromStdString(GameTimeText::FormatSeconds(static_cast<std::int32_t>(earliestSeconds))));
    }
    case ClockCorrection::Outcome::Applied:
    case ClockCorrection::Outcome::Unchanged: break;
    }
    return {};
}

QString ClockCommands::SetGameTime(std::int32_t gameMs)
{
    const QString refusal = Refusal(gameMs);
    if (!refusal.isEmpty())
        return refusal;
    const std::int32_t oldGameMs = m_wiring.Clock->GameTime();
    const std::int32_t typedMs = gameMs;
    gameMs = static_cast<std::int32_t>(m_correction.Admitted(typedMs));
    if (m_correction.Apply(*m_wiring.Ledger, oldGameMs, gameMs) != ClockCorrection::Outcome::Applied)
        return {};
    // The clock shows what was typed, even where it goes on from the START a fraction later.
    m_wiring.Clock->RestoreGameTime(gameMs, typedMs);
    m_wiring.Controls->Roster(1)->Refresh();
    m_wiring.Controls->Roster(2)->Refresh();
    emit ClockCorrected(qint64(gameMs) - oldGameMs, gameMs);
    return {};
}

void ClockCommands::OpenSetClockDialog()
{
    if (!ClockStands())
        return;
    QWidget *window = m_wiring.Clock->window();
    // The dialog offers what the clock shows, not the unseen fraction past it.
    ClockSetDialog dialog(
        m_wiring.Clock->ShownGameTime(), [this](std::int32_t gameMs) { return Refusal(gameMs); }, window);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    // Without a window manager nobody hands the keyboard back to the window,
    // and F5 and F9 would not reach it.
    if (window->isVisible())
        window->activateWindow();
    if (accepted && dialog.Changed())
        SetGameTime(dialog.GameTime());
}

void ClockCommands::ChooseFormat(const GameFormat &format)
{
    if (format == m_format)
        return;
    m_format = format;
    // Kept for this run even when the settings cannot be written.
    m_setting.Write(format);
    emit FormatChosen(format);
}

void ClockCommands::ChooseRules(const PlayingRules &rules)
{
    if (rules == m_rules)
        return;
    m_rules = rules;
    m_rulesSetting.Write(rules);
    if (rules.Active())
        ChooseFormat(rules.Format);
    emit RulesChosen(rules);
}

void ClockCommands::EndPeriodHere()
{
    const std::int64_t endMs = ShownTime::Ms(m_wiring.Clock->ShownGameTime());
    if (ClockStands() && endMs > 0)
        emit PeriodEndRequested(endMs);
}
