// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "history/PrivateFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace PrivateFiles {

namespace {

constexpr mode_t FolderMode = 0700;
constexpr mode_t FileMode = 0600;

QByteArray Native(const QString &path)
{
    return QFile::encodeName(path);
}

bool Exists(const QString &path)
{
    struct stat info
    { };
    return ::lstat(Native(path).constData(), &info) == 0;
}

// Takes every permission of group and others from a file or folder of this
// user; never adds one (a write-protected file stays so).  Others' files are
// left alone.
void Tighten(const QString &path, mode_t allowed)
{
    struct stat info
    { };
    const QByteArray native = Native(path);
    if (::stat(native.constData(), &info) != 0 || info.st_uid != ::geteuid())
        return;
    const mode_t mode = info.st_mode & 07777;
    if ((mode & ~allowed) != 0)
        ::chmod(native.constData(), mode & allowed);
}

// The same for a regular file only, through a descriptor opened without
// following a link: a link in the file's place must not hand its mode
// change to a file elsewhere, and a FIFO must not hang the start.
void TightenFile(const QString &path)
{
    const int fd = ::open(Native(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat info
    { };
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid()) {
        const mode_t mode = info.st_mode & 07777;
        if ((mode & ~FileMode) != 0)
            ::fchmod(fd, mode & FileMode);
    }
    ::close(fd);
}

// rename(2) that fails instead of replacing an existing target.
int RenameNoReplace(const QByteArray &from, const QByteArray &to)
{
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    // The file system cannot rename without replacing: a hard link fails on an existing name.
    if (::link(from.constData(), to.constData()) == 0)
        return ::unlink(from.constData()) == 0 ? 0 : errno;
    return errno;
}

} // namespace

HistoryCause EnsureFolder(const QString &folder)
{
    const QString absolute = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    const QStringList parts = absolute.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString path;
    for (const QString &part : parts) {
        path += QLatin1Char('/') + part;
        const QByteArray native = Native(path);
        struct stat info
        { };
        if (::stat(native.constData(), &info) == 0) {
            if (!S_ISDIR(info.st_mode))
                return {HistoryCause::Kind::NotAFolder, 0, 0, path, {}};
            continue;
        }
        if (errno != ENOENT)
            return HistoryCause::System(errno);
        if (::mkdir(native.constData(), FolderMode) != 0 && errno != EEXIST)
            return HistoryCause::System(errno);
    }
    Tighten(absolute, FolderMode);
    return {};
}

HistoryCause PrepareFile(const QString &path)
{
    const QByteArray native = Native(path);
    const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, FileMode);
    if (fd >= 0) {
        ::close(fd);
        return {};
    }
    if (errno != EEXIST)
        return HistoryCause::System(errno);
    struct stat info
    { };
    if (::lstat(native.constData(), &info) == 0 && S_ISDIR(info.st_mode))
        return HistoryCause::System(EISDIR);
    TightenFile(path);
    TightenCompanions(path);
    return {};
}

void TightenCompanions(const QString &path)
{
    for (const char *suffix : CompanionSuffixes)
        TightenFile(path + QLatin1String(suffix));
}

FileKind KindAt(const QString &path)
{
    struct stat info
    { };
    if (::lstat(Native(path).constData(), &info) != 0)
        return FileKind::Missing;
    if (S_ISREG(info.st_mode))
        return FileKind::Regular;
    if (S_ISDIR(info.st_mode))
        return FileKind::Folder;
    if (S_ISLNK(info.st_mode))
        return FileKind::Link;
    if (S_ISFIFO(info.st_mode))
        return FileKind::Fifo;
    if (S_ISSOCK(info.st_mode))
        return FileKind::Socket;
    if (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode))
        return FileKind::Device;
    return FileKind::Other;
}

QString AsideName(const QString &path, const QDateTime &now)
{
    const QString stem = path + QStringLiteral(".damaged-") + now.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = stem;
    auto taken = [](const QString &candidate) {
        if (Exists(candidate))
            return true;
        for (const char *suffix : CompanionSuffixes) {
            if (Exists(candidate + QLatin1String(suffix)))
                return true;
        }
        return false;
    };
    for (int number = 2; taken(target); ++number)
        target = stem + QStringLiteral("-%1").arg(number);
    return target;
}

int MoveNoReplace(const QString &from, const QString &to)
{
    return RenameNoReplace(Native(from), Native(to));
}

int CopyNoReplace(const QString &from, const QString &to)
{
    const int source = ::open(Native(from).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (source < 0)
        return errno;
    struct stat info
    { };
    if (::fstat(source, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(source);
        return EINVAL;
    }
    const QByteArray target = Native(to);
    const int copy = ::open(target.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, FileMode);
    if (copy < 0) {
        const int error = errno;
        ::close(source);
        return error;
    }
    int error = 0;
    off_t done = 0;
    // The kernel copies (or shares the blocks) without a trip through this
    // process where the file system allows it; else a plain copy.
    bool inKernel = true;
    while (error == 0 && done < info.st_size) {
        if (inKernel) {
            const ssize_t moved =
                ::copy_file_range(source, nullptr, copy, nullptr, std::size_t(info.st_size - done), 0);
            if (moved > 0)
                done += moved;
            else if (moved == 0)
                break;
            else if (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP)
                inKernel = false;
            else if (errno != EINTR)
                error = errno;
            continue;
        }
        char buffer[65536];
        const ssize_t got = ::pread(source, buffer, sizeof buffer, done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            error = got < 0 ? errno : 0;
            break;
        }
        for (ssize_t written = 0; written < got && error == 0;) {
            const ssize_t put = ::pwrite(copy, buffer + written, std::size_t(got - written), done + written);
            if (put > 0)
                written += put;
            else if (errno != EINTR)
                error = errno;
        }
        done += got;
    }
    if (error == 0 && ::fsync(copy) != 0)
        error = errno;
    ::close(copy);
    ::close(source);
    if (error != 0) {
        ::unlink(target.constData());
        return error;
    }
    return 0;
}

MoveAsideOutcome MoveAside(const QString &path, const QDateTime &now)
{
    const QString target = AsideName(path, now);
    if (const int error = RenameNoReplace(Native(path), Native(target)))
        return {{}, HistoryCause::System(error)};
    // A journal left beside a new, empty file would be played into it: the
    // companions must go along, or nothing may be created there.
    for (const char *suffix : CompanionSuffixes) {
        const QString companion = path + QLatin1String(suffix);
        if (!Exists(companion))
            continue;
        if (const int error = RenameNoReplace(Native(companion), Native(target + QLatin1String(suffix))))
            return {target, HistoryCause::System(error)};
    }
    return {target, {}};
}

} // namespace PrivateFiles
