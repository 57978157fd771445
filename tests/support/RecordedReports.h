// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// Records the application's exception reports instead of showing message
// boxes, for as long as it lives, and then puts back the reporter it
// replaced: a test that stops at a failed assertion leaves no reporter
// behind that writes into its finished locals.

#include <QStringList>

#include <functional>

#include "app/TApplication.h"

class RecordedReports
{
public:
    RecordedReports()
        : m_replaced(TApplication::SetReporter([this](const QString &title, const QString &message) {
            titles.append(title);
            messages.append(message);
            if (onReport)
                onReport();
        }))
    { }
    ~RecordedReports() { TApplication::SetReporter(std::move(m_replaced)); }
    RecordedReports(const RecordedReports &) = delete;
    RecordedReports &operator=(const RecordedReports &) = delete;

    QStringList titles;
    QStringList messages;
    // Runs after each report is recorded, for a test that must see the
    // state of things at the moment of the report.
    std::function<void()> onReport;

private:
    TApplication::Reporter m_replaced;
};
