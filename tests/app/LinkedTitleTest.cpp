// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

// Run through a symbolic link of another name (see CMakeLists.txt), under
// the program's own application object: the exception report is captioned
// with the title that the main window's caption begins with.

#include <QFileInfo>

#include <gtest/gtest.h>

#include "app/AppIdentity.h"
#include "app/TApplication.h"
#include "app/TFormMain.h"
#include "platform/Fonts.h"
#include "support/RecordedReports.h"
#include "support/TempSettings.h"

namespace {

TEST(TitleThroughALink, TheExceptionReportAndTheCaptionShareOneTitle)
{
    const QString executable = QCoreApplication::applicationFilePath();
    ASSERT_NE(QFileInfo(QCoreApplication::arguments().at(0)).fileName(), QFileInfo(executable).fileName())
        << "not started through a link of another name";
    TempSettings settings;
    TFormMain form(executable); // as the entry point makes it
    RecordedReports reports;
    TApplication::ShowException(QStringLiteral("Not enough timers available"));
    ASSERT_EQ(reports.titles.size(), 1);
    const QString &reportTitle = reports.titles.at(0);
    EXPECT_EQ(reportTitle.toStdString(), AppIdentity::ApplicationTitle(executable).toStdString())
        << "the name of the program's own file";
    EXPECT_EQ(form.windowTitle().toStdString(), (reportTitle + QStringLiteral(" 0.9")).toStdString());
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    TApplication application(argc, argv);
    RegisterFontSubstitutions();
    return RUN_ALL_TESTS();
}
