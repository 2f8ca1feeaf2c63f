// Start-up: the book, the settings, the game, the main window and the welcome dialog.
#pragma once

#include "app/main_window.h"
#include "game/game.h"
#include "game/my_puzzles.h"
#include "puzzle/book.h"
#include "store/player_settings.h"

#include <QString>

#include <memory>

namespace app {

// Everything the running program owns.
struct Program {
    QString appFolder;
    puzzle::Book book;
    game::MyPuzzles myPuzzles;
    store::PlayerSettings settings;
    std::unique_ptr<game::Game> game;
    std::unique_ptr<MainWindow> window;
};

// The puzzle book beside the program in `appFolder`.
QString bookPath(const QString &appFolder);

// Starts the program in `folder`. Returns 0 when the main window is shown and the event loop
// should run, or the exit status when the program must end now (a corrupt book: 1; Quit in the
// welcome dialog: 0 with no window).
int start(Program &program, const QString &folder);

} // namespace app
