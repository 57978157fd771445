// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "game/HistoryMessages.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#include "history/PrivateFiles.h"

namespace HistoryMessages {

namespace {

using Kind = HistoryProblem::Kind;
using Fault = HistoryCause::StoreFault;
using PrivateFiles::FileKind;

// A function, not a static: a text made before main would stay untranslated.
QString NotStored()
{
    return QCoreApplication::translate("HistoryMessages", "; das Spiel wird nicht gespeichert.");
}

QString ErrnoReason(int error)
{
    switch (error) {
    case EACCES:
    case EPERM: return QCoreApplication::translate("HistoryMessages", "keine Berechtigung");
    case EROFS: return QCoreApplication::translate("HistoryMessages", "der Datenträger ist schreibgeschützt");
    case ENOSPC:
    case EDQUOT: return QCoreApplication::translate("HistoryMessages", "der Datenträger ist voll");
    case EISDIR: return QCoreApplication::translate("HistoryMessages", "an ihrer Stelle liegt ein Ordner");
    case ENOTDIR: return QCoreApplication::translate("HistoryMessages", "ein Teil des Pfades ist kein Ordner");
    case ENOENT: return QCoreApplication::translate("HistoryMessages", "der Ordner fehlt");
    case ENAMETOOLONG: return QCoreApplication::translate("HistoryMessages", "der Pfad ist zu lang");
    case EEXIST: return QCoreApplication::translate("HistoryMessages", "der neue Name ist schon vergeben");
    default: return QString::fromLocal8Bit(std::strerror(error));
    }
}

QString FaultReason(const HistoryCause &cause)
{
    switch (Fault(cause.Code)) {
    case Fault::DiskFull: return QCoreApplication::translate("HistoryMessages", "der Datenträger ist voll");
    case Fault::InputOutput:
        return QCoreApplication::translate("HistoryMessages", "Schreib- oder Lesefehler auf dem Datenträger");
    case Fault::ReadOnly: return QCoreApplication::translate("HistoryMessages", "die Datei ist schreibgeschützt");
    case Fault::CannotOpen: return QCoreApplication::translate("HistoryMessages", "die Datei lässt sich nicht öffnen");
    case Fault::NoPermission: return QCoreApplication::translate("HistoryMessages", "keine Berechtigung");
    case Fault::Damaged: return QCoreApplication::translate("HistoryMessages", "die Datei ist beschädigt");
    case Fault::InUse:
        return QCoreApplication::translate("HistoryMessages", "die Datei wird von einem anderen Programm benutzt");
    case Fault::OutOfMemory: return QCoreApplication::translate("HistoryMessages", "zu wenig Arbeitsspeicher");
    case Fault::TooLarge:
        return QCoreApplication::translate("HistoryMessages", "die Datei ist zu groß für den Datenträger");
    case Fault::Other: break;
    }
    return QCoreApplication::translate("HistoryMessages", "SQLite-Fehler %1 (%2)").arg(cause.Number).arg(cause.Name);
}

// What stands in a file's place ("ein Verweis auf eine andere Datei").
QString KindWords(int kind)
{
    switch (FileKind(kind)) {
    case FileKind::Folder: return QCoreApplication::translate("HistoryMessages", "ein Ordner");
    case FileKind::Link:
        return QCoreApplication::translate("HistoryMessages",
                                           "ein Verweis auf eine andere Datei, der nicht verfolgt wird");
    case FileKind::Fifo: return QCoreApplication::translate("HistoryMessages", "eine Pipe (FIFO)");
    case FileKind::Socket: return QCoreApplication::translate("HistoryMessages", "ein Socket");
    case FileKind::Device: return QCoreApplication::translate("HistoryMessages", "eine Gerätedatei");
    case FileKind::Missing:
    case FileKind::Regular: return QCoreApplication::translate("HistoryMessages", "eine gewöhnliche Datei");
    case FileKind::Other: break;
    }
    return QCoreApplication::translate("HistoryMessages", "etwas anderes als eine Datei");
}

QString Name(const HistoryProblem &problem, int index)
{
    return problem.Names.value(index);
}

QString Damaged(const QString &detail)
{
    return QCoreApplication::translate("HistoryMessages", "Das gespeicherte Spiel ist beschädigt: %1.").arg(detail);
}

} // namespace

QString Reason(const HistoryCause &cause)
{
    switch (cause.What) {
    case HistoryCause::Kind::None: return {};
    case HistoryCause::Kind::System: return ErrnoReason(cause.Code);
    case HistoryCause::Kind::Store: return FaultReason(cause);
    case HistoryCause::Kind::FileInPlace:
        return QCoreApplication::translate("HistoryMessages", "an ihrer Stelle steht %1; sie bleibt unberührt")
            .arg(KindWords(cause.Code));
    case HistoryCause::Kind::CompanionInPlace:
        return QCoreApplication::translate("HistoryMessages",
                                           "an der Stelle von „%1“ neben ihr steht %2; beides bleibt unberührt")
            .arg(cause.Name, KindWords(cause.Code));
    case HistoryCause::Kind::NoWriteAheadLog:
        return QCoreApplication::translate("HistoryMessages", "der Datenträger erlaubt kein Schreibprotokoll (WAL)");
    case HistoryCause::Kind::NotAFolder:
        return QCoreApplication::translate("HistoryMessages", "„%1“ ist kein Ordner").arg(cause.Name);
    case HistoryCause::Kind::CompanionNotSetAside:
        return QCoreApplication::translate("HistoryMessages",
                                           "„%1“ neben der Spieldatenbank „%2“ lässt sich nicht beiseitelegen: %3")
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
        return QCoreApplication::translate("HistoryMessages", "Die Spieldatenbank „%1“ kann nicht geöffnet werden: %2")
                   .arg(path, reason)
            + NotStored();
    case Kind::NewerVersion:
        return QCoreApplication::translate(
                   "HistoryMessages",
                   "Die Spieldatenbank „%1“ stammt von einer neueren Programmversion (Version %2) "
                   "und bleibt unberührt")
                   .arg(path)
                   .arg(problem.Number)
            + NotStored();
    case Kind::NotSetAside:
        return (problem.Foreign
                    ? QCoreApplication::translate("HistoryMessages",
                                                  "Die Spieldatenbank „%1“ ist keine Spieldatenbank dieses Programms "
                                                  "und lässt sich nicht beiseitelegen: %2")
                    : QCoreApplication::translate("HistoryMessages",
                                                  "Die Spieldatenbank „%1“ ist beschädigt und lässt sich nicht "
                                                  "beiseitelegen: %2"))
                   .arg(path, reason)
            + NotStored();
    case Kind::SetAsideNoNew:
        return (problem.Foreign
                    ? QCoreApplication::translate("HistoryMessages",
                                                  "Die Datei „%1“ war keine Spieldatenbank dieses Programms und wurde "
                                                  "als „%2“ beiseitegelegt; eine neue lässt sich nicht anlegen: %3")
                    : QCoreApplication::translate("HistoryMessages",
                                                  "Die Spieldatenbank „%1“ war beschädigt und wurde als „%2“ "
                                                  "beiseitegelegt; eine neue lässt sich nicht anlegen: %3"))
                   .arg(path, Name(problem, 0), reason)
            + NotStored();
    case Kind::SetAside:
        return (problem.Foreign
                    ? QCoreApplication::translate("HistoryMessages",
                                                  "Die Datei „%1“ war keine Spieldatenbank dieses Programms und wurde "
                                                  "als „%2“ beiseitegelegt; eine neue wurde angelegt.")
                    : QCoreApplication::translate("HistoryMessages",
                                                  "Die Spieldatenbank „%1“ war beschädigt und wurde als „%2“ "
                                                  "beiseitegelegt; eine neue wurde angelegt."))
            .arg(path, Name(problem, 0));
    case Kind::ForeignJournalSetAside:
        return QCoreApplication::translate("HistoryMessages",
                                           "Neben der Spieldatenbank „%1“ lag ein fremdes Rollback-Journal „%2“, "
                                           "das SQLite in die Datenbank zurückgespielt hätte; es wurde ungelesen als "
                                           "„%3“ beiseitegelegt, die Spieldatenbank bleibt, wie sie war.")
            .arg(path, Name(problem, 0), Name(problem, 1));
    case Kind::ForeignWalSetAside:
        return QCoreApplication::translate("HistoryMessages",
                                           "Das Schreibprotokoll „%1“ gehört nicht zur Spieldatenbank „%2“ (es "
                                           "stammt aus einer anderen Datenbank); es wurde nicht angewandt, sondern "
                                           "als „%3“ beiseitegelegt, und die Spieldatenbank wird ohne es geöffnet.")
            .arg(Name(problem, 0), path, Name(problem, 1));
    case Kind::DamagedWalSetAside:
        return QCoreApplication::translate("HistoryMessages",
                                           "Das Schreibprotokoll „%1“ der Spieldatenbank „%2“ ist beschädigt. Es "
                                           "wurde mit der Datenbank als „%3“ und „%4“ im selben Ordner "
                                           "beiseitegelegt; das Spiel ist bis zur beschädigten Stelle "
                                           "wiederhergestellt, was danach gespeichert war, fehlt.")
            .arg(Name(problem, 0), path, Name(problem, 1), Name(problem, 2));
    case Kind::CannotWrite:
        return QCoreApplication::translate("HistoryMessages", "Das Spiel kann nicht gespeichert werden: %1.")
            .arg(reason);
    case Kind::CannotRead:
        return QCoreApplication::translate("HistoryMessages", "Das gespeicherte Spiel kann nicht gelesen werden: %1.")
            .arg(reason);
    case Kind::DamagedEndReason:
        return Damaged(QCoreApplication::translate("HistoryMessages", "unbekannte Art des Spielendes"));
    case Kind::DamagedGameMissing: return Damaged(QCoreApplication::translate("HistoryMessages", "das Spiel fehlt"));
    case Kind::DamagedRoster:
        return Damaged(QCoreApplication::translate("HistoryMessages", "die Aufstellung von Mannschaft %1 ist unlesbar")
                           .arg(problem.Number));
    case Kind::DamagedCheckpoint:
        return Damaged(QCoreApplication::translate("HistoryMessages", "der Sicherungspunkt ist unlesbar"));
    case Kind::NotEndedByReset:
        return QCoreApplication::translate(
            "HistoryMessages", "Das Spiel kann nicht wieder geöffnet werden: es wurde nicht durch RESET beendet.");
    case Kind::NothingStoredYet:
        return QCoreApplication::translate("HistoryMessages", "Zum laufenden Spiel ist noch nichts gespeichert.");
    case Kind::NotStoring: return QCoreApplication::translate("HistoryMessages", "Es wird kein Spiel gespeichert.");
    case Kind::NoLongerStoring:
        return QCoreApplication::translate("HistoryMessages", "Das Spiel wird nicht mehr gespeichert.");
    case Kind::DamagedWhileOpen:
        return QCoreApplication::translate(
                   "HistoryMessages",
                   "Die Spieldatenbank „%1“ ist beschädigt. Sie wird beim Beenden des Programms als „%2“ "
                   "beiseitegelegt; beim nächsten Start wird eine neue angelegt.")
            .arg(path, Name(problem, 0));
    case Kind::FolderNotCreated:
        return QCoreApplication::translate("HistoryMessages", "Der Datenordner „%1“ lässt sich nicht anlegen: %2")
                   .arg(path, reason)
            + NotStored();
    case Kind::LockIsLink:
        return QCoreApplication::translate("HistoryMessages",
                                           "An der Stelle der Sperrdatei „%1“ steht ein Verweis auf eine andere Datei; "
                                           "er wird nicht verfolgt")
                   .arg(path)
            + NotStored();
    case Kind::FolderReadOnly:
        return QCoreApplication::translate("HistoryMessages", "Der Datenordner „%1“ ist schreibgeschützt").arg(path)
            + NotStored();
    case Kind::LockNotAFile:
        return QCoreApplication::translate("HistoryMessages",
                                           "An der Stelle der Sperrdatei „%1“ steht keine gewöhnliche Datei")
                   .arg(path)
            + NotStored();
    case Kind::LockNotCreated:
        return QCoreApplication::translate("HistoryMessages", "Die Sperrdatei „%1“ lässt sich nicht anlegen: %2")
                   .arg(path, reason)
            + NotStored();
    case Kind::AlreadyRunning:
        return QCoreApplication::translate("HistoryMessages",
                                           "Das Programm läuft bereits; diese zweite Kopie speichert das Spiel nicht.");
    case Kind::LockNotTaken:
        return QCoreApplication::translate("HistoryMessages", "Die Sperrdatei „%1“ lässt sich nicht sperren: %2")
                   .arg(path, reason)
            + NotStored();
    case Kind::LockReplaced:
        return QCoreApplication::translate("HistoryMessages", "Die Sperrdatei „%1“ wurde während des Startens ersetzt")
                   .arg(path)
            + NotStored();
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
