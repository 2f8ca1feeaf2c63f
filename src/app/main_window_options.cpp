// The main window's comfort options: the key schemes, the window that fits the board, the
// automatic removal of marks, and the Show Solution entry.
#include "app/key_scheme.h"
#include "app/main_window.h"

#include "game/game.h"
#include "store/player_settings.h"
#include "view/board_layout.h"
#include "view/board_view.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include <algorithm>

namespace app {
namespace {

// The smallest the resizable window may become: room for both toolbars, nothing of them cut off.
QSize smallestWindow(const QMainWindow &window)
{
    const QSize toolbar = window.findChild<QToolBar *>(QStringLiteral("tb"))->sizeHint();
    const QSize numbers = window.findChild<QToolBar *>(QStringLiteral("tbNumButns"))->sizeHint();
    return {toolbar.width(), window.menuBar()->sizeHint().height() + toolbar.height() + numbers.height()};
}

} // namespace

// Solving > Keys and Fit Board to Window follow the colours; Default Zoom and the menu bar's key
// live on the window alone, with no menu entry.
void MainWindow::buildOptionMenus()
{
    QMenu *solving = findChild<QMenu *>(QStringLiteral("MNU_SOLV"));
    QMenu *keys = solving->addMenu(tr("Keys"));
    keys->setObjectName(QStringLiteral("MNU_KEYS"));
    keys->menuAction()->setObjectName(QStringLiteral("MNU_KEYS"));
    keySchemes_ = new QActionGroup(this);
    const std::pair<const char *, const char *> kSchemes[] = {
        {"MNU_KEYS_CLASSIC", QT_TRANSLATE_NOOP("app::MainWindow", "Classic")},
        {"MNU_KEYS_COMMON", QT_TRANSLATE_NOOP("app::MainWindow", "Common")}};
    for (int k = 0; k < 2; ++k) {
        QAction *a = keys->addAction(tr(kSchemes[k].second));
        a->setObjectName(QString::fromLatin1(kSchemes[k].first));
        a->setCheckable(true);
        keySchemes_->addAction(a);
        connect(a, &QAction::triggered, this, [this, k] { chooseKeyScheme(k); });
    }
    actions_.fitWindow = solving->addAction(tr("Fit Board to Window"));
    actions_.fitWindow->setObjectName(QStringLiteral("MNU_FIT"));
    actions_.fitWindow->setCheckable(true);
    connect(actions_.fitWindow, &QAction::triggered, this, &MainWindow::switchFitWindow);

    // Keys of the window alone; the key scheme gives them their shortcuts.
    actions_.zoomToDefault = new QAction(this);
    actions_.zoomToDefault->setObjectName(QStringLiteral("MNU_ZOOMDEFAULT"));
    connect(actions_.zoomToDefault, &QAction::triggered, this, &MainWindow::zoomToDefault);
    actions_.openMenuBar = new QAction(this);
    actions_.openMenuBar->setObjectName(QStringLiteral("MNU_MENUBAR"));
    connect(actions_.openMenuBar, &QAction::triggered, this, &MainWindow::openMenuBar);
    addActions({actions_.zoomToDefault, actions_.openMenuBar});
}

void MainWindow::chooseKeyScheme(int scheme)
{
    const int known = scheme == int(KeyScheme::Common) ? scheme : int(KeyScheme::Classic);
    settings_.setKeyScheme(known);
    keySchemes_->actions().at(known)->setChecked(true);
    applyKeyScheme(*this, *menuBar(), KeyScheme(known));
}

void MainWindow::switchFitWindow()
{
    const bool fit = actions_.fitWindow->isChecked();
    settings_.setFitWindow(fit);
    boardView_->setFitToView(fit);
    if (fit) {
        setMinimumSize(smallestWindow(*this));
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        boardView_->fitZoom();
        return;
    }
    if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
        setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen));
    setFixedSize(view::windowWidthPx, view::windowHeightPx);
    boardView_->setZoomLevel(view::BoardView::kDefaultZoom);
}

void MainWindow::applyWindowPlace()
{
    if (!settings_.values().fitWindow)
        return;
    actions_.fitWindow->setChecked(true);
    boardView_->setFitToView(true);
    const QSize smallest = smallestWindow(*this);
    setMinimumSize(smallest);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    const std::optional<store::WindowPlace> &place = settings_.values().windowPlace;
    fitDueAtShow_ = !place;
    if (!place)
        return;
    resize(std::max(place->width, smallest.width()), std::max(place->height, smallest.height()));
    if (place->maximised)
        setWindowState(windowState() | Qt::WindowMaximized);
    boardView_->setZoomLevel(place->zoomLevel);
}

void MainWindow::rememberWindowPlace()
{
    if (!settings_.values().fitWindow)
        return;
    const QSize size = isMaximized() ? normalGeometry().size() : this->size();
    settings_.rememberWindowPlace(
        store::WindowPlace{size.width(), size.height(), isMaximized(), boardView_->zoomLevel()});
}

void MainWindow::zoomToDefault()
{
    boardView_->setZoomLevel(view::BoardView::kDefaultZoom);
}

void MainWindow::openMenuBar()
{
    if (!menuBar()->actions().isEmpty())
        menuBar()->setActiveAction(menuBar()->actions().first());
}

void MainWindow::switchAutoMarks()
{
    game_.setAutoMarks(actions_.autoMarks->isChecked());
}

void MainWindow::showSolution()
{
    game_.revealSolution();
}

} // namespace app
