// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "export/WorkbookDelivery.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "export/Workbook.h"
#include "export/XlsxFile.h"

namespace {

constexpr int MaxNameAttempts = 1000;

// Creates an empty file of a new name in `folder`, exclusively and with the
// permissions any new file of the user gets.
QString CreatePartFile(const QString &folder, QString &reason)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString path =
            QDir(folder).filePath(QStringLiteral(".Quintora-%1.xlsx.part")
                                      .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return path;
        if (!QFileInfo::exists(path)) {
            reason = file.errorString();
            return QString();
        }
    }
    reason = WorkbookDelivery::tr("Es lässt sich keine Datei zum Schreiben anlegen.");
    return QString();
}

// Whether anything stands at `path`: a file, a folder, or a link, also one
// to nothing (which QFileInfo::exists does not see).
bool NameTaken(const QString &path)
{
    struct stat status;
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 || errno != ENOENT;
}

enum class Placed { Done, Taken, Failed };

// Gives the written workbook its name, never over anything that stands
// there meanwhile and never through a link: the kernel's rename without
// replacing, or where a file system lacks it a hard link, which is as
// exclusive.  QFile::rename would copy through a link to a missing file.
Placed PlaceExclusively(const QString &from, const QString &to, QString &reason)
{
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return Placed::Done;
    if (errno == EEXIST)
        return Placed::Taken;
    if (errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP) {
        if (::link(source.constData(), target.constData()) == 0) {
            ::unlink(source.constData());
            return Placed::Done;
        }
        if (errno == EEXIST)
            return Placed::Taken;
    }
    reason = qt_error_string(errno);
    return Placed::Failed;
}

// Removes the file when it goes out of scope, unless told to keep it.
class RemoveUnlessKept
{
public:
    explicit RemoveUnlessKept(QString path)
        : m_path(std::move(path))
    { }
    ~RemoveUnlessKept()
    {
        if (!m_kept)
            QFile::remove(m_path);
    }
    RemoveUnlessKept(const RemoveUnlessKept &) = delete;
    RemoveUnlessKept &operator=(const RemoveUnlessKept &) = delete;
    void Keep() const { m_kept = true; }

private:
    QString m_path;
    mutable bool m_kept = false;
};

} // namespace

WorkbookDelivery::WorkbookDelivery(DeliveryActions actions)
    : m_actions(std::move(actions))
{ }

QString WorkbookDelivery::FileName(const QDateTime &time, int attempt)
{
    QString name = QStringLiteral("Quintora ") + time.toString(QStringLiteral("yyyy-MM-dd HH-mm-ss"));
    if (attempt > 1)
        name += QStringLiteral(" (%1)").arg(attempt);
    return name + QStringLiteral(".xlsx");
}

QString WorkbookDelivery::SavedMessage(const QString &path)
{
    return tr("Die Arbeitsmappe wurde gespeichert unter:\n%1\n"
              "Es ist kein Programm zum Öffnen von Tabellen eingerichtet.")
        .arg(QDir::toNativeSeparators(path));
}

QString WorkbookDelivery::FailureMessage(const QString &path, const QString &reason)
{
    return tr("Die Arbeitsmappe konnte nicht gespeichert werden unter:\n%1\n%2")
        .arg(QDir::toNativeSeparators(path), reason);
}

QString WorkbookDelivery::Deliver(const Workbook &workbook) noexcept
{
    try {
        QString failurePath;
        QString reason;
        const QString path = Save(workbook, failurePath, reason);
        if (path.isEmpty()) {
            if (m_actions.reportFailure)
                m_actions.reportFailure(FailureMessage(failurePath, reason));
            return QString();
        }
        Show(path);
        return path;
    } catch (const std::exception &error) {
        if (m_actions.reportFailure) {
            try {
                m_actions.reportFailure(QString::fromUtf8(error.what()));
            } catch (...) { }
        }
    } catch (...) { }
    return QString();
}

QString WorkbookDelivery::Save(const Workbook &workbook, QString &failurePath, QString &reason)
{
    const QString folder = m_actions.documentsFolder ? m_actions.documentsFolder() : QString();
    const QDateTime time = m_actions.now ? m_actions.now() : QDateTime::currentDateTime();
    failurePath = QDir(folder).filePath(FileName(time, 1));
    if (folder.isEmpty()) {
        reason = tr("Es ist kein Ordner für Dokumente bekannt.");
        return QString();
    }
    if (!QDir().mkpath(folder)) {
        reason = tr("Der Ordner %1 lässt sich nicht anlegen.").arg(QDir::toNativeSeparators(folder));
        return QString();
    }

    // Written under a name of its own first, so that no half-written
    // workbook ever carries the final name, then renamed: the rename fails
    // rather than replace a file that has come to exist meanwhile.
    const QString partPath = CreatePartFile(folder, reason);
    if (partPath.isEmpty())
        return QString();
    const RemoveUnlessKept part(partPath);
    const XlsxFile::Result written = XlsxFile::Write(workbook, partPath);
    if (!written.ok()) {
        reason = written.error;
        return QString();
    }

    for (int attempt = 1; attempt <= MaxNameAttempts; ++attempt) {
        const QString path = QDir(folder).filePath(FileName(time, attempt));
        if (NameTaken(path))
            continue;
        const Placed placed = PlaceExclusively(partPath, path, reason);
        if (placed == Placed::Done) {
            part.Keep(); // it is the workbook now
            if (written.shortenedTexts > 0 && m_actions.inform) {
                m_actions.inform(tr("%n Zelltexte waren länger als %1 Zeichen und wurden in\n%2\ngekürzt.", nullptr,
                                    written.shortenedTexts)
                                     .arg(XlsxFile::MaxTextLength)
                                     .arg(QDir::toNativeSeparators(path)));
            }
            return path;
        }
        if (placed == Placed::Failed) {
            failurePath = path;
            return QString();
        }
    }
    reason = tr("Es gibt schon %1 Arbeitsmappen dieses Namens.").arg(MaxNameAttempts);
    return QString();
}

void WorkbookDelivery::Show(const QString &path)
{
    const bool hasProgram = !m_actions.hasSpreadsheetProgram || m_actions.hasSpreadsheetProgram();
    const bool opened = hasProgram && m_actions.open && m_actions.open(QUrl::fromLocalFile(path));
    if (!opened && m_actions.inform)
        m_actions.inform(SavedMessage(path));
}
