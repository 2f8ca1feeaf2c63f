<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>app::EditorBoard</name>
    <message>
        <source>Puzzle grid</source>
        <translation>Rätselgitter</translation>
    </message>
</context>
<context>
    <name>app::GenerationDialog</name>
    <message>
        <source>%1 - New Puzzle</source>
        <translation>%1 - Neues Rätsel</translation>
    </message>
    <message>
        <source>Making the puzzle: %1</source>
        <translation>Das Rätsel wird erstellt: %1</translation>
    </message>
    <message>
        <source>Making the puzzle</source>
        <translation>Das Rätsel wird erstellt</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>app::MainToolbar</name>
    <message>
        <source>Prev</source>
        <translation>Voriges</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nächstes</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Neustart</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Bleistift</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Füller</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Notizen</translation>
    </message>
</context>
<context>
    <name>app::MainWindow</name>
    <message>
        <source>Colours</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Klassisch</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>High Contrast</source>
        <translation>Hoher Kontrast</translation>
    </message>
    <message>
        <source>Type a puzzle number and press Enter</source>
        <translation>Rätselnummer eingeben und die Eingabetaste drücken</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Radierer</translation>
    </message>
    <message>
        <source>No tool</source>
        <translation>Kein Werkzeug</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>%1 - Alert</source>
        <translation>%1 - Achtung</translation>
    </message>
    <message>
        <source>Are you sure to change the puzzle?</source>
        <translation>Möchten Sie wirklich zu einem anderen Rätsel wechseln?</translation>
    </message>
    <message>
        <source>Great work - There are no mistakes. Continue...</source>
        <translation>Gut gemacht - kein einziger Fehler. Weiter so...</translation>
    </message>
    <message>
        <source>Puzzle:%1 - Time Played: %2 - %3 : %4</source>
        <comment>puzzle number, time played, title, maker</comment>
        <translation>Rätsel %1 - Spielzeit: %2 - %3 : %4</translation>
    </message>
    <message>
        <source>Wow! Puzzle Successfully Completed</source>
        <translation>Super! Rätsel erfolgreich gelöst</translation>
    </message>
    <message>
        <source>%1 - Congradz!</source>
        <translation>%1 - Glückwunsch!</translation>
    </message>
    <message>
        <source>Are you sure to RESTART puzzle?</source>
        <translation>Möchten Sie das Rätsel wirklich NEU STARTEN?</translation>
    </message>
    <message>
        <source>Puzzle number</source>
        <translation>Rätselnummer</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Üblich</translation>
    </message>
    <message>
        <source>Fit Board to Window</source>
        <translation>Spielfeld an Fenster anpassen</translation>
    </message>
    <message>
        <source>Main toolbar</source>
        <translation>Hauptsymbolleiste</translation>
    </message>
    <message>
        <source>Number tools</source>
        <translation>Zifferwerkzeuge</translation>
    </message>
    <message>
        <source>The saved game %1 could not be read. Replace it with this board?</source>
        <translation>Das gespeicherte Spiel %1 konnte nicht gelesen werden. Soll es durch dieses Brett ersetzt werden?</translation>
    </message>
    <message>
        <source>My Puzzle:%1 - Time Played: %2 - %3 : %4</source>
        <comment>number of the player&apos;s own puzzle, time played, title, maker</comment>
        <translation>Mein Rätsel %1 - Spielzeit: %2 - %3 : %4</translation>
    </message>
    <message>
        <source>A puzzle code holds only letters and digits, like 1ABC-DEFG-HJK.</source>
        <translation>Ein Rätselcode besteht nur aus Buchstaben und Ziffern, etwa 1ABC-DEFG-HJK.</translation>
    </message>
    <message>
        <source>This puzzle code has a mistake: a character is typed wrong, or one is missing or one too many. Please check it.</source>
        <translation>Dieser Rätselcode enthält einen Fehler: Ein Zeichen ist falsch, fehlt oder ist zu viel. Bitte prüfen Sie ihn.</translation>
    </message>
    <message>
        <source>This puzzle code comes from another version of the puzzle maker (version %1). This copy of %2 makes puzzles of version %3 only.</source>
        <translation>Dieser Rätselcode stammt von einer anderen Version des Rätselgenerators (Version %1). Diese Ausgabe von %2 erstellt nur Rätsel der Version %3.</translation>
    </message>
    <message>
        <source>This puzzle code names no puzzle that can be made.</source>
        <translation>Zu diesem Rätselcode lässt sich kein Rätsel erstellen.</translation>
    </message>
    <message>
        <source>No puzzle of this size and difficulty could be made. Try a larger size or an easier difficulty.</source>
        <translation>Es konnte kein Rätsel dieser Größe und Schwierigkeit erstellt werden. Versuchen Sie eine größere Größe oder eine leichtere Stufe.</translation>
    </message>
</context>
<context>
    <name>app::Menu</name>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Next game</source>
        <translation>Nächstes Rätsel</translation>
    </message>
    <message>
        <source>Previous Game</source>
        <translation>Voriges Rätsel</translation>
    </message>
    <message>
        <source>Restart Game</source>
        <translation>Rätsel neu starten</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Spiel speichern</translation>
    </message>
    <message>
        <source>Keep My Progress</source>
        <translation>Fortschritt behalten</translation>
    </message>
    <message>
        <source>Choose Puzzle...</source>
        <translation>Rätsel auswählen...</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Print Game</source>
        <translation>Rätsel drucken</translation>
    </message>
    <message>
        <source>More Puzzles</source>
        <translation>Weitere Rätsel</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Solving</source>
        <translation>Lösen</translation>
    </message>
    <message>
        <source>Use pen</source>
        <translation>Mit Füller schreiben</translation>
    </message>
    <message>
        <source>Use Pencil</source>
        <translation>Mit Bleistift schreiben</translation>
    </message>
    <message>
        <source>Check All</source>
        <translation>Alles prüfen</translation>
    </message>
    <message>
        <source>Zoom In +</source>
        <translation>Vergrößern +</translation>
    </message>
    <message>
        <source>Zoom Out -</source>
        <translation>Verkleinern -</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Use Candidates</source>
        <translation>Kandidaten notieren</translation>
    </message>
    <message>
        <source>Fill Candidates</source>
        <translation>Kandidaten ausfüllen</translation>
    </message>
    <message>
        <source>Clear Candidates</source>
        <translation>Kandidaten löschen</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Apply Hint</source>
        <translation>Hinweis ausführen</translation>
    </message>
    <message>
        <source>Combinations</source>
        <translation>Kombinationen</translation>
    </message>
    <message>
        <source>Show Conflicts</source>
        <translation>Konflikte zeigen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Spielanleitung</translation>
    </message>
    <message>
        <source>Korvel Website</source>
        <translation>Korvel im Web</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Remove Marks of Placed Digits</source>
        <translation>Notizen gesetzter Ziffern entfernen</translation>
    </message>
    <message>
        <source>Show Solution</source>
        <translation>Lösung zeigen</translation>
    </message>
    <message>
        <source>New Puzzle...</source>
        <translation>Neues Rätsel...</translation>
    </message>
    <message>
        <source>Open Puzzle Code...</source>
        <translation>Rätselcode öffnen...</translation>
    </message>
    <message>
        <source>Enter Puzzle...</source>
        <translation>Rätsel eingeben...</translation>
    </message>
</context>
<context>
    <name>app::NewPuzzleDialog</name>
    <message>
        <source>%1 - New Puzzle</source>
        <translation>%1 - Neues Rätsel</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Zeilen</translation>
    </message>
    <message>
        <source>&amp;Size (columns x rows):</source>
        <translation>&amp;Größe (Spalten x Zeilen):</translation>
    </message>
    <message>
        <source>&amp;Difficulty:</source>
        <translation>&amp;Schwierigkeit:</translation>
    </message>
    <message>
        <source>&amp;Make Puzzle</source>
        <translation>Rätsel &amp;erstellen</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>size, difficulty</comment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>app::Program</name>
    <message>
        <source> The Database is corrupted - contact the author at %1 for more details</source>
        <translation>Die Rätseldatei ist beschädigt. Nähere Auskunft gibt der Autor unter %1.</translation>
    </message>
</context>
<context>
    <name>app::PuzzleChooser</name>
    <message>
        <source>%1 - Choose Puzzle</source>
        <translation>%1 - Rätsel auswählen</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Any</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Puzzles</source>
        <translation>Rätsel</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;Find puzzle:</source>
        <translation>&amp;Rätsel suchen:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Größe:</translation>
    </message>
    <message>
        <source>&amp;Difficulty:</source>
        <translation>&amp;Schwierigkeit:</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Buch</translation>
    </message>
    <message>
        <source>My Puzzles</source>
        <translation>Meine Rätsel</translation>
    </message>
    <message>
        <source>S&amp;how:</source>
        <translation>&amp;Zeigen:</translation>
    </message>
</context>
<context>
    <name>app::PuzzleCodeDialog</name>
    <message>
        <source>%1 - Open Puzzle Code</source>
        <translation>%1 - Rätselcode öffnen</translation>
    </message>
    <message>
        <source>&amp;Puzzle code (for example 1ABC-DEFG-HJK):</source>
        <translation>&amp;Rätselcode (zum Beispiel 1ABC-DEFG-HJK):</translation>
    </message>
</context>
<context>
    <name>app::PuzzleEditorDialog</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Save and Play</source>
        <translation>&amp;Speichern und spielen</translation>
    </message>
    <message>
        <source>%1 - Enter Puzzle</source>
        <translation>%1 - Rätsel eingeben</translation>
    </message>
    <message>
        <source>Half-turn s&amp;ymmetry</source>
        <translation>Punkts&amp;ymmetrie</translation>
    </message>
    <message>
        <source>Solver status</source>
        <translation>Stand der Prüfung</translation>
    </message>
    <message>
        <source>&amp;New Grid</source>
        <translation>&amp;Neues Gitter</translation>
    </message>
    <message>
        <source>&amp;Keep Draft</source>
        <translation>&amp;Entwurf behalten</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Si&amp;ze (columns x rows):</source>
        <translation>&amp;Größe (Spalten x Zeilen):</translation>
    </message>
    <message>
        <source>&amp;Across sum:</source>
        <translation>Summe &amp;waagerecht:</translation>
    </message>
    <message>
        <source>&amp;Down sum:</source>
        <translation>Summe sen&amp;krecht:</translation>
    </message>
    <message>
        <source>Arrow keys or a click choose a cell; Space, a right click or a double click makes it a block or an entry cell. Type a block&apos;s sums in the boxes and press Enter.</source>
        <translation>Pfeiltasten oder ein Klick wählen eine Zelle; die Leertaste, ein Rechtsklick oder ein Doppelklick macht sie zum Block oder zur Eingabezelle. Die Summen eines Blocks in die Felder tippen und die Eingabetaste drücken.</translation>
    </message>
    <message>
        <source>Continue the puzzle you kept as a draft?</source>
        <translation>Das als Entwurf behaltene Rätsel fortsetzen?</translation>
    </message>
    <message>
        <source>%1 - Alert</source>
        <translation>%1 - Achtung</translation>
    </message>
    <message>
        <source>The draft in %1 could not be read. It is left as it is.</source>
        <translation>Der Entwurf in %1 konnte nicht gelesen werden. Er bleibt unverändert.</translation>
    </message>
    <message>
        <source>The draft could not be kept in %1: %2</source>
        <translation>Der Entwurf konnte nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>The draft is kept. Enter Puzzle offers it back next time.</source>
        <translation>Der Entwurf ist behalten. „Rätsel eingeben“ bietet ihn beim nächsten Mal wieder an.</translation>
    </message>
    <message>
        <source>Keep the unfinished puzzle as a draft?</source>
        <translation>Das unfertige Rätsel als Entwurf behalten?</translation>
    </message>
</context>
<context>
    <name>game::Game</name>
    <message>
        <source>The saved game %1 could not be read: %2. The puzzle starts without it.</source>
        <translation>Das gespeicherte Spiel %1 konnte nicht gelesen werden: %2. Das Rätsel beginnt ohne es.</translation>
    </message>
    <message>
        <source>Your progress on puzzle %1 was not saved: its saved game %2 could not be read, so it was left as it is.</source>
        <translation>Ihr Fortschritt bei Rätsel %1 wurde nicht gespeichert: Sein gespeichertes Spiel %2 konnte nicht gelesen werden und blieb daher unverändert.</translation>
    </message>
</context>
<context>
    <name>game::Hint</name>
    <message>
        <source>Every way to fill %1 with the digits its empty cells allow uses %2, and no other empty cell of it can take %2.</source>
        <translation>Jede Möglichkeit, %1 mit den Ziffern zu füllen, die seine leeren Zellen zulassen, verwendet die %2, und keine andere leere Zelle davon kann die %2 aufnehmen.</translation>
    </message>
    <message>
        <source>Every way to fill %1 with the digits its empty cells allow puts %2 in %3.</source>
        <translation>Jede Möglichkeit, %1 mit den Ziffern zu füllen, die seine leeren Zellen zulassen, setzt %2 in %3.</translation>
    </message>
    <message>
        <source>No way to fill %1 with the digits its empty cells allow puts %2 in %3.</source>
        <translation>Keine Möglichkeit, %1 mit den Ziffern zu füllen, die seine leeren Zellen zulassen, setzt %2 in %3.</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4 meet at four cells, so they are filled together.</source>
        <translation>%1, %2, %3 und %4 treffen sich in vier Zellen, also werden sie zusammen gefüllt.</translation>
    </message>
    <message>
        <source>Every way to fill all four with the digits their cells allow puts %1 in %2.</source>
        <translation>Jede Möglichkeit, alle vier mit den Ziffern zu füllen, die ihre Zellen zulassen, setzt %1 in %2.</translation>
    </message>
    <message>
        <source>No way to fill all four with the digits their cells allow puts %1 in %2.</source>
        <translation>Keine Möglichkeit, alle vier mit den Ziffern zu füllen, die ihre Zellen zulassen, setzt %1 in %2.</translation>
    </message>
    <message>
        <source>Suppose %1 were %2: following its runs from there leaves a run that cannot be filled.</source>
        <translation>Angenommen, in %1 stünde %2: Folgt man von dort den Blöcken dieser Zelle, bleibt ein Block, der sich nicht füllen lässt.</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>across %1</source>
        <translation>waagerecht %1</translation>
    </message>
    <message>
        <source>down %1</source>
        <translation>senkrecht %1</translation>
    </message>
    <message>
        <source>across %1 at %2</source>
        <translation>waagerecht %1 ab %2</translation>
    </message>
    <message>
        <source>down %1 at %2</source>
        <translation>senkrecht %1 ab %2</translation>
    </message>
    <message>
        <source>two</source>
        <translation>zwei</translation>
    </message>
    <message>
        <source>three</source>
        <translation>drei</translation>
    </message>
    <message>
        <source>four</source>
        <translation>vier</translation>
    </message>
    <message>
        <source>five</source>
        <translation>fünf</translation>
    </message>
    <message>
        <source>six</source>
        <translation>sechs</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>sieben</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>acht</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>neun</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>So %1 is %2.</source>
        <translation>Also steht in %1 die %2.</translation>
    </message>
    <message>
        <source>So %1 cannot be %2.</source>
        <translation>Also kann in %1 keine %2 stehen.</translation>
    </message>
    <message>
        <source>%1 in %2 cells can only be %3.</source>
        <translation>%1 in %2 Zellen kann nur %3 sein.</translation>
    </message>
    <message>
        <source>%1 needs %2 more in %3 empty cells, which can only be %4.</source>
        <translation>%1 braucht noch %2 in %3 leeren Zellen, und das geht nur als %4.</translation>
    </message>
    <message>
        <source>%1 in %2 cells is %3.</source>
        <translation>%1 in %2 Zellen ist %3.</translation>
    </message>
    <message>
        <source>%1 needs %2 more in %3 empty cells: %4.</source>
        <translation>%1 braucht noch %2 in %3 leeren Zellen: %4.</translation>
    </message>
    <message>
        <source>%1 in %2 cells can only use %3.</source>
        <translation>%1 in %2 Zellen kann nur %3 verwenden.</translation>
    </message>
    <message>
        <source>%1 needs %2 more in %3 empty cells, which can only use %4.</source>
        <translation>%1 braucht noch %2 in %3 leeren Zellen, die nur %4 verwenden können.</translation>
    </message>
    <message>
        <source>%1 has only %2 left empty and needs %3 more, so that cell is %3.</source>
        <translation>In %1 ist nur noch %2 leer, und es fehlen noch %3, also steht dort die %3.</translation>
    </message>
    <message>
        <source>%1 already has %2.</source>
        <translation>%1 enthält schon %2.</translation>
    </message>
    <message>
        <source>Of the digits marked in %1, only %2 is left, so that cell is %2.</source>
        <translation>Von den in %1 notierten Ziffern bleibt nur die %2, also steht dort die %2.</translation>
    </message>
    <message>
        <source>Your marks in row %1, column %2 leave out a digit that belongs there.</source>
        <translation>Ihre Notizen in Zeile %1, Spalte %2 lassen eine Ziffer aus, die dorthin gehört.</translation>
    </message>
    <message>
        <source>Your marks in row %1, column %2 leave only %3, so that cell is %3.</source>
        <translation>Ihre Notizen in Zeile %1, Spalte %2 lassen nur die %3 übrig, also steht dort die %3.</translation>
    </message>
    <message>
        <source>The empty cells of %1 must make %2, and its other empty cells can only hold %3.</source>
        <translation>Die leeren Zellen von %1 müssen zusammen %2 ergeben, und seine übrigen leeren Zellen können nur %3 aufnehmen.</translation>
    </message>
    <message>
        <source>Only %1 in %2 leaves them a way to make the rest, so that cell is %1.</source>
        <translation>Nur mit %1 in %2 lässt sich der Rest noch bilden, also steht dort die %1.</translation>
    </message>
    <message>
        <source>%1 in %2 would leave them no way to make the rest, so that cell cannot be %1.</source>
        <translation>Mit %1 in %2 ließe sich der Rest nicht mehr bilden, also kann dort keine %1 stehen.</translation>
    </message>
    <message>
        <source>%1 must use %2, and only %3 and %4 can take them, so those two cells hold nothing else.</source>
        <translation>%1 muss %2 verwenden, und nur %3 und %4 können sie aufnehmen, also steht in diesen beiden Zellen nichts anderes.</translation>
    </message>
    <message>
        <source>In %1, %2 and %3 can only hold %4 between them, so no other cell of %1 can.</source>
        <translation>In %1 können %2 und %3 zusammen nur %4 aufnehmen, also kann keine andere Zelle von %1 diese Ziffern haben.</translation>
    </message>
    <message>
        <source>%1 must use %2, and only the cells %3 can take them, so those cells hold nothing else.</source>
        <translation>%1 muss %2 verwenden, und nur die Zellen %3 können sie aufnehmen, also steht in diesen Zellen nichts anderes.</translation>
    </message>
    <message>
        <source>In %1, the cells %2 can only hold %3 between them, so no other cell of %1 can.</source>
        <translation>In %1 können die Zellen %2 zusammen nur %3 aufnehmen, also kann keine andere Zelle von %1 diese Ziffern haben.</translation>
    </message>
    <message>
        <source>The clues of the runs crossing %1 add up to %2.</source>
        <translation>Die Summen der Blöcke, die %1 kreuzen, ergeben zusammen %2.</translation>
    </message>
    <message>
        <source>The clues of %1 add up to %2, and the clues of the runs crossing them add up to %3.</source>
        <translation>Die Summen von %1 ergeben zusammen %2, und die Summen der Blöcke, die sie kreuzen, ergeben zusammen %3.</translation>
    </message>
    <message>
        <source>The cells in only one of these groups must make up the difference, with the digits written, so %1 is %2.</source>
        <translation>Die Zellen, die nur zu einer dieser Gruppen gehören, müssen samt den eingetragenen Ziffern den Unterschied ausmachen, also steht in %1 die %2.</translation>
    </message>
    <message>
        <source>The cells in only one of these groups must make up the difference, with the digits written, so %1 cannot be %2.</source>
        <translation>Die Zellen, die nur zu einer dieser Gruppen gehören, müssen samt den eingetragenen Ziffern den Unterschied ausmachen, also kann in %1 keine %2 stehen.</translation>
    </message>
    <message>
        <source>The %1 in row %2, column %3 is wrong.</source>
        <translation>Die %1 in Zeile %2, Spalte %3 ist falsch.</translation>
    </message>
    <message>
        <source>No step can be found by reasoning from here.</source>
        <translation>Von hier aus lässt sich durch Überlegen kein Schritt finden.</translation>
    </message>
</context>
<context>
    <name>game::LayoutCheck</name>
    <message>
        <source>Still checking…</source>
        <translation>Wird noch geprüft…</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Wird geprüft…</translation>
    </message>
    <message>
        <source>No runs yet: make some cells entry cells.</source>
        <translation>Noch keine Summenfelder: Machen Sie einige Zellen zu Eingabezellen.</translation>
    </message>
    <message>
        <source>1 run still needs a sum.</source>
        <translation>Einem Summenfeld fehlt noch die Summe.</translation>
    </message>
    <message>
        <source>%1 runs still need a sum.</source>
        <translation>%1 Summenfeldern fehlt noch die Summe.</translation>
    </message>
    <message>
        <source>No solution: a run is longer than 9 cells.</source>
        <translation>Keine Lösung: Ein Summenfeld ist länger als 9 Zellen.</translation>
    </message>
    <message>
        <source>No solution</source>
        <translation>Keine Lösung</translation>
    </message>
    <message>
        <source>More than one solution</source>
        <translation>Mehr als eine Lösung</translation>
    </message>
    <message>
        <source>Unique: %1 (%2)</source>
        <comment>difficulty (hardest technique)</comment>
        <translation>Eindeutig: %1 (%2)</translation>
    </message>
    <message>
        <source>Unique, but needs a guess</source>
        <translation>Eindeutig, aber nur mit Raten lösbar</translation>
    </message>
    <message>
        <source>Not decided: too many possibilities to search. Add blocks or sums.</source>
        <translation>Nicht entschieden: zu viele Möglichkeiten. Fügen Sie Blöcke oder Summen hinzu.</translation>
    </message>
</context>
<context>
    <name>game::MyPuzzles</name>
    <message>
        <source>not a file</source>
        <translation>keine Datei</translation>
    </message>
    <message>
        <source>too large for a puzzle book</source>
        <translation>zu groß für ein Rätselbuch</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>beschädigt</translation>
    </message>
    <message>
        <source>Your puzzles in %1 could not be read (%2). The file is kept as it is; new puzzles cannot be added to it until it is repaired or moved away.</source>
        <translation>Ihre Rätsel in %1 konnten nicht gelesen werden (%2). Die Datei bleibt unverändert; neue Rätsel können erst hinzugefügt werden, wenn sie repariert oder entfernt ist.</translation>
    </message>
    <message>
        <source>The puzzle could not be added to your puzzles in %1: %2</source>
        <translation>Das Rätsel konnte nicht zu Ihren Rätseln in %1 hinzugefügt werden: %2</translation>
    </message>
    <message>
        <source>the file is damaged and is kept as it is.</source>
        <translation>Die Datei ist beschädigt und bleibt unverändert.</translation>
    </message>
    <message>
        <source>it holds as many puzzles as a book can.</source>
        <translation>Sie enthält schon so viele Rätsel, wie ein Buch fassen kann.</translation>
    </message>
    <message>
        <source>the folder %1 could not be created.</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden.</translation>
    </message>
</context>
<context>
    <name>app::PuzzleCodeLine</name>
    <message>
        <source>Copy Code</source>
        <translation>Code kopieren</translation>
    </message>
    <message>
        <source>Puzzle code: %1</source>
        <translation>Rätselcode: %1</translation>
    </message>
</context>
<context>
    <name>game::PuzzleEditor</name>
    <message>
        <source>Sums go into blocks only.</source>
        <translation>Summen gehören nur in Blöcke.</translation>
    </message>
    <message>
        <source>No run starts to the right of this block.</source>
        <translation>Rechts von diesem Block beginnt kein Summenfeld.</translation>
    </message>
    <message>
        <source>No run starts below this block.</source>
        <translation>Unter diesem Block beginnt kein Summenfeld.</translation>
    </message>
    <message>
        <source>A run of %1 cells is too long: it cannot hold distinct digits.</source>
        <translation>Ein Summenfeld aus %1 Zellen ist zu lang: Es kann keine verschiedenen Ziffern aufnehmen.</translation>
    </message>
    <message>
        <source>A run of %1 cells can only add up to %2 to %3.</source>
        <translation>Ein Summenfeld aus %1 Zellen ergibt nur %2 bis %3.</translation>
    </message>
</context>
<context>
    <name>game::PuzzleListModel</name>
    <message>
        <source>grading…</source>
        <translation>wird bewertet…</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>difficulty (hardest technique)</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Puzzle</source>
        <translation>Rätsel</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Schwierigkeit</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Bestzeit</translation>
    </message>
    <message>
        <source>Saved game</source>
        <translation>Gespeichert</translation>
    </message>
    <message>
        <source>%1x%2</source>
        <comment>width x height</comment>
        <translation>%1x%2</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experte</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Meister</translation>
    </message>
    <message>
        <source>Guessing</source>
        <translation>Raten</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n hints)</source>
        <comment>a best time helped by hints</comment>
        <translation>
            <numerusform>%1 (%n Hinweis)</numerusform>
            <numerusform>%1 (%n Hinweise)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (1 hint)</source>
        <comment>a best time helped by one hint</comment>
        <translation>%1 (1 Hinweis)</translation>
    </message>
</context>
<context>
    <name>app::ScoreDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Time Played : </source>
        <translation>Spielzeit: </translation>
    </message>
    <message>
        <source>Enter Your Name : </source>
        <translation>Ihr Name: </translation>
    </message>
    <message>
        <source>Time Played : %1</source>
        <translation>Spielzeit: %1</translation>
    </message>
</context>
<context>
    <name>app::StatisticsDialog</name>
    <message>
        <source>%1 - Top 3 performance</source>
        <translation>%1 - Die drei Besten</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Daten löschen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1 (1 hint)</source>
        <comment>a best time helped by one hint</comment>
        <translation>%1 (1 Hinweis)</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n hints)</source>
        <comment>a best time helped by hints</comment>
        <translation>
            <numerusform>%1 (%n Hinweis)</numerusform>
            <numerusform>%1 (%n Hinweise)</numerusform>
        </translation>
    </message>
    <message>
        <source>No best times yet.</source>
        <translation>Noch keine Bestzeiten.</translation>
    </message>
    <message>
        <source>%1. %2, %3</source>
        <comment>rank, name, time</comment>
        <translation>%1. %2, %3</translation>
    </message>
</context>
<context>
    <name>kakuro</name>
    <message>
        <source>combinations</source>
        <translation>Kombinationen</translation>
    </message>
    <message>
        <source>hidden single</source>
        <translation>versteckter Einer</translation>
    </message>
    <message>
        <source>remainder</source>
        <translation>Rest</translation>
    </message>
    <message>
        <source>pairs</source>
        <translation>Paare</translation>
    </message>
    <message>
        <source>triples and quads</source>
        <translation>Dreier und Vierer</translation>
    </message>
    <message>
        <source>run consistency</source>
        <translation>Blockabgleich</translation>
    </message>
    <message>
        <source>crossing runs</source>
        <translation>kreuzende Blöcke</translation>
    </message>
    <message>
        <source>region sums</source>
        <translation>Bereichssummen</translation>
    </message>
    <message>
        <source>short contradiction</source>
        <translation>kurzer Widerspruch</translation>
    </message>
</context>
<context>
    <name>print::PagePrinter</name>
    <message>
        <source>The size of the answer digits must be from 1 to %1 points, so that it fits on the page.</source>
        <translation>Die Größe der Lösungsziffern muss zwischen 1 und %1 Punkt liegen, damit sie auf die Seite passt.</translation>
    </message>
    <message>
        <source>The size of the sums must be from 1 to %1 points, so that it fits on the page.</source>
        <translation>Die Größe der Summen muss zwischen 1 und %1 Punkt liegen, damit sie auf die Seite passt.</translation>
    </message>
    <message>
        <source>The Copyright Font Size must be from 1 to %1 points, so that it fits on the page.</source>
        <translation>Die Copyright-Schriftgröße muss zwischen 1 und %1 Punkt liegen, damit sie auf die Seite passt.</translation>
    </message>
    <message>
        <source>The Cell Size must be from 1 to %1 printer pixels, so that a cell fits on the page.</source>
        <translation>Die Zellgröße muss zwischen 1 und %1 Druckerpixeln liegen, damit eine Zelle auf die Seite passt.</translation>
    </message>
    <message>
        <source>The Line Size must be from 0 to %1 printer pixels, no wider than a cell.</source>
        <translation>Die Linienstärke muss zwischen 0 und %1 Druckerpixeln liegen, also nicht breiter als eine Zelle sein.</translation>
    </message>
    <message>
        <source>Could not start Printing ..</source>
        <translation>Der Druck konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Could not start a New page ..</source>
        <translation>Es konnte keine neue Seite begonnen werden.</translation>
    </message>
</context>
<context>
    <name>print::PageTarget</name>
    <message>
        <source>The page could not be handed to the printer, so nothing was printed.</source>
        <translation>Die Seite konnte nicht an den Drucker übergeben werden, daher wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>The PDF file could not be written:
%1</source>
        <translation>Die PDF-Datei konnte nicht geschrieben werden:
%1</translation>
    </message>
</context>
<context>
    <name>print::PrintDialog</name>
    <message>
        <source>The printing  may not work perfectly. I give this to you in the hope that it will be useful to some of you. Print it on a rough paper and find the right settings for you. You can manipulate disable Answer Numbers show to print a puzzle, and enable it to print a solution.  If you have many printers, the game will print on default printer directly</source>
        <translation>Das Drucken klappt vielleicht nicht auf Anhieb. Ich gebe es Ihnen in der Hoffnung, dass es dem einen oder anderen nützt. Drucken Sie erst auf Schmierpapier und suchen Sie die Einstellungen, die zu Ihnen passen. Schalten Sie „Lösungsziffern“ aus, um ein Rätsel zu drucken, und ein, um eine Lösung zu drucken. Bei mehreren Druckern druckt das Spiel direkt auf dem Standarddrucker.</translation>
    </message>
    <message>
        <source>%1, a Kakuro puzzle from %2</source>
        <comment>the printed footer: title, maker</comment>
        <translation>%1, ein Kakuro-Rätsel von %2</translation>
    </message>
    <message>
        <source>Answer Digits</source>
        <translation>Lösungsziffern</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>Schriftfarbe</translation>
    </message>
    <message>
        <source>Cell Color</source>
        <translation>Zellfarbe</translation>
    </message>
    <message>
        <source>Tally (or) Sum</source>
        <translation>Summen</translation>
    </message>
    <message>
        <source>Cell Col</source>
        <translation>Zellfarbe</translation>
    </message>
    <message>
        <source>Line Size</source>
        <translation>Linienstärke</translation>
    </message>
    <message>
        <source>Cell Size</source>
        <translation>Zellgröße</translation>
    </message>
    <message>
        <source>Copyright Font Size</source>
        <translation>Copyright-Schriftgröße</translation>
    </message>
    <message>
        <source>&amp;Print Now</source>
        <translation>&amp;Jetzt drucken</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Als P&amp;DF speichern...</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>%1 - Print Solution</source>
        <translation>%1 - Lösung drucken</translation>
    </message>
    <message>
        <source>No printer is installed, so the page cannot be printed.
Would you like to save it as a PDF file instead?</source>
        <translation>Es ist kein Drucker eingerichtet, daher kann die Seite nicht gedruckt werden.
Möchten Sie sie stattdessen als PDF-Datei speichern?</translation>
    </message>
    <message>
        <source>%1 - Alert</source>
        <translation>%1 - Achtung</translation>
    </message>
    <message>
        <source>Save the page as PDF</source>
        <translation>Seite als PDF speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Answer digit size</source>
        <translation>Größe der Lösungsziffern</translation>
    </message>
    <message>
        <source>Answer digit colour</source>
        <translation>Farbe der Lösungsziffern</translation>
    </message>
    <message>
        <source>Answer cell colour</source>
        <translation>Farbe der Lösungszellen</translation>
    </message>
    <message>
        <source>Sum size</source>
        <translation>Größe der Summen</translation>
    </message>
    <message>
        <source>Sum colour</source>
        <translation>Farbe der Summen</translation>
    </message>
    <message>
        <source>Clue cell colour</source>
        <translation>Farbe der Summenzellen</translation>
    </message>
    <message>
        <source>Copyright colour</source>
        <translation>Copyright-Farbe</translation>
    </message>
    <message>
        <source>Copyright text</source>
        <translation>Copyright-Text</translation>
    </message>
</context>
<context>
    <name>puzzle::SavedGame</name>
    <message>
        <source>The game could not be saved to %1: %2</source>
        <translation>Das Spiel konnte nicht unter %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>the folder %1 could not be created.</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>the link there could not be replaced.</source>
        <translation>die Verknüpfung dort konnte nicht ersetzt werden.</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>es ist keine Datei</translation>
    </message>
    <message>
        <source>it is larger than any saved game</source>
        <translation>es ist größer als jedes gespeicherte Spiel</translation>
    </message>
</context>
<context>
    <name>help::AboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>%1 is a Kakuro game from %2.

Fill each run of white cells with the digits 1 to 9 so that they add up to the clue beside the run, never using a digit twice in the same run.

Every puzzle has exactly one solution, and it can be reached by reasoning alone.

%1 is free software: you may share and change it under the GNU General Public License, version 3 or any later version. It comes with no warranty.</source>
        <translation>%1 ist ein Kakuro-Spiel von %2.

Füllen Sie jeden Block weißer Zellen so mit den Ziffern 1 bis 9, dass ihre Summe die Zahl neben dem Block ergibt. Keine Ziffer darf in einem Block zweimal vorkommen.

Jedes Rätsel hat genau eine Lösung, und sie lässt sich allein durch Nachdenken finden.

%1 ist freie Software: Sie dürfen es unter der GNU General Public License, Version 3 oder einer späteren Version, weitergeben und verändern. Es wird ohne jede Gewährleistung geliefert.</translation>
    </message>
    <message>
        <source>Click Here for more free puzzles &amp; Games</source>
        <translation>Hier klicken für weitere kostenlose Rätsel &amp; Spiele</translation>
    </message>
    <message>
        <source>Copyright © %1, GPL-3.0-or-later</source>
        <translation>Copyright © %1, GPL-3.0-or-later</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1 icon</source>
        <translation>%1-Symbol</translation>
    </message>
</context>
<context>
    <name>help::WelcomeDialog</name>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>More Puzzles</source>
        <translation>Weitere Rätsel</translation>
    </message>
    <message>
        <source>Click here for more puzzles</source>
        <translation>Hier klicken für weitere Rätsel</translation>
    </message>
    <message>
        <source>%1 logo</source>
        <translation>%1-Logo</translation>
    </message>
</context>
<context>
    <name>store::Settings</name>
    <message>
        <source> Error Failerd</source>
        <translation>Fehler: Die Einstellungen ließen sich nicht lesen oder speichern.</translation>
    </message>
</context>
<context>
    <name>view::BoardAccessibility</name>
    <message>
        <source>%1 in pen</source>
        <translation>%1 mit Füller</translation>
    </message>
    <message>
        <source>%1 in pencil</source>
        <translation>%1 mit Bleistift</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>%1, marked wrong</source>
        <translation>%1, als falsch markiert</translation>
    </message>
    <message>
        <source>%1, marks %2</source>
        <translation>%1, Notizen %2</translation>
    </message>
    <message>
        <source>Board, paused</source>
        <translation>Spielfeld, pausiert</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>across %1, down %2</source>
        <translation>waagerecht %1, senkrecht %2</translation>
    </message>
    <message>
        <source>across %1</source>
        <translation>waagerecht %1</translation>
    </message>
    <message>
        <source>down %1</source>
        <translation>senkrecht %1</translation>
    </message>
    <message>
        <source>block</source>
        <translation>Sperrzelle</translation>
    </message>
    <message>
        <source>across %1 in %2, down %3 in %4</source>
        <translation>waagerecht %1 in %2, senkrecht %3 in %4</translation>
    </message>
    <message>
        <source>across %1 in %2</source>
        <translation>waagerecht %1 in %2</translation>
    </message>
    <message>
        <source>down %1 in %2</source>
        <translation>senkrecht %1 in %2</translation>
    </message>
    <message>
        <source>%1, conflict</source>
        <translation>%1, Widerspruch</translation>
    </message>
    <message>
        <source>%1, solution %2</source>
        <translation>%1, Lösung %2</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>1 wrong digit, marked</source>
        <translation>1 falsche Ziffer, markiert</translation>
    </message>
    <message numerus="yes">
        <source>%n wrong digits, marked</source>
        <translation>
            <numerusform>%n falsche Ziffer, markiert</numerusform>
            <numerusform>%n falsche Ziffern, markiert</numerusform>
        </translation>
    </message>
    <message>
        <source>Puzzle %1, %2 by %3</source>
        <translation>Rätsel %1, %2 mal %3</translation>
    </message>
</context>
<context>
    <name>view::BoardView</name>
    <message>
        <source>Paused</source>
        <translation>Pausiert</translation>
    </message>
</context>
<context>
    <name>view::HintPanel</name>
    <message>
        <source>%1 - Hint</source>
        <translation>%1 - Hinweis</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Anwenden</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>view::CombinationWindow</name>
    <message>
        <source>%1 - Combinations</source>
        <translation>%1 - Kombinationen</translation>
    </message>
    <message>
        <source>Select a cell.</source>
        <translation>Wählen Sie eine Zelle.</translation>
    </message>
    <message numerus="yes">
        <source>Across %1 in %n cells</source>
        <translation>
            <numerusform>Waagerecht %1 in %n Zelle</numerusform>
            <numerusform>Waagerecht %1 in %n Zellen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Down %1 in %n cells</source>
        <translation>
            <numerusform>Senkrecht %1 in %n Zelle</numerusform>
            <numerusform>Senkrecht %1 in %n Zellen</numerusform>
        </translation>
    </message>
    <message>
        <source>This cell can take %1.</source>
        <translation>In diese Zelle passen: %1.</translation>
    </message>
    <message>
        <source>No digit fits this cell.</source>
        <translation>Keine Ziffer passt in diese Zelle.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>%1: %2; ruled out: %3.</source>
        <translation>%1: %2; ausgeschlossen: %3.</translation>
    </message>
</context>
</TS>
