// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "game/ClockMenu.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

#include "clock/TFrameClock.h"

ClockMenu::ClockMenu(TFrameClock *clock, StateQuery state)
    : QObject(clock)
    , m_clock(clock)
    , m_state(std::move(state))
{
    Menu = new QMenu(clock);
    Menu->setObjectName(QStringLiteral("ClockMenu"));
    SetClockAction = Menu->addAction(tr("Uhr stellen …"));
    connect(SetClockAction, &QAction::triggered, this, &ClockMenu::SetClockChosen);
    Menu->addSeparator();

    auto *formats = new QActionGroup(Menu);
    formats->setExclusive(true);
    for (std::size_t i = 0; i < CommonGameFormats.size(); ++i) {
        const CommonGameFormat &common = CommonGameFormats[i];
        QAction *action = Menu->addAction(QCoreApplication::translate("ClockMenu", common.Caption));
        action->setCheckable(true);
        formats->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, common] { emit FormatChosen(common.AppliedTo(m_state().Format)); });
        FormatActions[i] = action;
    }
    RulesMenu = Menu->addMenu(tr("Regeln"));
    RulesMenu->setObjectName(QStringLiteral("RulesMenu"));
    auto *ruleSets = new QActionGroup(RulesMenu);
    ruleSets->setExclusive(true);
    for (const PlayingRules &rules : PlayingRuleSets::All()) {
        QAction *action = RulesMenu->addAction(rules.DisplayName());
        // The shown name may be translated; the stored one says which rules are in force.
        action->setData(rules.Name);
        action->setCheckable(true);
        ruleSets->addAction(action);
        connect(action, &QAction::triggered, this, [this, rules] { emit RulesChosen(rules); });
        RulesActions.push_back(action);
    }
    Menu->addSeparator();
    EndPeriodAction = Menu->addAction(tr("Abschnitt hier beenden"));
    connect(EndPeriodAction, &QAction::triggered, this, &ClockMenu::EndPeriodChosen);
    Menu->addSeparator();
    HallDisplayAction = Menu->addAction(tr("Hallenanzeige"));
    HallDisplayAction->setCheckable(true);
    connect(HallDisplayAction, &QAction::triggered, this, &ClockMenu::HallDisplayChosen);

    // The digits are disabled, so a right click on them reaches the frame.
    clock->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(clock, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { Popup(m_clock->mapToGlobal(pos)); });
}

void ClockMenu::Update()
{
    const State state = m_state();
    SetClockAction->setEnabled(state.ClockStands);
    for (std::size_t i = 0; i < CommonGameFormats.size(); ++i)
        FormatActions[i]->setChecked(CommonGameFormats[i].Matches(state.Format));
    for (QAction *action : RulesActions)
        action->setChecked(action->data().toString() == state.RulesName);
    // Ending a period before any game time has run would make an empty one.
    EndPeriodAction->setEnabled(state.ClockStands && state.ShownGameMs > 0);
}

void ClockMenu::Popup(const QPoint &globalPos)
{
    Update();
    Menu->popup(globalPos);
}
