<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sumdrop logo: click to close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>by: Pebblebrook Studio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email to: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AnswerArea</name>
    <message>
        <source>answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>answer, hundreds digit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>answer, tens digit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>answer, units digit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>carry to the tens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>carry to the hundreds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carry Boxes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RIGHT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WRONG</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AnswerChecking</name>
    <message>
        <source>right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wrong</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CardPhrase</name>
    <message>
        <source>%1 plus %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 minus %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 divided by %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CardReader</name>
    <message>
        <source>Cards cannot be read aloud: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flash card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card %1 of %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CardView</name>
    <message>
        <source>top number, tens digit: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bottom number, tens digit: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>top number, units digit: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bottom number, units digit: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>plus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>answer line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>divisor: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dividend, hundreds digit: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dividend, tens digit: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dividend, units digit: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>division bracket</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Class</name>
    <message>
        <source>75 % or more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>50 to 74 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>25 to 49 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>under 25 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not practised</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: mastered by %2 of %3 children</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Needs work: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Learning: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sumdrop class: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printed %1. Children: %2. Each child&apos;s facts are fluent within that child&apos;s own time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Child</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games in 7 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The facts most children need work on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: needs work for %2, learning for %3, mastered by %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last practice</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClassPage</name>
    <message>
        <source>Children of the class</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Child</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last practice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games in 7 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click a heading to sort. Double-click a child to see their own pages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The facts most children need work on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Learning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mastered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Class...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Class...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Facts mastered by the class:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Facts mastered by the class</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Needs work</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClassServer</name>
    <message>
        <source>Write the connection as key=value words, such as host=school-db dbname=class4b.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A quote in the connection string is not closed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection string may not hold a semicolon.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection string is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sumdrop keeps no password: put it in the password file ~/.pgpass instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected: class %1, %2 children, %3 cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This database is not a Sumdrop class yet: set it up with sumdrop --init-class.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This database is not a Sumdrop class.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This class was set up by a newer Sumdrop: update Sumdrop on this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server not found: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server does not answer: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password refused: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database missing: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qt&apos;s PostgreSQL driver is not installed (package libqt6sql6-psql).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The class server failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed: %1 Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting up the class %1 as %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database name %1 is too long for the names of its roles.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This database is a Sumdrop class already. Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The schema sumdrop already holds tables (%1). Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Created the schema sumdrop and its tables info, children, games, game_ends and cards.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The role %1 exists already and is used as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Created the role %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 may add games and cards and read them; %2 may also forget a child.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done: %1 is a Sumdrop class. Give each login the role %2 or %3.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClassServerDialog</name>
    <message>
        <source>Class Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where the class server is, as a PostgreSQL connection string. Passwords belong in the PostgreSQL password file, not here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test Connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No class server: Sumdrop keeps the practice on this computer only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClassSync</name>
    <message>
        <source>Class: 1 card waiting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Class: %1 cards waiting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Class: sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Class: 1 card waiting (server not reachable)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Class: %1 cards waiting (server not reachable)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Class: not a Sumdrop class database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Class: set up by a newer Sumdrop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Class: cannot connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The practice is not shared with the class server: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Class: server not reachable</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FeedbackView</name>
    <message>
        <source>previous card</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameFlow</name>
    <message>
        <source>No Math Function Selected!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You did not select a Math Function.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click OK to do Addition Only or CANCEL to got to setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No card can be dealt: these number ranges only make subtractions of two equal numbers. Widen the top number range, or lower the bottom number range below it, on the Number Range tab.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No card can be dealt: a subtraction needs a top number limit of at least 2. Raise the top number limit on the Number Range tab.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameSummary</name>
    <message>
        <source>No game to display.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpIntro</name>
    <message>
        <source>Help - Introduction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sumdrop is a versatile flash card game to develop children&apos;s math skills. Children can play alone or with a supervisor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click  on the tab headings below to get more details on how to use the features of each tab.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The setup tabs: click a heading for its help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Worksheets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Reports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dont&apos;s show this screen on startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On a large screen, choose Fit to Screen from the Options menu to make the whole game bigger.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpTopic</name>
    <message>
        <source>Picture: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpTopics</name>
    <message>
        <source>Help - General Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of Cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To select the number of cards in a game, slide the bar. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check to hear sounds when  an answer is entered. There is a different sound for right and wrong.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Card Count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When checked, the number of the current card and the total number of cards is displayed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verbal Response</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When playing a supervised game, the student can say the answer and the supervisor presses either a &quot;RIGHT&quot; or &quot;WRONG&quot; button. In this mode, you will not see an answer box displayed on the card.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display and Print Game Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When checked, a summary of the game is displayed when the game is over or stopped. The display shows the problem, the correct answer and the student&apos;s answer. If the TIMER was selected, the time for each card is also displayed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Your Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The student can enter their name to have it shown in the heading of the GAME SUMMARY DISPLAY or a worksheet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help - Number Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Basic Number Range Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slide to select both the top and bottom range. Sumdrop will generate random numbers from 1 to the number selected. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note: With multiplication, Sumdrop will truncate the bottom to a single digit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is also an option to select number ranges for both the top and botom. Click HERE form more about Advanced Range Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select BASIC or ADVANCED setting from the OPTIONS Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help - Math Functions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Math Functions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the math function for the game or worksheet. When more than one function is selected, the card function will be selected at random.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Divisor Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the sliders to select the range of the divisor used in Division problems. To have the divisor constant, select the same number for each. If DIVISION is not selected, the divisor range selector is inactive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Note About Division</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All division problems have answers without remainders. The dividend will always be a single digit and the answer will not be more than 12. This format does not facilitate long division.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help - Answer Input Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer Format Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single Entry Box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Single Entry Box to enter entire answer at once. Just type in the answer, then ENTER. This is best for easy problems. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Separate Entry Box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Separate Box to enter the answer one digit at a time, starting at Units, the way you would working a problem on paper. When you type a number, the cursor automatically moves left one digit. When you are done, press ENTER. This is better for more complex problems. When HIGHLIGHT ACTIVE ENTRY BOX is checked, the box expecting the next input is highlighted to promt the student.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Screen Keypad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Using the on screen keypad allows the student to input all answers using the mouse. Click HERE for more detailed information.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Carry Scratchpad Box displays an entry box where a carry over number can be entered, when in SEPARATE ANSWER BOX mode. This has no effect on the answer. It is just a scratchpad for assistance.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Previous Card will display the problem with the correct answer and indicate by check or x if the entered answer was correct or not.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help - Timer Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timer Options Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Game and card timer to display timers for the total game and for each card.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Time Limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the Game Time Limit to set a time limit for the game. Up to 30 minutes.  When the time is up, game will stop. If the TIMER DISPLAY is checked, the game timer will show a count down from the selected time to zero.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card Time Limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the Card Time Limit to set a time limit for each card. Up to 60 seconds.  When the time is up, the card will change to the next. If the TIMER DISPLAY is checked, the card timer will show a count down from the selected time to zero.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If GAME AND CARD TIME is not selected, Time limit selectors are inactive. You can have only one time limit selected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help - Print Worksheets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Sumdrop you can print worksheets. To print a worksheet, select PRINT WORKSHEET from the Options Menu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number of problems on the worksheet is determined by the card count selected from the setup Tab. The maximum is 100.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The math functions are as selected on the MATH FUNCTIONS tab.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For multiplication, the bottom number will be 2 digits if the selected range allows. Using the range selection, you can print worksheets to focus on specific needed practice areas such as a multiplication table.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help - Saving Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When DISPALY AND PRINT GAME SUMMARY is selected, a window opens when the game is ended to display the game results. By selecting SAVE from this window, you can save the results for later review.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a file name, perhaps using the student&apos;s name and date and select save from the file dialog.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can view previously saved results by selecting OPEN SAVED GAME REPORT from the file menu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help - Advanced Number Range Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced Number Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This advanced feature allows you to set a number range for both the top and bottom number of a problem (except Division).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you would like to have an entire game or worksheet have the same bottom number, set bot bottom range values the same. This is helpful for practice on a single multiplication table.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help - Screen Keypad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The screen keypad is the easiest way to enter answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To enter a carry number with the keypad enabled, press CARRY then the number to carry. It will go into the appropriate carry box. Carrry boxes have no effect on the answer, it is just scratchpad. If HIGHLIGHT ACTIVE ENTRY BOX is checked, after CARRY is pressed, the correct carry box will be highlighted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The carry key is only enabled in SEPARATE ANSWER BOX mode.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pressing ERASE, will erase the last entry and select the previous active entry box.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read Cards Aloud</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practise Weak Facts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When checked, the game deals more of the facts the child named on the Setup tab finds hard, and brings a missed fact back a few cards later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Weak Facts Worksheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Weak Facts Worksheet, on the Options menu, prints a sheet of the facts the child named on the Setup tab still needs to work on, from the ticked math functions and number ranges.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Answer Key With Worksheets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When this is ticked on the Options menu, every worksheet comes with a second page that shows the answers, for marking.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview Before Printing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When this is ticked on the Options menu, a worksheet or report is first shown on the screen, and you print it from there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reprint Worksheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each worksheet has a sheet number in its bottom corner. To print the same sheet again, choose Reprint Worksheet from the Options menu and type that number. The last %1 sheets printed on this computer can be printed again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sumdrop also keeps every card each child answers. Choose Progress from the File menu between games to see which facts a child knows and how the last games went.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help - Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sumdrop keeps every card each child answers, under the name entered on the Setup tab. This window shows what each child knows. Choose the child at the top.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The facts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each tab shows one math function as a grid of facts, coloured as the key at the top explains. A fact is mastered when at least two of its last three answers were right and quick enough, and the last one was right; it needs work when the last answer was wrong, or two of the last three were. Under Fluent within, choose how many seconds are quick enough. Beside the grid are the facts the child finds hardest.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chart at the bottom shows the score of each of the last 30 games as a bar, and as a line how many seconds a card took.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export, Print and Forget This Child</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export saves the child&apos;s answers as a file for a spreadsheet. Print prints the grids and the chart. Forget This Child removes everything the child has practised; this cannot be undone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When checked, each card is read aloud as it comes up. Press F5 in a game to hear it again, even when this is not checked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A parent can choose Lock Setup from the Options menu and type a four-digit PIN twice. Until Unlock Setup is chosen and the PIN typed, the setup cannot be changed; the name box, playing and help stay open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time practised</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Time above the chart to see how many minutes the child practised on each of the last 14 days, the minutes of the last seven days and the most days in a row with practice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The class</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With a teacher&apos;s login to a class server, the first tab, Class, shows how much each child of the class has mastered. Point at a fact to see who needs work on it, and double-click a child to see their tabs.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HistoryRecorder</name>
    <message>
        <source>The practice history %1 cannot be saved: %2. The game goes on without it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sumdrop&apos;s practice history file %1 is damaged or is not a Sumdrop file, so this game is not being recorded. The file has not been changed.

(%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The practice history %1 was made by a newer Sumdrop. Sumdrop leaves it as it is and keeps no history this time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The practice history %1 cannot be used: %2. Sumdrop keeps its history only in a file of its own, leaves this one as it is and keeps no history this time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The practice history %1 cannot be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 card was not kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cards were not kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 record in the practice history was not understood and is left out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 records in the practice history were not understood and are left out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The practice history %1 can be read but not written, so the cards of this run are not kept. Earlier practice still shows in Progress.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <source>the SQLite driver of Qt is not installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another program&apos;s file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the practice history did not answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the practice history is busy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file can be read but not written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a link, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 beside it belongs to another database</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Keypad</name>
    <message>
        <source>move left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>move right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>Arithmetic flash cards for children.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the language CODE, such as de, fr or es.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set up a class on the PostgreSQL server CONNINFO, then end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share the practice with the class server CONNINFO, a PostgreSQL connection string, for this run.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Card Counter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Saved Game Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Worksheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable Tool Tips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced Set Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Basic Set Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide Setup Tabs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Previous Game Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit to Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Weak Facts Worksheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reprint Worksheet...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Answer Key With Worksheets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview Before Printing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instructions...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sumdrop On The Web</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the practice history cannot be used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the practice history is not in use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Class Server...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Mastery</name>
    <message>
        <source>mastered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>needs work</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>learning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not seen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 try, %3 right, median %4 s, %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 tries, %3 right, median %4 s, %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mastered %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Addition: %1 of %2 mastered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subtraction: %1 of %2 mastered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiplication: %1 of %2 mastered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Division: %1 of %2 mastered</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlayerChoice</name>
    <message>
        <source>Who is playing?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose your name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play without a name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Is this %1?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Version </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimum display size is 800 x 600. Reset display properties an restart the program.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Addition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Division</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sumdrop progress: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printed %1. A fact is fluent when it is answered right within %2 seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The hardest facts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last 30 games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Median seconds per card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No games yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes practised per day, last %1 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 day in a row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 days in a row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This week: %1 minutes. Longest run: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time practised</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Child:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fluent within:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Addition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Division</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forget This Child...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rows: the number taken away. Columns: the answer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rows: the divisor. Columns: the answer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rows: the top number. Columns: the bottom number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 facts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rows and columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hardest facts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hardest %1 facts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Median s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The fluency time cannot be saved: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> practice.csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 cannot be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forget everything %1 has practised? This cannot be undone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&apos;s practice cannot be forgotten: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forgetting %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scores or time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Class</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>class</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportCommands</name>
    <message>
        <source>Text Files (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be saved as %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportFile</name>
    <message>
        <source> is not a valid Sumdrop file.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Score</name>
    <message>
        <source>You got %1 right out of %2. That&apos;s a score of %3%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You did not complete this game. You did %1 cards.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Game?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time&apos;s Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time&apos;s up! You got %1 right out of %2 cards.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You did not complete this game. You did %1 cards out of %2.<byte value="xd"/>
Are you sure you want to stop?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Results for: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Date: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    Game Time </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SetupLock</name>
    <message>
        <source>Ask a grown-up to unlock the setup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unlock Setup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock Setup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a four-digit PIN:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PIN must be four digits. The setup is not locked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the PIN again:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The two PINs differ. The setup is not locked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too many wrong PINs. Try again in %1 s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unlock Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PIN:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That is not the PIN.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That is not the PIN. Try again in %1 s.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SetupPanel</name>
    <message>
        <source>Answer Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timer Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Math Functions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable Tool Tips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable Tool Tips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide Setup Tabs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Setup Tabs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setup tabs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced Set Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Basic Set Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of Cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verbal Response</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display and Print Game Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Card Count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read Cards Aloud</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Your Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For multiplication, the bottom number will always be a single digit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top Number Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom Number Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Addition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Division</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practise Weak Facts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Divisor Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result will be from 1 to 12 with no remainder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result will be from 1 to 10 with no remainder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single Entry Box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Separate box for units, tens and  hundreds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Previous Card Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Carry Scratchpad Box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Screen Keypad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highlight Active Entry Box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game and Card Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card Time Limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Time Limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seconds for each card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes for the game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for addition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Subtraction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Multiplication</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check to display card count during the game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set pre-set time for game. Timer counts down and game ends when time is 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set time limt for each card. Card will advance if answer is not entered before time elapsed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check to display the previous problem and answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check to display boxes to write carry over numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>check to have sound played after each answer entered. Different for Right or Wrong.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check to display Summary of entire game with ability to print and save to a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check to display game and card timers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check to use verbal answers under supervision</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use single data entry box. Good for simple problems</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use separate entry boxes from left to right. Goo for more complex problems</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select highest number for random problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the total number of cards for the game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use your mouse with this keypad to enter answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check to deal more of the facts this player finds hard, and to bring a missed fact back a few cards later</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>The settings could not be saved as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Site Not Found, Check your Internet Connection.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>No speech engine is installed on this computer.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SummaryPage</name>
    <message>
        <source>Game Summary Page %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PROBLEM      YOUR ANSWER    CARD TIME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;&lt;Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next &gt;&gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next report page</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SummaryPrint</name>
    <message>
        <source>YOUR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CARD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PROBLEM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ANSWER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TIME</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TimeChart</name>
    <message>
        <source>Minutes practised on each of the last %1 days</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TimerDisplay</name>
    <message>
        <source>game time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>card time</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TrendChart</name>
    <message>
        <source>Score and median seconds of the last 30 games</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Worksheet for: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practice for: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sheet %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Worksheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number of problems printed will be the number of cards set for the game. This will print a %1 problem worksheet using the current game settings for math function and number range.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For Multiplication, the botom numbers will contain 2 digits per the RANGE settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The worksheet was printed, but its sheet number %1 cannot be kept for reprinting: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No worksheet can be printed: with these number ranges every Multiplication answer is larger than 999. Lower the Top or Bottom range and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This child</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Weak Facts Worksheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no facts that need work or are being learned among the ticked operations in the current number ranges, so there is nothing to print.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reprint Worksheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sheet number printed in the bottom corner of the worksheet:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no worksheet number %1 among the last %2 printed on this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Worksheet number %1 cannot be looked up: %2. Sheet numbers are kept in the practice history.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Class</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This prints the class table and the facts most children need work on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a weak-facts worksheet for each child who has weak facts among the ticked operations</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
