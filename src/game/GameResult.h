// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// A value read from a stored game (a game brought back, a report), or a
// German one-line sentence for the user saying why there is none.

#include <QString>

#include <optional>

template <typename T>
struct GameResult
{
    std::optional<T> Value;
    QString Error;

    static GameResult Of(T value) { return {std::move(value), {}}; }
    static GameResult Failure(QString error) { return {std::nullopt, std::move(error)}; }
    bool Ok() const { return Value.has_value(); }
    explicit operator bool() const { return Ok(); }
};
