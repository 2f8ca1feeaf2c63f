// Watches the main toolbar and everything on it: a press between the left edges of two of its
// buttons shows where it was, in the toolbar's twips and pixels.
#pragma once

#include <QObject>

class QAction;
class QToolBar;

namespace app {

class MainToolbarWatcher : public QObject {
public:
    MainToolbarWatcher(QToolBar &toolbar, QAction &left, QAction &right, QObject *parent);

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QToolBar &toolbar_;
    QAction &left_;
    QAction &right_;
};

} // namespace app
