// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// Hands a finished workbook to the user: saves it as a new .xlsx in the user's
// documents folder under a name that never replaces a file, then opens it
// with the desktop's spreadsheet program.  When no program is set up to
// open it, a message says where it was saved; when it cannot be saved, the
// failure is reported with the path and the reason.  Nothing is lost
// silently.  The desktop actions are injected, so tests run without one.

#include <QCoreApplication>
#include <QDateTime>
#include <QString>
#include <QUrl>

#include <functional>

class Workbook;

struct DeliveryActions
{
    std::function<QString()> documentsFolder;
    std::function<QDateTime()> now;
    // Whether the desktop names a program for .xlsx files.
    std::function<bool()> hasSpreadsheetProgram;
    // Opens the file; false when that could not be started.
    std::function<bool(const QUrl &)> open;
    // A note to the user (where the workbook was saved).
    std::function<void(const QString &)> inform;
    // A failure for the exception report.
    std::function<void(const QString &)> reportFailure;
};

class WorkbookDelivery
{
    Q_DECLARE_TR_FUNCTIONS(WorkbookDelivery)

public:
    explicit WorkbookDelivery(DeliveryActions actions);

    // Saves and opens `workbook`; returns the path written, or an empty
    // string when it could not be saved (the failure has then been
    // reported).  Never throws: it runs where a reference is released.
    QString Deliver(const Workbook &workbook) noexcept;

    // "Quintora 2026-12-07 19-30-05.xlsx", then "… (2).xlsx", "… (3).xlsx".
    static QString FileName(const QDateTime &time, int attempt);
    static QString SavedMessage(const QString &path);
    static QString FailureMessage(const QString &path, const QString &reason);

private:
    QString Save(const Workbook &workbook, QString &failurePath, QString &reason);
    void Show(const QString &path);

    DeliveryActions m_actions;
};
