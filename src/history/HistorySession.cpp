// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "history/HistorySession.h"

HistorySession::HistorySession(std::unique_ptr<GameHistoryStore> store)
    : m_store(std::move(store))
{ }

HistoryStatus HistorySession::NewGame(const GameOpening &opening)
{
    m_pending = opening;
    m_current.reset();
    return {};
}

HistoryStatus HistorySession::ContinueGame(GameId game)
{
    m_current = game;
    m_pending.reset();
    m_endedByReset.reset();
    return {};
}

HistoryStatus HistorySession::Record(const GameEvent &event)
{
    if (m_current) {
        HistoryStatus status = m_store->AppendEvent(*m_current, event);
        // The stretch just ended goes from the WAL into the database file:
        // a WAL damaged later costs no more than the stretch after it.
        if (status && event.Kind == GameEventKind::Pause)
            status = m_store->MoveLogIntoDatabase();
        return status;
    }
    if (!m_pending || event.Kind == GameEventKind::Export)
        return {};
    HistoryResult<GameId> begun = m_store->BeginGame(*m_pending, event);
    if (!begun)
        return {begun.Problem};
    m_current = *begun.Value;
    m_pending.reset();
    m_endedByReset.reset();
    return {};
}

HistoryStatus HistorySession::SaveCheckpoint(const GameCheckpoint &checkpoint)
{
    if (!m_current)
        return {};
    return m_store->SaveCheckpoint(*m_current, checkpoint);
}

HistoryStatus HistorySession::EndGame(GameEndReason reason, std::int64_t wallMs)
{
    // A RESET of a game never stored leaves nothing to take back.
    m_endedByReset.reset();
    if (!m_current)
        return {};
    const GameId ended = *m_current;
    m_current.reset();
    HistoryStatus status = m_store->EndGame(ended, reason, wallMs);
    if (status && reason == GameEndReason::Reset)
        m_endedByReset = ended;
    return status;
}

HistoryStatus HistorySession::UndoReset(std::int64_t gameMs, std::int64_t wallMs)
{
    if (!m_endedByReset || m_current)
        return {};
    const GameId game = *m_endedByReset;
    m_endedByReset.reset();
    HistoryStatus status = m_store->ReopenGame(game, gameMs, wallMs);
    if (status) {
        m_current = game;
        m_pending.reset();
    }
    return status;
}

HistoryResult<StoredGame> HistorySession::LoadCurrentGame()
{
    if (!m_current)
        return HistoryResult<StoredGame>::Failure(HistoryProblem::Of(HistoryProblem::Kind::NothingStoredYet));
    return m_store->LoadGame(*m_current);
}
