// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once

// Maps the font names the layout tables use to their metric twins on Linux
// (Liberation Sans for Arial and "MS Sans Serif", Liberation Mono for
// Courier New, Liberation Serif for Times New Roman).  Call once after the
// application object exists.
void RegisterFontSubstitutions();
