// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "history/InstanceLock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "history/PrivateFiles.h"

namespace {

constexpr mode_t LockMode = 0600;
constexpr int LockAttempts = 3;

using Kind = HistoryProblem::Kind;

bool SameFile(const struct stat &left, const struct stat &right)
{
    return left.st_dev == right.st_dev && left.st_ino == right.st_ino;
}

} // namespace

InstanceLock::InstanceLock(const QString &folder)
    : m_path(QDir(folder).filePath(QLatin1String(FileName)))
{
    if (HistoryCause reason = PrivateFiles::EnsureFolder(folder); !reason.IsNone()) {
        m_problem = HistoryProblem::Of(Kind::FolderNotCreated, folder, reason);
        return;
    }
    for (int attempt = 0; attempt < LockAttempts; ++attempt) {
        bool replaced = false;
        m_problem = TryLock(replaced);
        if (!replaced)
            break;
    }
    m_held = !m_problem.has_value();
}

std::optional<HistoryProblem> InstanceLock::TryLock(bool &replaced)
{
    const QByteArray path = QFile::encodeName(m_path);
    // Non-blocking, so that a FIFO in its place cannot hang the start;
    // never through a link.
    const int fd =
        ::open(path.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, LockMode);
    if (fd < 0) {
        const int error = errno;
        if (error == ELOOP)
            return HistoryProblem::Of(Kind::LockIsLink, m_path);
        if (error == EROFS)
            return HistoryProblem::Of(Kind::FolderReadOnly, QFileInfo(m_path).path());
        if (error == ENXIO || error == EISDIR)
            return HistoryProblem::Of(Kind::LockNotAFile, m_path);
        return HistoryProblem::Of(Kind::LockNotCreated, m_path, HistoryCause::System(error));
    }
    struct stat opened
    { };
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        ::close(fd);
        return HistoryProblem::Of(Kind::LockNotAFile, m_path);
    }
    // It names this computer and process: readable by the user alone.
    if (opened.st_uid == ::geteuid() && (opened.st_mode & 07777) != LockMode)
        ::fchmod(fd, LockMode);
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        if (error == EWOULDBLOCK)
            return HistoryProblem::Of(Kind::AlreadyRunning);
        return HistoryProblem::Of(Kind::LockNotTaken, m_path, HistoryCause::System(error));
    }
    // The copy before may have removed the file between open and lock: the
    // lock then holds a file nobody else finds.
    struct stat named
    { };
    if (::lstat(path.constData(), &named) != 0 || !SameFile(named, opened)) {
        ::close(fd);
        replaced = true;
        return HistoryProblem::Of(Kind::LockReplaced, m_path);
    }
    const QByteArray owner =
        QByteArray::number(qint64(::getpid())) + '\n' + QSysInfo::machineHostName().toUtf8() + "\nQuintora\n";
    if (::ftruncate(fd, 0) == 0) {
        // What it says is for people only; the lock is held all the same.
        [[maybe_unused]] const ssize_t written = ::write(fd, owner.constData(), size_t(owner.size()));
    }
    m_fd = fd;
    return {};
}

InstanceLock::~InstanceLock()
{
    if (m_fd < 0)
        return;
    // Removed while still locked, and only when it is still this file.
    struct stat opened
    { };
    struct stat named
    { };
    const QByteArray path = QFile::encodeName(m_path);
    if (::fstat(m_fd, &opened) == 0 && ::lstat(path.constData(), &named) == 0 && SameFile(opened, named))
        ::unlink(path.constData());
    ::close(m_fd);
}
