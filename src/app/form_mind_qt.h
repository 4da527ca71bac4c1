// The input-history window (TFormMind, "過去の入力一覧"): after each key
// release in an editor it lists the earlier input lines that begin with the
// text before the caret, newest first, and a pick replaces the editor's
// current line. It never takes the keyboard while the user types: it shows
// without activating and hands the focus back to the editor.
//
// Picking is a double-click or Enter on an entry; a single click only
// selects, so entries can be selected for deletion without touching the
// editor. Escape, in the list or in the editor, closes the window. The
// rules live in shell/input_recall.
#pragma once

#include <QPointer>
#include <QWidget>
#include <string>
#include <vector>

#include "shell/input_recall.h"

class CodeEditWidget;
class QAction;
class QListView;
class QMenu;
class QStringListModel;
class HistoryItemDelegate;

class TFormMind : public QWidget {
    Q_OBJECT

public:
    // `mainWindow` is the window it stands beside; `recallOff` is the main
    // window's MenuReuse (checked: no search, no pick, the window closed).
    TFormMind(QWidget* mainWindow, QAction* recallOff);

    // The end of the release of `key` in `editor`, whose history is
    // `history`: the search, unless recall is off or a pick came just
    // before. Escape closes the window instead: it is the one key that
    // dismisses the list without leaving the editor.
    void editorKeyReleased(CodeEditWidget* editor, std::vector<std::string>& history, int key = 0);
    // Replaces the current line of the editor of the last search by entry `row`.
    void pick(int row);
    // The popup menu's commands.
    void showAll();
    void selectAll();
    void deleteSelected();

    // Closed (the other editor was clicked, recall turned off, Escape) and
    // hidden at the end of a run; only closing forgets a pick.
    void closeWindow();
    void hideForRun() { hide(); }

    // The size kept as "rheit_width", within the designed limits.
    void setStoredSize(zentra::WindowSize size);
    zentra::WindowSize storedSize() const;
    void setListFont(const QFont& font);

    // What the window shows, for tests and the screenshot mode.
    QStringList entries() const;
    QListView* list() const { return list_; }
    QMenu* popupMenu() const { return popup_; }
    bool justPicked() const { return justPicked_; }
    bool altHeld() const { return altHeld_; }
    int itemHeight() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createList();
    void createMenu();
    void fill(std::vector<std::string> entries);
    void showBeside(CodeEditWidget* editor);
    void returnFocus();
    bool recallIsOff() const;

    QWidget* mainWindow_;
    QAction* recallOff_;
    QListView* list_ = nullptr;
    QStringListModel* model_ = nullptr;
    HistoryItemDelegate* delegate_ = nullptr;
    QMenu* popup_ = nullptr;
    QAction* showAllAction_ = nullptr;
    QAction* selectAllAction_ = nullptr;
    QAction* deleteAction_ = nullptr;

    // What the list shows, in its order; the editor and history it came from.
    std::vector<std::string> shown_;
    QPointer<CodeEditWidget> editor_;
    std::vector<std::string>* history_ = nullptr;
    bool justPicked_ = false;
    bool altHeld_ = false;
};
