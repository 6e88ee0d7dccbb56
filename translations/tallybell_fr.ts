<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutForm</name>
    <message>
        <source>Version %1.%2.%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright (C) %1 %2. All rights reserved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is provided as is, without warranty of any kind, express or implied, including its fitness for a particular purpose. You use it at your own risk: %2 is not responsible for any loss or damage that arises from its use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to go to %1 Web Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to write to %1 with your comments</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DBusScreenSaver</name>
    <message>
        <source>A practice session is running</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GuardedApplication</name>
    <message>
        <source>an error of unknown kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An unexpected error occurred:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
The last action may not have been completed. Your task lists and list files are as they were last saved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JournalCsv</name>
    <message>
        <source>Started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ended</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Task</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Planned seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practised seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ending</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JournalForm</name>
    <message>
        <source>No tasks recorded yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export the practice journal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>practice journal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couldn&apos;t export the practice journal<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - Disk Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exported %1 to<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n task(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Current streak: %n day(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Longest streak: %n day(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This week: %n minute(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This month: %n minute(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>JournalText</name>
    <message>
        <source>Time up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*** No Song Currently Selected ***</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Edit List Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This list file is too large to edit here (%1 MB; at most %2 MB)<byte value="xd"/>
<byte value="xd"/>
%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List %1 was changed by another program since it was opened here:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Yes: save the list as it is here, over those changes.<byte value="xd"/>
No: show the list as it is now; the changes made here are dropped.<byte value="xd"/>
Cancel: go back to the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A disk error has occurred trying to save this list file<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Change list item after %n practice session(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>You must type a list item in the Selected List Item to add a new list item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you wish to delete this list item?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to make this Item the current Item?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The items of list %1 have been changed.<byte value="xd"/>
<byte value="xd"/>
Do you want to save the changes?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LocalSingleInstance</name>
    <message>
        <source>%1 cannot be made: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a link, not a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 belongs to another user.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be closed to other users: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 answers, but not as Tallybell does.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be opened for later starts: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a link, not a socket.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a socket.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <source>No Tasks exist in this Task List, Would you like to add some?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paused...Click on the Pause Button to resume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Tasks Completed, Congratulations!!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The time is up on this task</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Or press any key.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - Disk Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot make sure that it runs only once:<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Two copies at once would overwrite each other&apos;s files. Start anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couldn&apos;t copy the default settings file<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
to %2<byte value="xd"/>
<byte value="xd"/>
%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couldn&apos;t read the task list<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
The task list is left as it is and shows no tasks. Choose another one with Open in the File menu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couldn&apos;t write to the practice journal<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
The session goes on, but what is practised may not be recorded; this message is not repeated until the program is started again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couldn&apos;t save the settings file<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
The file on disk is unchanged. Later changes to it may not be kept either; this message is not repeated until the program is started again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Task %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start: task %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sessions completed: %1 · Today: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couldn&apos;t play the sound<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That was the last task of the session.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next: task %1 of %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NoteNames</name>
    <message>
        <source>La</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Si</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sol</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OptionsForm</name>
    <message>
        <source>Select new task list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create new task list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The task list cannot be changed while a session runs or is paused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - General task options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No sound output device was found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couldn&apos;t play the sound<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a sound file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a Task File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This task list cannot be used:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a new task list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This settings file already exists<byte value="xd"/>
Do you want to overwrite it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
was changed by another program just now.<byte value="xd"/>
<byte value="xd"/>
Do you want to overwrite it all the same?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Disk Error has occurred while creating the new file 

<byte value="xd"/>%1 %2

<byte value="xd"/>Please retry later when the problem has been solved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As the language has it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letters: C D E F G A B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>German letters: C D E F G A H</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixed do: Do Re Mi Fa Sol La Si</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PracticeChart</name>
    <message numerus="yes">
        <source>%1: %n minute(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The home folder is not known (HOME is not set).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tallybell cannot write in its own folder<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
so it keeps the task list, the list files and the bell in<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
from now on. Your task list was copied there; the one in the program&apos;s folder is left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tallybell could not copy its default files into<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtShell</name>
    <message>
        <source>No program on this computer could start a mail message. You can write to this address with your mail program:

%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No program on this computer could open the web page. You can copy its address into a web browser:

%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Registry</name>
    <message>
        <source>There is no folder for it: neither XDG_CONFIG_HOME nor HOME is set.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This name or text cannot be stored (a line break, or &quot;=&quot; in the name).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error Creating Key: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>Not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 MB, at most %3 MB</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>It is not a wave file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its description of the sound is damaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its sound comes without a description of it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is cut short: it holds less sound than its header says.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It holds no sound.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It lasts %1 seconds; a bell may last %2 seconds at most.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TaskEditorForm</name>
    <message>
        <source>Any Changes you may have made will be lost, are you sure you want to do this?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inserting a task here will cause the task Number 9 to be lost, Are you sure you want to do this?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry you can&apos;t insert another task here, you can only have a total of 9 tasks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inserting a new alternate task here will cause the alternate task Number 9 to be lost, Are you sure you want to do this?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry you can&apos;t insert another task here, you can only have a total of 9 alternate tasks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another task list cannot be opened or made while a session runs or is paused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - %2 (not the task list in use)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The task list in use is now &quot;%2&quot;. Your changes to &quot;%1&quot; are not saved.<byte value="xd"/>
<byte value="xd"/>
Yes: save them to &quot;%1&quot;, then edit &quot;%2&quot;.<byte value="xd"/>
No: drop them and edit &quot;%2&quot;.<byte value="xd"/>
Cancel: go on editing &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tasks of &quot;%1&quot; were changed by another program since they were opened here:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Yes: save the tasks as they are here, over those changes.<byte value="xd"/>
No: show the tasks as they are now; the changes made here are dropped.<byte value="xd"/>
Cancel: go back to the tasks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The task list could not be saved:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Your changes are still in the editor.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TaskText</name>
    <message>
        <source> ***Error List %1 contains no items *** </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Tallybell</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmeditfile</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert a &amp;list item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Task</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Task Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Task number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next task</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous task</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alternate Task Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alternate task number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next alternate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous alternate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Task Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total task time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Task Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Task description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The task&apos;s text; Enter starts a new line (%CR%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a &amp;new Task List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open an existing task list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert a random &amp;note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert a &amp;carriage return</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert an item from List 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert an item from List 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert an item from List 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert an item from List 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert an item from List 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert an item from List 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert an item from List 7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert an item from List 8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert an item from List 9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert a &amp;Task</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert a &amp;Alternate Task</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete This Task</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmeditsonglist</name>
    <message>
        <source>Contents of List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current List No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected List Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the item, or replace the selected one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the selected item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When does a list item change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordered selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More sessions before the item changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More sessions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fewer sessions before the item changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fewer sessions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Currently Selected Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmjournal</name>
    <message>
        <source>Practice Journal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days in a row with practice, up to today (or up to yesterday while today is still ahead)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes practised since Monday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The most days in a row with practice so far</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes practised since the first of the month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes per day, the last 30 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes practised on each of the last 30 days; point at a bar for its day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many of the recorded tasks are shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recorded &amp;tasks, newest first:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every task practised: when, what, and how long; point at a text to read it whole</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves the tasks shown as a CSV file for a spreadsheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes the practice journal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows only the tasks that hold what is typed here in any column, as the table shows it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A word of the task, a list item, a date, how it ended</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmmain</name>
    <message>
        <source>Tallybell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The task list in use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The task the session is at, or the one Start begins with</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start from task</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next task</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous task</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sessions completed in the practice journal, and the minutes practised today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To Start or Stop this Session Click here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To Pause the session click here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To Quit Tallybell click here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To jump to the next task click here (Alt+N)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next task now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Task Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open another task list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New task list...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make a new task list, holding the options in force, and use it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Current &amp;Task List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit &amp;list files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practice &amp;journal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Streaks, minutes and every task practised</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable Screen Saver during countdown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General Task Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tallybell &amp;Help Topics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How &amp;to use Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmoptions</name>
    <message>
        <source>Use Full Screen during countdown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play sound between tasks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop between tasks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Sound File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current sound file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select new sound file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play sound file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Task List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current task list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select new task list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create new task list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note &amp;names:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How a random note (%note%) is named in the task texts</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tb::HelpWindow</name>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go back to the page you saw before (Alt+Left)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go forward again (Alt+Right)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to the first page this help window showed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the list of all help pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tb::JournalTableModel</name>
    <message>
        <source>Started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Task</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Planned</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practised</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ended by</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tb::PracticeChart</name>
    <message>
        <source>%1 min</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tb::QtHelp</name>
    <message>
        <source>There is no help for this item (topic %1).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tb::frmeditsonglist</name>
    <message>
        <source>Make &amp;current item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete item</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
