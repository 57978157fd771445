// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

// An exception that escapes an event handler goes through
// TApplication::notify to the exception report, captioned with the
// application title, and the program goes on; the application's numbers and
// Qt's own texts under the desktop's locale.  This suite runs under a real
// TApplication, so it has a main of its own.

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFile>
#include <QLibraryInfo>
#include <QPushButton>
#include <QTimer>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

#include "app/InterfaceLanguage.h"
#include "app/QtCatalogue.h"
#include "app/TApplication.h"
#include "support/RecordedReports.h"

namespace {

TApplication &Application()
{
    return *static_cast<TApplication *>(QCoreApplication::instance());
}

// Counts the events of one type it receives and runs `handler` for each.
class Receiver : public QObject
{
public:
    static constexpr QEvent::Type Type = QEvent::User;
    std::function<void()> handler;
    int received = 0;

protected:
    bool event(QEvent *event) override
    {
        if (event->type() != Type)
            return QObject::event(event);
        ++received;
        if (handler)
            handler();
        return true;
    }
};

// Posts an event to `receiver` and lets the event loop deliver it.
void PostAndDeliver(Receiver &receiver)
{
    QCoreApplication::postEvent(&receiver, new QEvent(Receiver::Type));
    QCoreApplication::sendPostedEvents(&receiver, Receiver::Type);
}

TEST(ExceptionReport, EscapingExceptionIsReportedAndTheProgramGoesOn)
{
    RecordedReports reports;
    Receiver receiver;
    receiver.handler = [] { throw std::runtime_error("Not enough timers available"); };
    PostAndDeliver(receiver);
    ASSERT_EQ(reports.messages, QStringList{QStringLiteral("Not enough timers available")});
    EXPECT_EQ(reports.titles, QStringList{Application().Title()});

    // The next events are delivered as ever, and nothing more is reported.
    receiver.handler = nullptr;
    PostAndDeliver(receiver);
    Receiver other;
    PostAndDeliver(other);
    EXPECT_EQ(receiver.received, 2);
    EXPECT_EQ(other.received, 1);
    EXPECT_EQ(reports.messages.size(), 1);
}

TEST(ExceptionReport, TheBoxIsCaptionedWithTheApplicationTitle)
{
    const QString title = Application().Title();
    EXPECT_FALSE(title.isEmpty()) << "the executable's name up to its first dot";
    Application().SetTitle(QStringLiteral("Spielzeit"));
    RecordedReports reports;
    Receiver receiver;
    receiver.handler = [] { throw std::logic_error("kaputt"); };
    PostAndDeliver(receiver);
    Application().SetTitle(title);
    EXPECT_EQ(reports.titles, QStringList{QStringLiteral("Spielzeit")});
    EXPECT_EQ(reports.messages, QStringList{QStringLiteral("kaputt")});
}

TEST(ExceptionReport, AnythingButAStandardExceptionIsAnUnknownError)
{
    RecordedReports reports;
    Receiver receiver;
    receiver.handler = [] { throw 42; };
    PostAndDeliver(receiver);
    // In the desktop's language: German here, English in application_tests_en.
    EXPECT_EQ(reports.messages, QStringList{QCoreApplication::translate("TApplication", "Unbekannter Fehler")});
}

TEST(ExceptionReport, ASentEventWhoseHandlerThrowsCountsAsNotHandled)
{
    RecordedReports reports;
    Receiver receiver;
    QEvent event(Receiver::Type);
    EXPECT_TRUE(QCoreApplication::sendEvent(&receiver, &event));
    receiver.handler = [] { throw std::runtime_error("nein"); };
    EXPECT_FALSE(QCoreApplication::sendEvent(&receiver, &event));
    EXPECT_EQ(reports.messages, QStringList{QStringLiteral("nein")});
}

// A slot run by the event loop (a timer's, say) that throws: reported, and
// the slots queued after it still run.
TEST(ExceptionReport, AThrowingSlotLeavesTheEventLoopRunning)
{
    RecordedReports reports;
    QObject context;
    bool laterSlotRan = false;
    QTimer::singleShot(0, &context, [] { throw std::runtime_error("Timer kaputt"); });
    QTimer::singleShot(0, &context, [&laterSlotRan] { laterSlotRan = true; });
    for (int round = 0; round < 100 && !laterSlotRan; ++round)
        QCoreApplication::processEvents();
    EXPECT_TRUE(laterSlotRan);
    EXPECT_EQ(reports.messages, QStringList{QStringLiteral("Timer kaputt")});
}

// The start-up under the desktop's locale (application_tests_de runs this
// suite under a German one): numbers that C libraries write into files keep
// their point, and Qt's own texts follow the desktop's language.
TEST(DesktopLanguage, NumbersAreWrittenAndReadWithAPoint)
{
    char written[16];
    std::snprintf(written, sizeof written, "%g", 2.5);
    EXPECT_STREQ(written, "2.5");
    EXPECT_EQ(std::strtod("2.5", nullptr), 2.5);
}

// German for a German desktop and for the bare C locale, English for any other.
TEST(DesktopLanguage, TheProgramAndQtsOwnTextsSpeakTheDesktopsLanguage)
{
    const bool german = InterfaceLanguage::FromLocaleName(InterfaceLanguage::DesktopLocaleName())
        == InterfaceLanguage::Language::German;
    EXPECT_EQ(InterfaceLanguage::Current() == InterfaceLanguage::Language::German, german);
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Open"),
              german ? QStringLiteral("Öffnen") : QStringLiteral("Open"));
    EXPECT_EQ(QCoreApplication::translate("TApplication", "Unbekannter Fehler"),
              german ? QStringLiteral("Unbekannter Fehler") : QStringLiteral("Unknown error"));
}

TEST(QtCatalogue, GermanIsLoadedAndTheCLocaleNeedsNone)
{
    const QString catalogue = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_de.qm");
    ASSERT_TRUE(QFile::exists(catalogue)) << "qt6-translations-l10n is not installed (scripts/install-deps)";
    const std::unique_ptr<QTranslator> german(
        QtCatalogue::Install(Application(), QLocale(QLocale::German, QLocale::Germany)));
    ASSERT_TRUE(german);
    EXPECT_EQ(german->parent(), &Application());
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Open"), QStringLiteral("Öffnen"));
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Suchen in:"));
    const QDialogButtonBox buttons(QDialogButtonBox::Cancel);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Abbrechen"));

    EXPECT_EQ(QtCatalogue::Install(Application(), QLocale::c()), nullptr);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    TApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
