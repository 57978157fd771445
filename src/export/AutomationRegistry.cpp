// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "export/AutomationRegistry.h"

#include "export/AutomationError.h"

AutomationRegistry &AutomationRegistry::Process()
{
    static AutomationRegistry registry;
    return registry;
}

void AutomationRegistry::RegisterClass(const QString &progId, Factory factory)
{
    m_classes.insert(Key(progId), std::move(factory));
}

void AutomationRegistry::UnregisterClass(const QString &progId)
{
    m_classes.remove(Key(progId));
}

bool AutomationRegistry::IsRegistered(const QString &progId) const
{
    return m_classes.contains(Key(progId));
}

void AutomationRegistry::RegisterActiveObject(const QString &progId, ReferenceSource source)
{
    m_running.insert(Key(progId), std::move(source));
}

void AutomationRegistry::RevokeActiveObject(const QString &progId)
{
    m_running.remove(Key(progId));
}

bool AutomationRegistry::IsRunning(const QString &progId) const
{
    return m_running.contains(Key(progId));
}

AutomationRef AutomationRegistry::Attach(const QString &progId)
{
    if (!IsRegistered(progId))
        throw AutomationError(AutomationError::ClassStringCode, tr("Invalid class string"));
    const auto running = m_running.constFind(Key(progId));
    if (running == m_running.constEnd())
        throw AutomationError(AutomationError::UnavailableCode, tr("Operation unavailable"));
    AutomationRef reference = running.value()();
    if (!reference)
        throw AutomationError::FromCode(AutomationError::UnavailableCode);
    return reference;
}

AutomationRef AutomationRegistry::Create(const QString &progId)
{
    const auto found = m_classes.constFind(Key(progId));
    if (found == m_classes.constEnd())
        throw AutomationError(AutomationError::ClassStringCode, tr("Invalid class string"));
    // Copied: the factory may re-register its own class while it runs.
    const Factory factory = found.value();
    AutomationRef instance = factory(*this, progId);
    if (!instance)
        throw AutomationError::FromCode(AutomationError::FailCode);
    return instance;
}
