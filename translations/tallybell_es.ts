<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutForm</name>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versión %1.%2.%3</translation>
    </message>
    <message>
        <source>Copyright (C) %1 %2. All rights reserved.</source>
        <translation>Copyright (C) %1 %2. Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>%1 is provided as is, without warranty of any kind, express or implied, including its fitness for a particular purpose. You use it at your own risk: %2 is not responsible for any loss or damage that arises from its use.</source>
        <translation>%1 se ofrece tal cual, sin garantía de ningún tipo, expresa o implícita, ni siquiera de su idoneidad para un fin determinado. Su uso corre por cuenta y riesgo propios: %2 no se hace responsable de ninguna pérdida o daño derivado de su uso.</translation>
    </message>
    <message>
        <source>Click here to go to %1 Web Page</source>
        <translation>Ir al sitio web de %1</translation>
    </message>
    <message>
        <source>Click here to write to %1 with your comments</source>
        <translation>Escribir a %1 con comentarios y sugerencias</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Start a session (and Tallybell, when it is not running).</source>
        <translation>Iniciar una sesión (y Tallybell, si no está en marcha).</translation>
    </message>
    <message>
        <source>Stop the session.</source>
        <translation>Detener la sesión.</translation>
    </message>
    <message>
        <source>Pause the session.</source>
        <translation>Poner la sesión en pausa.</translation>
    </message>
    <message>
        <source>Resume the paused session.</source>
        <translation>Reanudar la sesión en pausa.</translation>
    </message>
    <message>
        <source>Pause the session, or resume it when it is paused.</source>
        <translation>Poner la sesión en pausa, o reanudarla si está en pausa.</translation>
    </message>
    <message>
        <source>Go on to the next task.</source>
        <translation>Pasar a la siguiente tarea.</translation>
    </message>
    <message>
        <source>Show the window (and start Tallybell when it is not running).</source>
        <translation>Mostrar la ventana (e iniciar Tallybell si no está en marcha).</translation>
    </message>
    <message>
        <source>Print the session&apos;s state, task, task text and time left, one a line.</source>
        <translation>Mostrar el estado de la sesión, la tarea, su texto y el tiempo restante, uno por línea.</translation>
    </message>
    <message>
        <source>A practice-session timer. With a command, tells the running Tallybell what to do.</source>
        <translation>Un temporizador de sesiones de práctica. Con una orden, indica al Tallybell en marcha qué hacer.</translation>
    </message>
    <message>
        <source>Print this help and end.</source>
        <translation>Mostrar esta ayuda y terminar.</translation>
    </message>
    <message>
        <source>Print the version and end.</source>
        <translation>Mostrar la versión y terminar.</translation>
    </message>
    <message>
        <source>Every task 10 seconds long, to try a task list.</source>
        <translation>Cada tarea dura 10 segundos, para probar una lista de tareas.</translation>
    </message>
    <message>
        <source>Give one command at a time.</source>
        <translation>Dé una sola orden cada vez.</translation>
    </message>
</context>
<context>
    <name>DBusScreenSaver</name>
    <message>
        <source>A practice session is running</source>
        <translation>Hay una sesión de práctica en curso</translation>
    </message>
</context>
<context>
    <name>GuardedApplication</name>
    <message>
        <source>an error of unknown kind</source>
        <translation>un error de tipo desconocido</translation>
    </message>
    <message>
        <source>An unexpected error occurred:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
The last action may not have been completed. Your task lists and list files are as they were last saved.</source>
        <translation>Se produjo un error inesperado:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Puede que la última acción no se haya completado. Las listas de tareas y los archivos de lista están tal como se guardaron por última vez.</translation>
    </message>
</context>
<context>
    <name>JournalCsv</name>
    <message>
        <source>Started</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Tarea</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>List items</source>
        <translation>Elementos de lista</translation>
    </message>
    <message>
        <source>Planned seconds</source>
        <translation>Segundos previstos</translation>
    </message>
    <message>
        <source>Practised seconds</source>
        <translation>Segundos practicados</translation>
    </message>
    <message>
        <source>Ending</source>
        <translation>Cómo terminó</translation>
    </message>
</context>
<context>
    <name>JournalForm</name>
    <message>
        <source>No tasks recorded yet</source>
        <translation>Aún no hay tareas registradas</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Export the practice journal</source>
        <translation>Exportar el diario de práctica</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>practice journal</source>
        <translation>diario de práctica</translation>
    </message>
    <message>
        <source>Couldn&apos;t export the practice journal<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>No se pudo exportar el diario de práctica<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>%1 - Disk Error</source>
        <translation>%1 - Error de disco</translation>
    </message>
    <message>
        <source>Exported %1 to<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Exportación completada: %1 en<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>%1 - Export</source>
        <translation>%1 - Exportación</translation>
    </message>
    <message numerus="yes">
        <source>%n task(s)</source>
        <translation>
            <numerusform>%n tarea</numerusform>
            <numerusform>%n tareas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Current streak: %n day(s)</source>
        <translation>
            <numerusform>Racha actual: %n día</numerusform>
            <numerusform>Racha actual: %n días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Longest streak: %n day(s)</source>
        <translation>
            <numerusform>Racha más larga: %n día</numerusform>
            <numerusform>Racha más larga: %n días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This week: %n minute(s)</source>
        <translation>
            <numerusform>Esta semana: %n minuto</numerusform>
            <numerusform>Esta semana: %n minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This month: %n minute(s)</source>
        <translation>
            <numerusform>Este mes: %n minuto</numerusform>
            <numerusform>Este mes: %n minutos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>JournalText</name>
    <message>
        <source>Time up</source>
        <translation>Tiempo agotado</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Saltada</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Detenida</translation>
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
        <translation>Se produjo un error de disco al abrir la lista<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>*** No Song Currently Selected ***</source>
        <translation>*** Ninguna pieza seleccionada ***</translation>
    </message>
    <message>
        <source>%1 Edit List Files</source>
        <translation>%1 - Editar archivos de lista</translation>
    </message>
    <message>
        <source>This list file is too large to edit here (%1 MB; at most %2 MB)<byte value="xd"/>
<byte value="xd"/>
%3</source>
        <translation>Este archivo de lista es demasiado grande para editarlo aquí (%1 MB; como máximo %2 MB)<byte value="xd"/>
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
        <translation>La lista %1 fue modificada por otro programa desde que se abrió aquí:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Sí: guardar la lista tal como está aquí, por encima de esos cambios.<byte value="xd"/>
No: mostrar la lista tal como está ahora; se descartan los cambios hechos aquí.<byte value="xd"/>
Cancelar: volver a la lista.</translation>
    </message>
    <message>
        <source>A disk error has occurred trying to save this list file<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Se produjo un error de disco al guardar este archivo de lista<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message numerus="yes">
        <source>Change list item after %n practice session(s)</source>
        <translation>
            <numerusform>Cambiar de elemento tras %n sesión</numerusform>
            <numerusform>Cambiar de elemento tras %n sesiones</numerusform>
        </translation>
    </message>
    <message>
        <source>You must type a list item in the Selected List Item to add a new list item</source>
        <translation>Para añadir un elemento nuevo, primero hay que escribirlo en «Elemento seleccionado»</translation>
    </message>
    <message>
        <source>Are you sure you wish to delete this list item?</source>
        <translation>¿Eliminar este elemento de la lista?</translation>
    </message>
    <message>
        <source>Are you sure you want to make this Item the current Item?</source>
        <translation>¿Convertir este elemento en el elemento actual?</translation>
    </message>
    <message>
        <source>The items of list %1 have been changed.<byte value="xd"/>
<byte value="xd"/>
Do you want to save the changes?</source>
        <translation>Los elementos de la lista %1 han cambiado.<byte value="xd"/>
<byte value="xd"/>
¿Guardar los cambios?</translation>
    </message>
</context>
<context>
    <name>LocalSingleInstance</name>
    <message>
        <source>%1 cannot be made: %2.</source>
        <translation>No se puede crear %1: %2.</translation>
    </message>
    <message>
        <source>%1 is a link, not a folder.</source>
        <translation>%1 es un enlace, no una carpeta.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 no es una carpeta.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>No se puede abrir %1: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>No se puede leer %1: %2.</translation>
    </message>
    <message>
        <source>%1 belongs to another user.</source>
        <translation>%1 pertenece a otro usuario.</translation>
    </message>
    <message>
        <source>%1 cannot be closed to other users: %2.</source>
        <translation>No se puede cerrar %1 a otros usuarios: %2.</translation>
    </message>
    <message>
        <source>%1 answers, but not as Tallybell does.</source>
        <translation>%1 responde, pero no como Tallybell.</translation>
    </message>
    <message>
        <source>%1 cannot be opened for later starts: %2.</source>
        <translation>No se puede abrir %1 para los inicios posteriores: %2.</translation>
    </message>
    <message>
        <source>%1 is a link, not a socket.</source>
        <translation>%1 es un enlace, no un socket.</translation>
    </message>
    <message>
        <source>%1 is not a socket.</source>
        <translation>%1 no es un socket.</translation>
    </message>
    <message>
        <source>The running Tallybell did not answer.</source>
        <translation>El Tallybell en marcha no ha respondido.</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <source>No Tasks exist in this Task List, Would you like to add some?</source>
        <translation>Esta lista de tareas no contiene tareas. ¿Añadir algunas ahora?</translation>
    </message>
    <message>
        <source>Paused...Click on the Pause Button to resume</source>
        <translation>En pausa... Para seguir, el botón «Reanudar»</translation>
    </message>
    <message>
        <source>All Tasks Completed, Congratulations!!!</source>
        <translation>¡Todas las tareas completadas! ¡Felicidades!</translation>
    </message>
    <message>
        <source>The time is up on this task</source>
        <translation>Se acabó el tiempo de esta tarea</translation>
    </message>
    <message>
        <source>Or press any key.</source>
        <translation>O cualquier tecla.</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Iniciar</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>%1 - Disk Error</source>
        <translation>%1 - Error de disco</translation>
    </message>
    <message>
        <source>%1 cannot make sure that it runs only once:<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Two copies at once would overwrite each other&apos;s files. Start anyway?</source>
        <translation>%1 no puede asegurarse de que se ejecute una sola vez:<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Dos copias a la vez sobrescribirían cada una los archivos de la otra. ¿Iniciar de todos modos?</translation>
    </message>
    <message>
        <source>%1 Minutes</source>
        <translation>%1 minutos</translation>
    </message>
    <message>
        <source>Couldn&apos;t copy the default settings file<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
to %2<byte value="xd"/>
<byte value="xd"/>
%3</source>
        <translation>No se pudo copiar el archivo de configuración predeterminado<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
a %2<byte value="xd"/>
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
        <translation>No se pudo leer la lista de tareas<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
La lista de tareas queda como está y no muestra tareas. Se puede elegir otra con «Abrir otra lista de tareas» en el menú Archivo.</translation>
    </message>
    <message>
        <source>Couldn&apos;t write to the practice journal<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
The session goes on, but what is practised may not be recorded; this message is not repeated until the program is started again.</source>
        <translation>No se pudo escribir en el diario de práctica<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
La sesión continúa, pero puede que lo practicado no quede registrado; este mensaje no se repetirá hasta que se vuelva a iniciar el programa.</translation>
    </message>
    <message>
        <source>Couldn&apos;t save the settings file<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
The file on disk is unchanged. Later changes to it may not be kept either; this message is not repeated until the program is started again.</source>
        <translation>No se pudo guardar el archivo de configuración<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
El archivo en el disco no ha cambiado. Puede que tampoco se conserven los cambios posteriores; este mensaje no se repetirá hasta que se vuelva a iniciar el programa.</translation>
    </message>
    <message>
        <source>Task %1 of %2</source>
        <translation>Tarea %1 de %2</translation>
    </message>
    <message>
        <source>Start: task %1 of %2</source>
        <translation>Inicio: tarea %1 de %2</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Reanudar</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>Sessions completed: %1 · Today: %2</source>
        <translation>Sesiones completadas: %1 · Hoy: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t play the sound<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>No se pudo reproducir el sonido<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>That was the last task of the session.</source>
        <translation>Era la última tarea de la sesión.</translation>
    </message>
    <message>
        <source>Next: task %1 of %2.</source>
        <translation>Siguiente: tarea %1 de %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
    <message>
        <source>This desktop has no panel for status icons, so closing the window quits Tallybell.</source>
        <translation>Este escritorio no tiene un panel para iconos de estado, así que cerrar la ventana cierra Tallybell.</translation>
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
        <translation>Elegir otra lista de tareas</translation>
    </message>
    <message>
        <source>Create new task list</source>
        <translation>Crear una lista de tareas nueva</translation>
    </message>
    <message>
        <source>The task list cannot be changed while a session runs or is paused</source>
        <translation>No se puede cambiar la lista de tareas mientras una sesión está en curso o en pausa</translation>
    </message>
    <message>
        <source>%1 - General task options</source>
        <translation>%1 - Opciones generales de tareas</translation>
    </message>
    <message>
        <source>No sound output device was found</source>
        <translation>No se encontró ningún dispositivo de salida de sonido</translation>
    </message>
    <message>
        <source>Couldn&apos;t play the sound<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>No se pudo reproducir el sonido<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Crear</translation>
    </message>
    <message>
        <source>Please select a sound file</source>
        <translation>Elegir un archivo de sonido</translation>
    </message>
    <message>
        <source>Sound Files</source>
        <translation>Archivos de sonido</translation>
    </message>
    <message>
        <source>Please select a Task File</source>
        <translation>Elegir una lista de tareas</translation>
    </message>
    <message>
        <source>Setting files</source>
        <translation>Archivos de configuración</translation>
    </message>
    <message>
        <source>This task list cannot be used:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>No se puede usar esta lista de tareas:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Create a new task list</source>
        <translation>Crear una lista de tareas nueva</translation>
    </message>
    <message>
        <source>This settings file already exists<byte value="xd"/>
Do you want to overwrite it?</source>
        <translation>Este archivo de configuración ya existe.<byte value="xd"/>
¿Sobrescribirlo?</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
was changed by another program just now.<byte value="xd"/>
<byte value="xd"/>
Do you want to overwrite it all the same?</source>
        <translation>%1<byte value="xd"/>
acaba de ser modificado por otro programa.<byte value="xd"/>
<byte value="xd"/>
¿Sobrescribirlo de todos modos?</translation>
    </message>
    <message>
        <source>A Disk Error has occurred while creating the new file 

<byte value="xd"/>%1 %2

<byte value="xd"/>Please retry later when the problem has been solved</source>
        <translation>Se produjo un error de disco al crear el archivo nuevo 

<byte value="xd"/>%1 %2

<byte value="xd"/>Conviene volver a intentarlo cuando el problema se haya resuelto</translation>
    </message>
    <message>
        <source>As the language has it</source>
        <translation>Según el idioma</translation>
    </message>
    <message>
        <source>Letters: C D E F G A B</source>
        <translation>Letras: C D E F G A B</translation>
    </message>
    <message>
        <source>German letters: C D E F G A H</source>
        <translation>Letras alemanas: C D E F G A H</translation>
    </message>
    <message>
        <source>Fixed do: Do Re Mi Fa Sol La Si</source>
        <translation>Do fijo: Do Re Mi Fa Sol La Si</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
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
        <translation>Más lento</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Más rápido</translation>
    </message>
    <message>
        <source>No speech engine for this language was found: install speech-dispatcher with espeak-ng, or flite for English</source>
        <translation>No se encontró ningún motor de voz para este idioma: instale speech-dispatcher con espeak-ng, o flite para inglés</translation>
    </message>
    <message>
        <source>When a task begins, its text and its length are spoken, after the bell</source>
        <translation>Al empezar cada tarea se leen en voz alta su texto y su duración, después del sonido</translation>
    </message>
    <message>
        <source>How fast the tasks are read aloud</source>
        <translation>A qué velocidad se leen las tareas</translation>
    </message>
</context>
<context>
    <name>PanelLook</name>
    <message numerus="yes">
        <source>%n minute(s) left</source>
        <translation>
            <numerusform>Queda %n minuto</numerusform>
            <numerusform>Quedan %n minutos</numerusform>
        </translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
</context>
<context>
    <name>PracticeChart</name>
    <message numerus="yes">
        <source>%1: %n minute(s)</source>
        <translation>
            <numerusform>%1: %n minuto</numerusform>
            <numerusform>%1: %n minutos</numerusform>
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
        <translation>Tallybell no pudo crear una carpeta propia del usuario para la lista de tareas, los archivos de lista y el sonido de campana:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
En su lugar usa su propia carpeta:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The home folder is not known (HOME is not set).</source>
        <translation>No se conoce la carpeta personal (HOME no está definida).</translation>
    </message>
    <message>
        <source>Tallybell cannot write in its own folder<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
so it keeps the task list, the list files and the bell in<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
from now on. Your task list was copied there; the one in the program&apos;s folder is left as it is.</source>
        <translation>Tallybell no puede escribir en su propia carpeta<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
así que a partir de ahora guarda la lista de tareas, los archivos de lista y el sonido de campana en<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
La lista de tareas se copió allí; la de la carpeta del programa queda como estaba.</translation>
    </message>
    <message>
        <source>Tallybell could not copy its default files into<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Tallybell no pudo copiar sus archivos predeterminados en<byte value="xd"/>
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
        <translation>Ningún programa de este equipo pudo iniciar un mensaje de correo. Se puede escribir a esta dirección con un programa de correo:

%1</translation>
    </message>
    <message>
        <source>No program on this computer could open the web page. You can copy its address into a web browser:

%1</source>
        <translation>Ningún programa de este equipo pudo abrir la página web. Se puede copiar su dirección en un navegador web:

%1</translation>
    </message>
</context>
<context>
    <name>Registry</name>
    <message>
        <source>There is no folder for it: neither XDG_CONFIG_HOME nor HOME is set.</source>
        <translation>No hay ninguna carpeta para ello: no está definida ni XDG_CONFIG_HOME ni HOME.</translation>
    </message>
    <message>
        <source>This name or text cannot be stored (a line break, or &quot;=&quot; in the name).</source>
        <translation>Este nombre o texto no se puede guardar (un salto de línea, o «=» en el nombre).</translation>
    </message>
    <message>
        <source>Error Creating Key: %1</source>
        <translation>Error al crear la clave: %1</translation>
    </message>
</context>
<context>
    <name>RemoteControl</name>
    <message>
        <source>stopped</source>
        <translation>detenida</translation>
    </message>
    <message>
        <source>paused</source>
        <translation>en pausa</translation>
    </message>
    <message>
        <source>time up</source>
        <translation>tiempo agotado</translation>
    </message>
    <message>
        <source>running</source>
        <translation>en marcha</translation>
    </message>
    <message>
        <source>task %1 of %2</source>
        <translation>tarea %1 de %2</translation>
    </message>
    <message>
        <source>Tallybell is waiting for an answer to its message.</source>
        <translation>Tallybell espera una respuesta a su mensaje.</translation>
    </message>
    <message>
        <source>A session is running already.</source>
        <translation>Ya hay una sesión en marcha.</translation>
    </message>
    <message>
        <source>No session is running.</source>
        <translation>No hay ninguna sesión en marcha.</translation>
    </message>
    <message>
        <source>The session is paused already.</source>
        <translation>La sesión ya está en pausa.</translation>
    </message>
    <message>
        <source>The session is not paused.</source>
        <translation>La sesión no está en pausa.</translation>
    </message>
    <message>
        <source>The window does not take that now.</source>
        <translation>La ventana no lo admite ahora.</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>Not a regular file</source>
        <translation>No es un archivo normal</translation>
    </message>
    <message>
        <source>%1: %2 MB, at most %3 MB</source>
        <translation>%1: %2 MB, como máximo %3 MB</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>It is not a wave file.</source>
        <translation>No es un archivo WAV.</translation>
    </message>
    <message>
        <source>Its description of the sound is damaged.</source>
        <translation>Su descripción del sonido está dañada.</translation>
    </message>
    <message>
        <source>Its sound comes without a description of it.</source>
        <translation>Contiene sonido sin su descripción.</translation>
    </message>
    <message>
        <source>It is cut short: it holds less sound than its header says.</source>
        <translation>Está cortado: contiene menos sonido del que indica su cabecera.</translation>
    </message>
    <message>
        <source>It holds no sound.</source>
        <translation>No contiene sonido.</translation>
    </message>
    <message>
        <source>It lasts %1 seconds; a bell may last %2 seconds at most.</source>
        <translation>Dura %1 segundos; un sonido de campana puede durar como máximo %2 segundos.</translation>
    </message>
</context>
<context>
    <name>SpokenText</name>
    <message numerus="yes">
        <source>%n minute(s).</source>
        <translation>
            <numerusform>%n minuto.</numerusform>
            <numerusform>%n minutos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Session complete.</source>
        <translation>Sesión completada.</translation>
    </message>
</context>
<context>
    <name>TaskEditorForm</name>
    <message>
        <source>Any Changes you may have made will be lost, are you sure you want to do this?</source>
        <translation>Se perderán los cambios realizados. ¿Continuar de todos modos?</translation>
    </message>
    <message>
        <source>Inserting a task here will cause the task Number 9 to be lost, Are you sure you want to do this?</source>
        <translation>Si se inserta una tarea aquí, se perderá la tarea número 9. ¿Continuar de todos modos?</translation>
    </message>
    <message>
        <source>Sorry you can&apos;t insert another task here, you can only have a total of 9 tasks</source>
        <translation>No se puede insertar otra tarea aquí: solo se admiten 9 tareas en total</translation>
    </message>
    <message>
        <source>Inserting a new alternate task here will cause the alternate task Number 9 to be lost, Are you sure you want to do this?</source>
        <translation>Si se inserta aquí una tarea alternativa nueva, se perderá la tarea alternativa número 9. ¿Continuar de todos modos?</translation>
    </message>
    <message>
        <source>Sorry you can&apos;t insert another task here, you can only have a total of 9 alternate tasks</source>
        <translation>No se puede insertar otra tarea aquí: solo se admiten 9 tareas alternativas en total</translation>
    </message>
    <message>
        <source>Another task list cannot be opened or made while a session runs or is paused</source>
        <translation>No se puede abrir ni crear otra lista de tareas mientras una sesión está en curso o en pausa</translation>
    </message>
    <message>
        <source>%1 Error</source>
        <translation>Error de %1</translation>
    </message>
    <message>
        <source>%1 Minutes</source>
        <translation>%1 minutos</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>%1 - %2 (not the task list in use)</source>
        <translation>%1 - %2 (no es la lista de tareas en uso)</translation>
    </message>
    <message>
        <source>The task list in use is now &quot;%2&quot;. Your changes to &quot;%1&quot; are not saved.<byte value="xd"/>
<byte value="xd"/>
Yes: save them to &quot;%1&quot;, then edit &quot;%2&quot;.<byte value="xd"/>
No: drop them and edit &quot;%2&quot;.<byte value="xd"/>
Cancel: go on editing &quot;%1&quot;.</source>
        <translation>La lista de tareas en uso es ahora «%2». Los cambios en «%1» no están guardados.<byte value="xd"/>
<byte value="xd"/>
Sí: guardarlos en «%1» y después editar «%2».<byte value="xd"/>
No: descartarlos y editar «%2».<byte value="xd"/>
Cancelar: seguir editando «%1».</translation>
    </message>
    <message>
        <source>The tasks of &quot;%1&quot; were changed by another program since they were opened here:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Yes: save the tasks as they are here, over those changes.<byte value="xd"/>
No: show the tasks as they are now; the changes made here are dropped.<byte value="xd"/>
Cancel: go back to the tasks.</source>
        <translation>Las tareas de «%1» fueron modificadas por otro programa desde que se abrieron aquí:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Sí: guardar las tareas tal como están aquí, por encima de esos cambios.<byte value="xd"/>
No: mostrar las tareas tal como están ahora; se descartan los cambios hechos aquí.<byte value="xd"/>
Cancelar: volver a las tareas.</translation>
    </message>
    <message>
        <source>The task list could not be saved:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Your changes are still in the editor.</source>
        <translation>No se pudo guardar la lista de tareas:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Los cambios siguen en el editor.</translation>
    </message>
</context>
<context>
    <name>TaskText</name>
    <message>
        <source> ***Error List %1 contains no items *** </source>
        <translation> ***Error: la lista %1 no contiene elementos *** </translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Insertar</translation>
    </message>
    <message>
        <source>Insert a &amp;list item</source>
        <translation>Insertar un elemento de &amp;lista</translation>
    </message>
    <message>
        <source>&amp;Task</source>
        <translation>&amp;Tarea</translation>
    </message>
    <message>
        <source>Task Number</source>
        <translation>Tarea n.º</translation>
    </message>
    <message>
        <source>Task number</source>
        <translation>Número de tarea</translation>
    </message>
    <message>
        <source>Next task</source>
        <translation>Tarea siguiente</translation>
    </message>
    <message>
        <source>Previous task</source>
        <translation>Tarea anterior</translation>
    </message>
    <message>
        <source>Alternate Task Number</source>
        <translation>Tarea alternativa n.º</translation>
    </message>
    <message>
        <source>Alternate task number</source>
        <translation>Número de tarea alternativa</translation>
    </message>
    <message>
        <source>Next alternate</source>
        <translation>Alternativa siguiente</translation>
    </message>
    <message>
        <source>Previous alternate</source>
        <translation>Alternativa anterior</translation>
    </message>
    <message>
        <source>Total Task Time</source>
        <translation>Tiempo total</translation>
    </message>
    <message>
        <source>Total task time</source>
        <translation>Tiempo total de las tareas</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>Ace&amp;ptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Task Description</source>
        <translation>Descripción de la tarea</translation>
    </message>
    <message>
        <source>Task description</source>
        <translation>Descripción de la tarea</translation>
    </message>
    <message>
        <source>The task&apos;s text; Enter starts a new line (%CR%)</source>
        <translation>El texto de la tarea; Intro empieza una línea nueva (%CR%)</translation>
    </message>
    <message>
        <source>Create a &amp;new Task List</source>
        <translation>Crear una &amp;nueva lista de tareas</translation>
    </message>
    <message>
        <source>&amp;Open an existing task list</source>
        <translation>&amp;Abrir una lista de tareas existente</translation>
    </message>
    <message>
        <source>Insert a random &amp;note</source>
        <translation>Insertar una &amp;nota al azar</translation>
    </message>
    <message>
        <source>Insert a &amp;carriage return</source>
        <translation>Insertar un &amp;salto de línea</translation>
    </message>
    <message>
        <source>Insert an item from List 1</source>
        <translation>Insertar un elemento de la lista 1</translation>
    </message>
    <message>
        <source>Insert an item from List 2</source>
        <translation>Insertar un elemento de la lista 2</translation>
    </message>
    <message>
        <source>Insert an item from List 3</source>
        <translation>Insertar un elemento de la lista 3</translation>
    </message>
    <message>
        <source>Insert an item from List 4</source>
        <translation>Insertar un elemento de la lista 4</translation>
    </message>
    <message>
        <source>Insert an item from List 5</source>
        <translation>Insertar un elemento de la lista 5</translation>
    </message>
    <message>
        <source>Insert an item from List 6</source>
        <translation>Insertar un elemento de la lista 6</translation>
    </message>
    <message>
        <source>Insert an item from List 7</source>
        <translation>Insertar un elemento de la lista 7</translation>
    </message>
    <message>
        <source>Insert an item from List 8</source>
        <translation>Insertar un elemento de la lista 8</translation>
    </message>
    <message>
        <source>Insert an item from List 9</source>
        <translation>Insertar un elemento de la lista 9</translation>
    </message>
    <message>
        <source>Insert a &amp;Task</source>
        <translation>Insertar una &amp;tarea</translation>
    </message>
    <message>
        <source>Insert a &amp;Alternate Task</source>
        <translation>Insertar una tarea &amp;alternativa</translation>
    </message>
    <message>
        <source>&amp;Delete This Task</source>
        <translation>&amp;Eliminar esta tarea</translation>
    </message>
</context>
<context>
    <name>frmeditsonglist</name>
    <message>
        <source>Contents of List</source>
        <translation>Contenido de la lista</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>Ace&amp;ptar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Current List No.</source>
        <translation>Lista n.º</translation>
    </message>
    <message>
        <source>Next list</source>
        <translation>Lista siguiente</translation>
    </message>
    <message>
        <source>Previous list</source>
        <translation>Lista anterior</translation>
    </message>
    <message>
        <source>Selected List Item</source>
        <translation>Elemento seleccionado</translation>
    </message>
    <message>
        <source>Add the item, or replace the selected one</source>
        <translation>Añadir el elemento o reemplazar el seleccionado</translation>
    </message>
    <message>
        <source>Add item</source>
        <translation>Añadir elemento</translation>
    </message>
    <message>
        <source>Delete the selected item</source>
        <translation>Eliminar el elemento seleccionado</translation>
    </message>
    <message>
        <source>Delete item</source>
        <translation>Eliminar elemento</translation>
    </message>
    <message>
        <source>When does a list item change</source>
        <translation>Cuándo cambia el elemento</translation>
    </message>
    <message>
        <source>Ordered selection</source>
        <translation>En orden</translation>
    </message>
    <message>
        <source>Random selection</source>
        <translation>Al azar</translation>
    </message>
    <message>
        <source>More sessions before the item changes</source>
        <translation>Más sesiones antes de cambiar de elemento</translation>
    </message>
    <message>
        <source>More sessions</source>
        <translation>Más sesiones</translation>
    </message>
    <message>
        <source>Fewer sessions before the item changes</source>
        <translation>Menos sesiones antes de cambiar de elemento</translation>
    </message>
    <message>
        <source>Fewer sessions</source>
        <translation>Menos sesiones</translation>
    </message>
    <message>
        <source>Currently Selected Item</source>
        <translation>Elemento actual</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
</context>
<context>
    <name>frmjournal</name>
    <message>
        <source>Practice Journal</source>
        <translation>Diario de práctica</translation>
    </message>
    <message>
        <source>Days in a row with practice, up to today (or up to yesterday while today is still ahead)</source>
        <translation>Días seguidos con práctica hasta hoy (o hasta ayer, mientras hoy aún se pueda practicar)</translation>
    </message>
    <message>
        <source>Minutes practised since Monday</source>
        <translation>Minutos practicados desde el lunes</translation>
    </message>
    <message>
        <source>The most days in a row with practice so far</source>
        <translation>El mayor número de días seguidos con práctica hasta ahora</translation>
    </message>
    <message>
        <source>Minutes practised since the first of the month</source>
        <translation>Minutos practicados desde el día 1 del mes</translation>
    </message>
    <message>
        <source>Minutes per day, the last 30 days</source>
        <translation>Minutos por día, últimos 30 días</translation>
    </message>
    <message>
        <source>Minutes practised on each of the last 30 days; point at a bar for its day</source>
        <translation>Minutos practicados en cada uno de los últimos 30 días; al señalar una barra se ve su día</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>How many of the recorded tasks are shown</source>
        <translation>Cuántas de las tareas registradas se muestran</translation>
    </message>
    <message>
        <source>Recorded &amp;tasks, newest first:</source>
        <translation>&amp;Tareas registradas, las más recientes primero:</translation>
    </message>
    <message>
        <source>Every task practised: when, what, and how long; point at a text to read it whole</source>
        <translation>Cada tarea practicada: cuándo, qué y cuánto tiempo; al señalar un texto se lee entero</translation>
    </message>
    <message>
        <source>Saves the tasks shown as a CSV file for a spreadsheet</source>
        <translation>Guarda las tareas mostradas como archivo CSV para una hoja de cálculo</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportar...</translation>
    </message>
    <message>
        <source>Closes the practice journal</source>
        <translation>Cierra el diario de práctica</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Shows only the tasks that hold what is typed here in any column, as the table shows it</source>
        <translation>Muestra solo las tareas que contienen lo escrito aquí en alguna columna, tal como la tabla la muestra</translation>
    </message>
    <message>
        <source>A word of the task, a list item, a date, how it ended</source>
        <translation>Una palabra de la tarea, un elemento, una fecha, cómo terminó</translation>
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
        <translation>La lista de tareas en uso</translation>
    </message>
    <message>
        <source>The task the session is at, or the one Start begins with</source>
        <translation>La tarea en la que está la sesión, o aquella con la que empieza «Iniciar»</translation>
    </message>
    <message>
        <source>Start from task</source>
        <translation>Empezar en la tarea</translation>
    </message>
    <message>
        <source>Next task</source>
        <translation>Tarea siguiente</translation>
    </message>
    <message>
        <source>Previous task</source>
        <translation>Tarea anterior</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>Sessions completed in the practice journal, and the minutes practised today</source>
        <translation>Sesiones completadas en el diario de práctica y los minutos practicados hoy</translation>
    </message>
    <message>
        <source>To Start or Stop this Session Click here</source>
        <translation>Iniciar o detener la sesión</translation>
    </message>
    <message>
        <source>To Pause the session click here</source>
        <translation>Pausar la sesión</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>To Quit Tallybell click here</source>
        <translation>Salir de Tallybell</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>To jump to the next task click here (Alt+N)</source>
        <translation>Saltar ya a la tarea siguiente (Alt+N)</translation>
    </message>
    <message>
        <source>Alt+N</source>
        <translation>Alt+N</translation>
    </message>
    <message>
        <source>Next task now</source>
        <translation>Saltar ya a la tarea siguiente</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Task Time</source>
        <translation>&amp;Tiempo</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Open another task list</source>
        <translation>&amp;Abrir otra lista de tareas</translation>
    </message>
    <message>
        <source>&amp;New task list...</source>
        <translation>&amp;Nueva lista de tareas...</translation>
    </message>
    <message>
        <source>Make a new task list, holding the options in force, and use it</source>
        <translation>Crear una lista de tareas nueva con las opciones vigentes y usarla</translation>
    </message>
    <message>
        <source>Edit Current &amp;Task List</source>
        <translation>&amp;Editar la lista de tareas actual</translation>
    </message>
    <message>
        <source>Edit &amp;list files</source>
        <translation>Editar archivos de &amp;lista</translation>
    </message>
    <message>
        <source>Practice &amp;journal</source>
        <translation>&amp;Diario de práctica</translation>
    </message>
    <message>
        <source>Streaks, minutes and every task practised</source>
        <translation>Rachas, minutos y cada tarea practicada</translation>
    </message>
    <message>
        <source>Disable Screen Saver during countdown</source>
        <translation>Desactivar el salvapantallas mientras corre el tiempo</translation>
    </message>
    <message>
        <source>General Task Options</source>
        <translation>Opciones generales de tareas</translation>
    </message>
    <message>
        <source>Tallybell &amp;Help Topics</source>
        <translation>&amp;Temas de ayuda de Tallybell</translation>
    </message>
    <message>
        <source>How &amp;to use Help</source>
        <translation>&amp;Cómo usar la ayuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de Tallybell</translation>
    </message>
    <message>
        <source>&amp;Mute cues</source>
        <translation>&amp;Silenciar avisos</translation>
    </message>
    <message>
        <source>No bell, no warning and nothing read aloud: the countdown alone</source>
        <translation>Sin sonido, sin aviso y sin lectura en voz alta: solo la cuenta atrás</translation>
    </message>
    <message>
        <source>Keep running in the panel when the window is closed</source>
        <translation>Seguir en el panel al cerrar la ventana</translation>
    </message>
    <message>
        <source>Let media keys control the session</source>
        <translation>Controlar la sesión con las teclas multimedia</translation>
    </message>
</context>
<context>
    <name>frmoptions</name>
    <message>
        <source>Use Full Screen during countdown</source>
        <translation>Pantalla completa mientras corre el tiempo</translation>
    </message>
    <message>
        <source>Play sound between tasks</source>
        <translation>Reproducir un sonido entre tareas</translation>
    </message>
    <message>
        <source>Stop between tasks</source>
        <translation>Detenerse entre tareas</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Current Sound File</source>
        <translation>Archivo de sonido actual</translation>
    </message>
    <message>
        <source>Current sound file</source>
        <translation>Archivo de sonido actual</translation>
    </message>
    <message>
        <source>Select new sound file</source>
        <translation>Elegir otro archivo de sonido</translation>
    </message>
    <message>
        <source>Play sound file</source>
        <translation>Reproducir el archivo de sonido</translation>
    </message>
    <message>
        <source>Current Task List</source>
        <translation>Lista de tareas actual</translation>
    </message>
    <message>
        <source>Current task list</source>
        <translation>Lista de tareas actual</translation>
    </message>
    <message>
        <source>Select new task list</source>
        <translation>Elegir otra lista de tareas</translation>
    </message>
    <message>
        <source>Create new task list</source>
        <translation>Crear una lista de tareas nueva</translation>
    </message>
    <message>
        <source>Note &amp;names:</source>
        <translation>&amp;Nombres de notas:</translation>
    </message>
    <message>
        <source>How a random note (%note%) is named in the task texts</source>
        <translation>Cómo se nombra una nota al azar (%note%) en los textos de las tareas</translation>
    </message>
    <message>
        <source>&amp;Warn before a task ends:</source>
        <translation>A&amp;visar antes del final de la tarea:</translation>
    </message>
    <message>
        <source>A soft sound this long before each task&apos;s time is up, and the timer in another colour; tasks shorter than twice this get none</source>
        <translation>Un sonido suave este tiempo antes de que acabe cada tarea, y el reloj en otro color; las tareas que duran menos del doble no lo tienen</translation>
    </message>
    <message>
        <source>Read each task &amp;aloud</source>
        <translation>&amp;Leer cada tarea en voz alta</translation>
    </message>
    <message>
        <source>Speaking &amp;rate:</source>
        <translation>&amp;Ritmo de lectura:</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tallybell is not running.</source>
        <translation>Tallybell no está en marcha.</translation>
    </message>
</context>
<context>
    <name>tb::HelpWindow</name>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>A&amp;delante</translation>
    </message>
    <message>
        <source>&amp;Home</source>
        <translation>&amp;Inicio</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>Go back to the page you saw before (Alt+Left)</source>
        <translation>Volver a la página vista antes (Alt+Izquierda)</translation>
    </message>
    <message>
        <source>Go forward again (Alt+Right)</source>
        <translation>Volver a avanzar (Alt+Derecha)</translation>
    </message>
    <message>
        <source>Go to the first page this help window showed</source>
        <translation>Ir a la primera página que mostró esta ventana de ayuda</translation>
    </message>
    <message>
        <source>Show the list of all help pages</source>
        <translation>Mostrar la lista de todas las páginas de ayuda</translation>
    </message>
    <message>
        <source> Help</source>
        <translation> - Ayuda</translation>
    </message>
</context>
<context>
    <name>tb::JournalTableModel</name>
    <message>
        <source>Started</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Tarea</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>List items</source>
        <translation>Elementos</translation>
    </message>
    <message>
        <source>Planned</source>
        <translation>Previsto</translation>
    </message>
    <message>
        <source>Practised</source>
        <translation>Practicado</translation>
    </message>
    <message>
        <source>Ended by</source>
        <translation>Cómo terminó</translation>
    </message>
</context>
<context>
    <name>tb::PanelIcon</name>
    <message>
        <source>&amp;Next task</source>
        <translation>Siguiente &amp;tarea</translation>
    </message>
    <message>
        <source>&amp;Hide window</source>
        <translation>&amp;Ocultar ventana</translation>
    </message>
    <message>
        <source>&amp;Show window</source>
        <translation>&amp;Mostrar ventana</translation>
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
        <translation>No hay ayuda para este elemento (tema %1).</translation>
    </message>
</context>
<context>
    <name>tb::frmeditsonglist</name>
    <message>
        <source>Make &amp;current item</source>
        <translation>Convertir en elemento &amp;actual</translation>
    </message>
    <message>
        <source>&amp;Delete item</source>
        <translation>&amp;Eliminar elemento</translation>
    </message>
</context>
</TS>
