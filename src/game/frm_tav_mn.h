// The main window: the board, its menus and toolbars, and the game played on it.
// Its behaviour is spread over files by responsibility:
//   game/frm_tav_mn.cpp      construction, window load and unload, window events
//   game/game_flow.cpp       starting and changing puzzles, restart, save, exit
//   game/checking.cpp        Check All and completion
//   game/game_clock.cpp      the one-second clock and the caption
//   game/commands.cpp        menus, toolbars, pen/pencil, number tool
//   view/board_geometry.cpp  placement, zoom, scrolling, full repaint
//   view/board_input.cpp     selection, keyboard and mouse on the board
#pragma once

#include "puzzle/board_model.h"
#include "store/settings_store.h"
#include "view/board_painter.h"

#include <QMainWindow>
#include <QString>

#include <array>
#include <memory>

class BoardPicture;
class ImageList;
class QAction;
class QActionGroup;
class QLineEdit;
class QScrollBar;
class QTimer;
class QToolBar;
class QToolButton;

class frmTavMn : public QMainWindow {
    Q_OBJECT
public:
    // `appFolder` is the program folder without a trailing separator; saved games and help
    // pages are found from it.
    frmTavMn(modData::Board &board, modReg::Settings &settings, const QString &appFolder,
             QWidget *parent = nullptr);
    ~frmTavMn() override;

    modData::Board &board() { return board_; }
    modReg::Settings &settings() { return settings_; }
    const QString &appFolder() const { return appFolder_; }

    // --- Window load and unload (frm_tav_mn.cpp) ---
    void formLoad();   // prepares the window and starts the current puzzle; run once, hidden
    void formUnload(); // stores the settings; run once, when the window goes away

    // --- Game flow (game_flow.cpp) ---
    void startGame(bool bRestart = false);
    void enableFromPause(bool b);
    void nextPuzzle();     // MNU_NEXT, toolbar Next
    void previousPuzzle(); // MNU_PREV, toolbar Prev
    void goToTypedPuzzle(); // Enter in txtGN
    void restartPuzzle();  // MNU_RST, toolbar Restart
    void saveGame();       // MNU_SAVE
    void exitGame();       // MNU_XIT
    QString savedGamePath(int puzzleNumber) const;

    // --- Checking (checking.cpp) ---
    void checkAll();
    void checkIfFull();
    void finishCheck();

    // --- Clock (game_clock.cpp) ---
    void timerSec_Timer();

    // --- Commands (commands.cpp) ---
    void MNU_PEN_Click(int index); // 1 pen, 2 pencil
    void tb_ButtonClick(int index); // main toolbar, 1..9
    void tbNumButns_ButtonClick(int index); // number toolbar, 1..11
    void updateNumberButtons();
    void updateBoardCursor();
    void showStatistics(); // MNU_STATS
    void showPrintDialog(); // MNU_PRN, F12
    const ImageList &tbImg() const; // toolbar and pointer pictures (game/toolbar_images.h)

    // --- Geometry and zoom (view/board_geometry.cpp) ---
    void resizeWindow();
    void resizeToZoom();
    int getZoomFontSizeSolution() const;
    double getZoomFontSizeTally() const;
    void zoomIn();  // MNU_ZOOMIN
    void zoomOut(); // MNU_ZOOMOUT
    void HScroll1_Change(); // value changed, by any means
    void HScroll1_Scroll(); // thumb dragged
    void VScroll1_Change();
    void VScroll1_Scroll();

    // --- Board input (view/board_input.cpp) ---
    void setSelectedCellTo(int newX, int newY);
    // keyCode: the board's key codes of view/key_codes.h (vk::...).
    void pbGrid_KeyDown(int keyCode);
    void frmTavMn_KeyDown(int keyCode);
    void pbGrid_MouseDown(Qt::MouseButton button, double x, double y);
    void pbGrid_MouseMove(Qt::MouseButtons buttons, double x, double y);
    void pbGrid_MouseUp(Qt::MouseButton button, double x, double y);
    void paintSolution(); // F9

    // --- Public fields, as other windows read and write them ---
    int shownPuzzle = 0;
    int zoomLevel = 3;
    BoardCanvas canvas;   // the board picture's canvas and cell size
    int numberTool = 11;  // 1-9 digit, 10 eraser, 11 none
    int selCol = -1;
    int selRow = -1;
    int elapsedHours = 0;
    int elapsedMinutes = 0;
    int elapsedSeconds = 0;
    std::int16_t secondsPlayed = 0;
    QString timePlayedText;

    // --- Controls (objectNames as named) ---
    QWidget *central = nullptr;       // the client area the geometry formulas work in
    QToolBar *tb = nullptr;           // main toolbar
    QToolBar *tbNumButns = nullptr;   // number toolbar
    QWidget *boardView = nullptr;     // clips pbGrid to the space left for it
    BoardPicture *pbGrid = nullptr;
    QScrollBar *VScroll1 = nullptr;
    QScrollBar *HScroll1 = nullptr;
    QLineEdit *txtGN = nullptr;
    QTimer *timerSec = nullptr;
    std::array<QAction *, 10> tbButtons{};     // main toolbar buttons 1..9 (index 0 unused)
    std::array<QAction *, 12> numButtons{};    // number toolbar buttons 1..11 (index 0 unused)

    // Menu actions by name.
    QAction *action(const QString &objectName) const;

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void buildMenus();
    void buildToolbars();
    void buildBoardArea();
    void connectCommands(); // commands.cpp
    void connectBoardView(); // view/board_geometry.cpp: zoom commands, scroll bars, fixed size
    void placeToolbars();    // view/board_geometry.cpp
    void connectGameFlow(); // game_flow.cpp: game commands and the number box
    void onWindowRestored(); // the resize handler's work when the window leaves the minimised state
    // Board input (view/board_input.cpp); each needs a selected cell except dropSelectionAndTool.
    void enterDigit(int d);
    void clearSelectedCell();
    void moveSelection(int dCol, int dRow);
    void dropSelectionAndTool();

    modData::Board &board_;
    modReg::Settings &settings_;
    QString appFolder_;
    bool unloaded_ = false;
    std::shared_ptr<const ImageList> tbImg_; // made by connectCommands

    friend class FrmTavMnTestAccess;
};
