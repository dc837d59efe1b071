<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About </source>
        <translation>À propos de </translation>
    </message>
    <message>
        <source>Sumdrop logo: click to close</source>
        <translation>Logo de Sumdrop : cliquer pour fermer</translation>
    </message>
    <message>
        <source>by: Pebblebrook Studio</source>
        <translation>par : Pebblebrook Studio</translation>
    </message>
    <message>
        <source>Email to: </source>
        <translation>Écrire à : </translation>
    </message>
</context>
<context>
    <name>AnswerArea</name>
    <message>
        <source>answer</source>
        <translation>réponse</translation>
    </message>
    <message>
        <source>answer, hundreds digit</source>
        <translation>réponse, chiffre des centaines</translation>
    </message>
    <message>
        <source>answer, tens digit</source>
        <translation>réponse, chiffre des dizaines</translation>
    </message>
    <message>
        <source>answer, units digit</source>
        <translation>réponse, chiffre des unités</translation>
    </message>
    <message>
        <source>carry to the tens</source>
        <translation>retenue pour les dizaines</translation>
    </message>
    <message>
        <source>carry to the hundreds</source>
        <translation>retenue pour les centaines</translation>
    </message>
    <message>
        <source>Carry Boxes</source>
        <translation>Retenues</translation>
    </message>
    <message>
        <source>RIGHT</source>
        <translation>JUSTE</translation>
    </message>
    <message>
        <source>WRONG</source>
        <translation>FAUX</translation>
    </message>
</context>
<context>
    <name>AnswerChecking</name>
    <message>
        <source>right</source>
        <translation>juste</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>faux</translation>
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
        <translation>%1 moins %2</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <translation>%1 fois %2</translation>
    </message>
    <message>
        <source>%1 divided by %2</source>
        <translation>%1 divisé par %2</translation>
    </message>
</context>
<context>
    <name>CardReader</name>
    <message>
        <source>Cards cannot be read aloud: %1</source>
        <translation>Les cartes ne peuvent pas être lues à voix haute : %1</translation>
    </message>
    <message>
        <source>Flash card</source>
        <translation>Carte de calcul</translation>
    </message>
    <message>
        <source>Card %1 of %2: %3</source>
        <translation>Carte %1 sur %2 : %3</translation>
    </message>
</context>
<context>
    <name>CardView</name>
    <message>
        <source>top number, tens digit: %1</source>
        <translation>nombre du haut, chiffre des dizaines : %1</translation>
    </message>
    <message>
        <source>bottom number, tens digit: %1</source>
        <translation>nombre du bas, chiffre des dizaines : %1</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>top number, units digit: %1</source>
        <translation>nombre du haut, chiffre des unités : %1</translation>
    </message>
    <message>
        <source>bottom number, units digit: %1</source>
        <translation>nombre du bas, chiffre des unités : %1</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>moins</translation>
    </message>
    <message>
        <source>times</source>
        <translation>fois</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>answer line</source>
        <translation>trait du résultat</translation>
    </message>
    <message>
        <source>divisor: %1</source>
        <translation>diviseur : %1</translation>
    </message>
    <message>
        <source>dividend, hundreds digit: %1</source>
        <translation>dividende, chiffre des centaines : %1</translation>
    </message>
    <message>
        <source>dividend, tens digit: %1</source>
        <translation>dividende, chiffre des dizaines : %1</translation>
    </message>
    <message>
        <source>dividend, units digit: %1</source>
        <translation>dividende, chiffre des unités : %1</translation>
    </message>
    <message>
        <source>division bracket</source>
        <translation>potence de la division</translation>
    </message>
</context>
<context>
    <name>Class</name>
    <message>
        <source>75 % or more</source>
        <translation>75 % ou plus</translation>
    </message>
    <message>
        <source>50 to 74 %</source>
        <translation>50 à 74 %</translation>
    </message>
    <message>
        <source>25 to 49 %</source>
        <translation>25 à 49 %</translation>
    </message>
    <message>
        <source>under 25 %</source>
        <translation>moins de 25 %</translation>
    </message>
    <message>
        <source>not practised</source>
        <translation>pas exercé</translation>
    </message>
    <message>
        <source>%1: mastered by %2 of %3 children</source>
        <translation>%1 : maîtrisé par %2 enfants sur %3</translation>
    </message>
    <message>
        <source>Needs work: %1</source>
        <translation>À retravailler : %1</translation>
    </message>
    <message>
        <source>Learning: %1</source>
        <translation>En cours : %1</translation>
    </message>
    <message>
        <source>Sumdrop class: %1</source>
        <translation>Classe Sumdrop : %1</translation>
    </message>
    <message>
        <source>Printed %1. Children: %2. Each child&apos;s facts are fluent within that child&apos;s own time.</source>
        <translation>Imprimé le %1. Enfants : %2. Chaque enfant est jugé avec son propre temps de réponse.</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Enfant</translation>
    </message>
    <message>
        <source>Games in 7 days</source>
        <translation>Parties en 7 jours</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>The facts most children need work on</source>
        <translation>Les calculs que le plus d&apos;enfants doivent retravailler</translation>
    </message>
    <message>
        <source>%1: needs work for %2, learning for %3, mastered by %4</source>
        <translation>%1 : à retravailler %2, en cours %3, maîtrisé %4</translation>
    </message>
    <message>
        <source>Last practice</source>
        <translation>Dernier exercice</translation>
    </message>
</context>
<context>
    <name>ClassPage</name>
    <message>
        <source>Children of the class</source>
        <translation>Enfants de la classe</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Enfant</translation>
    </message>
    <message>
        <source>Last practice</source>
        <translation>Dernier exercice</translation>
    </message>
    <message>
        <source>Games in 7 days</source>
        <translation>Parties en 7 jours</translation>
    </message>
    <message>
        <source>Click a heading to sort. Double-click a child to see their own pages.</source>
        <translation>Cliquez sur un en-tête pour trier. Double-cliquez sur un enfant pour voir ses propres pages.</translation>
    </message>
    <message>
        <source>The facts most children need work on</source>
        <translation>Les calculs que le plus d&apos;enfants doivent retravailler</translation>
    </message>
    <message>
        <source>Learning</source>
        <translation>En cours</translation>
    </message>
    <message>
        <source>Mastered</source>
        <translation>Maîtrisé</translation>
    </message>
    <message>
        <source>Print Class...</source>
        <translation>Imprimer la classe...</translation>
    </message>
    <message>
        <source>Export Class...</source>
        <translation>Exporter la classe...</translation>
    </message>
    <message>
        <source>Facts mastered by the class:</source>
        <translation>Calculs maîtrisés par la classe :</translation>
    </message>
    <message>
        <source>Facts mastered by the class</source>
        <translation>Calculs maîtrisés par la classe</translation>
    </message>
    <message>
        <source>Needs work</source>
        <translation>À retravailler</translation>
    </message>
</context>
<context>
    <name>ClassServer</name>
    <message>
        <source>Write the connection as key=value words, such as host=school-db dbname=class4b.</source>
        <translation>Écrivez la connexion sous forme de mots clé=valeur, par exemple host=school-db dbname=class4b.</translation>
    </message>
    <message>
        <source>A quote in the connection string is not closed.</source>
        <translation>Un guillemet de la chaîne de connexion n’est pas fermé.</translation>
    </message>
    <message>
        <source>The connection string may not hold a semicolon.</source>
        <translation>La chaîne de connexion ne peut pas contenir de point-virgule.</translation>
    </message>
    <message>
        <source>The connection string is empty.</source>
        <translation>La chaîne de connexion est vide.</translation>
    </message>
    <message>
        <source>Sumdrop keeps no password: put it in the password file ~/.pgpass instead.</source>
        <translation>Sumdrop ne conserve aucun mot de passe : placez-le plutôt dans le fichier de mots de passe ~/.pgpass.</translation>
    </message>
    <message>
        <source>Connected: class %1, %2 children, %3 cards</source>
        <translation>Connecté : classe %1, %2 enfants, %3 cartes</translation>
    </message>
    <message>
        <source>This database is not a Sumdrop class yet: set it up with sumdrop --init-class.</source>
        <translation>Cette base de données n’est pas encore une classe Sumdrop : configurez-la avec sumdrop --init-class.</translation>
    </message>
    <message>
        <source>This database is not a Sumdrop class.</source>
        <translation>Cette base de données n’est pas une classe Sumdrop.</translation>
    </message>
    <message>
        <source>This class was set up by a newer Sumdrop: update Sumdrop on this computer.</source>
        <translation>Cette classe a été configurée par un Sumdrop plus récent : mettez Sumdrop à jour sur cet ordinateur.</translation>
    </message>
    <message>
        <source>Server not found: %1</source>
        <translation>Serveur introuvable : %1</translation>
    </message>
    <message>
        <source>The server does not answer: %1</source>
        <translation>Le serveur ne répond pas : %1</translation>
    </message>
    <message>
        <source>Password refused: %1</source>
        <translation>Mot de passe refusé : %1</translation>
    </message>
    <message>
        <source>Database missing: %1</source>
        <translation>Base de données absente : %1</translation>
    </message>
    <message>
        <source>Qt&apos;s PostgreSQL driver is not installed (package libqt6sql6-psql).</source>
        <translation>Le pilote PostgreSQL de Qt n’est pas installé (paquet libqt6sql6-psql).</translation>
    </message>
    <message>
        <source>The class server failed: %1</source>
        <translation>Le serveur de classe a échoué : %1</translation>
    </message>
    <message>
        <source>Failed: %1 Nothing was changed.</source>
        <translation>Échec : %1 Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>Setting up the class %1 as %2.</source>
        <translation>Configuration de la classe %1 en tant que %2.</translation>
    </message>
    <message>
        <source>The database name %1 is too long for the names of its roles.</source>
        <translation>Le nom de base de données %1 est trop long pour les noms de ses rôles.</translation>
    </message>
    <message>
        <source>This database is a Sumdrop class already. Nothing was changed.</source>
        <translation>Cette base de données est déjà une classe Sumdrop. Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>The schema sumdrop already holds tables (%1). Nothing was changed.</source>
        <translation>Le schéma sumdrop contient déjà des tables (%1). Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>Created the schema sumdrop and its tables info, children, games, game_ends and cards.</source>
        <translation>Le schéma sumdrop et ses tables info, children, games, game_ends et cards ont été créés.</translation>
    </message>
    <message>
        <source>The role %1 exists already and is used as it is.</source>
        <translation>Le rôle %1 existe déjà et est utilisé tel quel.</translation>
    </message>
    <message>
        <source>Created the role %1.</source>
        <translation>Le rôle %1 a été créé.</translation>
    </message>
    <message>
        <source>%1 may add games and cards and read them; %2 may also forget a child.</source>
        <translation>%1 peut ajouter des parties et des cartes et les lire ; %2 peut aussi oublier un enfant.</translation>
    </message>
    <message>
        <source>Done: %1 is a Sumdrop class. Give each login the role %2 or %3.</source>
        <translation>Terminé : %1 est une classe Sumdrop. Donnez à chaque connexion le rôle %2 ou %3.</translation>
    </message>
</context>
<context>
    <name>ClassServerDialog</name>
    <message>
        <source>Class Server</source>
        <translation>Serveur de classe</translation>
    </message>
    <message>
        <source>Where the class server is, as a PostgreSQL connection string. Passwords belong in the PostgreSQL password file, not here.</source>
        <translation>L’adresse du serveur de classe, sous forme de chaîne de connexion PostgreSQL. Les mots de passe vont dans le fichier de mots de passe de PostgreSQL, pas ici.</translation>
    </message>
    <message>
        <source>Test Connection</source>
        <translation>Tester la connexion</translation>
    </message>
    <message>
        <source>No class server: Sumdrop keeps the practice on this computer only.</source>
        <translation>Pas de serveur de classe : Sumdrop garde les exercices sur cet ordinateur seulement.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Connexion...</translation>
    </message>
</context>
<context>
    <name>ClassSync</name>
    <message>
        <source>Class: 1 card waiting</source>
        <translation>Classe : 1 carte en attente</translation>
    </message>
    <message>
        <source>Class: %1 cards waiting</source>
        <translation>Classe : %1 cartes en attente</translation>
    </message>
    <message>
        <source>Class: sent</source>
        <translation>Classe : envoyé</translation>
    </message>
    <message>
        <source>Class: 1 card waiting (server not reachable)</source>
        <translation>Classe : 1 carte en attente (serveur injoignable)</translation>
    </message>
    <message>
        <source>Class: %1 cards waiting (server not reachable)</source>
        <translation>Classe : %1 cartes en attente (serveur injoignable)</translation>
    </message>
    <message>
        <source>Class: not a Sumdrop class database</source>
        <translation>Classe : ce n’est pas une base de classe Sumdrop</translation>
    </message>
    <message>
        <source>Class: set up by a newer Sumdrop</source>
        <translation>Classe : créée par un Sumdrop plus récent</translation>
    </message>
    <message>
        <source>Class: cannot connect</source>
        <translation>Classe : connexion impossible</translation>
    </message>
    <message>
        <source>The practice is not shared with the class server: %1</source>
        <translation>Les exercices ne sont pas partagés avec le serveur de classe : %1</translation>
    </message>
    <message>
        <source>Class: server not reachable</source>
        <translation>Classe : serveur injoignable</translation>
    </message>
</context>
<context>
    <name>FeedbackView</name>
    <message>
        <source>previous card</source>
        <translation>carte précédente</translation>
    </message>
</context>
<context>
    <name>GameFlow</name>
    <message>
        <source>No Math Function Selected!</source>
        <translation>Aucune opération choisie !</translation>
    </message>
    <message>
        <source>You did not select a Math Function.</source>
        <translation>Tu n&apos;as choisi aucune opération.</translation>
    </message>
    <message>
        <source>Click OK to do Addition Only or CANCEL to got to setup</source>
        <translation>Clique sur OK pour faire seulement des additions, ou sur ANNULER pour aller aux réglages</translation>
    </message>
    <message>
        <source>No card can be dealt: these number ranges only make subtractions of two equal numbers. Widen the top number range, or lower the bottom number range below it, on the Number Range tab.</source>
        <translation>Aucune carte ne peut être distribuée : avec ces plages de nombres, on n&apos;obtient que des soustractions de deux nombres égaux. Élargis la plage du nombre du haut, ou abaisse celle du nombre du bas en dessous, dans l&apos;onglet Nombres.</translation>
    </message>
    <message>
        <source>No card can be dealt: a subtraction needs a top number limit of at least 2. Raise the top number limit on the Number Range tab.</source>
        <translation>Aucune carte ne peut être distribuée : une soustraction demande une limite d&apos;au moins 2 pour le nombre du haut. Augmente cette limite dans l&apos;onglet Nombres.</translation>
    </message>
    <message>
        <source>Card %1 of %2</source>
        <translation>Carte %1 sur %2</translation>
    </message>
</context>
<context>
    <name>GameSummary</name>
    <message>
        <source>No game to display.</source>
        <translation>Aucune partie à afficher.</translation>
    </message>
</context>
<context>
    <name>HelpIntro</name>
    <message>
        <source>Help - Introduction</source>
        <translation>Aide - Introduction</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Introduction</translation>
    </message>
    <message>
        <source>Sumdrop is a versatile flash card game to develop children&apos;s math skills. Children can play alone or with a supervisor.</source>
        <translation>Sumdrop est un jeu de cartes de calcul très complet pour développer les compétences des enfants en calcul. Les enfants peuvent jouer seuls ou avec un adulte.</translation>
    </message>
    <message>
        <source>Click  on the tab headings below to get more details on how to use the features of each tab.</source>
        <translation>Clique sur les titres des onglets ci-dessous pour en savoir plus sur chaque onglet.</translation>
    </message>
    <message>
        <source>The setup tabs: click a heading for its help</source>
        <translation>Les onglets de réglage : clique sur un titre pour voir son aide</translation>
    </message>
    <message>
        <source>Print Worksheets</source>
        <translation>Imprimer des fiches</translation>
    </message>
    <message>
        <source>Save Reports</source>
        <translation>Enregistrer les résultats</translation>
    </message>
    <message>
        <source>Dont&apos;s show this screen on startup</source>
        <translation>Ne plus afficher cet écran au démarrage</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>On a large screen, choose Fit to Screen from the Options menu to make the whole game bigger.</source>
        <translation>Sur un grand écran, choisissez Adapter à l&apos;écran dans le menu Options pour agrandir tout le jeu.</translation>
    </message>
</context>
<context>
    <name>HelpTopic</name>
    <message>
        <source>Picture: %1</source>
        <translation>Image : %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>HelpTopics</name>
    <message>
        <source>Help - General Setup</source>
        <translation>Aide - Réglages généraux</translation>
    </message>
    <message>
        <source>General Setup</source>
        <translation>Réglages généraux</translation>
    </message>
    <message>
        <source>Number of Cards</source>
        <translation>Nombre de cartes</translation>
    </message>
    <message>
        <source>To select the number of cards in a game, slide the bar. </source>
        <translation>Fais glisser le curseur pour choisir le nombre de cartes d&apos;une partie. </translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>Check to hear sounds when  an answer is entered. There is a different sound for right and wrong.</source>
        <translation>Coche cette case pour entendre un son après chaque réponse. Le son est différent pour une bonne et une mauvaise réponse.</translation>
    </message>
    <message>
        <source>Show Card Count</source>
        <translation>Afficher le compteur</translation>
    </message>
    <message>
        <source>When checked, the number of the current card and the total number of cards is displayed.</source>
        <translation>Si la case est cochée, le numéro de la carte en cours et le nombre total de cartes sont affichés.</translation>
    </message>
    <message>
        <source>Verbal Response</source>
        <translation>Réponse orale</translation>
    </message>
    <message>
        <source>When playing a supervised game, the student can say the answer and the supervisor presses either a &quot;RIGHT&quot; or &quot;WRONG&quot; button. In this mode, you will not see an answer box displayed on the card.</source>
        <translation>Dans une partie accompagnée, l&apos;élève dit la réponse à voix haute et l&apos;adulte appuie sur le bouton « JUSTE » ou « FAUX ». Dans ce mode, aucune case de réponse n&apos;apparaît sur la carte.</translation>
    </message>
    <message>
        <source>Display and Print Game Summary</source>
        <translation>Afficher et imprimer le bilan</translation>
    </message>
    <message>
        <source>When checked, a summary of the game is displayed when the game is over or stopped. The display shows the problem, the correct answer and the student&apos;s answer. If the TIMER was selected, the time for each card is also displayed.</source>
        <translation>Si la case est cochée, un bilan s&apos;affiche à la fin de la partie ou quand on l&apos;arrête. Il montre le calcul, la bonne réponse et la réponse de l&apos;élève. Si le CHRONOMÈTRE est choisi, le temps de chaque carte est aussi affiché.</translation>
    </message>
    <message>
        <source>Enter Your Name</source>
        <translation>Écris ton prénom</translation>
    </message>
    <message>
        <source>The student can enter their name to have it shown in the heading of the GAME SUMMARY DISPLAY or a worksheet.</source>
        <translation>L&apos;élève peut écrire son prénom pour qu&apos;il apparaisse en tête du BILAN DE LA PARTIE ou d&apos;une fiche.</translation>
    </message>
    <message>
        <source>Help - Number Range</source>
        <translation>Aide - Nombres</translation>
    </message>
    <message>
        <source>Basic Number Range Setting</source>
        <translation>Plage de nombres simple</translation>
    </message>
    <message>
        <source>Slide to select both the top and bottom range. Sumdrop will generate random numbers from 1 to the number selected. </source>
        <translation>Fais glisser les curseurs pour choisir la plage du nombre du haut et du nombre du bas. Sumdrop tire des nombres au hasard de 1 au nombre choisi. </translation>
    </message>
    <message>
        <source>Note: With multiplication, Sumdrop will truncate the bottom to a single digit.</source>
        <translation>Remarque : pour la multiplication, Sumdrop ramène le nombre du bas à un seul chiffre.</translation>
    </message>
    <message>
        <source>There is also an option to select number ranges for both the top and botom. Click HERE form more about Advanced Range Settings</source>
        <translation>On peut aussi choisir une plage pour le nombre du haut et une pour le nombre du bas. Clique ICI pour en savoir plus sur les plages avancées.</translation>
    </message>
    <message>
        <source>Select BASIC or ADVANCED setting from the OPTIONS Menu</source>
        <translation>Choisis SIMPLE ou AVANCÉ dans le menu OPTIONS</translation>
    </message>
    <message>
        <source>Help - Math Functions</source>
        <translation>Aide - Opérations</translation>
    </message>
    <message>
        <source>Select Math Functions</source>
        <translation>Choisir les opérations</translation>
    </message>
    <message>
        <source>Select the math function for the game or worksheet. When more than one function is selected, the card function will be selected at random.</source>
        <translation>Choisis l&apos;opération de la partie ou de la fiche. Si plusieurs opérations sont choisies, celle de chaque carte est tirée au hasard.</translation>
    </message>
    <message>
        <source>Divisor Range</source>
        <translation>Plage du diviseur</translation>
    </message>
    <message>
        <source>Use the sliders to select the range of the divisor used in Division problems. To have the divisor constant, select the same number for each. If DIVISION is not selected, the divisor range selector is inactive.</source>
        <translation>Choisis avec les curseurs la plage du diviseur des divisions. Pour garder toujours le même diviseur, choisis le même nombre des deux côtés. Si DIVISION n&apos;est pas choisie, les curseurs sont inactifs.</translation>
    </message>
    <message>
        <source>A Note About Division</source>
        <translation>Une remarque sur la division</translation>
    </message>
    <message>
        <source>All division problems have answers without remainders. The dividend will always be a single digit and the answer will not be more than 12. This format does not facilitate long division.</source>
        <translation>Toutes les divisions tombent juste, sans reste. Le diviseur a toujours un seul chiffre et le résultat ne dépasse pas 12. Ce format ne convient pas à la division posée.</translation>
    </message>
    <message>
        <source>Help - Answer Input Format</source>
        <translation>Aide - Saisie des réponses</translation>
    </message>
    <message>
        <source>Answer Format Tab</source>
        <translation>Onglet Réponses</translation>
    </message>
    <message>
        <source>Single Entry Box</source>
        <translation>Une seule case</translation>
    </message>
    <message>
        <source>Select Single Entry Box to enter entire answer at once. Just type in the answer, then ENTER. This is best for easy problems. </source>
        <translation>Choisis Une seule case pour écrire toute la réponse d&apos;un coup. Tape la réponse, puis ENTRÉE. C&apos;est le mieux pour les calculs faciles. </translation>
    </message>
    <message>
        <source>Separate Entry Box</source>
        <translation>Cases séparées</translation>
    </message>
    <message>
        <source>Select Separate Box to enter the answer one digit at a time, starting at Units, the way you would working a problem on paper. When you type a number, the cursor automatically moves left one digit. When you are done, press ENTER. This is better for more complex problems. When HIGHLIGHT ACTIVE ENTRY BOX is checked, the box expecting the next input is highlighted to promt the student.</source>
        <translation>Choisis Cases séparées pour écrire la réponse chiffre par chiffre, en commençant par les unités, comme un calcul posé sur papier. Quand tu tapes un chiffre, le curseur passe tout seul à la case de gauche. Quand tu as fini, appuie sur ENTRÉE. C&apos;est mieux pour les calculs plus difficiles. Si SURLIGNER LA CASE ACTIVE est coché, la case qui attend le chiffre suivant est mise en valeur pour guider l&apos;élève.</translation>
    </message>
    <message>
        <source>Use Screen Keypad</source>
        <translation>Pavé à l&apos;écran</translation>
    </message>
    <message>
        <source>Using the on screen keypad allows the student to input all answers using the mouse. Click HERE for more detailed information.</source>
        <translation>Le pavé à l&apos;écran permet à l&apos;élève de donner toutes les réponses avec la souris. Clique ICI pour en savoir plus.</translation>
    </message>
    <message>
        <source>Show Carry Scratchpad Box displays an entry box where a carry over number can be entered, when in SEPARATE ANSWER BOX mode. This has no effect on the answer. It is just a scratchpad for assistance.</source>
        <translation>Afficher les cases de retenue montre une case où l&apos;on peut noter une retenue, en mode CASES SÉPARÉES. Cela ne change pas la réponse : c&apos;est seulement un brouillon pour aider.</translation>
    </message>
    <message>
        <source>Show Previous Card will display the problem with the correct answer and indicate by check or x if the entered answer was correct or not.</source>
        <translation>Afficher la carte précédente montre le calcul avec la bonne réponse, et une coche ou une croix selon que la réponse donnée était juste ou non.</translation>
    </message>
    <message>
        <source>Help - Timer Options</source>
        <translation>Aide - Chronomètre</translation>
    </message>
    <message>
        <source>Timer Options Tab</source>
        <translation>Onglet Chronomètre</translation>
    </message>
    <message>
        <source>Check Game and card timer to display timers for the total game and for each card.</source>
        <translation>Coche Chrono partie et carte pour afficher le temps de toute la partie et de chaque carte.</translation>
    </message>
    <message>
        <source>Game Time Limit</source>
        <translation>Limite de la partie</translation>
    </message>
    <message>
        <source>Use the Game Time Limit to set a time limit for the game. Up to 30 minutes.  When the time is up, game will stop. If the TIMER DISPLAY is checked, the game timer will show a count down from the selected time to zero.</source>
        <translation>La limite de la partie fixe un temps pour toute la partie, jusqu&apos;à 30 minutes. Quand le temps est écoulé, la partie s&apos;arrête. Si l&apos;AFFICHAGE DU CHRONO est coché, le chrono de la partie décompte du temps choisi jusqu&apos;à zéro.</translation>
    </message>
    <message>
        <source>Card Time Limit</source>
        <translation>Limite par carte</translation>
    </message>
    <message>
        <source>Use the Card Time Limit to set a time limit for each card. Up to 60 seconds.  When the time is up, the card will change to the next. If the TIMER DISPLAY is checked, the card timer will show a count down from the selected time to zero.</source>
        <translation>La limite par carte fixe un temps pour chaque carte, jusqu&apos;à 60 secondes. Quand le temps est écoulé, on passe à la carte suivante. Si l&apos;AFFICHAGE DU CHRONO est coché, le chrono de la carte décompte du temps choisi jusqu&apos;à zéro.</translation>
    </message>
    <message>
        <source>If GAME AND CARD TIME is not selected, Time limit selectors are inactive. You can have only one time limit selected.</source>
        <translation>Si CHRONO PARTIE ET CARTE n&apos;est pas choisi, les limites de temps sont inactives. On ne peut choisir qu&apos;une seule limite.</translation>
    </message>
    <message>
        <source>Help - Print Worksheets</source>
        <translation>Aide - Imprimer des fiches</translation>
    </message>
    <message>
        <source>With Sumdrop you can print worksheets. To print a worksheet, select PRINT WORKSHEET from the Options Menu.</source>
        <translation>Avec Sumdrop, tu peux imprimer des fiches d&apos;exercices. Pour cela, choisis IMPRIMER UNE FICHE dans le menu Options.</translation>
    </message>
    <message>
        <source>The number of problems on the worksheet is determined by the card count selected from the setup Tab. The maximum is 100.</source>
        <translation>Le nombre de calculs de la fiche est le nombre de cartes choisi dans l&apos;onglet Réglages. Le maximum est 100.</translation>
    </message>
    <message>
        <source>The math functions are as selected on the MATH FUNCTIONS tab.</source>
        <translation>Les opérations sont celles choisies dans l&apos;onglet OPÉRATIONS.</translation>
    </message>
    <message>
        <source>For multiplication, the bottom number will be 2 digits if the selected range allows. Using the range selection, you can print worksheets to focus on specific needed practice areas such as a multiplication table.</source>
        <translation>Pour la multiplication, le nombre du bas a 2 chiffres si la plage choisie le permet. Avec les plages, tu peux imprimer des fiches ciblées, par exemple sur une table de multiplication.</translation>
    </message>
    <message>
        <source>Help - Saving Results</source>
        <translation>Aide - Enregistrer les résultats</translation>
    </message>
    <message>
        <source>When DISPALY AND PRINT GAME SUMMARY is selected, a window opens when the game is ended to display the game results. By selecting SAVE from this window, you can save the results for later review.</source>
        <translation>Si AFFICHER ET IMPRIMER LE BILAN est choisi, une fenêtre s&apos;ouvre à la fin de la partie avec les résultats. Avec ENREGISTRER dans cette fenêtre, tu peux les garder pour plus tard.</translation>
    </message>
    <message>
        <source>Choose a file name, perhaps using the student&apos;s name and date and select save from the file dialog.</source>
        <translation>Choisis un nom de fichier, par exemple avec le prénom de l&apos;élève et la date, puis clique sur Enregistrer.</translation>
    </message>
    <message>
        <source>You can view previously saved results by selecting OPEN SAVED GAME REPORT from the file menu.</source>
        <translation>Tu peux revoir des résultats enregistrés avec OUVRIR UN BILAN ENREGISTRÉ dans le menu Fichier.</translation>
    </message>
    <message>
        <source>Help - Advanced Number Range Setting</source>
        <translation>Aide - Plages de nombres avancées</translation>
    </message>
    <message>
        <source>Advanced Number Range</source>
        <translation>Plages avancées</translation>
    </message>
    <message>
        <source>This advanced feature allows you to set a number range for both the top and bottom number of a problem (except Division).</source>
        <translation>Cette fonction avancée permet de choisir une plage pour le nombre du haut et une pour le nombre du bas (sauf pour la division).</translation>
    </message>
    <message>
        <source>If you would like to have an entire game or worksheet have the same bottom number, set bot bottom range values the same. This is helpful for practice on a single multiplication table.</source>
        <translation>Pour qu&apos;une partie ou une fiche entière ait le même nombre du bas, mets les deux valeurs de la plage du bas à la même valeur. C&apos;est pratique pour travailler une seule table de multiplication.</translation>
    </message>
    <message>
        <source>Help - Screen Keypad</source>
        <translation>Aide - Pavé à l&apos;écran</translation>
    </message>
    <message>
        <source>The screen keypad is the easiest way to enter answers</source>
        <translation>Le pavé à l&apos;écran est la façon la plus simple de donner les réponses</translation>
    </message>
    <message>
        <source>To enter a carry number with the keypad enabled, press CARRY then the number to carry. It will go into the appropriate carry box. Carrry boxes have no effect on the answer, it is just scratchpad. If HIGHLIGHT ACTIVE ENTRY BOX is checked, after CARRY is pressed, the correct carry box will be highlighted.</source>
        <translation>Pour noter une retenue avec le pavé, appuie sur RETENUE puis sur le chiffre à retenir. Il va dans la bonne case de retenue. Les cases de retenue ne changent pas la réponse : ce n&apos;est qu&apos;un brouillon. Si SURLIGNER LA CASE ACTIVE est coché, la bonne case de retenue est mise en valeur après RETENUE.</translation>
    </message>
    <message>
        <source>The carry key is only enabled in SEPARATE ANSWER BOX mode.</source>
        <translation>La touche de retenue ne marche qu&apos;en mode CASES SÉPARÉES.</translation>
    </message>
    <message>
        <source>Pressing ERASE, will erase the last entry and select the previous active entry box.</source>
        <translation>EFFACER efface la dernière saisie et revient à la case précédente.</translation>
    </message>
    <message>
        <source>Read Cards Aloud</source>
        <translation>Lire les cartes à voix haute</translation>
    </message>
    <message>
        <source>Practise Weak Facts</source>
        <translation>Travailler les calculs difficiles</translation>
    </message>
    <message>
        <source>When checked, the game deals more of the facts the child named on the Setup tab finds hard, and brings a missed fact back a few cards later.</source>
        <translation>Si la case est cochée, le jeu propose plus souvent les calculs difficiles pour l&apos;enfant nommé sur l&apos;onglet Général, et redonne un calcul manqué quelques cartes plus tard.</translation>
    </message>
    <message>
        <source>Print Weak Facts Worksheet</source>
        <translation>Imprimer une fiche des calculs difficiles</translation>
    </message>
    <message>
        <source>Print Weak Facts Worksheet, on the Options menu, prints a sheet of the facts the child named on the Setup tab still needs to work on, from the ticked math functions and number ranges.</source>
        <translation>Imprimer une fiche des calculs difficiles, dans le menu Options, imprime une fiche des calculs que l&apos;enfant nommé sur l&apos;onglet Général doit encore travailler, parmi les opérations cochées et dans les plages de nombres choisies.</translation>
    </message>
    <message>
        <source>Print Answer Key With Worksheets</source>
        <translation>Imprimer le corrigé avec les fiches</translation>
    </message>
    <message>
        <source>When this is ticked on the Options menu, every worksheet comes with a second page that shows the answers, for marking.</source>
        <translation>Si cette option est cochée dans le menu Options, chaque fiche est suivie d&apos;une deuxième page avec les réponses, pour corriger.</translation>
    </message>
    <message>
        <source>Preview Before Printing</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>When this is ticked on the Options menu, a worksheet or report is first shown on the screen, and you print it from there.</source>
        <translation>Si cette option est cochée dans le menu Options, une fiche ou un rapport s&apos;affiche d&apos;abord à l&apos;écran, et vous l&apos;imprimez de là.</translation>
    </message>
    <message>
        <source>Reprint Worksheet</source>
        <translation>Réimprimer une fiche</translation>
    </message>
    <message>
        <source>Each worksheet has a sheet number in its bottom corner. To print the same sheet again, choose Reprint Worksheet from the Options menu and type that number. The last %1 sheets printed on this computer can be printed again.</source>
        <translation>Chaque fiche porte un numéro dans son coin inférieur. Pour imprimer à nouveau la même fiche, choisissez Réimprimer une fiche dans le menu Options et tapez ce numéro. Les %1 dernières fiches imprimées sur cet ordinateur peuvent être réimprimées.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progrès</translation>
    </message>
    <message>
        <source>Sumdrop also keeps every card each child answers. Choose Progress from the File menu between games to see which facts a child knows and how the last games went.</source>
        <translation>Sumdrop garde aussi chaque carte à laquelle un enfant répond. Entre deux parties, choisissez Progrès dans le menu Fichier pour voir quels calculs l&apos;enfant connaît et comment se sont passées les dernières parties.</translation>
    </message>
    <message>
        <source>Help - Progress</source>
        <translation>Aide - Progrès</translation>
    </message>
    <message>
        <source>Sumdrop keeps every card each child answers, under the name entered on the Setup tab. This window shows what each child knows. Choose the child at the top.</source>
        <translation>Sumdrop garde chaque carte à laquelle un enfant répond, sous le nom saisi sur l&apos;onglet Général. Cette fenêtre montre ce que chaque enfant sait. Choisissez l&apos;enfant en haut.</translation>
    </message>
    <message>
        <source>The facts</source>
        <translation>Les calculs</translation>
    </message>
    <message>
        <source>Each tab shows one math function as a grid of facts, coloured as the key at the top explains. A fact is mastered when at least two of its last three answers were right and quick enough, and the last one was right; it needs work when the last answer was wrong, or two of the last three were. Under Fluent within, choose how many seconds are quick enough. Beside the grid are the facts the child finds hardest.</source>
        <translation>Chaque onglet présente une opération sous forme de grille de calculs, colorés comme l&apos;indique la légende en haut. Un calcul est maîtrisé quand au moins deux de ses trois dernières réponses étaient justes et assez rapides, et que la dernière était juste ; il est à retravailler quand la dernière réponse était fausse, ou deux des trois dernières. Avec Maîtrisé en moins de, choisissez combien de secondes sont assez rapides. À côté de la grille figurent les calculs les plus difficiles pour l&apos;enfant.</translation>
    </message>
    <message>
        <source>The last games</source>
        <translation>Les dernières parties</translation>
    </message>
    <message>
        <source>The chart at the bottom shows the score of each of the last 30 games as a bar, and as a line how many seconds a card took.</source>
        <translation>Le graphique du bas montre le score de chacune des 30 dernières parties par une barre, et par une ligne le nombre de secondes qu&apos;a pris une carte.</translation>
    </message>
    <message>
        <source>Export, Print and Forget This Child</source>
        <translation>Exporter, Imprimer et Oublier cet enfant</translation>
    </message>
    <message>
        <source>Export saves the child&apos;s answers as a file for a spreadsheet. Print prints the grids and the chart. Forget This Child removes everything the child has practised; this cannot be undone.</source>
        <translation>Exporter enregistre les réponses de l&apos;enfant dans un fichier pour un tableur. Imprimer imprime les grilles et le graphique. Oublier cet enfant efface tout ce que l&apos;enfant a travaillé ; cela ne peut pas être annulé.</translation>
    </message>
    <message>
        <source>When checked, each card is read aloud as it comes up. Press F5 in a game to hear it again, even when this is not checked.</source>
        <translation>Si la case est cochée, chaque carte est lue à voix haute. Pendant une partie, F5 la relit, même si la case n&apos;est pas cochée.</translation>
    </message>
    <message>
        <source>Lock Setup</source>
        <translation>Verrouiller les réglages</translation>
    </message>
    <message>
        <source>A parent can choose Lock Setup from the Options menu and type a four-digit PIN twice. Until Unlock Setup is chosen and the PIN typed, the setup cannot be changed; the name box, playing and help stay open.</source>
        <translation>Un parent peut choisir Verrouiller les réglages dans le menu Options et taper deux fois un code PIN à quatre chiffres. Tant que Déverrouiller les réglages n&apos;est pas choisi et le code PIN tapé, les réglages ne peuvent pas être modifiés ; la case du prénom, le jeu et l&apos;aide restent ouverts.</translation>
    </message>
    <message>
        <source>Time practised</source>
        <translation>Temps d&apos;entraînement</translation>
    </message>
    <message>
        <source>Choose Time above the chart to see how many minutes the child practised on each of the last 14 days, the minutes of the last seven days and the most days in a row with practice.</source>
        <translation>Choisis Temps au-dessus du graphique pour voir combien de minutes l&apos;enfant s&apos;est entraîné chacun des 14 derniers jours, les minutes des sept derniers jours et le plus grand nombre de jours d&apos;affilée avec entraînement.</translation>
    </message>
    <message>
        <source>The class</source>
        <translation>La classe</translation>
    </message>
    <message>
        <source>With a teacher&apos;s login to a class server, the first tab, Class, shows how much each child of the class has mastered. Point at a fact to see who needs work on it, and double-click a child to see their tabs.</source>
        <translation>Avec une connexion d&apos;enseignant à un serveur de classe, le premier onglet, Classe, montre ce que chaque enfant de la classe maîtrise. Pointez un calcul pour voir qui doit le retravailler, et double-cliquez sur un enfant pour voir ses onglets.</translation>
    </message>
</context>
<context>
    <name>HistoryRecorder</name>
    <message>
        <source>The practice history %1 cannot be saved: %2. The game goes on without it.</source>
        <translation>L&apos;historique %1 ne peut pas être enregistré : %2. La partie continue sans lui.</translation>
    </message>
    <message>
        <source>Sumdrop&apos;s practice history file %1 is damaged or is not a Sumdrop file, so this game is not being recorded. The file has not been changed.

(%2)</source>
        <translation>Le fichier d&apos;historique de Sumdrop %1 est endommagé ou n&apos;est pas un fichier Sumdrop : cette partie n&apos;est donc pas enregistrée. Le fichier n&apos;a pas été modifié.

(%2)</translation>
    </message>
    <message>
        <source>The practice history %1 was made by a newer Sumdrop. Sumdrop leaves it as it is and keeps no history this time.</source>
        <translation>L&apos;historique %1 a été créé par une version plus récente de Sumdrop. Sumdrop le laisse tel quel et ne garde pas d&apos;historique cette fois-ci.</translation>
    </message>
    <message>
        <source>The practice history %1 cannot be used: %2. Sumdrop keeps its history only in a file of its own, leaves this one as it is and keeps no history this time.</source>
        <translation>L&apos;historique %1 ne peut pas être utilisé : %2. Sumdrop ne garde son historique que dans un fichier à lui, laisse celui-ci tel quel et ne garde pas d&apos;historique cette fois-ci.</translation>
    </message>
    <message>
        <source>The practice history %1 cannot be read: %2.</source>
        <translation>L&apos;historique %1 ne peut pas être lu : %2.</translation>
    </message>
    <message>
        <source>1 card was not kept.</source>
        <translation>1 carte n&apos;a pas été gardée.</translation>
    </message>
    <message>
        <source>%1 cards were not kept.</source>
        <translation>%1 cartes n&apos;ont pas été gardées.</translation>
    </message>
    <message>
        <source>1 record in the practice history was not understood and is left out.</source>
        <translation>1 enregistrement de l&apos;historique n&apos;a pas été compris et est laissé de côté.</translation>
    </message>
    <message>
        <source>%1 records in the practice history were not understood and are left out.</source>
        <translation>%1 enregistrements de l&apos;historique n&apos;ont pas été compris et sont laissés de côté.</translation>
    </message>
    <message>
        <source>The practice history %1 can be read but not written, so the cards of this run are not kept. Earlier practice still shows in Progress.</source>
        <translation>L&apos;historique %1 peut être lu mais pas écrit : les cartes de cette session ne sont donc pas gardées. Les exercices précédents restent visibles dans Progrès.</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <source>the SQLite driver of Qt is not installed</source>
        <translation>le pilote SQLite de Qt n&apos;est pas installé</translation>
    </message>
    <message>
        <source>another program&apos;s file</source>
        <translation>fichier d&apos;un autre programme</translation>
    </message>
    <message>
        <source>the practice history did not answer</source>
        <translation>l&apos;historique n&apos;a pas répondu</translation>
    </message>
    <message>
        <source>the practice history is busy</source>
        <translation>l&apos;historique est occupé</translation>
    </message>
    <message>
        <source>the file can be read but not written</source>
        <translation>le fichier peut être lu mais pas écrit</translation>
    </message>
    <message>
        <source>it is a link, not a file</source>
        <translation>c&apos;est un lien, pas un fichier</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>le dossier %1 ne peut pas être créé</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>ce n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>it is not a database</source>
        <translation>ce n&apos;est pas une base de données</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>%1 beside it belongs to another database</source>
        <translation>%1 à côté appartient à une autre base de données</translation>
    </message>
</context>
<context>
    <name>Keypad</name>
    <message>
        <source>move left</source>
        <translation>vers la gauche</translation>
    </message>
    <message>
        <source>move right</source>
        <translation>vers la droite</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Carry</source>
        <translation>Retenue</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Entrée</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>Arithmetic flash cards for children.</source>
        <translation>Cartes de calcul pour les enfants.</translation>
    </message>
    <message>
        <source>Use the language CODE, such as de, fr or es.</source>
        <translation>Utiliser la langue CODE, par exemple de, fr ou es.</translation>
    </message>
    <message>
        <source>Set up a class on the PostgreSQL server CONNINFO, then end.</source>
        <translation>Configurer une classe sur le serveur PostgreSQL CONNINFO, puis quitter.</translation>
    </message>
    <message>
        <source>Share the practice with the class server CONNINFO, a PostgreSQL connection string, for this run.</source>
        <translation>Partager les exercices avec le serveur de classe CONNINFO, une chaîne de connexion PostgreSQL, pour cette session.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Card Counter</source>
        <translation>Compteur</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Open Saved Game Report</source>
        <translation>Ouvrir un bilan enregistré</translation>
    </message>
    <message>
        <source>Progress...</source>
        <translation>Progrès...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Print Worksheet</source>
        <translation>Imprimer une fiche</translation>
    </message>
    <message>
        <source>Enable Tool Tips</source>
        <translation>Activer les infobulles</translation>
    </message>
    <message>
        <source>Advanced Set Up</source>
        <translation>Réglages avancés</translation>
    </message>
    <message>
        <source>Basic Set Up</source>
        <translation>Réglages simples</translation>
    </message>
    <message>
        <source>Hide Setup Tabs</source>
        <translation>Masquer les onglets</translation>
    </message>
    <message>
        <source>View Previous Game Summary</source>
        <translation>Voir le bilan de la partie précédente</translation>
    </message>
    <message>
        <source>Fit to Screen</source>
        <translation>Adapter à l&apos;écran</translation>
    </message>
    <message>
        <source>Print Weak Facts Worksheet</source>
        <translation>Imprimer une fiche des calculs difficiles</translation>
    </message>
    <message>
        <source>Reprint Worksheet...</source>
        <translation>Réimprimer une fiche...</translation>
    </message>
    <message>
        <source>Print Answer Key With Worksheets</source>
        <translation>Imprimer le corrigé avec les fiches</translation>
    </message>
    <message>
        <source>Preview Before Printing</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Instructions...</source>
        <translation>Mode d&apos;emploi...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Sumdrop On The Web</source>
        <translation>Sumdrop sur le Web</translation>
    </message>
    <message>
        <source>the practice history cannot be used</source>
        <translation>l&apos;historique d&apos;entraînement ne peut pas être utilisé</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Commencer</translation>
    </message>
    <message>
        <source>the practice history is not in use</source>
        <translation>l&apos;historique n&apos;est pas utilisé</translation>
    </message>
    <message>
        <source>Class Server...</source>
        <translation>Serveur de classe...</translation>
    </message>
</context>
<context>
    <name>Mastery</name>
    <message>
        <source>mastered</source>
        <translation>maîtrisé</translation>
    </message>
    <message>
        <source>needs work</source>
        <translation>à retravailler</translation>
    </message>
    <message>
        <source>learning</source>
        <translation>en cours</translation>
    </message>
    <message>
        <source>not seen</source>
        <translation>pas encore vu</translation>
    </message>
    <message>
        <source>%1: %2 try, %3 right, median %4 s, %5</source>
        <translation>%1 : %2 essai, %3 juste, médiane %4 s, %5</translation>
    </message>
    <message>
        <source>%1: %2 tries, %3 right, median %4 s, %5</source>
        <translation>%1 : %2 essais, %3 justes, médiane %4 s, %5</translation>
    </message>
    <message>
        <source>Mastered %1 of %2</source>
        <translation>%1 sur %2 maîtrisés</translation>
    </message>
    <message>
        <source>New: %1</source>
        <translation>Nouveau : %1</translation>
    </message>
    <message>
        <source>Addition: %1 of %2 mastered</source>
        <translation>Addition : %1 sur %2 maîtrisés</translation>
    </message>
    <message>
        <source>Subtraction: %1 of %2 mastered</source>
        <translation>Soustraction : %1 sur %2 maîtrisés</translation>
    </message>
    <message>
        <source>Multiplication: %1 of %2 mastered</source>
        <translation>Multiplication : %1 sur %2 maîtrisés</translation>
    </message>
    <message>
        <source>Division: %1 of %2 mastered</source>
        <translation>Division : %1 sur %2 maîtrisés</translation>
    </message>
</context>
<context>
    <name>PlayerChoice</name>
    <message>
        <source>Who is playing?</source>
        <translation>Qui joue ?</translation>
    </message>
    <message>
        <source>Choose your name:</source>
        <translation>Choisis ton nom :</translation>
    </message>
    <message>
        <source>Play without a name</source>
        <translation>Jouer sans nom</translation>
    </message>
    <message>
        <source>Is this %1?</source>
        <translation>C&apos;est toi, %1 ?</translation>
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
        <translation>La taille d&apos;écran minimale est 800 x 600. Modifie les réglages d&apos;affichage et redémarre le programme.</translation>
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
        <translation>Soustraction</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplication</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(sans prénom)</translation>
    </message>
    <message>
        <source>Sumdrop progress: %1</source>
        <translation>Progrès Sumdrop : %1</translation>
    </message>
    <message>
        <source>Printed %1. A fact is fluent when it is answered right within %2 seconds.</source>
        <translation>Imprimé le %1. Un calcul est maîtrisé quand il est juste en moins de %2 secondes.</translation>
    </message>
    <message>
        <source>The hardest facts</source>
        <translation>Les calculs les plus difficiles</translation>
    </message>
    <message>
        <source>None yet</source>
        <translation>Aucun pour l&apos;instant</translation>
    </message>
    <message>
        <source>Last 30 games</source>
        <translation>30 dernières parties</translation>
    </message>
    <message>
        <source>Score %</source>
        <translation>Score %</translation>
    </message>
    <message>
        <source>Median seconds per card</source>
        <translation>Secondes par carte (médiane)</translation>
    </message>
    <message>
        <source>No games yet</source>
        <translation>Pas encore de partie</translation>
    </message>
    <message>
        <source>Minutes practised per day, last %1 days</source>
        <translation>Minutes d&apos;entraînement par jour, %1 derniers jours</translation>
    </message>
    <message>
        <source>1 day in a row</source>
        <translation>1 jour d&apos;affilée</translation>
    </message>
    <message>
        <source>%1 days in a row</source>
        <translation>%1 jours d&apos;affilée</translation>
    </message>
    <message>
        <source>This week: %1 minutes. Longest run: %2.</source>
        <translation>Cette semaine : %1 minutes. Plus longue série : %2.</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>Time practised</source>
        <translation>Temps d&apos;entraînement</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Progress</source>
        <translation>Progrès</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 secondes</translation>
    </message>
    <message>
        <source>Child:</source>
        <translation>Enfant :</translation>
    </message>
    <message>
        <source>Fluent within:</source>
        <translation>Maîtrisé en moins de :</translation>
    </message>
    <message>
        <source>Operations</source>
        <translation>Opérations</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Soustraction</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplication</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exporter...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimer...</translation>
    </message>
    <message>
        <source>Forget This Child...</source>
        <translation>Oublier cet enfant...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Rows: the number taken away. Columns: the answer.</source>
        <translation>Lignes : le nombre retiré. Colonnes : le résultat.</translation>
    </message>
    <message>
        <source>Rows: the divisor. Columns: the answer.</source>
        <translation>Lignes : le diviseur. Colonnes : le résultat.</translation>
    </message>
    <message>
        <source>Rows: the top number. Columns: the bottom number.</source>
        <translation>Lignes : le nombre du haut. Colonnes : le nombre du bas.</translation>
    </message>
    <message>
        <source>%1 facts</source>
        <translation>Calculs : %1</translation>
    </message>
    <message>
        <source>Rows and columns</source>
        <translation>Lignes et colonnes</translation>
    </message>
    <message>
        <source>Hardest facts</source>
        <translation>Calculs les plus difficiles</translation>
    </message>
    <message>
        <source>Hardest %1 facts</source>
        <translation>Calculs les plus difficiles : %1</translation>
    </message>
    <message>
        <source>Fact</source>
        <translation>Calcul</translation>
    </message>
    <message>
        <source>Tries</source>
        <translation>Essais</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Justes</translation>
    </message>
    <message>
        <source>Median s</source>
        <translation>Médiane s</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(sans prénom)</translation>
    </message>
    <message>
        <source>The fluency time cannot be saved: %1.</source>
        <translation>Le temps de maîtrise ne peut pas être enregistré : %1.</translation>
    </message>
    <message>
        <source>no name</source>
        <translation>sans prénom</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source> practice.csv</source>
        <translation> entraînement.csv</translation>
    </message>
    <message>
        <source>The file %1 cannot be written.</source>
        <translation>Le fichier %1 ne peut pas être écrit.</translation>
    </message>
    <message>
        <source>Forget everything %1 has practised? This cannot be undone.</source>
        <translation>Oublier tout ce que %1 a travaillé ? Cela ne peut pas être annulé.</translation>
    </message>
    <message>
        <source>%1&apos;s practice cannot be forgotten: %2.</source>
        <translation>L&apos;entraînement de %1 ne peut pas être oublié : %2.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Writing %1</source>
        <translation>Écriture de %1</translation>
    </message>
    <message>
        <source>Forgetting %1</source>
        <translation>Oubli de %1</translation>
    </message>
    <message>
        <source>Scores or time</source>
        <translation>Scores ou temps</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Scores</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Classe</translation>
    </message>
    <message>
        <source>class</source>
        <translation>classe</translation>
    </message>
</context>
<context>
    <name>QProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>ReportCommands</name>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>The report could not be saved as %1.</source>
        <translation>Le bilan n&apos;a pas pu être enregistré sous %1.</translation>
    </message>
</context>
<context>
    <name>ReportFile</name>
    <message>
        <source> is not a valid Sumdrop file.</source>
        <translation> n&apos;est pas un fichier Sumdrop valide.</translation>
    </message>
</context>
<context>
    <name>Score</name>
    <message>
        <source>You got %1 right out of %2. That&apos;s a score of %3%</source>
        <translation>Tu as %1 bonnes réponses sur %2. Cela fait un score de %3%</translation>
    </message>
    <message>
        <source>You did not complete this game. You did %1 cards.</source>
        <translation>Tu n&apos;as pas terminé cette partie. Tu as fait %1 cartes.</translation>
    </message>
    <message>
        <source>Game Complete</source>
        <translation>Partie terminée</translation>
    </message>
    <message>
        <source>Stop Game?</source>
        <translation>Arrêter la partie ?</translation>
    </message>
    <message>
        <source>Time&apos;s Up</source>
        <translation>Temps écoulé</translation>
    </message>
    <message>
        <source>Time&apos;s up! You got %1 right out of %2 cards.</source>
        <translation>Le temps est écoulé ! Tu as %1 bonnes réponses sur %2 cartes.</translation>
    </message>
    <message>
        <source>You did not complete this game. You did %1 cards out of %2.<byte value="xd"/>
Are you sure you want to stop?</source>
        <translation>Tu n&apos;as pas terminé cette partie. Tu as fait %1 cartes sur %2.<byte value="xd"/>
Veux-tu vraiment arrêter ?</translation>
    </message>
    <message>
        <source>Results for: </source>
        <translation>Résultats de : </translation>
    </message>
    <message>
        <source>   Date: </source>
        <translation>   Date : </translation>
    </message>
    <message>
        <source>    Game Time </source>
        <translation>    Durée </translation>
    </message>
</context>
<context>
    <name>SetupLock</name>
    <message>
        <source>Ask a grown-up to unlock the setup.</source>
        <translation>Demande à un adulte de déverrouiller les réglages.</translation>
    </message>
    <message>
        <source>Unlock Setup...</source>
        <translation>Déverrouiller les réglages...</translation>
    </message>
    <message>
        <source>Lock Setup...</source>
        <translation>Verrouiller les réglages...</translation>
    </message>
    <message>
        <source>Lock Setup</source>
        <translation>Verrouiller les réglages</translation>
    </message>
    <message>
        <source>Choose a four-digit PIN:</source>
        <translation>Choisis un code PIN à quatre chiffres :</translation>
    </message>
    <message>
        <source>The PIN must be four digits. The setup is not locked.</source>
        <translation>Le code PIN doit comporter quatre chiffres. Les réglages ne sont pas verrouillés.</translation>
    </message>
    <message>
        <source>Type the PIN again:</source>
        <translation>Tape à nouveau le code PIN :</translation>
    </message>
    <message>
        <source>The two PINs differ. The setup is not locked.</source>
        <translation>Les deux codes PIN sont différents. Les réglages ne sont pas verrouillés.</translation>
    </message>
    <message>
        <source>Too many wrong PINs. Try again in %1 s.</source>
        <translation>Trop de codes PIN erronés. Réessaie dans %1 s.</translation>
    </message>
    <message>
        <source>Unlock Setup</source>
        <translation>Déverrouiller les réglages</translation>
    </message>
    <message>
        <source>The PIN:</source>
        <translation>Le code PIN :</translation>
    </message>
    <message>
        <source>That is not the PIN.</source>
        <translation>Ce n&apos;est pas le code PIN.</translation>
    </message>
    <message>
        <source>That is not the PIN. Try again in %1 s.</source>
        <translation>Ce n&apos;est pas le code PIN. Réessaie dans %1 s.</translation>
    </message>
</context>
<context>
    <name>SetupPanel</name>
    <message>
        <source>Answer Format</source>
        <translation>Réponses</translation>
    </message>
    <message>
        <source>Timer Options</source>
        <translation>Chrono</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Number Range</source>
        <translation>Nombres</translation>
    </message>
    <message>
        <source>Math Functions</source>
        <translation>Opérations</translation>
    </message>
    <message>
        <source>Enable Tool Tips</source>
        <translation>Activer les infobulles</translation>
    </message>
    <message>
        <source>Disable Tool Tips</source>
        <translation>Désactiver les infobulles</translation>
    </message>
    <message>
        <source>Hide Setup Tabs</source>
        <translation>Masquer les onglets</translation>
    </message>
    <message>
        <source>Show Setup Tabs</source>
        <translation>Afficher les onglets</translation>
    </message>
    <message>
        <source>Setup tabs</source>
        <translation>Onglets de réglage</translation>
    </message>
    <message>
        <source>Advanced Set Up</source>
        <translation>Réglages avancés</translation>
    </message>
    <message>
        <source>Basic Set Up</source>
        <translation>Réglages simples</translation>
    </message>
    <message>
        <source>Number of Cards</source>
        <translation>Nombre de cartes</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>Verbal Response</source>
        <translation>Réponse orale</translation>
    </message>
    <message>
        <source>Display and Print Game Summary</source>
        <translation>Afficher et imprimer le bilan</translation>
    </message>
    <message>
        <source>Show Card Count</source>
        <translation>Afficher le compteur</translation>
    </message>
    <message>
        <source>Read Cards Aloud</source>
        <translation>Lire les cartes à voix haute</translation>
    </message>
    <message>
        <source>Enter Your Name</source>
        <translation>Écris ton prénom</translation>
    </message>
    <message>
        <source>For multiplication, the bottom number will always be a single digit.</source>
        <translation>Pour la multiplication, le nombre du bas aura toujours un seul chiffre.</translation>
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
        <translation>Nombre du haut</translation>
    </message>
    <message>
        <source>Bottom Number Range</source>
        <translation>Nombre du bas</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Soustraction</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplication</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>Practise Weak Facts</source>
        <translation>Travailler les calculs difficiles</translation>
    </message>
    <message>
        <source>Divisor Range</source>
        <translation>Plage du diviseur</translation>
    </message>
    <message>
        <source>Result will be from 1 to 12 with no remainder</source>
        <translation>Résultat de 1 à 12, sans reste</translation>
    </message>
    <message>
        <source>Result will be from 1 to 10 with no remainder</source>
        <translation>Résultat de 1 à 10, sans reste</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>To</source>
        <translation>À</translation>
    </message>
    <message>
        <source>Single Entry Box</source>
        <translation>Une seule case</translation>
    </message>
    <message>
        <source>Separate box for units, tens and  hundreds</source>
        <translation>Cases séparées pour unités, dizaines et centaines</translation>
    </message>
    <message>
        <source>Show Previous Card Display</source>
        <translation>Afficher la carte précédente</translation>
    </message>
    <message>
        <source>Show Carry Scratchpad Box</source>
        <translation>Afficher les cases de retenue</translation>
    </message>
    <message>
        <source>Use Screen Keypad</source>
        <translation>Pavé à l&apos;écran</translation>
    </message>
    <message>
        <source>Highlight Active Entry Box</source>
        <translation>Surligner la case active</translation>
    </message>
    <message>
        <source>Game and Card Timer</source>
        <translation>Chrono partie et carte</translation>
    </message>
    <message>
        <source>Card Time Limit</source>
        <translation>Limite par carte</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondes</translation>
    </message>
    <message>
        <source>Game Time Limit</source>
        <translation>Limite de la partie</translation>
    </message>
    <message>
        <source>Seconds for each card</source>
        <translation>Secondes par carte</translation>
    </message>
    <message>
        <source>Minutes for the game</source>
        <translation>Minutes pour la partie</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Check for addition</source>
        <translation>Cocher pour l&apos;addition</translation>
    </message>
    <message>
        <source>Check for Subtraction</source>
        <translation>Cocher pour la soustraction</translation>
    </message>
    <message>
        <source>Check for Multiplication</source>
        <translation>Cocher pour la multiplication</translation>
    </message>
    <message>
        <source>Check to display card count during the game</source>
        <translation>Cocher pour afficher le compteur de cartes pendant la partie</translation>
    </message>
    <message>
        <source>Set pre-set time for game. Timer counts down and game ends when time is 0.</source>
        <translation>Durée fixe pour la partie. Le chrono décompte et la partie s&apos;arrête à 0.</translation>
    </message>
    <message>
        <source>Set time limt for each card. Card will advance if answer is not entered before time elapsed.</source>
        <translation>Temps limite pour chaque carte. Si la réponse n&apos;est pas donnée à temps, on passe à la carte suivante.</translation>
    </message>
    <message>
        <source>Check to display the previous problem and answer</source>
        <translation>Cocher pour afficher le calcul précédent et sa réponse</translation>
    </message>
    <message>
        <source>Check to display boxes to write carry over numbers</source>
        <translation>Cocher pour afficher des cases où noter les retenues</translation>
    </message>
    <message>
        <source>check to have sound played after each answer entered. Different for Right or Wrong.</source>
        <translation>Cocher pour entendre un son après chaque réponse. Différent pour juste et faux.</translation>
    </message>
    <message>
        <source>Check to display Summary of entire game with ability to print and save to a file</source>
        <translation>Cocher pour afficher le bilan de toute la partie, à imprimer ou enregistrer</translation>
    </message>
    <message>
        <source>Check to display game and card timers</source>
        <translation>Cocher pour afficher les chronos de la partie et de la carte</translation>
    </message>
    <message>
        <source>Check to use verbal answers under supervision</source>
        <translation>Cocher pour des réponses orales avec un adulte</translation>
    </message>
    <message>
        <source>Use single data entry box. Good for simple problems</source>
        <translation>Une seule case de réponse. Bien pour les calculs simples</translation>
    </message>
    <message>
        <source>Use separate entry boxes from left to right. Goo for more complex problems</source>
        <translation>Cases séparées de gauche à droite. Mieux pour les calculs plus difficiles</translation>
    </message>
    <message>
        <source>Select highest number for random problem</source>
        <translation>Choisir le plus grand nombre des calculs tirés au hasard</translation>
    </message>
    <message>
        <source>Select the total number of cards for the game</source>
        <translation>Choisir le nombre total de cartes de la partie</translation>
    </message>
    <message>
        <source>Use your mouse with this keypad to enter answers</source>
        <translation>Utilise ce pavé avec la souris pour donner les réponses</translation>
    </message>
    <message>
        <source>Check to deal more of the facts this player finds hard, and to bring a missed fact back a few cards later</source>
        <translation>Cocher pour donner plus souvent les calculs difficiles pour cet enfant et reposer un calcul raté quelques cartes plus tard</translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>The settings could not be saved as %1.</source>
        <translation>Les réglages n&apos;ont pas pu être enregistrés sous %1.</translation>
    </message>
    <message>
        <source>Site Not Found, Check your Internet Connection.</source>
        <translation>Site introuvable. Vérifie la connexion Internet.</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>No speech engine is installed on this computer.</source>
        <translation>Aucune synthèse vocale n&apos;est installée sur cet ordinateur.</translation>
    </message>
</context>
<context>
    <name>SummaryPage</name>
    <message>
        <source>Game Summary Page %1</source>
        <translation>Bilan de la partie, page %1</translation>
    </message>
    <message>
        <source>Game Summary</source>
        <translation>Bilan de la partie</translation>
    </message>
    <message>
        <source>PROBLEM      YOUR ANSWER    CARD TIME</source>
        <translation>CALCUL       RÉPONSE        TEMPS</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>&lt;&lt;Previous</source>
        <translation>&lt;&lt;Précédente</translation>
    </message>
    <message>
        <source>Next &gt;&gt;&gt;</source>
        <translation>Suivante &gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Next report page</source>
        <translation>Page suivante du bilan</translation>
    </message>
</context>
<context>
    <name>SummaryPrint</name>
    <message>
        <source>YOUR</source>
        <translation>TA</translation>
    </message>
    <message>
        <source>CARD</source>
        <translation>TEMPS</translation>
    </message>
    <message>
        <source>PROBLEM</source>
        <translation>CALCUL</translation>
    </message>
    <message>
        <source>ANSWER</source>
        <translation>RÉPONSE</translation>
    </message>
    <message>
        <source>TIME</source>
        <translation>CARTE</translation>
    </message>
</context>
<context>
    <name>TimeChart</name>
    <message>
        <source>Minutes practised on each of the last %1 days</source>
        <translation>Minutes d&apos;entraînement sur chacun des %1 derniers jours</translation>
    </message>
</context>
<context>
    <name>TimerDisplay</name>
    <message>
        <source>game time</source>
        <translation>temps de la partie</translation>
    </message>
    <message>
        <source>card time</source>
        <translation>temps de la carte</translation>
    </message>
</context>
<context>
    <name>TrendChart</name>
    <message>
        <source>Score and median seconds of the last 30 games</source>
        <translation>Score et secondes (médiane) des 30 dernières parties</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Worksheet for: </source>
        <translation>Fiche de : </translation>
    </message>
    <message>
        <source>Practice for: </source>
        <translation>Entraînement de : </translation>
    </message>
    <message>
        <source>Sheet %1</source>
        <translation>Fiche %1</translation>
    </message>
    <message>
        <source>Answer Key</source>
        <translation>Corrigé</translation>
    </message>
    <message>
        <source>Print Worksheet</source>
        <translation>Imprimer une fiche</translation>
    </message>
    <message>
        <source>The number of problems printed will be the number of cards set for the game. This will print a %1 problem worksheet using the current game settings for math function and number range.</source>
        <translation>Le nombre de calculs imprimés est le nombre de cartes choisi pour la partie. Une fiche de %1 calculs va être imprimée avec les réglages actuels d&apos;opérations et de nombres.</translation>
    </message>
    <message>
        <source>For Multiplication, the botom numbers will contain 2 digits per the RANGE settings</source>
        <translation>Pour la multiplication, le nombre du bas aura 2 chiffres selon les plages choisies</translation>
    </message>
    <message>
        <source>The worksheet was printed, but its sheet number %1 cannot be kept for reprinting: %2.</source>
        <translation>La fiche a été imprimée, mais son numéro %1 ne peut pas être gardé pour la réimprimer : %2.</translation>
    </message>
    <message>
        <source>No worksheet can be printed: with these number ranges every Multiplication answer is larger than 999. Lower the Top or Bottom range and try again.</source>
        <translation>Aucune fiche ne peut être imprimée : avec ces plages, chaque produit dépasse 999. Réduis la plage du haut ou du bas et réessaie.</translation>
    </message>
    <message>
        <source>This child</source>
        <translation>Cet enfant</translation>
    </message>
    <message>
        <source>Print Weak Facts Worksheet</source>
        <translation>Imprimer une fiche des calculs difficiles</translation>
    </message>
    <message>
        <source>%1 has no facts that need work or are being learned among the ticked operations in the current number ranges, so there is nothing to print.</source>
        <translation>%1 n&apos;a aucun calcul à retravailler ou en cours d&apos;apprentissage parmi les opérations cochées et les plages actuelles : il n&apos;y a rien à imprimer.</translation>
    </message>
    <message>
        <source>Reprint Worksheet</source>
        <translation>Réimprimer une fiche</translation>
    </message>
    <message>
        <source>The sheet number printed in the bottom corner of the worksheet:</source>
        <translation>Le numéro imprimé en bas, dans le coin de la fiche :</translation>
    </message>
    <message>
        <source>There is no worksheet number %1 among the last %2 printed on this computer.</source>
        <translation>Aucune fiche numéro %1 parmi les %2 dernières imprimées sur cet ordinateur.</translation>
    </message>
    <message>
        <source>Worksheet number %1 cannot be looked up: %2. Sheet numbers are kept in the practice history.</source>
        <translation>La fiche numéro %1 ne peut pas être retrouvée : %2. Les numéros de fiche sont gardés dans l&apos;historique.</translation>
    </message>
    <message>
        <source>Print Class</source>
        <translation>Imprimer la classe</translation>
    </message>
    <message>
        <source>This prints the class table and the facts most children need work on.</source>
        <translation>Ceci imprime le tableau de la classe et les calculs que le plus d&apos;enfants doivent retravailler.</translation>
    </message>
    <message>
        <source>Add a weak-facts worksheet for each child who has weak facts among the ticked operations</source>
        <translation>Ajouter une fiche des calculs difficiles pour chaque enfant qui en a parmi les opérations cochées</translation>
    </message>
</context>
</TS>
