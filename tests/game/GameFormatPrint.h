// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// A game format as GoogleTest prints it in a failure: "4 x 600000 ms, overtime 300000 ms".

#include <ostream>

#include "history/GameRecord.h"

inline void PrintTo(const GameFormat &format, std::ostream *out)
{
    *out << format.RegularPeriods << " x " << format.PeriodMs << " ms, overtime " << format.OvertimeMs << " ms";
}
