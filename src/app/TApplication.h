// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// The application object.  An exception that escapes an event handler is
// reported in a critical message box captioned with the application title,
// and the program goes on.  The C library's numbers follow the C locale
// whatever the desktop's, so that files never get a decimal comma.  The
// program and Qt's own dialogs speak the language that the command line,
// the settings or the desktop choose.

#include <QApplication>

#include <functional>
#include <stdexcept>

class TApplication : public QApplication
{
    Q_OBJECT
public:
    TApplication(int &argc, char **argv);

    // The application title: the executable's file name up to its first dot.
    QString Title() const { return m_title; }
    void SetTitle(const QString &title) { m_title = title; }

    bool notify(QObject *receiver, QEvent *event) override;

    // The title of the running application (also without a TApplication): the caption of its message boxes.
    static QString CurrentTitle();

    // Shows the exception report for `message`.  Tests replace the reporter
    // to record messages instead of opening a box, and put the one they
    // replaced back when they are done.
    static void ShowException(const QString &message);
    using Reporter = std::function<void(const QString &title, const QString &message)>;
    static Reporter SetReporter(Reporter reporter);

private:
    QString m_title;
};
