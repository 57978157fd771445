// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// Opens and closes the hall display for the bench's window: places it on a
// screen, keeps its choices in the settings, brings it back at start when it
// was open at the last exit, and moves it when its screen goes away.  While
// it is closed there is no display and nothing follows the game for it.

#include <QObject>
#include <QPointer>

#include "display/HallDisplaySetting.h"

class GameWindow;
class HallDisplay;
class QScreen;

class HallDisplayKeeper : public QObject
{
    Q_OBJECT
public:
    // `applicationName` is the settings name the bench's window keeps its own under.
    HallDisplayKeeper(GameWindow &window, const QString &applicationName, QObject *parent = nullptr);
    // Takes the display along without counting as a close: it was open at exit.
    ~HallDisplayKeeper() override;

    // The open display; nullptr while closed.
    HallDisplay *Display() const;

public slots:
    void Open();
    void Close();
    void Toggle();
    // Opens the display when it was open when the program last ended.
    void RestoreAtStart();

signals:
    void OpenChanged(bool open);

protected:
    // Sees the program's quit while the display is open.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Place();
    void OnScreenRemoved(QScreen *screen);
    void OnClosed();

    GameWindow &m_window;
    HallDisplaySetting m_setting;
    QPointer<HallDisplay> m_display;
    // Qt moves a window off a screen that goes away before we place it anew;
    // that move is not the user's choice of screen.
    bool m_screenLost = false;
    // Qt closes every window when the program quits; that close is not the
    // user's, and the display was open at exit.
    bool m_programEnding = false;
};
