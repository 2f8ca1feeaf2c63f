<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>app::MainToolbar</name>
    <message>
        <source>Prev</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marks</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>app::MainWindow</name>
    <message>
        <source>Colours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Classic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High Contrast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a puzzle number and press Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - Alert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure to change the puzzle?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Great work - There are no mistakes. Continue...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - Hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puzzle:%1 - Time Played: %2 - %3 : %4</source>
        <comment>puzzle number, time played, title, maker</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wow! Puzzle Successfully Completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - Congradz!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure to RESTART puzzle?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>app::Menu</name>
    <message>
        <source>Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restart Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep My Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Puzzle...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More Puzzles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use pen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Pencil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom In +</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom Out -</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Candidates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill Candidates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Candidates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply Hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Combinations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Conflicts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How to play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korvel Website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>app::Program</name>
    <message>
        <source> The Database is corrupted - contact the author at %1 for more details</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>app::PuzzleChooser</name>
    <message>
        <source>%1 - Choose Puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Any</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puzzles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find puzzle:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Difficulty:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>game::Hint</name>
    <message>
        <source>Every way to fill %1 with the digits its empty cells allow uses %2, and the runs crossing its other empty cells rule %2 out there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every way to fill %1 with the digits its empty cells allow puts %2 in %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No way to fill %1 with the digits its empty cells allow puts %2 in %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4 meet at four cells, so they are filled together.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every way to fill all four with the digits their cells allow puts %1 in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No way to fill all four with the digits their cells allow puts %1 in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suppose %1 were %2: following its runs from there leaves a run that cannot be filled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>across %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>down %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>across %1 at %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>down %1 at %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>two</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>three</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>four</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>five</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>six</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>seven</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>So %1 is %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>So %1 cannot be %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 in %2 cells can only be %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs %2 more in %3 empty cells, which can only be %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 in %2 cells is %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs %2 more in %3 empty cells: %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 in %2 cells can only use %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs %2 more in %3 empty cells, which can only use %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has only %2 left empty and needs %3 more, so that cell is %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot use %2, so %3 is %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The empty cells of %1 must make %2, and its other empty cells can only hold %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only %1 in %2 leaves them a way to make the rest, so that cell is %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 in %2 would leave them no way to make the rest, so that cell cannot be %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 must use %2, and only %3 and %4 can take them, so those two cells hold nothing else.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In %1, %2 and %3 can only hold %4 between them, so no other cell of %1 can.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 must use %2, and only the cells %3 can take them, so those cells hold nothing else.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In %1, the cells %2 can only hold %3 between them, so no other cell of %1 can.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clues of the runs crossing %1 add up to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clues of %1 add up to %2, and the clues of the runs crossing them add up to %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cells in only one of these groups must make up the difference, with the digits written, so %1 is %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cells in only one of these groups must make up the difference, with the digits written, so %1 cannot be %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 in row %2, column %3 is wrong.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No step can be found by reasoning from here.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>game::PuzzleListModel</name>
    <message>
        <source>grading…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>difficulty (hardest technique)</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1x%2</source>
        <comment>width x height</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Easy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Master</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guessing</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>game::ScoreDialog</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Played : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Your Name : </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>game::StatisticsDialog</name>
    <message>
        <source>%1 - Top 3 performance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (1 hint)</source>
        <comment>a best time helped by one hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n hints)</source>
        <comment>a best time helped by hints</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kakuro</name>
    <message>
        <source>combinations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hidden single</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>remainder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pairs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>triples and quads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>run consistency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>crossing runs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>region sums</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>short contradiction</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>print::PagePrinter</name>
    <message>
        <source>The size of the answer digits must be from 1 to %1 points, so that it fits on the page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The size of the sums must be from 1 to %1 points, so that it fits on the page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Copyright Font Size must be from 1 to %1 points, so that it fits on the page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Cell Size must be from 1 to %1 printer pixels, so that a cell fits on the page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Line Size must be from 0 to %1 printer pixels, no wider than a cell.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not start Printing ..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not start a New page ..</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>print::PageTarget</name>
    <message>
        <source>The page could not be handed to the printer, so nothing was printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PDF file could not be written:
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>print::PrintDialog</name>
    <message>
        <source>The printing  may not work perfectly. I give this to you in the hope that it will be useful to some of you. Print it on a rough paper and find the right settings for you. You can manipulate disable Answer Numbers show to print a puzzle, and enable it to print a solution.  If you have many printers, the game will print on default printer directly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, a Kakuro puzzle from %2</source>
        <comment>the printed footer: title, maker</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer Digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cell Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tally (or) Sum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cell Col</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cell Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright Font Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - Print Solution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No printer is installed, so the page cannot be printed.
Would you like to save it as a PDF file instead?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - Alert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the page as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>puzzle::SavedGame</name>
    <message>
        <source>The game could not be saved to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder %1 could not be created.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>shell::AboutDialog</name>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a Kakuro game from %2.

Fill each run of white cells with the digits 1 to 9 so that they add up to the clue beside the run, never using a digit twice in the same run.

Every puzzle has exactly one solution, and it can be reached by reasoning alone.

%1 is free software: you may share and change it under the GNU General Public License, version 3 or any later version. It comes with no warranty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Here for more free puzzles &amp; Games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright © %1, GPL-3.0-or-later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>shell::WelcomeDialog</name>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More Puzzles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here for more puzzles</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>store::Settings</name>
    <message>
        <source> Error Failerd</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>view::BoardView</name>
    <message>
        <source>Paused</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>view::CombinationWindow</name>
    <message>
        <source>%1 - Combinations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a cell.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Across %1 in %n cells</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Down %1 in %n cells</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>This cell can take %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No digit fits this cell.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
