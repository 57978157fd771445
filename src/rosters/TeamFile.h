// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// Team files: plain text, one roster line per text line.
//  - CR LF, a lone CR and a lone LF each end a line; a line end at the very
//    end adds no empty line; a NUL byte ends the text.
//  - Every line, empty ones included, is kept exactly as written.
//  - Text that is valid UTF-8 is read as UTF-8 (a leading byte-order mark is
//    dropped); anything else as Windows-1252, so files saved on Windows with
//    umlauts read correctly.

#include <QString>
#include <QStringList>

#include <stdexcept>
#include <string_view>
#include <vector>

// A team file that cannot be opened or read.  The message names the full
// path and the system's reason: Cannot open file "<path>". <reason>
class TeamFileError : public std::runtime_error
{
public:
    TeamFileError(const QString &path, const QString &reason);

    const QString &Path() const { return m_path; }
    const QString &Reason() const { return m_reason; }

private:
    QString m_path;
    QString m_reason;
};

class TeamFile
{
public:
    // The lines of `bytes` as views into it, in order, without their line
    // ends.  Stops at the first NUL.
    static std::vector<std::string_view> SplitLines(std::string_view bytes);

    // The roster lines that a file with these bytes holds.
    static QStringList ParseLines(std::string_view bytes);

    // Reads the file at `path` and returns its roster lines.  Throws
    // TeamFileError when the file cannot be opened or read.
    static QStringList Read(const QString &path);

    // The whole content of the file at `path`; throws as Read does.
    static std::string ReadBytes(const QString &path);

    // What a team loaded from `path` is called: the file's name without
    // folder and extension ("TV Musterstadt U12" for
    // ".../TV Musterstadt U12.txt"); a name that is all extension stays whole.
    static QString TeamName(const QString &path);
};
