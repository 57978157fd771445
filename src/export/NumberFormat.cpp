// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "export/NumberFormat.h"

#include <QDate>

#include <algorithm>
#include <cmath>
#include <vector>

namespace NumberFormat {

namespace {

struct Token
{
    enum Kind { Literal, Day, Month, Year, Hour, ElapsedHours, Minute, Second } kind = Literal;
    int width = 0; // letters in the code: "dd" 2
    QString text; // a literal
};

bool IsCodeLetter(QChar c)
{
    const QChar lower = c.toLower();
    return lower == QLatin1Char('d') || lower == QLatin1Char('m') || lower == QLatin1Char('y')
        || lower == QLatin1Char('h') || lower == QLatin1Char('s');
}

std::vector<Token> Tokens(QStringView format)
{
    std::vector<Token> tokens;
    const auto literal = [&tokens](QStringView text) {
        if (tokens.empty() || tokens.back().kind != Token::Literal)
            tokens.push_back({});
        tokens.back().text += text;
    };
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format[i];
        if (c == QLatin1Char('"')) {
            const qsizetype end = format.indexOf(QLatin1Char('"'), i + 1);
            const qsizetype stop = end < 0 ? format.size() : end;
            literal(format.mid(i + 1, stop - i - 1));
            i = stop + 1;
        } else if (c == QLatin1Char('\\') && i + 1 < format.size()) {
            literal(format.mid(i + 1, 1));
            i += 2;
        } else if (c == QLatin1Char('[')) {
            const qsizetype end = format.indexOf(QLatin1Char(']'), i + 1);
            const qsizetype stop = end < 0 ? format.size() : end;
            const QString inside = format.mid(i + 1, stop - i - 1).toString().toLower();
            if (!inside.isEmpty() && inside.count(QLatin1Char('h')) == inside.size())
                tokens.push_back({Token::ElapsedHours, int(inside.size()), {}});
            i = stop + 1; // colours and conditions show nothing
        } else if (IsCodeLetter(c)) {
            qsizetype run = 1;
            while (i + run < format.size() && format[i + run].toLower() == c.toLower())
                ++run;
            const QChar lower = c.toLower();
            const Token::Kind kind = lower == QLatin1Char('d') ? Token::Day
                : lower == QLatin1Char('m')                    ? Token::Month
                : lower == QLatin1Char('y')                    ? Token::Year
                : lower == QLatin1Char('h')                    ? Token::Hour
                                                               : Token::Second;
            tokens.push_back({kind, int(run), {}});
            i += run;
        } else {
            literal(format.mid(i, 1));
            ++i;
        }
    }
    // "m" is minutes right after hours or right before seconds.
    const auto codeNear = [&tokens](std::ptrdiff_t from, std::ptrdiff_t step) -> const Token * {
        for (std::ptrdiff_t j = from; j >= 0 && j < std::ptrdiff_t(tokens.size()); j += step) {
            if (tokens[std::size_t(j)].kind != Token::Literal)
                return &tokens[std::size_t(j)];
        }
        return nullptr;
    };
    for (std::size_t k = 0; k < tokens.size(); ++k) {
        if (tokens[k].kind != Token::Month)
            continue;
        const Token *before = codeNear(std::ptrdiff_t(k) - 1, -1);
        const Token *after = codeNear(std::ptrdiff_t(k) + 1, 1);
        if ((before && (before->kind == Token::Hour || before->kind == Token::ElapsedHours))
            || (after && after->kind == Token::Second))
            tokens[k].kind = Token::Minute;
    }
    return tokens;
}

QString Padded(qint64 number, int width)
{
    return QStringLiteral("%1").arg(number, width, 10, QLatin1Char('0'));
}

} // namespace

QString Display(double value, QStringView format)
{
    const std::vector<Token> tokens = Tokens(format);
    const bool isDateOrTime =
        std::any_of(tokens.begin(), tokens.end(), [](const Token &token) { return token.kind != Token::Literal; });
    if (!isDateOrTime || !std::isfinite(value) || std::abs(value) > 3e6)
        return QString::number(value, 'g', 15);

    const qint64 seconds = std::llround(std::abs(value) * 86400.0);
    const qint64 days = seconds / 86400;
    const qint64 secondOfDay = seconds % 86400;
    const QDate date = QDate(1899, 12, 30).addDays(days);
    QString text = value < 0 ? QStringLiteral("-") : QString();
    for (const Token &token : tokens) {
        const int two = std::min(token.width, 2);
        switch (token.kind) {
        case Token::Literal: text += token.text; break;
        case Token::Day: text += Padded(date.day(), two); break;
        case Token::Month: text += Padded(date.month(), two); break;
        case Token::Year: text += token.width <= 2 ? Padded(date.year() % 100, 2) : Padded(date.year(), 4); break;
        case Token::Hour: text += Padded(secondOfDay / 3600, two); break;
        case Token::ElapsedHours: text += Padded(seconds / 3600, token.width); break;
        case Token::Minute: text += Padded(secondOfDay / 60 % 60, two); break;
        case Token::Second: text += Padded(secondOfDay % 60, two); break;
        }
    }
    return text;
}

} // namespace NumberFormat
