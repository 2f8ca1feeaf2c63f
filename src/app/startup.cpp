// The program's start.
#include "app/startup.h"

#include "help/help_dialogs.h"
#include "platform/app_identity.h"
#include "platform/modal.h"
#include "platform/paths.h"
#include "platform/whole_file.h"
#include "puzzle/saved_game.h"

#include <QCoreApplication>

namespace app {

QString bookPath(const QString &appFolder)
{
    return platform::joinPath(appFolder, QStringLiteral("dm_book1.qztw"));
}

int start(Program &program, const QString &folder)
{
    program.appFolder = folder;
    if (!program.book.open(bookPath(folder))) {
        platform::message(
            nullptr,
            QCoreApplication::translate(
                "app::Program", " The Database is corrupted - contact the author at %1 for more details")
                .arg(platform::authorEmail),
            platform::appTitle);
        return 1;
    }
    // Damaged own puzzles are told once; the book plays on and the file is left alone.
    const QString savedGames = puzzle::savedGamesFolder(folder);
    program.myPuzzles = game::MyPuzzles(game::MyPuzzles::pathFor(savedGames));
    if (QString error; !program.myPuzzles.load(&error))
        platform::message(nullptr, error, platform::appTitle);
    if (!program.settings.load(program.book.puzzleCount(), program.myPuzzles.count()))
        platform::message(nullptr, store::storeFailureText(), platform::appTitle);

    platform::removeLeftoverTemporaries(savedGames, QStringLiteral("*.sav"));
    program.game = std::make_unique<game::Game>(program.book, program.settings, savedGames);
    program.game->setMyPuzzles(&program.myPuzzles);
    program.window = std::make_unique<MainWindow>(*program.game, program.settings, folder);
    program.window->load(); // hidden: the clock already runs while the welcome dialog shows

    help::WelcomeDialog welcome(folder);
    platform::execDialog(welcome);
    if (welcome.quitChosen()) {
        // The window goes away without its unload, so nothing reaches the settings store.
        program.window.reset();
        return 0;
    }
    program.window->show();
    return 0;
}

} // namespace app
