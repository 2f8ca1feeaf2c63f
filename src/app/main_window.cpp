// The main window's construction from its action table, its load and unload, and its events.
#include "app/main_window.h"

#include "app/main_toolbar_watcher.h"
#include "app/puzzle_number_box.h"
#include "game/book_grades.h"
#include "game/game.h"
#include "platform/app_identity.h"
#include "platform/modal.h"
#include "store/player_settings.h"
#include "view/board_layout.h"
#include "view/board_picture.h"
#include "view/board_view.h"
#include "view/combination_window.h"
#include "view/hint_panel.h"
#include "view/key_codes.h"
#include "view/tool_images.h"

#include <QAbstractButton>
#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QSessionManager>
#include <QShowEvent>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QWindowStateChangeEvent>

namespace app {

// One menu entry: objectName, caption (nullptr for a separator), shortcut, the member that holds
// its action (nullptr when the code never reaches it) and its command.
struct MainWindow::MenuEntry {
    const char *name;
    const char *caption;
    QKeySequence shortcut;
    QAction *MenuActions::*action;
    void (MainWindow::*command)();
};

struct MainWindow::Menu {
    const char *name;
    const char *caption;
    std::initializer_list<MenuEntry> entries;
};

// One entry a line, each caption marked for the translators, who find them under "app::Menu".
// clang-format off
const std::initializer_list<MainWindow::Menu> &MainWindow::menuTable()
{
    static const std::initializer_list<Menu> menus = {
        {"MNU_GM",
         QT_TRANSLATE_NOOP("app::Menu", "Game"),
         {{"MNU_NEXT", QT_TRANSLATE_NOOP("app::Menu", "Next game"), QKeySequence(Qt::CTRL | Qt::Key_N), &MenuActions::nextPuzzle, &MainWindow::nextPuzzle},
          {"MNU_PREV", QT_TRANSLATE_NOOP("app::Menu", "Previous Game"), QKeySequence(Qt::CTRL | Qt::Key_B), &MenuActions::previousPuzzle, &MainWindow::previousPuzzle},
          {"MNU_RST", QT_TRANSLATE_NOOP("app::Menu", "Restart Game"), {}, &MenuActions::restart, &MainWindow::restartPuzzle},
          {"MNU_SAVE", QT_TRANSLATE_NOOP("app::Menu", "Save Game"), {}, &MenuActions::save, &MainWindow::saveGame},
          {"MNU_KEEP", QT_TRANSLATE_NOOP("app::Menu", "Keep My Progress"), {}, &MenuActions::keepProgress, &MainWindow::switchKeepProgress},
          {"MNU_CHOOSE", QT_TRANSLATE_NOOP("app::Menu", "Choose Puzzle..."), {}, &MenuActions::choosePuzzle, &MainWindow::choosePuzzle},
          {"MNU_PAUSE", QT_TRANSLATE_NOOP("app::Menu", "Pause"), QKeySequence(Qt::Key_F2), &MenuActions::pause, &MainWindow::switchPause},
          {"MNU_NEW", QT_TRANSLATE_NOOP("app::Menu", "New Puzzle..."), {}, &MenuActions::newPuzzle, &MainWindow::newPuzzle},
          {"MNU_OPEN_CODE", QT_TRANSLATE_NOOP("app::Menu", "Open Puzzle Code..."), {}, &MenuActions::openPuzzleCode, &MainWindow::openPuzzleCode},
          {"MNU_ENTER", QT_TRANSLATE_NOOP("app::Menu", "Enter Puzzle..."), {}, &MenuActions::enterPuzzle, &MainWindow::enterPuzzle},
          {"MNU_SEP", nullptr, {}, nullptr, nullptr},
          {"MNU_STATS", QT_TRANSLATE_NOOP("app::Menu", "Statistics"), {}, &MenuActions::statistics, &MainWindow::showStatistics},
          {"MNU_PRN", QT_TRANSLATE_NOOP("app::Menu", "Print Game"), {}, &MenuActions::print, &MainWindow::showPrintDialog},
          {"MNU_SEP2", nullptr, {}, nullptr, nullptr},
          {"MNU_MP", QT_TRANSLATE_NOOP("app::Menu", "More Puzzles"), {}, &MenuActions::morePuzzles, &MainWindow::openMorePuzzles},
          {"MNU_SEP3", nullptr, {}, nullptr, nullptr},
          {"MNU_XIT", QT_TRANSLATE_NOOP("app::Menu", "Exit"), {}, &MenuActions::exit, &MainWindow::exitGame}}},
        {"MNU_SOLV",
         QT_TRANSLATE_NOOP("app::Menu", "Solving"),
         {{"MNU_PEN_1", QT_TRANSLATE_NOOP("app::Menu", "Use pen"), {}, &MenuActions::pen, &MainWindow::usePen},
          {"MNU_PEN_2", QT_TRANSLATE_NOOP("app::Menu", "Use Pencil"), {}, &MenuActions::pencil, &MainWindow::usePencil},
          {"MNU_SEP_S", nullptr, {}, nullptr, nullptr},
          {"MNU_CHK_ALL", QT_TRANSLATE_NOOP("app::Menu", "Check All"), {}, &MenuActions::checkAll, &MainWindow::checkAll},
          {"MNU_ZOOMIN", QT_TRANSLATE_NOOP("app::Menu", "Zoom In +"), QKeySequence(Qt::CTRL | Qt::Key_Z), &MenuActions::zoomIn, &MainWindow::zoomIn},
          {"MNU_ZOOMOUT", QT_TRANSLATE_NOOP("app::Menu", "Zoom Out -"), QKeySequence(Qt::CTRL | Qt::Key_O), &MenuActions::zoomOut, &MainWindow::zoomOut},
          {"MNU_SEP_U", nullptr, {}, nullptr, nullptr},
          {"MNU_UNDO", QT_TRANSLATE_NOOP("app::Menu", "Undo"), QKeySequence(Qt::CTRL | Qt::Key_U), &MenuActions::undo, &MainWindow::undo},
          {"MNU_REDO", QT_TRANSLATE_NOOP("app::Menu", "Redo"), QKeySequence(Qt::CTRL | Qt::Key_Y), &MenuActions::redo, &MainWindow::redo},
          {"MNU_SEP_C", nullptr, {}, nullptr, nullptr},
          {"MNU_CAND", QT_TRANSLATE_NOOP("app::Menu", "Use Candidates"), {}, &MenuActions::candidates, &MainWindow::switchCandidateMode},
          {"MNU_CAND_FILL", QT_TRANSLATE_NOOP("app::Menu", "Fill Candidates"), {}, &MenuActions::fillCandidates, &MainWindow::fillCandidates},
          {"MNU_CAND_CLEAR", QT_TRANSLATE_NOOP("app::Menu", "Clear Candidates"), {}, &MenuActions::clearCandidates, &MainWindow::clearCandidates},
          {"MNU_AUTOMARKS", QT_TRANSLATE_NOOP("app::Menu", "Remove Marks of Placed Digits"), {}, &MenuActions::autoMarks, &MainWindow::switchAutoMarks},
          {"MNU_SEP_HINT", nullptr, {}, nullptr, nullptr},
          {"MNU_HINT", QT_TRANSLATE_NOOP("app::Menu", "Hint"), QKeySequence(Qt::CTRL | Qt::Key_H), &MenuActions::hint, &MainWindow::showHint},
          {"MNU_HINT_APPLY", QT_TRANSLATE_NOOP("app::Menu", "Apply Hint"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_H), &MenuActions::applyHint, &MainWindow::applyHint},
          {"MNU_SOLUTION", QT_TRANSLATE_NOOP("app::Menu", "Show Solution"), {}, &MenuActions::solution, &MainWindow::showSolution},
          {"MNU_SEP_A", nullptr, {}, nullptr, nullptr},
          {"MNU_COMBOS", QT_TRANSLATE_NOOP("app::Menu", "Combinations"), {}, &MenuActions::combinations, &MainWindow::switchCombinations},
          {"MNU_CONFLICTS", QT_TRANSLATE_NOOP("app::Menu", "Show Conflicts"), {}, &MenuActions::conflicts, &MainWindow::switchConflicts}}},
        {"MNU_HLPMN",
         QT_TRANSLATE_NOOP("app::Menu", "Help"),
         {{"MNU_HTP", QT_TRANSLATE_NOOP("app::Menu", "How to play"), QKeySequence(Qt::Key_F1), &MenuActions::help, &MainWindow::openHelp},
          {"MNU_MP_H", QT_TRANSLATE_NOOP("app::Menu", "More Puzzles"), {}, &MenuActions::morePuzzlesFromHelp, &MainWindow::openMorePuzzles},
          {"MNU_CS_WEB", QT_TRANSLATE_NOOP("app::Menu", "Korvel Website"), {}, &MenuActions::webSite, &MainWindow::openWebSite},
          {"MNU_SEP_H", nullptr, {}, nullptr, nullptr},
          {"MNU_ABT", QT_TRANSLATE_NOOP("app::Menu", "About"), {}, &MenuActions::about, &MainWindow::showAbout}}},
    };
    return menus;
}

// A main toolbar button: the member that holds it, its caption (nullptr for a separator), the
// menu entry whose command it runs and its picture. tb_1.. in this order.
struct MainWindow::ToolbarButton {
    QAction *MainToolbarButtons::*button;
    const char *caption;
    QAction *MenuActions::*runs;
    int picture;
};

const std::initializer_list<MainWindow::ToolbarButton> &MainWindow::mainToolbarTable()
{
    static const std::initializer_list<ToolbarButton> buttons = {
        {&MainToolbarButtons::previous, QT_TRANSLATE_NOOP("app::MainToolbar", "Prev"), &MenuActions::previousPuzzle, view::toolImage::Prev},
        {&MainToolbarButtons::firstGap, nullptr, nullptr, 0},
        {&MainToolbarButtons::next, QT_TRANSLATE_NOOP("app::MainToolbar", "Next"), &MenuActions::nextPuzzle, view::toolImage::Next},
        {&MainToolbarButtons::restart, QT_TRANSLATE_NOOP("app::MainToolbar", "Restart"), &MenuActions::restart, view::toolImage::Restart},
        {&MainToolbarButtons::secondGap, nullptr, nullptr, 0},
        {&MainToolbarButtons::pencil, QT_TRANSLATE_NOOP("app::MainToolbar", "Pencil"), &MenuActions::pencil, view::toolImage::Pencil},
        {&MainToolbarButtons::pen, QT_TRANSLATE_NOOP("app::MainToolbar", "Pen"), &MenuActions::pen, view::toolImage::Pen},
        {&MainToolbarButtons::thirdGap, nullptr, nullptr, 0},
        {&MainToolbarButtons::check, QT_TRANSLATE_NOOP("app::MainToolbar", "Check"), &MenuActions::checkAll, view::toolImage::Check},
        {&MainToolbarButtons::undo, QT_TRANSLATE_NOOP("app::MainToolbar", "Undo"), &MenuActions::undo, view::toolImage::Undo},
        {&MainToolbarButtons::redo, QT_TRANSLATE_NOOP("app::MainToolbar", "Redo"), &MenuActions::redo, view::toolImage::Redo},
        {&MainToolbarButtons::marks, QT_TRANSLATE_NOOP("app::MainToolbar", "Marks"), &MenuActions::candidates, view::toolImage::Marks},
    };
    return buttons;
}
// clang-format on

MainWindow::MainWindow(game::Game &game, store::PlayerSettings &settings, const QString &appFolder,
                       QWidget *parent)
    : QMainWindow(parent), game_(game), settings_(settings), appFolder_(appFolder)
{
    setObjectName(QStringLiteral("frmTavMn"));
    setWindowTitle(platform::appTitle);
    setWindowIcon(platform::windowIcon());
    buildMenus();
    buildToolbars();
    boardView_ = new view::BoardView(game_, centralWidget());
    boardView_->setFocus(); // keys go to the board from the start, not to the puzzle number box
    setFixedSize(view::windowWidthPx, view::windowHeightPx);
    hintPanel_ = new view::HintPanel(this);
    connectGame();
    // At logout or shutdown the window may go without being closed: what closing it does runs
    // here instead, once, and speaks only when the session lets it.
    connect(
        qGuiApp, &QGuiApplication::commitDataRequest, this,
        [this](QSessionManager &session) { unload(session.allowsInteraction()); }, Qt::DirectConnection);
    connect(qGuiApp, &QGuiApplication::aboutToQuit, this, [this] { unload(false); });
    grades_ = new game::BookGrades(game_.book(), this);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenus()
{
    for (const Menu &menu : menuTable()) {
        QMenu *m = menuBar()->addMenu(QCoreApplication::translate("app::Menu", menu.caption));
        m->setObjectName(QString::fromUtf8(menu.name));
        for (const MenuEntry &entry : menu.entries) {
            QAction *a = entry.caption ? m->addAction(QCoreApplication::translate("app::Menu", entry.caption))
                                       : m->addSeparator();
            a->setObjectName(QString::fromUtf8(entry.name));
            a->setShortcut(entry.shortcut);
            if (entry.action)
                actions_.*entry.action = a;
            if (entry.command)
                connect(a, &QAction::triggered, this, entry.command);
        }
    }
    for (QAction *a : {actions_.pen, actions_.pencil, actions_.keepProgress, actions_.pause,
                       actions_.candidates, actions_.autoMarks, actions_.combinations, actions_.conflicts})
        a->setCheckable(true);
    // Show Solution's key belongs to the board: the entry shows it and acts on it only while its
    // menu is open.
    actions_.solution->setShortcutContext(Qt::WidgetShortcut);

    // The colour schemes, in their stored order, one of them chosen.
    QMenu *colours = findChild<QMenu *>(QStringLiteral("MNU_SOLV"))->addMenu(tr("Colours"));
    colours->setObjectName(QStringLiteral("MNU_COLOURS"));
    colours->menuAction()->setObjectName(QStringLiteral("MNU_COLOURS"));
    colourSchemes_ = new QActionGroup(this);
    const std::pair<const char *, const char *> kSchemes[] = {
        {"MNU_COLOUR_CLASSIC", QT_TRANSLATE_NOOP("app::MainWindow", "Classic")},
        {"MNU_COLOUR_PAPER", QT_TRANSLATE_NOOP("app::MainWindow", "Paper")},
        {"MNU_COLOUR_DARK", QT_TRANSLATE_NOOP("app::MainWindow", "Dark")},
        {"MNU_COLOUR_CONTRAST", QT_TRANSLATE_NOOP("app::MainWindow", "High Contrast")}};
    for (int k = 0; k < store::kColourSchemeCount; ++k) {
        QAction *a = colours->addAction(tr(kSchemes[k].second));
        a->setObjectName(QString::fromLatin1(kSchemes[k].first));
        a->setCheckable(true);
        colourSchemes_->addAction(a);
        connect(a, &QAction::triggered, this, [this, k] { chooseColourScheme(k); });
    }
    buildOptionMenus();
}

// A checkable toolbar button can be toggled on its own, without a click, as a screen reader's
// Toggle action does. Once the toggle has settled, a button that disagrees with the game runs its
// click instead, and then shows what the game holds; a click has already made them agree.
void MainWindow::clickOnToggle(QAction *button, const std::function<void()> &click,
                               const std::function<bool()> &gameHasItDown)
{
    auto *bar = button->parent() == mainToolbar_ ? mainToolbar_ : numberToolbar_;
    auto *widget = qobject_cast<QAbstractButton *>(bar->widgetForAction(button));
    if (!widget)
        return;
    connect(widget, &QAbstractButton::toggled, this, [this, button, widget, click, gameHasItDown] {
        QTimer::singleShot(0, this, [button, widget, click, gameHasItDown] {
            if (widget->isChecked() == gameHasItDown())
                return;
            click();
            button->setChecked(gameHasItDown());
            widget->setChecked(gameHasItDown());
        });
    });
}

void MainWindow::buildToolbars()
{
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("central"));
    setCentralWidget(central);
    const view::ToolImages &images = view::toolImages();

    mainToolbar_ = new QToolBar(central);
    mainToolbar_->setObjectName(QStringLiteral("tb"));
    mainToolbar_->setMovable(false);
    mainToolbar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    int index = 0;
    for (const ToolbarButton &b : mainToolbarTable()) {
        QAction *a = b.caption
                         ? mainToolbar_->addAction(QIcon(images.image(b.picture)),
                                                   QCoreApplication::translate("app::MainToolbar", b.caption))
                         : mainToolbar_->addSeparator();
        a->setObjectName(QStringLiteral("tb_%1").arg(++index));
        mainButtons_.*b.button = a;
        if (b.caption)
            connect(a, &QAction::triggered, this,
                    [this, a, command = actions_.*b.runs] { mainToolbarClicked(a, command); });
    }
    for (QAction *a : {mainButtons_.pencil, mainButtons_.pen, mainButtons_.marks})
        a->setCheckable(true);

    numberBox_ = new PuzzleNumberBox(mainToolbar_);
    numberBox_->setFixedWidth(60);
    numberBox_->setToolTip(tr("Type a puzzle number and press Enter"));
    numberBox_->setAccessibleName(tr("Puzzle number"));
    connect(numberBox_, &QLineEdit::returnPressed, this, &MainWindow::goToTypedPuzzle);
    mainToolbar_->addSeparator();
    mainToolbar_->addWidget(numberBox_);

    numberToolbar_ = new QToolBar(central);
    numberToolbar_->setObjectName(QStringLiteral("tbNumButns"));
    numberToolbar_->setOrientation(Qt::Vertical);
    numberToolbar_->setMovable(false);
    for (int k = 1; k <= 11; ++k) {
        QAction *a = numberToolbar_->addAction(k <= 9 ? QString::number(k) : QString());
        a->setObjectName(QStringLiteral("tbNumButns_%1").arg(k));
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, k] { numberToolbarClicked(k); });
        numberButtons_[std::size_t(k)] = a;
    }
    QAction *eraser = numberButtons_[view::BoardView::kEraser];
    eraser->setText(tr("Eraser"));
    eraser->setIcon(QIcon(images.image(view::toolImage::Eraser)));
    if (auto *button = qobject_cast<QToolButton *>(numberToolbar_->widgetForAction(eraser)))
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    // "No tool" has a picture and no caption; its name is for tool tips and screen readers.
    QAction *noTool = numberButtons_[view::BoardView::kNoTool];
    noTool->setIcon(QIcon(images.image(view::toolImage::NoTool)));
    noTool->setToolTip(tr("No tool"));
    if (QWidget *button = numberToolbar_->widgetForAction(noTool))
        button->setAccessibleName(tr("No tool"));

    clickOnToggle(
        mainButtons_.pencil, [this] { mainToolbarClicked(mainButtons_.pencil, actions_.pencil); },
        [this] { return game_.pencilMode(); });
    clickOnToggle(
        mainButtons_.pen, [this] { mainToolbarClicked(mainButtons_.pen, actions_.pen); },
        [this] { return !game_.pencilMode(); });
    clickOnToggle(
        mainButtons_.marks, [this] { mainToolbarClicked(mainButtons_.marks, actions_.candidates); },
        [this] { return game_.candidateMode(); });
    for (int k = 1; k <= 11; ++k) {
        clickOnToggle(
            numberButtons_[std::size_t(k)], [this, k] { numberToolbarClicked(k); },
            [this, k] { return k != view::BoardView::kNoTool && boardView_->numberTool() == k; });
    }
    mainToolbar_->setAccessibleName(tr("Main toolbar"));
    numberToolbar_->setAccessibleName(tr("Number tools"));

    auto *watcher =
        new MainToolbarWatcher(*mainToolbar_, *mainButtons_.secondGap, *mainButtons_.pencil, this);
    mainToolbar_->installEventFilter(watcher);
    for (QWidget *child : mainToolbar_->findChildren<QWidget *>())
        child->installEventFilter(watcher);
}

// The main toolbar runs along the top of the window's inside below the menu bar, the number
// toolbar down its left, and the board takes the rest.
void MainWindow::placeControls()
{
    QWidget *central = centralWidget();
    const int toolbarHeight = mainToolbar_->sizeHint().height();
    const int numberBarWidth = numberToolbar_->sizeHint().width();
    mainToolbar_->setGeometry(0, 0, central->width(), toolbarHeight);
    numberToolbar_->setGeometry(0, toolbarHeight, numberBarWidth,
                                std::max(0, central->height() - toolbarHeight));
    boardView_->setGeometry(numberBarWidth, toolbarHeight, std::max(0, central->width() - numberBarWidth),
                            std::max(0, central->height() - toolbarHeight));
}

// A toolbar button runs its menu entry's command; Pencil and Pen first show their own pointer on
// the board. Every main toolbar click but Undo and Redo puts the number tool down (which releases
// the eraser).
void MainWindow::mainToolbarClicked(QAction *button, QAction *command)
{
    if (button == mainButtons_.pencil || button == mainButtons_.pen) {
        const bool pencil = button == mainButtons_.pencil;
        boardView_->showPointer(view::toolImages().pointer(pencil ? view::toolImage::PencilPointer
                                                                  : view::toolImage::PenPointer));
    }
    command->trigger();
    if (button != mainButtons_.undo && button != mainButtons_.redo)
        boardView_->setNumberTool(view::BoardView::kNoTool);
}

void MainWindow::load()
{
    actions_.about->setText(tr("About %1").arg(platform::appTitle));
    boardView_->setNumberTool(view::BoardView::kNoTool);
    const store::Settings &stored = settings_.values();
    actions_.keepProgress->setChecked(stored.keepProgress);
    actions_.autoMarks->setChecked(stored.autoMarks);
    chooseKeyScheme(stored.keyScheme);
    game_.openPuzzle(stored.lastPuzzle);
    applyWindowPlace();
    setPencilMode(game_.pencilMode());
    boardView_->showPenOrPencilPointer();
    chooseColourScheme(int(stored.colourScheme));
    if (stored.showConflicts)
        actions_.conflicts->trigger();
    if (stored.showCombinations)
        actions_.combinations->trigger();
    grades_->start();
}

void MainWindow::unload(bool messagesAllowed)
{
    if (unloaded_)
        return;
    unloaded_ = true;
    game_.stopClock();
    if (QString error; !game_.keepProgress(&error) && messagesAllowed)
        platform::message(this, error, platform::appTitle);
    rememberCombinationsPlace();
    rememberWindowPlace();
    if (!settings_.save() && messagesAllowed)
        platform::message(nullptr, store::storeFailureText(), platform::appTitle);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    unload();
    event->accept();
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (fitDueAtShow_) {
        fitDueAtShow_ = false;
        boardView_->fitZoom();
    }
    if (settings_.values().showCombinations && !(combinationWindow_ && combinationWindow_->isVisible()))
        switchCombinations();
}

void MainWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    // A window manager may leave a minimised window on screen; once the player works in it again
    // it is not minimised, and the clock that stopped for it goes on.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() &&
        (windowState() & Qt::WindowMinimized)) {
        setWindowState(windowState() & ~Qt::WindowMinimized);
        return;
    }
    if (event->type() == QEvent::WindowStateChange) {
        const auto *change = static_cast<QWindowStateChangeEvent *>(event);
        if ((change->oldState() & Qt::WindowMinimized) && !(windowState() & Qt::WindowMinimized))
            onWindowRestored();
    }
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    placeControls();
    if (!(windowState() & Qt::WindowMinimized))
        onWindowRestored();
}

void MainWindow::onWindowRestored()
{
    if (!settings_.values().fitWindow) {
        // The player cannot change the size. Qt skips setFixedSize() when the limits stand as they
        // are, so a size forced on the window from outside is put back explicitly.
        const QSize fixed(view::windowWidthPx, view::windowHeightPx);
        setFixedSize(fixed);
        if (size() != fixed)
            resize(fixed);
    }
    game_.setWindowMinimised(false);
}

void MainWindow::keyPressEvent(QKeyEvent *event)
{
    boardView_->handleKey(view::virtualKeyCode(*event), view::BoardView::KeySource::Window);
}

void MainWindow::focusInEvent(QFocusEvent *event)
{
    QMainWindow::focusInEvent(event);
    boardView_->setFocus();
}

} // namespace app
