// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// The program's basketball icon in every size it is drawn in; the window
// system picks the size it needs (32 x 32 for the window and task bar).

#include <QIcon>

inline constexpr int ApplicationIconSizes[] = {16, 32, 48, 64, 128, 256};

QIcon ApplicationIcon();
