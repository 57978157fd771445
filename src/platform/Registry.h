// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// The settings store (QSettings): every program of the maker keeps its
// settings under this organisation, each under its own name.

namespace Registry {

inline constexpr const char *Organisation = "Velmarin";

} // namespace Registry
