<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutForm</name>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>Copyright (C) %1 %2. All rights reserved.</source>
        <translation>Copyright (C) %1 %2. Tous droits réservés.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>%1 is provided as is, without warranty of any kind, express or implied, including its fitness for a particular purpose. You use it at your own risk: %2 is not responsible for any loss or damage that arises from its use.</source>
        <translation>%1 est fourni tel quel, sans garantie d&apos;aucune sorte, expresse ou implicite, y compris quant à son adéquation à un usage particulier. Vous l&apos;utilisez à vos propres risques&#xa0;: %2 n&apos;est responsable d&apos;aucune perte ni d&apos;aucun dommage résultant de son utilisation.</translation>
    </message>
    <message>
        <source>Click here to go to %1 Web Page</source>
        <translation>Cliquez ici pour visiter le site web %1</translation>
    </message>
    <message>
        <source>Click here to write to %1 with your comments</source>
        <translation>Cliquez ici pour écrire à %1 et donner votre avis</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Start a session (and Tallybell, when it is not running).</source>
        <translation>Démarrer une séance (et Tallybell, s&apos;il n&apos;est pas lancé).</translation>
    </message>
    <message>
        <source>Stop the session.</source>
        <translation>Arrêter la séance.</translation>
    </message>
    <message>
        <source>Pause the session.</source>
        <translation>Mettre la séance en pause.</translation>
    </message>
    <message>
        <source>Resume the paused session.</source>
        <translation>Reprendre la séance en pause.</translation>
    </message>
    <message>
        <source>Pause the session, or resume it when it is paused.</source>
        <translation>Mettre la séance en pause, ou la reprendre si elle est en pause.</translation>
    </message>
    <message>
        <source>Go on to the next task.</source>
        <translation>Passer à la tâche suivante.</translation>
    </message>
    <message>
        <source>Show the window (and start Tallybell when it is not running).</source>
        <translation>Afficher la fenêtre (et lancer Tallybell s&apos;il n&apos;est pas lancé).</translation>
    </message>
    <message>
        <source>Print the session&apos;s state, task, task text and time left, one a line.</source>
        <translation>Afficher l&apos;état de la séance, la tâche, son texte et le temps restant, un par ligne.</translation>
    </message>
    <message>
        <source>A practice-session timer. With a command, tells the running Tallybell what to do.</source>
        <translation>Un minuteur de séances de pratique. Avec une commande, dit au Tallybell lancé quoi faire.</translation>
    </message>
    <message>
        <source>Print this help and end.</source>
        <translation>Afficher cette aide et terminer.</translation>
    </message>
    <message>
        <source>Print the version and end.</source>
        <translation>Afficher la version et terminer.</translation>
    </message>
    <message>
        <source>Every task 10 seconds long, to try a task list.</source>
        <translation>Chaque tâche dure 10 secondes, pour essayer une liste de tâches.</translation>
    </message>
    <message>
        <source>Give one command at a time.</source>
        <translation>Donnez une seule commande à la fois.</translation>
    </message>
</context>
<context>
    <name>DBusScreenSaver</name>
    <message>
        <source>A practice session is running</source>
        <translation>Une séance de pratique est en cours</translation>
    </message>
</context>
<context>
    <name>GuardedApplication</name>
    <message>
        <source>an error of unknown kind</source>
        <translation>une erreur de nature inconnue</translation>
    </message>
    <message>
        <source>An unexpected error occurred:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
The last action may not have been completed. Your task lists and list files are as they were last saved.</source>
        <translation>Une erreur inattendue s&apos;est produite&#xa0;:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
La dernière action n&apos;a peut-être pas abouti. Vos listes de tâches et vos fichiers de listes sont tels qu&apos;ils ont été enregistrés en dernier.</translation>
    </message>
</context>
<context>
    <name>JournalCsv</name>
    <message>
        <source>Started</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Tâche</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>List items</source>
        <translation>Éléments de liste</translation>
    </message>
    <message>
        <source>Planned seconds</source>
        <translation>Secondes prévues</translation>
    </message>
    <message>
        <source>Practised seconds</source>
        <translation>Secondes pratiquées</translation>
    </message>
    <message>
        <source>Ending</source>
        <translation>Motif de fin</translation>
    </message>
</context>
<context>
    <name>JournalForm</name>
    <message>
        <source>No tasks recorded yet</source>
        <translation>Aucune tâche enregistrée pour l&apos;instant</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Export the practice journal</source>
        <translation>Exporter le journal de pratique</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>practice journal</source>
        <translation>journal de pratique</translation>
    </message>
    <message>
        <source>Couldn&apos;t export the practice journal<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Impossible d&apos;exporter le journal de pratique<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>%1 - Disk Error</source>
        <translation>%1 - Erreur de disque</translation>
    </message>
    <message>
        <source>Exported %1 to<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Journal exporté (%1) vers<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>%1 - Export</source>
        <translation>%1 - Exportation</translation>
    </message>
    <message numerus="yes">
        <source>%n task(s)</source>
        <translation>
            <numerusform>%n tâche</numerusform>
            <numerusform>%n tâches</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Current streak: %n day(s)</source>
        <translation>
            <numerusform>Série en cours&#xa0;: %n jour</numerusform>
            <numerusform>Série en cours&#xa0;: %n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Longest streak: %n day(s)</source>
        <translation>
            <numerusform>Plus longue série&#xa0;: %n jour</numerusform>
            <numerusform>Plus longue série&#xa0;: %n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This week: %n minute(s)</source>
        <translation>
            <numerusform>Cette semaine&#xa0;: %n minute</numerusform>
            <numerusform>Cette semaine&#xa0;: %n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This month: %n minute(s)</source>
        <translation>
            <numerusform>Ce mois-ci&#xa0;: %n minute</numerusform>
            <numerusform>Ce mois-ci&#xa0;: %n minutes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>JournalText</name>
    <message>
        <source>Time up</source>
        <translation>Temps écoulé</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Passée</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Arrêtée</translation>
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
        <translation>Une erreur de disque s&apos;est produite à l&apos;ouverture de la liste<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>*** No Song Currently Selected ***</source>
        <translation>*** Aucun élément sélectionné ***</translation>
    </message>
    <message>
        <source>%1 Edit List Files</source>
        <translation>%1 - Modifier les fichiers de listes</translation>
    </message>
    <message>
        <source>This list file is too large to edit here (%1 MB; at most %2 MB)<byte value="xd"/>
<byte value="xd"/>
%3</source>
        <translation>Ce fichier de liste est trop volumineux pour être modifié ici (%1 Mo&#xa0;; %2 Mo au plus)<byte value="xd"/>
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
        <translation>La liste %1 a été modifiée par un autre programme depuis son ouverture ici&#xa0;:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Oui&#xa0;: enregistrer la liste telle qu&apos;elle est ici, par-dessus ces modifications.<byte value="xd"/>
Non&#xa0;: afficher la liste telle qu&apos;elle est maintenant&#xa0;; les modifications faites ici sont abandonnées.<byte value="xd"/>
Annuler&#xa0;: revenir à la liste.</translation>
    </message>
    <message>
        <source>A disk error has occurred trying to save this list file<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Une erreur de disque s&apos;est produite à l&apos;enregistrement de ce fichier de liste<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message numerus="yes">
        <source>Change list item after %n practice session(s)</source>
        <translation>
            <numerusform>Changer d&apos;élément après %n séance</numerusform>
            <numerusform>Changer d&apos;élément après %n séances</numerusform>
        </translation>
    </message>
    <message>
        <source>You must type a list item in the Selected List Item to add a new list item</source>
        <translation>Pour ajouter un élément, saisissez-le d&apos;abord dans «&#xa0;Élément sélectionné&#xa0;».</translation>
    </message>
    <message>
        <source>Are you sure you wish to delete this list item?</source>
        <translation>Voulez-vous vraiment supprimer cet élément de la liste&#xa0;?</translation>
    </message>
    <message>
        <source>Are you sure you want to make this Item the current Item?</source>
        <translation>Voulez-vous vraiment faire de cet élément l&apos;élément actuel&#xa0;?</translation>
    </message>
    <message>
        <source>The items of list %1 have been changed.<byte value="xd"/>
<byte value="xd"/>
Do you want to save the changes?</source>
        <translation>Les éléments de la liste %1 ont été modifiés.<byte value="xd"/>
<byte value="xd"/>
Voulez-vous enregistrer les modifications&#xa0;?</translation>
    </message>
</context>
<context>
    <name>LocalSingleInstance</name>
    <message>
        <source>%1 cannot be made: %2.</source>
        <translation>Impossible de créer %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 is a link, not a folder.</source>
        <translation>%1 est un lien, pas un dossier.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 n&apos;est pas un dossier.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>Impossible d&apos;ouvrir %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>Impossible de lire %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 belongs to another user.</source>
        <translation>%1 appartient à un autre utilisateur.</translation>
    </message>
    <message>
        <source>%1 cannot be closed to other users: %2.</source>
        <translation>Impossible de fermer %1 aux autres utilisateurs&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 answers, but not as Tallybell does.</source>
        <translation>%1 répond, mais pas comme le fait Tallybell.</translation>
    </message>
    <message>
        <source>%1 cannot be opened for later starts: %2.</source>
        <translation>Impossible d&apos;ouvrir %1 pour les démarrages suivants&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 is a link, not a socket.</source>
        <translation>%1 est un lien, pas un socket.</translation>
    </message>
    <message>
        <source>%1 is not a socket.</source>
        <translation>%1 n&apos;est pas un socket.</translation>
    </message>
    <message>
        <source>The running Tallybell did not answer.</source>
        <translation>Le Tallybell lancé n&apos;a pas répondu.</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <source>No Tasks exist in this Task List, Would you like to add some?</source>
        <translation>Cette liste de tâches ne contient aucune tâche. Voulez-vous en ajouter&#xa0;?</translation>
    </message>
    <message>
        <source>Paused...Click on the Pause Button to resume</source>
        <translation>En pause... Cliquez sur Reprendre pour continuer.</translation>
    </message>
    <message>
        <source>All Tasks Completed, Congratulations!!!</source>
        <translation>Toutes les tâches sont terminées. Félicitations&#xa0;!</translation>
    </message>
    <message>
        <source>The time is up on this task</source>
        <translation>Le temps de cette tâche est écoulé</translation>
    </message>
    <message>
        <source>Or press any key.</source>
        <translation>Ou appuyez sur n&apos;importe quelle touche.</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Démarrer</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>%1 - Disk Error</source>
        <translation>%1 - Erreur de disque</translation>
    </message>
    <message>
        <source>%1 cannot make sure that it runs only once:<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Two copies at once would overwrite each other&apos;s files. Start anyway?</source>
        <translation>%1 ne peut pas s&apos;assurer qu&apos;il ne tourne qu&apos;une seule fois&#xa0;:<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Deux exemplaires ouverts en même temps écraseraient mutuellement leurs fichiers. Démarrer quand même&#xa0;?</translation>
    </message>
    <message>
        <source>%1 Minutes</source>
        <translation>%1 minutes</translation>
    </message>
    <message>
        <source>Couldn&apos;t copy the default settings file<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
to %2<byte value="xd"/>
<byte value="xd"/>
%3</source>
        <translation>Impossible de copier le fichier de réglages par défaut<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
vers %2<byte value="xd"/>
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
        <translation>Impossible de lire la liste de tâches<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
La liste de tâches est laissée telle quelle et n&apos;affiche aucune tâche. Choisissez-en une autre avec «&#xa0;Ouvrir une autre liste de tâches&#xa0;» dans le menu Fichier.</translation>
    </message>
    <message>
        <source>Couldn&apos;t write to the practice journal<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
The session goes on, but what is practised may not be recorded; this message is not repeated until the program is started again.</source>
        <translation>Impossible d&apos;écrire dans le journal de pratique<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
La séance continue, mais ce que vous pratiquez risque de ne pas être enregistré&#xa0;; ce message ne sera plus affiché avant le prochain démarrage du programme.</translation>
    </message>
    <message>
        <source>Couldn&apos;t save the settings file<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
The file on disk is unchanged. Later changes to it may not be kept either; this message is not repeated until the program is started again.</source>
        <translation>Impossible d&apos;enregistrer le fichier de réglages<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Le fichier sur le disque n&apos;a pas changé. Les modifications suivantes risquent de ne pas être conservées non plus&#xa0;; ce message ne sera plus affiché avant le prochain démarrage du programme.</translation>
    </message>
    <message>
        <source>Task %1 of %2</source>
        <translation>Tâche %1 sur %2</translation>
    </message>
    <message>
        <source>Start: task %1 of %2</source>
        <translation>Départ&#xa0;: tâche %1 sur %2</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Reprendre</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>Sessions completed: %1 · Today: %2</source>
        <translation>Séances terminées&#xa0;: %1 · Aujourd&apos;hui&#xa0;: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t play the sound<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Impossible de jouer le son<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>That was the last task of the session.</source>
        <translation>C&apos;était la dernière tâche de la séance.</translation>
    </message>
    <message>
        <source>Next: task %1 of %2.</source>
        <translation>Suivante&#xa0;: tâche %1 sur %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message>
        <source>This desktop has no panel for status icons, so closing the window quits Tallybell.</source>
        <translation>Ce bureau n&apos;a pas de zone pour les icônes d&apos;état&#xa0;: fermer la fenêtre quitte donc Tallybell.</translation>
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
        <translation>Ré</translation>
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
        <translation>Choisir une autre liste de tâches</translation>
    </message>
    <message>
        <source>Create new task list</source>
        <translation>Créer une liste de tâches</translation>
    </message>
    <message>
        <source>The task list cannot be changed while a session runs or is paused</source>
        <translation>Impossible de changer de liste de tâches pendant une séance, même en pause</translation>
    </message>
    <message>
        <source>%1 - General task options</source>
        <translation>%1 - Options générales</translation>
    </message>
    <message>
        <source>No sound output device was found</source>
        <translation>Aucune sortie audio n&apos;a été trouvée</translation>
    </message>
    <message>
        <source>Couldn&apos;t play the sound<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Impossible de jouer le son<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Créer</translation>
    </message>
    <message>
        <source>Please select a sound file</source>
        <translation>Choisir un fichier son</translation>
    </message>
    <message>
        <source>Sound Files</source>
        <translation>Fichiers son</translation>
    </message>
    <message>
        <source>Please select a Task File</source>
        <translation>Choisir une liste de tâches</translation>
    </message>
    <message>
        <source>Setting files</source>
        <translation>Fichiers de réglages</translation>
    </message>
    <message>
        <source>This task list cannot be used:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Impossible d&apos;utiliser cette liste de tâches&#xa0;:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Create a new task list</source>
        <translation>Créer une liste de tâches</translation>
    </message>
    <message>
        <source>This settings file already exists<byte value="xd"/>
Do you want to overwrite it?</source>
        <translation>Ce fichier de réglages existe déjà.<byte value="xd"/>
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
was changed by another program just now.<byte value="xd"/>
<byte value="xd"/>
Do you want to overwrite it all the same?</source>
        <translation>%1<byte value="xd"/>
vient d&apos;être modifié par un autre programme.<byte value="xd"/>
<byte value="xd"/>
Voulez-vous le remplacer quand même&#xa0;?</translation>
    </message>
    <message>
        <source>A Disk Error has occurred while creating the new file 

<byte value="xd"/>%1 %2

<byte value="xd"/>Please retry later when the problem has been solved</source>
        <translation>Une erreur de disque s&apos;est produite lors de la création du nouveau fichier 

<byte value="xd"/>%1 %2

<byte value="xd"/>Veuillez réessayer une fois le problème résolu.</translation>
    </message>
    <message>
        <source>As the language has it</source>
        <translation>Selon la langue</translation>
    </message>
    <message>
        <source>Letters: C D E F G A B</source>
        <translation>Lettres&#xa0;: C D E F G A B</translation>
    </message>
    <message>
        <source>German letters: C D E F G A H</source>
        <translation>Lettres allemandes&#xa0;: C D E F G A H</translation>
    </message>
    <message>
        <source>Fixed do: Do Re Mi Fa Sol La Si</source>
        <translation>Do fixe&#xa0;: Do Ré Mi Fa Sol La Si</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
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
        <translation>Plus lent</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Plus rapide</translation>
    </message>
    <message>
        <source>No speech engine for this language was found: install speech-dispatcher with espeak-ng, or flite for English</source>
        <translation>Aucun moteur de synthèse vocale n&apos;a été trouvé pour cette langue&#xa0;: installez speech-dispatcher avec espeak-ng, ou flite pour l&apos;anglais</translation>
    </message>
    <message>
        <source>When a task begins, its text and its length are spoken, after the bell</source>
        <translation>Au début de chaque tâche, son texte et sa durée sont lus à voix haute, après la sonnerie</translation>
    </message>
    <message>
        <source>How fast the tasks are read aloud</source>
        <translation>La vitesse à laquelle les tâches sont lues</translation>
    </message>
</context>
<context>
    <name>PanelLook</name>
    <message numerus="yes">
        <source>%n minute(s) left</source>
        <translation>
            <numerusform>%n minute restante</numerusform>
            <numerusform>%n minutes restantes</numerusform>
        </translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
</context>
<context>
    <name>PracticeChart</name>
    <message numerus="yes">
        <source>%1: %n minute(s)</source>
        <translation>
            <numerusform>%1&#xa0;: %n minute</numerusform>
            <numerusform>%1&#xa0;: %n minutes</numerusform>
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
        <translation>Tallybell n&apos;a pas pu créer de dossier personnel pour la liste de tâches, les fichiers de listes et la sonnerie&#xa0;:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Il utilise son propre dossier à la place&#xa0;:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The home folder is not known (HOME is not set).</source>
        <translation>Le dossier personnel est inconnu (HOME n&apos;est pas défini).</translation>
    </message>
    <message>
        <source>Tallybell cannot write in its own folder<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
so it keeps the task list, the list files and the bell in<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
from now on. Your task list was copied there; the one in the program&apos;s folder is left as it is.</source>
        <translation>Tallybell ne peut pas écrire dans son propre dossier<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
et conserve donc désormais la liste de tâches, les fichiers de listes et la sonnerie dans<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Votre liste de tâches y a été copiée&#xa0;; celle du dossier du programme reste telle quelle.</translation>
    </message>
    <message>
        <source>Tallybell could not copy its default files into<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Tallybell n&apos;a pas pu copier ses fichiers par défaut dans<byte value="xd"/>
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
        <translation>Aucun programme de cet ordinateur n&apos;a pu créer de message électronique. Vous pouvez écrire à cette adresse avec votre logiciel de messagerie&#xa0;:

%1</translation>
    </message>
    <message>
        <source>No program on this computer could open the web page. You can copy its address into a web browser:

%1</source>
        <translation>Aucun programme de cet ordinateur n&apos;a pu ouvrir la page web. Vous pouvez copier son adresse dans un navigateur web&#xa0;:

%1</translation>
    </message>
</context>
<context>
    <name>Registry</name>
    <message>
        <source>There is no folder for it: neither XDG_CONFIG_HOME nor HOME is set.</source>
        <translation>Il n&apos;y a pas de dossier où l&apos;enregistrer&#xa0;: ni XDG_CONFIG_HOME ni HOME n&apos;est défini.</translation>
    </message>
    <message>
        <source>This name or text cannot be stored (a line break, or &quot;=&quot; in the name).</source>
        <translation>Ce nom ou ce texte ne peut pas être enregistré (saut de ligne, ou «&#xa0;=&#xa0;» dans le nom).</translation>
    </message>
    <message>
        <source>Error Creating Key: %1</source>
        <translation>Erreur lors de la création de la clé&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>RemoteControl</name>
    <message>
        <source>stopped</source>
        <translation>arrêtée</translation>
    </message>
    <message>
        <source>paused</source>
        <translation>en pause</translation>
    </message>
    <message>
        <source>time up</source>
        <translation>temps écoulé</translation>
    </message>
    <message>
        <source>running</source>
        <translation>en cours</translation>
    </message>
    <message>
        <source>task %1 of %2</source>
        <translation>tâche %1 sur %2</translation>
    </message>
    <message>
        <source>Tallybell is waiting for an answer to its message.</source>
        <translation>Tallybell attend une réponse à son message.</translation>
    </message>
    <message>
        <source>A session is running already.</source>
        <translation>Une séance est déjà en cours.</translation>
    </message>
    <message>
        <source>No session is running.</source>
        <translation>Aucune séance n&apos;est en cours.</translation>
    </message>
    <message>
        <source>The session is paused already.</source>
        <translation>La séance est déjà en pause.</translation>
    </message>
    <message>
        <source>The session is not paused.</source>
        <translation>La séance n&apos;est pas en pause.</translation>
    </message>
    <message>
        <source>The window does not take that now.</source>
        <translation>La fenêtre ne l&apos;accepte pas pour l&apos;instant.</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>Not a regular file</source>
        <translation>Ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1: %2 MB, at most %3 MB</source>
        <translation>%1&#xa0;: %2 Mo, %3 Mo au plus</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>It is not a wave file.</source>
        <translation>Ce n&apos;est pas un fichier WAV.</translation>
    </message>
    <message>
        <source>Its description of the sound is damaged.</source>
        <translation>La description du son qu&apos;il contient est endommagée.</translation>
    </message>
    <message>
        <source>Its sound comes without a description of it.</source>
        <translation>Le son qu&apos;il contient n&apos;est accompagné d&apos;aucune description.</translation>
    </message>
    <message>
        <source>It is cut short: it holds less sound than its header says.</source>
        <translation>Il est tronqué&#xa0;: il contient moins de son que ne l&apos;indique son en-tête.</translation>
    </message>
    <message>
        <source>It holds no sound.</source>
        <translation>Il ne contient aucun son.</translation>
    </message>
    <message>
        <source>It lasts %1 seconds; a bell may last %2 seconds at most.</source>
        <translation>Il dure %1 secondes&#xa0;; une sonnerie peut durer %2 secondes au plus.</translation>
    </message>
</context>
<context>
    <name>SpokenText</name>
    <message numerus="yes">
        <source>%n minute(s).</source>
        <translation>
            <numerusform>%n minute.</numerusform>
            <numerusform>%n minutes.</numerusform>
        </translation>
    </message>
    <message>
        <source>Session complete.</source>
        <translation>Séance terminée.</translation>
    </message>
</context>
<context>
    <name>TaskEditorForm</name>
    <message>
        <source>Any Changes you may have made will be lost, are you sure you want to do this?</source>
        <translation>Les modifications que vous avez faites seront perdues. Voulez-vous vraiment continuer&#xa0;?</translation>
    </message>
    <message>
        <source>Inserting a task here will cause the task Number 9 to be lost, Are you sure you want to do this?</source>
        <translation>Insérer une tâche ici fera perdre la tâche n° 9. Voulez-vous vraiment continuer&#xa0;?</translation>
    </message>
    <message>
        <source>Sorry you can&apos;t insert another task here, you can only have a total of 9 tasks</source>
        <translation>Désolé, impossible d&apos;insérer une autre tâche ici&#xa0;: une liste compte 9 tâches au plus.</translation>
    </message>
    <message>
        <source>Inserting a new alternate task here will cause the alternate task Number 9 to be lost, Are you sure you want to do this?</source>
        <translation>Insérer une tâche alternative ici fera perdre la tâche alternative n° 9. Voulez-vous vraiment continuer&#xa0;?</translation>
    </message>
    <message>
        <source>Sorry you can&apos;t insert another task here, you can only have a total of 9 alternate tasks</source>
        <translation>Désolé, impossible d&apos;insérer une autre tâche ici&#xa0;: une tâche compte 9 tâches alternatives au plus.</translation>
    </message>
    <message>
        <source>Another task list cannot be opened or made while a session runs or is paused</source>
        <translation>Impossible d&apos;ouvrir ou de créer une autre liste de tâches pendant une séance, même en pause</translation>
    </message>
    <message>
        <source>%1 Error</source>
        <translation>%1 - Erreur</translation>
    </message>
    <message>
        <source>%1 Minutes</source>
        <translation>%1 minutes</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>%1 - %2 (not the task list in use)</source>
        <translation>%1 - %2 (pas la liste de tâches utilisée)</translation>
    </message>
    <message>
        <source>The task list in use is now &quot;%2&quot;. Your changes to &quot;%1&quot; are not saved.<byte value="xd"/>
<byte value="xd"/>
Yes: save them to &quot;%1&quot;, then edit &quot;%2&quot;.<byte value="xd"/>
No: drop them and edit &quot;%2&quot;.<byte value="xd"/>
Cancel: go on editing &quot;%1&quot;.</source>
        <translation>La liste de tâches utilisée est désormais «&#xa0;%2&#xa0;». Vos modifications de «&#xa0;%1&#xa0;» ne sont pas enregistrées.<byte value="xd"/>
<byte value="xd"/>
Oui&#xa0;: les enregistrer dans «&#xa0;%1&#xa0;», puis modifier «&#xa0;%2&#xa0;».<byte value="xd"/>
Non&#xa0;: les abandonner et modifier «&#xa0;%2&#xa0;».<byte value="xd"/>
Annuler&#xa0;: continuer à modifier «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The tasks of &quot;%1&quot; were changed by another program since they were opened here:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Yes: save the tasks as they are here, over those changes.<byte value="xd"/>
No: show the tasks as they are now; the changes made here are dropped.<byte value="xd"/>
Cancel: go back to the tasks.</source>
        <translation>Les tâches de «&#xa0;%1&#xa0;» ont été modifiées par un autre programme depuis leur ouverture ici&#xa0;:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Oui&#xa0;: enregistrer les tâches telles qu&apos;elles sont ici, par-dessus ces modifications.<byte value="xd"/>
Non&#xa0;: afficher les tâches telles qu&apos;elles sont maintenant&#xa0;; les modifications faites ici sont abandonnées.<byte value="xd"/>
Annuler&#xa0;: revenir aux tâches.</translation>
    </message>
    <message>
        <source>The task list could not be saved:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Your changes are still in the editor.</source>
        <translation>Impossible d&apos;enregistrer la liste de tâches&#xa0;:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Vos modifications sont toujours dans l&apos;éditeur.</translation>
    </message>
</context>
<context>
    <name>TaskText</name>
    <message>
        <source> ***Error List %1 contains no items *** </source>
        <translation> ***Erreur&#xa0;: la liste %1 ne contient aucun élément *** </translation>
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
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Insérer</translation>
    </message>
    <message>
        <source>Insert a &amp;list item</source>
        <translation>Insérer un élément de &amp;liste</translation>
    </message>
    <message>
        <source>&amp;Task</source>
        <translation>&amp;Tâche</translation>
    </message>
    <message>
        <source>Task Number</source>
        <translation>Numéro de tâche</translation>
    </message>
    <message>
        <source>Task number</source>
        <translation>Numéro de tâche</translation>
    </message>
    <message>
        <source>Next task</source>
        <translation>Tâche suivante</translation>
    </message>
    <message>
        <source>Previous task</source>
        <translation>Tâche précédente</translation>
    </message>
    <message>
        <source>Alternate Task Number</source>
        <translation>Numéro de tâche alternative</translation>
    </message>
    <message>
        <source>Alternate task number</source>
        <translation>Numéro de tâche alternative</translation>
    </message>
    <message>
        <source>Next alternate</source>
        <translation>Tâche alternative suivante</translation>
    </message>
    <message>
        <source>Previous alternate</source>
        <translation>Tâche alternative précédente</translation>
    </message>
    <message>
        <source>Total Task Time</source>
        <translation>Durée totale</translation>
    </message>
    <message>
        <source>Total task time</source>
        <translation>Durée totale</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>Task Description</source>
        <translation>Description de la tâche</translation>
    </message>
    <message>
        <source>Task description</source>
        <translation>Description de la tâche</translation>
    </message>
    <message>
        <source>The task&apos;s text; Enter starts a new line (%CR%)</source>
        <translation>Le texte de la tâche&#xa0;; Entrée commence une nouvelle ligne (%CR%)</translation>
    </message>
    <message>
        <source>Create a &amp;new Task List</source>
        <translation>Créer une &amp;nouvelle liste de tâches</translation>
    </message>
    <message>
        <source>&amp;Open an existing task list</source>
        <translation>&amp;Ouvrir une liste de tâches existante</translation>
    </message>
    <message>
        <source>Insert a random &amp;note</source>
        <translation>Insérer une &amp;note au hasard</translation>
    </message>
    <message>
        <source>Insert a &amp;carriage return</source>
        <translation>Insérer un &amp;saut de ligne</translation>
    </message>
    <message>
        <source>Insert an item from List 1</source>
        <translation>Insérer un élément de la liste 1</translation>
    </message>
    <message>
        <source>Insert an item from List 2</source>
        <translation>Insérer un élément de la liste 2</translation>
    </message>
    <message>
        <source>Insert an item from List 3</source>
        <translation>Insérer un élément de la liste 3</translation>
    </message>
    <message>
        <source>Insert an item from List 4</source>
        <translation>Insérer un élément de la liste 4</translation>
    </message>
    <message>
        <source>Insert an item from List 5</source>
        <translation>Insérer un élément de la liste 5</translation>
    </message>
    <message>
        <source>Insert an item from List 6</source>
        <translation>Insérer un élément de la liste 6</translation>
    </message>
    <message>
        <source>Insert an item from List 7</source>
        <translation>Insérer un élément de la liste 7</translation>
    </message>
    <message>
        <source>Insert an item from List 8</source>
        <translation>Insérer un élément de la liste 8</translation>
    </message>
    <message>
        <source>Insert an item from List 9</source>
        <translation>Insérer un élément de la liste 9</translation>
    </message>
    <message>
        <source>Insert a &amp;Task</source>
        <translation>Insérer une &amp;tâche</translation>
    </message>
    <message>
        <source>Insert a &amp;Alternate Task</source>
        <translation>Insérer une tâche &amp;alternative</translation>
    </message>
    <message>
        <source>&amp;Delete This Task</source>
        <translation>&amp;Supprimer cette tâche</translation>
    </message>
</context>
<context>
    <name>frmeditsonglist</name>
    <message>
        <source>Contents of List</source>
        <translation>Contenu de la liste</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>Current List No.</source>
        <translation>Numéro de liste</translation>
    </message>
    <message>
        <source>Next list</source>
        <translation>Liste suivante</translation>
    </message>
    <message>
        <source>Previous list</source>
        <translation>Liste précédente</translation>
    </message>
    <message>
        <source>Selected List Item</source>
        <translation>Élément sélectionné</translation>
    </message>
    <message>
        <source>Add the item, or replace the selected one</source>
        <translation>Ajouter l&apos;élément, ou remplacer celui qui est sélectionné</translation>
    </message>
    <message>
        <source>Add item</source>
        <translation>Ajouter l&apos;élément</translation>
    </message>
    <message>
        <source>Delete the selected item</source>
        <translation>Supprimer l&apos;élément sélectionné</translation>
    </message>
    <message>
        <source>Delete item</source>
        <translation>Supprimer l&apos;élément</translation>
    </message>
    <message>
        <source>When does a list item change</source>
        <translation>Changement d&apos;élément</translation>
    </message>
    <message>
        <source>Ordered selection</source>
        <translation>Sélection dans l&apos;ordre</translation>
    </message>
    <message>
        <source>Random selection</source>
        <translation>Sélection au hasard</translation>
    </message>
    <message>
        <source>More sessions before the item changes</source>
        <translation>Plus de séances avant le changement d&apos;élément</translation>
    </message>
    <message>
        <source>More sessions</source>
        <translation>Plus de séances</translation>
    </message>
    <message>
        <source>Fewer sessions before the item changes</source>
        <translation>Moins de séances avant le changement d&apos;élément</translation>
    </message>
    <message>
        <source>Fewer sessions</source>
        <translation>Moins de séances</translation>
    </message>
    <message>
        <source>Currently Selected Item</source>
        <translation>Élément actuel</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
</context>
<context>
    <name>frmjournal</name>
    <message>
        <source>Practice Journal</source>
        <translation>Journal de pratique</translation>
    </message>
    <message>
        <source>Days in a row with practice, up to today (or up to yesterday while today is still ahead)</source>
        <translation>Jours consécutifs de pratique jusqu&apos;à aujourd&apos;hui (ou jusqu&apos;à hier si vous n&apos;avez pas encore pratiqué aujourd&apos;hui)</translation>
    </message>
    <message>
        <source>Minutes practised since Monday</source>
        <translation>Minutes de pratique depuis lundi</translation>
    </message>
    <message>
        <source>The most days in a row with practice so far</source>
        <translation>Le plus grand nombre de jours consécutifs de pratique jusqu&apos;ici</translation>
    </message>
    <message>
        <source>Minutes practised since the first of the month</source>
        <translation>Minutes de pratique depuis le début du mois</translation>
    </message>
    <message>
        <source>Minutes per day, the last 30 days</source>
        <translation>Minutes par jour, sur les 30 derniers jours</translation>
    </message>
    <message>
        <source>Minutes practised on each of the last 30 days; point at a bar for its day</source>
        <translation>Minutes de pratique pour chacun des 30 derniers jours&#xa0;; pointez une barre pour voir son jour</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Rechercher&#xa0;:</translation>
    </message>
    <message>
        <source>How many of the recorded tasks are shown</source>
        <translation>Nombre de tâches enregistrées affichées</translation>
    </message>
    <message>
        <source>Recorded &amp;tasks, newest first:</source>
        <translation>&amp;Tâches enregistrées, les plus récentes d&apos;abord&#xa0;:</translation>
    </message>
    <message>
        <source>Every task practised: when, what, and how long; point at a text to read it whole</source>
        <translation>Chaque tâche pratiquée&#xa0;: quand, quoi et combien de temps&#xa0;; pointez un texte pour le lire en entier</translation>
    </message>
    <message>
        <source>Saves the tasks shown as a CSV file for a spreadsheet</source>
        <translation>Enregistre les tâches affichées dans un fichier CSV pour un tableur</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exporter...</translation>
    </message>
    <message>
        <source>Closes the practice journal</source>
        <translation>Ferme le journal de pratique</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Shows only the tasks that hold what is typed here in any column, as the table shows it</source>
        <translation>N&apos;affiche que les tâches dont une colonne contient le texte saisi ici, tel que le tableau l&apos;affiche</translation>
    </message>
    <message>
        <source>A word of the task, a list item, a date, how it ended</source>
        <translation>Un mot de la tâche, un élément de liste, une date, un motif de fin</translation>
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
        <translation>La liste de tâches utilisée</translation>
    </message>
    <message>
        <source>The task the session is at, or the one Start begins with</source>
        <translation>La tâche où en est la séance, ou celle par laquelle Démarrer commence</translation>
    </message>
    <message>
        <source>Start from task</source>
        <translation>Tâche de départ</translation>
    </message>
    <message>
        <source>Next task</source>
        <translation>Tâche suivante</translation>
    </message>
    <message>
        <source>Previous task</source>
        <translation>Tâche précédente</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
    <message>
        <source>Sessions completed in the practice journal, and the minutes practised today</source>
        <translation>Séances terminées dans le journal de pratique, et minutes de pratique aujourd&apos;hui</translation>
    </message>
    <message>
        <source>To Start or Stop this Session Click here</source>
        <translation>Cliquez ici pour démarrer ou arrêter la séance</translation>
    </message>
    <message>
        <source>To Pause the session click here</source>
        <translation>Cliquez ici pour mettre la séance en pause</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>To Quit Tallybell click here</source>
        <translation>Cliquez ici pour quitter Tallybell</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>To jump to the next task click here (Alt+N)</source>
        <translation>Cliquez ici pour passer à la tâche suivante (Alt+N)</translation>
    </message>
    <message>
        <source>Alt+N</source>
        <translation>Alt+N</translation>
    </message>
    <message>
        <source>Next task now</source>
        <translation>Passer à la tâche suivante</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Task Time</source>
        <translation>D&amp;urée</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>&amp;Open another task list</source>
        <translation>&amp;Ouvrir une autre liste de tâches</translation>
    </message>
    <message>
        <source>&amp;New task list...</source>
        <translation>&amp;Nouvelle liste de tâches...</translation>
    </message>
    <message>
        <source>Make a new task list, holding the options in force, and use it</source>
        <translation>Créer une liste de tâches avec les options en vigueur, et l&apos;utiliser</translation>
    </message>
    <message>
        <source>Edit Current &amp;Task List</source>
        <translation>Modifier la liste de &amp;tâches actuelle</translation>
    </message>
    <message>
        <source>Edit &amp;list files</source>
        <translation>Modifier les fichiers de &amp;listes</translation>
    </message>
    <message>
        <source>Practice &amp;journal</source>
        <translation>&amp;Journal de pratique</translation>
    </message>
    <message>
        <source>Streaks, minutes and every task practised</source>
        <translation>Séries, minutes et toutes les tâches pratiquées</translation>
    </message>
    <message>
        <source>Disable Screen Saver during countdown</source>
        <translation>Désactiver l&apos;économiseur d&apos;écran pendant le décompte</translation>
    </message>
    <message>
        <source>General Task Options</source>
        <translation>Options générales</translation>
    </message>
    <message>
        <source>Tallybell &amp;Help Topics</source>
        <translation>&amp;Rubriques d&apos;aide de Tallybell</translation>
    </message>
    <message>
        <source>How &amp;to use Help</source>
        <translation>&amp;Comment utiliser l&apos;aide</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>&amp;Mute cues</source>
        <translation>Couper les &amp;sons</translation>
    </message>
    <message>
        <source>No bell, no warning and nothing read aloud: the countdown alone</source>
        <translation>Ni sonnerie, ni avertissement, ni lecture à voix haute&#xa0;: le décompte seul</translation>
    </message>
    <message>
        <source>Keep running in the panel when the window is closed</source>
        <translation>Rester dans la zone de notification quand la fenêtre est fermée</translation>
    </message>
    <message>
        <source>Let media keys control the session</source>
        <translation>Piloter la séance avec les touches multimédia</translation>
    </message>
</context>
<context>
    <name>frmoptions</name>
    <message>
        <source>Use Full Screen during countdown</source>
        <translation>Plein écran pendant le décompte</translation>
    </message>
    <message>
        <source>Play sound between tasks</source>
        <translation>Jouer un son entre les tâches</translation>
    </message>
    <message>
        <source>Stop between tasks</source>
        <translation>S&apos;arrêter entre les tâches</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>Current Sound File</source>
        <translation>Fichier son actuel</translation>
    </message>
    <message>
        <source>Current sound file</source>
        <translation>Fichier son actuel</translation>
    </message>
    <message>
        <source>Select new sound file</source>
        <translation>Choisir un autre fichier son</translation>
    </message>
    <message>
        <source>Play sound file</source>
        <translation>Écouter le fichier son</translation>
    </message>
    <message>
        <source>Current Task List</source>
        <translation>Liste de tâches actuelle</translation>
    </message>
    <message>
        <source>Current task list</source>
        <translation>Liste de tâches actuelle</translation>
    </message>
    <message>
        <source>Select new task list</source>
        <translation>Choisir une autre liste de tâches</translation>
    </message>
    <message>
        <source>Create new task list</source>
        <translation>Créer une liste de tâches</translation>
    </message>
    <message>
        <source>Note &amp;names:</source>
        <translation>&amp;Noms des notes&#xa0;:</translation>
    </message>
    <message>
        <source>How a random note (%note%) is named in the task texts</source>
        <translation>Comment une note au hasard (%note%) est nommée dans le texte des tâches</translation>
    </message>
    <message>
        <source>&amp;Warn before a task ends:</source>
        <translation>&amp;Prévenir avant la fin d&apos;une tâche&#xa0;:</translation>
    </message>
    <message>
        <source>A soft sound this long before each task&apos;s time is up, and the timer in another colour; tasks shorter than twice this get none</source>
        <translation>Un son discret ce temps avant la fin de chaque tâche, et le minuteur d&apos;une autre couleur&#xa0;; les tâches de moins du double n&apos;en ont pas</translation>
    </message>
    <message>
        <source>Read each task &amp;aloud</source>
        <translation>&amp;Lire chaque tâche à voix haute</translation>
    </message>
    <message>
        <source>Speaking &amp;rate:</source>
        <translation>&amp;Débit de la voix&#xa0;:</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tallybell is not running.</source>
        <translation>Tallybell n&apos;est pas lancé.</translation>
    </message>
</context>
<context>
    <name>tb::HelpWindow</name>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>&amp;Home</source>
        <translation>&amp;Accueil</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Table des matières</translation>
    </message>
    <message>
        <source>Go back to the page you saw before (Alt+Left)</source>
        <translation>Revenir à la page vue précédemment (Alt+Flèche gauche)</translation>
    </message>
    <message>
        <source>Go forward again (Alt+Right)</source>
        <translation>Avancer de nouveau (Alt+Flèche droite)</translation>
    </message>
    <message>
        <source>Go to the first page this help window showed</source>
        <translation>Aller à la première page affichée dans cette fenêtre d&apos;aide</translation>
    </message>
    <message>
        <source>Show the list of all help pages</source>
        <translation>Afficher la liste de toutes les pages d&apos;aide</translation>
    </message>
    <message>
        <source> Help</source>
        <translation> - Aide</translation>
    </message>
</context>
<context>
    <name>tb::JournalTableModel</name>
    <message>
        <source>Started</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Tâche</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>List items</source>
        <translation>Éléments de liste</translation>
    </message>
    <message>
        <source>Planned</source>
        <translation>Prévu</translation>
    </message>
    <message>
        <source>Practised</source>
        <translation>Pratiqué</translation>
    </message>
    <message>
        <source>Ended by</source>
        <translation>Motif de fin</translation>
    </message>
</context>
<context>
    <name>tb::PanelIcon</name>
    <message>
        <source>&amp;Next task</source>
        <translation>Tâche &amp;suivante</translation>
    </message>
    <message>
        <source>&amp;Hide window</source>
        <translation>&amp;Masquer la fenêtre</translation>
    </message>
    <message>
        <source>&amp;Show window</source>
        <translation>A&amp;fficher la fenêtre</translation>
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
        <translation>Il n&apos;y a pas d&apos;aide pour cet élément (rubrique %1).</translation>
    </message>
</context>
<context>
    <name>tb::frmeditsonglist</name>
    <message>
        <source>Make &amp;current item</source>
        <translation>Définir comme élément &amp;actuel</translation>
    </message>
    <message>
        <source>&amp;Delete item</source>
        <translation>&amp;Supprimer l&apos;élément</translation>
    </message>
</context>
</TS>
