// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "display/HallDisplay.h"

#include <QActionGroup>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScreen>

#include <algorithm>

#include "display/HallPainter.h"
#include "display/HallScreenChoice.h"

QString HallDisplay::Caption()
{
    return tr("Hallenanzeige");
}

HallDisplay::HallDisplay(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("HallDisplay"));
    setWindowTitle(Caption());
    // Everything is painted, every pixel.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    // The bench's window alone decides when the program ends.
    setAttribute(Qt::WA_QuitOnClose, false);
    setMinimumSize(160, 90);
    BuildMenu();
    setGeometry(WindowPlace());
    Relayout();
}

QRect HallDisplay::WindowPlace() const
{
    const QScreen *on = screen();
    return HallWindowPlace(on ? on->availableGeometry() : QRect(0, 0, 1024, 576),
                           m_benchFrame ? m_benchFrame() : QRect());
}

void HallDisplay::BuildMenu()
{
    Menu = new QMenu(this);
    Menu->setObjectName(QStringLiteral("HallDisplayMenu"));
    PlayersAction = Menu->addAction(tr("Spieler auf dem Feld"));
    PlayersAction->setCheckable(true);
    connect(PlayersAction, &QAction::triggered, this, [this](bool shown) {
        SetShowsPlayers(shown);
        emit PlayersChosen(shown);
    });
    Menu->addSeparator();
    auto *themes = new QActionGroup(Menu);
    themes->setExclusive(true);
    for (const HallTheme &theme : HallTheme::All()) {
        QAction *action = Menu->addAction(theme.TranslatedCaption());
        action->setCheckable(true);
        themes->addAction(action);
        connect(action, &QAction::triggered, this, [this, &theme] {
            SetTheme(theme);
            emit ThemeChosen(theme);
        });
        ThemeActions.push_back(action);
    }
    Menu->addSeparator();
    FullScreenAction = Menu->addAction(tr("Vollbild"));
    FullScreenAction->setCheckable(true);
    FullScreenAction->setShortcut(QKeySequence(Qt::Key_F11));
    connect(FullScreenAction, &QAction::triggered, this,
            [this](bool full) { full ? EnterFullScreen() : LeaveFullScreen(); });
    CloseAction = Menu->addAction(tr("Schließen"));
    connect(CloseAction, &QAction::triggered, this, &QWidget::close);
    UpdateMenu();
}

void HallDisplay::UpdateMenu()
{
    PlayersAction->setChecked(m_showsPlayers);
    const auto all = HallTheme::All();
    for (std::size_t i = 0; i < all.size(); ++i)
        ThemeActions[i]->setChecked(&all[i] == m_theme);
    FullScreenAction->setChecked(isFullScreen());
}

void HallDisplay::SetBoard(const HallBoard &board)
{
    if (board == m_board)
        return;
    const HallBoard before = std::exchange(m_board, board);
    if (m_showsPlayers && PlayerLinesNeeded(board) != m_layout.PlayerLines) {
        Relayout();
        update();
        return;
    }
    for (std::size_t i = 0; i < board.Digits.size(); ++i) {
        if (board.Digits[i] != before.Digits[i] || (i == 0 && board.MinuteTensLit != before.MinuteTensLit))
            update(m_layout.Digits[i]);
    }
    if (board.Period != before.Period)
        update(m_layout.Period);
    if (m_showsPlayers) {
        for (int team = 0; team < 2; ++team)
            UpdatePlayers(team, before.OnCourt.at(std::size_t(team)), board.OnCourt.at(std::size_t(team)));
    }
}

void HallDisplay::UpdatePlayers(int team, const std::vector<HallPlayer> &before, const std::vector<HallPlayer> &after)
{
    // While the clock runs every time on court turns each second: only the
    // times are painted again, which on a large screen is a tenth of the lines.
    const QFontMetrics metrics(HallTextFont(m_layout.PlayerFontPx));
    const std::size_t lines = std::max(before.size(), after.size());
    for (std::size_t line = 0; line < lines; ++line) {
        const HallPlayer *was = line < before.size() ? &before[line] : nullptr;
        const HallPlayer *is = line < after.size() ? &after[line] : nullptr;
        if (was && is && *was == *is)
            continue;
        const QRect rect = m_layout.PlayerLine(team, int(line));
        const int timeWidth = was && is ? metrics.horizontalAdvance(is->Time) : -1;
        if (timeWidth >= 0 && was->Name == is->Name && metrics.horizontalAdvance(was->Time) == timeWidth)
            update(rect.adjusted(rect.width() - timeWidth - 2, 0, 0, 0));
        else
            update(rect);
    }
}

void HallDisplay::SetTheme(const HallTheme &theme)
{
    m_theme = &theme;
    UpdateMenu();
    update();
}

void HallDisplay::SetShowsPlayers(bool shown)
{
    m_showsPlayers = shown;
    UpdateMenu();
    Relayout();
    update();
}

int HallDisplay::PlayerLinesNeeded(const HallBoard &board) const
{
    const auto most = std::max(board.OnCourt[0].size(), board.OnCourt[1].size());
    return std::max(HallLayout::MinPlayerLines, int(std::min<std::size_t>(most, 99)));
}

void HallDisplay::Relayout()
{
    m_layout = HallLayout::For(size(), m_showsPlayers, PlayerLinesNeeded(m_board));
}

void HallDisplay::EnterFullScreen()
{
    // Without a window manager nobody else sizes the window to its screen.
    if (const QScreen *on = screen())
        setGeometry(on->geometry());
    showFullScreen();
    UpdateMenu();
}

void HallDisplay::LeaveFullScreen()
{
    if (!isFullScreen()) {
        UpdateMenu();
        return;
    }
    ShowWindowed();
}

void HallDisplay::ShowWindowed()
{
    showNormal();
    setGeometry(WindowPlace());
    UpdateMenu();
}

void HallDisplay::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    PaintHallBoard(painter, event->rect(), m_layout, m_board, *m_theme);
}

void HallDisplay::resizeEvent(QResizeEvent *event)
{
    Relayout();
    QWidget::resizeEvent(event);
}

void HallDisplay::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_F11: isFullScreen() ? LeaveFullScreen() : EnterFullScreen(); break;
    case Qt::Key_Escape: LeaveFullScreen(); break;
    default: QWidget::keyPressEvent(event);
    }
}

void HallDisplay::mouseDoubleClickEvent(QMouseEvent *event)
{
    LeaveFullScreen();
    QWidget::mouseDoubleClickEvent(event);
}

void HallDisplay::contextMenuEvent(QContextMenuEvent *event)
{
    UpdateMenu();
    Menu->popup(event->globalPos());
}

void HallDisplay::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    emit Closed();
}
