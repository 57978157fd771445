// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// A stand-in for the spreadsheet application that records every late-bound
// call (object, member, kind, arguments) and can be told to fail at a call.
// Every get returns a new recording object named after the member.

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

#include "export/AutomationError.h"
#include "export/AutomationObject.h"
#include "export/AutomationRegistry.h"

struct RecordedCall
{
    QString object; // "Excel.Application", "Workbooks", "cells", ...
    QString member; // exactly as the caller passed it
    InvokeKind kind;
    QStringList args; // OleVariant::Describe of each argument, in the caller's order
    std::vector<const std::int32_t *> byRefTargets; // the variable each by-reference argument points at

    // "Excel.Application.Cells put (I4& 1, I4 2, BSTR \"x\")"
    QString Text() const
    {
        return QStringLiteral("%1.%2 %3 (%4)")
            .arg(object, member, InvokeKindName(kind), args.join(QStringLiteral(", ")));
    }
};

struct CallLog
{
    std::vector<RecordedCall> calls;
    QStringList registrySteps; // "attach Excel.Application", "create Excel.Application"
    // Called before each call is answered, with its index in `calls`; may throw.
    std::function<void(const RecordedCall &, std::size_t)> failAt;

    QStringList Texts() const
    {
        QStringList texts;
        for (const RecordedCall &call : calls)
            texts.append(call.Text());
        return texts;
    }
};

class RecordingObject : public AutomationObject
{
public:
    RecordingObject(std::shared_ptr<CallLog> log, QString name)
        : m_log(std::move(log))
        , m_name(std::move(name))
    { }

    OleVariant Invoke(const QString &name, InvokeKind kind, const OleArgs &args) override
    {
        RecordedCall call{m_name, name, kind, {}, {}};
        for (const OleVariant &arg : args) {
            call.args.append(arg.Describe());
            if (arg.IntRef())
                call.byRefTargets.push_back(arg.IntRef());
        }
        m_log->calls.push_back(call);
        if (m_log->failAt)
            m_log->failAt(call, m_log->calls.size() - 1);
        if (kind == InvokeKind::Get)
            return OleVariant(std::make_shared<RecordingObject>(m_log, name));
        return OleVariant();
    }

private:
    std::shared_ptr<CallLog> m_log;
    QString m_name;
};

// A registry whose "Excel.Application" is a recording object; attaching and
// creating are logged and can be made to fail.
class RecordingRegistry : public AutomationRegistry
{
public:
    explicit RecordingRegistry(std::shared_ptr<CallLog> log)
        : m_log(std::move(log))
    {
        RegisterClass(QStringLiteral("Excel.Application"),
                      [this](AutomationRegistry &, const QString &progId) -> AutomationRef {
                          if (!creatable)
                              throw AutomationError::FromCode(0x80040154); // class not registered
                          auto object = std::make_shared<RecordingObject>(m_log, progId);
                          lastObject = object;
                          return object;
                      });
    }

    bool running = false;
    bool creatable = true;
    std::weak_ptr<RecordingObject> lastObject; // the application object handed out last

    AutomationRef Attach(const QString &progId) override
    {
        m_log->registrySteps.append(QStringLiteral("attach ") + progId);
        if (!running)
            throw AutomationError(AutomationError::UnavailableCode, QStringLiteral("Operation unavailable"));
        auto object = std::make_shared<RecordingObject>(m_log, progId);
        lastObject = object;
        return object;
    }

    AutomationRef Create(const QString &progId) override
    {
        m_log->registrySteps.append(QStringLiteral("create ") + progId);
        return AutomationRegistry::Create(progId);
    }

private:
    std::shared_ptr<CallLog> m_log;
};

// Passes every call on to the application, but fails the Cells put of one row.
class FailingAtRow : public AutomationObject
{
public:
    FailingAtRow(AutomationRef inner, int row)
        : m_inner(std::move(inner))
        , m_row(row)
    { }
    OleVariant Invoke(const QString &name, InvokeKind kind, const OleArgs &args) override
    {
        if (name == QLatin1String("Cells") && kind == InvokeKind::Put && args.at(0).ToInt() == m_row)
            throw AutomationError::Exception(QStringLiteral("Excel has stopped."), 0x800706BA);
        return m_inner->Invoke(name, kind, args);
    }

private:
    AutomationRef m_inner;
    int m_row;
};
