// Korvel: a Kakuro game.
#include "app/startup.h"
#include "platform/app_identity.h"
#include "platform/language.h"

#include <QApplication>
#include <QLocale>

#include <csignal>

int main(int argc, char *argv[])
{
#ifdef SIGXFSZ
    // A write past the user's file-size limit then fails and is reported, instead of killing the
    // game mid-save.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(platform::makerName);
    QCoreApplication::setApplicationName(platform::appTitle);
    QCoreApplication::setApplicationVersion(platform::versionText());
    QGuiApplication::setDesktopFileName(
        QStringLiteral("korvel")); // korvel.desktop: icon and name in the desktop
    // Before anything can speak, the corrupt-book message included.
    platform::useLanguage(platform::chooseLanguage(QLocale::system().uiLanguages()));
    app::Program program;
    const int status = app::start(program, QCoreApplication::applicationDirPath());
    if (status != 0 || !program.window)
        return status;
    return app.exec();
}
