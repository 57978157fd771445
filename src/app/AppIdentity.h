// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// Names the program derives from its executable's path: the application
// title, the settings key, the help page and the version.

#include <QString>

#include "platform/Registry.h"

namespace AppIdentity {

inline constexpr const char *Version = "0.9.0.19";
inline constexpr const char *DesignCaption = "0.9";
inline constexpr const char *Organisation = Registry::Organisation;
inline constexpr const char *MakerUrl = "https://www.velmarin.example/";
inline constexpr const char *MakerAddress = "www.velmarin.example";
// The installed desktop entry and AppStream component: the maker's domain reversed.
inline constexpr const char *DesktopFileName = "example.velmarin.quintora";

// The file name without folder, cut at its first '.', every character after
// the first in lower case ("MY.GAME.EXE" gives "My").
QString ApplicationTitle(const QString &executablePath);
// The file name without folder and without its last extension ("MY.GAME.EXE" gives "MY.GAME").
QString SettingsApplicationName(const QString &executablePath);
// The window caption: the title, one blank, the design caption.
QString MainCaption(const QString &executablePath);
// Where an installed program keeps its data, in the order they are tried:
// share/quintora beside the executable's bin folder (wherever the package
// or `cmake --install` put the program), then the folder compiled in.
QStringList DataFolders(const QString &executablePath);
// Candidates for the help page, in the order they are tried: beside the
// executable as <executable>.html, then in each installed data folder; for
// a `language` other than German ("en"), <executable>.en.html in the same
// places before them.
QStringList HelpPageCandidates(const QString &executablePath, const QString &language = {});
// The first existing candidate, or an empty string.
QString FindHelpPage(const QString &executablePath, const QString &language = {});
// The installed folder of sample team files ("teams" in a data folder), or
// an empty string when there is none.
QString FindSampleTeamsFolder(const QString &executablePath);

} // namespace AppIdentity
