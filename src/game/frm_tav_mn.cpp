// The main window's construction, its load and unload, and its window-level events.
#include "game/frm_tav_mn.h"

#include "platform/app_identity.h"
#include "view/board_layout.h"
#include "view/board_picture.h"
#include "view/key_codes.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QScrollBar>
#include <QTimer>
#include <QToolBar>
#include <QWindowStateChangeEvent>

namespace {

struct MenuItem {
    const char *name;
    const char *caption; // nullptr: a separator
    QKeySequence shortcut;
};

} // namespace

frmTavMn::frmTavMn(modData::Board &board, modReg::Settings &settings, const QString &appFolder,
                   QWidget *parent)
    : QMainWindow(parent), board_(board), settings_(settings), appFolder_(appFolder)
{
    setObjectName(QStringLiteral("frmTavMn"));
    setWindowTitle(appIdentity::title);
    setWindowIcon(appIdentity::windowIcon());
    buildMenus();
    buildToolbars();
    buildBoardArea();
    timerSec = new QTimer(this);
    timerSec->setObjectName(QStringLiteral("timerSec"));
    timerSec->setInterval(1000);
    connect(timerSec, &QTimer::timeout, this, &frmTavMn::timerSec_Timer);
    connectCommands();
    connectBoardView();
    connectGameFlow();
}

frmTavMn::~frmTavMn() = default;

void frmTavMn::buildMenus()
{
    const auto addMenu = [this](const char *name, const char *caption, std::initializer_list<MenuItem> items) {
        QMenu *menu = menuBar()->addMenu(QString::fromUtf8(caption));
        menu->setObjectName(QString::fromUtf8(name));
        for (const MenuItem &item : items) {
            QAction *a = item.caption ? menu->addAction(QString::fromUtf8(item.caption)) : menu->addSeparator();
            a->setObjectName(QString::fromUtf8(item.name));
            if (!item.shortcut.isEmpty())
                a->setShortcut(item.shortcut);
        }
    };
    addMenu("MNU_GM", "Game",
            {{"MNU_NEXT", "Next game", QKeySequence(Qt::CTRL | Qt::Key_N)},
             {"MNU_PREV", "Previous Game", QKeySequence(Qt::CTRL | Qt::Key_B)},
             {"MNU_RST", "Restart Game", {}},
             {"MNU_SAVE", "Save Game", {}},
             {"MNU_SEP", nullptr, {}},
             {"MNU_STATS", "Statistics", {}},
             {"MNU_PRN", "Print Game", {}},
             {"MNU_SEP2", nullptr, {}},
             {"MNU_MP", "More Puzzles", {}},
             {"MNU_SEP3", nullptr, {}},
             {"MNU_XIT", "Exit", {}}});
    addMenu("MNU_SOLV", "Solving",
            {{"MNU_PEN_1", "Use pen", {}},
             {"MNU_PEN_2", "Use Pencil", {}},
             {"MNU_SEP_S", nullptr, {}},
             {"MNU_CHK_ALL", "Check All", {}},
             {"MNU_ZOOMIN", "Zoom In +", QKeySequence(Qt::CTRL | Qt::Key_Z)},
             {"MNU_ZOOMOUT", "Zoom Out -", QKeySequence(Qt::CTRL | Qt::Key_O)}});
    addMenu("MNU_HLPMN", "Help",
            {{"MNU_HTP", "How to play", QKeySequence(Qt::Key_F1)},
             {"MNU_MP_H", "More Puzzles", {}},
             {"MNU_CS_WEB", "Korvel Website", {}},
             {"MNU_SEP_H", nullptr, {}},
             {"MNU_ABT", "About", {}}});
    action(QStringLiteral("MNU_PEN_1"))->setCheckable(true);
    action(QStringLiteral("MNU_PEN_2"))->setCheckable(true);
}

QAction *frmTavMn::action(const QString &objectName) const
{
    return findChild<QAction *>(objectName);
}

void frmTavMn::buildToolbars()
{
    central = new QWidget(this);
    central->setObjectName(QStringLiteral("central"));
    setCentralWidget(central);

    tb = new QToolBar(central);
    tb->setObjectName(QStringLiteral("tb"));
    tb->setMovable(false);
    tb->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    const char *captions[] = {nullptr, "Prev", nullptr, "Next", "Restart", nullptr, "Pencil", "Pen", nullptr, "Check"};
    for (int i = 1; i <= 9; ++i) {
        QAction *a = captions[i] ? tb->addAction(QString::fromUtf8(captions[i])) : tb->addSeparator();
        a->setObjectName(QStringLiteral("tb_%1").arg(i));
        tbButtons[std::size_t(i)] = a;
    }
    tbButtons[6]->setCheckable(true);
    tbButtons[7]->setCheckable(true);

    txtGN = new QLineEdit(tb);
    txtGN->setObjectName(QStringLiteral("txtGN"));
    txtGN->setFixedWidth(60);
    txtGN->setToolTip(tr("Type a puzzle number and press Enter"));
    tb->addSeparator();
    tb->addWidget(txtGN);

    tbNumButns = new QToolBar(central);
    tbNumButns->setObjectName(QStringLiteral("tbNumButns"));
    tbNumButns->setOrientation(Qt::Vertical);
    tbNumButns->setMovable(false);
    for (int k = 1; k <= 11; ++k) {
        const QString text = k <= 9 ? QString::number(k) : (k == 10 ? QStringLiteral("Eraser") : QString());
        QAction *a = tbNumButns->addAction(text);
        a->setObjectName(QStringLiteral("tbNumButns_%1").arg(k));
        a->setCheckable(true);
        numButtons[std::size_t(k)] = a;
    }
    numButtons[11]->setVisible(false); // "no tool" has no button of its own to press
    tb->adjustSize();
    tbNumButns->adjustSize();
}

void frmTavMn::buildBoardArea()
{
    boardView = new QWidget(central);
    boardView->setObjectName(QStringLiteral("boardView"));
    pbGrid = new BoardPicture(boardView);
    VScroll1 = new QScrollBar(Qt::Vertical, central);
    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    HScroll1 = new QScrollBar(Qt::Horizontal, central);
    HScroll1->setObjectName(QStringLiteral("HScroll1"));
    VScroll1->setCursor(Qt::ArrowCursor);
    HScroll1->setCursor(Qt::ArrowCursor);
    canvas.hdc = pbGrid->canvas();
    pbGrid->setFocus(); // keys go to the board from the start, not to the puzzle number box
    canvas.cellSize = 33;
}

void frmTavMn::formLoad()
{
    action(QStringLiteral("MNU_ABT"))->setText(QStringLiteral("About ") + appIdentity::title);
    canvas.cellSize = 33;
    numberTool = 11;
    zoomLevel = 3;
    updateNumberButtons();
    startGame(false);
    // Taken after startGame has clamped the stored number into the book, so that the box, the
    // caption and Next/Previous all speak of the puzzle actually open.
    shownPuzzle = board_.lastPlayed[1];
    txtGN->setText(QString::number(shownPuzzle));
    MNU_PEN_Click(board_.pencilMode != 0 ? 2 : 1);
    updateBoardCursor();
}

void frmTavMn::formUnload()
{
    if (unloaded_)
        return;
    unloaded_ = true;
    timerSec->stop();
    modReg::saveSettings(board_, settings_);
}

void frmTavMn::closeEvent(QCloseEvent *event)
{
    formUnload();
    event->accept();
}

void frmTavMn::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        const auto *change = static_cast<QWindowStateChangeEvent *>(event);
        if ((change->oldState() & Qt::WindowMinimized) && !(windowState() & Qt::WindowMinimized))
            onWindowRestored();
    }
}

void frmTavMn::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    if (!(windowState() & Qt::WindowMinimized))
        onWindowRestored();
}

void frmTavMn::onWindowRestored()
{
    setFixedSize(windowWidthPx, windowHeightPx); // the user cannot change the window's size
    // Only a stopped clock is started: restarting a running one would push its next tick back
    // by up to a second at every resize.
    if (!timerSec->isActive())
        timerSec->start();
}

void frmTavMn::keyPressEvent(QKeyEvent *event)
{
    frmTavMn_KeyDown(keyCodes::virtualKeyCode(*event));
}

void frmTavMn::focusInEvent(QFocusEvent *event)
{
    QMainWindow::focusInEvent(event);
    pbGrid->setFocus();
}

void frmTavMn::mouseMoveEvent(QMouseEvent *event)
{
    QMainWindow::mouseMoveEvent(event);
    unsetCursor();
}
