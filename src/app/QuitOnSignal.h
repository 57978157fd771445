// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// Turns SIGTERM, SIGINT and SIGHUP into an orderly close of the main window,
// so a logout or a `kill` still saves the window geometry like the close box.

#include <QObject>
#include <QPointer>

class QSocketNotifier;
class QWidget;

class QuitOnSignal : public QObject
{
    Q_OBJECT
public:
    explicit QuitOnSignal(QWidget *mainWindow);
    ~QuitOnSignal() override;

private:
    void OnSignal();

    QPointer<QWidget> m_mainWindow;
    QSocketNotifier *m_notifier = nullptr;
};
