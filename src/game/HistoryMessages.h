// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// The German sentences the user reads about the game history, made from
// what the history reports (HistoryProblem): one line each, naming the
// files concerned and the cause in plain words.

#include <QString>

#include <optional>
#include <vector>

#include "history/HistoryProblem.h"

namespace HistoryMessages {

// The sentence of one problem.
QString Text(const HistoryProblem &problem);
// Several problems told at once, in order, as one line; empty for none.
QString Text(const std::vector<HistoryProblem> &problems);
// Empty for no problem.
QString Text(const std::optional<HistoryProblem> &problem);
// The words of a cause, in lower case without a full stop ("der Datenträger ist voll").
QString Reason(const HistoryCause &cause);

} // namespace HistoryMessages
