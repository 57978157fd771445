// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// The game history's start-up: made for the main window before it is
// shown, it
//   - takes the instance lock (a second copy stores nothing and says so),
//   - opens the database (a problem is told, the program goes on without),
//   - offers the last game when it was left running or standing unfinished,
//     and brings it back on "Fortsetzen",
//   - ends every other open game as given up ("Neues Spiel"),
//   - and then keeps the journal recording what happens in the window
//     (GameJournal) until the program ends.
// Every message is one German sentence in a message box captioned with the
// application title; tests put their own answers in HistoryDialogs.

#include <QCoreApplication>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "game/GameJournal.h"
#include "game/GameReplay.h"

class GameHistoryStore;
class HistoryWriter;
class InstanceLock;
class QWidget;
class GameWindow;
struct StandingGame;

struct HistoryDialogs
{
    // Asks whether to continue the last game: true for "Fortsetzen".
    std::function<bool(const QString &question)> AskContinue;
    // Tells the user something about the history.
    std::function<void(const QString &message)> Tell;

    // Message boxes captioned with `title` (the application's): the question with
    // "Fortsetzen" (default, Return) and "Neues Spiel" (Escape).  They stand
    // over `window` once it is shown, centred on the screen before.
    static HistoryDialogs MessageBoxes(QWidget *window, const QString &title);

    Q_DECLARE_TR_FUNCTIONS(HistoryDialogs)
};

class HistoryStartup : public QObject
{
    Q_OBJECT
public:
    // `dataFolder` holds the lock and the database (HistoryPaths::DataFolder()).
    HistoryStartup(GameWindow &form, const QString &dataFolder, HistoryDialogs dialogs,
                   GameJournal::WallClock wallClock = DefaultWallClock(), QObject *parent = nullptr);
    ~HistoryStartup() override;

    // Whether the game is being stored (this copy holds the lock and the database opened).
    bool IsStoring() const;
    HistoryWriter &Writer() { return *m_writer; }
    GameJournal &Journal() { return *m_journal; }

    static GameJournal::WallClock DefaultWallClock();
    // The standing game a stored one brings back.
    static StandingGame ToStanding(const RecoveredGame &game);

private:
    // The store in `dataFolder` when this copy holds the lock and it opens; problems are told.
    std::unique_ptr<GameHistoryStore> OpenStore(const QString &dataFolder);
    // The stored game that goes on, if the user wants it back; `givenUp` gets every other open game.
    std::optional<RecoveredGame> ChooseGame(GameHistoryStore &store, std::vector<GameId> &givenUp);
    void Tell(const QString &message);

    HistoryDialogs m_dialogs;
    // Destroyed in reverse order: the journal stops, the writer writes what is queued, then the lock goes.
    std::unique_ptr<InstanceLock> m_lock;
    std::unique_ptr<HistoryWriter> m_writer;
    std::unique_ptr<GameJournal> m_journal;
};
