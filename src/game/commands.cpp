// Menus, toolbars, the pen/pencil switch and the number tool.
#include "game/frm_tav_mn.h"

#include "game/toolbar_images.h"
#include "platform/app_identity.h"
#include "platform/modal.h"
#include "print/print_dialog.h"
#include "shell/open_document.h"
#include "shell/shell_dialogs.h"
#include "store/score_dialogs.h"
#include "view/board_picture.h"
#include "view/key_codes.h"

#include <QAction>
#include <QEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QToolBar>
#include <QToolButton>

namespace {

// Watches the main toolbar and everything on it: moving over it gives the window its default
// pointer back, and a press between the left edges of buttons 5 and 6 shows where it was.
class MainToolbarWatcher : public QObject {
public:
    explicit MainToolbarWatcher(frmTavMn &window) : QObject(&window), window_(window) {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::Enter:
        case QEvent::HoverMove:
        case QEvent::MouseMove:
            window_.unsetCursor();
            return false;
        case QEvent::MouseButtonPress:
            return pressed(*static_cast<QWidget *>(watched), *static_cast<QMouseEvent *>(event));
        default:
            return false;
        }
    }

private:
    // The toolbar reports its mouse in twips; X divided by the twips per pixel is compared with
    // the buttons' left edges. Returns true when the message box took the press.
    bool pressed(QWidget &where, const QMouseEvent &event)
    {
        QToolBar &bar = *window_.tb;
        const QPointF at = &where == &bar ? event.position() : where.mapTo(&bar, event.position());
        const double twipsPerPixelX = 1440.0 / bar.logicalDpiX();
        const double twipsPerPixelY = 1440.0 / bar.logicalDpiY();
        const double xTwips = at.x() * twipsPerPixelX;
        const double yTwips = at.y() * twipsPerPixelY;
        const double x = xTwips / twipsPerPixelX;
        const QWidget *button5 = bar.widgetForAction(window_.tbButtons[5]);
        const QWidget *button6 = bar.widgetForAction(window_.tbButtons[6]);
        if (!button5 || !button6 || x < button5->x() || x > button6->x())
            return false;
        modal::message(&window_, QString::number(yTwips) + QLatin1Char(',') + QString::number(x),
                       appIdentity::title, QMessageBox::Ok);
        return true;
    }

    frmTavMn &window_;
};

} // namespace

const ImageList &frmTavMn::tbImg() const { return *tbImg_; }

void frmTavMn::connectCommands()
{
    tbImg_ = std::make_shared<const ImageList>();

    // Commands that other parts of the window may wire too are connected uniquely, so that each
    // runs once per click whoever connected it first.
    const auto wire = [this](const char *name, void (frmTavMn::*command)()) {
        connect(action(QString::fromLatin1(name)), &QAction::triggered, this, command, Qt::UniqueConnection);
    };
    wire("MNU_NEXT", &frmTavMn::nextPuzzle);
    wire("MNU_PREV", &frmTavMn::previousPuzzle);
    wire("MNU_RST", &frmTavMn::restartPuzzle);
    wire("MNU_SAVE", &frmTavMn::saveGame);
    wire("MNU_STATS", &frmTavMn::showStatistics);
    wire("MNU_PRN", &frmTavMn::showPrintDialog);
    wire("MNU_XIT", &frmTavMn::exitGame);
    wire("MNU_CHK_ALL", &frmTavMn::checkAll);
    wire("MNU_ZOOMIN", &frmTavMn::zoomIn);
    wire("MNU_ZOOMOUT", &frmTavMn::zoomOut);
    connect(txtGN, &QLineEdit::returnPressed, this, &frmTavMn::goToTypedPuzzle, Qt::UniqueConnection);

    const auto on = [this](const char *name, auto command) {
        connect(action(QString::fromLatin1(name)), &QAction::triggered, this, command);
    };
    on("MNU_PEN_1", [this] { MNU_PEN_Click(1); });
    on("MNU_PEN_2", [this] { MNU_PEN_Click(2); });
    on("MNU_MP", [this] { shellLinks::openDocument(shellLinks::morePuzzlesPath(appFolder_)); });
    on("MNU_MP_H", [this] { shellLinks::openDocument(shellLinks::morePuzzlesPath(appFolder_)); });
    on("MNU_HTP", [this] { shellLinks::openDocument(shellLinks::helpPagePath(appFolder_)); });
    on("MNU_CS_WEB", [] { shellLinks::openDocument(appIdentity::gameWebPage); });
    on("MNU_ABT", [this] {
        frmAbt about(appFolder_, this);
        modal::exec(about);
    });

    for (int i = 1; i <= 9; ++i) {
        if (!tbButtons[std::size_t(i)]->isSeparator())
            connect(tbButtons[std::size_t(i)], &QAction::triggered, this, [this, i] { tb_ButtonClick(i); });
    }
    for (int k = 1; k <= 11; ++k)
        connect(numButtons[std::size_t(k)], &QAction::triggered, this, [this, k] { tbNumButns_ButtonClick(k); });

    const ImageList &images = tbImg();
    const std::pair<int, int> pictures[] = {{1, tbImage::Prev},   {3, tbImage::Next}, {4, tbImage::Restart},
                                            {6, tbImage::Pencil}, {7, tbImage::Pen},  {9, tbImage::Check}};
    for (const auto &[button, picture] : pictures)
        tbButtons[std::size_t(button)]->setIcon(QIcon(images.image(picture)));
    numButtons[10]->setIcon(QIcon(images.image(tbImage::Eraser)));
    if (auto *eraser = qobject_cast<QToolButton *>(tbNumButns->widgetForAction(numButtons[10])))
        eraser->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    tb->adjustSize();
    tbNumButns->adjustSize();

    auto *watcher = new MainToolbarWatcher(*this);
    tb->installEventFilter(watcher);
    for (QWidget *child : tb->findChildren<QWidget *>())
        child->installEventFilter(watcher);

    pbGrid->onKeyDown = [this](QKeyEvent *e) { pbGrid_KeyDown(keyCodes::virtualKeyCode(*e)); };
    pbGrid->onMouseDown = [this](QMouseEvent *e) { pbGrid_MouseDown(e->button(), e->position().x(), e->position().y()); };
    pbGrid->onMouseMove = [this](QMouseEvent *e) { pbGrid_MouseMove(e->buttons(), e->position().x(), e->position().y()); };
    pbGrid->onMouseUp = [this](QMouseEvent *e) { pbGrid_MouseUp(e->button(), e->position().x(), e->position().y()); };
}

void frmTavMn::MNU_PEN_Click(int index)
{
    const bool pencil = index == 2;
    action(QStringLiteral("MNU_PEN_1"))->setChecked(!pencil);
    action(QStringLiteral("MNU_PEN_2"))->setChecked(pencil);
    board_.pencilMode = pencil ? 1 : 0;
    tbButtons[6]->setChecked(pencil);
    tbButtons[7]->setChecked(!pencil);
}

void frmTavMn::tb_ButtonClick(int index)
{
    switch (index) {
    case 1:
        unsetCursor();
        previousPuzzle();
        break;
    case 3:
        unsetCursor();
        nextPuzzle();
        break;
    case 4:
        unsetCursor();
        restartPuzzle();
        break;
    case 6:
    case 7: {
        const bool pencil = index == 6;
        if (numButtons[10]->isChecked())
            numButtons[10]->setChecked(false);
        showPointer(*this, tbImg().pointer(pencil ? tbImage::PencilPointer : tbImage::PenPointer));
        MNU_PEN_Click(pencil ? 2 : 1);
        break;
    }
    case 9:
        unsetCursor();
        checkAll();
        break;
    default:
        break;
    }
    numberTool = 11;
    updateNumberButtons();
}

void frmTavMn::tbNumButns_ButtonClick(int index)
{
    if (index >= 1 && index <= 10) {
        numberTool = index;
        updateBoardCursor();
    } else if (index == 11) {
        numberTool = 11;
    }
    updateNumberButtons();
}

void frmTavMn::updateNumberButtons()
{
    for (int k = 1; k <= 11; ++k)
        numButtons[std::size_t(k)]->setChecked(k == numberTool);
}

void frmTavMn::updateBoardCursor()
{
    if (tbButtons[6]->isChecked())
        showPointer(*this, tbImg().pointer(tbImage::BoardPencil));
    else if (tbButtons[7]->isChecked())
        showPointer(*this, tbImg().pointer(tbImage::BoardPen));
}

void frmTavMn::showStatistics()
{
    diagStats dialog(*this);
    modal::exec(dialog);
}

void frmTavMn::showPrintDialog()
{
    frmPrinterDialog dialog(*this);
    modal::exec(dialog);
}
