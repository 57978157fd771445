// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "export/AutomationError.h"

AutomationError::AutomationError(std::uint32_t code, const QString &message)
    : std::runtime_error(message.toStdString())
    , m_code(code)
{ }

AutomationError AutomationError::UnknownName(const QString &memberName)
{
    return AutomationError(UnknownNameCode, tr("Method '%1' not supported by automation object").arg(memberName));
}

AutomationError AutomationError::Exception(const QString &description, std::uint32_t code)
{
    const QString trimmed = TrimDescription(description);
    return AutomationError(code, trimmed.isEmpty() ? CodeText(code) : trimmed);
}

AutomationError AutomationError::FromCode(std::uint32_t code)
{
    return AutomationError(code, CodeText(code));
}

QString AutomationError::CodeText(std::uint32_t code)
{
    return tr("OLE error %1").arg(code, 8, 16, QLatin1Char('0'));
}

QString AutomationError::TrimDescription(const QString &description)
{
    qsizetype length = description.size();
    while (length > 0) {
        const QChar c = description[length - 1];
        if (c.unicode() > 32 && c != QLatin1Char('.'))
            break;
        --length;
    }
    return description.left(length);
}
