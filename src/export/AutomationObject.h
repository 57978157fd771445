// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// An object whose members are called by name.  A member is looked up
// without regard to case and called as a get, a put or a method with a list
// of arguments, in the caller's order.

#include "export/OleVariant.h"

class AutomationObject
{
public:
    virtual ~AutomationObject() = default;

    // Failures throw AutomationError: AutomationError::UnknownName for a
    // member the object does not have, AutomationError::Exception for an
    // exception the object reports, AutomationError::FromCode otherwise.
    virtual OleVariant Invoke(const QString &name, InvokeKind kind, const OleArgs &args) = 0;
};
