// The kill test's writer: saves a game (`game PATH`) or the settings (`settings`, into the
// XDG_CONFIG_HOME it is given) over and over, alternating two versions, until it is killed.
// It says "ready" once the first save is complete.
#include "kill_variants.h"
#include "puzzle/saved_game.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const bool game = args.value(1) == QLatin1String("game");
    if (!game && args.value(1) != QLatin1String("settings"))
        return 2;

    modData::Board boards[2];
    modReg::Settings settings[2];
    for (int v = 0; v < 2; ++v) {
        if (game)
            killvariants::gameBoard(boards[v], v);
        else
            killvariants::settings(boards[v], settings[v], v);
    }
    QElapsedTimer clock;
    clock.start();
    for (int round = 0; clock.elapsed() < 20000; ++round) { // never outlives a lost test
        const int v = (round + 1) % 2;
        if (game) {
            if (!modData::writeSavedGame(boards[v], args.value(2)))
                return 3;
        } else {
            modReg::saveSettings(boards[v], settings[v]);
        }
        if (round == 0) {
            std::fputs("ready\n", stdout);
            std::fflush(stdout);
        }
    }
    return 0;
}
