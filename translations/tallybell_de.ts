<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutForm</name>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>Copyright (C) %1 %2. All rights reserved.</source>
        <translation>Copyright (C) %1 %2. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>%1 is provided as is, without warranty of any kind, express or implied, including its fitness for a particular purpose. You use it at your own risk: %2 is not responsible for any loss or damage that arises from its use.</source>
        <translation>%1 wird ohne Gewähr bereitgestellt, ohne ausdrückliche oder stillschweigende Garantie jeglicher Art, auch nicht für die Eignung für einen bestimmten Zweck. Die Nutzung erfolgt auf eigene Gefahr: %2 haftet nicht für Verluste oder Schäden, die aus der Nutzung entstehen.</translation>
    </message>
    <message>
        <source>Click here to go to %1 Web Page</source>
        <translation>Zur Website von %1</translation>
    </message>
    <message>
        <source>Click here to write to %1 with your comments</source>
        <translation>An %1 schreiben: Anmerkungen und Wünsche</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Start a session (and Tallybell, when it is not running).</source>
        <translation>Eine Übungseinheit starten (und Tallybell, wenn es nicht läuft).</translation>
    </message>
    <message>
        <source>Stop the session.</source>
        <translation>Die Übungseinheit beenden.</translation>
    </message>
    <message>
        <source>Pause the session.</source>
        <translation>Die Übungseinheit anhalten.</translation>
    </message>
    <message>
        <source>Resume the paused session.</source>
        <translation>Die angehaltene Übungseinheit fortsetzen.</translation>
    </message>
    <message>
        <source>Pause the session, or resume it when it is paused.</source>
        <translation>Die Übungseinheit anhalten, oder fortsetzen, wenn sie angehalten ist.</translation>
    </message>
    <message>
        <source>Go on to the next task.</source>
        <translation>Zur nächsten Aufgabe übergehen.</translation>
    </message>
    <message>
        <source>Show the window (and start Tallybell when it is not running).</source>
        <translation>Das Fenster zeigen (und Tallybell starten, wenn es nicht läuft).</translation>
    </message>
    <message>
        <source>Print the session&apos;s state, task, task text and time left, one a line.</source>
        <translation>Zustand, Aufgabe, Aufgabentext und Restzeit der Übungseinheit ausgeben, je eine Zeile.</translation>
    </message>
    <message>
        <source>A practice-session timer. With a command, tells the running Tallybell what to do.</source>
        <translation>Ein Zeitgeber für Übungseinheiten. Mit einem Befehl sagt er dem laufenden Tallybell, was zu tun ist.</translation>
    </message>
    <message>
        <source>Print this help and end.</source>
        <translation>Diese Hilfe ausgeben und enden.</translation>
    </message>
    <message>
        <source>Print the version and end.</source>
        <translation>Die Version ausgeben und enden.</translation>
    </message>
    <message>
        <source>Every task 10 seconds long, to try a task list.</source>
        <translation>Jede Aufgabe 10 Sekunden lang, um eine Aufgabenliste auszuprobieren.</translation>
    </message>
    <message>
        <source>Give one command at a time.</source>
        <translation>Bitte nur einen Befehl auf einmal.</translation>
    </message>
</context>
<context>
    <name>DBusScreenSaver</name>
    <message>
        <source>A practice session is running</source>
        <translation>Eine Übungseinheit läuft</translation>
    </message>
</context>
<context>
    <name>GuardedApplication</name>
    <message>
        <source>an error of unknown kind</source>
        <translation>ein Fehler unbekannter Art</translation>
    </message>
    <message>
        <source>An unexpected error occurred:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
The last action may not have been completed. Your task lists and list files are as they were last saved.</source>
        <translation>Ein unerwarteter Fehler ist aufgetreten:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Die letzte Aktion wurde möglicherweise nicht abgeschlossen. Aufgabenlisten und Listendateien sind so, wie sie zuletzt gespeichert wurden.</translation>
    </message>
</context>
<context>
    <name>JournalCsv</name>
    <message>
        <source>Started</source>
        <translation>Begonnen</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Beendet</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>List items</source>
        <translation>Listeneinträge</translation>
    </message>
    <message>
        <source>Planned seconds</source>
        <translation>Geplante Sekunden</translation>
    </message>
    <message>
        <source>Practised seconds</source>
        <translation>Geübte Sekunden</translation>
    </message>
    <message>
        <source>Ending</source>
        <translation>Abschluss</translation>
    </message>
</context>
<context>
    <name>JournalForm</name>
    <message>
        <source>No tasks recorded yet</source>
        <translation>Noch keine Aufgaben erfasst</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Export the practice journal</source>
        <translation>Übungstagebuch exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>practice journal</source>
        <translation>Übungstagebuch</translation>
    </message>
    <message>
        <source>Couldn&apos;t export the practice journal<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Das Übungstagebuch konnte nicht exportiert werden<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>%1 - Disk Error</source>
        <translation>%1 - Datenträgerfehler</translation>
    </message>
    <message>
        <source>Exported %1 to<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>%1 exportiert nach<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>%1 - Export</source>
        <translation>%1 - Export</translation>
    </message>
    <message numerus="yes">
        <source>%n task(s)</source>
        <translation>
            <numerusform>%n Aufgabe</numerusform>
            <numerusform>%n Aufgaben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Current streak: %n day(s)</source>
        <translation>
            <numerusform>Aktuelle Serie: %n Tag</numerusform>
            <numerusform>Aktuelle Serie: %n Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Longest streak: %n day(s)</source>
        <translation>
            <numerusform>Längste Serie: %n Tag</numerusform>
            <numerusform>Längste Serie: %n Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This week: %n minute(s)</source>
        <translation>
            <numerusform>Diese Woche: %n Minute</numerusform>
            <numerusform>Diese Woche: %n Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This month: %n minute(s)</source>
        <translation>
            <numerusform>Diesen Monat: %n Minute</numerusform>
            <numerusform>Diesen Monat: %n Minuten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>JournalText</name>
    <message>
        <source>Time up</source>
        <translation>Zeit um</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Übersprungen</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Gestoppt</translation>
    </message>
</context>
<context>
    <name>ListEditorForm</name>
    <message>
        <source>A disk error has occurred trying to open the song list<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Beim Öffnen der Liste ist ein Datenträgerfehler aufgetreten<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>*** No Song Currently Selected ***</source>
        <translation>*** Kein Stück ausgewählt ***</translation>
    </message>
    <message>
        <source>%1 Edit List Files</source>
        <translation>%1 - Listendateien bearbeiten</translation>
    </message>
    <message>
        <source>This list file is too large to edit here (%1 MB; at most %2 MB)<byte value="xd"/>
<byte value="xd"/>
%3</source>
        <translation>Diese Listendatei ist zu groß, um sie hier zu bearbeiten (%1 MB; höchstens %2 MB)<byte value="xd"/>
<byte value="xd"/>
%3</translation>
    </message>
    <message>
        <source>List %1 was changed by another program since it was opened here:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Yes: save the list as it is here, over those changes.<byte value="xd"/>
No: show the list as it is now; the changes made here are dropped.<byte value="xd"/>
Cancel: go back to the list.</source>
        <translation>Liste %1 wurde von einem anderen Programm geändert, seit sie hier geöffnet wurde:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Ja: die Liste so speichern, wie sie hier ist, über diese Änderungen hinweg.<byte value="xd"/>
Nein: die Liste so zeigen, wie sie jetzt ist; die hier gemachten Änderungen werden verworfen.<byte value="xd"/>
Abbrechen: zurück zur Liste.</translation>
    </message>
    <message>
        <source>A disk error has occurred trying to save this list file<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Beim Speichern dieser Listendatei ist ein Datenträgerfehler aufgetreten<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message numerus="yes">
        <source>Change list item after %n practice session(s)</source>
        <translation>
            <numerusform>Eintrag nach %n Übungseinheit wechseln</numerusform>
            <numerusform>Eintrag nach %n Übungseinheiten wechseln</numerusform>
        </translation>
    </message>
    <message>
        <source>You must type a list item in the Selected List Item to add a new list item</source>
        <translation>Um einen neuen Listeneintrag hinzuzufügen, muss er zuerst unter „Ausgewählter Listeneintrag“ eingegeben werden</translation>
    </message>
    <message>
        <source>Are you sure you wish to delete this list item?</source>
        <translation>Möchten Sie diesen Listeneintrag wirklich löschen?</translation>
    </message>
    <message>
        <source>Are you sure you want to make this Item the current Item?</source>
        <translation>Möchten Sie diesen Eintrag wirklich zum aktuellen Eintrag machen?</translation>
    </message>
    <message>
        <source>The items of list %1 have been changed.<byte value="xd"/>
<byte value="xd"/>
Do you want to save the changes?</source>
        <translation>Die Einträge der Liste %1 wurden geändert.<byte value="xd"/>
<byte value="xd"/>
Möchten Sie die Änderungen speichern?</translation>
    </message>
</context>
<context>
    <name>LocalSingleInstance</name>
    <message>
        <source>%1 cannot be made: %2.</source>
        <translation>%1 kann nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>%1 is a link, not a folder.</source>
        <translation>%1 ist ein Link, kein Ordner.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 ist kein Ordner.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>%1 kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>%1 belongs to another user.</source>
        <translation>%1 gehört einem anderen Benutzer.</translation>
    </message>
    <message>
        <source>%1 cannot be closed to other users: %2.</source>
        <translation>%1 kann nicht für andere Benutzer gesperrt werden: %2.</translation>
    </message>
    <message>
        <source>%1 answers, but not as Tallybell does.</source>
        <translation>%1 antwortet, aber nicht so wie Tallybell.</translation>
    </message>
    <message>
        <source>%1 cannot be opened for later starts: %2.</source>
        <translation>%1 kann nicht für spätere Starts geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>%1 is a link, not a socket.</source>
        <translation>%1 ist ein Link, kein Socket.</translation>
    </message>
    <message>
        <source>%1 is not a socket.</source>
        <translation>%1 ist kein Socket.</translation>
    </message>
    <message>
        <source>The running Tallybell did not answer.</source>
        <translation>Das laufende Tallybell hat nicht geantwortet.</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <source>No Tasks exist in this Task List, Would you like to add some?</source>
        <translation>Diese Aufgabenliste enthält keine Aufgaben. Möchten Sie welche hinzufügen?</translation>
    </message>
    <message>
        <source>Paused...Click on the Pause Button to resume</source>
        <translation>Pausiert … Zum Fortsetzen auf „Fortsetzen“ klicken</translation>
    </message>
    <message>
        <source>All Tasks Completed, Congratulations!!!</source>
        <translation>Alle Aufgaben erledigt – herzlichen Glückwunsch!</translation>
    </message>
    <message>
        <source>The time is up on this task</source>
        <translation>Die Zeit für diese Aufgabe ist um</translation>
    </message>
    <message>
        <source>Or press any key.</source>
        <translation>Oder eine beliebige Taste drücken.</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stopp</translation>
    </message>
    <message>
        <source>%1 - Disk Error</source>
        <translation>%1 - Datenträgerfehler</translation>
    </message>
    <message>
        <source>%1 cannot make sure that it runs only once:<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Two copies at once would overwrite each other&apos;s files. Start anyway?</source>
        <translation>%1 kann nicht sicherstellen, dass es nur einmal läuft:<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Zwei gleichzeitig laufende Kopien würden gegenseitig ihre Dateien überschreiben. Trotzdem starten?</translation>
    </message>
    <message>
        <source>%1 Minutes</source>
        <translation>%1 Minuten</translation>
    </message>
    <message>
        <source>Couldn&apos;t copy the default settings file<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
to %2<byte value="xd"/>
<byte value="xd"/>
%3</source>
        <translation>Die Standard-Einstellungsdatei<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
konnte nicht nach %2 kopiert werden<byte value="xd"/>
<byte value="xd"/>
%3</translation>
    </message>
    <message>
        <source>Couldn&apos;t read the task list<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
The task list is left as it is and shows no tasks. Choose another one with Open in the File menu.</source>
        <translation>Die Aufgabenliste konnte nicht gelesen werden<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Die Aufgabenliste bleibt unverändert und zeigt keine Aufgaben. Eine andere lässt sich im Menü „Datei“ mit „Andere Aufgabenliste öffnen“ wählen.</translation>
    </message>
    <message>
        <source>Couldn&apos;t write to the practice journal<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
The session goes on, but what is practised may not be recorded; this message is not repeated until the program is started again.</source>
        <translation>In das Übungstagebuch konnte nicht geschrieben werden<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Die Übungseinheit läuft weiter, aber das Geübte wird möglicherweise nicht erfasst; diese Meldung erscheint erst nach einem Neustart des Programms wieder.</translation>
    </message>
    <message>
        <source>Couldn&apos;t save the settings file<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
The file on disk is unchanged. Later changes to it may not be kept either; this message is not repeated until the program is started again.</source>
        <translation>Die Einstellungsdatei konnte nicht gespeichert werden<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Die Datei auf dem Datenträger ist unverändert. Spätere Änderungen daran werden möglicherweise ebenfalls nicht gespeichert; diese Meldung erscheint erst nach einem Neustart des Programms wieder.</translation>
    </message>
    <message>
        <source>Task %1 of %2</source>
        <translation>Aufgabe %1 von %2</translation>
    </message>
    <message>
        <source>Start: task %1 of %2</source>
        <translation>Start: Aufgabe %1 von %2</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Fortsetzen</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>Sessions completed: %1 · Today: %2</source>
        <translation>Abgeschlossene Einheiten: %1 · Heute: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t play the sound<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Der Klang konnte nicht abgespielt werden<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>That was the last task of the session.</source>
        <translation>Das war die letzte Aufgabe der Übungseinheit.</translation>
    </message>
    <message>
        <source>Next: task %1 of %2.</source>
        <translation>Als Nächstes: Aufgabe %1 von %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>This desktop has no panel for status icons, so closing the window quits Tallybell.</source>
        <translation>Diese Arbeitsfläche hat keine Leiste für Statussymbole, daher beendet das Schließen des Fensters Tallybell.</translation>
    </message>
</context>
<context>
    <name>NoteNames</name>
    <message>
        <source>La</source>
        <translation>La</translation>
    </message>
    <message>
        <source>Si</source>
        <translation>Si</translation>
    </message>
    <message>
        <source>Do</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Re</source>
        <translation>Re</translation>
    </message>
    <message>
        <source>Mi</source>
        <translation>Mi</translation>
    </message>
    <message>
        <source>Fa</source>
        <translation>Fa</translation>
    </message>
    <message>
        <source>Sol</source>
        <translation>Sol</translation>
    </message>
</context>
<context>
    <name>OptionsForm</name>
    <message>
        <source>Select new task list</source>
        <translation>Andere Aufgabenliste wählen</translation>
    </message>
    <message>
        <source>Create new task list</source>
        <translation>Neue Aufgabenliste anlegen</translation>
    </message>
    <message>
        <source>The task list cannot be changed while a session runs or is paused</source>
        <translation>Die Aufgabenliste kann nicht gewechselt werden, solange eine Übungseinheit läuft oder pausiert</translation>
    </message>
    <message>
        <source>%1 - General task options</source>
        <translation>%1 - Allgemeine Aufgabenoptionen</translation>
    </message>
    <message>
        <source>No sound output device was found</source>
        <translation>Kein Audio-Ausgabegerät gefunden</translation>
    </message>
    <message>
        <source>Couldn&apos;t play the sound<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Der Klang konnte nicht abgespielt werden<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Anlegen</translation>
    </message>
    <message>
        <source>Please select a sound file</source>
        <translation>Klangdatei auswählen</translation>
    </message>
    <message>
        <source>Sound Files</source>
        <translation>Klangdateien</translation>
    </message>
    <message>
        <source>Please select a Task File</source>
        <translation>Aufgabenliste auswählen</translation>
    </message>
    <message>
        <source>Setting files</source>
        <translation>Einstellungsdateien</translation>
    </message>
    <message>
        <source>This task list cannot be used:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Diese Aufgabenliste kann nicht verwendet werden:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Create a new task list</source>
        <translation>Neue Aufgabenliste anlegen</translation>
    </message>
    <message>
        <source>This settings file already exists<byte value="xd"/>
Do you want to overwrite it?</source>
        <translation>Diese Einstellungsdatei ist bereits vorhanden.<byte value="xd"/>
Möchten Sie sie überschreiben?</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
was changed by another program just now.<byte value="xd"/>
<byte value="xd"/>
Do you want to overwrite it all the same?</source>
        <translation>%1<byte value="xd"/>
wurde soeben von einem anderen Programm geändert.<byte value="xd"/>
<byte value="xd"/>
Möchten Sie die Datei trotzdem überschreiben?</translation>
    </message>
    <message>
        <source>A Disk Error has occurred while creating the new file 

<byte value="xd"/>%1 %2

<byte value="xd"/>Please retry later when the problem has been solved</source>
        <translation>Beim Anlegen der neuen Datei ist ein Datenträgerfehler aufgetreten 

<byte value="xd"/>%1 %2

<byte value="xd"/>Bitte später erneut versuchen, wenn das Problem behoben ist</translation>
    </message>
    <message>
        <source>As the language has it</source>
        <translation>Wie in der Sprache üblich</translation>
    </message>
    <message>
        <source>Letters: C D E F G A B</source>
        <translation>Buchstaben: C D E F G A B</translation>
    </message>
    <message>
        <source>German letters: C D E F G A H</source>
        <translation>Deutsche Buchstaben: C D E F G A H</translation>
    </message>
    <message>
        <source>Fixed do: Do Re Mi Fa Sol La Si</source>
        <translation>Festes Do: Do Re Mi Fa Sol La Si</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Langsamer</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Schneller</translation>
    </message>
    <message>
        <source>No speech engine for this language was found: install speech-dispatcher with espeak-ng, or flite for English</source>
        <translation>Für diese Sprache wurde keine Sprachausgabe gefunden: installieren Sie speech-dispatcher mit espeak-ng, oder flite für Englisch</translation>
    </message>
    <message>
        <source>When a task begins, its text and its length are spoken, after the bell</source>
        <translation>Zu Beginn jeder Aufgabe werden ihr Text und ihre Dauer vorgelesen, nach dem Klang</translation>
    </message>
    <message>
        <source>How fast the tasks are read aloud</source>
        <translation>Wie schnell die Aufgaben vorgelesen werden</translation>
    </message>
</context>
<context>
    <name>PanelLook</name>
    <message numerus="yes">
        <source>%n minute(s) left</source>
        <translation>
            <numerusform>Noch %n Minute</numerusform>
            <numerusform>Noch %n Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausiert</translation>
    </message>
</context>
<context>
    <name>PracticeChart</name>
    <message numerus="yes">
        <source>%1: %n minute(s)</source>
        <translation>
            <numerusform>%1: %n Minute</numerusform>
            <numerusform>%1: %n Minuten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgramFolder</name>
    <message>
        <source>Tallybell could not make a folder of your own for the task list, the list files and the bell:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
It uses its own folder instead:<byte value="xd"/>
%2</source>
        <translation>Tallybell konnte keinen eigenen Ordner für Ihre Aufgabenliste, die Listendateien und den Glockenton anlegen:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Es verwendet stattdessen seinen Programmordner:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The home folder is not known (HOME is not set).</source>
        <translation>Der persönliche Ordner ist nicht bekannt (HOME ist nicht gesetzt).</translation>
    </message>
    <message>
        <source>Tallybell cannot write in its own folder<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
so it keeps the task list, the list files and the bell in<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
from now on. Your task list was copied there; the one in the program&apos;s folder is left as it is.</source>
        <translation>Tallybell kann nicht in seinen eigenen Ordner<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
schreiben und bewahrt die Aufgabenliste, die Listendateien und den Glockenton deshalb von nun an in<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
auf. Ihre Aufgabenliste wurde dorthin kopiert; die im Programmordner bleibt unverändert.</translation>
    </message>
    <message>
        <source>Tallybell could not copy its default files into<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Tallybell konnte seine Standarddateien nicht kopieren nach<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>QtShell</name>
    <message>
        <source>No program on this computer could start a mail message. You can write to this address with your mail program:

%1</source>
        <translation>Kein Programm auf diesem Computer konnte eine E-Mail beginnen. Sie können mit Ihrem E-Mail-Programm an diese Adresse schreiben:

%1</translation>
    </message>
    <message>
        <source>No program on this computer could open the web page. You can copy its address into a web browser:

%1</source>
        <translation>Kein Programm auf diesem Computer konnte die Webseite öffnen. Sie können ihre Adresse in einen Webbrowser kopieren:

%1</translation>
    </message>
</context>
<context>
    <name>Registry</name>
    <message>
        <source>There is no folder for it: neither XDG_CONFIG_HOME nor HOME is set.</source>
        <translation>Dafür gibt es keinen Ordner: Weder XDG_CONFIG_HOME noch HOME ist gesetzt.</translation>
    </message>
    <message>
        <source>This name or text cannot be stored (a line break, or &quot;=&quot; in the name).</source>
        <translation>Dieser Name oder Text kann nicht gespeichert werden (ein Zeilenumbruch oder „=“ im Namen).</translation>
    </message>
    <message>
        <source>Error Creating Key: %1</source>
        <translation>Fehler beim Anlegen des Schlüssels: %1</translation>
    </message>
</context>
<context>
    <name>RemoteControl</name>
    <message>
        <source>stopped</source>
        <translation>gestoppt</translation>
    </message>
    <message>
        <source>paused</source>
        <translation>angehalten</translation>
    </message>
    <message>
        <source>time up</source>
        <translation>Zeit um</translation>
    </message>
    <message>
        <source>running</source>
        <translation>läuft</translation>
    </message>
    <message>
        <source>task %1 of %2</source>
        <translation>Aufgabe %1 von %2</translation>
    </message>
    <message>
        <source>Tallybell is waiting for an answer to its message.</source>
        <translation>Tallybell wartet auf eine Antwort auf seine Meldung.</translation>
    </message>
    <message>
        <source>A session is running already.</source>
        <translation>Eine Übungseinheit läuft bereits.</translation>
    </message>
    <message>
        <source>No session is running.</source>
        <translation>Es läuft keine Übungseinheit.</translation>
    </message>
    <message>
        <source>The session is paused already.</source>
        <translation>Die Übungseinheit ist bereits angehalten.</translation>
    </message>
    <message>
        <source>The session is not paused.</source>
        <translation>Die Übungseinheit ist nicht angehalten.</translation>
    </message>
    <message>
        <source>The window does not take that now.</source>
        <translation>Das Fenster nimmt das gerade nicht an.</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>Not a regular file</source>
        <translation>Keine reguläre Datei</translation>
    </message>
    <message>
        <source>%1: %2 MB, at most %3 MB</source>
        <translation>%1: %2 MB, höchstens %3 MB</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>It is not a wave file.</source>
        <translation>Die Datei ist keine WAV-Datei.</translation>
    </message>
    <message>
        <source>Its description of the sound is damaged.</source>
        <translation>Die Klangbeschreibung der Datei ist beschädigt.</translation>
    </message>
    <message>
        <source>Its sound comes without a description of it.</source>
        <translation>Die Datei enthält Klang ohne Beschreibung.</translation>
    </message>
    <message>
        <source>It is cut short: it holds less sound than its header says.</source>
        <translation>Die Datei ist abgeschnitten: Sie enthält weniger Klang, als ihr Dateikopf angibt.</translation>
    </message>
    <message>
        <source>It holds no sound.</source>
        <translation>Die Datei enthält keinen Klang.</translation>
    </message>
    <message>
        <source>It lasts %1 seconds; a bell may last %2 seconds at most.</source>
        <translation>Der Klang dauert %1 Sekunden; ein Glockenton darf höchstens %2 Sekunden dauern.</translation>
    </message>
</context>
<context>
    <name>SpokenText</name>
    <message numerus="yes">
        <source>%n minute(s).</source>
        <translation>
            <numerusform>%n Minute.</numerusform>
            <numerusform>%n Minuten.</numerusform>
        </translation>
    </message>
    <message>
        <source>Session complete.</source>
        <translation>Übungseinheit beendet.</translation>
    </message>
</context>
<context>
    <name>TaskEditorForm</name>
    <message>
        <source>Any Changes you may have made will be lost, are you sure you want to do this?</source>
        <translation>Alle Änderungen gehen verloren. Möchten Sie das wirklich?</translation>
    </message>
    <message>
        <source>Inserting a task here will cause the task Number 9 to be lost, Are you sure you want to do this?</source>
        <translation>Wenn hier eine Aufgabe eingefügt wird, geht Aufgabe Nummer 9 verloren. Möchten Sie das wirklich?</translation>
    </message>
    <message>
        <source>Sorry you can&apos;t insert another task here, you can only have a total of 9 tasks</source>
        <translation>Hier kann leider keine weitere Aufgabe eingefügt werden: Es sind insgesamt höchstens 9 Aufgaben möglich</translation>
    </message>
    <message>
        <source>Inserting a new alternate task here will cause the alternate task Number 9 to be lost, Are you sure you want to do this?</source>
        <translation>Wenn hier eine neue Alternativaufgabe eingefügt wird, geht Alternativaufgabe Nummer 9 verloren. Möchten Sie das wirklich?</translation>
    </message>
    <message>
        <source>Sorry you can&apos;t insert another task here, you can only have a total of 9 alternate tasks</source>
        <translation>Hier kann leider keine weitere Aufgabe eingefügt werden: Es sind insgesamt höchstens 9 Alternativaufgaben möglich</translation>
    </message>
    <message>
        <source>Another task list cannot be opened or made while a session runs or is paused</source>
        <translation>Solange eine Übungseinheit läuft oder pausiert, kann keine andere Aufgabenliste geöffnet oder angelegt werden</translation>
    </message>
    <message>
        <source>%1 Error</source>
        <translation>%1-Fehler</translation>
    </message>
    <message>
        <source>%1 Minutes</source>
        <translation>%1 Minuten</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>%1 - %2 (not the task list in use)</source>
        <translation>%1 - %2 (nicht die verwendete Aufgabenliste)</translation>
    </message>
    <message>
        <source>The task list in use is now &quot;%2&quot;. Your changes to &quot;%1&quot; are not saved.<byte value="xd"/>
<byte value="xd"/>
Yes: save them to &quot;%1&quot;, then edit &quot;%2&quot;.<byte value="xd"/>
No: drop them and edit &quot;%2&quot;.<byte value="xd"/>
Cancel: go on editing &quot;%1&quot;.</source>
        <translation>Die verwendete Aufgabenliste ist jetzt „%2“. Die Änderungen an „%1“ sind nicht gespeichert.<byte value="xd"/>
<byte value="xd"/>
Ja: sie in „%1“ speichern, dann „%2“ bearbeiten.<byte value="xd"/>
Nein: sie verwerfen und „%2“ bearbeiten.<byte value="xd"/>
Abbrechen: „%1“ weiter bearbeiten.</translation>
    </message>
    <message>
        <source>The tasks of &quot;%1&quot; were changed by another program since they were opened here:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Yes: save the tasks as they are here, over those changes.<byte value="xd"/>
No: show the tasks as they are now; the changes made here are dropped.<byte value="xd"/>
Cancel: go back to the tasks.</source>
        <translation>Die Aufgaben von „%1“ wurden von einem anderen Programm geändert, seit sie hier geöffnet wurden:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Ja: die Aufgaben so speichern, wie sie hier sind, über diese Änderungen hinweg.<byte value="xd"/>
Nein: die Aufgaben so zeigen, wie sie jetzt sind; die hier gemachten Änderungen werden verworfen.<byte value="xd"/>
Abbrechen: zurück zu den Aufgaben.</translation>
    </message>
    <message>
        <source>The task list could not be saved:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Your changes are still in the editor.</source>
        <translation>Die Aufgabenliste konnte nicht gespeichert werden:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Die Änderungen sind noch im Editor.</translation>
    </message>
</context>
<context>
    <name>TaskText</name>
    <message>
        <source> ***Error List %1 contains no items *** </source>
        <translation> ***Fehler: Liste %1 enthält keine Einträge *** </translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Tallybell</source>
        <translation>Tallybell</translation>
    </message>
</context>
<context>
    <name>frmeditfile</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Insert a &amp;list item</source>
        <translation>&amp;Listeneintrag einfügen</translation>
    </message>
    <message>
        <source>&amp;Task</source>
        <translation>Auf&amp;gabe</translation>
    </message>
    <message>
        <source>Task Number</source>
        <translation>Aufgabe Nr.</translation>
    </message>
    <message>
        <source>Task number</source>
        <translation>Aufgabennummer</translation>
    </message>
    <message>
        <source>Next task</source>
        <translation>Nächste Aufgabe</translation>
    </message>
    <message>
        <source>Previous task</source>
        <translation>Vorherige Aufgabe</translation>
    </message>
    <message>
        <source>Alternate Task Number</source>
        <translation>Alternativaufgabe Nr.</translation>
    </message>
    <message>
        <source>Alternate task number</source>
        <translation>Nummer der Alternativaufgabe</translation>
    </message>
    <message>
        <source>Next alternate</source>
        <translation>Nächste Alternative</translation>
    </message>
    <message>
        <source>Previous alternate</source>
        <translation>Vorherige Alternative</translation>
    </message>
    <message>
        <source>Total Task Time</source>
        <translation>Gesamtzeit</translation>
    </message>
    <message>
        <source>Total task time</source>
        <translation>Gesamtzeit der Aufgaben</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Task Description</source>
        <translation>Aufgabenbeschreibung</translation>
    </message>
    <message>
        <source>Task description</source>
        <translation>Aufgabenbeschreibung</translation>
    </message>
    <message>
        <source>The task&apos;s text; Enter starts a new line (%CR%)</source>
        <translation>Der Text der Aufgabe; die Eingabetaste beginnt eine neue Zeile (%CR%)</translation>
    </message>
    <message>
        <source>Create a &amp;new Task List</source>
        <translation>&amp;Neue Aufgabenliste anlegen</translation>
    </message>
    <message>
        <source>&amp;Open an existing task list</source>
        <translation>Vorhandene Aufgabenliste ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Insert a random &amp;note</source>
        <translation>Zufällige &amp;Note einfügen</translation>
    </message>
    <message>
        <source>Insert a &amp;carriage return</source>
        <translation>&amp;Zeilenumbruch einfügen</translation>
    </message>
    <message>
        <source>Insert an item from List 1</source>
        <translation>Eintrag aus Liste 1 einfügen</translation>
    </message>
    <message>
        <source>Insert an item from List 2</source>
        <translation>Eintrag aus Liste 2 einfügen</translation>
    </message>
    <message>
        <source>Insert an item from List 3</source>
        <translation>Eintrag aus Liste 3 einfügen</translation>
    </message>
    <message>
        <source>Insert an item from List 4</source>
        <translation>Eintrag aus Liste 4 einfügen</translation>
    </message>
    <message>
        <source>Insert an item from List 5</source>
        <translation>Eintrag aus Liste 5 einfügen</translation>
    </message>
    <message>
        <source>Insert an item from List 6</source>
        <translation>Eintrag aus Liste 6 einfügen</translation>
    </message>
    <message>
        <source>Insert an item from List 7</source>
        <translation>Eintrag aus Liste 7 einfügen</translation>
    </message>
    <message>
        <source>Insert an item from List 8</source>
        <translation>Eintrag aus Liste 8 einfügen</translation>
    </message>
    <message>
        <source>Insert an item from List 9</source>
        <translation>Eintrag aus Liste 9 einfügen</translation>
    </message>
    <message>
        <source>Insert a &amp;Task</source>
        <translation>&amp;Aufgabe einfügen</translation>
    </message>
    <message>
        <source>Insert a &amp;Alternate Task</source>
        <translation>Al&amp;ternativaufgabe einfügen</translation>
    </message>
    <message>
        <source>&amp;Delete This Task</source>
        <translation>Diese Aufgabe &amp;löschen</translation>
    </message>
</context>
<context>
    <name>frmeditsonglist</name>
    <message>
        <source>Contents of List</source>
        <translation>Inhalt der Liste</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Current List No.</source>
        <translation>Liste Nr.</translation>
    </message>
    <message>
        <source>Next list</source>
        <translation>Nächste Liste</translation>
    </message>
    <message>
        <source>Previous list</source>
        <translation>Vorherige Liste</translation>
    </message>
    <message>
        <source>Selected List Item</source>
        <translation>Ausgewählter Listeneintrag</translation>
    </message>
    <message>
        <source>Add the item, or replace the selected one</source>
        <translation>Eintrag hinzufügen oder den ausgewählten ersetzen</translation>
    </message>
    <message>
        <source>Add item</source>
        <translation>Eintrag hinzufügen</translation>
    </message>
    <message>
        <source>Delete the selected item</source>
        <translation>Ausgewählten Eintrag löschen</translation>
    </message>
    <message>
        <source>Delete item</source>
        <translation>Eintrag löschen</translation>
    </message>
    <message>
        <source>When does a list item change</source>
        <translation>Wann der Eintrag wechselt</translation>
    </message>
    <message>
        <source>Ordered selection</source>
        <translation>Der Reihe nach</translation>
    </message>
    <message>
        <source>Random selection</source>
        <translation>Zufällig</translation>
    </message>
    <message>
        <source>More sessions before the item changes</source>
        <translation>Mehr Übungseinheiten bis zum Wechsel</translation>
    </message>
    <message>
        <source>More sessions</source>
        <translation>Mehr Übungseinheiten</translation>
    </message>
    <message>
        <source>Fewer sessions before the item changes</source>
        <translation>Weniger Übungseinheiten bis zum Wechsel</translation>
    </message>
    <message>
        <source>Fewer sessions</source>
        <translation>Weniger Übungseinheiten</translation>
    </message>
    <message>
        <source>Currently Selected Item</source>
        <translation>Aktueller Eintrag</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
</context>
<context>
    <name>frmjournal</name>
    <message>
        <source>Practice Journal</source>
        <translation>Übungstagebuch</translation>
    </message>
    <message>
        <source>Days in a row with practice, up to today (or up to yesterday while today is still ahead)</source>
        <translation>Tage in Folge mit Übung bis heute (oder bis gestern, solange heute noch geübt werden kann)</translation>
    </message>
    <message>
        <source>Minutes practised since Monday</source>
        <translation>Seit Montag geübte Minuten</translation>
    </message>
    <message>
        <source>The most days in a row with practice so far</source>
        <translation>Die bisher meisten Tage in Folge mit Übung</translation>
    </message>
    <message>
        <source>Minutes practised since the first of the month</source>
        <translation>Seit dem Monatsersten geübte Minuten</translation>
    </message>
    <message>
        <source>Minutes per day, the last 30 days</source>
        <translation>Minuten pro Tag, letzte 30 Tage</translation>
    </message>
    <message>
        <source>Minutes practised on each of the last 30 days; point at a bar for its day</source>
        <translation>Geübte Minuten an jedem der letzten 30 Tage; der Mauszeiger auf einem Balken zeigt dessen Tag</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>How many of the recorded tasks are shown</source>
        <translation>Wie viele der erfassten Aufgaben angezeigt werden</translation>
    </message>
    <message>
        <source>Recorded &amp;tasks, newest first:</source>
        <translation>Erfasste &amp;Aufgaben, neueste zuerst:</translation>
    </message>
    <message>
        <source>Every task practised: when, what, and how long; point at a text to read it whole</source>
        <translation>Jede geübte Aufgabe: wann, was und wie lange; der Mauszeiger auf einem Text zeigt ihn ganz</translation>
    </message>
    <message>
        <source>Saves the tasks shown as a CSV file for a spreadsheet</source>
        <translation>Speichert die angezeigten Aufgaben als CSV-Datei für eine Tabellenkalkulation</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportieren...</translation>
    </message>
    <message>
        <source>Closes the practice journal</source>
        <translation>Schließt das Übungstagebuch</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Shows only the tasks that hold what is typed here in any column, as the table shows it</source>
        <translation>Zeigt nur die Aufgaben, die das hier Eingegebene in einer Spalte enthalten, so wie die Tabelle sie zeigt</translation>
    </message>
    <message>
        <source>A word of the task, a list item, a date, how it ended</source>
        <translation>Ein Wort der Aufgabe, ein Listeneintrag, ein Datum, wie sie endete</translation>
    </message>
</context>
<context>
    <name>frmmain</name>
    <message>
        <source>Tallybell</source>
        <translation>Tallybell</translation>
    </message>
    <message>
        <source>The task list in use</source>
        <translation>Die verwendete Aufgabenliste</translation>
    </message>
    <message>
        <source>The task the session is at, or the one Start begins with</source>
        <translation>Die Aufgabe, bei der die Übungseinheit steht, oder die, mit der „Start“ beginnt</translation>
    </message>
    <message>
        <source>Start from task</source>
        <translation>Start bei Aufgabe</translation>
    </message>
    <message>
        <source>Next task</source>
        <translation>Nächste Aufgabe</translation>
    </message>
    <message>
        <source>Previous task</source>
        <translation>Vorherige Aufgabe</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausiert</translation>
    </message>
    <message>
        <source>Sessions completed in the practice journal, and the minutes practised today</source>
        <translation>Abgeschlossene Übungseinheiten im Übungstagebuch und die heute geübten Minuten</translation>
    </message>
    <message>
        <source>To Start or Stop this Session Click here</source>
        <translation>Übungseinheit starten oder stoppen</translation>
    </message>
    <message>
        <source>To Pause the session click here</source>
        <translation>Übungseinheit pausieren</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>To Quit Tallybell click here</source>
        <translation>Tallybell beenden</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>To jump to the next task click here (Alt+N)</source>
        <translation>Sofort zur nächsten Aufgabe springen (Alt+N)</translation>
    </message>
    <message>
        <source>Alt+N</source>
        <translation>Alt+N</translation>
    </message>
    <message>
        <source>Next task now</source>
        <translation>Sofort zur nächsten Aufgabe</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Task Time</source>
        <translation>Übungs&amp;zeit</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Open another task list</source>
        <translation>Andere Aufgabenliste ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;New task list...</source>
        <translation>&amp;Neue Aufgabenliste...</translation>
    </message>
    <message>
        <source>Make a new task list, holding the options in force, and use it</source>
        <translation>Neue Aufgabenliste mit den geltenden Optionen anlegen und verwenden</translation>
    </message>
    <message>
        <source>Edit Current &amp;Task List</source>
        <translation>&amp;Aktuelle Aufgabenliste bearbeiten</translation>
    </message>
    <message>
        <source>Edit &amp;list files</source>
        <translation>&amp;Listendateien bearbeiten</translation>
    </message>
    <message>
        <source>Practice &amp;journal</source>
        <translation>Übungs&amp;tagebuch</translation>
    </message>
    <message>
        <source>Streaks, minutes and every task practised</source>
        <translation>Serien, Minuten und jede geübte Aufgabe</translation>
    </message>
    <message>
        <source>Disable Screen Saver during countdown</source>
        <translation>Bildschirmschoner beim Herunterzählen abschalten</translation>
    </message>
    <message>
        <source>General Task Options</source>
        <translation>Allgemeine Aufgabenoptionen</translation>
    </message>
    <message>
        <source>Tallybell &amp;Help Topics</source>
        <translation>Tallybell-&amp;Hilfethemen</translation>
    </message>
    <message>
        <source>How &amp;to use Help</source>
        <translation>Hilfe &amp;verwenden</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Tallybell</translation>
    </message>
    <message>
        <source>&amp;Mute cues</source>
        <translation>Signale &amp;stumm schalten</translation>
    </message>
    <message>
        <source>No bell, no warning and nothing read aloud: the countdown alone</source>
        <translation>Kein Klang, keine Warnung und nichts vorgelesen: nur der Countdown</translation>
    </message>
    <message>
        <source>Keep running in the panel when the window is closed</source>
        <translation>Beim Schließen des Fensters in der Leiste weiterlaufen</translation>
    </message>
    <message>
        <source>Let media keys control the session</source>
        <translation>Medientasten steuern die Übungseinheit</translation>
    </message>
</context>
<context>
    <name>frmoptions</name>
    <message>
        <source>Use Full Screen during countdown</source>
        <translation>Beim Herunterzählen Vollbild verwenden</translation>
    </message>
    <message>
        <source>Play sound between tasks</source>
        <translation>Klang zwischen Aufgaben abspielen</translation>
    </message>
    <message>
        <source>Stop between tasks</source>
        <translation>Zwischen Aufgaben anhalten</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Current Sound File</source>
        <translation>Aktuelle Klangdatei</translation>
    </message>
    <message>
        <source>Current sound file</source>
        <translation>Aktuelle Klangdatei</translation>
    </message>
    <message>
        <source>Select new sound file</source>
        <translation>Andere Klangdatei wählen</translation>
    </message>
    <message>
        <source>Play sound file</source>
        <translation>Klangdatei abspielen</translation>
    </message>
    <message>
        <source>Current Task List</source>
        <translation>Aktuelle Aufgabenliste</translation>
    </message>
    <message>
        <source>Current task list</source>
        <translation>Aktuelle Aufgabenliste</translation>
    </message>
    <message>
        <source>Select new task list</source>
        <translation>Andere Aufgabenliste wählen</translation>
    </message>
    <message>
        <source>Create new task list</source>
        <translation>Neue Aufgabenliste anlegen</translation>
    </message>
    <message>
        <source>Note &amp;names:</source>
        <translation>&amp;Notennamen:</translation>
    </message>
    <message>
        <source>How a random note (%note%) is named in the task texts</source>
        <translation>Wie eine zufällige Note (%note%) in den Aufgabentexten benannt wird</translation>
    </message>
    <message>
        <source>&amp;Warn before a task ends:</source>
        <translation>&amp;Warnen vor Aufgabenende:</translation>
    </message>
    <message>
        <source>A soft sound this long before each task&apos;s time is up, and the timer in another colour; tasks shorter than twice this get none</source>
        <translation>Ein leiser Ton so lange vor dem Ende jeder Aufgabe, und die Zeitanzeige in einer anderen Farbe; Aufgaben, die kürzer als das Doppelte sind, bekommen keinen</translation>
    </message>
    <message>
        <source>Read each task &amp;aloud</source>
        <translation>Jede Aufgabe &amp;vorlesen</translation>
    </message>
    <message>
        <source>Speaking &amp;rate:</source>
        <translation>Sprech&amp;tempo:</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tallybell is not running.</source>
        <translation>Tallybell läuft nicht.</translation>
    </message>
</context>
<context>
    <name>tb::HelpWindow</name>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <source>&amp;Home</source>
        <translation>&amp;Startseite</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>Go back to the page you saw before (Alt+Left)</source>
        <translation>Zurück zur zuvor angezeigten Seite (Alt+Links)</translation>
    </message>
    <message>
        <source>Go forward again (Alt+Right)</source>
        <translation>Wieder vorwärts (Alt+Rechts)</translation>
    </message>
    <message>
        <source>Go to the first page this help window showed</source>
        <translation>Zur ersten Seite, die dieses Hilfefenster zeigte</translation>
    </message>
    <message>
        <source>Show the list of all help pages</source>
        <translation>Liste aller Hilfeseiten zeigen</translation>
    </message>
    <message>
        <source> Help</source>
        <translation> - Hilfe</translation>
    </message>
</context>
<context>
    <name>tb::JournalTableModel</name>
    <message>
        <source>Started</source>
        <translation>Begonnen</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>List items</source>
        <translation>Listeneinträge</translation>
    </message>
    <message>
        <source>Planned</source>
        <translation>Geplant</translation>
    </message>
    <message>
        <source>Practised</source>
        <translation>Geübt</translation>
    </message>
    <message>
        <source>Ended by</source>
        <translation>Ende durch</translation>
    </message>
</context>
<context>
    <name>tb::PanelIcon</name>
    <message>
        <source>&amp;Next task</source>
        <translation>&amp;Nächste Aufgabe</translation>
    </message>
    <message>
        <source>&amp;Hide window</source>
        <translation>Fenster &amp;ausblenden</translation>
    </message>
    <message>
        <source>&amp;Show window</source>
        <translation>Fenster &amp;anzeigen</translation>
    </message>
</context>
<context>
    <name>tb::PracticeChart</name>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
</context>
<context>
    <name>tb::QtHelp</name>
    <message>
        <source>There is no help for this item (topic %1).</source>
        <translation>Für dieses Element gibt es keine Hilfe (Thema %1).</translation>
    </message>
</context>
<context>
    <name>tb::frmeditsonglist</name>
    <message>
        <source>Make &amp;current item</source>
        <translation>Als &amp;aktuellen Eintrag festlegen</translation>
    </message>
    <message>
        <source>&amp;Delete item</source>
        <translation>Eintrag &amp;löschen</translation>
    </message>
</context>
</TS>
