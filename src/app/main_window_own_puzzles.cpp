// The main window's commands for the player's own puzzles: making one, opening one by its code,
// and adding either to My Puzzles.
#include "app/main_window.h"

#include "app/generation_dialog.h"
#include "app/new_puzzle_dialog.h"
#include "app/puzzle_code_dialog.h"
#include "app/puzzle_editor_dialog.h"
#include "game/game.h"
#include "game/my_puzzles.h"
#include "platform/app_identity.h"
#include "platform/modal.h"
#include "platform/paths.h"
#include "store/player_settings.h"

#include <QFileInfo>
#include <QRandomGenerator>

namespace app {
namespace {

// Seeds a new puzzle may take before the size and difficulty are given up as too tight.
constexpr int kSeedsTried = 400;

QString codeProblemText(const kakuro::CodeReading &reading)
{
    switch (reading.problem) {
    case kakuro::CodeProblem::Empty:
    case kakuro::CodeProblem::BadCharacter:
        return MainWindow::tr("A puzzle code holds only letters and digits, like 1ABC-DEFG-HJK.");
    case kakuro::CodeProblem::Mistyped:
        return MainWindow::tr("This puzzle code has a mistake: a character is typed wrong, or one is missing "
                              "or one too many. Please check it.");
    case kakuro::CodeProblem::UnknownVersion:
        return MainWindow::tr("This puzzle code comes from another version of the puzzle maker (version %1). "
                              "This copy of %2 makes puzzles of version %3 only.")
            .arg(reading.version)
            .arg(platform::appTitle)
            .arg(kakuro::kGeneratorVersion);
    case kakuro::CodeProblem::BadContent:
    case kakuro::CodeProblem::None:
        break;
    }
    return MainWindow::tr("This puzzle code names no puzzle that can be made.");
}

} // namespace

bool MainWindow::openAsOwnPuzzle(const kakuro::BookPuzzle &record, std::uint32_t reserved)
{
    game::MyPuzzles *own = game_.myPuzzles();
    if (!own)
        return false;
    int number = own->find(record);
    if (number == 0) {
        QString error;
        number = own->add(record, reserved, &error);
        if (number == 0) {
            platform::message(this, error, platform::appTitle);
            return false;
        }
    }
    settings_.addOwnPuzzles(number);
    game_.openOwnPuzzle(number);
    return true;
}

void MainWindow::newPuzzle()
{
    if (!game_.myPuzzles())
        return;
    NewPuzzleDialog choice(this);
    if (platform::execDialog(choice); choice.result() != QDialog::Accepted)
        return;
    const int width = choice.puzzleWidth();
    const int height = choice.puzzleHeight();
    const int difficulty = choice.difficulty();
    const std::uint32_t seed = QRandomGenerator::global()->bounded(kakuro::kMaxCodeSeed + 1);
    GenerationDialog making(
        NewPuzzleDialog::description(width, height, difficulty),
        [=](const std::function<bool()> &cancelled) {
            return kakuro::makeCodedPuzzle(width, height, difficulty, seed, kSeedsTried, cancelled);
        },
        this);
    if (platform::execDialog(making); making.result() != QDialog::Accepted)
        return;
    if (!making.made()) {
        platform::message(this,
                          tr("No puzzle of this size and difficulty could be made. Try a larger size or an "
                             "easier difficulty."),
                          platform::appTitle);
        return;
    }
    openAsOwnPuzzle(making.made()->record, kakuro::reservedOfCode(making.made()->code));
}

// A code already among the player's puzzles opens that puzzle; a mistyped one is shown again.
void MainWindow::openPuzzleCode()
{
    if (!game_.myPuzzles())
        return;
    QString typed;
    kakuro::CodeReading reading;
    for (;;) {
        PuzzleCodeDialog ask(typed, this);
        if (platform::execDialog(ask); ask.result() != QDialog::Accepted)
            return;
        typed = ask.code();
        reading = kakuro::readCode(typed.toStdString());
        if (reading.code)
            break;
        platform::message(this, codeProblemText(reading), platform::appTitle);
    }
    const kakuro::PuzzleCode code = *reading.code;
    if (game::MyPuzzles *own = game_.myPuzzles(); own && own->find(code) != 0) {
        openAsOwnPuzzle(own->record(own->find(code)), kakuro::reservedOfCode(code));
        return;
    }
    GenerationDialog making(
        NewPuzzleDialog::description(code.width, code.height, code.difficulty),
        [code](const std::function<bool()> &) -> std::optional<kakuro::CodedPuzzle> {
            std::optional<kakuro::BookPuzzle> record = kakuro::puzzleOfCode(code);
            if (!record)
                return std::nullopt;
            return kakuro::CodedPuzzle{code, std::move(*record)};
        },
        this);
    if (platform::execDialog(making); making.result() != QDialog::Accepted)
        return;
    if (!making.made()) {
        platform::message(this, codeProblemText({}), platform::appTitle);
        return;
    }
    openAsOwnPuzzle(making.made()->record, kakuro::reservedOfCode(code));
}

// A draft is kept beside the player's puzzles; a saved puzzle joins them at once, graded as
// "needs a guess" in the chooser when logic alone cannot solve it.
void MainWindow::enterPuzzle()
{
    game::MyPuzzles *own = game_.myPuzzles();
    if (!own)
        return;
    PuzzleEditorDialog editor(
        platform::joinPath(QFileInfo(own->path()).path(), QStringLiteral("my-draft.txt")), this);
    editor.offerDraft();
    platform::execDialog(editor);
    if (editor.result() == QDialog::Accepted && editor.savedPuzzle())
        openAsOwnPuzzle(*editor.savedPuzzle(), 0);
}

} // namespace app
