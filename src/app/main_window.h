// The main window: the menus and toolbars, the puzzle-number box, the board view, the caption,
// and the dialogs the game's events call for. Its actions are built once, from one table.
#pragma once

#include <QMainWindow>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>

class QAction;
class QActionGroup;
class QToolBar;

namespace game {
class BookGrades;
class Game;
} // namespace game
namespace puzzle {
struct BookPuzzle;
}
namespace store {
struct Settings;
}
namespace view {
class BoardView;
class CombinationWindow;
class HintPanel;
}

namespace app {

class PuzzleNumberBox;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // `appFolder` is the program folder; help pages are found from it.
    MainWindow(game::Game &game, store::Settings &settings, const QString &appFolder, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Prepares the window and opens the stored puzzle; run once, while the window is hidden.
    void load();
    // Keeps the progress of the puzzle in play when the player asked for it, and stores the
    // settings; runs once, when the window goes away or the session ends. Failures are told only
    // when `messagesAllowed`.
    void unload(bool messagesAllowed = true);

    QAction *action(const QString &objectName) const;
    view::BoardView *boardView() const { return boardView_; }

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
    // Adds `record` to the player's own puzzles (or finds it there) and opens it; `reserved` goes
    // into its record. False, after telling the player, when it could not be added.
    bool openAsOwnPuzzle(const puzzle::BookPuzzle &record, std::uint32_t reserved);
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

    view::CombinationWindow *combinationWindow() const { return combinationWindow_; }

    // A click on main toolbar button `index` (1-12) or number toolbar button `index` (1-11).
    void mainToolbarClicked(int index);
    void numberToolbarClicked(int index);
    // Opens puzzle `number`, which the player picked from the list and confirmed.
    void openChosenPuzzle(int number);

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
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
    store::Settings &settings_;
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
    game::BookGrades *grades_ = nullptr; // the book's difficulties, graded in the background from load on
    bool ownCaptionShown_ = false;          // the caption names a puzzle of the player's own
    game::BookGrades *ownGrades_ = nullptr; // the same for the player's own puzzles, from the chooser on
    std::array<QAction *, 13> mainButtons_{};   // tb_1..tb_12 at 1..12
    std::array<QAction *, 12> numberButtons_{}; // tbNumButns_1..tbNumButns_11 at 1..11
};

} // namespace app
