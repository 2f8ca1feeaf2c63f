// The main toolbar's press report.
#include "app/main_toolbar_watcher.h"

#include "platform/app_identity.h"
#include "platform/modal.h"

#include <QMouseEvent>
#include <QToolBar>

namespace app {

MainToolbarWatcher::MainToolbarWatcher(QToolBar &toolbar, QAction &left, QAction &right, QObject *parent)
    : QObject(parent), toolbar_(toolbar), left_(left), right_(right)
{
}

// The toolbar reports its mouse in twips; X divided by the twips per pixel is compared with the
// buttons' left edges, both included. A press there shows "Y,X" and goes no further.
bool MainToolbarWatcher::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::MouseButtonPress)
        return false;
    auto &where = *static_cast<QWidget *>(watched);
    const QPointF position = static_cast<QMouseEvent *>(event)->position();
    const QPointF at = &where == &toolbar_ ? position : where.mapTo(&toolbar_, position);
    const double twipsPerPixelX = 1440.0 / toolbar_.logicalDpiX();
    const double twipsPerPixelY = 1440.0 / toolbar_.logicalDpiY();
    const double x = at.x() * twipsPerPixelX / twipsPerPixelX;
    const double yTwips = at.y() * twipsPerPixelY;
    const QWidget *left = toolbar_.widgetForAction(&left_);
    const QWidget *right = toolbar_.widgetForAction(&right_);
    if (!left || !right || x < left->x() || x > right->x())
        return false;
    platform::message(toolbar_.window(), QString::number(yTwips) + QLatin1Char(',') + QString::number(x),
                      platform::appTitle, QMessageBox::Ok);
    return true;
}

} // namespace app
