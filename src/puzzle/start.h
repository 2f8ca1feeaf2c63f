// Start-up: the program folder, the book, the settings, the painter's tools, the welcome dialog
// and the main window.
#pragma once

#include "puzzle/board_model.h"
#include "store/settings_store.h"

#include <QString>

#include <memory>

class frmTavMn;

namespace modStart {

// `folder` with a trailing separator added unless it already ends in one.
QString withTrailingSeparator(const QString &folder);
QString bookPathFor(const QString &appFolder);

// Everything the running program owns.
struct Program {
    QString appFolder; // always ending in "/"
    QString bookPath;
    modData::Board board;
    modReg::Settings settings;
    std::unique_ptr<frmTavMn> window;
    ~Program();
};

// Runs start-up for the program in `folder`. Returns 0 when the main window is shown and the
// event loop should run, or the exit status when the program must end now (corrupt book: 1,
// Quit in the welcome dialog: 0 with no window).
int Main(Program &program, const QString &folder);

} // namespace modStart
