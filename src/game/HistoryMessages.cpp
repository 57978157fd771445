// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "game/HistoryMessages.h"

#include <QFileInfo>

#include <cerrno>
#include <cstring>

#include "history/PrivateFiles.h"

namespace HistoryMessages {

namespace {

using Kind = HistoryProblem::Kind;
using Fault = HistoryCause::StoreFault;
using PrivateFiles::FileKind;

const QString NotStored = QStringLiteral("; das Spiel wird nicht gespeichert.");

QString ErrnoReason(int error)
{
    switch (error) {
    case EACCES:
    case EPERM: return QStringLiteral("keine Berechtigung");
    case EROFS: return QStringLiteral("der Datenträger ist schreibgeschützt");
    case ENOSPC:
    case EDQUOT: return QStringLiteral("der Datenträger ist voll");
    case EISDIR: return QStringLiteral("an ihrer Stelle liegt ein Ordner");
    case ENOTDIR: return QStringLiteral("ein Teil des Pfades ist kein Ordner");
    case ENOENT: return QStringLiteral("der Ordner fehlt");
    case ENAMETOOLONG: return QStringLiteral("der Pfad ist zu lang");
    case EEXIST: return QStringLiteral("der neue Name ist schon vergeben");
    default: return QString::fromLocal8Bit(std::strerror(error));
    }
}

QString FaultReason(const HistoryCause &cause)
{
    switch (Fault(cause.Code)) {
    case Fault::DiskFull: return QStringLiteral("der Datenträger ist voll");
    case Fault::InputOutput: return QStringLiteral("Schreib- oder Lesefehler auf dem Datenträger");
    case Fault::ReadOnly: return QStringLiteral("die Datei ist schreibgeschützt");
    case Fault::CannotOpen: return QStringLiteral("die Datei lässt sich nicht öffnen");
    case Fault::NoPermission: return QStringLiteral("keine Berechtigung");
    case Fault::Damaged: return QStringLiteral("die Datei ist beschädigt");
    case Fault::InUse: return QStringLiteral("die Datei wird von einem anderen Programm benutzt");
    case Fault::OutOfMemory: return QStringLiteral("zu wenig Arbeitsspeicher");
    case Fault::TooLarge: return QStringLiteral("die Datei ist zu groß für den Datenträger");
    case Fault::Other: break;
    }
    return QStringLiteral("SQLite-Fehler %1 (%2)").arg(cause.Number).arg(cause.Name);
}

// What stands in a file's place ("ein Verweis auf eine andere Datei").
QString KindWords(int kind)
{
    switch (FileKind(kind)) {
    case FileKind::Folder: return QStringLiteral("ein Ordner");
    case FileKind::Link: return QStringLiteral("ein Verweis auf eine andere Datei, der nicht verfolgt wird");
    case FileKind::Fifo: return QStringLiteral("eine Pipe (FIFO)");
    case FileKind::Socket: return QStringLiteral("ein Socket");
    case FileKind::Device: return QStringLiteral("eine Gerätedatei");
    case FileKind::Missing:
    case FileKind::Regular: return QStringLiteral("eine gewöhnliche Datei");
    case FileKind::Other: break;
    }
    return QStringLiteral("etwas anderes als eine Datei");
}

QString Name(const HistoryProblem &problem, int index)
{
    return problem.Names.value(index);
}

// "Die Spieldatenbank „…“ war beschädigt und wurde als „…“ beiseitegelegt"
QString SetAsideStart(const HistoryProblem &problem)
{
    return (problem.Foreign ? QStringLiteral("Die Datei „%1“ war keine Spieldatenbank dieses Programms und "
                                             "wurde als „%2“ beiseitegelegt")
                            : QStringLiteral("Die Spieldatenbank „%1“ war beschädigt und wurde als „%2“ "
                                             "beiseitegelegt"))
        .arg(problem.Path, Name(problem, 0));
}

QString Damaged(const QString &detail)
{
    return QStringLiteral("Das gespeicherte Spiel ist beschädigt: %1.").arg(detail);
}

} // namespace

QString Reason(const HistoryCause &cause)
{
    switch (cause.What) {
    case HistoryCause::Kind::None: return {};
    case HistoryCause::Kind::System: return ErrnoReason(cause.Code);
    case HistoryCause::Kind::Store: return FaultReason(cause);
    case HistoryCause::Kind::FileInPlace:
        return QStringLiteral("an ihrer Stelle steht %1; sie bleibt unberührt").arg(KindWords(cause.Code));
    case HistoryCause::Kind::CompanionInPlace:
        return QStringLiteral("an der Stelle von „%1“ neben ihr steht %2; beides bleibt unberührt")
            .arg(cause.Name, KindWords(cause.Code));
    case HistoryCause::Kind::NoWriteAheadLog:
        return QStringLiteral("der Datenträger erlaubt kein Schreibprotokoll (WAL)");
    case HistoryCause::Kind::NotAFolder: return QStringLiteral("„%1“ ist kein Ordner").arg(cause.Name);
    case HistoryCause::Kind::CompanionNotSetAside:
        return QStringLiteral("„%1“ neben der Spieldatenbank „%2“ lässt sich nicht beiseitelegen: %3")
            .arg(cause.Name, cause.Path, ErrnoReason(cause.Code));
    }
    return {};
}

QString Text(const HistoryProblem &problem)
{
    const QString &path = problem.Path;
    const QString reason = Reason(problem.Cause);
    switch (problem.What) {
    case Kind::CannotOpen:
        return QStringLiteral("Die Spieldatenbank „%1“ kann nicht geöffnet werden: %2").arg(path, reason) + NotStored;
    case Kind::NewerVersion:
        return QStringLiteral("Die Spieldatenbank „%1“ stammt von einer neueren Programmversion (Version %2) "
                              "und bleibt unberührt")
                   .arg(path)
                   .arg(problem.Number)
            + NotStored;
    case Kind::NotSetAside:
        return QStringLiteral("Die Spieldatenbank „%1“ ist %2 und lässt sich nicht beiseitelegen: %3")
                   .arg(path,
                        problem.Foreign ? QStringLiteral("keine Spieldatenbank dieses Programms")
                                        : QStringLiteral("beschädigt"),
                        reason)
            + NotStored;
    case Kind::SetAsideNoNew:
        return SetAsideStart(problem) + QStringLiteral("; eine neue lässt sich nicht anlegen: %1").arg(reason)
            + NotStored;
    case Kind::SetAside: return SetAsideStart(problem) + QStringLiteral("; eine neue wurde angelegt.");
    case Kind::ForeignJournalSetAside:
        return QStringLiteral("Neben der Spieldatenbank „%1“ lag ein fremdes Rollback-Journal „%2“, "
                              "das SQLite in die Datenbank zurückgespielt hätte; es wurde ungelesen als "
                              "„%3“ beiseitegelegt, die Spieldatenbank bleibt, wie sie war.")
            .arg(path, Name(problem, 0), Name(problem, 1));
    case Kind::ForeignWalSetAside:
        return QStringLiteral("Das Schreibprotokoll „%1“ gehört nicht zur Spieldatenbank „%2“ (es "
                              "stammt aus einer anderen Datenbank); es wurde nicht angewandt, sondern "
                              "als „%3“ beiseitegelegt, und die Spieldatenbank wird ohne es geöffnet.")
            .arg(Name(problem, 0), path, Name(problem, 1));
    case Kind::DamagedWalSetAside:
        return QStringLiteral("Das Schreibprotokoll „%1“ der Spieldatenbank „%2“ ist beschädigt. Es "
                              "wurde mit der Datenbank als „%3“ und „%4“ im selben Ordner "
                              "beiseitegelegt; das Spiel ist bis zur beschädigten Stelle "
                              "wiederhergestellt, was danach gespeichert war, fehlt.")
            .arg(Name(problem, 0), path, Name(problem, 1), Name(problem, 2));
    case Kind::CannotWrite: return QStringLiteral("Das Spiel kann nicht gespeichert werden: %1.").arg(reason);
    case Kind::CannotRead: return QStringLiteral("Das gespeicherte Spiel kann nicht gelesen werden: %1.").arg(reason);
    case Kind::DamagedEndReason: return Damaged(QStringLiteral("unbekannte Art des Spielendes"));
    case Kind::DamagedGameMissing: return Damaged(QStringLiteral("das Spiel fehlt"));
    case Kind::DamagedRoster:
        return Damaged(QStringLiteral("die Aufstellung von Mannschaft %1 ist unlesbar").arg(problem.Number));
    case Kind::DamagedCheckpoint: return Damaged(QStringLiteral("der Sicherungspunkt ist unlesbar"));
    case Kind::NotEndedByReset:
        return QStringLiteral("Das Spiel kann nicht wieder geöffnet werden: es wurde nicht durch RESET beendet.");
    case Kind::NothingStoredYet: return QStringLiteral("Zum laufenden Spiel ist noch nichts gespeichert.");
    case Kind::NotStoring: return QStringLiteral("Es wird kein Spiel gespeichert.");
    case Kind::NoLongerStoring: return QStringLiteral("Das Spiel wird nicht mehr gespeichert.");
    case Kind::DamagedWhileOpen:
        return QStringLiteral("Die Spieldatenbank „%1“ ist beschädigt. Sie wird beim Beenden des Programms als „%2“ "
                              "beiseitegelegt; beim nächsten Start wird eine neue angelegt.")
            .arg(path, Name(problem, 0));
    case Kind::FolderNotCreated:
        return QStringLiteral("Der Datenordner „%1“ lässt sich nicht anlegen: %2").arg(path, reason) + NotStored;
    case Kind::LockIsLink:
        return QStringLiteral("An der Stelle der Sperrdatei „%1“ steht ein Verweis auf eine andere Datei; "
                              "er wird nicht verfolgt")
                   .arg(path)
            + NotStored;
    case Kind::FolderReadOnly: return QStringLiteral("Der Datenordner „%1“ ist schreibgeschützt").arg(path) + NotStored;
    case Kind::LockNotAFile:
        return QStringLiteral("An der Stelle der Sperrdatei „%1“ steht keine gewöhnliche Datei").arg(path) + NotStored;
    case Kind::LockNotCreated:
        return QStringLiteral("Die Sperrdatei „%1“ lässt sich nicht anlegen: %2").arg(path, reason) + NotStored;
    case Kind::AlreadyRunning:
        return QStringLiteral("Das Programm läuft bereits; diese zweite Kopie speichert das Spiel nicht.");
    case Kind::LockNotTaken:
        return QStringLiteral("Die Sperrdatei „%1“ lässt sich nicht sperren: %2").arg(path, reason) + NotStored;
    case Kind::LockReplaced:
        return QStringLiteral("Die Sperrdatei „%1“ wurde während des Startens ersetzt").arg(path) + NotStored;
    }
    return {};
}

QString Text(const std::vector<HistoryProblem> &problems)
{
    QStringList sentences;
    for (const HistoryProblem &problem : problems)
        sentences.append(Text(problem));
    return sentences.join(QLatin1Char(' '));
}

QString Text(const std::optional<HistoryProblem> &problem)
{
    return problem ? Text(*problem) : QString();
}

} // namespace HistoryMessages
