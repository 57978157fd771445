// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// A file of the history opened for reading only when it is a regular file:
// never through a link (O_NOFOLLOW) and never waiting for a writer to come
// (O_NONBLOCK), so that a FIFO, a device or a link put in a file's place is
// neither followed nor able to hang the start.

#include <QByteArray>
#include <QString>

class RegularFile
{
public:
    explicit RegularFile(const QString &path);
    ~RegularFile();
    RegularFile(const RegularFile &) = delete;
    RegularFile &operator=(const RegularFile &) = delete;

    // Whether a regular file is open; otherwise Error() says why (errno;
    // ELOOP for a link, EINVAL for anything else that is no regular file).
    bool IsOpen() const { return m_fd >= 0; }
    int Error() const { return m_error; }
    qint64 Size() const { return m_size; }

    // Up to `length` bytes from `offset`; fewer at the end of the file.
    QByteArray Read(qint64 offset, qint64 length) const;

private:
    int m_fd = -1;
    int m_error = 0;
    qint64 m_size = 0;
};
