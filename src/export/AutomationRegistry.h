// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// Programmatic identifiers ("Excel.Application") and the objects behind
// them.  A registered class creates new instances; a class whose instance
// runs in this process can also be attached to through the running-object
// table.  Identifiers are compared without regard to case.

#include <QCoreApplication>
#include <QHash>
#include <QString>

#include <functional>

#include "export/OleVariant.h"

class AutomationRegistry
{
    Q_DECLARE_TR_FUNCTIONS(AutomationRegistry)

public:
    // Makes a new instance; it may enter itself in the running-object table
    // through the registry it is given.
    using Factory = std::function<AutomationRef(AutomationRegistry &registry, const QString &progId)>;
    // Hands out a new reference to a running object.
    using ReferenceSource = std::function<AutomationRef()>;

    virtual ~AutomationRegistry() = default;

    // The registry of this process, which the program's own providers join.
    static AutomationRegistry &Process();

    void RegisterClass(const QString &progId, Factory factory);
    void UnregisterClass(const QString &progId);
    bool IsRegistered(const QString &progId) const;

    void RegisterActiveObject(const QString &progId, ReferenceSource source);
    void RevokeActiveObject(const QString &progId);
    bool IsRunning(const QString &progId) const;

    // A reference to the running object of this class; throws
    // AutomationError when the class is unknown or nothing of it runs.
    virtual AutomationRef Attach(const QString &progId);
    // A new instance of the class; throws AutomationError when the class is
    // unknown or cannot make one.
    virtual AutomationRef Create(const QString &progId);

private:
    static QString Key(const QString &progId) { return progId.toLower(); }

    QHash<QString, Factory> m_classes;
    QHash<QString, ReferenceSource> m_running;
};
