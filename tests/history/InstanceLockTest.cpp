// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "history/InstanceLock.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "HistoryTestSupport.h"
#include "history/HistoryPaths.h"

using namespace HistoryTest;

namespace {

// Another copy of the program: a child process that takes the lock and
// says whether it got it, then holds it until it is killed.
class OtherCopy
{
public:
    explicit OtherCopy(const QString &folder)
    {
        m_process.start(QStringLiteral(HISTORY_LOCK_HOLDER), {folder});
        EXPECT_TRUE(m_process.waitForStarted(10000));
        while (!m_process.canReadLine() && m_process.waitForReadyRead(10000)) { }
        m_answer = QString::fromUtf8(m_process.readLine()).trimmed();
    }
    ~OtherCopy() { Kill(); }
    const QString &Answer() const { return m_answer; }
    // SIGKILL: the lock file stays behind.
    void Kill()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(10000);
        }
    }

private:
    QProcess m_process;
    QString m_answer;
};

class LockFolder : public testing::Test
{
protected:
    QTemporaryDir temp;
    QString Folder() const { return temp.filePath(QStringLiteral("Velmarin/Quintora")); }
};

TEST_F(LockFolder, TheFirstCopyHoldsTheLockInAPrivateFolderUntilItEnds)
{
    {
        const InstanceLock lock(Folder());
        EXPECT_TRUE(lock.IsHeld()) << Words(lock).toStdString();
        EXPECT_TRUE(Words(lock).isEmpty());
        EXPECT_EQ(ModeOf(Folder()), 0700u);
        EXPECT_TRUE(Exists(Folder() + QStringLiteral("/") + QLatin1String(InstanceLock::FileName)));
        const InstanceLock second(Folder());
        EXPECT_FALSE(second.IsHeld());
    }
    EXPECT_FALSE(Exists(Folder() + QStringLiteral("/") + QLatin1String(InstanceLock::FileName)));
    const InstanceLock again(Folder());
    EXPECT_TRUE(again.IsHeld());
}

TEST_F(LockFolder, ASecondCopyStartedMeanwhileGetsNoLockAndSaysSo)
{
    const InstanceLock first(Folder());
    ASSERT_TRUE(first.IsHeld());
    OtherCopy second(Folder());
    EXPECT_EQ(second.Answer(),
              QStringLiteral("busy: Das Programm läuft bereits; diese zweite Kopie speichert das "
                             "Spiel nicht."));
}

TEST_F(LockFolder, ALockLeftByAKilledCopyDoesNotBlockTheNextStart)
{
    OtherCopy running(Folder());
    ASSERT_EQ(running.Answer(), QStringLiteral("held"));
    {
        const InstanceLock whileItRuns(Folder());
        EXPECT_FALSE(whileItRuns.IsHeld());
    }
    running.Kill();
    ASSERT_TRUE(Exists(Folder() + QStringLiteral("/") + QLatin1String(InstanceLock::FileName)))
        << "a killed process leaves its lock file";
    const InstanceLock next(Folder());
    EXPECT_TRUE(next.IsHeld()) << Words(next).toStdString();
}

// The lock file names this computer and process: the user's alone, whatever the umask.
TEST_F(LockFolder, TheLockFileIsPrivate)
{
    const mode_t before = ::umask(0);
    {
        const InstanceLock lock(Folder());
        ::umask(before);
        ASSERT_TRUE(lock.IsHeld()) << Words(lock).toStdString();
        EXPECT_EQ(ModeOf(Folder() + QStringLiteral("/") + QLatin1String(InstanceLock::FileName)), 0600u);
    }
    ::umask(before);
}

// Only a regular file in the folder itself is used: anything else in its
// place is told at once in its own words, never opened blocking, never
// followed, and left as it was.
TEST_F(LockFolder, AnythingButAFileInPlaceOfTheLockIsToldAndLeftAlone)
{
    const QString elsewhere = temp.filePath(QStringLiteral("elsewhere"));
    WriteBytes(elsewhere, "someone else's");
    ASSERT_EQ(::chmod(QFile::encodeName(elsewhere).constData(), 0644), 0);
    const struct
    {
        const char *what;
        std::function<void(const QString &)> make;
        const char *words;
    } cases[] = {
        {"a link to a file elsewhere", [&](const QString &path) { ASSERT_TRUE(QFile::link(elsewhere, path)); },
         "steht ein Verweis"},
        {"a FIFO", [](const QString &path) { ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0); },
         "keine gewöhnliche Datei"},
        {"a folder", [](const QString &path) { ASSERT_TRUE(QDir().mkpath(path)); }, "keine gewöhnliche Datei"},
    };
    for (const auto &each : cases) {
        SCOPED_TRACE(each.what);
        QDir(Folder()).removeRecursively();
        ASSERT_TRUE(QDir().mkpath(Folder()));
        const QString path = Folder() + QStringLiteral("/") + QLatin1String(InstanceLock::FileName);
        each.make(path);
        const InstanceLock lock(Folder());
        EXPECT_FALSE(lock.IsHeld());
        EXPECT_TRUE(Words(lock).contains(QString::fromUtf8(each.words))) << Words(lock).toStdString();
        EXPECT_TRUE(Words(lock).endsWith(QStringLiteral("das Spiel wird nicht gespeichert.")));
        EXPECT_TRUE(Exists(path));
    }
    EXPECT_EQ(ModeOf(elsewhere), 0644u);
    EXPECT_EQ(ReadBytes(elsewhere), QByteArray("someone else's"));
}

// A folder on a read-only file system is told as such, not as another copy
// (a read-only bind mount in a mount namespace of the child's own; root only).
TEST_F(LockFolder, AReadOnlyFolderIsToldAsSuchNotAsAnotherCopy)
{
    ASSERT_TRUE(QDir().mkpath(Folder()));
    QProcess child;
    child.start(QStringLiteral("unshare"),
                {QStringLiteral("-m"), QStringLiteral("sh"), QStringLiteral("-c"),
                 QStringLiteral("mount --bind \"$1\" \"$1\" && mount -o remount,bind,ro \"$1\" || exit 77; "
                                "exec \"$2\" \"$1\""),
                 QStringLiteral("sh"), Folder(), QStringLiteral(HISTORY_LOCK_HOLDER)});
    if (child.waitForStarted(10000)) {
        while (!child.canReadLine() && child.waitForReadyRead(10000)) { }
    }
    if (!child.canReadLine())
        GTEST_SKIP() << "no read-only bind mount here (needs root and mount namespaces)";
    const QString answer = QString::fromUtf8(child.readLine()).trimmed();
    child.kill();
    child.waitForFinished(10000);
    EXPECT_TRUE(answer.startsWith(QStringLiteral("busy: Der Datenordner"))) << answer.toStdString();
    EXPECT_TRUE(answer.contains(QStringLiteral("schreibgeschützt"))) << answer.toStdString();
}

TEST(LockFolderProblem, AFileInPlaceOfTheFolderIsToldAndNothingIsHeld)
{
    QTemporaryDir temp;
    WriteBytes(temp.filePath(QStringLiteral("Quintora")), "x");
    const InstanceLock lock(temp.filePath(QStringLiteral("Quintora")));
    EXPECT_FALSE(lock.IsHeld());
    EXPECT_TRUE(Words(lock).endsWith(QStringLiteral("das Spiel wird nicht gespeichert."))) << Words(lock).toStdString();
}

TEST(HistoryPaths, TheDatabaseLiesInTheApplicationsLocalDataFolder)
{
    QTemporaryDir temp;
    const QByteArray previous = qgetenv("XDG_DATA_HOME");
    const QString organisation = QCoreApplication::organizationName();
    const QString application = QCoreApplication::applicationName();
    qputenv("XDG_DATA_HOME", QFile::encodeName(temp.path()));
    QCoreApplication::setOrganizationName(QStringLiteral("Velmarin"));
    QCoreApplication::setApplicationName(QStringLiteral("Quintora"));
    EXPECT_EQ(HistoryPaths::DataFolder(), temp.path() + QStringLiteral("/Velmarin/Quintora"));
    EXPECT_EQ(HistoryPaths::DefaultDatabasePath(), temp.path() + QStringLiteral("/Velmarin/Quintora/games.db"));
    QCoreApplication::setOrganizationName(organisation);
    QCoreApplication::setApplicationName(application);
    if (previous.isNull())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", previous);
}

} // namespace
