// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// The playing-time rules at the bench, while a rule set is in force: a
// status line with the period under way and the rules' state in words, the
// periods each line has played against the rule beside its time ("2/2"), a
// question at START naming what the line-up would break, and at a PAUSE a
// suggestion of who should go on next.  While the clock runs only the
// status line speaks.  With "Keine Regeln" it shows and asks nothing.
//
// It judges the stored game (the game report of the journal), so a game
// without a history shows the period only.

#include <QObject>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>

#include "timing/RulesJudge.h"

class GameWindow;
class QLabel;

class RulesWatch : public QObject
{
    Q_OBJECT
public:
    // Asks whether to start anyway, naming the problems; true for "Trotzdem starten".
    using StartQuestion = std::function<bool(const QStringList &problems)>;

    // `statusLine` is shown only while rules are in force.
    RulesWatch(GameWindow &window, QLabel *statusLine, StartQuestion ask = MessageBox(nullptr, QString()),
               QObject *parent = nullptr);

    // What stands beside a line's time: periods played against the rule
    // ("2/2"), or minutes against the minimum; empty without rules.
    QString Mark(int team, int row) const;
    const QString &StatusText() const { return m_status; }

    // The question as a message box over `window` captioned `title`:
    // "Trotzdem starten" and "Abbrechen" (the default, and Escape).
    static StartQuestion MessageBox(QWidget *window, const QString &title);

public slots:
    // Judges the game as it stands and shows it.
    void Update();

private:
    bool MayStart();
    void FollowTheClock();
    std::optional<RulesGame> StoredGame() const;
    std::vector<bool> OnCourt(const RulesGame &game) const;
    QString Suggestion(const RulesGame &game, const GameVerdict &verdict) const;
    // The marks beside each team's lines, by row, from the verdict.
    void MakeMarks(const PlayingRules &rules);
    // `text` on the line, `whole` (every problem) in its tooltip.
    void Show(const QString &text, const QString &whole);

    GameWindow &m_window;
    QLabel *m_statusLine;
    StartQuestion m_ask;
    QString m_status;
    QString m_judged; // the rules' state after the period word, as the line has room for it
    QString m_fullJudged;
    int m_shownPeriod = 0; // the period number on the line; 0: none yet
    std::optional<RulesGame> m_game;
    GameVerdict m_verdict;
    std::array<QStringList, 2> m_marks;
};
