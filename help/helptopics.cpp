#include "help/helptopics.h"

#include <QCoreApplication>

#include <array>

#include "worksheet/printedsheet.h"

namespace {

struct HelpTopics
{
    Q_DECLARE_TR_FUNCTIONS(HelpTopics)
};

std::array<HelpPage, helpTopicCount> makePages()
{
    std::array<HelpPage, helpTopicCount> pages;

    HelpPage &setup = pages[int(HelpTopicId::Setup)];
    setup.name = QStringLiteral("frmHelpSetup");
    setup.title = HelpTopics::tr("Help - General Setup");
    setup.heading = HelpTopics::tr("General Setup");
    setup.paragraphs = {
        {HelpTopics::tr("Number of Cards"), HelpTopics::tr("To select the number of cards in a game, slide the bar. ")},
        {HelpTopics::tr("Sounds"), HelpTopics::tr("Check to hear sounds when  an answer is entered. There is a different "
                                                  "sound for right and wrong.")},
        {HelpTopics::tr("Show Card Count"), HelpTopics::tr("When checked, the number of the current card and the total "
                                                           "number of cards is displayed.")},
        {HelpTopics::tr("Verbal Response"),
         HelpTopics::tr("When playing a supervised game, the student can say the answer and the supervisor presses "
                        "either a \"RIGHT\" or \"WRONG\" button. In this mode, you will not see an answer box displayed "
                        "on the card.")},
        {HelpTopics::tr("Display and Print Game Summary"),
         HelpTopics::tr("When checked, a summary of the game is displayed when the game is over or stopped. The display "
                        "shows the problem, the correct answer and the student's answer. If the TIMER was selected, the "
                        "time for each card is also displayed.")},
        {HelpTopics::tr("Enter Your Name"), HelpTopics::tr("The student can enter their name to have it shown in the "
                                                           "heading of the GAME SUMMARY DISPLAY or a worksheet.")},
        {HelpTopics::tr("Read Cards Aloud"),
         HelpTopics::tr("When checked, each card is read aloud as it comes up. Press F5 in a game to hear it again, "
                        "even when this is not checked.")},
    };

    HelpPage &level = pages[int(HelpTopicId::Level)];
    level.name = QStringLiteral("frmHelpLevel");
    level.title = HelpTopics::tr("Help - Number Range");
    level.heading = HelpTopics::tr("Basic Number Range Setting");
    level.paragraphs = {
        {{}, HelpTopics::tr("Slide to select both the top and bottom range. Sumdrop will generate random numbers from 1 "
                            "to the number selected. ")},
        {{}, HelpTopics::tr("Note: With multiplication, Sumdrop will truncate the bottom to a single digit.")},
    };
    level.linkName = QStringLiteral("Label4");
    level.link = {{}, HelpTopics::tr("There is also an option to select number ranges for both the top and botom. "
                                     "Click HERE form more about Advanced Range Settings")};
    level.linkTarget = HelpTopicId::RangeAdv;
    level.notes = {{{}, HelpTopics::tr("Select BASIC or ADVANCED setting from the OPTIONS Menu")}};

    HelpPage &functions = pages[int(HelpTopicId::Functions)];
    functions.name = QStringLiteral("frmHelpFunctions");
    functions.title = HelpTopics::tr("Help - Math Functions");
    functions.heading = HelpTopics::tr("Select Math Functions");
    functions.paragraphs = {
        {{}, HelpTopics::tr("Select the math function for the game or worksheet. When more than one function is "
                            "selected, the card function will be selected at random.")},
        {HelpTopics::tr("Divisor Range"),
         HelpTopics::tr("Use the sliders to select the range of the divisor used in Division problems. To have the "
                        "divisor constant, select the same number for each. If DIVISION is not selected, the divisor "
                        "range selector is inactive.")},
        {HelpTopics::tr("Practise Weak Facts"),
         HelpTopics::tr("When checked, the game deals more of the facts the child named on the Setup tab finds "
                        "hard, and brings a missed fact back a few cards later.")},
    };
    functions.notes = {
        {HelpTopics::tr("A Note About Division"),
         HelpTopics::tr("All division problems have answers without remainders. The dividend will always be a single "
                        "digit and the answer will not be more than 12. This format does not facilitate long "
                        "division.")},
    };

    HelpPage &answer = pages[int(HelpTopicId::Answer)];
    answer.name = QStringLiteral("frmHelpAnswer");
    answer.title = HelpTopics::tr("Help - Answer Input Format");
    answer.heading = HelpTopics::tr("Answer Format Tab");
    answer.paragraphs = {
        {HelpTopics::tr("Single Entry Box"),
         HelpTopics::tr("Select Single Entry Box to enter entire answer at once. Just type in the answer, then ENTER. "
                        "This is best for easy problems. ")},
        {HelpTopics::tr("Separate Entry Box"),
         HelpTopics::tr("Select Separate Box to enter the answer one digit at a time, starting at Units, the way you "
                        "would working a problem on paper. When you type a number, the cursor automatically moves left "
                        "one digit. When you are done, press ENTER. This is better for more complex problems. When "
                        "HIGHLIGHT ACTIVE ENTRY BOX is checked, the box expecting the next input is highlighted to "
                        "promt the student.")},
    };
    answer.linkName = QStringLiteral("Label8");
    answer.link = {HelpTopics::tr("Use Screen Keypad"),
                   HelpTopics::tr("Using the on screen keypad allows the student to input all answers using the mouse. "
                                  "Click HERE for more detailed information.")};
    answer.linkTarget = HelpTopicId::Keypad;
    answer.notes = {
        {{}, HelpTopics::tr("Show Carry Scratchpad Box displays an entry box where a carry over number can be entered, "
                            "when in SEPARATE ANSWER BOX mode. This has no effect on the answer. It is just a "
                            "scratchpad for assistance.")},
        {{}, HelpTopics::tr("Show Previous Card will display the problem with the correct answer and indicate by check "
                            "or x if the entered answer was correct or not.")},
    };

    HelpPage &timer = pages[int(HelpTopicId::Timer)];
    timer.name = QStringLiteral("frmHelpTimer");
    timer.title = HelpTopics::tr("Help - Timer Options");
    timer.heading = HelpTopics::tr("Timer Options Tab");
    timer.paragraphs = {
        {{}, HelpTopics::tr("Check Game and card timer to display timers for the total game and for each card.")},
        {HelpTopics::tr("Game Time Limit"),
         HelpTopics::tr("Use the Game Time Limit to set a time limit for the game. Up to 30 minutes.  When the time is "
                        "up, game will stop. If the TIMER DISPLAY is checked, the game timer will show a count down "
                        "from the selected time to zero.")},
        {HelpTopics::tr("Card Time Limit"),
         HelpTopics::tr("Use the Card Time Limit to set a time limit for each card. Up to 60 seconds.  When the time is "
                        "up, the card will change to the next. If the TIMER DISPLAY is checked, the card timer will "
                        "show a count down from the selected time to zero.")},
    };
    timer.notes = {{{}, HelpTopics::tr("If GAME AND CARD TIME is not selected, Time limit selectors are inactive. You "
                                       "can have only one time limit selected.")}};

    HelpPage &worksheets = pages[int(HelpTopicId::Worksheets)];
    worksheets.name = QStringLiteral("frmHelpWorksheets");
    worksheets.title = HelpTopics::tr("Help - Print Worksheets");
    worksheets.paragraphs = {
        {{}, HelpTopics::tr("With Sumdrop you can print worksheets. To print a worksheet, select PRINT WORKSHEET from "
                            "the Options Menu.")},
        {{}, HelpTopics::tr("The number of problems on the worksheet is determined by the card count selected from the "
                            "setup Tab. The maximum is 100.")},
        {{}, HelpTopics::tr("The math functions are as selected on the MATH FUNCTIONS tab.")},
        {{}, HelpTopics::tr("For multiplication, the bottom number will be 2 digits if the selected range allows. Using "
                            "the range selection, you can print worksheets to focus on specific needed practice areas "
                            "such as a multiplication table.")},
        {HelpTopics::tr("Print Weak Facts Worksheet"),
         HelpTopics::tr("Print Weak Facts Worksheet, on the Options menu, prints a sheet of the facts the child named "
                        "on the Setup tab still needs to work on, from the ticked math functions and number ranges.")},
        {HelpTopics::tr("Print Answer Key With Worksheets"),
         HelpTopics::tr("When this is ticked on the Options menu, every worksheet comes with a second page that "
                        "shows the answers, for marking.")},
        {HelpTopics::tr("Preview Before Printing"),
         HelpTopics::tr("When this is ticked on the Options menu, a worksheet or report is first shown on the "
                        "screen, and you print it from there.")},
        {HelpTopics::tr("Reprint Worksheet"),
         HelpTopics::tr("Each worksheet has a sheet number in its bottom corner. To print the same sheet again, "
                        "choose Reprint Worksheet from the Options menu and type that number. The last %1 sheets "
                        "printed on this computer can be printed again.")
             .arg(keptSheets)},
    };

    HelpPage &save = pages[int(HelpTopicId::Save)];
    save.name = QStringLiteral("frmHelpSave");
    save.title = HelpTopics::tr("Help - Saving Results");
    save.paragraphs = {
        {{}, HelpTopics::tr("When DISPALY AND PRINT GAME SUMMARY is selected, a window opens when the game is ended to "
                            "display the game results. By selecting SAVE from this window, you can save the results "
                            "for later review.")},
        {{}, HelpTopics::tr("Choose a file name, perhaps using the student's name and date and select save from the "
                            "file dialog.")},
        {{}, HelpTopics::tr("You can view previously saved results by selecting OPEN SAVED GAME REPORT from the file "
                            "menu.")},
        {HelpTopics::tr("Progress"),
         HelpTopics::tr("Sumdrop also keeps every card each child answers. Choose Progress from the File menu "
                        "between games to see which facts a child knows and how the last games went.")},
    };

    HelpPage &rangeAdv = pages[int(HelpTopicId::RangeAdv)];
    rangeAdv.name = QStringLiteral("frmHelpRangeAdv");
    rangeAdv.title = HelpTopics::tr("Help - Advanced Number Range Setting");
    rangeAdv.heading = HelpTopics::tr("Advanced Number Range");
    rangeAdv.paragraphs = {
        {{}, HelpTopics::tr("This advanced feature allows you to set a number range for both the top and bottom "
                            "number of a problem (except Division).")},
        {{}, HelpTopics::tr("If you would like to have an entire game or worksheet have the same bottom number, set "
                            "bot bottom range values the same. This is helpful for practice on a single "
                            "multiplication table.")},
    };

    HelpPage &keypad = pages[int(HelpTopicId::Keypad)];
    keypad.name = QStringLiteral("frmHelpKeypad");
    keypad.title = HelpTopics::tr("Help - Screen Keypad");
    keypad.heading = HelpTopics::tr("The screen keypad is the easiest way to enter answers");
    keypad.paragraphs = {
        {{}, HelpTopics::tr("To enter a carry number with the keypad enabled, press CARRY then the number to carry. It "
                            "will go into the appropriate carry box. Carrry boxes have no effect on the answer, it is "
                            "just scratchpad. If HIGHLIGHT ACTIVE ENTRY BOX is checked, after CARRY is pressed, the "
                            "correct carry box will be highlighted.")},
        {{}, HelpTopics::tr("The carry key is only enabled in SEPARATE ANSWER BOX mode.")},
        {{}, HelpTopics::tr("Pressing ERASE, will erase the last entry and select the previous active entry box.")},
    };

    HelpPage &progress = pages[int(HelpTopicId::Progress)];
    progress.name = QStringLiteral("frmHelpProgress");
    progress.title = HelpTopics::tr("Help - Progress");
    progress.heading = HelpTopics::tr("Progress");
    progress.paragraphs = {
        {{}, HelpTopics::tr("Sumdrop keeps every card each child answers, under the name entered on the Setup tab. "
                            "This window shows what each child knows. Choose the child at the top.")},
        {HelpTopics::tr("The facts"),
         HelpTopics::tr("Each tab shows one math function as a grid of facts, coloured as the key at the top "
                        "explains. A fact is mastered when at least two of its last three answers were right and "
                        "quick enough, and the last one was right; it needs work when the last answer was wrong, or "
                        "two of the last three were. Under Fluent within, choose how many seconds are quick enough. "
                        "Beside the grid are the facts the child finds hardest.")},
        {HelpTopics::tr("The last games"),
         HelpTopics::tr("The chart at the bottom shows the score of each of the last 30 games as a bar, and as a "
                        "line how many seconds a card took.")},
        {HelpTopics::tr("Time practised"),
         HelpTopics::tr("Choose Time above the chart to see how many minutes the child practised on each of the last "
                        "14 days, the minutes of the last seven days and the most days in a row with practice.")},
        {HelpTopics::tr("Export, Print and Forget This Child"),
         HelpTopics::tr("Export saves the child's answers as a file for a spreadsheet. Print prints the grids and the "
                        "chart. Forget This Child removes everything the child has practised; this cannot be undone.")},
        {HelpTopics::tr("The class"),
         HelpTopics::tr("With a teacher's login to a class server, the first tab, Class, shows how much each "
                        "child of the class has mastered. Point at a fact to see who needs work on it, and "
                        "double-click a child to see their tabs.")},
        {HelpTopics::tr("Lock Setup"),
         HelpTopics::tr("A parent can choose Lock Setup from the Options menu and type a four-digit PIN twice. "
                        "Until Unlock Setup is chosen and the PIN typed, the setup cannot be changed; the name box, "
                        "playing and help stay open.")},
    };
    return pages;
}

} // namespace

HelpPage helpPage(HelpTopicId id)
{
    // Made afresh, so that the texts are in the language installed now.
    return makePages()[int(id)];
}
