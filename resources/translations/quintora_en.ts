<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>AutomationError</name>
    <message>
        <source>Method &apos;%1&apos; not supported by automation object</source>
        <translation>Method &apos;%1&apos; not supported by automation object</translation>
    </message>
    <message>
        <source>OLE error %1</source>
        <translation>OLE error %1</translation>
    </message>
</context>
<context>
    <name>AutomationRegistry</name>
    <message>
        <source>Invalid class string</source>
        <translation>Invalid class string</translation>
    </message>
    <message>
        <source>Operation unavailable</source>
        <translation>Operation unavailable</translation>
    </message>
</context>
<context>
    <name>ClockCommands</name>
    <message>
        <source>Die Uhr läuft. Sie lässt sich nur stellen, solange sie steht.</source>
        <translation>The clock is running. It can only be set while it is stopped.</translation>
    </message>
    <message>
        <source>Die Uhr lässt sich nicht unter 00:00 stellen.</source>
        <translation>The clock cannot be set below 00:00.</translation>
    </message>
    <message>
        <source>So weit lässt sich die Uhr nicht zurückstellen: Wer zuletzt auf dem Feld stand, hätte dann weniger Spielzeit als beim letzten START. Frühestens %1.</source>
        <translation>The clock cannot be set back that far: the players last on court would then have less playing time than at the last START. The earliest is %1.</translation>
    </message>
</context>
<context>
    <name>ClockMenu</name>
    <message>
        <source>Uhr stellen …</source>
        <translation>Set clock…</translation>
    </message>
    <message>
        <source>Regeln</source>
        <translation>Rules</translation>
    </message>
    <message>
        <source>Abschnitt hier beenden</source>
        <translation>End period here</translation>
    </message>
    <message>
        <source>Hallenanzeige</source>
        <translation>Hall display</translation>
    </message>
    <message>
        <source>4 × 10 Minuten</source>
        <translation>4 × 10 minutes</translation>
    </message>
    <message>
        <source>4 × 12 Minuten</source>
        <translation>4 × 12 minutes</translation>
    </message>
    <message>
        <source>4 × 8 Minuten</source>
        <translation>4 × 8 minutes</translation>
    </message>
    <message>
        <source>8 × 5 Minuten</source>
        <translation>8 × 5 minutes</translation>
    </message>
</context>
<context>
    <name>ClockSetDialog</name>
    <message>
        <source>Uhr stellen</source>
        <translation>Set clock</translation>
    </message>
    <message>
        <source>&amp;Spielzeit (Minuten:Sekunden):</source>
        <translation>&amp;Game time (minutes:seconds):</translation>
    </message>
    <message>
        <source>Pfeiltasten ↑ und ↓: eine Sekunde vor oder zurück.</source>
        <translation>Arrow keys ↑ and ↓: one second forward or back.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>„%1“ ist keine Spielzeit. Bitte Minuten und Sekunden mit Doppelpunkt eingeben, z.&#xa0;B. 12:34 oder 75:10 (Sekunden 00 bis 59).</source>
        <translation>“%1” is not a game time. Please enter minutes and seconds separated by a colon, e.g. 12:34 or 75:10 (seconds 00 to 59).</translation>
    </message>
</context>
<context>
    <name>GameEventReader</name>
    <message>
        <source>Aktion Nr. %1 fehlt</source>
        <translation>action no. %1 is missing</translation>
    </message>
    <message>
        <source>unmögliche Spielzeit (Aktion %1)</source>
        <translation>impossible game time (action %1)</translation>
    </message>
    <message>
        <source>%1 (Aktion %2)</source>
        <translation>%1 (action %2)</translation>
    </message>
    <message>
        <source>unmögliches Spielformat</source>
        <translation>impossible game format</translation>
    </message>
    <message>
        <source>die Aufstellung von Mannschaft %1 ist unvollständig</source>
        <translation>the lineup of team %1 is incomplete</translation>
    </message>
    <message>
        <source>Team %1</source>
        <translation>Team %1</translation>
    </message>
    <message>
        <source>Änderung bei laufender Uhr</source>
        <translation>change while the clock was running</translation>
    </message>
    <message>
        <source>Spielzeit verändert, während die Uhr stand</source>
        <translation>game time changed while the clock was stopped</translation>
    </message>
    <message>
        <source>unlesbare Regeln</source>
        <translation>unreadable rules</translation>
    </message>
    <message>
        <source>unbekannte Art von Aktion „%1“</source>
        <translation>unknown kind of action “%1”</translation>
    </message>
    <message>
        <source>START bei laufender Uhr</source>
        <translation>START while the clock was running</translation>
    </message>
    <message>
        <source>PAUSE bei stehender Uhr</source>
        <translation>PAUSE while the clock was stopped</translation>
    </message>
    <message>
        <source>Spielzeit läuft rückwärts</source>
        <translation>game time runs backwards</translation>
    </message>
    <message>
        <source>unlesbare Spielzeiten</source>
        <translation>unreadable playing times</translation>
    </message>
    <message>
        <source>der Sicherungspunkt liegt vor der letzten Aktion</source>
        <translation>the checkpoint lies before the last action</translation>
    </message>
    <message>
        <source>%1 (Sicherungspunkt)</source>
        <translation>%1 (checkpoint)</translation>
    </message>
    <message>
        <source>die Spielzeiten passen nicht zur Aufstellung von Mannschaft %1</source>
        <translation>the playing times do not match the lineup of team %1</translation>
    </message>
    <message>
        <source>die Spielzeit in Zeile %1 von Mannschaft %2 ist negativ oder größer als die Spielzeit</source>
        <translation>the playing time in line %1 of team %2 is negative or greater than the game time</translation>
    </message>
    <message>
        <source>die Spielzeit eines Spielers auf der Bank (Zeile %1 von Mannschaft %2) hat sich verändert</source>
        <translation>the playing time of a player on the bench (line %1 of team %2) has changed</translation>
    </message>
    <message>
        <source>die Spielzeit in Zeile %1 von Mannschaft %2 läuft rückwärts</source>
        <translation>the playing time in line %1 of team %2 runs backwards</translation>
    </message>
    <message>
        <source>Mannschaft %1 gibt es nicht</source>
        <translation>there is no team %1</translation>
    </message>
    <message>
        <source>Zeile %1 gibt es in der Aufstellung von Mannschaft %2 nicht</source>
        <translation>the lineup of team %2 has no line %1</translation>
    </message>
    <message>
        <source>unmögliches Häkchen</source>
        <translation>impossible check mark</translation>
    </message>
    <message>
        <source>unlesbare Aufstellung</source>
        <translation>unreadable lineup</translation>
    </message>
    <message>
        <source>unmögliche Spielabschnittsnummer</source>
        <translation>impossible period number</translation>
    </message>
    <message>
        <source>unmögliches Ende eines Spielabschnitts</source>
        <translation>impossible end of a period</translation>
    </message>
    <message>
        <source>mehr als %1 Spielabschnitte</source>
        <translation>more than %1 periods</translation>
    </message>
    <message>
        <source>die Korrektur passt nicht zur Spielzeit</source>
        <translation>the correction does not match the game time</translation>
    </message>
    <message>
        <source>die Korrektur stellt die Uhr unter 00:00</source>
        <translation>the correction sets the clock below 00:00</translation>
    </message>
    <message>
        <source>die Korrektur stellt die Uhr vor den letzten START zurück</source>
        <translation>the correction sets the clock back before the last START</translation>
    </message>
</context>
<context>
    <name>GameJournal</name>
    <message>
        <source>%1 Uhr und Spielzeiten laufen weiter wie bisher; bis zum nächsten Programmstart wird nichts mehr gespeichert.</source>
        <translation>%1 The clock and the playing times keep running as before; nothing more will be saved until the program is next started.</translation>
    </message>
</context>
<context>
    <name>GameRecovery</name>
    <message>
        <source>Das letzte Spiel wurde nicht beendet (Spielzeit %1:%2, zuletzt gesichert am %3 um %4). Spiel fortsetzen?</source>
        <translation>The last game was not ended (game time %1:%2, last saved on %3 at %4). Continue the game?</translation>
    </message>
</context>
<context>
    <name>GameReplay</name>
    <message>
        <source>der Sicherungspunkt gehört zu keiner gespeicherten Aktion</source>
        <translation>the checkpoint belongs to no saved action</translation>
    </message>
    <message>
        <source>es enthält keine Aktion</source>
        <translation>it contains no action</translation>
    </message>
    <message>
        <source>Das gespeicherte Spiel kann nicht wiederhergestellt werden: %1.</source>
        <translation>The saved game cannot be restored: %1.</translation>
    </message>
</context>
<context>
    <name>GameReport</name>
    <message>
        <source>die Uhr läuft noch</source>
        <translation>the clock is still running</translation>
    </message>
    <message>
        <source>mehr als %1 Spielabschnitte</source>
        <translation>more than %1 periods</translation>
    </message>
    <message>
        <source>Der Spielbericht kann nicht erstellt werden: %1.</source>
        <translation>The game report cannot be created: %1.</translation>
    </message>
</context>
<context>
    <name>HallDisplay</name>
    <message>
        <source>Hallenanzeige</source>
        <translation>Hall display</translation>
    </message>
    <message>
        <source>Spieler auf dem Feld</source>
        <translation>Players on court</translation>
    </message>
    <message>
        <source>Vollbild</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>HallTheme</name>
    <message>
        <source>Weiß auf Schwarz</source>
        <translation>White on black</translation>
    </message>
    <message>
        <source>Schwarz auf Weiß</source>
        <translation>Black on white</translation>
    </message>
    <message>
        <source>Gelb auf Blau</source>
        <translation>Yellow on blue</translation>
    </message>
</context>
<context>
    <name>HistoryDialogs</name>
    <message>
        <source>Fortsetzen</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Neues Spiel</source>
        <translation>New game</translation>
    </message>
</context>
<context>
    <name>HistoryMessages</name>
    <message>
        <source>; das Spiel wird nicht gespeichert.</source>
        <translation>; the game will not be saved.</translation>
    </message>
    <message>
        <source>keine Berechtigung</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>der Datenträger ist schreibgeschützt</source>
        <translation>the drive is write-protected</translation>
    </message>
    <message>
        <source>der Datenträger ist voll</source>
        <translation>the drive is full</translation>
    </message>
    <message>
        <source>an ihrer Stelle liegt ein Ordner</source>
        <translation>there is a folder in its place</translation>
    </message>
    <message>
        <source>ein Teil des Pfades ist kein Ordner</source>
        <translation>part of the path is not a folder</translation>
    </message>
    <message>
        <source>der Ordner fehlt</source>
        <translation>the folder is missing</translation>
    </message>
    <message>
        <source>der Pfad ist zu lang</source>
        <translation>the path is too long</translation>
    </message>
    <message>
        <source>der neue Name ist schon vergeben</source>
        <translation>the new name is already taken</translation>
    </message>
    <message>
        <source>Schreib- oder Lesefehler auf dem Datenträger</source>
        <translation>write or read error on the drive</translation>
    </message>
    <message>
        <source>die Datei ist schreibgeschützt</source>
        <translation>the file is write-protected</translation>
    </message>
    <message>
        <source>die Datei lässt sich nicht öffnen</source>
        <translation>the file cannot be opened</translation>
    </message>
    <message>
        <source>die Datei ist beschädigt</source>
        <translation>the file is damaged</translation>
    </message>
    <message>
        <source>die Datei wird von einem anderen Programm benutzt</source>
        <translation>the file is in use by another program</translation>
    </message>
    <message>
        <source>zu wenig Arbeitsspeicher</source>
        <translation>not enough memory</translation>
    </message>
    <message>
        <source>die Datei ist zu groß für den Datenträger</source>
        <translation>the file is too large for the drive</translation>
    </message>
    <message>
        <source>SQLite-Fehler %1 (%2)</source>
        <translation>SQLite error %1 (%2)</translation>
    </message>
    <message>
        <source>ein Ordner</source>
        <translation>a folder</translation>
    </message>
    <message>
        <source>ein Verweis auf eine andere Datei, der nicht verfolgt wird</source>
        <translation>a link to another file, which is not followed</translation>
    </message>
    <message>
        <source>eine Pipe (FIFO)</source>
        <translation>a pipe (FIFO)</translation>
    </message>
    <message>
        <source>ein Socket</source>
        <translation>a socket</translation>
    </message>
    <message>
        <source>eine Gerätedatei</source>
        <translation>a device file</translation>
    </message>
    <message>
        <source>eine gewöhnliche Datei</source>
        <translation>a regular file</translation>
    </message>
    <message>
        <source>etwas anderes als eine Datei</source>
        <translation>something other than a file</translation>
    </message>
    <message>
        <source>Das gespeicherte Spiel ist beschädigt: %1.</source>
        <translation>The saved game is damaged: %1.</translation>
    </message>
    <message>
        <source>an ihrer Stelle steht %1; sie bleibt unberührt</source>
        <translation>in its place there is %1; it is left untouched</translation>
    </message>
    <message>
        <source>an der Stelle von „%1“ neben ihr steht %2; beides bleibt unberührt</source>
        <translation>in the place of “%1” next to it there is %2; both are left untouched</translation>
    </message>
    <message>
        <source>der Datenträger erlaubt kein Schreibprotokoll (WAL)</source>
        <translation>the drive does not allow a write-ahead log (WAL)</translation>
    </message>
    <message>
        <source>„%1“ ist kein Ordner</source>
        <translation>“%1” is not a folder</translation>
    </message>
    <message>
        <source>„%1“ neben der Spieldatenbank „%2“ lässt sich nicht beiseitelegen: %3</source>
        <translation>“%1” next to the game database “%2” cannot be set aside: %3</translation>
    </message>
    <message>
        <source>Die Spieldatenbank „%1“ kann nicht geöffnet werden: %2</source>
        <translation>The game database “%1” cannot be opened: %2</translation>
    </message>
    <message>
        <source>Die Spieldatenbank „%1“ stammt von einer neueren Programmversion (Version %2) und bleibt unberührt</source>
        <translation>The game database “%1” comes from a newer version of the program (version %2) and is left untouched</translation>
    </message>
    <message>
        <source>Die Spieldatenbank „%1“ ist keine Spieldatenbank dieses Programms und lässt sich nicht beiseitelegen: %2</source>
        <translation>The game database “%1” is not a game database of this program and cannot be set aside: %2</translation>
    </message>
    <message>
        <source>Die Spieldatenbank „%1“ ist beschädigt und lässt sich nicht beiseitelegen: %2</source>
        <translation>The game database “%1” is damaged and cannot be set aside: %2</translation>
    </message>
    <message>
        <source>Die Datei „%1“ war keine Spieldatenbank dieses Programms und wurde als „%2“ beiseitegelegt; eine neue lässt sich nicht anlegen: %3</source>
        <translation>The file “%1” was not a game database of this program and was set aside as “%2”; a new one cannot be created: %3</translation>
    </message>
    <message>
        <source>Die Spieldatenbank „%1“ war beschädigt und wurde als „%2“ beiseitegelegt; eine neue lässt sich nicht anlegen: %3</source>
        <translation>The game database “%1” was damaged and was set aside as “%2”; a new one cannot be created: %3</translation>
    </message>
    <message>
        <source>Die Datei „%1“ war keine Spieldatenbank dieses Programms und wurde als „%2“ beiseitegelegt; eine neue wurde angelegt.</source>
        <translation>The file “%1” was not a game database of this program and was set aside as “%2”; a new one was created.</translation>
    </message>
    <message>
        <source>Die Spieldatenbank „%1“ war beschädigt und wurde als „%2“ beiseitegelegt; eine neue wurde angelegt.</source>
        <translation>The game database “%1” was damaged and was set aside as “%2”; a new one was created.</translation>
    </message>
    <message>
        <source>Neben der Spieldatenbank „%1“ lag ein fremdes Rollback-Journal „%2“, das SQLite in die Datenbank zurückgespielt hätte; es wurde ungelesen als „%3“ beiseitegelegt, die Spieldatenbank bleibt, wie sie war.</source>
        <translation>Next to the game database “%1” there was a foreign rollback journal “%2” that SQLite would have played back into the database; it was set aside unread as “%3”, and the game database stays as it was.</translation>
    </message>
    <message>
        <source>Das Schreibprotokoll „%1“ gehört nicht zur Spieldatenbank „%2“ (es stammt aus einer anderen Datenbank); es wurde nicht angewandt, sondern als „%3“ beiseitegelegt, und die Spieldatenbank wird ohne es geöffnet.</source>
        <translation>The write-ahead log “%1” does not belong to the game database “%2” (it comes from another database); it was not applied but set aside as “%3”, and the game database is opened without it.</translation>
    </message>
    <message>
        <source>Das Schreibprotokoll „%1“ der Spieldatenbank „%2“ ist beschädigt. Es wurde mit der Datenbank als „%3“ und „%4“ im selben Ordner beiseitegelegt; das Spiel ist bis zur beschädigten Stelle wiederhergestellt, was danach gespeichert war, fehlt.</source>
        <translation>The write-ahead log “%1” of the game database “%2” is damaged. It was set aside together with the database as “%3” and “%4” in the same folder; the game is restored up to the damaged point, and whatever was saved after it is missing.</translation>
    </message>
    <message>
        <source>Das Spiel kann nicht gespeichert werden: %1.</source>
        <translation>The game cannot be saved: %1.</translation>
    </message>
    <message>
        <source>Das gespeicherte Spiel kann nicht gelesen werden: %1.</source>
        <translation>The saved game cannot be read: %1.</translation>
    </message>
    <message>
        <source>unbekannte Art des Spielendes</source>
        <translation>unknown kind of game end</translation>
    </message>
    <message>
        <source>das Spiel fehlt</source>
        <translation>the game is missing</translation>
    </message>
    <message>
        <source>die Aufstellung von Mannschaft %1 ist unlesbar</source>
        <translation>the lineup of team %1 is unreadable</translation>
    </message>
    <message>
        <source>der Sicherungspunkt ist unlesbar</source>
        <translation>the checkpoint is unreadable</translation>
    </message>
    <message>
        <source>Das Spiel kann nicht wieder geöffnet werden: es wurde nicht durch RESET beendet.</source>
        <translation>The game cannot be reopened: it was not ended by RESET.</translation>
    </message>
    <message>
        <source>Zum laufenden Spiel ist noch nichts gespeichert.</source>
        <translation>Nothing has been saved for the current game yet.</translation>
    </message>
    <message>
        <source>Es wird kein Spiel gespeichert.</source>
        <translation>No game is being saved.</translation>
    </message>
    <message>
        <source>Das Spiel wird nicht mehr gespeichert.</source>
        <translation>The game is no longer being saved.</translation>
    </message>
    <message>
        <source>Die Spieldatenbank „%1“ ist beschädigt. Sie wird beim Beenden des Programms als „%2“ beiseitegelegt; beim nächsten Start wird eine neue angelegt.</source>
        <translation>The game database “%1” is damaged. It will be set aside as “%2” when the program closes; a new one will be created at the next start.</translation>
    </message>
    <message>
        <source>Der Datenordner „%1“ lässt sich nicht anlegen: %2</source>
        <translation>The data folder “%1” cannot be created: %2</translation>
    </message>
    <message>
        <source>An der Stelle der Sperrdatei „%1“ steht ein Verweis auf eine andere Datei; er wird nicht verfolgt</source>
        <translation>In place of the lock file “%1” there is a link to another file; it is not followed</translation>
    </message>
    <message>
        <source>Der Datenordner „%1“ ist schreibgeschützt</source>
        <translation>The data folder “%1” is write-protected</translation>
    </message>
    <message>
        <source>An der Stelle der Sperrdatei „%1“ steht keine gewöhnliche Datei</source>
        <translation>In place of the lock file “%1” there is no regular file</translation>
    </message>
    <message>
        <source>Die Sperrdatei „%1“ lässt sich nicht anlegen: %2</source>
        <translation>The lock file “%1” cannot be created: %2</translation>
    </message>
    <message>
        <source>Das Programm läuft bereits; diese zweite Kopie speichert das Spiel nicht.</source>
        <translation>The program is already running; this second copy does not save the game.</translation>
    </message>
    <message>
        <source>Die Sperrdatei „%1“ lässt sich nicht sperren: %2</source>
        <translation>The lock file “%1” cannot be locked: %2</translation>
    </message>
    <message>
        <source>Die Sperrdatei „%1“ wurde während des Startens ersetzt</source>
        <translation>The lock file “%1” was replaced during start-up</translation>
    </message>
</context>
<context>
    <name>HistoryStartup</name>
    <message>
        <source>Es gibt keinen Datenordner für die Spieldatenbank; das Spiel wird nicht gespeichert.</source>
        <translation>There is no data folder for the game database; the game will not be saved.</translation>
    </message>
    <message>
        <source>%1 Es bleibt gespeichert; ein neues Spiel beginnt.</source>
        <translation>%1 It stays saved; a new game begins.</translation>
    </message>
</context>
<context>
    <name>OleVariant</name>
    <message>
        <source>Variant does not reference an automation object</source>
        <translation>Variant does not reference an automation object</translation>
    </message>
</context>
<context>
    <name>PeriodSchedule</name>
    <message>
        <source>Verlängerung %1</source>
        <translation>Overtime %1</translation>
    </message>
    <message>
        <source>%1. Abschnitt</source>
        <translation>Period %1</translation>
    </message>
    <message>
        <source>Achtel</source>
        <translation>eighth</translation>
    </message>
    <message>
        <source>Viertel</source>
        <translation>quarter</translation>
    </message>
    <message>
        <source>Abschnitt</source>
        <translation>period</translation>
    </message>
    <message>
        <source>%1. Achtel</source>
        <translation>Eighth %1</translation>
    </message>
    <message>
        <source>%1. Viertel</source>
        <translation>Quarter %1</translation>
    </message>
</context>
<context>
    <name>PlayingRules</name>
    <message>
        <source>Mini 8 × 5 (10–30 Minuten)</source>
        <translation>Mini 8 × 5 (10–30 minutes)</translation>
    </message>
    <message>
        <source>Mini 8 × 4 (2–6 Achtel)</source>
        <translation>Mini 8 × 4 (2–6 eighths)</translation>
    </message>
    <message>
        <source>2 gespielt, 2 Pause</source>
        <translation>2 played, 2 sat out</translation>
    </message>
    <message>
        <source>2 volle Viertel</source>
        <translation>2 full quarters</translation>
    </message>
    <message numerus="yes">
        <source>%n Abschnitt</source>
        <translation>
            <numerusform>%n period</numerusform>
            <numerusform>%n periods</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Abschnitte</source>
        <translation>
            <numerusform>%n period</numerusform>
            <numerusform>%n periods</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Achtel</source>
        <translation>
            <numerusform>%n eighth</numerusform>
            <numerusform>%n eighths</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Viertel</source>
        <translation>
            <numerusform>%n quarter</numerusform>
            <numerusform>%n quarters</numerusform>
        </translation>
    </message>
    <message>
        <source>Keine Regeln</source>
        <translation>No rules</translation>
    </message>
</context>
<context>
    <name>ReportExport</name>
    <message>
        <source>Team %1</source>
        <translation>Team %1</translation>
    </message>
    <message>
        <source>Spieler</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>Gesamt</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Abschnitte auf dem Feld</source>
        <translation>Periods on court</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>Ein</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Aus</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Dauer</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>Ein (Uhrzeit)</source>
        <translation>On (time of day)</translation>
    </message>
    <message>
        <source>Aus (Uhrzeit)</source>
        <translation>Off (time of day)</translation>
    </message>
    <message>
        <source>Gespielt</source>
        <translation>Played</translation>
    </message>
    <message>
        <source>Minuten</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Abschnitte</source>
        <translation>Periods</translation>
    </message>
    <message>
        <source>Wechsel</source>
        <translation>Substitutions</translation>
    </message>
    <message>
        <source>Einsätze</source>
        <translation>Appearances</translation>
    </message>
    <message>
        <source>Uhr gestellt</source>
        <translation>Clock set</translation>
    </message>
</context>
<context>
    <name>RulesJudge</name>
    <message>
        <source>1. Halbzeit</source>
        <translation>first half</translation>
    </message>
    <message>
        <source>2. Halbzeit</source>
        <translation>second half</translation>
    </message>
    <message>
        <source>noch %1 nötig, %2 übrig</source>
        <translation>still needs %1, %2 left</translation>
    </message>
    <message>
        <source>nicht gespielt</source>
        <translation>not played</translation>
    </message>
    <message>
        <source>nur %1 gespielt</source>
        <translation>only %1 played</translation>
    </message>
    <message>
        <source>%1 gespielt (höchstens %2)</source>
        <translation>%1 played (at most %2)</translation>
    </message>
    <message>
        <source>noch %1 Pause nötig, %2 übrig</source>
        <translation>still needs %1 on the bench, %2 left</translation>
    </message>
    <message>
        <source>nur %1 Pause</source>
        <translation>only %1 on the bench</translation>
    </message>
    <message>
        <source>noch %1 Minuten nötig, %2 übrig</source>
        <translation>still needs %1 minutes, %2 left</translation>
    </message>
    <message>
        <source>nur %1 Minuten gespielt</source>
        <translation>only %1 minutes played</translation>
    </message>
    <message>
        <source>%1 Minuten gespielt (höchstens %2)</source>
        <translation>%1 minutes played (at most %2)</translation>
    </message>
    <message>
        <source>kein %1 in der %2</source>
        <translation>no %1 in the %2</translation>
    </message>
    <message>
        <source>noch 1 %1 in der %2 nötig, %3 übrig</source>
        <translation>still needs 1 %1 in the %2, %3 left</translation>
    </message>
    <message>
        <source>erfüllt</source>
        <translation>met</translation>
    </message>
    <message>
        <source>nicht erfüllt: %1</source>
        <translation>not met: %1</translation>
    </message>
    <message>
        <source>Alle Regeln erfüllbar</source>
        <translation>All rules can still be met</translation>
    </message>
    <message>
        <source>Mannschaft %1</source>
        <translation>Team %1</translation>
    </message>
    <message numerus="yes">
        <source>%1: noch %2 nötig, %n Plätze übrig</source>
        <translation>
            <numerusform>%1: still needs %2, %n place left</numerusform>
            <numerusform>%1: still needs %2, %n places left</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: noch %2 Pause nötig, %n Bankplätze übrig</source>
        <translation>
            <numerusform>%1: still needs %2 on the bench, %n bench place left</numerusform>
            <numerusform>%1: still needs %2 on the bench, %n bench places left</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: noch %2 Minuten nötig, %3 übrig</source>
        <translation>%1: still needs %2 minutes, %3 left</translation>
    </message>
    <message>
        <source>Wechsel im %1. Achtel</source>
        <translation>Substitution in eighth %1</translation>
    </message>
    <message>
        <source>Wechsel im %1. Viertel</source>
        <translation>Substitution in quarter %1</translation>
    </message>
    <message>
        <source>Wechsel im %1. Abschnitt</source>
        <translation>Substitution in period %1</translation>
    </message>
    <message numerus="yes">
        <source>Mannschaft %1: %n Spieler auf dem Feld, die Regeln sehen %2 vor</source>
        <translation>
            <numerusform>Team %1: %n player on court, the rules call for %2</numerusform>
            <numerusform>Team %1: %n players on court, the rules call for %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: wäre das %n. Achtel (höchstens %2)</source>
        <translation>
            <numerusform>%1: would play %n eighth (at most %2)</numerusform>
            <numerusform>%1: would play %n eighths (at most %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: wäre das %n. Viertel (höchstens %2)</source>
        <translation>
            <numerusform>%1: would play %n quarter (at most %2)</numerusform>
            <numerusform>%1: would play %n quarters (at most %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: wäre das %n. Abschnitt (höchstens %2)</source>
        <translation>
            <numerusform>%1: would play %n period (at most %2)</numerusform>
            <numerusform>%1: would play %n periods (at most %2)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: hat schon %2 Minuten gespielt (höchstens %3)</source>
        <translation>%1: has already played %2 minutes (at most %3)</translation>
    </message>
    <message>
        <source>%1: braucht noch %2 Pause, %3 übrig</source>
        <translation>%1: still needs %2 on the bench, %3 left</translation>
    </message>
    <message>
        <source>Wechsel mitten im %1. Achtel: nur in den Pausen zwischen den Abschnitten erlaubt</source>
        <translation>Substitution in the middle of eighth %1: only allowed in the breaks between periods</translation>
    </message>
    <message>
        <source>Wechsel mitten im %1. Viertel: nur in den Pausen zwischen den Abschnitten erlaubt</source>
        <translation>Substitution in the middle of quarter %1: only allowed in the breaks between periods</translation>
    </message>
    <message>
        <source>Wechsel mitten im %1. Abschnitt: nur in den Pausen zwischen den Abschnitten erlaubt</source>
        <translation>Substitution in the middle of period %1: only allowed in the breaks between periods</translation>
    </message>
</context>
<context>
    <name>RulesWatch</name>
    <message>
        <source>Mit dieser Aufstellung würden die Regeln verletzt:

%1</source>
        <translation>This lineup would break the rules:

%1</translation>
    </message>
    <message>
        <source>Trotzdem starten</source>
        <translation>Start anyway</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Vorschlag: %1</source>
        <translation>Suggestion: %1</translation>
    </message>
    <message>
        <source>%1 (und %2 weitere)</source>
        <translation>%1 (and %2 more)</translation>
    </message>
</context>
<context>
    <name>SpreadsheetApplication</name>
    <message>
        <source>Es ist keine Arbeitsmappe geöffnet.</source>
        <translation>No workbook is open.</translation>
    </message>
    <message>
        <source>Die Arbeitsmappe ist nicht mehr geöffnet.</source>
        <translation>The workbook is no longer open.</translation>
    </message>
    <message>
        <source>Das Tabellenblatt gibt es nicht mehr.</source>
        <translation>The worksheet no longer exists.</translation>
    </message>
    <message>
        <source>Die Zelle in Zeile %1, Spalte %2 liegt außerhalb des Tabellenblatts.</source>
        <translation>The cell in row %1, column %2 lies outside the worksheet.</translation>
    </message>
    <message>
        <source>Die Seitenausrichtung %1 gibt es nicht: 1 ist Hochformat, 2 Querformat.</source>
        <translation>There is no page orientation %1: 1 is portrait, 2 landscape.</translation>
    </message>
    <message>
        <source>Der Zoom muss False oder %1 bis %2 Prozent sein.</source>
        <translation>The zoom must be False or %1 to %2 percent.</translation>
    </message>
    <message>
        <source>Die Zahl der Seiten muss False oder 1 bis %1 sein.</source>
        <translation>The number of pages must be False or 1 to %1.</translation>
    </message>
    <message>
        <source>„%1“ sind keine ganzen Zeilen wie „$1:$1“.</source>
        <translation>“%1” are not whole rows like “$1:$1”.</translation>
    </message>
    <message>
        <source>Spalte %1 liegt außerhalb des Tabellenblatts.</source>
        <translation>Column %1 lies outside the worksheet.</translation>
    </message>
    <message>
        <source>Zeile %1 liegt außerhalb des Tabellenblatts.</source>
        <translation>Row %1 lies outside the worksheet.</translation>
    </message>
    <message>
        <source>Das Tabellenblatt „%1“ gibt es nicht.</source>
        <translation>There is no worksheet “%1”.</translation>
    </message>
    <message>
        <source>Das Tabellenblatt gehört nicht zu dieser Arbeitsmappe.</source>
        <translation>The worksheet does not belong to this workbook.</translation>
    </message>
</context>
<context>
    <name>TApplication</name>
    <message>
        <source>Unbekannter Fehler</source>
        <translation>Unknown error</translation>
    </message>
</context>
<context>
    <name>TFormInfo</name>
    <message>
        <source>Quintora ist eine Spieluhr für Basketball.

Sie zeigt die Spielzeit groß an und zählt für jeden Spieler, wie lange er auf dem Feld stand. Gewechselt wird bei angehaltener Uhr; die Spielzeiten lassen sich in eine Tabelle übertragen.</source>
        <translation>Quintora is a game clock for basketball.

It shows the game time in large digits and counts how long each player has been on court. Substitutions are made while the clock is stopped; the playing times can be exported to a spreadsheet.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Version 0.9  (9.05.2005)</source>
        <translation>Version 0.9  (9 May 05)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Hilfe (F1)</source>
        <translation>Help (F1)</translation>
    </message>
    <message>
        <source>Info (F3)</source>
        <translation>Info (F3)</translation>
    </message>
    <message>
        <source>Datei in MS Excel</source>
        <translation>Export to MS Excel</translation>
    </message>
    <message>
        <source>Es wurde kein Programm gefunden, das die Hilfeseite anzeigen kann. Sie können sie von Hand öffnen:
%1</source>
        <translation>No program was found that can show the help page. You can open it yourself:
%1</translation>
    </message>
    <message>
        <source>Text files(*.txt)</source>
        <translation>Text files (*.txt)</translation>
    </message>
</context>
<context>
    <name>TLbButtonThread</name>
    <message>
        <source>Thread creation error: the system refused to start the fade thread</source>
        <translation>Thread creation error: the system refused to start the fade thread</translation>
    </message>
</context>
<context>
    <name>TTimer</name>
    <message>
        <source>Not enough timers available</source>
        <translation>Not enough timers available</translation>
    </message>
</context>
<context>
    <name>TeamFile</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Cannot open file &quot;%1&quot;. %2</translation>
    </message>
</context>
<context>
    <name>Workbook</name>
    <message>
        <source>Tabelle%1</source>
        <translation>Sheet%1</translation>
    </message>
    <message>
        <source>Der Name eines Tabellenblatts muss 1 bis %1 Zeichen lang sein.</source>
        <translation>A worksheet name must be 1 to %1 characters long.</translation>
    </message>
    <message>
        <source>Der Name eines Tabellenblatts darf keines der Zeichen : \ / ? * [ ] enthalten.</source>
        <translation>A worksheet name must not contain any of the characters : \ / ? * [ ].</translation>
    </message>
    <message>
        <source>Der Name eines Tabellenblatts darf nicht mit einem Apostroph beginnen oder enden.</source>
        <translation>A worksheet name must not begin or end with an apostrophe.</translation>
    </message>
    <message>
        <source>Es gibt schon ein Tabellenblatt namens „%1“.</source>
        <translation>There is already a worksheet named “%1”.</translation>
    </message>
</context>
<context>
    <name>WorkbookDelivery</name>
    <message>
        <source>Es lässt sich keine Datei zum Schreiben anlegen.</source>
        <translation>No file can be created for writing.</translation>
    </message>
    <message>
        <source>Die Arbeitsmappe wurde gespeichert unter:
%1
Es ist kein Programm zum Öffnen von Tabellen eingerichtet.</source>
        <translation>The workbook was saved as:
%1
No program is set up to open spreadsheets.</translation>
    </message>
    <message>
        <source>Die Arbeitsmappe konnte nicht gespeichert werden unter:
%1
%2</source>
        <translation>The workbook could not be saved as:
%1
%2</translation>
    </message>
    <message>
        <source>Es ist kein Ordner für Dokumente bekannt.</source>
        <translation>No documents folder is known.</translation>
    </message>
    <message>
        <source>Der Ordner %1 lässt sich nicht anlegen.</source>
        <translation>The folder %1 cannot be created.</translation>
    </message>
    <message numerus="yes">
        <source>%n Zelltexte waren länger als %1 Zeichen und wurden in
%2
gekürzt.</source>
        <translation>
            <numerusform>%n cell text was longer than %1 characters and has been shortened in
%2</numerusform>
            <numerusform>%n cell texts were longer than %1 characters and have been shortened in
%2</numerusform>
        </translation>
    </message>
    <message>
        <source>Es gibt schon %1 Arbeitsmappen dieses Namens.</source>
        <translation>There are already %1 workbooks of this name.</translation>
    </message>
</context>
<context>
    <name>XlsxFile</name>
    <message>
        <source>Die Arbeitsmappe lässt sich nicht anlegen.</source>
        <translation>The workbook cannot be created.</translation>
    </message>
    <message>
        <source>Das Tabellenblatt „%1“ lässt sich nicht anlegen.</source>
        <translation>The worksheet “%1” cannot be created.</translation>
    </message>
</context>
</TS>
