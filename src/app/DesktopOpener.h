// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// Opens a local file with the desktop's program for its type, as
// QDesktopServices does (through xdg-open), and tells when no program could
// show it.  QDesktopServices::openUrl reports success as soon as xdg-open
// has started, and xdg-open's "no method available" goes to the terminal
// alone; so xdg-open is run here and its exit status awaited, without
// holding up the window.

#include <QString>

#include <functional>

namespace DesktopOpener {

// Starts the desktop's program for `path` without waiting for it; `failed`
// runs on this thread when xdg-open cannot be started (at once) or ends
// with a failure (later: no program for the type, or the program could not
// show the file).
void Open(const QString &path, std::function<void()> failed);

} // namespace DesktopOpener
