<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AboutForm</name>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versione %1.%2.%3</translation>
    </message>
    <message>
        <source>Copyright (C) %1 %2. All rights reserved.</source>
        <translation>Copyright (C) %1 %2. Tutti i diritti riservati.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Informazioni su %1</translation>
    </message>
    <message>
        <source>%1 is provided as is, without warranty of any kind, express or implied, including its fitness for a particular purpose. You use it at your own risk: %2 is not responsible for any loss or damage that arises from its use.</source>
        <translation>%1 viene fornito così com&apos;è, senza garanzie di alcun tipo, esplicite o implicite, comprese quelle di idoneità a uno scopo particolare. Lo usi a tuo rischio: %2 non è responsabile di alcuna perdita o danno derivante dal suo uso.</translation>
    </message>
    <message>
        <source>Click here to go to %1 Web Page</source>
        <translation>Fai clic qui per visitare il sito web di %1</translation>
    </message>
    <message>
        <source>Click here to write to %1 with your comments</source>
        <translation>Fai clic qui per scrivere a %1 i tuoi commenti</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Start a session (and Tallybell, when it is not running).</source>
        <translation>Avvia una sessione (e Tallybell, se non è in esecuzione).</translation>
    </message>
    <message>
        <source>Stop the session.</source>
        <translation>Termina la sessione.</translation>
    </message>
    <message>
        <source>Pause the session.</source>
        <translation>Metti in pausa la sessione.</translation>
    </message>
    <message>
        <source>Resume the paused session.</source>
        <translation>Riprendi la sessione in pausa.</translation>
    </message>
    <message>
        <source>Pause the session, or resume it when it is paused.</source>
        <translation>Metti in pausa la sessione, o riprendila se è in pausa.</translation>
    </message>
    <message>
        <source>Go on to the next task.</source>
        <translation>Passa all&apos;attività successiva.</translation>
    </message>
    <message>
        <source>Show the window (and start Tallybell when it is not running).</source>
        <translation>Mostra la finestra (e avvia Tallybell se non è in esecuzione).</translation>
    </message>
    <message>
        <source>Print the session&apos;s state, task, task text and time left, one a line.</source>
        <translation>Stampa lo stato della sessione, l&apos;attività, il suo testo e il tempo rimasto, uno per riga.</translation>
    </message>
    <message>
        <source>A practice-session timer. With a command, tells the running Tallybell what to do.</source>
        <translation>Un timer per sessioni di studio. Con un comando, dice al Tallybell in esecuzione cosa fare.</translation>
    </message>
    <message>
        <source>Print this help and end.</source>
        <translation>Stampa questa guida ed esci.</translation>
    </message>
    <message>
        <source>Print the version and end.</source>
        <translation>Stampa la versione ed esci.</translation>
    </message>
    <message>
        <source>Every task 10 seconds long, to try a task list.</source>
        <translation>Ogni attività dura 10 secondi, per provare una lista di attività.</translation>
    </message>
    <message>
        <source>Give one command at a time.</source>
        <translation>Dare un solo comando alla volta.</translation>
    </message>
</context>
<context>
    <name>DBusScreenSaver</name>
    <message>
        <source>A practice session is running</source>
        <translation>Una sessione di studio è in corso</translation>
    </message>
</context>
<context>
    <name>GuardedApplication</name>
    <message>
        <source>an error of unknown kind</source>
        <translation>un errore di tipo sconosciuto</translation>
    </message>
    <message>
        <source>An unexpected error occurred:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
The last action may not have been completed. Your task lists and list files are as they were last saved.</source>
        <translation>Si è verificato un errore imprevisto:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
L&apos;ultima azione potrebbe non essere stata completata. Le tue liste di attività e i file delle liste sono come al loro ultimo salvataggio.</translation>
    </message>
</context>
<context>
    <name>JournalCsv</name>
    <message>
        <source>Started</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Attività</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>List items</source>
        <translation>Elementi di lista</translation>
    </message>
    <message>
        <source>Planned seconds</source>
        <translation>Secondi previsti</translation>
    </message>
    <message>
        <source>Practised seconds</source>
        <translation>Secondi di studio</translation>
    </message>
    <message>
        <source>Ending</source>
        <translation>Conclusione</translation>
    </message>
</context>
<context>
    <name>JournalForm</name>
    <message>
        <source>No tasks recorded yet</source>
        <translation>Nessuna attività registrata finora</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 su %2</translation>
    </message>
    <message>
        <source>Export the practice journal</source>
        <translation>Esporta il diario di studio</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Tutti i file (*.*)</translation>
    </message>
    <message>
        <source>practice journal</source>
        <translation>diario di studio</translation>
    </message>
    <message>
        <source>Couldn&apos;t export the practice journal<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Impossibile esportare il diario di studio<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>%1 - Disk Error</source>
        <translation>%1 - Errore del disco</translation>
    </message>
    <message>
        <source>Exported %1 to<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Diario esportato (%1) in<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>%1 - Export</source>
        <translation>%1 - Esportazione</translation>
    </message>
    <message numerus="yes">
        <source>%n task(s)</source>
        <translation>
            <numerusform>%n attività</numerusform>
            <numerusform>%n attività</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Current streak: %n day(s)</source>
        <translation>
            <numerusform>Serie attuale: %n giorno</numerusform>
            <numerusform>Serie attuale: %n giorni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Longest streak: %n day(s)</source>
        <translation>
            <numerusform>Serie più lunga: %n giorno</numerusform>
            <numerusform>Serie più lunga: %n giorni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This week: %n minute(s)</source>
        <translation>
            <numerusform>Questa settimana: %n minuto</numerusform>
            <numerusform>Questa settimana: %n minuti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This month: %n minute(s)</source>
        <translation>
            <numerusform>Questo mese: %n minuto</numerusform>
            <numerusform>Questo mese: %n minuti</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>JournalText</name>
    <message>
        <source>Time up</source>
        <translation>Tempo scaduto</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Saltata</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Interrotta</translation>
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
        <translation>Si è verificato un errore del disco durante l&apos;apertura della lista<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>*** No Song Currently Selected ***</source>
        <translation>*** Nessun elemento selezionato ***</translation>
    </message>
    <message>
        <source>%1 Edit List Files</source>
        <translation>%1 - Modifica i file delle liste</translation>
    </message>
    <message>
        <source>This list file is too large to edit here (%1 MB; at most %2 MB)<byte value="xd"/>
<byte value="xd"/>
%3</source>
        <translation>Questo file di lista è troppo grande per essere modificato qui (%1 MB; al massimo %2 MB)<byte value="xd"/>
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
        <translation>La lista %1 è stata modificata da un altro programma da quando è stata aperta qui:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Sì: salva la lista così com&apos;è qui, sovrascrivendo quelle modifiche.<byte value="xd"/>
No: mostra la lista com&apos;è ora; le modifiche fatte qui vengono scartate.<byte value="xd"/>
Annulla: torna alla lista.</translation>
    </message>
    <message>
        <source>A disk error has occurred trying to save this list file<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Si è verificato un errore del disco durante il salvataggio di questo file di lista<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message numerus="yes">
        <source>Change list item after %n practice session(s)</source>
        <translation>
            <numerusform>Cambia elemento dopo %n sessione</numerusform>
            <numerusform>Cambia elemento dopo %n sessioni</numerusform>
        </translation>
    </message>
    <message>
        <source>You must type a list item in the Selected List Item to add a new list item</source>
        <translation>Per aggiungere un nuovo elemento, scrivilo prima in «Elemento selezionato».</translation>
    </message>
    <message>
        <source>Are you sure you wish to delete this list item?</source>
        <translation>Vuoi davvero eliminare questo elemento della lista?</translation>
    </message>
    <message>
        <source>Are you sure you want to make this Item the current Item?</source>
        <translation>Vuoi davvero rendere questo elemento l&apos;elemento attuale?</translation>
    </message>
    <message>
        <source>The items of list %1 have been changed.<byte value="xd"/>
<byte value="xd"/>
Do you want to save the changes?</source>
        <translation>Gli elementi della lista %1 sono stati modificati.<byte value="xd"/>
<byte value="xd"/>
Vuoi salvare le modifiche?</translation>
    </message>
</context>
<context>
    <name>LocalSingleInstance</name>
    <message>
        <source>%1 cannot be made: %2.</source>
        <translation>Impossibile creare %1: %2.</translation>
    </message>
    <message>
        <source>%1 is a link, not a folder.</source>
        <translation>%1 è un collegamento, non una cartella.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 non è una cartella.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>Impossibile aprire %1: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>Impossibile leggere %1: %2.</translation>
    </message>
    <message>
        <source>%1 belongs to another user.</source>
        <translation>%1 appartiene a un altro utente.</translation>
    </message>
    <message>
        <source>%1 cannot be closed to other users: %2.</source>
        <translation>Impossibile chiudere %1 agli altri utenti: %2.</translation>
    </message>
    <message>
        <source>%1 answers, but not as Tallybell does.</source>
        <translation>%1 risponde, ma non come fa Tallybell.</translation>
    </message>
    <message>
        <source>%1 cannot be opened for later starts: %2.</source>
        <translation>Impossibile aprire %1 per gli avvii successivi: %2.</translation>
    </message>
    <message>
        <source>%1 is a link, not a socket.</source>
        <translation>%1 è un collegamento, non un socket.</translation>
    </message>
    <message>
        <source>%1 is not a socket.</source>
        <translation>%1 non è un socket.</translation>
    </message>
    <message>
        <source>The running Tallybell did not answer.</source>
        <translation>Il Tallybell in esecuzione non ha risposto.</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <source>No Tasks exist in this Task List, Would you like to add some?</source>
        <translation>Questa lista non contiene attività. Vuoi aggiungerne qualcuna?</translation>
    </message>
    <message>
        <source>Paused...Click on the Pause Button to resume</source>
        <translation>In pausa... Fai clic su Riprendi per continuare.</translation>
    </message>
    <message>
        <source>All Tasks Completed, Congratulations!!!</source>
        <translation>Tutte le attività sono completate. Complimenti!</translation>
    </message>
    <message>
        <source>The time is up on this task</source>
        <translation>Il tempo per questa attività è scaduto</translation>
    </message>
    <message>
        <source>Or press any key.</source>
        <translation>Oppure premi un tasto qualsiasi.</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Inizia</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Termina</translation>
    </message>
    <message>
        <source>%1 - Disk Error</source>
        <translation>%1 - Errore del disco</translation>
    </message>
    <message>
        <source>%1 cannot make sure that it runs only once:<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Two copies at once would overwrite each other&apos;s files. Start anyway?</source>
        <translation>%1 non riesce a garantire di essere aperto una sola volta:<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Due copie aperte insieme si sovrascriverebbero i file a vicenda. Avviare comunque?</translation>
    </message>
    <message>
        <source>%1 Minutes</source>
        <translation>%1 minuti</translation>
    </message>
    <message>
        <source>Couldn&apos;t copy the default settings file<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
to %2<byte value="xd"/>
<byte value="xd"/>
%3</source>
        <translation>Impossibile copiare il file delle impostazioni predefinite<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
in %2<byte value="xd"/>
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
        <translation>Impossibile leggere la lista di attività<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
La lista di attività resta com&apos;è e non mostra alcuna attività. Scegline un&apos;altra con «Apri un&apos;altra lista di attività» nel menu File.</translation>
    </message>
    <message>
        <source>Couldn&apos;t write to the practice journal<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
The session goes on, but what is practised may not be recorded; this message is not repeated until the program is started again.</source>
        <translation>Impossibile scrivere nel diario di studio<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
La sessione continua, ma lo studio potrebbe non essere registrato; questo messaggio non verrà ripetuto fino al prossimo avvio del programma.</translation>
    </message>
    <message>
        <source>Couldn&apos;t save the settings file<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
The file on disk is unchanged. Later changes to it may not be kept either; this message is not repeated until the program is started again.</source>
        <translation>Impossibile salvare il file delle impostazioni<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Il file su disco è invariato. Anche le modifiche successive potrebbero non essere conservate; questo messaggio non verrà ripetuto fino al prossimo avvio del programma.</translation>
    </message>
    <message>
        <source>Task %1 of %2</source>
        <translation>Attività %1 di %2</translation>
    </message>
    <message>
        <source>Start: task %1 of %2</source>
        <translation>Inizio: attività %1 di %2</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Riprendi</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>Sessions completed: %1 · Today: %2</source>
        <translation>Sessioni completate: %1 · Oggi: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t play the sound<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Impossibile riprodurre il suono<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>That was the last task of the session.</source>
        <translation>Era l&apos;ultima attività della sessione.</translation>
    </message>
    <message>
        <source>Next: task %1 of %2.</source>
        <translation>Prossima: attività %1 di %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minuti</numerusform>
        </translation>
    </message>
    <message>
        <source>This desktop has no panel for status icons, so closing the window quits Tallybell.</source>
        <translation>Questo desktop non ha un pannello per le icone di stato, quindi chiudere la finestra chiude Tallybell.</translation>
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
        <translation>Scegli un&apos;altra lista di attività</translation>
    </message>
    <message>
        <source>Create new task list</source>
        <translation>Crea una nuova lista di attività</translation>
    </message>
    <message>
        <source>The task list cannot be changed while a session runs or is paused</source>
        <translation>Impossibile cambiare lista di attività durante una sessione, anche in pausa</translation>
    </message>
    <message>
        <source>%1 - General task options</source>
        <translation>%1 - Opzioni generali</translation>
    </message>
    <message>
        <source>No sound output device was found</source>
        <translation>Nessun dispositivo di uscita audio trovato</translation>
    </message>
    <message>
        <source>Couldn&apos;t play the sound<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Impossibile riprodurre il suono<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Crea</translation>
    </message>
    <message>
        <source>Please select a sound file</source>
        <translation>Scegli un file audio</translation>
    </message>
    <message>
        <source>Sound Files</source>
        <translation>File audio</translation>
    </message>
    <message>
        <source>Please select a Task File</source>
        <translation>Scegli una lista di attività</translation>
    </message>
    <message>
        <source>Setting files</source>
        <translation>File di impostazioni</translation>
    </message>
    <message>
        <source>This task list cannot be used:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Impossibile usare questa lista di attività:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Create a new task list</source>
        <translation>Crea una nuova lista di attività</translation>
    </message>
    <message>
        <source>This settings file already exists<byte value="xd"/>
Do you want to overwrite it?</source>
        <translation>Questo file di impostazioni esiste già.<byte value="xd"/>
Vuoi sovrascriverlo?</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
was changed by another program just now.<byte value="xd"/>
<byte value="xd"/>
Do you want to overwrite it all the same?</source>
        <translation>%1<byte value="xd"/>
è appena stato modificato da un altro programma.<byte value="xd"/>
<byte value="xd"/>
Vuoi sovrascriverlo comunque?</translation>
    </message>
    <message>
        <source>A Disk Error has occurred while creating the new file 

<byte value="xd"/>%1 %2

<byte value="xd"/>Please retry later when the problem has been solved</source>
        <translation>Si è verificato un errore del disco durante la creazione del nuovo file 

<byte value="xd"/>%1 %2

<byte value="xd"/>Riprova più tardi, quando il problema sarà risolto.</translation>
    </message>
    <message>
        <source>As the language has it</source>
        <translation>Secondo la lingua</translation>
    </message>
    <message>
        <source>Letters: C D E F G A B</source>
        <translation>Lettere: C D E F G A B</translation>
    </message>
    <message>
        <source>German letters: C D E F G A H</source>
        <translation>Lettere tedesche: C D E F G A H</translation>
    </message>
    <message>
        <source>Fixed do: Do Re Mi Fa Sol La Si</source>
        <translation>Do fisso: Do Re Mi Fa Sol La Si</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Disattivato</translation>
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
        <translation>Più lento</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Più veloce</translation>
    </message>
    <message>
        <source>No speech engine for this language was found: install speech-dispatcher with espeak-ng, or flite for English</source>
        <translation>Nessun motore di sintesi vocale trovato per questa lingua: installare speech-dispatcher con espeak-ng, oppure flite per l&apos;inglese</translation>
    </message>
    <message>
        <source>When a task begins, its text and its length are spoken, after the bell</source>
        <translation>All&apos;inizio di ogni attività ne vengono letti ad alta voce il testo e la durata, dopo il segnale acustico</translation>
    </message>
    <message>
        <source>How fast the tasks are read aloud</source>
        <translation>La velocità con cui vengono lette le attività</translation>
    </message>
</context>
<context>
    <name>PanelLook</name>
    <message numerus="yes">
        <source>%n minute(s) left</source>
        <translation>
            <numerusform>Manca %n minuto</numerusform>
            <numerusform>Mancano %n minuti</numerusform>
        </translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>In pausa</translation>
    </message>
</context>
<context>
    <name>PracticeChart</name>
    <message numerus="yes">
        <source>%1: %n minute(s)</source>
        <translation>
            <numerusform>%1: %n minuto</numerusform>
            <numerusform>%1: %n minuti</numerusform>
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
        <translation>Tallybell non è riuscito a creare una cartella personale per la lista di attività, i file delle liste e il segnale acustico:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Usa invece la propria cartella:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The home folder is not known (HOME is not set).</source>
        <translation>La cartella personale non è nota (HOME non è impostata).</translation>
    </message>
    <message>
        <source>Tallybell cannot write in its own folder<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
so it keeps the task list, the list files and the bell in<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
from now on. Your task list was copied there; the one in the program&apos;s folder is left as it is.</source>
        <translation>Tallybell non può scrivere nella propria cartella<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
quindi d&apos;ora in poi tiene la lista di attività, i file delle liste e il segnale acustico in<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
La tua lista di attività è stata copiata lì; quella nella cartella del programma resta com&apos;è.</translation>
    </message>
    <message>
        <source>Tallybell could not copy its default files into<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Tallybell non è riuscito a copiare i suoi file predefiniti in<byte value="xd"/>
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
        <translation>Nessun programma su questo computer è riuscito a creare un messaggio di posta. Puoi scrivere a questo indirizzo con il tuo programma di posta:

%1</translation>
    </message>
    <message>
        <source>No program on this computer could open the web page. You can copy its address into a web browser:

%1</source>
        <translation>Nessun programma su questo computer è riuscito ad aprire la pagina web. Puoi copiarne l&apos;indirizzo in un browser web:

%1</translation>
    </message>
</context>
<context>
    <name>Registry</name>
    <message>
        <source>There is no folder for it: neither XDG_CONFIG_HOME nor HOME is set.</source>
        <translation>Non esiste una cartella in cui salvarlo: né XDG_CONFIG_HOME né HOME sono impostate.</translation>
    </message>
    <message>
        <source>This name or text cannot be stored (a line break, or &quot;=&quot; in the name).</source>
        <translation>Questo nome o testo non può essere salvato (un a capo, o «=» nel nome).</translation>
    </message>
    <message>
        <source>Error Creating Key: %1</source>
        <translation>Errore nella creazione della chiave: %1</translation>
    </message>
</context>
<context>
    <name>RemoteControl</name>
    <message>
        <source>stopped</source>
        <translation>ferma</translation>
    </message>
    <message>
        <source>paused</source>
        <translation>in pausa</translation>
    </message>
    <message>
        <source>time up</source>
        <translation>tempo scaduto</translation>
    </message>
    <message>
        <source>running</source>
        <translation>in corso</translation>
    </message>
    <message>
        <source>task %1 of %2</source>
        <translation>attività %1 di %2</translation>
    </message>
    <message>
        <source>Tallybell is waiting for an answer to its message.</source>
        <translation>Tallybell attende una risposta al suo messaggio.</translation>
    </message>
    <message>
        <source>A session is running already.</source>
        <translation>Una sessione è già in corso.</translation>
    </message>
    <message>
        <source>No session is running.</source>
        <translation>Nessuna sessione in corso.</translation>
    </message>
    <message>
        <source>The session is paused already.</source>
        <translation>La sessione è già in pausa.</translation>
    </message>
    <message>
        <source>The session is not paused.</source>
        <translation>La sessione non è in pausa.</translation>
    </message>
    <message>
        <source>The window does not take that now.</source>
        <translation>La finestra ora non lo accetta.</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>Not a regular file</source>
        <translation>Non è un file normale</translation>
    </message>
    <message>
        <source>%1: %2 MB, at most %3 MB</source>
        <translation>%1: %2 MB, al massimo %3 MB</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>It is not a wave file.</source>
        <translation>Non è un file WAV.</translation>
    </message>
    <message>
        <source>Its description of the sound is damaged.</source>
        <translation>La descrizione del suono è danneggiata.</translation>
    </message>
    <message>
        <source>Its sound comes without a description of it.</source>
        <translation>Il suono non è accompagnato da una descrizione.</translation>
    </message>
    <message>
        <source>It is cut short: it holds less sound than its header says.</source>
        <translation>È troncato: contiene meno suono di quanto indichi l&apos;intestazione.</translation>
    </message>
    <message>
        <source>It holds no sound.</source>
        <translation>Non contiene alcun suono.</translation>
    </message>
    <message>
        <source>It lasts %1 seconds; a bell may last %2 seconds at most.</source>
        <translation>Dura %1 secondi; un segnale acustico può durare al massimo %2 secondi.</translation>
    </message>
</context>
<context>
    <name>SpokenText</name>
    <message numerus="yes">
        <source>%n minute(s).</source>
        <translation>
            <numerusform>%n minuto.</numerusform>
            <numerusform>%n minuti.</numerusform>
        </translation>
    </message>
    <message>
        <source>Session complete.</source>
        <translation>Sessione completata.</translation>
    </message>
</context>
<context>
    <name>TaskEditorForm</name>
    <message>
        <source>Any Changes you may have made will be lost, are you sure you want to do this?</source>
        <translation>Le modifiche fatte andranno perse. Vuoi davvero continuare?</translation>
    </message>
    <message>
        <source>Inserting a task here will cause the task Number 9 to be lost, Are you sure you want to do this?</source>
        <translation>Inserire un&apos;attività qui farà perdere l&apos;attività numero 9. Vuoi davvero continuare?</translation>
    </message>
    <message>
        <source>Sorry you can&apos;t insert another task here, you can only have a total of 9 tasks</source>
        <translation>Spiacenti, non puoi inserire un&apos;altra attività qui: le attività possono essere al massimo 9.</translation>
    </message>
    <message>
        <source>Inserting a new alternate task here will cause the alternate task Number 9 to be lost, Are you sure you want to do this?</source>
        <translation>Inserire un&apos;attività alternativa qui farà perdere l&apos;attività alternativa numero 9. Vuoi davvero continuare?</translation>
    </message>
    <message>
        <source>Sorry you can&apos;t insert another task here, you can only have a total of 9 alternate tasks</source>
        <translation>Spiacenti, non puoi inserire un&apos;altra attività qui: le attività alternative possono essere al massimo 9.</translation>
    </message>
    <message>
        <source>Another task list cannot be opened or made while a session runs or is paused</source>
        <translation>Impossibile aprire o creare un&apos;altra lista di attività durante una sessione, anche in pausa</translation>
    </message>
    <message>
        <source>%1 Error</source>
        <translation>%1 - Errore</translation>
    </message>
    <message>
        <source>%1 Minutes</source>
        <translation>%1 minuti</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>%1 - %2 (not the task list in use)</source>
        <translation>%1 - %2 (non è la lista di attività in uso)</translation>
    </message>
    <message>
        <source>The task list in use is now &quot;%2&quot;. Your changes to &quot;%1&quot; are not saved.<byte value="xd"/>
<byte value="xd"/>
Yes: save them to &quot;%1&quot;, then edit &quot;%2&quot;.<byte value="xd"/>
No: drop them and edit &quot;%2&quot;.<byte value="xd"/>
Cancel: go on editing &quot;%1&quot;.</source>
        <translation>La lista di attività in uso ora è «%2». Le modifiche a «%1» non sono salvate.<byte value="xd"/>
<byte value="xd"/>
Sì: salvale in «%1», poi modifica «%2».<byte value="xd"/>
No: scartale e modifica «%2».<byte value="xd"/>
Annulla: continua a modificare «%1».</translation>
    </message>
    <message>
        <source>The tasks of &quot;%1&quot; were changed by another program since they were opened here:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Yes: save the tasks as they are here, over those changes.<byte value="xd"/>
No: show the tasks as they are now; the changes made here are dropped.<byte value="xd"/>
Cancel: go back to the tasks.</source>
        <translation>Le attività di «%1» sono state modificate da un altro programma da quando sono state aperte qui:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Sì: salva le attività come sono qui, sovrascrivendo quelle modifiche.<byte value="xd"/>
No: mostra le attività come sono ora; le modifiche fatte qui vengono scartate.<byte value="xd"/>
Annulla: torna alle attività.</translation>
    </message>
    <message>
        <source>The task list could not be saved:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Your changes are still in the editor.</source>
        <translation>Impossibile salvare la lista di attività:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Le tue modifiche sono ancora nell&apos;editor.</translation>
    </message>
</context>
<context>
    <name>TaskText</name>
    <message>
        <source> ***Error List %1 contains no items *** </source>
        <translation> ***Errore: la lista %1 non contiene elementi *** </translation>
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
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Inserisci</translation>
    </message>
    <message>
        <source>Insert a &amp;list item</source>
        <translation>Inserisci un elemento di &amp;lista</translation>
    </message>
    <message>
        <source>&amp;Task</source>
        <translation>&amp;Attività</translation>
    </message>
    <message>
        <source>Task Number</source>
        <translation>Numero attività</translation>
    </message>
    <message>
        <source>Task number</source>
        <translation>Numero attività</translation>
    </message>
    <message>
        <source>Next task</source>
        <translation>Attività successiva</translation>
    </message>
    <message>
        <source>Previous task</source>
        <translation>Attività precedente</translation>
    </message>
    <message>
        <source>Alternate Task Number</source>
        <translation>Numero alternativa</translation>
    </message>
    <message>
        <source>Alternate task number</source>
        <translation>Numero attività alternativa</translation>
    </message>
    <message>
        <source>Next alternate</source>
        <translation>Alternativa successiva</translation>
    </message>
    <message>
        <source>Previous alternate</source>
        <translation>Alternativa precedente</translation>
    </message>
    <message>
        <source>Total Task Time</source>
        <translation>Durata totale</translation>
    </message>
    <message>
        <source>Total task time</source>
        <translation>Durata totale</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Ann&amp;ulla</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>Task Description</source>
        <translation>Descrizione dell&apos;attività</translation>
    </message>
    <message>
        <source>Task description</source>
        <translation>Descrizione dell&apos;attività</translation>
    </message>
    <message>
        <source>The task&apos;s text; Enter starts a new line (%CR%)</source>
        <translation>Il testo dell&apos;attività; Invio va a capo (%CR%)</translation>
    </message>
    <message>
        <source>Create a &amp;new Task List</source>
        <translation>Crea una &amp;nuova lista di attività</translation>
    </message>
    <message>
        <source>&amp;Open an existing task list</source>
        <translation>&amp;Apri una lista di attività esistente</translation>
    </message>
    <message>
        <source>Insert a random &amp;note</source>
        <translation>Inserisci una &amp;nota a caso</translation>
    </message>
    <message>
        <source>Insert a &amp;carriage return</source>
        <translation>Inserisci un a &amp;capo</translation>
    </message>
    <message>
        <source>Insert an item from List 1</source>
        <translation>Inserisci un elemento della lista 1</translation>
    </message>
    <message>
        <source>Insert an item from List 2</source>
        <translation>Inserisci un elemento della lista 2</translation>
    </message>
    <message>
        <source>Insert an item from List 3</source>
        <translation>Inserisci un elemento della lista 3</translation>
    </message>
    <message>
        <source>Insert an item from List 4</source>
        <translation>Inserisci un elemento della lista 4</translation>
    </message>
    <message>
        <source>Insert an item from List 5</source>
        <translation>Inserisci un elemento della lista 5</translation>
    </message>
    <message>
        <source>Insert an item from List 6</source>
        <translation>Inserisci un elemento della lista 6</translation>
    </message>
    <message>
        <source>Insert an item from List 7</source>
        <translation>Inserisci un elemento della lista 7</translation>
    </message>
    <message>
        <source>Insert an item from List 8</source>
        <translation>Inserisci un elemento della lista 8</translation>
    </message>
    <message>
        <source>Insert an item from List 9</source>
        <translation>Inserisci un elemento della lista 9</translation>
    </message>
    <message>
        <source>Insert a &amp;Task</source>
        <translation>Inserisci un&apos;&amp;attività</translation>
    </message>
    <message>
        <source>Insert a &amp;Alternate Task</source>
        <translation>Inserisci un&apos;attività al&amp;ternativa</translation>
    </message>
    <message>
        <source>&amp;Delete This Task</source>
        <translation>&amp;Elimina questa attività</translation>
    </message>
</context>
<context>
    <name>frmeditsonglist</name>
    <message>
        <source>Contents of List</source>
        <translation>Contenuto della lista</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>Current List No.</source>
        <translation>Numero lista</translation>
    </message>
    <message>
        <source>Next list</source>
        <translation>Lista successiva</translation>
    </message>
    <message>
        <source>Previous list</source>
        <translation>Lista precedente</translation>
    </message>
    <message>
        <source>Selected List Item</source>
        <translation>Elemento selezionato</translation>
    </message>
    <message>
        <source>Add the item, or replace the selected one</source>
        <translation>Aggiungi l&apos;elemento o sostituisci quello selezionato</translation>
    </message>
    <message>
        <source>Add item</source>
        <translation>Aggiungi elemento</translation>
    </message>
    <message>
        <source>Delete the selected item</source>
        <translation>Elimina l&apos;elemento selezionato</translation>
    </message>
    <message>
        <source>Delete item</source>
        <translation>Elimina elemento</translation>
    </message>
    <message>
        <source>When does a list item change</source>
        <translation>Cambio di elemento</translation>
    </message>
    <message>
        <source>Ordered selection</source>
        <translation>Selezione in ordine</translation>
    </message>
    <message>
        <source>Random selection</source>
        <translation>Selezione casuale</translation>
    </message>
    <message>
        <source>More sessions before the item changes</source>
        <translation>Più sessioni prima che l&apos;elemento cambi</translation>
    </message>
    <message>
        <source>More sessions</source>
        <translation>Più sessioni</translation>
    </message>
    <message>
        <source>Fewer sessions before the item changes</source>
        <translation>Meno sessioni prima che l&apos;elemento cambi</translation>
    </message>
    <message>
        <source>Fewer sessions</source>
        <translation>Meno sessioni</translation>
    </message>
    <message>
        <source>Currently Selected Item</source>
        <translation>Elemento attuale</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
</context>
<context>
    <name>frmjournal</name>
    <message>
        <source>Practice Journal</source>
        <translation>Diario di studio</translation>
    </message>
    <message>
        <source>Days in a row with practice, up to today (or up to yesterday while today is still ahead)</source>
        <translation>Giorni consecutivi di studio fino a oggi (o fino a ieri, se oggi non hai ancora studiato)</translation>
    </message>
    <message>
        <source>Minutes practised since Monday</source>
        <translation>Minuti di studio da lunedì</translation>
    </message>
    <message>
        <source>The most days in a row with practice so far</source>
        <translation>Il maggior numero di giorni consecutivi di studio finora</translation>
    </message>
    <message>
        <source>Minutes practised since the first of the month</source>
        <translation>Minuti di studio dall&apos;inizio del mese</translation>
    </message>
    <message>
        <source>Minutes per day, the last 30 days</source>
        <translation>Minuti al giorno, ultimi 30 giorni</translation>
    </message>
    <message>
        <source>Minutes practised on each of the last 30 days; point at a bar for its day</source>
        <translation>Minuti di studio in ciascuno degli ultimi 30 giorni; punta una barra per vederne il giorno</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Trova:</translation>
    </message>
    <message>
        <source>How many of the recorded tasks are shown</source>
        <translation>Quante attività registrate sono mostrate</translation>
    </message>
    <message>
        <source>Recorded &amp;tasks, newest first:</source>
        <translation>&amp;Attività registrate, dalla più recente:</translation>
    </message>
    <message>
        <source>Every task practised: when, what, and how long; point at a text to read it whole</source>
        <translation>Ogni attività studiata: quando, cosa e per quanto tempo; punta un testo per leggerlo per intero</translation>
    </message>
    <message>
        <source>Saves the tasks shown as a CSV file for a spreadsheet</source>
        <translation>Salva le attività mostrate in un file CSV per un foglio di calcolo</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Esporta...</translation>
    </message>
    <message>
        <source>Closes the practice journal</source>
        <translation>Chiude il diario di studio</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Shows only the tasks that hold what is typed here in any column, as the table shows it</source>
        <translation>Mostra solo le attività che contengono in una colonna qualsiasi il testo scritto qui, come lo mostra la tabella</translation>
    </message>
    <message>
        <source>A word of the task, a list item, a date, how it ended</source>
        <translation>Una parola dell&apos;attività, un elemento di lista, una data, come è terminata</translation>
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
        <translation>La lista di attività in uso</translation>
    </message>
    <message>
        <source>The task the session is at, or the one Start begins with</source>
        <translation>L&apos;attività a cui è arrivata la sessione, o quella da cui parte Inizia</translation>
    </message>
    <message>
        <source>Start from task</source>
        <translation>Attività iniziale</translation>
    </message>
    <message>
        <source>Next task</source>
        <translation>Attività successiva</translation>
    </message>
    <message>
        <source>Previous task</source>
        <translation>Attività precedente</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>In pausa</translation>
    </message>
    <message>
        <source>Sessions completed in the practice journal, and the minutes practised today</source>
        <translation>Sessioni completate nel diario di studio e minuti di studio di oggi</translation>
    </message>
    <message>
        <source>To Start or Stop this Session Click here</source>
        <translation>Fai clic qui per iniziare o terminare la sessione</translation>
    </message>
    <message>
        <source>To Pause the session click here</source>
        <translation>Fai clic qui per mettere in pausa la sessione</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>To Quit Tallybell click here</source>
        <translation>Fai clic qui per uscire da Tallybell</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>To jump to the next task click here (Alt+N)</source>
        <translation>Fai clic qui per passare all&apos;attività successiva (Alt+N)</translation>
    </message>
    <message>
        <source>Alt+N</source>
        <translation>Alt+N</translation>
    </message>
    <message>
        <source>Next task now</source>
        <translation>Passa subito all&apos;attività successiva</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Task Time</source>
        <translation>&amp;Durata</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>&amp;Open another task list</source>
        <translation>&amp;Apri un&apos;altra lista di attività</translation>
    </message>
    <message>
        <source>&amp;New task list...</source>
        <translation>&amp;Nuova lista di attività...</translation>
    </message>
    <message>
        <source>Make a new task list, holding the options in force, and use it</source>
        <translation>Crea una nuova lista di attività con le opzioni in vigore e usala</translation>
    </message>
    <message>
        <source>Edit Current &amp;Task List</source>
        <translation>&amp;Modifica la lista di attività attuale</translation>
    </message>
    <message>
        <source>Edit &amp;list files</source>
        <translation>Modifica i file delle &amp;liste</translation>
    </message>
    <message>
        <source>Practice &amp;journal</source>
        <translation>&amp;Diario di studio</translation>
    </message>
    <message>
        <source>Streaks, minutes and every task practised</source>
        <translation>Serie, minuti e ogni attività studiata</translation>
    </message>
    <message>
        <source>Disable Screen Saver during countdown</source>
        <translation>Disattiva il salvaschermo durante il conto alla rovescia</translation>
    </message>
    <message>
        <source>General Task Options</source>
        <translation>Opzioni generali</translation>
    </message>
    <message>
        <source>Tallybell &amp;Help Topics</source>
        <translation>&amp;Argomenti della guida di Tallybell</translation>
    </message>
    <message>
        <source>How &amp;to use Help</source>
        <translation>&amp;Come usare la guida</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>&amp;Mute cues</source>
        <translation>&amp;Silenzia i segnali</translation>
    </message>
    <message>
        <source>No bell, no warning and nothing read aloud: the countdown alone</source>
        <translation>Nessun segnale, nessun avviso e nessuna lettura ad alta voce: solo il conto alla rovescia</translation>
    </message>
    <message>
        <source>Keep running in the panel when the window is closed</source>
        <translation>Resta nel pannello quando la finestra viene chiusa</translation>
    </message>
    <message>
        <source>Let media keys control the session</source>
        <translation>Controlla la sessione con i tasti multimediali</translation>
    </message>
</context>
<context>
    <name>frmoptions</name>
    <message>
        <source>Use Full Screen during countdown</source>
        <translation>Schermo intero durante il conto alla rovescia</translation>
    </message>
    <message>
        <source>Play sound between tasks</source>
        <translation>Riproduci un suono tra le attività</translation>
    </message>
    <message>
        <source>Stop between tasks</source>
        <translation>Fermati tra le attività</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>Current Sound File</source>
        <translation>File audio attuale</translation>
    </message>
    <message>
        <source>Current sound file</source>
        <translation>File audio attuale</translation>
    </message>
    <message>
        <source>Select new sound file</source>
        <translation>Scegli un altro file audio</translation>
    </message>
    <message>
        <source>Play sound file</source>
        <translation>Riproduci il file audio</translation>
    </message>
    <message>
        <source>Current Task List</source>
        <translation>Lista di attività attuale</translation>
    </message>
    <message>
        <source>Current task list</source>
        <translation>Lista di attività attuale</translation>
    </message>
    <message>
        <source>Select new task list</source>
        <translation>Scegli un&apos;altra lista di attività</translation>
    </message>
    <message>
        <source>Create new task list</source>
        <translation>Crea una nuova lista di attività</translation>
    </message>
    <message>
        <source>Note &amp;names:</source>
        <translation>&amp;Nomi delle note:</translation>
    </message>
    <message>
        <source>How a random note (%note%) is named in the task texts</source>
        <translation>Come viene chiamata una nota a caso (%note%) nei testi delle attività</translation>
    </message>
    <message>
        <source>&amp;Warn before a task ends:</source>
        <translation>&amp;Avvisa prima della fine dell&apos;attività:</translation>
    </message>
    <message>
        <source>A soft sound this long before each task&apos;s time is up, and the timer in another colour; tasks shorter than twice this get none</source>
        <translation>Un suono leggero questo tempo prima della fine di ogni attività, e il timer di un altro colore; le attività più brevi del doppio non lo hanno</translation>
    </message>
    <message>
        <source>Read each task &amp;aloud</source>
        <translation>&amp;Leggi ad alta voce ogni attività</translation>
    </message>
    <message>
        <source>Speaking &amp;rate:</source>
        <translation>&amp;Velocità di lettura:</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tallybell is not running.</source>
        <translation>Tallybell non è in esecuzione.</translation>
    </message>
</context>
<context>
    <name>tb::HelpWindow</name>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Avanti</translation>
    </message>
    <message>
        <source>&amp;Home</source>
        <translation>&amp;Pagina iniziale</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <source>Go back to the page you saw before (Alt+Left)</source>
        <translation>Torna alla pagina vista prima (Alt+Freccia sinistra)</translation>
    </message>
    <message>
        <source>Go forward again (Alt+Right)</source>
        <translation>Vai di nuovo avanti (Alt+Freccia destra)</translation>
    </message>
    <message>
        <source>Go to the first page this help window showed</source>
        <translation>Vai alla prima pagina mostrata da questa finestra della guida</translation>
    </message>
    <message>
        <source>Show the list of all help pages</source>
        <translation>Mostra l&apos;elenco di tutte le pagine della guida</translation>
    </message>
    <message>
        <source> Help</source>
        <translation> - Guida</translation>
    </message>
</context>
<context>
    <name>tb::JournalTableModel</name>
    <message>
        <source>Started</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Attività</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>List items</source>
        <translation>Elementi di lista</translation>
    </message>
    <message>
        <source>Planned</source>
        <translation>Previsto</translation>
    </message>
    <message>
        <source>Practised</source>
        <translation>Studiato</translation>
    </message>
    <message>
        <source>Ended by</source>
        <translation>Conclusione</translation>
    </message>
</context>
<context>
    <name>tb::PanelIcon</name>
    <message>
        <source>&amp;Next task</source>
        <translation>Attività &amp;successiva</translation>
    </message>
    <message>
        <source>&amp;Hide window</source>
        <translation>&amp;Nascondi finestra</translation>
    </message>
    <message>
        <source>&amp;Show window</source>
        <translation>&amp;Mostra finestra</translation>
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
        <translation>Non c&apos;è una guida per questo elemento (argomento %1).</translation>
    </message>
</context>
<context>
    <name>tb::frmeditsonglist</name>
    <message>
        <source>Make &amp;current item</source>
        <translation>Rendi elemento &amp;attuale</translation>
    </message>
    <message>
        <source>&amp;Delete item</source>
        <translation>&amp;Elimina elemento</translation>
    </message>
</context>
</TS>
