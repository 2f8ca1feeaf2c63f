// The program's entry procedure.
#include "puzzle/start.h"

#include "game/frm_tav_mn.h"
#include "platform/app_identity.h"
#include "platform/modal.h"
#include "shell/shell_dialogs.h"
#include "view/board_painter.h"

namespace modStart {

QString withTrailingSeparator(const QString &folder)
{
    if (folder.endsWith(QLatin1Char('/')) || folder.endsWith(QLatin1Char('\\')))
        return folder;
    return folder + QLatin1Char('/');
}

QString bookPathFor(const QString &appFolder)
{
    return withTrailingSeparator(appFolder) + QStringLiteral("dm_book1.qztw");
}

Program::~Program() = default;

int Main(Program &program, const QString &folder)
{
    program.appFolder = withTrailingSeparator(folder);
    program.bookPath = bookPathFor(program.appFolder);
    if (!modData::loadBook(program.board, program.bookPath)) {
        modal::message(nullptr,
                       QStringLiteral(" The Database is corrupted - contact the author at ") +
                           appIdentity::authorEmail + QStringLiteral(" for more details"),
                       appIdentity::title);
        return 1;
    }
    modReg::loadSettings(program.board, program.settings);
    modGDI::createDrawingTools(QColor(255, 255, 255), QColor(0, 0, 0), 1);

    QString plainFolder = program.appFolder;
    if (plainFolder.size() > 1)
        plainFolder.chop(1);
    program.window = std::make_unique<frmTavMn>(program.board, program.settings, plainFolder);
    program.window->formLoad(); // hidden: the clock already runs while the welcome dialog shows

    diagSWS welcome(plainFolder);
    modal::exec(welcome);
    if (welcome.quitChosen()) {
        // The window goes away without its unload, so nothing reaches the settings store.
        program.window.reset();
        return 0;
    }
    program.window->show();
    return 0;
}

} // namespace modStart
