// The main window's commands, its toolbars' clicks, and what it shows for the game's events.
#include "app/main_window.h"

#include "app/puzzle_chooser.h"
#include "app/puzzle_number_box.h"
#include "app/score_dialogs.h"
#include "game/book_grades.h"
#include "game/game.h"
#include "game/my_puzzles.h"
#include "help/help_dialogs.h"
#include "help/open_document.h"
#include "platform/app_identity.h"
#include "platform/modal.h"
#include "platform/typed_number.h"
#include "print/print_dialog.h"
#include "store/player_settings.h"
#include "view/board_view.h"
#include "view/combination_window.h"
#include "view/hint_panel.h"

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QGuiApplication>
#include <QTimer>
#include <QToolBar>

namespace app {
namespace {

bool confirmed(QWidget *parent, const QString &question)
{
    return platform::message(parent, question, MainWindow::tr("%1 - Alert").arg(platform::appTitle),
                             QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

// Whether a window whose frame starts at (x, y) shows its title on some screen: a stored place on
// no screen (a screen since taken away, a damaged value) would keep the window out of sight.
bool titleLiesOnAScreen(std::int32_t x, std::int32_t y)
{
    const qint64 titleX = qint64(x) + 40, titleY = qint64(y) + 10;
    const auto inRange = [](qint64 v) { return v >= -(1 << 24) && v <= (1 << 24); };
    return inRange(titleX) && inRange(titleY) && QGuiApplication::screenAt(QPoint(int(titleX), int(titleY)));
}

QString changePuzzleQuestion()
{
    return MainWindow::tr("Are you sure to change the puzzle?");
}

} // namespace

void MainWindow::connectGame()
{
    // The box holds book numbers only: it stands empty while one of the player's own is played.
    // The caption names a puzzle of the player's own from the start, and the book's again at once.
    connect(&game_, &game::Game::puzzleOpened, this, [this](int number) {
        numberBox_->setText(game_.playingOwn() ? QString() : QString::number(number));
        if (game_.playingOwn() || ownCaptionShown_)
            showCaption();
    });
    connect(&game_.clock(), &game::GameClock::ticked, this, [this] {
        // The tick that finds the window minimised still counts; the restore starts the clock again.
        if (isMinimized())
            game_.setWindowMinimised(true);
        showCaption();
    });
    connect(&game_, &game::Game::noMistakesFound, this, [this] {
        platform::message(this, tr("Great work - There are no mistakes. Continue..."), platform::appTitle);
    });
    connect(&game_, &game::Game::completed, this, &MainWindow::onCompleted);
    connect(boardView_, &view::BoardView::numberToolChanged, this, &MainWindow::showNumberTool);
    connect(boardView_, &view::BoardView::printRequested, this, &MainWindow::showPrintDialog);
    connect(boardView_, &view::BoardView::minimiseRequested, this, &QWidget::showMinimized);
    connect(&game_, &game::Game::historyChanged, this, &MainWindow::showHistory);
    connect(&game_, &game::Game::progressNotKept, this,
            [this](const QString &error) { platform::message(this, error, platform::appTitle); });
    connect(&game_, &game::Game::unreadableSavedGameFound, this,
            [this](const QString &message) { platform::message(this, message, platform::appTitle); });
    connect(&game_, &game::Game::pausedChanged, this, [this](bool paused) {
        actions_.pause->setChecked(paused);
        showCaption();
        showHistory();
        if (paused)
            hintPanel_->hide();
        if (combinationWindow_ && settings_.values().showCombinations)
            combinationWindow_->setVisible(!paused);
    });
    connect(boardView_, &view::BoardView::resumeRequested, this, [this] { game_.setPaused(false); });
    // The board shows the hint's cells first (connected earlier), then the panel tells the step
    // beside them; a hint holds for the board it was given on.
    connect(&game_, &game::Game::hintShown, this, [this](const game::Hint &hint) {
        hintPanel_->showHint(hint.text, hint.kind != game::HintKind::Nothing, frameGeometry(),
                             boardView_->cellsOnScreen(hint.cells));
    });
    connect(hintPanel_, &view::HintPanel::applyRequested, this, &MainWindow::applyHint);
    connect(&game_, &game::Game::cellChanged, hintPanel_, &QWidget::hide);
    connect(&game_, &game::Game::puzzleOpened, hintPanel_, &QWidget::hide);
    connect(&game_, &game::Game::candidateModeChanged, this, [this](bool on) {
        actions_.candidates->setChecked(on);
        showWritingMode();
    });
    connect(boardView_, &view::BoardView::selectionChanged, this, [this](int col, int row) {
        if (combinationWindow_)
            combinationWindow_->showCell(col, row);
    });
    // Filling marks changes many cells at once: the combinations are shown again once, after.
    connect(&game_, &game::Game::cellChanged, this, [this] {
        if (!combinationWindow_ || combinationsRefreshDue_)
            return;
        combinationsRefreshDue_ = true;
        QTimer::singleShot(0, this, [this] {
            combinationsRefreshDue_ = false;
            combinationWindow_->refresh();
        });
    });
    showHistory();
}

// Undo and Redo as the history allows; while paused, every command that looks at or changes the
// board stands disabled.
void MainWindow::showHistory()
{
    const bool playing = !game_.paused();
    actions_.undo->setEnabled(playing && game_.canUndo());
    actions_.redo->setEnabled(playing && game_.canRedo());
    mainButtons_.undo->setEnabled(playing && game_.canUndo());
    mainButtons_.redo->setEnabled(playing && game_.canRedo());
    for (QAction *command : {actions_.checkAll, actions_.fillCandidates, actions_.clearCandidates,
                             actions_.hint, actions_.applyHint, actions_.combinations, mainButtons_.check})
        command->setEnabled(playing);
}

// Undo, redo and an applied hint select the cell they changed first, so that the player sees, and
// a screen reader says, what they did.
void MainWindow::undo()
{
    boardView_->followChangesOf([this] { game_.undo(); });
}

void MainWindow::redo()
{
    boardView_->followChangesOf([this] { game_.redo(); });
}

void MainWindow::switchCandidateMode()
{
    game_.setCandidateMode(!game_.candidateMode());
}

void MainWindow::fillCandidates()
{
    game_.fillCandidates();
}

void MainWindow::clearCandidates()
{
    game_.clearCandidates();
}

void MainWindow::showHint()
{
    game_.showHint();
}

void MainWindow::applyHint()
{
    boardView_->followChangesOf([this] { game_.applyHint(); });
}

void MainWindow::chooseColourScheme(int scheme)
{
    const bool known = scheme >= 0 && scheme < store::kColourSchemeCount;
    const store::ColourScheme chosen = known ? store::ColourScheme(scheme) : store::ColourScheme::Classic;
    settings_.setColourScheme(chosen);
    colourSchemes_->actions().at(int(chosen))->setChecked(true);
    boardView_->setBoardPalette(view::BoardPalette::ofScheme(chosen));
}

void MainWindow::switchConflicts()
{
    const bool show = actions_.conflicts->isChecked();
    settings_.setShowConflicts(show);
    boardView_->setShowConflicts(show);
}

// The combinations window stands where it last stood, or at first beside the main window.
void MainWindow::switchCombinations()
{
    const bool show = actions_.combinations->isChecked();
    settings_.setShowCombinations(show);
    boardView_->setSpeaksCombinations(show);
    if (show && !isVisible())
        return; // shown with the main window, beside it, never before it
    if (!show) {
        if (combinationWindow_) {
            rememberCombinationsPlace();
            combinationWindow_->hide();
        }
        return;
    }
    if (!combinationWindow_) {
        combinationWindow_ = new view::CombinationWindow(game_, this);
        connect(combinationWindow_, &view::CombinationWindow::closedByPlayer, this,
                [this] { actions_.combinations->trigger(); });
        const auto &at = settings_.values().combinationsPosition;
        if (at && titleLiesOnAScreen(at->first, at->second))
            combinationWindow_->move(at->first, at->second);
        else
            combinationWindow_->move(frameGeometry().topRight() + QPoint(8, 0));
    }
    combinationWindow_->showCell(boardView_->selectedCol(), boardView_->selectedRow());
    combinationWindow_->show();
    activateWindow(); // keys stay with the board, where a window system activates what it shows
}

void MainWindow::rememberCombinationsPlace()
{
    if (combinationWindow_ && combinationWindow_->isVisible())
        settings_.rememberCombinationsPosition(combinationWindow_->x(), combinationWindow_->y());
}

void MainWindow::showCaption()
{
    ownCaptionShown_ = game_.playingOwn();
    if (game_.playingOwn()) {
        setWindowTitle(tr("My Puzzle:%1 - Time Played: %2 - %3 : %4",
                          "number of the player's own puzzle, time played, title, maker")
                           .arg(QString::number(game_.ownPuzzleNumber()), game_.clock().text(),
                                platform::appTitle, platform::companyName));
        return;
    }
    setWindowTitle(tr("Puzzle:%1 - Time Played: %2 - %3 : %4", "puzzle number, time played, title, maker")
                       .arg(QString::number(game_.puzzleNumber()), game_.clock().text(), platform::appTitle,
                            platform::companyName));
}

void MainWindow::onCompleted()
{
    platform::message(this, tr("Wow! Puzzle Successfully Completed"),
                      tr("%1 - Congradz!").arg(platform::appTitle));
    app::ScoreDialog dialog(game_, settings_, this);
    platform::execDialog(dialog);
}

void MainWindow::nextPuzzle()
{
    game_.nextPuzzle();
}

void MainWindow::previousPuzzle()
{
    game_.previousPuzzle();
}

void MainWindow::goToTypedPuzzle()
{
    const QString typed = numberBox_->text();
    const double value = platform::leadingValue(typed);
    if (value < 1 || value > game_.puzzleCount()) {
        numberBox_->setText(game_.playingOwn() ? QString() : QString::number(game_.puzzleNumber()));
        return;
    }
    if (!mayChangePuzzle(this))
        return; // the box keeps what was typed
    // The box then shows the puzzle now open ("12abc" opens 12 and reads 12).
    game_.openPuzzle(int(platform::roundedClamped(typed, 1, game_.puzzleCount())));
}

void MainWindow::restartPuzzle()
{
    if (confirmed(this, tr("Are you sure to RESTART puzzle?")))
        game_.restart();
}

void MainWindow::saveGame()
{
    if (game_.savedGameUnreadable() &&
        !confirmed(this, tr("The saved game %1 could not be read. Replace it with this board?")
                             .arg(QDir::toNativeSeparators(game_.savedGamePath()))))
        return;
    QString error;
    if (!game_.save(&error, true)) {
        platform::message(this, error, platform::appTitle);
        return;
    }
    platform::pause(800);
}

// The list asks before it closes, so that No leaves it open to choose again.
void MainWindow::choosePuzzle()
{
    if (const game::MyPuzzles *own = game_.myPuzzles();
        own && (!ownGrades_ || ownGrades_->puzzleCount() != own->count())) {
        delete ownGrades_;
        ownGrades_ = new game::BookGrades(own->book(), this);
        ownGrades_->start();
    }
    PuzzleChooser chooser(game_, *grades_, ownGrades_, settings_.values(), this);
    chooser.setConfirmation([this](QWidget *dialog) { return mayChangePuzzle(dialog); });
    platform::execDialog(chooser);
    if (chooser.chosenPuzzle() != 0 && chooser.chosenOwn())
        game_.openOwnPuzzle(chooser.chosenPuzzle());
    else if (chooser.chosenPuzzle() != 0)
        game_.openPuzzle(chooser.chosenPuzzle());
}

// Nothing can be lost while progress is kept, nor on a board that holds nothing yet.
bool MainWindow::mayChangePuzzle(QWidget *parent)
{
    const puzzle::Entries &entries = game_.entries();
    if (game_.keepsProgress() || (entries.filledCount() == 0 && !entries.hasAnyMark()))
        return true;
    return confirmed(parent, changePuzzleQuestion());
}

void MainWindow::exitGame()
{
    close();
}

void MainWindow::switchKeepProgress()
{
    game_.setKeepProgress(actions_.keepProgress->isChecked());
}

void MainWindow::switchPause()
{
    game_.setPaused(actions_.pause->isChecked());
}

void MainWindow::showStatistics()
{
    StatisticsDialog dialog(settings_, game_.playingOwn() ? game_.ownPuzzleNumber() : game_.puzzleNumber(),
                            this, game_.playingOwn(), StatisticsDialog::codeInPlay(game_));
    platform::execDialog(dialog);
}

void MainWindow::showPrintDialog()
{
    print::PrintDialog dialog(game_, this);
    platform::execDialog(dialog);
}

void MainWindow::openMorePuzzles()
{
    help::openDocument(help::morePuzzlesPath(appFolder_));
}

void MainWindow::openHelp()
{
    help::openDocument(help::helpPagePath(appFolder_));
}

void MainWindow::openWebSite()
{
    help::openDocument(platform::gameWebPage);
}

void MainWindow::showAbout()
{
    help::AboutDialog about(appFolder_, this);
    platform::execDialog(about);
}

void MainWindow::usePen()
{
    setPencilMode(false);
}

void MainWindow::usePencil()
{
    setPencilMode(true);
}

// Menu and toolbar show the mode together; the menu path does not touch the pointer.
void MainWindow::setPencilMode(bool pencil)
{
    actions_.pen->setChecked(!pencil);
    actions_.pencil->setChecked(pencil);
    game_.setPencilMode(pencil);
    showWritingMode();
}

// While digits toggle marks only Marks is down, and the pen or pencil a digit would take after is
// named in bold.
void MainWindow::showWritingMode()
{
    const bool marks = game_.candidateMode();
    const bool pencil = game_.pencilMode();
    mainButtons_.marks->setChecked(marks);
    mainButtons_.pencil->setChecked(pencil && !marks);
    mainButtons_.pen->setChecked(!pencil && !marks);
    for (QAction *mode : {mainButtons_.pencil, mainButtons_.pen}) {
        if (QWidget *button = mainToolbar_->widgetForAction(mode)) {
            QFont font = button->font();
            font.setBold(marks && (mode == mainButtons_.pencil) == pencil);
            button->setFont(font);
        }
    }
}

void MainWindow::checkAll()
{
    game_.checkAll();
}

void MainWindow::zoomIn()
{
    boardView_->zoomIn();
}

void MainWindow::zoomOut()
{
    boardView_->zoomOut();
}

void MainWindow::numberToolbarClicked(int tool)
{
    boardView_->setNumberTool(tool >= 1 && tool <= view::BoardView::kEraser ? tool
                                                                            : view::BoardView::kNoTool);
}

// At most one number button is down: the tool's, none for no tool.
void MainWindow::showNumberTool(int tool)
{
    for (int k = 1; k <= 11; ++k)
        numberButtons_[std::size_t(k)]->setChecked(k == tool && k != view::BoardView::kNoTool);
}

} // namespace app
