// The main window's comfort options: the key schemes, the window that fits the board, the
// automatic removal of marks, and the Show Solution entry.
#include "app/key_scheme.h"
#include "app/main_window.h"

#include "game/game.h"
#include "store/settings_store.h"
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
    QAction *fit = solving->addAction(tr("Fit Board to Window"));
    fit->setObjectName(QStringLiteral("MNU_FIT"));
    fit->setCheckable(true);
    connect(fit, &QAction::triggered, this, &MainWindow::switchFitWindow);

    const std::pair<const char *, void (MainWindow::*)()> kWindowKeys[] = {
        {"MNU_ZOOMDEFAULT", &MainWindow::zoomToDefault}, {"MNU_MENUBAR", &MainWindow::openMenuBar}};
    for (const auto &[name, command] : kWindowKeys) {
        auto *a = new QAction(this);
        a->setObjectName(QString::fromLatin1(name));
        addAction(a);
        connect(a, &QAction::triggered, this, command);
    }
}

void MainWindow::chooseKeyScheme(int scheme)
{
    settings_.keyScheme = scheme == int(KeyScheme::Common) ? scheme : int(KeyScheme::Classic);
    keySchemes_->actions().at(settings_.keyScheme)->setChecked(true);
    applyKeyScheme(*this, *menuBar(), KeyScheme(settings_.keyScheme));
}

void MainWindow::switchFitWindow()
{
    settings_.fitWindow = action(QStringLiteral("MNU_FIT"))->isChecked();
    boardView_->setFitToView(settings_.fitWindow);
    if (settings_.fitWindow) {
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
    if (!settings_.fitWindow)
        return;
    action(QStringLiteral("MNU_FIT"))->setChecked(true);
    boardView_->setFitToView(true);
    const QSize smallest = smallestWindow(*this);
    setMinimumSize(smallest);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    const std::optional<store::WindowPlace> &place = settings_.windowPlace;
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
    if (!settings_.fitWindow)
        return;
    const QSize size = isMaximized() ? normalGeometry().size() : this->size();
    settings_.windowPlace =
        store::WindowPlace{size.width(), size.height(), isMaximized(), boardView_->zoomLevel()};
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
    game_.setAutoMarks(action(QStringLiteral("MNU_AUTOMARKS"))->isChecked());
}

void MainWindow::showSolution()
{
    game_.revealSolution();
}

} // namespace app
