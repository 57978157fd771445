// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// Where the game history lives: the application's local data folder
// (QStandardPaths::AppLocalDataLocation), which on Linux is
// ~/.local/share/<organisation>/<application>, for this program
// ~/.local/share/Velmarin/Quintora.  The organisation and application
// names must be set on the QCoreApplication before these are called.

#include <QString>

namespace HistoryPaths {

inline constexpr const char *DatabaseFileName = "games.db";

// The data folder; empty when the platform names none.
QString DataFolder();
// The database file in the data folder; empty when the platform names no folder.
QString DefaultDatabasePath();

} // namespace HistoryPaths
