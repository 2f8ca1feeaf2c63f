// Korvel: a Kakuro game.
#include "game/frm_tav_mn.h"
#include "puzzle/start.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Norvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Korvel"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0"));
    QGuiApplication::setDesktopFileName(QStringLiteral("korvel")); // korvel.desktop: icon and name in the desktop
    modStart::Program program;
    const int status = modStart::Main(program, QCoreApplication::applicationDirPath());
    if (status != 0 || !program.window)
        return status;
    return app.exec();
}
