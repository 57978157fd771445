// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// The failure of a late-bound call.  Its message is the text the user sees
// in the exception report; the code tells tests and callers what went wrong.

#include <QCoreApplication>
#include <QString>

#include <cstdint>
#include <stdexcept>

class AutomationError : public std::runtime_error
{
    Q_DECLARE_TR_FUNCTIONS(AutomationError)

public:
    // Result codes, with the values the Automation conventions give them.
    static constexpr std::uint32_t UnknownNameCode = 0x80020006; // no member of that name
    static constexpr std::uint32_t ExceptionCode = 0x80020009; // the object raised an exception
    static constexpr std::uint32_t MemberNotFoundCode = 0x80020003; // member exists, not for this kind of call
    static constexpr std::uint32_t TypeMismatchCode = 0x80020005;
    static constexpr std::uint32_t BadParamCountCode = 0x8002000E;
    static constexpr std::uint32_t ClassStringCode = 0x800401F3; // no class of that identifier
    static constexpr std::uint32_t UnavailableCode = 0x800401E3; // no running object
    static constexpr std::uint32_t FailCode = 0x80004005;
    static constexpr std::uint32_t PointerCode = 0x80004003; // no object to call

    AutomationError(std::uint32_t code, const QString &message);

    // The lookup did not find the member.
    static AutomationError UnknownName(const QString &memberName);
    // The object reported an exception: its description without trailing
    // blanks and full stops, or, when that leaves nothing, the code.
    static AutomationError Exception(const QString &description, std::uint32_t code = FailCode);
    // Any other failure: only the code is known.
    static AutomationError FromCode(std::uint32_t code);

    std::uint32_t Code() const { return m_code; }
    QString Message() const { return QString::fromUtf8(what()); }

    // "OLE error 80020009"
    static QString CodeText(std::uint32_t code);
    static QString TrimDescription(const QString &description);

private:
    std::uint32_t m_code;
};
