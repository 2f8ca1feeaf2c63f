<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>app::EditorBoard</name>
    <message>
        <source>Puzzle grid</source>
        <translation>Grille de la partie</translation>
    </message>
</context>
<context>
    <name>app::GenerationDialog</name>
    <message>
        <source>%1 - New Puzzle</source>
        <translation>%1 - Nouvelle grille</translation>
    </message>
    <message>
        <source>Making the puzzle: %1</source>
        <translation>Création de la grille : %1</translation>
    </message>
    <message>
        <source>Making the puzzle</source>
        <translation>Création de la grille</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>app::MainToolbar</name>
    <message>
        <source>Prev</source>
        <translation>Préc.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suiv.</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Rejouer</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Crayon</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Stylo</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Notes</translation>
    </message>
</context>
<context>
    <name>app::MainWindow</name>
    <message>
        <source>Colours</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Classique</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>High Contrast</source>
        <translation>Contraste élevé</translation>
    </message>
    <message>
        <source>Type a puzzle number and press Enter</source>
        <translation>Tapez un numéro de grille et appuyez sur Entrée</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Gomme</translation>
    </message>
    <message>
        <source>No tool</source>
        <translation>Aucun outil</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>%1 - Alert</source>
        <translation>%1 - Alerte</translation>
    </message>
    <message>
        <source>Are you sure to change the puzzle?</source>
        <translation>Voulez-vous vraiment changer de grille ?</translation>
    </message>
    <message>
        <source>Great work - There are no mistakes. Continue...</source>
        <translation>Beau travail - Aucune erreur. Continuez...</translation>
    </message>
    <message>
        <source>Puzzle:%1 - Time Played: %2 - %3 : %4</source>
        <comment>puzzle number, time played, title, maker</comment>
        <translation>Grille : %1 - Temps de jeu : %2 - %3 : %4</translation>
    </message>
    <message>
        <source>Wow! Puzzle Successfully Completed</source>
        <translation>Bravo ! Grille résolue avec succès</translation>
    </message>
    <message>
        <source>%1 - Congradz!</source>
        <translation>%1 - Félicitations !</translation>
    </message>
    <message>
        <source>Are you sure to RESTART puzzle?</source>
        <translation>Voulez-vous vraiment RECOMMENCER la grille ?</translation>
    </message>
    <message>
        <source>Puzzle number</source>
        <translation>Numéro de grille</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Courantes</translation>
    </message>
    <message>
        <source>Fit Board to Window</source>
        <translation>Ajuster la grille à la fenêtre</translation>
    </message>
    <message>
        <source>Main toolbar</source>
        <translation>Barre d’outils principale</translation>
    </message>
    <message>
        <source>Number tools</source>
        <translation>Outils chiffres</translation>
    </message>
    <message>
        <source>The saved game %1 could not be read. Replace it with this board?</source>
        <translation>La partie enregistrée %1 n'a pas pu être lue. La remplacer par cette grille ?</translation>
    </message>
    <message>
        <source>My Puzzle:%1 - Time Played: %2 - %3 : %4</source>
        <comment>number of the player&apos;s own puzzle, time played, title, maker</comment>
        <translation>Ma grille %1 - Temps de jeu : %2 - %3 : %4</translation>
    </message>
    <message>
        <source>A puzzle code holds only letters and digits, like 1ABC-DEFG-HJK.</source>
        <translation>Un code de grille ne contient que des lettres et des chiffres, par exemple 1ABC-DEFG-HJK.</translation>
    </message>
    <message>
        <source>This puzzle code has a mistake: a character is typed wrong, or one is missing or one too many. Please check it.</source>
        <translation>Ce code de grille contient une erreur : un caractère est faux, manquant ou en trop. Veuillez le vérifier.</translation>
    </message>
    <message>
        <source>This puzzle code comes from another version of the puzzle maker (version %1). This copy of %2 makes puzzles of version %3 only.</source>
        <translation>Ce code de grille vient d&apos;une autre version du générateur (version %1). Cet exemplaire de %2 ne crée que des grilles de la version %3.</translation>
    </message>
    <message>
        <source>This puzzle code names no puzzle that can be made.</source>
        <translation>Aucune grille ne peut être créée à partir de ce code.</translation>
    </message>
    <message>
        <source>No puzzle of this size and difficulty could be made. Try a larger size or an easier difficulty.</source>
        <translation>Aucune grille de cette taille et de cette difficulté n&apos;a pu être créée. Essayez une taille plus grande ou une difficulté plus facile.</translation>
    </message>
</context>
<context>
    <name>app::Menu</name>
    <message>
        <source>Game</source>
        <translation>Partie</translation>
    </message>
    <message>
        <source>Next game</source>
        <translation>Partie suivante</translation>
    </message>
    <message>
        <source>Previous Game</source>
        <translation>Partie précédente</translation>
    </message>
    <message>
        <source>Restart Game</source>
        <translation>Recommencer la partie</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Enregistrer la partie</translation>
    </message>
    <message>
        <source>Keep My Progress</source>
        <translation>Conserver ma progression</translation>
    </message>
    <message>
        <source>Choose Puzzle...</source>
        <translation>Choisir une grille...</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Print Game</source>
        <translation>Imprimer la partie</translation>
    </message>
    <message>
        <source>More Puzzles</source>
        <translation>Plus de grilles</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Solving</source>
        <translation>Résolution</translation>
    </message>
    <message>
        <source>Use pen</source>
        <translation>Écrire au stylo</translation>
    </message>
    <message>
        <source>Use Pencil</source>
        <translation>Écrire au crayon</translation>
    </message>
    <message>
        <source>Check All</source>
        <translation>Tout vérifier</translation>
    </message>
    <message>
        <source>Zoom In +</source>
        <translation>Zoom avant +</translation>
    </message>
    <message>
        <source>Zoom Out -</source>
        <translation>Zoom arrière -</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Use Candidates</source>
        <translation>Noter les candidats</translation>
    </message>
    <message>
        <source>Fill Candidates</source>
        <translation>Remplir les candidats</translation>
    </message>
    <message>
        <source>Clear Candidates</source>
        <translation>Effacer les candidats</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Apply Hint</source>
        <translation>Appliquer l’indice</translation>
    </message>
    <message>
        <source>Combinations</source>
        <translation>Combinaisons</translation>
    </message>
    <message>
        <source>Show Conflicts</source>
        <translation>Afficher les conflits</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Comment jouer</translation>
    </message>
    <message>
        <source>Korvel Website</source>
        <translation>Site web de Korvel</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Remove Marks of Placed Digits</source>
        <translation>Retirer les notes des chiffres placés</translation>
    </message>
    <message>
        <source>Show Solution</source>
        <translation>Afficher la solution</translation>
    </message>
    <message>
        <source>New Puzzle...</source>
        <translation>Nouvelle grille...</translation>
    </message>
    <message>
        <source>Open Puzzle Code...</source>
        <translation>Ouvrir un code de grille...</translation>
    </message>
    <message>
        <source>Enter Puzzle...</source>
        <translation>Saisir une grille...</translation>
    </message>
</context>
<context>
    <name>app::NewPuzzleDialog</name>
    <message>
        <source>%1 - New Puzzle</source>
        <translation>%1 - Nouvelle grille</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Colonnes</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Lignes</translation>
    </message>
    <message>
        <source>&amp;Size (columns x rows):</source>
        <translation>&amp;Taille (colonnes x lignes) :</translation>
    </message>
    <message>
        <source>&amp;Difficulty:</source>
        <translation>&amp;Difficulté :</translation>
    </message>
    <message>
        <source>&amp;Make Puzzle</source>
        <translation>&amp;Créer la grille</translation>
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
        <translation> La base de données est endommagée - pour en savoir plus, écrivez à l’auteur à l’adresse %1</translation>
    </message>
</context>
<context>
    <name>app::PuzzleChooser</name>
    <message>
        <source>%1 - Choose Puzzle</source>
        <translation>%1 - Choisir une grille</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Any</source>
        <translation>Toutes</translation>
    </message>
    <message>
        <source>Puzzles</source>
        <translation>Grilles</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&amp;Find puzzle:</source>
        <translation>&amp;Aller à la grille :</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Taille :</translation>
    </message>
    <message>
        <source>&amp;Difficulty:</source>
        <translation>&amp;Difficulté :</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Livre</translation>
    </message>
    <message>
        <source>My Puzzles</source>
        <translation>Mes grilles</translation>
    </message>
    <message>
        <source>S&amp;how:</source>
        <translation>Affic&amp;her :</translation>
    </message>
</context>
<context>
    <name>app::PuzzleCodeDialog</name>
    <message>
        <source>%1 - Open Puzzle Code</source>
        <translation>%1 - Ouvrir un code de grille</translation>
    </message>
    <message>
        <source>&amp;Puzzle code (for example 1ABC-DEFG-HJK):</source>
        <translation>&amp;Code de grille (par exemple 1ABC-DEFG-HJK) :</translation>
    </message>
</context>
<context>
    <name>app::PuzzleEditorDialog</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Save and Play</source>
        <translation>&amp;Enregistrer et jouer</translation>
    </message>
    <message>
        <source>%1 - Enter Puzzle</source>
        <translation>%1 - Saisir une grille</translation>
    </message>
    <message>
        <source>Half-turn s&amp;ymmetry</source>
        <translation>S&amp;ymétrie centrale</translation>
    </message>
    <message>
        <source>Solver status</source>
        <translation>État de la vérification</translation>
    </message>
    <message>
        <source>&amp;New Grid</source>
        <translation>&amp;Nouvelle grille vide</translation>
    </message>
    <message>
        <source>&amp;Keep Draft</source>
        <translation>&amp;Garder le brouillon</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Si&amp;ze (columns x rows):</source>
        <translation>&amp;Taille (colonnes x lignes) :</translation>
    </message>
    <message>
        <source>&amp;Across sum:</source>
        <translation>Somme &amp;horizontale :</translation>
    </message>
    <message>
        <source>&amp;Down sum:</source>
        <translation>Somme &amp;verticale :</translation>
    </message>
    <message>
        <source>Arrow keys or a click choose a cell; Space, a right click or a double click makes it a block or an entry cell. Type a block&apos;s sums in the boxes and press Enter.</source>
        <translation>Les flèches ou un clic choisissent une case ; la barre d&apos;espace, un clic droit ou un double clic en fait un bloc ou une case à remplir. Tapez les sommes d&apos;un bloc dans les champs et appuyez sur Entrée.</translation>
    </message>
    <message>
        <source>Continue the puzzle you kept as a draft?</source>
        <translation>Reprendre la grille gardée comme brouillon ?</translation>
    </message>
    <message>
        <source>%1 - Alert</source>
        <translation>%1 - Attention</translation>
    </message>
    <message>
        <source>The draft in %1 could not be read. It is left as it is.</source>
        <translation>Le brouillon %1 n&apos;a pas pu être lu. Il reste tel quel.</translation>
    </message>
    <message>
        <source>The draft could not be kept in %1: %2</source>
        <translation>Le brouillon n&apos;a pas pu être gardé dans %1 : %2</translation>
    </message>
    <message>
        <source>The draft is kept. Enter Puzzle offers it back next time.</source>
        <translation>Le brouillon est gardé. « Saisir une grille » le proposera la prochaine fois.</translation>
    </message>
    <message>
        <source>Keep the unfinished puzzle as a draft?</source>
        <translation>Garder la grille inachevée comme brouillon ?</translation>
    </message>
</context>
<context>
    <name>game::Game</name>
    <message>
        <source>The saved game %1 could not be read: %2. The puzzle starts without it.</source>
        <translation>La partie enregistrée %1 n'a pas pu être lue : %2. La grille commence sans elle.</translation>
    </message>
    <message>
        <source>Your progress on puzzle %1 was not saved: its saved game %2 could not be read, so it was left as it is.</source>
        <translation>Votre progression sur la grille %1 n'a pas été enregistrée : sa partie enregistrée %2 n'a pas pu être lue, elle a donc été laissée telle quelle.</translation>
    </message>
</context>
<context>
    <name>game::Hint</name>
    <message>
        <source>Every way to fill %1 with the digits its empty cells allow uses %2, and no other empty cell of it can take %2.</source>
        <translation>Toutes les façons de remplir %1 avec les chiffres qu’autorisent ses cases vides utilisent le %2, et aucune autre de ses cases vides ne peut recevoir le %2.</translation>
    </message>
    <message>
        <source>Every way to fill %1 with the digits its empty cells allow puts %2 in %3.</source>
        <translation>Toutes les façons de remplir %1 avec les chiffres qu’autorisent ses cases vides placent %2 dans %3.</translation>
    </message>
    <message>
        <source>No way to fill %1 with the digits its empty cells allow puts %2 in %3.</source>
        <translation>Aucune façon de remplir %1 avec les chiffres qu’autorisent ses cases vides ne place %2 dans %3.</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4 meet at four cells, so they are filled together.</source>
        <translation>%1, %2, %3 et %4 se croisent en quatre cases : elles se remplissent donc ensemble.</translation>
    </message>
    <message>
        <source>Every way to fill all four with the digits their cells allow puts %1 in %2.</source>
        <translation>Toutes les façons de remplir les quatre avec les chiffres qu’autorisent leurs cases placent %1 dans %2.</translation>
    </message>
    <message>
        <source>No way to fill all four with the digits their cells allow puts %1 in %2.</source>
        <translation>Aucune façon de remplir les quatre avec les chiffres qu’autorisent leurs cases ne place %1 dans %2.</translation>
    </message>
    <message>
        <source>Suppose %1 were %2: following its runs from there leaves a run that cannot be filled.</source>
        <translation>Supposons que %1 vaille %2 : en suivant ses séquences à partir de là, on aboutit à une séquence impossible à remplir.</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>la case (ligne %1, colonne %2)</translation>
    </message>
    <message>
        <source>across %1</source>
        <translation>la séquence horizontale de %1</translation>
    </message>
    <message>
        <source>down %1</source>
        <translation>la séquence verticale de %1</translation>
    </message>
    <message>
        <source>across %1 at %2</source>
        <translation>la séquence horizontale de %1 qui part de %2</translation>
    </message>
    <message>
        <source>down %1 at %2</source>
        <translation>la séquence verticale de %1 qui part de %2</translation>
    </message>
    <message>
        <source>two</source>
        <translation>deux</translation>
    </message>
    <message>
        <source>three</source>
        <translation>trois</translation>
    </message>
    <message>
        <source>four</source>
        <translation>quatre</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinq</translation>
    </message>
    <message>
        <source>six</source>
        <translation>six</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>sept</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>huit</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>neuf</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>So %1 is %2.</source>
        <translation>Donc %1 vaut %2.</translation>
    </message>
    <message>
        <source>So %1 cannot be %2.</source>
        <translation>Donc %1 ne peut pas valoir %2.</translation>
    </message>
    <message>
        <source>%1 in %2 cells can only be %3.</source>
        <translation>%1 en %2 cases ne peut être que %3.</translation>
    </message>
    <message>
        <source>%1 needs %2 more in %3 empty cells, which can only be %4.</source>
        <translation>Il manque encore %2 à %1 dans %3 cases vides, ce qui ne peut être que %4.</translation>
    </message>
    <message>
        <source>%1 in %2 cells is %3.</source>
        <translation>%1 en %2 cases s’écrit %3.</translation>
    </message>
    <message>
        <source>%1 needs %2 more in %3 empty cells: %4.</source>
        <translation>Il manque encore %2 à %1 dans %3 cases vides : %4.</translation>
    </message>
    <message>
        <source>%1 in %2 cells can only use %3.</source>
        <translation>%1 en %2 cases ne peut utiliser que %3.</translation>
    </message>
    <message>
        <source>%1 needs %2 more in %3 empty cells, which can only use %4.</source>
        <translation>Il manque encore %2 à %1 dans %3 cases vides, qui ne peuvent utiliser que %4.</translation>
    </message>
    <message>
        <source>%1 has only %2 left empty and needs %3 more, so that cell is %3.</source>
        <translation>%1 n’a plus que %2 de vide et il lui manque %3 : cette case vaut donc %3.</translation>
    </message>
    <message>
        <source>%1 already has %2.</source>
        <translation>%1 contient déjà %2.</translation>
    </message>
    <message>
        <source>Of the digits marked in %1, only %2 is left, so that cell is %2.</source>
        <translation>Des candidats notés dans %1, il ne reste que le %2, donc cette case vaut %2.</translation>
    </message>
    <message>
        <source>Your marks in row %1, column %2 leave out a digit that belongs there.</source>
        <translation>Vos candidats en ligne %1, colonne %2 omettent un chiffre qui y a sa place.</translation>
    </message>
    <message>
        <source>Your marks in row %1, column %2 leave only %3, so that cell is %3.</source>
        <translation>Vos candidats en ligne %1, colonne %2 ne laissent que le %3, donc cette case vaut %3.</translation>
    </message>
    <message>
        <source>The empty cells of %1 must make %2, and its other empty cells can only hold %3.</source>
        <translation>Les cases vides de %1 doivent totaliser %2, et ses autres cases vides ne peuvent contenir que %3.</translation>
    </message>
    <message>
        <source>Only %1 in %2 leaves them a way to make the rest, so that cell is %1.</source>
        <translation>Seul %1 dans %2 leur permet d’atteindre le reste, donc cette case vaut %1.</translation>
    </message>
    <message>
        <source>%1 in %2 would leave them no way to make the rest, so that cell cannot be %1.</source>
        <translation>Avec %1 dans %2, elles ne pourraient plus atteindre le reste, donc cette case ne peut pas valoir %1.</translation>
    </message>
    <message>
        <source>%1 must use %2, and only %3 and %4 can take them, so those two cells hold nothing else.</source>
        <translation>%1 doit utiliser %2, et seules %3 et %4 peuvent les recevoir : ces deux cases ne contiennent donc rien d’autre.</translation>
    </message>
    <message>
        <source>In %1, %2 and %3 can only hold %4 between them, so no other cell of %1 can.</source>
        <translation>Dans %1, %2 et %3 ne peuvent contenir que %4 à elles deux : aucune autre case de %1 ne peut donc les contenir.</translation>
    </message>
    <message>
        <source>%1 must use %2, and only the cells %3 can take them, so those cells hold nothing else.</source>
        <translation>%1 doit utiliser %2, et seules %3 peuvent les recevoir : ces cases ne contiennent donc rien d’autre.</translation>
    </message>
    <message>
        <source>In %1, the cells %2 can only hold %3 between them, so no other cell of %1 can.</source>
        <translation>Dans %1, %2 ne peuvent contenir que %3 à elles toutes : aucune autre case de %1 ne peut donc les contenir.</translation>
    </message>
    <message>
        <source>The clues of the runs crossing %1 add up to %2.</source>
        <translation>Les sommes des séquences qui croisent %1 totalisent %2.</translation>
    </message>
    <message>
        <source>The clues of %1 add up to %2, and the clues of the runs crossing them add up to %3.</source>
        <translation>Les sommes de %1 totalisent %2, et celles des séquences qui les croisent totalisent %3.</translation>
    </message>
    <message>
        <source>The cells in only one of these groups must make up the difference, with the digits written, so %1 is %2.</source>
        <translation>Les cases qui n’appartiennent qu’à l’un de ces groupes doivent combler la différence, compte tenu des chiffres écrits : %1 vaut donc %2.</translation>
    </message>
    <message>
        <source>The cells in only one of these groups must make up the difference, with the digits written, so %1 cannot be %2.</source>
        <translation>Les cases qui n’appartiennent qu’à l’un de ces groupes doivent combler la différence, compte tenu des chiffres écrits : %1 ne peut donc pas valoir %2.</translation>
    </message>
    <message>
        <source>The %1 in row %2, column %3 is wrong.</source>
        <translation>Le %1 en ligne %2, colonne %3 est faux.</translation>
    </message>
    <message>
        <source>No step can be found by reasoning from here.</source>
        <translation>Le raisonnement ne permet de trouver aucune étape à partir d’ici.</translation>
    </message>
</context>
<context>
    <name>game::LayoutCheck</name>
    <message>
        <source>Still checking…</source>
        <translation>Vérification en cours…</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Vérification…</translation>
    </message>
    <message>
        <source>No runs yet: make some cells entry cells.</source>
        <translation>Pas encore de suite : faites de quelques cases des cases à remplir.</translation>
    </message>
    <message>
        <source>1 run still needs a sum.</source>
        <translation>Il manque encore la somme d&apos;une suite.</translation>
    </message>
    <message>
        <source>%1 runs still need a sum.</source>
        <translation>Il manque encore la somme de %1 suites.</translation>
    </message>
    <message>
        <source>No solution: a run is longer than 9 cells.</source>
        <translation>Pas de solution : une suite compte plus de 9 cases.</translation>
    </message>
    <message>
        <source>No solution</source>
        <translation>Pas de solution</translation>
    </message>
    <message>
        <source>More than one solution</source>
        <translation>Plus d&apos;une solution</translation>
    </message>
    <message>
        <source>Unique: %1 (%2)</source>
        <comment>difficulty (hardest technique)</comment>
        <translation>Unique : %1 (%2)</translation>
    </message>
    <message>
        <source>Unique, but needs a guess</source>
        <translation>Unique, mais il faut tâtonner</translation>
    </message>
    <message>
        <source>Not decided: too many possibilities to search. Add blocks or sums.</source>
        <translation>Indécis : trop de possibilités à explorer. Ajoutez des blocs ou des sommes.</translation>
    </message>
</context>
<context>
    <name>game::MyPuzzles</name>
    <message>
        <source>not a file</source>
        <translation>ce n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>too large for a puzzle book</source>
        <translation>trop grand pour un livre de grilles</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>endommagé</translation>
    </message>
    <message>
        <source>Your puzzles in %1 could not be read (%2). The file is kept as it is; new puzzles cannot be added to it until it is repaired or moved away.</source>
        <translation>Vos grilles dans %1 n&apos;ont pas pu être lues (%2). Le fichier reste tel quel ; aucune nouvelle grille ne peut y être ajoutée tant qu&apos;il n&apos;est pas réparé ou déplacé.</translation>
    </message>
    <message>
        <source>The puzzle could not be added to your puzzles in %1: %2</source>
        <translation>La grille n&apos;a pas pu être ajoutée à vos grilles dans %1 : %2</translation>
    </message>
    <message>
        <source>the file is damaged and is kept as it is.</source>
        <translation>le fichier est endommagé et reste tel quel.</translation>
    </message>
    <message>
        <source>it holds as many puzzles as a book can.</source>
        <translation>il contient déjà autant de grilles qu&apos;un livre peut en contenir.</translation>
    </message>
    <message>
        <source>the folder %1 could not be created.</source>
        <translation>le dossier %1 n&apos;a pas pu être créé.</translation>
    </message>
</context>
<context>
    <name>app::PuzzleCodeLine</name>
    <message>
        <source>Copy Code</source>
        <translation>Copier le code</translation>
    </message>
    <message>
        <source>Puzzle code: %1</source>
        <translation>Code de la grille : %1</translation>
    </message>
</context>
<context>
    <name>game::PuzzleEditor</name>
    <message>
        <source>Sums go into blocks only.</source>
        <translation>Les sommes vont seulement dans les blocs.</translation>
    </message>
    <message>
        <source>No run starts to the right of this block.</source>
        <translation>Aucune suite ne commence à droite de ce bloc.</translation>
    </message>
    <message>
        <source>No run starts below this block.</source>
        <translation>Aucune suite ne commence sous ce bloc.</translation>
    </message>
    <message>
        <source>A run of %1 cells is too long: it cannot hold distinct digits.</source>
        <translation>Une suite de %1 cases est trop longue : elle ne peut pas contenir des chiffres tous différents.</translation>
    </message>
    <message>
        <source>A run of %1 cells can only add up to %2 to %3.</source>
        <translation>Une suite de %1 cases ne peut faire que %2 à %3.</translation>
    </message>
</context>
<context>
    <name>game::PuzzleListModel</name>
    <message>
        <source>grading…</source>
        <translation>évaluation…</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>difficulty (hardest technique)</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Puzzle</source>
        <translation>Grille</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Difficulté</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Meilleur temps</translation>
    </message>
    <message>
        <source>Saved game</source>
        <translation>Partie enregistrée</translation>
    </message>
    <message>
        <source>%1x%2</source>
        <comment>width x height</comment>
        <translation>%1×%2</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Maître</translation>
    </message>
    <message>
        <source>Guessing</source>
        <translation>Tâtonnement</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n hints)</source>
        <comment>a best time helped by hints</comment>
        <translation>
            <numerusform>%1 (%n indice)</numerusform>
            <numerusform>%1 (%n indices)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (1 hint)</source>
        <comment>a best time helped by one hint</comment>
        <translation>%1 (1 indice)</translation>
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
        <translation>Temps de jeu : </translation>
    </message>
    <message>
        <source>Enter Your Name : </source>
        <translation>Entrez votre nom : </translation>
    </message>
    <message>
        <source>Time Played : %1</source>
        <translation>Temps de jeu : %1</translation>
    </message>
</context>
<context>
    <name>app::StatisticsDialog</name>
    <message>
        <source>%1 - Top 3 performance</source>
        <translation>%1 - Les 3 meilleurs temps</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Effacer les données</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1 (1 hint)</source>
        <comment>a best time helped by one hint</comment>
        <translation>%1 (1 indice)</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n hints)</source>
        <comment>a best time helped by hints</comment>
        <translation>
            <numerusform>%1 (%n indice)</numerusform>
            <numerusform>%1 (%n indices)</numerusform>
        </translation>
    </message>
    <message>
        <source>No best times yet.</source>
        <translation>Pas encore de meilleurs temps.</translation>
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
        <translation>combinaisons</translation>
    </message>
    <message>
        <source>hidden single</source>
        <translation>singleton caché</translation>
    </message>
    <message>
        <source>remainder</source>
        <translation>reste</translation>
    </message>
    <message>
        <source>pairs</source>
        <translation>paires</translation>
    </message>
    <message>
        <source>triples and quads</source>
        <translation>triplets et quadruplets</translation>
    </message>
    <message>
        <source>run consistency</source>
        <translation>cohérence des séquences</translation>
    </message>
    <message>
        <source>crossing runs</source>
        <translation>séquences croisées</translation>
    </message>
    <message>
        <source>region sums</source>
        <translation>sommes de régions</translation>
    </message>
    <message>
        <source>short contradiction</source>
        <translation>contradiction courte</translation>
    </message>
</context>
<context>
    <name>print::PagePrinter</name>
    <message>
        <source>The size of the answer digits must be from 1 to %1 points, so that it fits on the page.</source>
        <translation>La taille des chiffres de la solution doit être comprise entre 1 et %1 points, pour tenir sur la page.</translation>
    </message>
    <message>
        <source>The size of the sums must be from 1 to %1 points, so that it fits on the page.</source>
        <translation>La taille des sommes doit être comprise entre 1 et %1 points, pour tenir sur la page.</translation>
    </message>
    <message>
        <source>The Copyright Font Size must be from 1 to %1 points, so that it fits on the page.</source>
        <translation>La taille de police du copyright doit être comprise entre 1 et %1 points, pour tenir sur la page.</translation>
    </message>
    <message>
        <source>The Cell Size must be from 1 to %1 printer pixels, so that a cell fits on the page.</source>
        <translation>La taille des cases doit être comprise entre 1 et %1 pixels d’imprimante, pour qu’une case tienne sur la page.</translation>
    </message>
    <message>
        <source>The Line Size must be from 0 to %1 printer pixels, no wider than a cell.</source>
        <translation>L’épaisseur des traits doit être comprise entre 0 et %1 pixels d’imprimante, sans dépasser la largeur d’une case.</translation>
    </message>
    <message>
        <source>Could not start Printing ..</source>
        <translation>Impossible de lancer l’impression ..</translation>
    </message>
    <message>
        <source>Could not start a New page ..</source>
        <translation>Impossible de commencer une nouvelle page ..</translation>
    </message>
</context>
<context>
    <name>print::PageTarget</name>
    <message>
        <source>The page could not be handed to the printer, so nothing was printed.</source>
        <translation>La page n’a pas pu être transmise à l’imprimante : rien n’a été imprimé.</translation>
    </message>
    <message>
        <source>The PDF file could not be written:
%1</source>
        <translation>Le fichier PDF n’a pas pu être écrit :
%1</translation>
    </message>
</context>
<context>
    <name>print::PrintDialog</name>
    <message>
        <source>The printing  may not work perfectly. I give this to you in the hope that it will be useful to some of you. Print it on a rough paper and find the right settings for you. You can manipulate disable Answer Numbers show to print a puzzle, and enable it to print a solution.  If you have many printers, the game will print on default printer directly</source>
        <translation>L’impression peut ne pas être parfaite. Je vous la propose dans l’espoir qu’elle sera utile à certains d’entre vous. Faites un essai sur du papier brouillon pour trouver les réglages qui vous conviennent. Vous pouvez décocher Chiffres de la solution pour imprimer une grille, et le cocher pour imprimer une solution. Si vous avez plusieurs imprimantes, le jeu imprime directement sur l’imprimante par défaut</translation>
    </message>
    <message>
        <source>%1, a Kakuro puzzle from %2</source>
        <comment>the printed footer: title, maker</comment>
        <translation>%1, une grille de Kakuro de %2</translation>
    </message>
    <message>
        <source>Answer Digits</source>
        <translation>Chiffres de la solution</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>Couleur du texte</translation>
    </message>
    <message>
        <source>Cell Color</source>
        <translation>Couleur des cases</translation>
    </message>
    <message>
        <source>Tally (or) Sum</source>
        <translation>Sommes</translation>
    </message>
    <message>
        <source>Cell Col</source>
        <translation>Coul. des cases</translation>
    </message>
    <message>
        <source>Line Size</source>
        <translation>Épaisseur des traits</translation>
    </message>
    <message>
        <source>Cell Size</source>
        <translation>Taille des cases</translation>
    </message>
    <message>
        <source>Copyright Font Size</source>
        <translation>Taille de police du copyright</translation>
    </message>
    <message>
        <source>&amp;Print Now</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Enregistrer en P&amp;DF...</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>%1 - Print Solution</source>
        <translation>%1 - Imprimer la solution</translation>
    </message>
    <message>
        <source>No printer is installed, so the page cannot be printed.
Would you like to save it as a PDF file instead?</source>
        <translation>Aucune imprimante n’est installée, la page ne peut donc pas être imprimée.
Voulez-vous plutôt l’enregistrer dans un fichier PDF ?</translation>
    </message>
    <message>
        <source>%1 - Alert</source>
        <translation>%1 - Alerte</translation>
    </message>
    <message>
        <source>Save the page as PDF</source>
        <translation>Enregistrer la page en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Answer digit size</source>
        <translation>Taille des chiffres de la solution</translation>
    </message>
    <message>
        <source>Answer digit colour</source>
        <translation>Couleur des chiffres de la solution</translation>
    </message>
    <message>
        <source>Answer cell colour</source>
        <translation>Couleur des cases de la solution</translation>
    </message>
    <message>
        <source>Sum size</source>
        <translation>Taille des sommes</translation>
    </message>
    <message>
        <source>Sum colour</source>
        <translation>Couleur des sommes</translation>
    </message>
    <message>
        <source>Clue cell colour</source>
        <translation>Couleur des cases de sommes</translation>
    </message>
    <message>
        <source>Copyright colour</source>
        <translation>Couleur du copyright</translation>
    </message>
    <message>
        <source>Copyright text</source>
        <translation>Texte du copyright</translation>
    </message>
</context>
<context>
    <name>puzzle::SavedGame</name>
    <message>
        <source>The game could not be saved to %1: %2</source>
        <translation>La partie n’a pas pu être enregistrée dans %1 : %2</translation>
    </message>
    <message>
        <source>the folder %1 could not be created.</source>
        <translation>le dossier %1 n’a pas pu être créé.</translation>
    </message>
    <message>
        <source>the link there could not be replaced.</source>
        <translation>le lien qui s'y trouve n'a pas pu être remplacé.</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>ce n'est pas un fichier</translation>
    </message>
    <message>
        <source>it is larger than any saved game</source>
        <translation>il est plus grand que toute partie enregistrée</translation>
    </message>
</context>
<context>
    <name>help::AboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>%1 is a Kakuro game from %2.

Fill each run of white cells with the digits 1 to 9 so that they add up to the clue beside the run, never using a digit twice in the same run.

Every puzzle has exactly one solution, and it can be reached by reasoning alone.

%1 is free software: you may share and change it under the GNU General Public License, version 3 or any later version. It comes with no warranty.</source>
        <translation>%1 est un jeu de Kakuro de %2.

Remplissez chaque séquence de cases blanches avec des chiffres de 1 à 9 dont le total donne la somme indiquée à côté de la séquence, sans jamais utiliser deux fois le même chiffre dans une séquence.

Chaque grille a une seule solution, et le raisonnement suffit pour la trouver.

%1 est un logiciel libre : vous pouvez le partager et le modifier selon les termes de la licence publique générale GNU (GNU General Public License), version 3 ou toute version ultérieure. Il est fourni sans aucune garantie.</translation>
    </message>
    <message>
        <source>Click Here for more free puzzles &amp; Games</source>
        <translation>Cliquez ici pour d’autres grilles &amp; jeux gratuits</translation>
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
        <translation>Icône de %1</translation>
    </message>
</context>
<context>
    <name>help::WelcomeDialog</name>
    <message>
        <source>Start</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>More Puzzles</source>
        <translation>Plus de grilles</translation>
    </message>
    <message>
        <source>Click here for more puzzles</source>
        <translation>Cliquez ici pour d’autres grilles</translation>
    </message>
    <message>
        <source>%1 logo</source>
        <translation>Logo de %1</translation>
    </message>
</context>
<context>
    <name>store::Settings</name>
    <message>
        <source> Error Failerd</source>
        <translation> Erreur : échec</translation>
    </message>
</context>
<context>
    <name>view::BoardAccessibility</name>
    <message>
        <source>%1 in pen</source>
        <translation>%1 au stylo</translation>
    </message>
    <message>
        <source>%1 in pencil</source>
        <translation>%1 au crayon</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>%1, marked wrong</source>
        <translation>%1, marqué faux</translation>
    </message>
    <message>
        <source>%1, marks %2</source>
        <translation>%1, candidats %2</translation>
    </message>
    <message>
        <source>Board, paused</source>
        <translation>Grille, en pause</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Grille</translation>
    </message>
    <message>
        <source>across %1, down %2</source>
        <translation>horizontale %1, verticale %2</translation>
    </message>
    <message>
        <source>across %1</source>
        <translation>horizontale %1</translation>
    </message>
    <message>
        <source>down %1</source>
        <translation>verticale %1</translation>
    </message>
    <message>
        <source>block</source>
        <translation>case noire</translation>
    </message>
    <message>
        <source>across %1 in %2, down %3 in %4</source>
        <translation>horizontale %1 en %2, verticale %3 en %4</translation>
    </message>
    <message>
        <source>across %1 in %2</source>
        <translation>horizontale %1 en %2</translation>
    </message>
    <message>
        <source>down %1 in %2</source>
        <translation>verticale %1 en %2</translation>
    </message>
    <message>
        <source>%1, conflict</source>
        <translation>%1, en conflit</translation>
    </message>
    <message>
        <source>%1, solution %2</source>
        <translation>%1, solution %2</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>1 wrong digit, marked</source>
        <translation>1 chiffre faux, marqué</translation>
    </message>
    <message numerus="yes">
        <source>%n wrong digits, marked</source>
        <translation>
            <numerusform>%n chiffre faux, marqué</numerusform>
            <numerusform>%n chiffres faux, marqués</numerusform>
        </translation>
    </message>
    <message>
        <source>Puzzle %1, %2 by %3</source>
        <translation>Grille %1, %2 sur %3</translation>
    </message>
</context>
<context>
    <name>view::BoardView</name>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
</context>
<context>
    <name>view::HintPanel</name>
    <message>
        <source>%1 - Hint</source>
        <translation>%1 - Indice</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Appliquer</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>view::CombinationWindow</name>
    <message>
        <source>%1 - Combinations</source>
        <translation>%1 - Combinaisons</translation>
    </message>
    <message>
        <source>Select a cell.</source>
        <translation>Sélectionnez une case.</translation>
    </message>
    <message numerus="yes">
        <source>Across %1 in %n cells</source>
        <translation>
            <numerusform>Séquence horizontale de %1 en %n case</numerusform>
            <numerusform>Séquence horizontale de %1 en %n cases</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Down %1 in %n cells</source>
        <translation>
            <numerusform>Séquence verticale de %1 en %n case</numerusform>
            <numerusform>Séquence verticale de %1 en %n cases</numerusform>
        </translation>
    </message>
    <message>
        <source>This cell can take %1.</source>
        <translation>Cette case peut recevoir %1.</translation>
    </message>
    <message>
        <source>No digit fits this cell.</source>
        <translation>Aucun chiffre ne convient à cette case.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1 : %2.</translation>
    </message>
    <message>
        <source>%1: %2; ruled out: %3.</source>
        <translation>%1 : %2 ; exclues : %3.</translation>
    </message>
</context>
</TS>
