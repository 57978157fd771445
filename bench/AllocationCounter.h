// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// Counts calls of the global operator new, so a benchmark can report (and
// check) that the measured work allocates nothing.

#include <atomic>
#include <cstddef>

namespace AllocationCounter {
std::size_t Count();
} // namespace AllocationCounter
