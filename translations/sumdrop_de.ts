<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About </source>
        <translation>Über </translation>
    </message>
    <message>
        <source>Sumdrop logo: click to close</source>
        <translation>Sumdrop-Logo: zum Schließen klicken</translation>
    </message>
    <message>
        <source>by: Pebblebrook Studio</source>
        <translation>von: Pebblebrook Studio</translation>
    </message>
    <message>
        <source>Email to: </source>
        <translation>E-Mail an: </translation>
    </message>
</context>
<context>
    <name>AnswerArea</name>
    <message>
        <source>answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>answer, hundreds digit</source>
        <translation>Antwort, Hunderterziffer</translation>
    </message>
    <message>
        <source>answer, tens digit</source>
        <translation>Antwort, Zehnerziffer</translation>
    </message>
    <message>
        <source>answer, units digit</source>
        <translation>Antwort, Einerziffer</translation>
    </message>
    <message>
        <source>carry to the tens</source>
        <translation>Übertrag zu den Zehnern</translation>
    </message>
    <message>
        <source>carry to the hundreds</source>
        <translation>Übertrag zu den Hundertern</translation>
    </message>
    <message>
        <source>Carry Boxes</source>
        <translation>Übertrag</translation>
    </message>
    <message>
        <source>RIGHT</source>
        <translation>RICHTIG</translation>
    </message>
    <message>
        <source>WRONG</source>
        <translation>FALSCH</translation>
    </message>
</context>
<context>
    <name>AnswerChecking</name>
    <message>
        <source>right</source>
        <translation>richtig</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>falsch</translation>
    </message>
</context>
<context>
    <name>CardPhrase</name>
    <message>
        <source>%1 plus %2</source>
        <translation>%1 plus %2</translation>
    </message>
    <message>
        <source>%1 minus %2</source>
        <translation>%1 minus %2</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <translation>%1 mal %2</translation>
    </message>
    <message>
        <source>%1 divided by %2</source>
        <translation>%1 geteilt durch %2</translation>
    </message>
</context>
<context>
    <name>CardReader</name>
    <message>
        <source>Cards cannot be read aloud: %1</source>
        <translation>Karten können nicht vorgelesen werden: %1</translation>
    </message>
    <message>
        <source>Flash card</source>
        <translation>Rechenkarte</translation>
    </message>
    <message>
        <source>Card %1 of %2: %3</source>
        <translation>Karte %1 von %2: %3</translation>
    </message>
</context>
<context>
    <name>CardView</name>
    <message>
        <source>top number, tens digit: %1</source>
        <translation>obere Zahl, Zehnerziffer: %1</translation>
    </message>
    <message>
        <source>bottom number, tens digit: %1</source>
        <translation>untere Zahl, Zehnerziffer: %1</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>top number, units digit: %1</source>
        <translation>obere Zahl, Einerziffer: %1</translation>
    </message>
    <message>
        <source>bottom number, units digit: %1</source>
        <translation>untere Zahl, Einerziffer: %1</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>minus</translation>
    </message>
    <message>
        <source>times</source>
        <translation>mal</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>answer line</source>
        <translation>Ergebnislinie</translation>
    </message>
    <message>
        <source>divisor: %1</source>
        <translation>Teiler: %1</translation>
    </message>
    <message>
        <source>dividend, hundreds digit: %1</source>
        <translation>Dividend, Hunderterziffer: %1</translation>
    </message>
    <message>
        <source>dividend, tens digit: %1</source>
        <translation>Dividend, Zehnerziffer: %1</translation>
    </message>
    <message>
        <source>dividend, units digit: %1</source>
        <translation>Dividend, Einerziffer: %1</translation>
    </message>
    <message>
        <source>division bracket</source>
        <translation>Divisionszeichen</translation>
    </message>
</context>
<context>
    <name>Class</name>
    <message>
        <source>75 % or more</source>
        <translation>75 % oder mehr</translation>
    </message>
    <message>
        <source>50 to 74 %</source>
        <translation>50 bis 74 %</translation>
    </message>
    <message>
        <source>25 to 49 %</source>
        <translation>25 bis 49 %</translation>
    </message>
    <message>
        <source>under 25 %</source>
        <translation>unter 25 %</translation>
    </message>
    <message>
        <source>not practised</source>
        <translation>nicht geübt</translation>
    </message>
    <message>
        <source>%1: mastered by %2 of %3 children</source>
        <translation>%1: sicher bei %2 von %3 Kindern</translation>
    </message>
    <message>
        <source>Needs work: %1</source>
        <translation>Noch üben: %1</translation>
    </message>
    <message>
        <source>Learning: %1</source>
        <translation>Am Lernen: %1</translation>
    </message>
    <message>
        <source>Sumdrop class: %1</source>
        <translation>Sumdrop-Klasse: %1</translation>
    </message>
    <message>
        <source>Printed %1. Children: %2. Each child&apos;s facts are fluent within that child&apos;s own time.</source>
        <translation>Gedruckt am %1. Kinder: %2. Jedes Kind gilt innerhalb seiner eigenen Zeitgrenze als sicher.</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Games in 7 days</source>
        <translation>Spiele in 7 Tagen</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>The facts most children need work on</source>
        <translation>Die Aufgaben, die die meisten Kinder noch üben müssen</translation>
    </message>
    <message>
        <source>%1: needs work for %2, learning for %3, mastered by %4</source>
        <translation>%1: noch üben %2, am Lernen %3, sicher %4</translation>
    </message>
    <message>
        <source>Last practice</source>
        <translation>Zuletzt geübt</translation>
    </message>
</context>
<context>
    <name>ClassPage</name>
    <message>
        <source>Children of the class</source>
        <translation>Kinder der Klasse</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Last practice</source>
        <translation>Zuletzt geübt</translation>
    </message>
    <message>
        <source>Games in 7 days</source>
        <translation>Spiele in 7 Tagen</translation>
    </message>
    <message>
        <source>Click a heading to sort. Double-click a child to see their own pages.</source>
        <translation>Zum Sortieren auf eine Überschrift klicken. Doppelklick auf ein Kind zeigt seine eigenen Seiten.</translation>
    </message>
    <message>
        <source>The facts most children need work on</source>
        <translation>Die Aufgaben, die die meisten Kinder noch üben müssen</translation>
    </message>
    <message>
        <source>Learning</source>
        <translation>Am Lernen</translation>
    </message>
    <message>
        <source>Mastered</source>
        <translation>Sicher</translation>
    </message>
    <message>
        <source>Print Class...</source>
        <translation>Klasse drucken...</translation>
    </message>
    <message>
        <source>Export Class...</source>
        <translation>Klasse exportieren...</translation>
    </message>
    <message>
        <source>Facts mastered by the class:</source>
        <translation>Von der Klasse beherrscht:</translation>
    </message>
    <message>
        <source>Facts mastered by the class</source>
        <translation>Von der Klasse beherrschte Aufgaben</translation>
    </message>
    <message>
        <source>Needs work</source>
        <translation>Noch üben</translation>
    </message>
</context>
<context>
    <name>ClassServer</name>
    <message>
        <source>Write the connection as key=value words, such as host=school-db dbname=class4b.</source>
        <translation>Schreiben Sie die Verbindung als Wörter der Form Schlüssel=Wert, etwa host=school-db dbname=class4b.</translation>
    </message>
    <message>
        <source>A quote in the connection string is not closed.</source>
        <translation>Ein Anführungszeichen in der Verbindungszeichenfolge ist nicht geschlossen.</translation>
    </message>
    <message>
        <source>The connection string may not hold a semicolon.</source>
        <translation>Die Verbindungszeichenfolge darf kein Semikolon enthalten.</translation>
    </message>
    <message>
        <source>The connection string is empty.</source>
        <translation>Die Verbindungszeichenfolge ist leer.</translation>
    </message>
    <message>
        <source>Sumdrop keeps no password: put it in the password file ~/.pgpass instead.</source>
        <translation>Sumdrop speichert kein Passwort: Tragen Sie es stattdessen in die Passwortdatei ~/.pgpass ein.</translation>
    </message>
    <message>
        <source>Connected: class %1, %2 children, %3 cards</source>
        <translation>Verbunden: Klasse %1, %2 Kinder, %3 Karten</translation>
    </message>
    <message>
        <source>This database is not a Sumdrop class yet: set it up with sumdrop --init-class.</source>
        <translation>Diese Datenbank ist noch keine Sumdrop-Klasse: Richten Sie sie mit sumdrop --init-class ein.</translation>
    </message>
    <message>
        <source>This database is not a Sumdrop class.</source>
        <translation>Diese Datenbank ist keine Sumdrop-Klasse.</translation>
    </message>
    <message>
        <source>This class was set up by a newer Sumdrop: update Sumdrop on this computer.</source>
        <translation>Diese Klasse wurde von einem neueren Sumdrop eingerichtet: Aktualisieren Sie Sumdrop auf diesem Computer.</translation>
    </message>
    <message>
        <source>Server not found: %1</source>
        <translation>Server nicht gefunden: %1</translation>
    </message>
    <message>
        <source>The server does not answer: %1</source>
        <translation>Der Server antwortet nicht: %1</translation>
    </message>
    <message>
        <source>Password refused: %1</source>
        <translation>Passwort abgelehnt: %1</translation>
    </message>
    <message>
        <source>Database missing: %1</source>
        <translation>Datenbank fehlt: %1</translation>
    </message>
    <message>
        <source>Qt&apos;s PostgreSQL driver is not installed (package libqt6sql6-psql).</source>
        <translation>Der PostgreSQL-Treiber von Qt ist nicht installiert (Paket libqt6sql6-psql).</translation>
    </message>
    <message>
        <source>The class server failed: %1</source>
        <translation>Der Klassenserver hat einen Fehler gemeldet: %1</translation>
    </message>
    <message>
        <source>Failed: %1 Nothing was changed.</source>
        <translation>Fehlgeschlagen: %1 Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Setting up the class %1 as %2.</source>
        <translation>Die Klasse %1 wird als %2 eingerichtet.</translation>
    </message>
    <message>
        <source>The database name %1 is too long for the names of its roles.</source>
        <translation>Der Datenbankname %1 ist zu lang für die Namen ihrer Rollen.</translation>
    </message>
    <message>
        <source>This database is a Sumdrop class already. Nothing was changed.</source>
        <translation>Diese Datenbank ist bereits eine Sumdrop-Klasse. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The schema sumdrop already holds tables (%1). Nothing was changed.</source>
        <translation>Das Schema sumdrop enthält bereits Tabellen (%1). Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Created the schema sumdrop and its tables info, children, games, game_ends and cards.</source>
        <translation>Das Schema sumdrop und seine Tabellen info, children, games, game_ends und cards wurden angelegt.</translation>
    </message>
    <message>
        <source>The role %1 exists already and is used as it is.</source>
        <translation>Die Rolle %1 existiert bereits und wird unverändert verwendet.</translation>
    </message>
    <message>
        <source>Created the role %1.</source>
        <translation>Die Rolle %1 wurde angelegt.</translation>
    </message>
    <message>
        <source>%1 may add games and cards and read them; %2 may also forget a child.</source>
        <translation>%1 darf Spiele und Karten hinzufügen und lesen; %2 darf außerdem ein Kind vergessen.</translation>
    </message>
    <message>
        <source>Done: %1 is a Sumdrop class. Give each login the role %2 or %3.</source>
        <translation>Fertig: %1 ist eine Sumdrop-Klasse. Geben Sie jeder Anmeldung die Rolle %2 oder %3.</translation>
    </message>
</context>
<context>
    <name>ClassServerDialog</name>
    <message>
        <source>Class Server</source>
        <translation>Klassenserver</translation>
    </message>
    <message>
        <source>Where the class server is, as a PostgreSQL connection string. Passwords belong in the PostgreSQL password file, not here.</source>
        <translation>Wo der Klassenserver ist, als PostgreSQL-Verbindungszeichenkette. Passwörter gehören in die PostgreSQL-Passwortdatei, nicht hierher.</translation>
    </message>
    <message>
        <source>Test Connection</source>
        <translation>Verbindung testen</translation>
    </message>
    <message>
        <source>No class server: Sumdrop keeps the practice on this computer only.</source>
        <translation>Kein Klassenserver: Sumdrop behält die Übungen nur auf diesem Computer.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Verbinde...</translation>
    </message>
</context>
<context>
    <name>ClassSync</name>
    <message>
        <source>Class: 1 card waiting</source>
        <translation>Klasse: 1 Karte wartet</translation>
    </message>
    <message>
        <source>Class: %1 cards waiting</source>
        <translation>Klasse: %1 Karten warten</translation>
    </message>
    <message>
        <source>Class: sent</source>
        <translation>Klasse: gesendet</translation>
    </message>
    <message>
        <source>Class: 1 card waiting (server not reachable)</source>
        <translation>Klasse: 1 Karte wartet (Server nicht erreichbar)</translation>
    </message>
    <message>
        <source>Class: %1 cards waiting (server not reachable)</source>
        <translation>Klasse: %1 Karten warten (Server nicht erreichbar)</translation>
    </message>
    <message>
        <source>Class: not a Sumdrop class database</source>
        <translation>Klasse: keine Sumdrop-Klassendatenbank</translation>
    </message>
    <message>
        <source>Class: set up by a newer Sumdrop</source>
        <translation>Klasse: von einem neueren Sumdrop eingerichtet</translation>
    </message>
    <message>
        <source>Class: cannot connect</source>
        <translation>Klasse: keine Verbindung möglich</translation>
    </message>
    <message>
        <source>The practice is not shared with the class server: %1</source>
        <translation>Die Übungen werden nicht mit dem Klassenserver geteilt: %1</translation>
    </message>
    <message>
        <source>Class: server not reachable</source>
        <translation>Klasse: Server nicht erreichbar</translation>
    </message>
</context>
<context>
    <name>FeedbackView</name>
    <message>
        <source>previous card</source>
        <translation>vorherige Karte</translation>
    </message>
</context>
<context>
    <name>GameFlow</name>
    <message>
        <source>No Math Function Selected!</source>
        <translation>Keine Rechenart gewählt!</translation>
    </message>
    <message>
        <source>You did not select a Math Function.</source>
        <translation>Du hast keine Rechenart gewählt.</translation>
    </message>
    <message>
        <source>Click OK to do Addition Only or CANCEL to got to setup</source>
        <translation>Klicke auf OK, um nur Plusaufgaben zu rechnen, oder auf ABBRECHEN, um zur Einstellung zu gehen</translation>
    </message>
    <message>
        <source>No card can be dealt: these number ranges only make subtractions of two equal numbers. Widen the top number range, or lower the bottom number range below it, on the Number Range tab.</source>
        <translation>Es kann keine Karte ausgeteilt werden: Mit diesen Zahlenbereichen entstehen nur Minusaufgaben mit zwei gleichen Zahlen. Vergrößere den Bereich der oberen Zahl oder setze den Bereich der unteren Zahl darunter, auf der Registerkarte Zahlenbereich.</translation>
    </message>
    <message>
        <source>No card can be dealt: a subtraction needs a top number limit of at least 2. Raise the top number limit on the Number Range tab.</source>
        <translation>Es kann keine Karte ausgeteilt werden: Eine Minusaufgabe braucht als obere Grenze mindestens 2. Erhöhe die obere Grenze auf der Registerkarte Zahlenbereich.</translation>
    </message>
    <message>
        <source>Card %1 of %2</source>
        <translation>Karte %1 von %2</translation>
    </message>
</context>
<context>
    <name>GameSummary</name>
    <message>
        <source>No game to display.</source>
        <translation>Kein Spiel zum Anzeigen.</translation>
    </message>
</context>
<context>
    <name>HelpIntro</name>
    <message>
        <source>Help - Introduction</source>
        <translation>Hilfe - Einführung</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Einführung</translation>
    </message>
    <message>
        <source>Sumdrop is a versatile flash card game to develop children&apos;s math skills. Children can play alone or with a supervisor.</source>
        <translation>Sumdrop ist ein vielseitiges Rechenkartenspiel, mit dem Kinder ihre Rechenfertigkeiten üben. Kinder können allein oder mit einer Begleitperson spielen.</translation>
    </message>
    <message>
        <source>Click  on the tab headings below to get more details on how to use the features of each tab.</source>
        <translation>Klicke unten auf die Überschriften der Registerkarten, um mehr über ihre Einstellungen zu erfahren.</translation>
    </message>
    <message>
        <source>The setup tabs: click a heading for its help</source>
        <translation>Die Registerkarten: Klicke auf eine Überschrift, um ihre Hilfe zu sehen</translation>
    </message>
    <message>
        <source>Print Worksheets</source>
        <translation>Arbeitsblätter drucken</translation>
    </message>
    <message>
        <source>Save Reports</source>
        <translation>Ergebnisse speichern</translation>
    </message>
    <message>
        <source>Dont&apos;s show this screen on startup</source>
        <translation>Diese Seite beim Start nicht mehr zeigen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>On a large screen, choose Fit to Screen from the Options menu to make the whole game bigger.</source>
        <translation>Auf einem großen Bildschirm macht An Bildschirm anpassen im Menü Optionen das ganze Spiel größer.</translation>
    </message>
</context>
<context>
    <name>HelpTopic</name>
    <message>
        <source>Picture: %1</source>
        <translation>Bild: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>HelpTopics</name>
    <message>
        <source>Help - General Setup</source>
        <translation>Hilfe - Allgemeine Einstellungen</translation>
    </message>
    <message>
        <source>General Setup</source>
        <translation>Allgemeine Einstellungen</translation>
    </message>
    <message>
        <source>Number of Cards</source>
        <translation>Anzahl der Karten</translation>
    </message>
    <message>
        <source>To select the number of cards in a game, slide the bar. </source>
        <translation>Schiebe den Regler, um die Anzahl der Karten in einem Spiel zu wählen. </translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Töne</translation>
    </message>
    <message>
        <source>Check to hear sounds when  an answer is entered. There is a different sound for right and wrong.</source>
        <translation>Ankreuzen, um nach jeder Antwort einen Ton zu hören. Für richtig und falsch gibt es verschiedene Töne.</translation>
    </message>
    <message>
        <source>Show Card Count</source>
        <translation>Kartenzähler zeigen</translation>
    </message>
    <message>
        <source>When checked, the number of the current card and the total number of cards is displayed.</source>
        <translation>Wenn angekreuzt, werden die Nummer der aktuellen Karte und die Gesamtzahl der Karten angezeigt.</translation>
    </message>
    <message>
        <source>Verbal Response</source>
        <translation>Mündliche Antwort</translation>
    </message>
    <message>
        <source>When playing a supervised game, the student can say the answer and the supervisor presses either a &quot;RIGHT&quot; or &quot;WRONG&quot; button. In this mode, you will not see an answer box displayed on the card.</source>
        <translation>Bei einem begleiteten Spiel sagt das Kind die Antwort, und die Begleitperson drückt die Taste &quot;RICHTIG&quot; oder &quot;FALSCH&quot;. In dieser Art wird auf der Karte kein Antwortfeld gezeigt.</translation>
    </message>
    <message>
        <source>Display and Print Game Summary</source>
        <translation>Spielübersicht zeigen und drucken</translation>
    </message>
    <message>
        <source>When checked, a summary of the game is displayed when the game is over or stopped. The display shows the problem, the correct answer and the student&apos;s answer. If the TIMER was selected, the time for each card is also displayed.</source>
        <translation>Wenn angekreuzt, wird am Ende oder beim Abbrechen des Spiels eine Übersicht gezeigt. Sie zeigt die Aufgabe, die richtige Antwort und die Antwort des Kindes. Wenn die ZEITMESSUNG gewählt ist, wird auch die Zeit für jede Karte gezeigt.</translation>
    </message>
    <message>
        <source>Enter Your Name</source>
        <translation>Gib deinen Namen ein</translation>
    </message>
    <message>
        <source>The student can enter their name to have it shown in the heading of the GAME SUMMARY DISPLAY or a worksheet.</source>
        <translation>Das Kind kann seinen Namen eingeben; er erscheint dann in der Überschrift der SPIELÜBERSICHT oder eines Arbeitsblatts.</translation>
    </message>
    <message>
        <source>Help - Number Range</source>
        <translation>Hilfe - Zahlenbereich</translation>
    </message>
    <message>
        <source>Basic Number Range Setting</source>
        <translation>Einfacher Zahlenbereich</translation>
    </message>
    <message>
        <source>Slide to select both the top and bottom range. Sumdrop will generate random numbers from 1 to the number selected. </source>
        <translation>Schiebe die Regler, um den Bereich der oberen und der unteren Zahl zu wählen. Sumdrop wählt Zufallszahlen von 1 bis zur gewählten Zahl. </translation>
    </message>
    <message>
        <source>Note: With multiplication, Sumdrop will truncate the bottom to a single digit.</source>
        <translation>Hinweis: Beim Malnehmen kürzt Sumdrop die untere Zahl auf eine Ziffer.</translation>
    </message>
    <message>
        <source>There is also an option to select number ranges for both the top and botom. Click HERE form more about Advanced Range Settings</source>
        <translation>Man kann auch Bereiche für die obere und die untere Zahl getrennt wählen. Klicke HIER, um mehr über den erweiterten Zahlenbereich zu erfahren.</translation>
    </message>
    <message>
        <source>Select BASIC or ADVANCED setting from the OPTIONS Menu</source>
        <translation>Wähle EINFACH oder ERWEITERT im Menü OPTIONEN</translation>
    </message>
    <message>
        <source>Help - Math Functions</source>
        <translation>Hilfe - Rechenarten</translation>
    </message>
    <message>
        <source>Select Math Functions</source>
        <translation>Rechenarten wählen</translation>
    </message>
    <message>
        <source>Select the math function for the game or worksheet. When more than one function is selected, the card function will be selected at random.</source>
        <translation>Wähle die Rechenart für das Spiel oder das Arbeitsblatt. Sind mehrere gewählt, wird die Rechenart jeder Karte zufällig bestimmt.</translation>
    </message>
    <message>
        <source>Divisor Range</source>
        <translation>Bereich des Teilers</translation>
    </message>
    <message>
        <source>Use the sliders to select the range of the divisor used in Division problems. To have the divisor constant, select the same number for each. If DIVISION is not selected, the divisor range selector is inactive.</source>
        <translation>Wähle mit den Reglern den Bereich des Teilers für Geteiltaufgaben. Für einen festen Teiler wähle bei beiden dieselbe Zahl. Ist DIVISION nicht gewählt, sind die Regler gesperrt.</translation>
    </message>
    <message>
        <source>A Note About Division</source>
        <translation>Ein Hinweis zum Teilen</translation>
    </message>
    <message>
        <source>All division problems have answers without remainders. The dividend will always be a single digit and the answer will not be more than 12. This format does not facilitate long division.</source>
        <translation>Alle Geteiltaufgaben gehen ohne Rest auf. Der Teiler hat immer nur eine Ziffer, und das Ergebnis ist höchstens 12. Schriftliches Teilen wird so nicht geübt.</translation>
    </message>
    <message>
        <source>Help - Answer Input Format</source>
        <translation>Hilfe - Antworteingabe</translation>
    </message>
    <message>
        <source>Answer Format Tab</source>
        <translation>Registerkarte Antwortform</translation>
    </message>
    <message>
        <source>Single Entry Box</source>
        <translation>Ein Antwortfeld</translation>
    </message>
    <message>
        <source>Select Single Entry Box to enter entire answer at once. Just type in the answer, then ENTER. This is best for easy problems. </source>
        <translation>Wähle Ein Antwortfeld, um die ganze Antwort auf einmal einzugeben. Tippe einfach die Antwort und dann EINGABE. Das ist am besten für leichte Aufgaben. </translation>
    </message>
    <message>
        <source>Separate Entry Box</source>
        <translation>Getrennte Antwortfelder</translation>
    </message>
    <message>
        <source>Select Separate Box to enter the answer one digit at a time, starting at Units, the way you would working a problem on paper. When you type a number, the cursor automatically moves left one digit. When you are done, press ENTER. This is better for more complex problems. When HIGHLIGHT ACTIVE ENTRY BOX is checked, the box expecting the next input is highlighted to promt the student.</source>
        <translation>Wähle Getrennte Felder, um die Antwort Ziffer für Ziffer einzugeben, beginnend bei den Einern, so wie man auf dem Papier rechnet. Nach jeder Ziffer springt der Cursor eine Stelle nach links. Wenn du fertig bist, drücke EINGABE. Das ist besser für schwierigere Aufgaben. Ist AKTIVES ANTWORTFELD HERVORHEBEN angekreuzt, wird das Feld für die nächste Ziffer hervorgehoben, damit das Kind weiß, wo es weitergeht.</translation>
    </message>
    <message>
        <source>Use Screen Keypad</source>
        <translation>Bildschirmtastatur</translation>
    </message>
    <message>
        <source>Using the on screen keypad allows the student to input all answers using the mouse. Click HERE for more detailed information.</source>
        <translation>Mit der Bildschirmtastatur kann das Kind alle Antworten mit der Maus eingeben. Klicke HIER für mehr Informationen.</translation>
    </message>
    <message>
        <source>Show Carry Scratchpad Box displays an entry box where a carry over number can be entered, when in SEPARATE ANSWER BOX mode. This has no effect on the answer. It is just a scratchpad for assistance.</source>
        <translation>Übertragsfeld zeigen blendet ein Feld ein, in das bei GETRENNTEN ANTWORTFELDERN ein Übertrag geschrieben werden kann. Es ändert die Antwort nicht, es ist nur eine Merkhilfe.</translation>
    </message>
    <message>
        <source>Show Previous Card will display the problem with the correct answer and indicate by check or x if the entered answer was correct or not.</source>
        <translation>Vorherige Karte zeigen zeigt die Aufgabe mit der richtigen Antwort und mit Haken oder Kreuz, ob die eingegebene Antwort richtig war.</translation>
    </message>
    <message>
        <source>Help - Timer Options</source>
        <translation>Hilfe - Zeitoptionen</translation>
    </message>
    <message>
        <source>Timer Options Tab</source>
        <translation>Registerkarte Zeitoptionen</translation>
    </message>
    <message>
        <source>Check Game and card timer to display timers for the total game and for each card.</source>
        <translation>Kreuze Spiel- und Kartenuhr an, um die Zeit für das ganze Spiel und für jede Karte zu zeigen.</translation>
    </message>
    <message>
        <source>Game Time Limit</source>
        <translation>Zeitlimit Spiel</translation>
    </message>
    <message>
        <source>Use the Game Time Limit to set a time limit for the game. Up to 30 minutes.  When the time is up, game will stop. If the TIMER DISPLAY is checked, the game timer will show a count down from the selected time to zero.</source>
        <translation>Mit dem Zeitlimit Spiel legst du eine Zeit für das ganze Spiel fest, bis zu 30 Minuten. Ist die Zeit um, endet das Spiel. Ist die ZEITANZEIGE angekreuzt, zählt die Spieluhr von der gewählten Zeit bis null herunter.</translation>
    </message>
    <message>
        <source>Card Time Limit</source>
        <translation>Zeitlimit Karte</translation>
    </message>
    <message>
        <source>Use the Card Time Limit to set a time limit for each card. Up to 60 seconds.  When the time is up, the card will change to the next. If the TIMER DISPLAY is checked, the card timer will show a count down from the selected time to zero.</source>
        <translation>Mit dem Zeitlimit Karte legst du eine Zeit für jede Karte fest, bis zu 60 Sekunden. Ist die Zeit um, kommt die nächste Karte. Ist die ZEITANZEIGE angekreuzt, zählt die Kartenuhr von der gewählten Zeit bis null herunter.</translation>
    </message>
    <message>
        <source>If GAME AND CARD TIME is not selected, Time limit selectors are inactive. You can have only one time limit selected.</source>
        <translation>Ist SPIEL- UND KARTENUHR nicht gewählt, sind die Zeitlimits gesperrt. Es kann nur ein Zeitlimit gewählt sein.</translation>
    </message>
    <message>
        <source>Help - Print Worksheets</source>
        <translation>Hilfe - Arbeitsblätter drucken</translation>
    </message>
    <message>
        <source>With Sumdrop you can print worksheets. To print a worksheet, select PRINT WORKSHEET from the Options Menu.</source>
        <translation>Mit Sumdrop kannst du Arbeitsblätter drucken. Wähle dazu ARBEITSBLATT DRUCKEN im Menü Optionen.</translation>
    </message>
    <message>
        <source>The number of problems on the worksheet is determined by the card count selected from the setup Tab. The maximum is 100.</source>
        <translation>Die Zahl der Aufgaben auf dem Blatt ist die Kartenzahl auf der Registerkarte Allgemein. Höchstens 100.</translation>
    </message>
    <message>
        <source>The math functions are as selected on the MATH FUNCTIONS tab.</source>
        <translation>Die Rechenarten sind die auf der Registerkarte RECHENARTEN gewählten.</translation>
    </message>
    <message>
        <source>For multiplication, the bottom number will be 2 digits if the selected range allows. Using the range selection, you can print worksheets to focus on specific needed practice areas such as a multiplication table.</source>
        <translation>Beim Malnehmen hat die untere Zahl zwei Ziffern, wenn der gewählte Bereich es erlaubt. Mit den Bereichen kannst du Blätter für gezieltes Üben drucken, zum Beispiel für eine Einmaleinsreihe.</translation>
    </message>
    <message>
        <source>Help - Saving Results</source>
        <translation>Hilfe - Ergebnisse speichern</translation>
    </message>
    <message>
        <source>When DISPALY AND PRINT GAME SUMMARY is selected, a window opens when the game is ended to display the game results. By selecting SAVE from this window, you can save the results for later review.</source>
        <translation>Ist SPIELÜBERSICHT ZEIGEN UND DRUCKEN gewählt, öffnet sich am Ende des Spiels ein Fenster mit den Ergebnissen. Mit SPEICHERN in diesem Fenster kannst du sie für später aufheben.</translation>
    </message>
    <message>
        <source>Choose a file name, perhaps using the student&apos;s name and date and select save from the file dialog.</source>
        <translation>Wähle einen Dateinamen, zum Beispiel mit dem Namen des Kindes und dem Datum, und klicke im Dateifenster auf Speichern.</translation>
    </message>
    <message>
        <source>You can view previously saved results by selecting OPEN SAVED GAME REPORT from the file menu.</source>
        <translation>Früher gespeicherte Ergebnisse öffnest du mit GESPEICHERTEN SPIELBERICHT ÖFFNEN im Menü Datei.</translation>
    </message>
    <message>
        <source>Help - Advanced Number Range Setting</source>
        <translation>Hilfe - Erweiterter Zahlenbereich</translation>
    </message>
    <message>
        <source>Advanced Number Range</source>
        <translation>Erweiterter Zahlenbereich</translation>
    </message>
    <message>
        <source>This advanced feature allows you to set a number range for both the top and bottom number of a problem (except Division).</source>
        <translation>Hier kannst du für die obere und die untere Zahl einer Aufgabe je einen Bereich festlegen (außer beim Teilen).</translation>
    </message>
    <message>
        <source>If you would like to have an entire game or worksheet have the same bottom number, set bot bottom range values the same. This is helpful for practice on a single multiplication table.</source>
        <translation>Soll ein ganzes Spiel oder Arbeitsblatt dieselbe untere Zahl haben, setze beide Werte des unteren Bereichs gleich. Das hilft beim Üben einer einzelnen Einmaleinsreihe.</translation>
    </message>
    <message>
        <source>Help - Screen Keypad</source>
        <translation>Hilfe - Bildschirmtastatur</translation>
    </message>
    <message>
        <source>The screen keypad is the easiest way to enter answers</source>
        <translation>Mit der Bildschirmtastatur gibt man Antworten am einfachsten ein</translation>
    </message>
    <message>
        <source>To enter a carry number with the keypad enabled, press CARRY then the number to carry. It will go into the appropriate carry box. Carrry boxes have no effect on the answer, it is just scratchpad. If HIGHLIGHT ACTIVE ENTRY BOX is checked, after CARRY is pressed, the correct carry box will be highlighted.</source>
        <translation>Um mit der Tastatur einen Übertrag einzugeben, drücke ÜBERTR. und dann die Ziffer. Sie kommt in das passende Übertragsfeld. Übertragsfelder ändern die Antwort nicht, sie sind nur eine Merkhilfe. Ist AKTIVES ANTWORTFELD HERVORHEBEN angekreuzt, wird nach ÜBERTR. das richtige Übertragsfeld hervorgehoben.</translation>
    </message>
    <message>
        <source>The carry key is only enabled in SEPARATE ANSWER BOX mode.</source>
        <translation>Die Übertragstaste geht nur bei GETRENNTEN ANTWORTFELDERN.</translation>
    </message>
    <message>
        <source>Pressing ERASE, will erase the last entry and select the previous active entry box.</source>
        <translation>LÖSCHEN löscht die letzte Eingabe und geht zum vorherigen Antwortfeld zurück.</translation>
    </message>
    <message>
        <source>Read Cards Aloud</source>
        <translation>Karten vorlesen</translation>
    </message>
    <message>
        <source>Practise Weak Facts</source>
        <translation>Schwierige Aufgaben üben</translation>
    </message>
    <message>
        <source>When checked, the game deals more of the facts the child named on the Setup tab finds hard, and brings a missed fact back a few cards later.</source>
        <translation>Wenn angekreuzt, kommen im Spiel öfter die Aufgaben, die dem auf der Registerkarte Allgemein genannten Kind schwerfallen, und eine falsch gelöste Aufgabe kommt ein paar Karten später wieder.</translation>
    </message>
    <message>
        <source>Print Weak Facts Worksheet</source>
        <translation>Arbeitsblatt mit schwierigen Aufgaben drucken</translation>
    </message>
    <message>
        <source>Print Weak Facts Worksheet, on the Options menu, prints a sheet of the facts the child named on the Setup tab still needs to work on, from the ticked math functions and number ranges.</source>
        <translation>Arbeitsblatt mit schwierigen Aufgaben drucken im Menü Optionen druckt ein Blatt mit den Aufgaben, die das auf der Registerkarte Allgemein genannte Kind noch üben muss, aus den angekreuzten Rechenarten und Zahlenbereichen.</translation>
    </message>
    <message>
        <source>Print Answer Key With Worksheets</source>
        <translation>Lösungsblatt zu Arbeitsblättern drucken</translation>
    </message>
    <message>
        <source>When this is ticked on the Options menu, every worksheet comes with a second page that shows the answers, for marking.</source>
        <translation>Ist dies im Menü Optionen angekreuzt, kommt zu jedem Arbeitsblatt eine zweite Seite mit den Lösungen, zum Nachsehen.</translation>
    </message>
    <message>
        <source>Preview Before Printing</source>
        <translation>Vor dem Drucken Vorschau zeigen</translation>
    </message>
    <message>
        <source>When this is ticked on the Options menu, a worksheet or report is first shown on the screen, and you print it from there.</source>
        <translation>Ist dies im Menü Optionen angekreuzt, wird ein Arbeitsblatt oder Bericht zuerst auf dem Bildschirm gezeigt, und du druckst es von dort aus.</translation>
    </message>
    <message>
        <source>Reprint Worksheet</source>
        <translation>Arbeitsblatt nachdrucken</translation>
    </message>
    <message>
        <source>Each worksheet has a sheet number in its bottom corner. To print the same sheet again, choose Reprint Worksheet from the Options menu and type that number. The last %1 sheets printed on this computer can be printed again.</source>
        <translation>Jedes Arbeitsblatt trägt unten in der Ecke eine Blattnummer. Um dasselbe Blatt noch einmal zu drucken, wähle Arbeitsblatt nachdrucken im Menü Optionen und gib diese Nummer ein. Die letzten %1 Blätter, die auf diesem Computer gedruckt wurden, lassen sich nachdrucken.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Sumdrop also keeps every card each child answers. Choose Progress from the File menu between games to see which facts a child knows and how the last games went.</source>
        <translation>Sumdrop merkt sich außerdem jede Karte, die ein Kind beantwortet. Wähle zwischen den Spielen Fortschritt im Menü Datei, um zu sehen, welche Aufgaben ein Kind kann und wie die letzten Spiele gelaufen sind.</translation>
    </message>
    <message>
        <source>Help - Progress</source>
        <translation>Hilfe - Fortschritt</translation>
    </message>
    <message>
        <source>Sumdrop keeps every card each child answers, under the name entered on the Setup tab. This window shows what each child knows. Choose the child at the top.</source>
        <translation>Sumdrop merkt sich jede Karte, die ein Kind beantwortet, unter dem Namen auf der Registerkarte Allgemein. Dieses Fenster zeigt, was jedes Kind kann. Wähle oben das Kind.</translation>
    </message>
    <message>
        <source>The facts</source>
        <translation>Die Aufgaben</translation>
    </message>
    <message>
        <source>Each tab shows one math function as a grid of facts, coloured as the key at the top explains. A fact is mastered when at least two of its last three answers were right and quick enough, and the last one was right; it needs work when the last answer was wrong, or two of the last three were. Under Fluent within, choose how many seconds are quick enough. Beside the grid are the facts the child finds hardest.</source>
        <translation>Jede Registerkarte zeigt eine Rechenart als Raster von Aufgaben, gefärbt wie oben erklärt. Eine Aufgabe ist sicher, wenn mindestens zwei ihrer letzten drei Antworten richtig und schnell genug waren und die letzte richtig war; sie heißt noch üben, wenn die letzte Antwort falsch war oder zwei der letzten drei. Bei Sicher innerhalb von wählst du, wie viele Sekunden schnell genug sind. Neben dem Raster stehen die Aufgaben, die dem Kind am schwersten fallen.</translation>
    </message>
    <message>
        <source>The last games</source>
        <translation>Die letzten Spiele</translation>
    </message>
    <message>
        <source>The chart at the bottom shows the score of each of the last 30 games as a bar, and as a line how many seconds a card took.</source>
        <translation>Das Diagramm unten zeigt für jedes der letzten 30 Spiele die Punktzahl als Balken und als Linie, wie viele Sekunden eine Karte gedauert hat.</translation>
    </message>
    <message>
        <source>Export, Print and Forget This Child</source>
        <translation>Exportieren, Drucken und Dieses Kind vergessen</translation>
    </message>
    <message>
        <source>Export saves the child&apos;s answers as a file for a spreadsheet. Print prints the grids and the chart. Forget This Child removes everything the child has practised; this cannot be undone.</source>
        <translation>Exportieren speichert die Antworten des Kindes als Datei für eine Tabellenkalkulation. Drucken druckt die Raster und das Diagramm. Dieses Kind vergessen löscht alles, was das Kind geübt hat; das lässt sich nicht rückgängig machen.</translation>
    </message>
    <message>
        <source>When checked, each card is read aloud as it comes up. Press F5 in a game to hear it again, even when this is not checked.</source>
        <translation>Wenn angekreuzt, wird jede Karte vorgelesen. Mit F5 hört man sie im Spiel noch einmal, auch ohne Kreuz.</translation>
    </message>
    <message>
        <source>Lock Setup</source>
        <translation>Einstellungen sperren</translation>
    </message>
    <message>
        <source>A parent can choose Lock Setup from the Options menu and type a four-digit PIN twice. Until Unlock Setup is chosen and the PIN typed, the setup cannot be changed; the name box, playing and help stay open.</source>
        <translation>Eltern können im Menü Optionen „Einstellungen sperren“ wählen und zweimal eine vierstellige PIN eingeben. Bis „Einstellungen entsperren“ gewählt und die PIN eingegeben ist, lassen sich die Einstellungen nicht ändern; das Namensfeld, das Spielen und die Hilfe bleiben offen.</translation>
    </message>
    <message>
        <source>Time practised</source>
        <translation>Geübte Zeit</translation>
    </message>
    <message>
        <source>Choose Time above the chart to see how many minutes the child practised on each of the last 14 days, the minutes of the last seven days and the most days in a row with practice.</source>
        <translation>Wähle „Zeit“ über dem Diagramm, um zu sehen, wie viele Minuten das Kind an jedem der letzten 14 Tage geübt hat, die Minuten der letzten sieben Tage und die meisten Tage am Stück mit Übung.</translation>
    </message>
    <message>
        <source>The class</source>
        <translation>Die Klasse</translation>
    </message>
    <message>
        <source>With a teacher&apos;s login to a class server, the first tab, Class, shows how much each child of the class has mastered. Point at a fact to see who needs work on it, and double-click a child to see their tabs.</source>
        <translation>Mit einer Anmeldung als Lehrkraft am Klassenserver zeigt die erste Registerkarte, Klasse, wie viel jedes Kind der Klasse sicher kann. Zeigt man auf eine Aufgabe, sieht man, wer sie noch üben muss; ein Doppelklick auf ein Kind zeigt seine Registerkarten.</translation>
    </message>
</context>
<context>
    <name>HistoryRecorder</name>
    <message>
        <source>The practice history %1 cannot be saved: %2. The game goes on without it.</source>
        <translation>Der Übungsverlauf %1 kann nicht gespeichert werden: %2. Das Spiel geht ohne ihn weiter.</translation>
    </message>
    <message>
        <source>Sumdrop&apos;s practice history file %1 is damaged or is not a Sumdrop file, so this game is not being recorded. The file has not been changed.

(%2)</source>
        <translation>Sumdrops Übungsverlauf %1 ist beschädigt oder keine Sumdrop-Datei, deshalb wird dieses Spiel nicht aufgezeichnet. Die Datei wurde nicht verändert.

(%2)</translation>
    </message>
    <message>
        <source>The practice history %1 was made by a newer Sumdrop. Sumdrop leaves it as it is and keeps no history this time.</source>
        <translation>Der Übungsverlauf %1 stammt von einem neueren Sumdrop. Sumdrop lässt ihn unverändert und speichert diesmal keinen Verlauf.</translation>
    </message>
    <message>
        <source>The practice history %1 cannot be used: %2. Sumdrop keeps its history only in a file of its own, leaves this one as it is and keeps no history this time.</source>
        <translation>Der Übungsverlauf %1 kann nicht verwendet werden: %2. Sumdrop speichert seinen Verlauf nur in einer eigenen Datei, lässt diese unverändert und speichert diesmal keinen Verlauf.</translation>
    </message>
    <message>
        <source>The practice history %1 cannot be read: %2.</source>
        <translation>Der Übungsverlauf %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>1 card was not kept.</source>
        <translation>1 Karte wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>%1 cards were not kept.</source>
        <translation>%1 Karten wurden nicht gespeichert.</translation>
    </message>
    <message>
        <source>1 record in the practice history was not understood and is left out.</source>
        <translation>1 Eintrag im Übungsverlauf war unverständlich und wird weggelassen.</translation>
    </message>
    <message>
        <source>%1 records in the practice history were not understood and are left out.</source>
        <translation>%1 Einträge im Übungsverlauf waren unverständlich und werden weggelassen.</translation>
    </message>
    <message>
        <source>The practice history %1 can be read but not written, so the cards of this run are not kept. Earlier practice still shows in Progress.</source>
        <translation>Der Übungsverlauf %1 kann gelesen, aber nicht geschrieben werden, deshalb werden die Karten dieser Sitzung nicht gespeichert. Frühere Übungen zeigt der Fortschritt weiterhin.</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <source>the SQLite driver of Qt is not installed</source>
        <translation>der SQLite-Treiber von Qt ist nicht installiert</translation>
    </message>
    <message>
        <source>another program&apos;s file</source>
        <translation>Datei eines anderen Programms</translation>
    </message>
    <message>
        <source>the practice history did not answer</source>
        <translation>der Übungsverlauf hat nicht geantwortet</translation>
    </message>
    <message>
        <source>the practice history is busy</source>
        <translation>der Übungsverlauf ist gerade beschäftigt</translation>
    </message>
    <message>
        <source>the file can be read but not written</source>
        <translation>die Datei kann gelesen, aber nicht geschrieben werden</translation>
    </message>
    <message>
        <source>it is a link, not a file</source>
        <translation>es ist eine Verknüpfung, keine Datei</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>es ist keine Datei</translation>
    </message>
    <message>
        <source>it is not a database</source>
        <translation>es ist keine Datenbank</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 ist keine Datei</translation>
    </message>
    <message>
        <source>%1 beside it belongs to another database</source>
        <translation>%1 daneben gehört zu einer anderen Datenbank</translation>
    </message>
</context>
<context>
    <name>Keypad</name>
    <message>
        <source>move left</source>
        <translation>nach links</translation>
    </message>
    <message>
        <source>move right</source>
        <translation>nach rechts</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Carry</source>
        <translation>Übertr.</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Eingabe</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>Arithmetic flash cards for children.</source>
        <translation>Rechenkarten für Kinder.</translation>
    </message>
    <message>
        <source>Use the language CODE, such as de, fr or es.</source>
        <translation>Die Sprache CODE verwenden, zum Beispiel de, fr oder es.</translation>
    </message>
    <message>
        <source>Set up a class on the PostgreSQL server CONNINFO, then end.</source>
        <translation>Eine Klasse auf dem PostgreSQL-Server CONNINFO einrichten, dann beenden.</translation>
    </message>
    <message>
        <source>Share the practice with the class server CONNINFO, a PostgreSQL connection string, for this run.</source>
        <translation>Die Übungen bei diesem Start mit dem Klassenserver CONNINFO teilen, einer PostgreSQL-Verbindungszeichenkette.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Card Counter</source>
        <translation>Kartenzähler</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Open Saved Game Report</source>
        <translation>Gespeicherten Spielbericht öffnen</translation>
    </message>
    <message>
        <source>Progress...</source>
        <translation>Fortschritt...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Print Worksheet</source>
        <translation>Arbeitsblatt drucken</translation>
    </message>
    <message>
        <source>Enable Tool Tips</source>
        <translation>Tooltipps einschalten</translation>
    </message>
    <message>
        <source>Advanced Set Up</source>
        <translation>Erweiterte Einstellung</translation>
    </message>
    <message>
        <source>Basic Set Up</source>
        <translation>Einfache Einstellung</translation>
    </message>
    <message>
        <source>Hide Setup Tabs</source>
        <translation>Registerkarten ausblenden</translation>
    </message>
    <message>
        <source>View Previous Game Summary</source>
        <translation>Letzte Spielübersicht ansehen</translation>
    </message>
    <message>
        <source>Fit to Screen</source>
        <translation>An Bildschirm anpassen</translation>
    </message>
    <message>
        <source>Print Weak Facts Worksheet</source>
        <translation>Arbeitsblatt mit schwierigen Aufgaben drucken</translation>
    </message>
    <message>
        <source>Reprint Worksheet...</source>
        <translation>Arbeitsblatt nachdrucken...</translation>
    </message>
    <message>
        <source>Print Answer Key With Worksheets</source>
        <translation>Lösungsblatt zu Arbeitsblättern drucken</translation>
    </message>
    <message>
        <source>Preview Before Printing</source>
        <translation>Vor dem Drucken Vorschau zeigen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Instructions...</source>
        <translation>Anleitung...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Sumdrop On The Web</source>
        <translation>Sumdrop im Internet</translation>
    </message>
    <message>
        <source>the practice history cannot be used</source>
        <translation>der Übungsverlauf kann nicht benutzt werden</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>the practice history is not in use</source>
        <translation>der Übungsverlauf wird nicht verwendet</translation>
    </message>
    <message>
        <source>Class Server...</source>
        <translation>Klassenserver...</translation>
    </message>
</context>
<context>
    <name>Mastery</name>
    <message>
        <source>mastered</source>
        <translation>sicher</translation>
    </message>
    <message>
        <source>needs work</source>
        <translation>noch üben</translation>
    </message>
    <message>
        <source>learning</source>
        <translation>am Lernen</translation>
    </message>
    <message>
        <source>not seen</source>
        <translation>noch nicht gesehen</translation>
    </message>
    <message>
        <source>%1: %2 try, %3 right, median %4 s, %5</source>
        <translation>%1: %2 Versuch, %3 richtig, Median %4 s, %5</translation>
    </message>
    <message>
        <source>%1: %2 tries, %3 right, median %4 s, %5</source>
        <translation>%1: %2 Versuche, %3 richtig, Median %4 s, %5</translation>
    </message>
    <message>
        <source>Mastered %1 of %2</source>
        <translation>%1 von %2 sicher</translation>
    </message>
    <message>
        <source>New: %1</source>
        <translation>Neu: %1</translation>
    </message>
    <message>
        <source>Addition: %1 of %2 mastered</source>
        <translation>Addition: %1 von %2 sicher</translation>
    </message>
    <message>
        <source>Subtraction: %1 of %2 mastered</source>
        <translation>Subtraktion: %1 von %2 sicher</translation>
    </message>
    <message>
        <source>Multiplication: %1 of %2 mastered</source>
        <translation>Multiplikation: %1 von %2 sicher</translation>
    </message>
    <message>
        <source>Division: %1 of %2 mastered</source>
        <translation>Division: %1 von %2 sicher</translation>
    </message>
</context>
<context>
    <name>PlayerChoice</name>
    <message>
        <source>Who is playing?</source>
        <translation>Wer spielt?</translation>
    </message>
    <message>
        <source>Choose your name:</source>
        <translation>Wähle deinen Namen:</translation>
    </message>
    <message>
        <source>Play without a name</source>
        <translation>Ohne Namen spielen</translation>
    </message>
    <message>
        <source>Is this %1?</source>
        <translation>Bist du %1?</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Version </source>
        <translation>Version </translation>
    </message>
    <message>
        <source>Minimum display size is 800 x 600. Reset display properties an restart the program.</source>
        <translation>Die Bildschirmgröße muss mindestens 800 x 600 sein. Stelle die Anzeige um und starte das Programm neu.</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Addition</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Subtraktion</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplikation</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(ohne Namen)</translation>
    </message>
    <message>
        <source>Sumdrop progress: %1</source>
        <translation>Sumdrop-Fortschritt: %1</translation>
    </message>
    <message>
        <source>Printed %1. A fact is fluent when it is answered right within %2 seconds.</source>
        <translation>Gedruckt am %1. Eine Aufgabe sitzt, wenn sie innerhalb von %2 Sekunden richtig gelöst wird.</translation>
    </message>
    <message>
        <source>The hardest facts</source>
        <translation>Die schwierigsten Aufgaben</translation>
    </message>
    <message>
        <source>None yet</source>
        <translation>Noch keine</translation>
    </message>
    <message>
        <source>Last 30 games</source>
        <translation>Letzte 30 Spiele</translation>
    </message>
    <message>
        <source>Score %</source>
        <translation>Punkte %</translation>
    </message>
    <message>
        <source>Median seconds per card</source>
        <translation>Median Sekunden pro Karte</translation>
    </message>
    <message>
        <source>No games yet</source>
        <translation>Noch keine Spiele</translation>
    </message>
    <message>
        <source>Minutes practised per day, last %1 days</source>
        <translation>Geübte Minuten pro Tag, letzte %1 Tage</translation>
    </message>
    <message>
        <source>1 day in a row</source>
        <translation>1 Tag am Stück</translation>
    </message>
    <message>
        <source>%1 days in a row</source>
        <translation>%1 Tage am Stück</translation>
    </message>
    <message>
        <source>This week: %1 minutes. Longest run: %2.</source>
        <translation>Diese Woche: %1 Minuten. Längste Serie: %2.</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 Min.</translation>
    </message>
    <message>
        <source>Time practised</source>
        <translation>Geübte Zeit</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 Sekunden</translation>
    </message>
    <message>
        <source>Child:</source>
        <translation>Kind:</translation>
    </message>
    <message>
        <source>Fluent within:</source>
        <translation>Sicher innerhalb von:</translation>
    </message>
    <message>
        <source>Operations</source>
        <translation>Rechenarten</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Subtraktion</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplikation</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportieren...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Forget This Child...</source>
        <translation>Dieses Kind vergessen...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Rows: the number taken away. Columns: the answer.</source>
        <translation>Zeilen: die abgezogene Zahl. Spalten: das Ergebnis.</translation>
    </message>
    <message>
        <source>Rows: the divisor. Columns: the answer.</source>
        <translation>Zeilen: der Teiler. Spalten: das Ergebnis.</translation>
    </message>
    <message>
        <source>Rows: the top number. Columns: the bottom number.</source>
        <translation>Zeilen: die obere Zahl. Spalten: die untere Zahl.</translation>
    </message>
    <message>
        <source>%1 facts</source>
        <translation>Aufgaben: %1</translation>
    </message>
    <message>
        <source>Rows and columns</source>
        <translation>Zeilen und Spalten</translation>
    </message>
    <message>
        <source>Hardest facts</source>
        <translation>Schwierigste Aufgaben</translation>
    </message>
    <message>
        <source>Hardest %1 facts</source>
        <translation>Schwierigste Aufgaben: %1</translation>
    </message>
    <message>
        <source>Fact</source>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <source>Tries</source>
        <translation>Versuche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Median s</source>
        <translation>Median s</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(ohne Namen)</translation>
    </message>
    <message>
        <source>The fluency time cannot be saved: %1.</source>
        <translation>Die Zeitgrenze kann nicht gespeichert werden: %1.</translation>
    </message>
    <message>
        <source>no name</source>
        <translation>ohne Namen</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source> practice.csv</source>
        <translation> Übungen.csv</translation>
    </message>
    <message>
        <source>The file %1 cannot be written.</source>
        <translation>Die Datei %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Forget everything %1 has practised? This cannot be undone.</source>
        <translation>Alles vergessen, was %1 geübt hat? Das lässt sich nicht rückgängig machen.</translation>
    </message>
    <message>
        <source>%1&apos;s practice cannot be forgotten: %2.</source>
        <translation>Die Übungen von %1 können nicht vergessen werden: %2.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Writing %1</source>
        <translation>%1 wird geschrieben</translation>
    </message>
    <message>
        <source>Forgetting %1</source>
        <translation>%1 wird vergessen</translation>
    </message>
    <message>
        <source>Scores or time</source>
        <translation>Ergebnisse oder Zeit</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>class</source>
        <translation>Klasse</translation>
    </message>
</context>
<context>
    <name>QProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ReportCommands</name>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>The report could not be saved as %1.</source>
        <translation>Der Bericht konnte nicht als %1 gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>ReportFile</name>
    <message>
        <source> is not a valid Sumdrop file.</source>
        <translation> ist keine gültige Sumdrop-Datei.</translation>
    </message>
</context>
<context>
    <name>Score</name>
    <message>
        <source>You got %1 right out of %2. That&apos;s a score of %3%</source>
        <translation>Du hast %1 von %2 richtig. Das sind %3%</translation>
    </message>
    <message>
        <source>You did not complete this game. You did %1 cards.</source>
        <translation>Du hast dieses Spiel nicht beendet. Du hast %1 Karten gerechnet.</translation>
    </message>
    <message>
        <source>Game Complete</source>
        <translation>Spiel beendet</translation>
    </message>
    <message>
        <source>Stop Game?</source>
        <translation>Spiel abbrechen?</translation>
    </message>
    <message>
        <source>Time&apos;s Up</source>
        <translation>Die Zeit ist um</translation>
    </message>
    <message>
        <source>Time&apos;s up! You got %1 right out of %2 cards.</source>
        <translation>Die Zeit ist um! Du hast %1 von %2 Karten richtig.</translation>
    </message>
    <message>
        <source>You did not complete this game. You did %1 cards out of %2.<byte value="xd"/>
Are you sure you want to stop?</source>
        <translation>Du hast dieses Spiel nicht beendet. Du hast %1 von %2 Karten gerechnet.<byte value="xd"/>
Möchtest du wirklich aufhören?</translation>
    </message>
    <message>
        <source>Results for: </source>
        <translation>Ergebnisse von: </translation>
    </message>
    <message>
        <source>   Date: </source>
        <translation>   Datum: </translation>
    </message>
    <message>
        <source>    Game Time </source>
        <translation>    Spielzeit </translation>
    </message>
</context>
<context>
    <name>SetupLock</name>
    <message>
        <source>Ask a grown-up to unlock the setup.</source>
        <translation>Bitte einen Erwachsenen, die Einstellungen zu entsperren.</translation>
    </message>
    <message>
        <source>Unlock Setup...</source>
        <translation>Einstellungen entsperren...</translation>
    </message>
    <message>
        <source>Lock Setup...</source>
        <translation>Einstellungen sperren...</translation>
    </message>
    <message>
        <source>Lock Setup</source>
        <translation>Einstellungen sperren</translation>
    </message>
    <message>
        <source>Choose a four-digit PIN:</source>
        <translation>Wähle eine vierstellige PIN:</translation>
    </message>
    <message>
        <source>The PIN must be four digits. The setup is not locked.</source>
        <translation>Die PIN muss aus vier Ziffern bestehen. Die Einstellungen sind nicht gesperrt.</translation>
    </message>
    <message>
        <source>Type the PIN again:</source>
        <translation>Gib die PIN noch einmal ein:</translation>
    </message>
    <message>
        <source>The two PINs differ. The setup is not locked.</source>
        <translation>Die beiden PINs stimmen nicht überein. Die Einstellungen sind nicht gesperrt.</translation>
    </message>
    <message>
        <source>Too many wrong PINs. Try again in %1 s.</source>
        <translation>Zu viele falsche PINs. Versuche es in %1 s noch einmal.</translation>
    </message>
    <message>
        <source>Unlock Setup</source>
        <translation>Einstellungen entsperren</translation>
    </message>
    <message>
        <source>The PIN:</source>
        <translation>Die PIN:</translation>
    </message>
    <message>
        <source>That is not the PIN.</source>
        <translation>Das ist nicht die PIN.</translation>
    </message>
    <message>
        <source>That is not the PIN. Try again in %1 s.</source>
        <translation>Das ist nicht die PIN. Versuche es in %1 s noch einmal.</translation>
    </message>
</context>
<context>
    <name>SetupPanel</name>
    <message>
        <source>Answer Format</source>
        <translation>Antworten</translation>
    </message>
    <message>
        <source>Timer Options</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Number Range</source>
        <translation>Zahlen</translation>
    </message>
    <message>
        <source>Math Functions</source>
        <translation>Rechenarten</translation>
    </message>
    <message>
        <source>Enable Tool Tips</source>
        <translation>Tooltipps einschalten</translation>
    </message>
    <message>
        <source>Disable Tool Tips</source>
        <translation>Tooltipps ausschalten</translation>
    </message>
    <message>
        <source>Hide Setup Tabs</source>
        <translation>Registerkarten ausblenden</translation>
    </message>
    <message>
        <source>Show Setup Tabs</source>
        <translation>Registerkarten zeigen</translation>
    </message>
    <message>
        <source>Setup tabs</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Advanced Set Up</source>
        <translation>Erweiterte Einstellung</translation>
    </message>
    <message>
        <source>Basic Set Up</source>
        <translation>Einfache Einstellung</translation>
    </message>
    <message>
        <source>Number of Cards</source>
        <translation>Anzahl der Karten</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Töne</translation>
    </message>
    <message>
        <source>Verbal Response</source>
        <translation>Mündliche Antwort</translation>
    </message>
    <message>
        <source>Display and Print Game Summary</source>
        <translation>Spielübersicht zeigen und drucken</translation>
    </message>
    <message>
        <source>Show Card Count</source>
        <translation>Kartenzähler zeigen</translation>
    </message>
    <message>
        <source>Read Cards Aloud</source>
        <translation>Karten vorlesen</translation>
    </message>
    <message>
        <source>Enter Your Name</source>
        <translation>Gib deinen Namen ein</translation>
    </message>
    <message>
        <source>For multiplication, the bottom number will always be a single digit.</source>
        <translation>Beim Malnehmen hat die untere Zahl immer nur eine Ziffer.</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>Top Number Range</source>
        <translation>Bereich obere Zahl</translation>
    </message>
    <message>
        <source>Bottom Number Range</source>
        <translation>Bereich untere Zahl</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Subtraktion</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplikation</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>Practise Weak Facts</source>
        <translation>Schwierige Aufgaben üben</translation>
    </message>
    <message>
        <source>Divisor Range</source>
        <translation>Bereich des Teilers</translation>
    </message>
    <message>
        <source>Result will be from 1 to 12 with no remainder</source>
        <translation>Ergebnis von 1 bis 12, ohne Rest</translation>
    </message>
    <message>
        <source>Result will be from 1 to 10 with no remainder</source>
        <translation>Ergebnis von 1 bis 10, ohne Rest</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Single Entry Box</source>
        <translation>Ein Antwortfeld</translation>
    </message>
    <message>
        <source>Separate box for units, tens and  hundreds</source>
        <translation>Getrennte Felder für Einer, Zehner und Hunderter</translation>
    </message>
    <message>
        <source>Show Previous Card Display</source>
        <translation>Vorherige Karte zeigen</translation>
    </message>
    <message>
        <source>Show Carry Scratchpad Box</source>
        <translation>Übertragsfeld zeigen</translation>
    </message>
    <message>
        <source>Use Screen Keypad</source>
        <translation>Bildschirmtastatur</translation>
    </message>
    <message>
        <source>Highlight Active Entry Box</source>
        <translation>Aktives Antwortfeld hervorheben</translation>
    </message>
    <message>
        <source>Game and Card Timer</source>
        <translation>Spiel- und Kartenuhr</translation>
    </message>
    <message>
        <source>Card Time Limit</source>
        <translation>Zeitlimit Karte</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Game Time Limit</source>
        <translation>Zeitlimit Spiel</translation>
    </message>
    <message>
        <source>Seconds for each card</source>
        <translation>Sekunden pro Karte</translation>
    </message>
    <message>
        <source>Minutes for the game</source>
        <translation>Minuten für das Spiel</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Check for addition</source>
        <translation>Ankreuzen für Plusaufgaben</translation>
    </message>
    <message>
        <source>Check for Subtraction</source>
        <translation>Ankreuzen für Minusaufgaben</translation>
    </message>
    <message>
        <source>Check for Multiplication</source>
        <translation>Ankreuzen für Malaufgaben</translation>
    </message>
    <message>
        <source>Check to display card count during the game</source>
        <translation>Ankreuzen, um während des Spiels den Kartenzähler zu zeigen</translation>
    </message>
    <message>
        <source>Set pre-set time for game. Timer counts down and game ends when time is 0.</source>
        <translation>Feste Zeit für das Spiel. Die Uhr zählt herunter, und bei 0 endet das Spiel.</translation>
    </message>
    <message>
        <source>Set time limt for each card. Card will advance if answer is not entered before time elapsed.</source>
        <translation>Zeitlimit für jede Karte. Wird die Antwort nicht rechtzeitig eingegeben, kommt die nächste Karte.</translation>
    </message>
    <message>
        <source>Check to display the previous problem and answer</source>
        <translation>Ankreuzen, um die vorherige Aufgabe mit Antwort zu zeigen</translation>
    </message>
    <message>
        <source>Check to display boxes to write carry over numbers</source>
        <translation>Ankreuzen, um Felder für den Übertrag zu zeigen</translation>
    </message>
    <message>
        <source>check to have sound played after each answer entered. Different for Right or Wrong.</source>
        <translation>Ankreuzen, um nach jeder Antwort einen Ton zu hören. Verschieden für richtig und falsch.</translation>
    </message>
    <message>
        <source>Check to display Summary of entire game with ability to print and save to a file</source>
        <translation>Ankreuzen, um eine Übersicht des ganzen Spiels zu zeigen, die man drucken und speichern kann</translation>
    </message>
    <message>
        <source>Check to display game and card timers</source>
        <translation>Ankreuzen, um Spiel- und Kartenuhr zu zeigen</translation>
    </message>
    <message>
        <source>Check to use verbal answers under supervision</source>
        <translation>Ankreuzen für mündliche Antworten mit Begleitperson</translation>
    </message>
    <message>
        <source>Use single data entry box. Good for simple problems</source>
        <translation>Ein Antwortfeld. Gut für einfache Aufgaben</translation>
    </message>
    <message>
        <source>Use separate entry boxes from left to right. Goo for more complex problems</source>
        <translation>Getrennte Felder von links nach rechts. Besser für schwierigere Aufgaben</translation>
    </message>
    <message>
        <source>Select highest number for random problem</source>
        <translation>Höchste Zahl für die Zufallsaufgaben wählen</translation>
    </message>
    <message>
        <source>Select the total number of cards for the game</source>
        <translation>Gesamtzahl der Karten im Spiel wählen</translation>
    </message>
    <message>
        <source>Use your mouse with this keypad to enter answers</source>
        <translation>Mit der Maus auf dieser Tastatur Antworten eingeben</translation>
    </message>
    <message>
        <source>Check to deal more of the facts this player finds hard, and to bring a missed fact back a few cards later</source>
        <translation>Ankreuzen, um die Aufgaben, die diesem Kind schwerfallen, öfter zu zeigen und eine falsch gelöste Aufgabe ein paar Karten später wiederzubringen</translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>The settings could not be saved as %1.</source>
        <translation>Die Einstellungen konnten nicht als %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>Site Not Found, Check your Internet Connection.</source>
        <translation>Seite nicht gefunden. Prüfe die Internetverbindung.</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>No speech engine is installed on this computer.</source>
        <translation>Auf diesem Computer ist keine Sprachausgabe installiert.</translation>
    </message>
</context>
<context>
    <name>SummaryPage</name>
    <message>
        <source>Game Summary Page %1</source>
        <translation>Spielübersicht Seite %1</translation>
    </message>
    <message>
        <source>Game Summary</source>
        <translation>Spielübersicht</translation>
    </message>
    <message>
        <source>PROBLEM      YOUR ANSWER    CARD TIME</source>
        <translation>AUFGABE      ANTWORT       ZEIT</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>&lt;&lt;Previous</source>
        <translation>&lt;&lt;Zurück</translation>
    </message>
    <message>
        <source>Next &gt;&gt;&gt;</source>
        <translation>Weiter &gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Next report page</source>
        <translation>Nächste Berichtseite</translation>
    </message>
</context>
<context>
    <name>SummaryPrint</name>
    <message>
        <source>YOUR</source>
        <translation>DEINE</translation>
    </message>
    <message>
        <source>CARD</source>
        <translation>KARTEN-</translation>
    </message>
    <message>
        <source>PROBLEM</source>
        <translation>AUFGABE</translation>
    </message>
    <message>
        <source>ANSWER</source>
        <translation>ANTWORT</translation>
    </message>
    <message>
        <source>TIME</source>
        <translation>ZEIT</translation>
    </message>
</context>
<context>
    <name>TimeChart</name>
    <message>
        <source>Minutes practised on each of the last %1 days</source>
        <translation>Geübte Minuten an jedem der letzten %1 Tage</translation>
    </message>
</context>
<context>
    <name>TimerDisplay</name>
    <message>
        <source>game time</source>
        <translation>Spielzeit</translation>
    </message>
    <message>
        <source>card time</source>
        <translation>Kartenzeit</translation>
    </message>
</context>
<context>
    <name>TrendChart</name>
    <message>
        <source>Score and median seconds of the last 30 games</source>
        <translation>Punkte und Median-Sekunden der letzten 30 Spiele</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Worksheet for: </source>
        <translation>Arbeitsblatt für: </translation>
    </message>
    <message>
        <source>Practice for: </source>
        <translation>Übungsblatt für: </translation>
    </message>
    <message>
        <source>Sheet %1</source>
        <translation>Blatt %1</translation>
    </message>
    <message>
        <source>Answer Key</source>
        <translation>Lösungen</translation>
    </message>
    <message>
        <source>Print Worksheet</source>
        <translation>Arbeitsblatt drucken</translation>
    </message>
    <message>
        <source>The number of problems printed will be the number of cards set for the game. This will print a %1 problem worksheet using the current game settings for math function and number range.</source>
        <translation>Es werden so viele Aufgaben gedruckt, wie Karten für das Spiel eingestellt sind. Gedruckt wird ein Arbeitsblatt mit %1 Aufgaben mit den aktuellen Einstellungen für Rechenart und Zahlenbereich.</translation>
    </message>
    <message>
        <source>For Multiplication, the botom numbers will contain 2 digits per the RANGE settings</source>
        <translation>Beim Malnehmen hat die untere Zahl je nach Zahlenbereich 2 Ziffern</translation>
    </message>
    <message>
        <source>The worksheet was printed, but its sheet number %1 cannot be kept for reprinting: %2.</source>
        <translation>Das Arbeitsblatt wurde gedruckt, aber seine Blattnummer %1 kann nicht für einen Nachdruck gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>No worksheet can be printed: with these number ranges every Multiplication answer is larger than 999. Lower the Top or Bottom range and try again.</source>
        <translation>Es kann kein Arbeitsblatt gedruckt werden: Mit diesen Zahlenbereichen ist jedes Malergebnis größer als 999. Verkleinere den oberen oder unteren Bereich und versuche es noch einmal.</translation>
    </message>
    <message>
        <source>This child</source>
        <translation>Dieses Kind</translation>
    </message>
    <message>
        <source>Print Weak Facts Worksheet</source>
        <translation>Arbeitsblatt mit schwierigen Aufgaben drucken</translation>
    </message>
    <message>
        <source>%1 has no facts that need work or are being learned among the ticked operations in the current number ranges, so there is nothing to print.</source>
        <translation>%1 hat bei den angekreuzten Rechenarten in den aktuellen Zahlenbereichen keine Aufgaben, die noch geübt werden oder gerade gelernt werden. Es gibt nichts zu drucken.</translation>
    </message>
    <message>
        <source>Reprint Worksheet</source>
        <translation>Arbeitsblatt nachdrucken</translation>
    </message>
    <message>
        <source>The sheet number printed in the bottom corner of the worksheet:</source>
        <translation>Die Blattnummer unten in der Ecke des Arbeitsblatts:</translation>
    </message>
    <message>
        <source>There is no worksheet number %1 among the last %2 printed on this computer.</source>
        <translation>Unter den letzten %2 auf diesem Computer gedruckten Blättern gibt es keine Nummer %1.</translation>
    </message>
    <message>
        <source>Worksheet number %1 cannot be looked up: %2. Sheet numbers are kept in the practice history.</source>
        <translation>Arbeitsblatt Nummer %1 kann nicht nachgeschlagen werden: %2. Blattnummern werden im Übungsverlauf gespeichert.</translation>
    </message>
    <message>
        <source>Print Class</source>
        <translation>Klasse drucken</translation>
    </message>
    <message>
        <source>This prints the class table and the facts most children need work on.</source>
        <translation>Gedruckt werden die Klassentabelle und die Aufgaben, die die meisten Kinder noch üben müssen.</translation>
    </message>
    <message>
        <source>Add a weak-facts worksheet for each child who has weak facts among the ticked operations</source>
        <translation>Für jedes Kind mit schwierigen Aufgaben in den angekreuzten Rechenarten ein Arbeitsblatt dazulegen</translation>
    </message>
</context>
</TS>
