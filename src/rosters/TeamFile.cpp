// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "rosters/TeamFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "rosters/TextEncoding.h"

namespace {

constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";

std::string MessageFor(const QString &path, const QString &reason)
{
    return QCoreApplication::translate("TeamFile", "Cannot open file \"%1\". %2").arg(path, reason).toStdString();
}

QString SystemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Closes the descriptor on every way out.
class FileDescriptor
{
public:
    explicit FileDescriptor(int fd)
        : m_fd(fd)
    { }
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    int Get() const { return m_fd; }

private:
    int m_fd;
};

} // namespace

TeamFileError::TeamFileError(const QString &path, const QString &reason)
    : std::runtime_error(MessageFor(path, reason))
    , m_path(path)
    , m_reason(reason)
{ }

std::vector<std::string_view> TeamFile::SplitLines(std::string_view bytes)
{
    bytes = bytes.substr(0, bytes.find('\0'));
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    const std::size_t size = bytes.size();
    while (start < size) {
        std::size_t end = start;
        while (end < size && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        lines.push_back(bytes.substr(start, end - start));
        if (end == size)
            break;
        // CR LF is one line end; a lone CR or LF is one as well.
        start = end + ((bytes[end] == '\r' && end + 1 < size && bytes[end + 1] == '\n') ? 2 : 1);
    }
    return lines;
}

QStringList TeamFile::ParseLines(std::string_view bytes)
{
    bytes = bytes.substr(0, bytes.find('\0'));
    bool utf8 = false;
    if (bytes.substr(0, Utf8ByteOrderMark.size()) == Utf8ByteOrderMark) {
        // The mark says UTF-8 outright; a damaged sequence becomes U+FFFD
        // rather than turning the whole file into Windows-1252 gibberish.
        bytes.remove_prefix(Utf8ByteOrderMark.size());
        utf8 = true;
    } else {
        utf8 = TextEncoding::IsValidUtf8(bytes);
    }
    const std::vector<std::string_view> byteLines = SplitLines(bytes);
    QStringList lines;
    lines.reserve(qsizetype(byteLines.size()));
    // A mark further on belongs to the line's text; only the file's leading one was dropped.
    QStringDecoder fromUtf8(QStringConverter::Utf8,
                            QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    for (const std::string_view line : byteLines) {
        if (utf8)
            lines.append(fromUtf8.decode(QByteArrayView(line.data(), qsizetype(line.size()))));
        else
            lines.append(TextEncoding::FromWindows1252(line));
    }
    return lines;
}

std::string TeamFile::ReadBytes(const QString &path)
{
    const QString fullPath = QFileInfo(path).absoluteFilePath();
    const QByteArray nativePath = QFile::encodeName(fullPath);
    // Non-blocking, so that a pipe without a writer cannot hang the window.
    FileDescriptor file(::open(nativePath.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (file.Get() < 0)
        throw TeamFileError(fullPath, SystemReason(errno));

    std::string bytes;
    struct stat info
    { };
    if (::fstat(file.Get(), &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0)
        bytes.reserve(std::size_t(info.st_size));
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t got = ::read(file.Get(), buffer, sizeof buffer);
        if (got > 0) {
            bytes.append(buffer, std::size_t(got));
        } else if (got == 0) {
            break;
        } else if (errno == EINTR) {
            continue;
        } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
            break; // a pipe with nothing in it yet: take what is there
        } else {
            throw TeamFileError(fullPath, SystemReason(errno));
        }
    }
    return bytes;
}

QStringList TeamFile::Read(const QString &path)
{
    return ParseLines(ReadBytes(path));
}

QString TeamFile::TeamName(const QString &path)
{
    const QFileInfo file(path);
    const QString name = file.completeBaseName();
    return name.isEmpty() ? file.fileName() : name;
}
