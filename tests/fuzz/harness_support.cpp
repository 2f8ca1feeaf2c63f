// The GUI application shared by the harnesses that need one.
#include "harnesses.h"

#include <QGuiApplication>

namespace fuzzing {

void ensureGuiApplication()
{
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "korvel_fuzz";
    static char *argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Kept for the life of the process (libFuzzer ends it with exit(), and tearing Qt down from
    // a static destructor is unsafe); the pointer keeps it reachable for the leak checker.
    static QGuiApplication *app = new QGuiApplication(argc, argv);
    Q_UNUSED(app);
}

} // namespace fuzzing
