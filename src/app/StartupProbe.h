// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// An opt-in measurement of the start-up time, for the benchmark script:
// when the environment variable QUINTORA_STARTUP_PROBE names a file, the
// main window writes there how long the program took to its first painted
// window.  Without the variable nothing is installed and nothing is written.

class QWidget;

namespace StartupProbe {

inline constexpr const char *EnvironmentVariable = "QUINTORA_STARTUP_PROBE";

// The first statement of main: the reference for "since main".
void MarkMainEntered();

// Watches the window's first paint.  Once that paint (and the flush to the
// screen that ends the same event) is done, writes two lines to the file:
//   process <milliseconds since the process was created>
//   main <milliseconds since MarkMainEntered>
// The first includes loading the shared libraries; it is derived from the
// kernel's start time of the process, which counts in clock ticks (10 ms).
void WatchFirstPaint(QWidget *window);

} // namespace StartupProbe
