// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "game/HistoryStartup.h"

#include <QDateTime>
#include <QDir>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

#include <algorithm>

#include "game/ClockCommands.h"
#include "game/GameControls.h"
#include "game/GameRecovery.h"
#include "game/GameWindow.h"
#include "game/HistoryMessages.h"
#include "game/StandingGame.h"
#include "history/GameHistoryStore.h"
#include "history/HistoryPaths.h"
#include "history/HistoryWriter.h"
#include "history/InstanceLock.h"

HistoryDialogs HistoryDialogs::MessageBoxes(QWidget *window, const QString &title)
{
    const QPointer<QWidget> shownWindow(window);
    const auto parent = [shownWindow]() -> QWidget * {
        return shownWindow && shownWindow->isVisible() ? shownWindow.data() : nullptr;
    };
    HistoryDialogs dialogs;
    dialogs.AskContinue = [parent, title](const QString &question) {
        QMessageBox box(QMessageBox::Question, title, question, QMessageBox::NoButton, parent());
        QPushButton *goOn = box.addButton(tr("Fortsetzen"), QMessageBox::AcceptRole);
        QPushButton *fresh = box.addButton(tr("Neues Spiel"), QMessageBox::RejectRole);
        box.setDefaultButton(goOn);
        box.setEscapeButton(fresh);
        box.exec();
        return box.clickedButton() == goOn;
    };
    dialogs.Tell = [title](const QString &message) { QMessageBox::warning(nullptr, title, message); };
    return dialogs;
}

GameJournal::WallClock HistoryStartup::DefaultWallClock()
{
    return [] { return QDateTime::currentMSecsSinceEpoch(); };
}

StandingGame HistoryStartup::ToStanding(const RecoveredGame &game)
{
    StandingGame standing;
    for (std::size_t team = 0; team < standing.Rosters.size(); ++team) {
        standing.Rosters[team].Lines = game.Teams[team].Lines;
        standing.Rosters[team].Checked = game.Teams[team].Checked;
        std::copy(game.Teams[team].Elapsed.begin(), game.Teams[team].Elapsed.end(), standing.Elapsed[team].begin());
    }
    standing.GameMs = std::int32_t(game.GameMs);
    standing.ShownGameMs = std::int32_t(game.ShownGameMs);
    standing.ClockStarted = true;
    if (game.LastStretch) {
        ClockCorrection::Stretch stretch;
        stretch.StartGameMs = game.LastStretch->StartGameMs;
        stretch.StartShownMs = game.LastStretch->StartShownMs;
        for (std::size_t team = 0; team < stretch.OnCourt.size(); ++team) {
            const std::vector<bool> &checked = game.LastStretch->OnCourt[team];
            for (std::size_t row = 0; row < checked.size() && row < stretch.OnCourt[team].size(); ++row)
                stretch.OnCourt[team][row] = checked[row];
        }
        standing.LastStretch = stretch;
    }
    return standing;
}

HistoryStartup::HistoryStartup(GameWindow &form, const QString &dataFolder, HistoryDialogs dialogs,
                               GameJournal::WallClock wallClock, QObject *parent)
    : QObject(parent)
    , m_dialogs(std::move(dialogs))
{
    std::unique_ptr<GameHistoryStore> store = OpenStore(dataFolder);
    std::optional<RecoveredGame> recovered;
    std::vector<GameId> givenUp;
    if (store)
        recovered = ChooseGame(*store, givenUp);

    m_writer = std::make_unique<HistoryWriter>(std::move(store));
    m_journal = std::make_unique<GameJournal>(
        form, *m_writer, [this](const QString &message) { Tell(message); }, wallClock);
    const std::int64_t now = wallClock();
    for (GameId game : givenUp) {
        m_writer->ContinueGame(game);
        m_writer->EndGame(GameEndReason::NewGame, now);
    }
    if (recovered) {
        const StandingGame standing = ToStanding(*recovered);
        form.GameControls->Restore(standing);
        for (int team = 1; team <= HistoryTeamCount; ++team)
            form.SetTeamName(team, recovered->Teams[std::size_t(team - 1)].Name);
        form.ClockMenuCommands->Correction().SetLastStretch(standing.LastStretch);
        m_journal->ContinueStoredGame(recovered->Id, recovered->WasRunning, recovered->Periods, recovered->RulesName);
    } else {
        m_journal->BeginNewGame();
    }
}

std::unique_ptr<GameHistoryStore> HistoryStartup::OpenStore(const QString &dataFolder)
{
    if (dataFolder.isEmpty()) {
        Tell(tr("Es gibt keinen Datenordner für die Spieldatenbank; das Spiel wird nicht gespeichert."));
        return nullptr;
    }
    m_lock = std::make_unique<InstanceLock>(dataFolder);
    if (!m_lock->IsHeld()) {
        // Another copy's game is none of this one's business: not read, not offered, not touched.
        Tell(HistoryMessages::Text(m_lock->Problem()));
        return nullptr;
    }
    GameHistoryStore::OpenResult opened =
        GameHistoryStore::Open(QDir(dataFolder).filePath(QLatin1String(HistoryPaths::DatabaseFileName)));
    if (!opened.Told.empty())
        Tell(HistoryMessages::Text(opened.Told));
    return std::move(opened.Store);
}

std::optional<RecoveredGame> HistoryStartup::ChooseGame(GameHistoryStore &store, std::vector<GameId> &givenUp)
{
    std::optional<RecoveredGame> recovered;
    RecoveryCandidate candidate = FindGameToRecover(store);
    if (candidate.Result == RecoveryCandidate::Outcome::Offer
        && m_dialogs.AskContinue(RecoveryQuestion(candidate.Game)))
        recovered = std::move(candidate.Game);
    else if (candidate.Result == RecoveryCandidate::Outcome::Refused)
        Tell(tr("%1 Es bleibt gespeichert; ein neues Spiel beginnt.").arg(candidate.Message));
    // Every other open game is given up, so that only the game under way is ever open.
    if (HistoryResult<std::vector<GameId>> open = store.OpenGames())
        givenUp = std::move(*open.Value);
    if (recovered)
        std::erase(givenUp, recovered->Id);
    return recovered;
}

HistoryStartup::~HistoryStartup() = default;

bool HistoryStartup::IsStoring() const
{
    return m_writer->IsActive() && !m_writer->Failed();
}

void HistoryStartup::Tell(const QString &message)
{
    if (m_dialogs.Tell)
        m_dialogs.Tell(message);
}
