// The main window's commands: one QAction each, carrying caption, key,
// hint, image and enabled state, shared by the popup menu and the tool bar.
// The actions are added to the window itself, so their keys work although
// the only menu is a popup.
#pragma once

class QAction;
class QMenu;
class QToolBar;
class QWidget;

struct MainActions {
    QAction* exec = nullptr;     // MenuExec, ToolBtn6
    QAction* help = nullptr;     // MenuHelp, ToolBtn7
    QAction* newDoc = nullptr;   // MenuNew
    QAction* open = nullptr;     // MenuOpen
    QAction* save = nullptr;     // MenuSave, ToolBtnSave
    QAction* saveAs = nullptr;   // MenuSaveAs
    QAction* saveCsv = nullptr;  // MenuSaveCsv: the last completed sweep as a table
    QAction* func = nullptr;     // MenuFunc, ToolBtnFunc
    QAction* reuse = nullptr;    // MenuReuse (checked: input recall off)
    QAction* font = nullptr;     // MenuFont
    QAction* monitor = nullptr;  // MenuMonitor: opens the debug monitor
    QAction* undo = nullptr;     // MenuUndo, ToolBtnUndo
    QAction* redo = nullptr;     // MenuRedo, ToolBtnRedo
    QAction* quit = nullptr;     // MenuQuit
    QAction* hex = nullptr;      // ToolBtn2
    QAction* clear = nullptr;    // ToolBtn3
    QAction* recentSeparator = nullptr;  // N1: recent documents go after it

    // Makes every action as a child of `window` and adds it there.
    void create(QWidget* window);
    // The one popup menu, every item in order.
    QMenu* createPopup(QWidget* parent);
    // The tool bar's buttons, left to right.
    void fillToolBar(QToolBar* toolBar) const;
};
