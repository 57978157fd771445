// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "timing/ShownTime.h"

namespace ShownTime {

std::vector<std::int64_t> CarriedParts(const std::vector<std::int64_t> &partsMs)
{
    std::vector<std::int64_t> whole;
    whole.reserve(partsMs.size());
    std::int64_t sum = 0;
    std::int64_t shownSoFar = 0;
    for (const std::int64_t part : partsMs) {
        sum += part;
        const std::int64_t shown = Ms(sum);
        whole.push_back(shown - shownSoFar);
        shownSoFar = shown;
    }
    return whole;
}

} // namespace ShownTime
