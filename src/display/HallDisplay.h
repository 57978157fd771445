// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// The hall display's window: the game clock for players and audience, on a
// projector or a second screen.  It shows the board it is given and has no
// clock of its own; whoever feeds it decides what it shows.  Its context
// menu switches the players on court, the theme and full screen; F11 enters
// full screen, Escape and a double-click leave it.  Closing it is reported,
// nothing more.

#include <QWidget>

#include <functional>
#include <vector>

#include "display/HallBoard.h"
#include "display/HallLayout.h"
#include "display/HallTheme.h"

class QAction;
class QMenu;

class HallDisplay : public QWidget
{
    Q_OBJECT
public:
    static QString Caption(); // "Hallenanzeige"

    explicit HallDisplay(QWidget *parent = nullptr);

    const HallBoard &Board() const { return m_board; }
    // Repaints only the parts that differ from the board shown.
    void SetBoard(const HallBoard &board);

    const HallTheme &Theme() const { return *m_theme; }
    void SetTheme(const HallTheme &theme);
    bool ShowsPlayers() const { return m_showsPlayers; }
    void SetShowsPlayers(bool shown);

    const HallLayout &Layout() const { return m_layout; }

    // Full screen on the screen the window is on; back to a window.
    void EnterFullScreen();
    void LeaveFullScreen();
    // Shown as a window of its own on its screen, beside the bench's window
    // when that is there too.
    void ShowWindowed();
    // Where the bench's window is (its frame), for a window beside it.
    void SetBenchFrame(std::function<QRect()> frame) { m_benchFrame = std::move(frame); }

    QMenu *Menu = nullptr;
    QAction *PlayersAction = nullptr;
    std::vector<QAction *> ThemeActions; // as HallTheme::All()
    QAction *FullScreenAction = nullptr;
    QAction *CloseAction = nullptr;

signals:
    // The user picked these in the menu; already shown.
    void ThemeChosen(const HallTheme &theme);
    void PlayersChosen(bool shown);
    // The window was closed by the user.
    void Closed();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void BuildMenu();
    void UpdateMenu();
    void Relayout();
    QRect WindowPlace() const;
    int PlayerLinesNeeded(const HallBoard &board) const;
    void UpdatePlayers(int team, const std::vector<HallPlayer> &before, const std::vector<HallPlayer> &after);

    HallBoard m_board;
    const HallTheme *m_theme = &HallTheme::All().front();
    bool m_showsPlayers = false;
    HallLayout m_layout;
    std::function<QRect()> m_benchFrame;
};
