// The main window: the menus and toolbars, the puzzle-number box, the board view, the caption,
// and the dialogs the game's events call for. Its actions are built once, from one table.
#pragma once

#include <QMainWindow>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <initializer_list>

class QAction;
class QActionGroup;
class QToolBar;

namespace game {
class BookGrades;
class Game;
} // namespace game
namespace kakuro {
struct BookPuzzle;
}
namespace store {
class PlayerSettings;
}
namespace view {
class BoardView;
class CombinationWindow;
class HintPanel;
} // namespace view

namespace app {

class PuzzleNumberBox;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // `appFolder` is the program folder; help pages are found from it.
    MainWindow(game::Game &game, store::PlayerSettings &settings, const QString &appFolder,
               QWidget *parent = nullptr);
    ~MainWindow() override;

    // Prepares the window and opens the stored puzzle; run once, while the window is hidden.
    void load();
    // Keeps the progress of the puzzle in play when the player asked for it, and stores the
    // settings; runs once, when the window goes away or the session ends. Failures are told only
    // when `messagesAllowed`.
    void unload(bool messagesAllowed = true);

    view::BoardView *boardView() const { return boardView_; }
    // Adds `record` to the player's own puzzles (or finds it there) and opens it; `reserved` goes
    // into its record. False, after telling the player, when it could not be added.
    bool openAsOwnPuzzle(const kakuro::BookPuzzle &record, std::uint32_t reserved);
    view::CombinationWindow *combinationWindow() const { return combinationWindow_; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    struct MenuEntry;
    struct Menu;
    struct ToolbarButton;
    // The menus, one entry a line: objectName, caption, shortcut, the member that holds the
    // action and the command it runs.
    static const std::initializer_list<Menu> &menuTable();
    static const std::initializer_list<ToolbarButton> &mainToolbarTable();

    // The actions the window's code reaches, each made from its line of the menu table.
    struct MenuActions {
        QAction *nextPuzzle, *previousPuzzle, *restart, *save, *keepProgress, *choosePuzzle, *pause,
            *newPuzzle, *openPuzzleCode, *enterPuzzle, *statistics, *print, *morePuzzles, *exit;
        QAction *pen, *pencil, *checkAll, *zoomIn, *zoomOut, *undo, *redo, *candidates, *fillCandidates,
            *clearCandidates, *autoMarks, *hint, *applyHint, *solution, *combinations, *conflicts;
        QAction *help, *morePuzzlesFromHelp, *webSite, *about;
        QAction *fitWindow, *zoomToDefault, *openMenuBar; // made beside the table
    };
    // The main toolbar's buttons tb_1..tb_12, each made from its line of the toolbar table.
    struct MainToolbarButtons {
        QAction *previous, *firstGap, *next, *restart, *secondGap, *pencil, *pen, *thirdGap, *check, *undo,
            *redo, *marks;
    };

    // The commands of the menus, each as its menu entry runs it.
    void nextPuzzle();
    void previousPuzzle();
    void restartPuzzle();
    void saveGame();
    void switchKeepProgress();
    void switchPause();
    void choosePuzzle();
    // Making and typing in puzzles of the player's own.
    void newPuzzle();
    void openPuzzleCode();
    void enterPuzzle();
    void showStatistics();
    void showPrintDialog();
    void openMorePuzzles();
    void exitGame();
    void usePen();
    void usePencil();
    void checkAll();
    void zoomIn();
    void zoomOut();
    void undo();
    void redo();
    void switchCandidateMode();
    void fillCandidates();
    void clearCandidates();
    void showHint();
    void applyHint();
    void switchCombinations();
    void switchConflicts();
    void switchAutoMarks();
    void showSolution();
    // Key scheme 0 Classic, 1 Common; Classic for any other.
    void chooseKeyScheme(int scheme);
    // Lets the window be resized, the board following it, or gives it back its one size and zoom.
    void switchFitWindow();
    void zoomToDefault();
    // Opens the menu bar's first menu, from where the arrow keys reach every entry.
    void openMenuBar();
    // Colour scheme 0 Classic, 1 Paper, 2 Dark, 3 High Contrast; Classic for any other.
    void chooseColourScheme(int scheme);
    void openHelp();
    void openWebSite();
    void showAbout();

    // A click on a main toolbar button runs its menu command; a click on number tool `tool`
    // (1-9 a digit, the eraser or no tool) takes that tool.
    void mainToolbarClicked(QAction *button, QAction *command);
    void numberToolbarClicked(int tool);

    void buildMenus();
    void buildToolbars();
    void clickOnToggle(QAction *button, const std::function<void()> &click,
                       const std::function<bool()> &gameHasItDown);
    void placeControls();
    void connectGame();
    void setPencilMode(bool pencil);
    void showNumberTool(int tool);
    void showCaption();
    void goToTypedPuzzle();
    void onWindowRestored();
    void onCompleted();
    void showHistory();
    void rememberCombinationsPlace();
    void buildOptionMenus();
    // The resizable window's size, maximised state and zoom, as stored, while it fits the board.
    void applyWindowPlace();
    void rememberWindowPlace();
    // Asks before another puzzle replaces the one in play, unless nothing of it can be lost.
    bool mayChangePuzzle(QWidget *parent);
    // The button of the mode a digit goes to is down.
    void showWritingMode();

    game::Game &game_;
    store::PlayerSettings &settings_;
    QString appFolder_;
    bool unloaded_ = false;
    QToolBar *mainToolbar_ = nullptr;
    QToolBar *numberToolbar_ = nullptr;
    PuzzleNumberBox *numberBox_ = nullptr;
    view::BoardView *boardView_ = nullptr;
    view::CombinationWindow *combinationWindow_ = nullptr; // made when first shown
    view::HintPanel *hintPanel_ = nullptr;
    bool combinationsRefreshDue_ = false;
    QActionGroup *colourSchemes_ = nullptr; // MNU_COLOURS' entries, in their stored order
    QActionGroup *keySchemes_ = nullptr;    // MNU_KEYS' entries, in their stored order
    bool fitDueAtShow_ = false;             // a fitting window with no stored zoom fits once shown
    game::BookGrades *grades_ = nullptr;    // the book's difficulties, graded in the background from load on
    bool ownCaptionShown_ = false;          // the caption names a puzzle of the player's own
    game::BookGrades *ownGrades_ = nullptr; // the same for the player's own puzzles, from the chooser on
    MenuActions actions_{};
    MainToolbarButtons mainButtons_{};
    std::array<QAction *, 12> numberButtons_{}; // tbNumButns_1..tbNumButns_11 at their tool, 1..11
};

} // namespace app
