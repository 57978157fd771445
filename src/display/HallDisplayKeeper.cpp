// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "display/HallDisplayKeeper.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include "display/HallBoardFeed.h"
#include "display/HallDisplay.h"
#include "display/HallScreenChoice.h"
#include "game/GameWindow.h"

HallDisplayKeeper::HallDisplayKeeper(GameWindow &window, const QString &applicationName, QObject *parent)
    : QObject(parent)
    , m_window(window)
    , m_setting(applicationName)
{
    connect(qGuiApp, &QGuiApplication::screenRemoved, this, &HallDisplayKeeper::OnScreenRemoved);
}

HallDisplayKeeper::~HallDisplayKeeper()
{
    delete m_display.data();
}

HallDisplay *HallDisplayKeeper::Display() const
{
    return m_display;
}

void HallDisplayKeeper::Toggle()
{
    m_display ? Close() : Open();
}

void HallDisplayKeeper::RestoreAtStart()
{
    if (m_setting.Read().Open)
        Open();
}

void HallDisplayKeeper::Open()
{
    if (m_display) {
        m_display->raise();
        return;
    }
    const HallDisplayChoices choices = m_setting.Read();
    // Not a child of the bench's window: a window manager would keep it
    // above the bench's on a single screen.
    m_display = new HallDisplay();
    m_display->SetTheme(HallTheme::Named(choices.Theme));
    m_display->SetShowsPlayers(choices.Players);
    // Coordinates of another screen can look the same, so only on the bench's own.
    m_display->SetBenchFrame(
        [this] { return m_display && m_display->screen() == m_window.screen() ? m_window.frameGeometry() : QRect(); });
    new HallBoardFeed(m_window, *m_display);
    connect(m_display, &HallDisplay::Closed, this, &HallDisplayKeeper::OnClosed);
    connect(m_display, &HallDisplay::ThemeChosen, this,
            [this](const HallTheme &theme) { m_setting.WriteTheme(QLatin1String(theme.Key)); });
    connect(m_display, &HallDisplay::PlayersChosen, this, [this](bool shown) { m_setting.WritePlayers(shown); });
    Place();
    if (QWindow *handle = m_display->windowHandle()) {
        connect(handle, &QWindow::screenChanged, this, [this](QScreen *screen) {
            if (screen && !m_screenLost)
                m_setting.WriteScreen(screen->name());
        });
    }
    m_setting.WriteOpen(true);
    qApp->installEventFilter(this);
    emit OpenChanged(true);
}

void HallDisplayKeeper::Place()
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    QStringList names;
    for (const QScreen *screen : screens)
        names.append(screen->name());
    // A screen that has gone is not among the names, so the display goes
    // to another; its name stays remembered for when it is back.
    const HallScreenChoice choice =
        HallScreenChoice::For(names, int(screens.indexOf(m_window.screen())), m_setting.Read().Screen);
    QScreen *target = screens.value(choice.Screen);
    if (target)
        m_display->setScreen(target);
    if (choice.FullScreen) {
        m_display->EnterFullScreen();
    } else {
        m_display->ShowWindowed();
    }
    // Only a screen of its own is remembered: a projector missing once
    // must not be forgotten for the bench's screen.
    if (target && choice.FullScreen && !m_screenLost)
        m_setting.WriteScreen(target->name());
}

void HallDisplayKeeper::Close()
{
    if (m_display)
        m_display->close();
}

bool HallDisplayKeeper::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == qApp && event->type() == QEvent::Quit)
        m_programEnding = true;
    return QObject::eventFilter(watched, event);
}

void HallDisplayKeeper::OnClosed()
{
    qApp->removeEventFilter(this);
    if (!m_programEnding)
        m_setting.WriteOpen(false);
    if (m_display)
        m_display->deleteLater();
    m_display = nullptr;
    emit OpenChanged(false);
}

void HallDisplayKeeper::OnScreenRemoved(QScreen *screen)
{
    if (!m_display || m_display->screen() != screen)
        return;
    m_screenLost = true;
    // Once the screen is gone and Qt has moved the window off it.
    QTimer::singleShot(0, this, [this] {
        if (m_display)
            Place();
        m_screenLost = false;
    });
}
