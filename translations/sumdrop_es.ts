<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About </source>
        <translation>Acerca de </translation>
    </message>
    <message>
        <source>Sumdrop logo: click to close</source>
        <translation>Logotipo de Sumdrop: haz clic para cerrar</translation>
    </message>
    <message>
        <source>by: Pebblebrook Studio</source>
        <translation>de: Pebblebrook Studio</translation>
    </message>
    <message>
        <source>Email to: </source>
        <translation>Correo a: </translation>
    </message>
</context>
<context>
    <name>AnswerArea</name>
    <message>
        <source>answer</source>
        <translation>respuesta</translation>
    </message>
    <message>
        <source>answer, hundreds digit</source>
        <translation>respuesta, cifra de las centenas</translation>
    </message>
    <message>
        <source>answer, tens digit</source>
        <translation>respuesta, cifra de las decenas</translation>
    </message>
    <message>
        <source>answer, units digit</source>
        <translation>respuesta, cifra de las unidades</translation>
    </message>
    <message>
        <source>carry to the tens</source>
        <translation>llevada a las decenas</translation>
    </message>
    <message>
        <source>carry to the hundreds</source>
        <translation>llevada a las centenas</translation>
    </message>
    <message>
        <source>Carry Boxes</source>
        <translation>Llevadas</translation>
    </message>
    <message>
        <source>RIGHT</source>
        <translation>BIEN</translation>
    </message>
    <message>
        <source>WRONG</source>
        <translation>MAL</translation>
    </message>
</context>
<context>
    <name>AnswerChecking</name>
    <message>
        <source>right</source>
        <translation>bien</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>mal</translation>
    </message>
</context>
<context>
    <name>CardPhrase</name>
    <message>
        <source>%1 plus %2</source>
        <translation>%1 más %2</translation>
    </message>
    <message>
        <source>%1 minus %2</source>
        <translation>%1 menos %2</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <translation>%1 por %2</translation>
    </message>
    <message>
        <source>%1 divided by %2</source>
        <translation>%1 entre %2</translation>
    </message>
</context>
<context>
    <name>CardReader</name>
    <message>
        <source>Cards cannot be read aloud: %1</source>
        <translation>No se pueden leer las tarjetas en voz alta: %1</translation>
    </message>
    <message>
        <source>Flash card</source>
        <translation>Tarjeta de cálculo</translation>
    </message>
    <message>
        <source>Card %1 of %2: %3</source>
        <translation>Tarjeta %1 de %2: %3</translation>
    </message>
</context>
<context>
    <name>CardView</name>
    <message>
        <source>top number, tens digit: %1</source>
        <translation>número de arriba, cifra de las decenas: %1</translation>
    </message>
    <message>
        <source>bottom number, tens digit: %1</source>
        <translation>número de abajo, cifra de las decenas: %1</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>vacío</translation>
    </message>
    <message>
        <source>top number, units digit: %1</source>
        <translation>número de arriba, cifra de las unidades: %1</translation>
    </message>
    <message>
        <source>bottom number, units digit: %1</source>
        <translation>número de abajo, cifra de las unidades: %1</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>times</source>
        <translation>por</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>más</translation>
    </message>
    <message>
        <source>answer line</source>
        <translation>línea del resultado</translation>
    </message>
    <message>
        <source>divisor: %1</source>
        <translation>divisor: %1</translation>
    </message>
    <message>
        <source>dividend, hundreds digit: %1</source>
        <translation>dividendo, cifra de las centenas: %1</translation>
    </message>
    <message>
        <source>dividend, tens digit: %1</source>
        <translation>dividendo, cifra de las decenas: %1</translation>
    </message>
    <message>
        <source>dividend, units digit: %1</source>
        <translation>dividendo, cifra de las unidades: %1</translation>
    </message>
    <message>
        <source>division bracket</source>
        <translation>galera de la división</translation>
    </message>
</context>
<context>
    <name>Class</name>
    <message>
        <source>75 % or more</source>
        <translation>75 % o más</translation>
    </message>
    <message>
        <source>50 to 74 %</source>
        <translation>50 a 74 %</translation>
    </message>
    <message>
        <source>25 to 49 %</source>
        <translation>25 a 49 %</translation>
    </message>
    <message>
        <source>under 25 %</source>
        <translation>menos del 25 %</translation>
    </message>
    <message>
        <source>not practised</source>
        <translation>sin practicar</translation>
    </message>
    <message>
        <source>%1: mastered by %2 of %3 children</source>
        <translation>%1: dominado por %2 de %3 niños</translation>
    </message>
    <message>
        <source>Needs work: %1</source>
        <translation>Necesita práctica: %1</translation>
    </message>
    <message>
        <source>Learning: %1</source>
        <translation>Aprendiendo: %1</translation>
    </message>
    <message>
        <source>Sumdrop class: %1</source>
        <translation>Clase de Sumdrop: %1</translation>
    </message>
    <message>
        <source>Printed %1. Children: %2. Each child&apos;s facts are fluent within that child&apos;s own time.</source>
        <translation>Impreso el %1. Niños: %2. Cada niño se mide con su propio tiempo de respuesta.</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Niño</translation>
    </message>
    <message>
        <source>Games in 7 days</source>
        <translation>Partidas en 7 días</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>The facts most children need work on</source>
        <translation>Las operaciones que más niños necesitan practicar</translation>
    </message>
    <message>
        <source>%1: needs work for %2, learning for %3, mastered by %4</source>
        <translation>%1: necesitan práctica %2, aprendiendo %3, dominado %4</translation>
    </message>
    <message>
        <source>Last practice</source>
        <translation>Última práctica</translation>
    </message>
</context>
<context>
    <name>ClassPage</name>
    <message>
        <source>Children of the class</source>
        <translation>Niños de la clase</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Niño</translation>
    </message>
    <message>
        <source>Last practice</source>
        <translation>Última práctica</translation>
    </message>
    <message>
        <source>Games in 7 days</source>
        <translation>Partidas en 7 días</translation>
    </message>
    <message>
        <source>Click a heading to sort. Double-click a child to see their own pages.</source>
        <translation>Haga clic en un encabezado para ordenar. Doble clic en un niño para ver sus propias páginas.</translation>
    </message>
    <message>
        <source>The facts most children need work on</source>
        <translation>Las operaciones que más niños necesitan practicar</translation>
    </message>
    <message>
        <source>Learning</source>
        <translation>Aprendiendo</translation>
    </message>
    <message>
        <source>Mastered</source>
        <translation>Dominado</translation>
    </message>
    <message>
        <source>Print Class...</source>
        <translation>Imprimir la clase...</translation>
    </message>
    <message>
        <source>Export Class...</source>
        <translation>Exportar la clase...</translation>
    </message>
    <message>
        <source>Facts mastered by the class:</source>
        <translation>Operaciones dominadas por la clase:</translation>
    </message>
    <message>
        <source>Facts mastered by the class</source>
        <translation>Operaciones dominadas por la clase</translation>
    </message>
    <message>
        <source>Needs work</source>
        <translation>Necesita práctica</translation>
    </message>
</context>
<context>
    <name>ClassServer</name>
    <message>
        <source>Write the connection as key=value words, such as host=school-db dbname=class4b.</source>
        <translation>Escriba la conexión como palabras clave=valor, por ejemplo host=school-db dbname=class4b.</translation>
    </message>
    <message>
        <source>A quote in the connection string is not closed.</source>
        <translation>Una comilla de la cadena de conexión no está cerrada.</translation>
    </message>
    <message>
        <source>The connection string may not hold a semicolon.</source>
        <translation>La cadena de conexión no puede contener un punto y coma.</translation>
    </message>
    <message>
        <source>The connection string is empty.</source>
        <translation>La cadena de conexión está vacía.</translation>
    </message>
    <message>
        <source>Sumdrop keeps no password: put it in the password file ~/.pgpass instead.</source>
        <translation>Sumdrop no guarda contraseñas: póngala en el archivo de contraseñas ~/.pgpass.</translation>
    </message>
    <message>
        <source>Connected: class %1, %2 children, %3 cards</source>
        <translation>Conectado: clase %1, %2 niños, %3 tarjetas</translation>
    </message>
    <message>
        <source>This database is not a Sumdrop class yet: set it up with sumdrop --init-class.</source>
        <translation>Esta base de datos aún no es una clase de Sumdrop: configúrela con sumdrop --init-class.</translation>
    </message>
    <message>
        <source>This database is not a Sumdrop class.</source>
        <translation>Esta base de datos no es una clase de Sumdrop.</translation>
    </message>
    <message>
        <source>This class was set up by a newer Sumdrop: update Sumdrop on this computer.</source>
        <translation>Esta clase la configuró un Sumdrop más reciente: actualice Sumdrop en este ordenador.</translation>
    </message>
    <message>
        <source>Server not found: %1</source>
        <translation>Servidor no encontrado: %1</translation>
    </message>
    <message>
        <source>The server does not answer: %1</source>
        <translation>El servidor no responde: %1</translation>
    </message>
    <message>
        <source>Password refused: %1</source>
        <translation>Contraseña rechazada: %1</translation>
    </message>
    <message>
        <source>Database missing: %1</source>
        <translation>Falta la base de datos: %1</translation>
    </message>
    <message>
        <source>Qt&apos;s PostgreSQL driver is not installed (package libqt6sql6-psql).</source>
        <translation>El controlador PostgreSQL de Qt no está instalado (paquete libqt6sql6-psql).</translation>
    </message>
    <message>
        <source>The class server failed: %1</source>
        <translation>El servidor de clase falló: %1</translation>
    </message>
    <message>
        <source>Failed: %1 Nothing was changed.</source>
        <translation>Error: %1 No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Setting up the class %1 as %2.</source>
        <translation>Configurando la clase %1 como %2.</translation>
    </message>
    <message>
        <source>The database name %1 is too long for the names of its roles.</source>
        <translation>El nombre de base de datos %1 es demasiado largo para los nombres de sus roles.</translation>
    </message>
    <message>
        <source>This database is a Sumdrop class already. Nothing was changed.</source>
        <translation>Esta base de datos ya es una clase de Sumdrop. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>The schema sumdrop already holds tables (%1). Nothing was changed.</source>
        <translation>El esquema sumdrop ya contiene tablas (%1). No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Created the schema sumdrop and its tables info, children, games, game_ends and cards.</source>
        <translation>Se crearon el esquema sumdrop y sus tablas info, children, games, game_ends y cards.</translation>
    </message>
    <message>
        <source>The role %1 exists already and is used as it is.</source>
        <translation>El rol %1 ya existe y se usa tal como está.</translation>
    </message>
    <message>
        <source>Created the role %1.</source>
        <translation>Se creó el rol %1.</translation>
    </message>
    <message>
        <source>%1 may add games and cards and read them; %2 may also forget a child.</source>
        <translation>%1 puede añadir partidas y tarjetas y leerlas; %2 además puede olvidar a un niño.</translation>
    </message>
    <message>
        <source>Done: %1 is a Sumdrop class. Give each login the role %2 or %3.</source>
        <translation>Listo: %1 es una clase de Sumdrop. Dé a cada inicio de sesión el rol %2 o %3.</translation>
    </message>
</context>
<context>
    <name>ClassServerDialog</name>
    <message>
        <source>Class Server</source>
        <translation>Servidor de clase</translation>
    </message>
    <message>
        <source>Where the class server is, as a PostgreSQL connection string. Passwords belong in the PostgreSQL password file, not here.</source>
        <translation>Dónde está el servidor de clase, como cadena de conexión de PostgreSQL. Las contraseñas van en el archivo de contraseñas de PostgreSQL, no aquí.</translation>
    </message>
    <message>
        <source>Test Connection</source>
        <translation>Probar la conexión</translation>
    </message>
    <message>
        <source>No class server: Sumdrop keeps the practice on this computer only.</source>
        <translation>Sin servidor de clase: Sumdrop guarda la práctica solo en este ordenador.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Conectando...</translation>
    </message>
</context>
<context>
    <name>ClassSync</name>
    <message>
        <source>Class: 1 card waiting</source>
        <translation>Clase: 1 tarjeta en espera</translation>
    </message>
    <message>
        <source>Class: %1 cards waiting</source>
        <translation>Clase: %1 tarjetas en espera</translation>
    </message>
    <message>
        <source>Class: sent</source>
        <translation>Clase: enviado</translation>
    </message>
    <message>
        <source>Class: 1 card waiting (server not reachable)</source>
        <translation>Clase: 1 tarjeta en espera (servidor no disponible)</translation>
    </message>
    <message>
        <source>Class: %1 cards waiting (server not reachable)</source>
        <translation>Clase: %1 tarjetas en espera (servidor no disponible)</translation>
    </message>
    <message>
        <source>Class: not a Sumdrop class database</source>
        <translation>Clase: no es una base de datos de clase de Sumdrop</translation>
    </message>
    <message>
        <source>Class: set up by a newer Sumdrop</source>
        <translation>Clase: creada por un Sumdrop más reciente</translation>
    </message>
    <message>
        <source>Class: cannot connect</source>
        <translation>Clase: no se puede conectar</translation>
    </message>
    <message>
        <source>The practice is not shared with the class server: %1</source>
        <translation>La práctica no se comparte con el servidor de clase: %1</translation>
    </message>
    <message>
        <source>Class: server not reachable</source>
        <translation>Clase: servidor no disponible</translation>
    </message>
</context>
<context>
    <name>FeedbackView</name>
    <message>
        <source>previous card</source>
        <translation>tarjeta anterior</translation>
    </message>
</context>
<context>
    <name>GameFlow</name>
    <message>
        <source>No Math Function Selected!</source>
        <translation>¡No has elegido ninguna operación!</translation>
    </message>
    <message>
        <source>You did not select a Math Function.</source>
        <translation>No has elegido ninguna operación.</translation>
    </message>
    <message>
        <source>Click OK to do Addition Only or CANCEL to got to setup</source>
        <translation>Haz clic en ACEPTAR para hacer solo sumas o en CANCELAR para ir a la configuración</translation>
    </message>
    <message>
        <source>No card can be dealt: these number ranges only make subtractions of two equal numbers. Widen the top number range, or lower the bottom number range below it, on the Number Range tab.</source>
        <translation>No se puede repartir ninguna tarjeta: con estos rangos solo salen restas de dos números iguales. Amplía el rango del número de arriba o baja el del número de abajo por debajo de él, en la pestaña Rango de números.</translation>
    </message>
    <message>
        <source>No card can be dealt: a subtraction needs a top number limit of at least 2. Raise the top number limit on the Number Range tab.</source>
        <translation>No se puede repartir ninguna tarjeta: una resta necesita que el número de arriba llegue al menos a 2. Sube el límite del número de arriba en la pestaña Rango de números.</translation>
    </message>
    <message>
        <source>Card %1 of %2</source>
        <translation>Tarjeta %1 de %2</translation>
    </message>
</context>
<context>
    <name>GameSummary</name>
    <message>
        <source>No game to display.</source>
        <translation>No hay ninguna partida que mostrar.</translation>
    </message>
</context>
<context>
    <name>HelpIntro</name>
    <message>
        <source>Help - Introduction</source>
        <translation>Ayuda - Introducción</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Introducción</translation>
    </message>
    <message>
        <source>Sumdrop is a versatile flash card game to develop children&apos;s math skills. Children can play alone or with a supervisor.</source>
        <translation>Sumdrop es un juego de tarjetas de cálculo muy completo para que los niños mejoren en matemáticas. Pueden jugar solos o con un adulto.</translation>
    </message>
    <message>
        <source>Click  on the tab headings below to get more details on how to use the features of each tab.</source>
        <translation>Haz clic en los títulos de las pestañas de abajo para saber más sobre cada una.</translation>
    </message>
    <message>
        <source>The setup tabs: click a heading for its help</source>
        <translation>Las pestañas de configuración: haz clic en un título para ver su ayuda</translation>
    </message>
    <message>
        <source>Print Worksheets</source>
        <translation>Imprimir fichas</translation>
    </message>
    <message>
        <source>Save Reports</source>
        <translation>Guardar resultados</translation>
    </message>
    <message>
        <source>Dont&apos;s show this screen on startup</source>
        <translation>No mostrar esta pantalla al empezar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>On a large screen, choose Fit to Screen from the Options menu to make the whole game bigger.</source>
        <translation>En una pantalla grande, elige Ajustar a la pantalla en el menú Opciones para agrandar todo el juego.</translation>
    </message>
</context>
<context>
    <name>HelpTopic</name>
    <message>
        <source>Picture: %1</source>
        <translation>Imagen: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>HelpTopics</name>
    <message>
        <source>Help - General Setup</source>
        <translation>Ayuda - Configuración general</translation>
    </message>
    <message>
        <source>General Setup</source>
        <translation>Configuración general</translation>
    </message>
    <message>
        <source>Number of Cards</source>
        <translation>Número de tarjetas</translation>
    </message>
    <message>
        <source>To select the number of cards in a game, slide the bar. </source>
        <translation>Desliza la barra para elegir el número de tarjetas de una partida. </translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sonidos</translation>
    </message>
    <message>
        <source>Check to hear sounds when  an answer is entered. There is a different sound for right and wrong.</source>
        <translation>Márcalo para oír un sonido al escribir cada respuesta. El sonido es distinto si está bien o mal.</translation>
    </message>
    <message>
        <source>Show Card Count</source>
        <translation>Mostrar contador</translation>
    </message>
    <message>
        <source>When checked, the number of the current card and the total number of cards is displayed.</source>
        <translation>Si está marcado, se muestran el número de la tarjeta actual y el total de tarjetas.</translation>
    </message>
    <message>
        <source>Verbal Response</source>
        <translation>Respuesta oral</translation>
    </message>
    <message>
        <source>When playing a supervised game, the student can say the answer and the supervisor presses either a &quot;RIGHT&quot; or &quot;WRONG&quot; button. In this mode, you will not see an answer box displayed on the card.</source>
        <translation>En una partida con un adulto, el alumno dice la respuesta y el adulto pulsa el botón &quot;BIEN&quot; o &quot;MAL&quot;. En este modo no aparece ninguna casilla de respuesta en la tarjeta.</translation>
    </message>
    <message>
        <source>Display and Print Game Summary</source>
        <translation>Mostrar e imprimir el resumen</translation>
    </message>
    <message>
        <source>When checked, a summary of the game is displayed when the game is over or stopped. The display shows the problem, the correct answer and the student&apos;s answer. If the TIMER was selected, the time for each card is also displayed.</source>
        <translation>Si está marcado, al terminar o detener la partida se muestra un resumen con la operación, la respuesta correcta y la respuesta del alumno. Si se eligió el CRONÓMETRO, también se muestra el tiempo de cada tarjeta.</translation>
    </message>
    <message>
        <source>Enter Your Name</source>
        <translation>Escribe tu nombre</translation>
    </message>
    <message>
        <source>The student can enter their name to have it shown in the heading of the GAME SUMMARY DISPLAY or a worksheet.</source>
        <translation>El alumno puede escribir su nombre para que aparezca en el encabezado del RESUMEN DE LA PARTIDA o de una ficha.</translation>
    </message>
    <message>
        <source>Help - Number Range</source>
        <translation>Ayuda - Rango de números</translation>
    </message>
    <message>
        <source>Basic Number Range Setting</source>
        <translation>Rango de números básico</translation>
    </message>
    <message>
        <source>Slide to select both the top and bottom range. Sumdrop will generate random numbers from 1 to the number selected. </source>
        <translation>Desliza las barras para elegir el rango del número de arriba y del de abajo. Sumdrop genera números al azar del 1 al número elegido. </translation>
    </message>
    <message>
        <source>Note: With multiplication, Sumdrop will truncate the bottom to a single digit.</source>
        <translation>Nota: en la multiplicación, Sumdrop reduce el número de abajo a una sola cifra.</translation>
    </message>
    <message>
        <source>There is also an option to select number ranges for both the top and botom. Click HERE form more about Advanced Range Settings</source>
        <translation>También se puede elegir un rango para el número de arriba y otro para el de abajo. Haz clic AQUÍ para saber más sobre el rango avanzado.</translation>
    </message>
    <message>
        <source>Select BASIC or ADVANCED setting from the OPTIONS Menu</source>
        <translation>Elige BÁSICO o AVANZADO en el menú OPCIONES</translation>
    </message>
    <message>
        <source>Help - Math Functions</source>
        <translation>Ayuda - Operaciones</translation>
    </message>
    <message>
        <source>Select Math Functions</source>
        <translation>Elegir las operaciones</translation>
    </message>
    <message>
        <source>Select the math function for the game or worksheet. When more than one function is selected, the card function will be selected at random.</source>
        <translation>Elige la operación para la partida o la ficha. Si eliges más de una, la de cada tarjeta se decide al azar.</translation>
    </message>
    <message>
        <source>Divisor Range</source>
        <translation>Rango del divisor</translation>
    </message>
    <message>
        <source>Use the sliders to select the range of the divisor used in Division problems. To have the divisor constant, select the same number for each. If DIVISION is not selected, the divisor range selector is inactive.</source>
        <translation>Usa las barras para elegir el rango del divisor en las divisiones. Para usar siempre el mismo divisor, elige el mismo número en las dos. Si DIVISIÓN no está elegida, las barras no se pueden usar.</translation>
    </message>
    <message>
        <source>A Note About Division</source>
        <translation>Una nota sobre la división</translation>
    </message>
    <message>
        <source>All division problems have answers without remainders. The dividend will always be a single digit and the answer will not be more than 12. This format does not facilitate long division.</source>
        <translation>Todas las divisiones son exactas, sin resto. El divisor tiene siempre una sola cifra y el resultado no pasa de 12. Este formato no sirve para practicar la división larga.</translation>
    </message>
    <message>
        <source>Help - Answer Input Format</source>
        <translation>Ayuda - Forma de respuesta</translation>
    </message>
    <message>
        <source>Answer Format Tab</source>
        <translation>Pestaña Respuestas</translation>
    </message>
    <message>
        <source>Single Entry Box</source>
        <translation>Una sola casilla</translation>
    </message>
    <message>
        <source>Select Single Entry Box to enter entire answer at once. Just type in the answer, then ENTER. This is best for easy problems. </source>
        <translation>Elige Una sola casilla para escribir toda la respuesta de una vez. Escribe la respuesta y pulsa INTRO. Es lo mejor para operaciones fáciles. </translation>
    </message>
    <message>
        <source>Separate Entry Box</source>
        <translation>Casillas separadas</translation>
    </message>
    <message>
        <source>Select Separate Box to enter the answer one digit at a time, starting at Units, the way you would working a problem on paper. When you type a number, the cursor automatically moves left one digit. When you are done, press ENTER. This is better for more complex problems. When HIGHLIGHT ACTIVE ENTRY BOX is checked, the box expecting the next input is highlighted to promt the student.</source>
        <translation>Elige Casillas separadas para escribir la respuesta cifra a cifra, empezando por las unidades, como al resolver una operación en papel. Al escribir una cifra, el cursor pasa solo a la casilla de la izquierda. Cuando termines, pulsa INTRO. Es mejor para operaciones más difíciles. Si RESALTAR LA CASILLA ACTIVA está marcado, se resalta la casilla que espera la siguiente cifra para guiar al alumno.</translation>
    </message>
    <message>
        <source>Use Screen Keypad</source>
        <translation>Teclado en pantalla</translation>
    </message>
    <message>
        <source>Using the on screen keypad allows the student to input all answers using the mouse. Click HERE for more detailed information.</source>
        <translation>El teclado en pantalla permite al alumno escribir todas las respuestas con el ratón. Haz clic AQUÍ para saber más.</translation>
    </message>
    <message>
        <source>Show Carry Scratchpad Box displays an entry box where a carry over number can be entered, when in SEPARATE ANSWER BOX mode. This has no effect on the answer. It is just a scratchpad for assistance.</source>
        <translation>Mostrar casillas de llevadas muestra una casilla donde anotar lo que se lleva, en el modo CASILLAS SEPARADAS. No cambia la respuesta: es solo una ayuda, como un borrador.</translation>
    </message>
    <message>
        <source>Show Previous Card will display the problem with the correct answer and indicate by check or x if the entered answer was correct or not.</source>
        <translation>Mostrar tarjeta anterior muestra la operación con la respuesta correcta y una marca o una cruz según si la respuesta dada era correcta.</translation>
    </message>
    <message>
        <source>Help - Timer Options</source>
        <translation>Ayuda - Tiempo</translation>
    </message>
    <message>
        <source>Timer Options Tab</source>
        <translation>Pestaña Tiempo</translation>
    </message>
    <message>
        <source>Check Game and card timer to display timers for the total game and for each card.</source>
        <translation>Marca Cronómetro de partida y tarjeta para ver el tiempo de toda la partida y de cada tarjeta.</translation>
    </message>
    <message>
        <source>Game Time Limit</source>
        <translation>Límite de la partida</translation>
    </message>
    <message>
        <source>Use the Game Time Limit to set a time limit for the game. Up to 30 minutes.  When the time is up, game will stop. If the TIMER DISPLAY is checked, the game timer will show a count down from the selected time to zero.</source>
        <translation>Con el límite de la partida fijas un tiempo para toda la partida, hasta 30 minutos. Cuando se acaba el tiempo, la partida termina. Si la PANTALLA DEL CRONÓMETRO está marcada, el reloj de la partida cuenta hacia atrás desde el tiempo elegido hasta cero.</translation>
    </message>
    <message>
        <source>Card Time Limit</source>
        <translation>Límite por tarjeta</translation>
    </message>
    <message>
        <source>Use the Card Time Limit to set a time limit for each card. Up to 60 seconds.  When the time is up, the card will change to the next. If the TIMER DISPLAY is checked, the card timer will show a count down from the selected time to zero.</source>
        <translation>Con el límite por tarjeta fijas un tiempo para cada tarjeta, hasta 60 segundos. Cuando se acaba, pasa a la tarjeta siguiente. Si la PANTALLA DEL CRONÓMETRO está marcada, el reloj de la tarjeta cuenta hacia atrás desde el tiempo elegido hasta cero.</translation>
    </message>
    <message>
        <source>If GAME AND CARD TIME is not selected, Time limit selectors are inactive. You can have only one time limit selected.</source>
        <translation>Si CRONÓMETRO DE PARTIDA Y TARJETA no está elegido, los límites de tiempo no se pueden usar. Solo se puede elegir un límite.</translation>
    </message>
    <message>
        <source>Help - Print Worksheets</source>
        <translation>Ayuda - Imprimir fichas</translation>
    </message>
    <message>
        <source>With Sumdrop you can print worksheets. To print a worksheet, select PRINT WORKSHEET from the Options Menu.</source>
        <translation>Con Sumdrop puedes imprimir fichas de ejercicios. Para ello, elige IMPRIMIR FICHA en el menú Opciones.</translation>
    </message>
    <message>
        <source>The number of problems on the worksheet is determined by the card count selected from the setup Tab. The maximum is 100.</source>
        <translation>El número de operaciones de la ficha es el número de tarjetas elegido en la pestaña Configuración. Como máximo, 100.</translation>
    </message>
    <message>
        <source>The math functions are as selected on the MATH FUNCTIONS tab.</source>
        <translation>Las operaciones son las elegidas en la pestaña OPERACIONES.</translation>
    </message>
    <message>
        <source>For multiplication, the bottom number will be 2 digits if the selected range allows. Using the range selection, you can print worksheets to focus on specific needed practice areas such as a multiplication table.</source>
        <translation>En la multiplicación, el número de abajo tendrá 2 cifras si el rango elegido lo permite. Con los rangos puedes imprimir fichas para practicar algo concreto, como una tabla de multiplicar.</translation>
    </message>
    <message>
        <source>Help - Saving Results</source>
        <translation>Ayuda - Guardar resultados</translation>
    </message>
    <message>
        <source>When DISPALY AND PRINT GAME SUMMARY is selected, a window opens when the game is ended to display the game results. By selecting SAVE from this window, you can save the results for later review.</source>
        <translation>Si MOSTRAR E IMPRIMIR EL RESUMEN está elegido, al terminar la partida se abre una ventana con los resultados. Con GUARDAR en esa ventana puedes conservarlos para revisarlos más tarde.</translation>
    </message>
    <message>
        <source>Choose a file name, perhaps using the student&apos;s name and date and select save from the file dialog.</source>
        <translation>Elige un nombre de archivo, por ejemplo con el nombre del alumno y la fecha, y pulsa Guardar en la ventana de archivos.</translation>
    </message>
    <message>
        <source>You can view previously saved results by selecting OPEN SAVED GAME REPORT from the file menu.</source>
        <translation>Puedes ver resultados guardados con ABRIR INFORME GUARDADO en el menú Archivo.</translation>
    </message>
    <message>
        <source>Help - Advanced Number Range Setting</source>
        <translation>Ayuda - Rango de números avanzado</translation>
    </message>
    <message>
        <source>Advanced Number Range</source>
        <translation>Rango avanzado</translation>
    </message>
    <message>
        <source>This advanced feature allows you to set a number range for both the top and bottom number of a problem (except Division).</source>
        <translation>Esta opción avanzada permite fijar un rango para el número de arriba y otro para el de abajo (salvo en la división).</translation>
    </message>
    <message>
        <source>If you would like to have an entire game or worksheet have the same bottom number, set bot bottom range values the same. This is helpful for practice on a single multiplication table.</source>
        <translation>Para que toda una partida o ficha tenga el mismo número de abajo, pon los dos valores del rango de abajo iguales. Sirve para practicar una sola tabla de multiplicar.</translation>
    </message>
    <message>
        <source>Help - Screen Keypad</source>
        <translation>Ayuda - Teclado en pantalla</translation>
    </message>
    <message>
        <source>The screen keypad is the easiest way to enter answers</source>
        <translation>El teclado en pantalla es la forma más fácil de escribir las respuestas</translation>
    </message>
    <message>
        <source>To enter a carry number with the keypad enabled, press CARRY then the number to carry. It will go into the appropriate carry box. Carrry boxes have no effect on the answer, it is just scratchpad. If HIGHLIGHT ACTIVE ENTRY BOX is checked, after CARRY is pressed, the correct carry box will be highlighted.</source>
        <translation>Para anotar una llevada con el teclado, pulsa LLEVO y luego la cifra que llevas. Irá a la casilla de llevadas que corresponde. Estas casillas no cambian la respuesta: son solo un borrador. Si RESALTAR LA CASILLA ACTIVA está marcado, tras pulsar LLEVO se resalta la casilla correcta.</translation>
    </message>
    <message>
        <source>The carry key is only enabled in SEPARATE ANSWER BOX mode.</source>
        <translation>La tecla de llevadas solo funciona en el modo CASILLAS SEPARADAS.</translation>
    </message>
    <message>
        <source>Pressing ERASE, will erase the last entry and select the previous active entry box.</source>
        <translation>BORRAR borra lo último escrito y vuelve a la casilla anterior.</translation>
    </message>
    <message>
        <source>Read Cards Aloud</source>
        <translation>Leer las tarjetas en voz alta</translation>
    </message>
    <message>
        <source>Practise Weak Facts</source>
        <translation>Practicar lo que cuesta</translation>
    </message>
    <message>
        <source>When checked, the game deals more of the facts the child named on the Setup tab finds hard, and brings a missed fact back a few cards later.</source>
        <translation>Si está marcada, el juego saca más a menudo las operaciones que le cuestan al niño nombrado en la pestaña General, y repite una operación fallada unas tarjetas más tarde.</translation>
    </message>
    <message>
        <source>Print Weak Facts Worksheet</source>
        <translation>Imprimir ficha de operaciones difíciles</translation>
    </message>
    <message>
        <source>Print Weak Facts Worksheet, on the Options menu, prints a sheet of the facts the child named on the Setup tab still needs to work on, from the ticked math functions and number ranges.</source>
        <translation>Imprimir ficha de operaciones difíciles, en el menú Opciones, imprime una ficha con las operaciones que el niño nombrado en la pestaña General aún tiene que practicar, de las operaciones marcadas y los rangos de números elegidos.</translation>
    </message>
    <message>
        <source>Print Answer Key With Worksheets</source>
        <translation>Imprimir las soluciones con las fichas</translation>
    </message>
    <message>
        <source>When this is ticked on the Options menu, every worksheet comes with a second page that shows the answers, for marking.</source>
        <translation>Si esta opción está marcada en el menú Opciones, cada ficha lleva una segunda página con las soluciones, para corregir.</translation>
    </message>
    <message>
        <source>Preview Before Printing</source>
        <translation>Vista previa antes de imprimir</translation>
    </message>
    <message>
        <source>When this is ticked on the Options menu, a worksheet or report is first shown on the screen, and you print it from there.</source>
        <translation>Si esta opción está marcada en el menú Opciones, una ficha o un informe se muestra primero en la pantalla, y se imprime desde allí.</translation>
    </message>
    <message>
        <source>Reprint Worksheet</source>
        <translation>Volver a imprimir una ficha</translation>
    </message>
    <message>
        <source>Each worksheet has a sheet number in its bottom corner. To print the same sheet again, choose Reprint Worksheet from the Options menu and type that number. The last %1 sheets printed on this computer can be printed again.</source>
        <translation>Cada ficha lleva un número en su esquina inferior. Para imprimir la misma ficha otra vez, elige Volver a imprimir una ficha en el menú Opciones y escribe ese número. Las últimas %1 fichas impresas en este ordenador se pueden volver a imprimir.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Sumdrop also keeps every card each child answers. Choose Progress from the File menu between games to see which facts a child knows and how the last games went.</source>
        <translation>Sumdrop también guarda cada tarjeta que responde cada niño. Entre partidas, elige Progreso en el menú Archivo para ver qué operaciones sabe un niño y cómo fueron las últimas partidas.</translation>
    </message>
    <message>
        <source>Help - Progress</source>
        <translation>Ayuda - Progreso</translation>
    </message>
    <message>
        <source>Sumdrop keeps every card each child answers, under the name entered on the Setup tab. This window shows what each child knows. Choose the child at the top.</source>
        <translation>Sumdrop guarda cada tarjeta que responde cada niño, con el nombre escrito en la pestaña General. Esta ventana muestra lo que sabe cada niño. Elige el niño arriba.</translation>
    </message>
    <message>
        <source>The facts</source>
        <translation>Las operaciones</translation>
    </message>
    <message>
        <source>Each tab shows one math function as a grid of facts, coloured as the key at the top explains. A fact is mastered when at least two of its last three answers were right and quick enough, and the last one was right; it needs work when the last answer was wrong, or two of the last three were. Under Fluent within, choose how many seconds are quick enough. Beside the grid are the facts the child finds hardest.</source>
        <translation>Cada pestaña muestra una de las cuatro operaciones como una cuadrícula, con los colores que explica la leyenda de arriba. Una operación está dominada cuando al menos dos de sus tres últimas respuestas fueron correctas y bastante rápidas, y la última fue correcta; hay que practicarla cuando la última respuesta fue incorrecta, o dos de las tres últimas. En Dominado en eliges cuántos segundos son bastante rápidos. Junto a la cuadrícula están las operaciones que más le cuestan al niño.</translation>
    </message>
    <message>
        <source>The last games</source>
        <translation>Las últimas partidas</translation>
    </message>
    <message>
        <source>The chart at the bottom shows the score of each of the last 30 games as a bar, and as a line how many seconds a card took.</source>
        <translation>El gráfico de abajo muestra la puntuación de cada una de las últimas 30 partidas como una barra, y como una línea cuántos segundos tardó una tarjeta.</translation>
    </message>
    <message>
        <source>Export, Print and Forget This Child</source>
        <translation>Exportar, Imprimir y Olvidar a este niño</translation>
    </message>
    <message>
        <source>Export saves the child&apos;s answers as a file for a spreadsheet. Print prints the grids and the chart. Forget This Child removes everything the child has practised; this cannot be undone.</source>
        <translation>Exportar guarda las respuestas del niño en un archivo para una hoja de cálculo. Imprimir imprime las cuadrículas y el gráfico. Olvidar a este niño borra todo lo que el niño ha practicado; no se puede deshacer.</translation>
    </message>
    <message>
        <source>When checked, each card is read aloud as it comes up. Press F5 in a game to hear it again, even when this is not checked.</source>
        <translation>Si está marcada, cada tarjeta se lee en voz alta. Durante una partida, F5 la vuelve a leer, aunque no esté marcada.</translation>
    </message>
    <message>
        <source>Lock Setup</source>
        <translation>Bloquear la configuración</translation>
    </message>
    <message>
        <source>A parent can choose Lock Setup from the Options menu and type a four-digit PIN twice. Until Unlock Setup is chosen and the PIN typed, the setup cannot be changed; the name box, playing and help stay open.</source>
        <translation>Un padre o una madre puede elegir Bloquear la configuración en el menú Opciones y escribir dos veces un PIN de cuatro cifras. Hasta que se elija Desbloquear la configuración y se escriba el PIN, la configuración no se puede cambiar; la casilla del nombre, el juego y la ayuda siguen disponibles.</translation>
    </message>
    <message>
        <source>Time practised</source>
        <translation>Tiempo de práctica</translation>
    </message>
    <message>
        <source>Choose Time above the chart to see how many minutes the child practised on each of the last 14 days, the minutes of the last seven days and the most days in a row with practice.</source>
        <translation>Elige Tiempo encima del gráfico para ver cuántos minutos practicó el niño en cada uno de los últimos 14 días, los minutos de los últimos siete días y el mayor número de días seguidos con práctica.</translation>
    </message>
    <message>
        <source>The class</source>
        <translation>La clase</translation>
    </message>
    <message>
        <source>With a teacher&apos;s login to a class server, the first tab, Class, shows how much each child of the class has mastered. Point at a fact to see who needs work on it, and double-click a child to see their tabs.</source>
        <translation>Con un inicio de sesión de docente en un servidor de clase, la primera pestaña, Clase, muestra cuánto domina cada niño de la clase. Señale una operación para ver quién necesita practicarla, y haga doble clic en un niño para ver sus pestañas.</translation>
    </message>
</context>
<context>
    <name>HistoryRecorder</name>
    <message>
        <source>The practice history %1 cannot be saved: %2. The game goes on without it.</source>
        <translation>No se puede guardar el historial %1: %2. La partida sigue sin él.</translation>
    </message>
    <message>
        <source>Sumdrop&apos;s practice history file %1 is damaged or is not a Sumdrop file, so this game is not being recorded. The file has not been changed.

(%2)</source>
        <translation>El archivo del historial de Sumdrop %1 está dañado o no es un archivo de Sumdrop, así que esta partida no se registra. El archivo no se ha modificado.

(%2)</translation>
    </message>
    <message>
        <source>The practice history %1 was made by a newer Sumdrop. Sumdrop leaves it as it is and keeps no history this time.</source>
        <translation>El historial %1 lo creó un Sumdrop más reciente. Sumdrop lo deja como está y esta vez no guarda historial.</translation>
    </message>
    <message>
        <source>The practice history %1 cannot be used: %2. Sumdrop keeps its history only in a file of its own, leaves this one as it is and keeps no history this time.</source>
        <translation>No se puede usar el historial %1: %2. Sumdrop guarda su historial solo en un archivo propio, deja este como está y esta vez no guarda historial.</translation>
    </message>
    <message>
        <source>The practice history %1 cannot be read: %2.</source>
        <translation>No se puede leer el historial %1: %2.</translation>
    </message>
    <message>
        <source>1 card was not kept.</source>
        <translation>1 tarjeta no se ha guardado.</translation>
    </message>
    <message>
        <source>%1 cards were not kept.</source>
        <translation>%1 tarjetas no se han guardado.</translation>
    </message>
    <message>
        <source>1 record in the practice history was not understood and is left out.</source>
        <translation>1 registro del historial no se ha entendido y se deja fuera.</translation>
    </message>
    <message>
        <source>%1 records in the practice history were not understood and are left out.</source>
        <translation>%1 registros del historial no se han entendido y se dejan fuera.</translation>
    </message>
    <message>
        <source>The practice history %1 can be read but not written, so the cards of this run are not kept. Earlier practice still shows in Progress.</source>
        <translation>El historial %1 se puede leer pero no escribir, así que las tarjetas de esta sesión no se guardan. La práctica anterior sigue apareciendo en Progreso.</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <source>the SQLite driver of Qt is not installed</source>
        <translation>el controlador SQLite de Qt no está instalado</translation>
    </message>
    <message>
        <source>another program&apos;s file</source>
        <translation>archivo de otro programa</translation>
    </message>
    <message>
        <source>the practice history did not answer</source>
        <translation>el historial no ha respondido</translation>
    </message>
    <message>
        <source>the practice history is busy</source>
        <translation>el historial está ocupado</translation>
    </message>
    <message>
        <source>the file can be read but not written</source>
        <translation>el archivo se puede leer pero no escribir</translation>
    </message>
    <message>
        <source>it is a link, not a file</source>
        <translation>es un enlace, no un archivo</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>no es un archivo</translation>
    </message>
    <message>
        <source>it is not a database</source>
        <translation>no es una base de datos</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 no es un archivo</translation>
    </message>
    <message>
        <source>%1 beside it belongs to another database</source>
        <translation>%1, a su lado, pertenece a otra base de datos</translation>
    </message>
</context>
<context>
    <name>Keypad</name>
    <message>
        <source>move left</source>
        <translation>a la izquierda</translation>
    </message>
    <message>
        <source>move right</source>
        <translation>a la derecha</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Carry</source>
        <translation>Llevo</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Intro</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>Arithmetic flash cards for children.</source>
        <translation>Tarjetas de cálculo para niños.</translation>
    </message>
    <message>
        <source>Use the language CODE, such as de, fr or es.</source>
        <translation>Usar el idioma CODE, por ejemplo de, fr o es.</translation>
    </message>
    <message>
        <source>Set up a class on the PostgreSQL server CONNINFO, then end.</source>
        <translation>Configurar una clase en el servidor PostgreSQL CONNINFO y terminar.</translation>
    </message>
    <message>
        <source>Share the practice with the class server CONNINFO, a PostgreSQL connection string, for this run.</source>
        <translation>Compartir la práctica con el servidor de clase CONNINFO, una cadena de conexión de PostgreSQL, en esta sesión.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Card Counter</source>
        <translation>Contador</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Open Saved Game Report</source>
        <translation>Abrir informe guardado</translation>
    </message>
    <message>
        <source>Progress...</source>
        <translation>Progreso...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Print Worksheet</source>
        <translation>Imprimir ficha</translation>
    </message>
    <message>
        <source>Enable Tool Tips</source>
        <translation>Activar la ayuda emergente</translation>
    </message>
    <message>
        <source>Advanced Set Up</source>
        <translation>Configuración avanzada</translation>
    </message>
    <message>
        <source>Basic Set Up</source>
        <translation>Configuración básica</translation>
    </message>
    <message>
        <source>Hide Setup Tabs</source>
        <translation>Ocultar pestañas</translation>
    </message>
    <message>
        <source>View Previous Game Summary</source>
        <translation>Ver el resumen de la partida anterior</translation>
    </message>
    <message>
        <source>Fit to Screen</source>
        <translation>Ajustar a la pantalla</translation>
    </message>
    <message>
        <source>Print Weak Facts Worksheet</source>
        <translation>Imprimir ficha de operaciones difíciles</translation>
    </message>
    <message>
        <source>Reprint Worksheet...</source>
        <translation>Volver a imprimir una ficha...</translation>
    </message>
    <message>
        <source>Print Answer Key With Worksheets</source>
        <translation>Imprimir las soluciones con las fichas</translation>
    </message>
    <message>
        <source>Preview Before Printing</source>
        <translation>Vista previa antes de imprimir</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Instructions...</source>
        <translation>Instrucciones...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Sumdrop On The Web</source>
        <translation>Sumdrop en la web</translation>
    </message>
    <message>
        <source>the practice history cannot be used</source>
        <translation>no se puede usar el historial de práctica</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>the practice history is not in use</source>
        <translation>el historial no está en uso</translation>
    </message>
    <message>
        <source>Class Server...</source>
        <translation>Servidor de clase...</translation>
    </message>
</context>
<context>
    <name>Mastery</name>
    <message>
        <source>mastered</source>
        <translation>dominado</translation>
    </message>
    <message>
        <source>needs work</source>
        <translation>hay que practicar</translation>
    </message>
    <message>
        <source>learning</source>
        <translation>aprendiendo</translation>
    </message>
    <message>
        <source>not seen</source>
        <translation>aún no visto</translation>
    </message>
    <message>
        <source>%1: %2 try, %3 right, median %4 s, %5</source>
        <translation>%1: %2 intento, %3 bien, mediana %4 s, %5</translation>
    </message>
    <message>
        <source>%1: %2 tries, %3 right, median %4 s, %5</source>
        <translation>%1: %2 intentos, %3 bien, mediana %4 s, %5</translation>
    </message>
    <message>
        <source>Mastered %1 of %2</source>
        <translation>%1 de %2 dominadas</translation>
    </message>
    <message>
        <source>New: %1</source>
        <translation>Nuevo: %1</translation>
    </message>
    <message>
        <source>Addition: %1 of %2 mastered</source>
        <translation>Suma: %1 de %2 dominadas</translation>
    </message>
    <message>
        <source>Subtraction: %1 of %2 mastered</source>
        <translation>Resta: %1 de %2 dominadas</translation>
    </message>
    <message>
        <source>Multiplication: %1 of %2 mastered</source>
        <translation>Multiplicación: %1 de %2 dominadas</translation>
    </message>
    <message>
        <source>Division: %1 of %2 mastered</source>
        <translation>División: %1 de %2 dominadas</translation>
    </message>
</context>
<context>
    <name>PlayerChoice</name>
    <message>
        <source>Who is playing?</source>
        <translation>¿Quién juega?</translation>
    </message>
    <message>
        <source>Choose your name:</source>
        <translation>Elige tu nombre:</translation>
    </message>
    <message>
        <source>Play without a name</source>
        <translation>Jugar sin nombre</translation>
    </message>
    <message>
        <source>Is this %1?</source>
        <translation>¿Eres %1?</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Version </source>
        <translation>Versión </translation>
    </message>
    <message>
        <source>Minimum display size is 800 x 600. Reset display properties an restart the program.</source>
        <translation>El tamaño mínimo de pantalla es 800 x 600. Cambia la configuración de la pantalla y vuelve a abrir el programa.</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Addition</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Resta</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplicación</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>División</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(sin nombre)</translation>
    </message>
    <message>
        <source>Sumdrop progress: %1</source>
        <translation>Progreso en Sumdrop: %1</translation>
    </message>
    <message>
        <source>Printed %1. A fact is fluent when it is answered right within %2 seconds.</source>
        <translation>Impreso el %1. Una operación está dominada cuando se responde bien en %2 segundos o menos.</translation>
    </message>
    <message>
        <source>The hardest facts</source>
        <translation>Las operaciones más difíciles</translation>
    </message>
    <message>
        <source>None yet</source>
        <translation>Ninguna todavía</translation>
    </message>
    <message>
        <source>Last 30 games</source>
        <translation>Últimas 30 partidas</translation>
    </message>
    <message>
        <source>Score %</source>
        <translation>Aciertos %</translation>
    </message>
    <message>
        <source>Median seconds per card</source>
        <translation>Segundos por tarjeta (mediana)</translation>
    </message>
    <message>
        <source>No games yet</source>
        <translation>Aún no hay partidas</translation>
    </message>
    <message>
        <source>Minutes practised per day, last %1 days</source>
        <translation>Minutos de práctica por día, últimos %1 días</translation>
    </message>
    <message>
        <source>1 day in a row</source>
        <translation>1 día seguido</translation>
    </message>
    <message>
        <source>%1 days in a row</source>
        <translation>%1 días seguidos</translation>
    </message>
    <message>
        <source>This week: %1 minutes. Longest run: %2.</source>
        <translation>Esta semana: %1 minutos. Racha más larga: %2.</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>Time practised</source>
        <translation>Tiempo de práctica</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 segundos</translation>
    </message>
    <message>
        <source>Child:</source>
        <translation>Niño/a:</translation>
    </message>
    <message>
        <source>Fluent within:</source>
        <translation>Dominado en:</translation>
    </message>
    <message>
        <source>Operations</source>
        <translation>Operaciones</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Resta</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplicación</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>División</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportar...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimir...</translation>
    </message>
    <message>
        <source>Forget This Child...</source>
        <translation>Olvidar a este niño...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Rows: the number taken away. Columns: the answer.</source>
        <translation>Filas: el número que se resta. Columnas: el resultado.</translation>
    </message>
    <message>
        <source>Rows: the divisor. Columns: the answer.</source>
        <translation>Filas: el divisor. Columnas: el resultado.</translation>
    </message>
    <message>
        <source>Rows: the top number. Columns: the bottom number.</source>
        <translation>Filas: el número de arriba. Columnas: el número de abajo.</translation>
    </message>
    <message>
        <source>%1 facts</source>
        <translation>Operaciones: %1</translation>
    </message>
    <message>
        <source>Rows and columns</source>
        <translation>Filas y columnas</translation>
    </message>
    <message>
        <source>Hardest facts</source>
        <translation>Operaciones más difíciles</translation>
    </message>
    <message>
        <source>Hardest %1 facts</source>
        <translation>Operaciones más difíciles: %1</translation>
    </message>
    <message>
        <source>Fact</source>
        <translation>Operación</translation>
    </message>
    <message>
        <source>Tries</source>
        <translation>Intentos</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Bien</translation>
    </message>
    <message>
        <source>Median s</source>
        <translation>Mediana s</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(sin nombre)</translation>
    </message>
    <message>
        <source>The fluency time cannot be saved: %1.</source>
        <translation>No se puede guardar el tiempo de dominio: %1.</translation>
    </message>
    <message>
        <source>no name</source>
        <translation>sin nombre</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source> practice.csv</source>
        <translation> práctica.csv</translation>
    </message>
    <message>
        <source>The file %1 cannot be written.</source>
        <translation>No se puede escribir el archivo %1.</translation>
    </message>
    <message>
        <source>Forget everything %1 has practised? This cannot be undone.</source>
        <translation>¿Olvidar todo lo que ha practicado %1? No se puede deshacer.</translation>
    </message>
    <message>
        <source>%1&apos;s practice cannot be forgotten: %2.</source>
        <translation>No se puede olvidar la práctica de %1: %2.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Writing %1</source>
        <translation>Escribiendo %1</translation>
    </message>
    <message>
        <source>Forgetting %1</source>
        <translation>Olvidando a %1</translation>
    </message>
    <message>
        <source>Scores or time</source>
        <translation>Puntuaciones o tiempo</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Puntuaciones</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Clase</translation>
    </message>
    <message>
        <source>class</source>
        <translation>clase</translation>
    </message>
</context>
<context>
    <name>QProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>ReportCommands</name>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Archivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>The report could not be saved as %1.</source>
        <translation>No se ha podido guardar el informe como %1.</translation>
    </message>
</context>
<context>
    <name>ReportFile</name>
    <message>
        <source> is not a valid Sumdrop file.</source>
        <translation> no es un archivo válido de Sumdrop.</translation>
    </message>
</context>
<context>
    <name>Score</name>
    <message>
        <source>You got %1 right out of %2. That&apos;s a score of %3%</source>
        <translation>Has acertado %1 de %2. Tu puntuación es %3%</translation>
    </message>
    <message>
        <source>You did not complete this game. You did %1 cards.</source>
        <translation>No has terminado esta partida. Has hecho %1 tarjetas.</translation>
    </message>
    <message>
        <source>Game Complete</source>
        <translation>Partida terminada</translation>
    </message>
    <message>
        <source>Stop Game?</source>
        <translation>¿Parar la partida?</translation>
    </message>
    <message>
        <source>Time&apos;s Up</source>
        <translation>Se acabó el tiempo</translation>
    </message>
    <message>
        <source>Time&apos;s up! You got %1 right out of %2 cards.</source>
        <translation>¡Se acabó el tiempo! Has acertado %1 de %2 tarjetas.</translation>
    </message>
    <message>
        <source>You did not complete this game. You did %1 cards out of %2.<byte value="xd"/>
Are you sure you want to stop?</source>
        <translation>No has terminado esta partida. Has hecho %1 de %2 tarjetas.<byte value="xd"/>
¿Seguro que quieres parar?</translation>
    </message>
    <message>
        <source>Results for: </source>
        <translation>Resultados de: </translation>
    </message>
    <message>
        <source>   Date: </source>
        <translation>   Fecha: </translation>
    </message>
    <message>
        <source>    Game Time </source>
        <translation>    Tiempo de juego </translation>
    </message>
</context>
<context>
    <name>SetupLock</name>
    <message>
        <source>Ask a grown-up to unlock the setup.</source>
        <translation>Pide a un adulto que desbloquee la configuración.</translation>
    </message>
    <message>
        <source>Unlock Setup...</source>
        <translation>Desbloquear la configuración...</translation>
    </message>
    <message>
        <source>Lock Setup...</source>
        <translation>Bloquear la configuración...</translation>
    </message>
    <message>
        <source>Lock Setup</source>
        <translation>Bloquear la configuración</translation>
    </message>
    <message>
        <source>Choose a four-digit PIN:</source>
        <translation>Elige un PIN de cuatro cifras:</translation>
    </message>
    <message>
        <source>The PIN must be four digits. The setup is not locked.</source>
        <translation>El PIN debe tener cuatro cifras. La configuración no está bloqueada.</translation>
    </message>
    <message>
        <source>Type the PIN again:</source>
        <translation>Escribe el PIN otra vez:</translation>
    </message>
    <message>
        <source>The two PINs differ. The setup is not locked.</source>
        <translation>Los dos PIN no coinciden. La configuración no está bloqueada.</translation>
    </message>
    <message>
        <source>Too many wrong PINs. Try again in %1 s.</source>
        <translation>Demasiados PIN incorrectos. Vuelve a intentarlo en %1 s.</translation>
    </message>
    <message>
        <source>Unlock Setup</source>
        <translation>Desbloquear la configuración</translation>
    </message>
    <message>
        <source>The PIN:</source>
        <translation>El PIN:</translation>
    </message>
    <message>
        <source>That is not the PIN.</source>
        <translation>Ese no es el PIN.</translation>
    </message>
    <message>
        <source>That is not the PIN. Try again in %1 s.</source>
        <translation>Ese no es el PIN. Vuelve a intentarlo en %1 s.</translation>
    </message>
</context>
<context>
    <name>SetupPanel</name>
    <message>
        <source>Answer Format</source>
        <translation>Respuestas</translation>
    </message>
    <message>
        <source>Timer Options</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Number Range</source>
        <translation>Números</translation>
    </message>
    <message>
        <source>Math Functions</source>
        <translation>Operaciones</translation>
    </message>
    <message>
        <source>Enable Tool Tips</source>
        <translation>Activar la ayuda emergente</translation>
    </message>
    <message>
        <source>Disable Tool Tips</source>
        <translation>Desactivar la ayuda emergente</translation>
    </message>
    <message>
        <source>Hide Setup Tabs</source>
        <translation>Ocultar pestañas</translation>
    </message>
    <message>
        <source>Show Setup Tabs</source>
        <translation>Mostrar pestañas</translation>
    </message>
    <message>
        <source>Setup tabs</source>
        <translation>Pestañas de configuración</translation>
    </message>
    <message>
        <source>Advanced Set Up</source>
        <translation>Configuración avanzada</translation>
    </message>
    <message>
        <source>Basic Set Up</source>
        <translation>Configuración básica</translation>
    </message>
    <message>
        <source>Number of Cards</source>
        <translation>Número de tarjetas</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sonidos</translation>
    </message>
    <message>
        <source>Verbal Response</source>
        <translation>Respuesta oral</translation>
    </message>
    <message>
        <source>Display and Print Game Summary</source>
        <translation>Mostrar e imprimir el resumen</translation>
    </message>
    <message>
        <source>Show Card Count</source>
        <translation>Mostrar contador</translation>
    </message>
    <message>
        <source>Read Cards Aloud</source>
        <translation>Leer las tarjetas en voz alta</translation>
    </message>
    <message>
        <source>Enter Your Name</source>
        <translation>Escribe tu nombre</translation>
    </message>
    <message>
        <source>For multiplication, the bottom number will always be a single digit.</source>
        <translation>En la multiplicación, el número de abajo tendrá siempre una sola cifra.</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Mín</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Máx</translation>
    </message>
    <message>
        <source>Top Number Range</source>
        <translation>Rango del número de arriba</translation>
    </message>
    <message>
        <source>Bottom Number Range</source>
        <translation>Rango del número de abajo</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Resta</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplicación</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>División</translation>
    </message>
    <message>
        <source>Practise Weak Facts</source>
        <translation>Practicar lo que cuesta</translation>
    </message>
    <message>
        <source>Divisor Range</source>
        <translation>Rango del divisor</translation>
    </message>
    <message>
        <source>Result will be from 1 to 12 with no remainder</source>
        <translation>Resultado de 1 a 12, sin resto</translation>
    </message>
    <message>
        <source>Result will be from 1 to 10 with no remainder</source>
        <translation>Resultado de 1 a 10, sin resto</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>To</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Single Entry Box</source>
        <translation>Una sola casilla</translation>
    </message>
    <message>
        <source>Separate box for units, tens and  hundreds</source>
        <translation>Casillas para unidades, decenas y centenas</translation>
    </message>
    <message>
        <source>Show Previous Card Display</source>
        <translation>Mostrar la tarjeta anterior</translation>
    </message>
    <message>
        <source>Show Carry Scratchpad Box</source>
        <translation>Mostrar casillas de llevadas</translation>
    </message>
    <message>
        <source>Use Screen Keypad</source>
        <translation>Teclado en pantalla</translation>
    </message>
    <message>
        <source>Highlight Active Entry Box</source>
        <translation>Resaltar la casilla activa</translation>
    </message>
    <message>
        <source>Game and Card Timer</source>
        <translation>Cronómetro de partida y tarjeta</translation>
    </message>
    <message>
        <source>Card Time Limit</source>
        <translation>Límite por tarjeta</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>Game Time Limit</source>
        <translation>Límite de la partida</translation>
    </message>
    <message>
        <source>Seconds for each card</source>
        <translation>Segundos por tarjeta</translation>
    </message>
    <message>
        <source>Minutes for the game</source>
        <translation>Minutos para la partida</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutos</translation>
    </message>
    <message>
        <source>Check for addition</source>
        <translation>Marca para sumar</translation>
    </message>
    <message>
        <source>Check for Subtraction</source>
        <translation>Marca para restar</translation>
    </message>
    <message>
        <source>Check for Multiplication</source>
        <translation>Marca para multiplicar</translation>
    </message>
    <message>
        <source>Check to display card count during the game</source>
        <translation>Marca para ver el contador de tarjetas durante la partida</translation>
    </message>
    <message>
        <source>Set pre-set time for game. Timer counts down and game ends when time is 0.</source>
        <translation>Tiempo fijo para la partida. El reloj cuenta hacia atrás y la partida termina en 0.</translation>
    </message>
    <message>
        <source>Set time limt for each card. Card will advance if answer is not entered before time elapsed.</source>
        <translation>Tiempo límite para cada tarjeta. Si no se responde a tiempo, pasa a la siguiente.</translation>
    </message>
    <message>
        <source>Check to display the previous problem and answer</source>
        <translation>Marca para ver la operación anterior y su respuesta</translation>
    </message>
    <message>
        <source>Check to display boxes to write carry over numbers</source>
        <translation>Marca para ver casillas donde anotar las llevadas</translation>
    </message>
    <message>
        <source>check to have sound played after each answer entered. Different for Right or Wrong.</source>
        <translation>Marca para oír un sonido tras cada respuesta. Distinto si está bien o mal.</translation>
    </message>
    <message>
        <source>Check to display Summary of entire game with ability to print and save to a file</source>
        <translation>Marca para ver el resumen de toda la partida, que se puede imprimir y guardar</translation>
    </message>
    <message>
        <source>Check to display game and card timers</source>
        <translation>Marca para ver los cronómetros de la partida y de la tarjeta</translation>
    </message>
    <message>
        <source>Check to use verbal answers under supervision</source>
        <translation>Marca para respuestas orales con un adulto</translation>
    </message>
    <message>
        <source>Use single data entry box. Good for simple problems</source>
        <translation>Una sola casilla de respuesta. Buena para operaciones sencillas</translation>
    </message>
    <message>
        <source>Use separate entry boxes from left to right. Goo for more complex problems</source>
        <translation>Casillas separadas de izquierda a derecha. Mejor para operaciones más difíciles</translation>
    </message>
    <message>
        <source>Select highest number for random problem</source>
        <translation>Elige el número más alto para las operaciones al azar</translation>
    </message>
    <message>
        <source>Select the total number of cards for the game</source>
        <translation>Elige el número total de tarjetas de la partida</translation>
    </message>
    <message>
        <source>Use your mouse with this keypad to enter answers</source>
        <translation>Usa este teclado con el ratón para escribir las respuestas</translation>
    </message>
    <message>
        <source>Check to deal more of the facts this player finds hard, and to bring a missed fact back a few cards later</source>
        <translation>Marca para repartir más a menudo las operaciones que le cuestan a este niño y repetir una fallada unas tarjetas después</translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>The settings could not be saved as %1.</source>
        <translation>No se ha podido guardar la configuración como %1.</translation>
    </message>
    <message>
        <source>Site Not Found, Check your Internet Connection.</source>
        <translation>No se encuentra el sitio. Comprueba la conexión a Internet.</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>No speech engine is installed on this computer.</source>
        <translation>No hay ningún sintetizador de voz instalado en este ordenador.</translation>
    </message>
</context>
<context>
    <name>SummaryPage</name>
    <message>
        <source>Game Summary Page %1</source>
        <translation>Resumen de la partida, página %1</translation>
    </message>
    <message>
        <source>Game Summary</source>
        <translation>Resumen de la partida</translation>
    </message>
    <message>
        <source>PROBLEM      YOUR ANSWER    CARD TIME</source>
        <translation>OPERACIÓN    RESPUESTA      TIEMPO</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>&lt;&lt;Previous</source>
        <translation>&lt;&lt;Anterior</translation>
    </message>
    <message>
        <source>Next &gt;&gt;&gt;</source>
        <translation>Siguiente &gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Next report page</source>
        <translation>Página siguiente del informe</translation>
    </message>
</context>
<context>
    <name>SummaryPrint</name>
    <message>
        <source>YOUR</source>
        <translation>TU</translation>
    </message>
    <message>
        <source>CARD</source>
        <translation>TIEMPO</translation>
    </message>
    <message>
        <source>PROBLEM</source>
        <translation>OPERACIÓN</translation>
    </message>
    <message>
        <source>ANSWER</source>
        <translation>RESPUESTA</translation>
    </message>
    <message>
        <source>TIME</source>
        <translation>TARJETA</translation>
    </message>
</context>
<context>
    <name>TimeChart</name>
    <message>
        <source>Minutes practised on each of the last %1 days</source>
        <translation>Minutos de práctica en cada uno de los últimos %1 días</translation>
    </message>
</context>
<context>
    <name>TimerDisplay</name>
    <message>
        <source>game time</source>
        <translation>tiempo de la partida</translation>
    </message>
    <message>
        <source>card time</source>
        <translation>tiempo de la tarjeta</translation>
    </message>
</context>
<context>
    <name>TrendChart</name>
    <message>
        <source>Score and median seconds of the last 30 games</source>
        <translation>Aciertos y segundos (mediana) de las últimas 30 partidas</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Worksheet for: </source>
        <translation>Ficha de: </translation>
    </message>
    <message>
        <source>Practice for: </source>
        <translation>Práctica de: </translation>
    </message>
    <message>
        <source>Sheet %1</source>
        <translation>Ficha %1</translation>
    </message>
    <message>
        <source>Answer Key</source>
        <translation>Soluciones</translation>
    </message>
    <message>
        <source>Print Worksheet</source>
        <translation>Imprimir ficha</translation>
    </message>
    <message>
        <source>The number of problems printed will be the number of cards set for the game. This will print a %1 problem worksheet using the current game settings for math function and number range.</source>
        <translation>Se imprimirán tantas operaciones como tarjetas haya en la partida. Se va a imprimir una ficha de %1 operaciones con la configuración actual de operaciones y rangos de números.</translation>
    </message>
    <message>
        <source>For Multiplication, the botom numbers will contain 2 digits per the RANGE settings</source>
        <translation>En la multiplicación, el número de abajo tendrá 2 cifras según el rango elegido</translation>
    </message>
    <message>
        <source>The worksheet was printed, but its sheet number %1 cannot be kept for reprinting: %2.</source>
        <translation>La ficha se ha impreso, pero su número %1 no se puede guardar para volver a imprimirla: %2.</translation>
    </message>
    <message>
        <source>No worksheet can be printed: with these number ranges every Multiplication answer is larger than 999. Lower the Top or Bottom range and try again.</source>
        <translation>No se puede imprimir ninguna ficha: con estos rangos todas las multiplicaciones dan más de 999. Baja el rango de arriba o el de abajo y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>This child</source>
        <translation>Este niño</translation>
    </message>
    <message>
        <source>Print Weak Facts Worksheet</source>
        <translation>Imprimir ficha de operaciones difíciles</translation>
    </message>
    <message>
        <source>%1 has no facts that need work or are being learned among the ticked operations in the current number ranges, so there is nothing to print.</source>
        <translation>%1 no tiene operaciones que practicar ni que esté aprendiendo entre las operaciones marcadas y los rangos actuales, así que no hay nada que imprimir.</translation>
    </message>
    <message>
        <source>Reprint Worksheet</source>
        <translation>Volver a imprimir una ficha</translation>
    </message>
    <message>
        <source>The sheet number printed in the bottom corner of the worksheet:</source>
        <translation>El número impreso en la esquina de abajo de la ficha:</translation>
    </message>
    <message>
        <source>There is no worksheet number %1 among the last %2 printed on this computer.</source>
        <translation>No hay ninguna ficha número %1 entre las últimas %2 impresas en este ordenador.</translation>
    </message>
    <message>
        <source>Worksheet number %1 cannot be looked up: %2. Sheet numbers are kept in the practice history.</source>
        <translation>No se puede buscar la hoja número %1: %2. Los números de hoja se guardan en el historial.</translation>
    </message>
    <message>
        <source>Print Class</source>
        <translation>Imprimir la clase</translation>
    </message>
    <message>
        <source>This prints the class table and the facts most children need work on.</source>
        <translation>Se imprimen la tabla de la clase y las operaciones que más niños necesitan practicar.</translation>
    </message>
    <message>
        <source>Add a weak-facts worksheet for each child who has weak facts among the ticked operations</source>
        <translation>Añadir una hoja de operaciones difíciles para cada niño que las tenga entre las operaciones marcadas</translation>
    </message>
</context>
</TS>
