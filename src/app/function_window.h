// The user-function window (TFormFunc): on the left a filter box over the
// list of registered functions (LBoxFunc), on the right the editor of one
// function (MemoFunc), a splitter between them, and every command in one
// popup menu. The store, its list entries, registration and the library
// files are the engine's; the window wires them to the widgets.
#pragma once

#include <QWidget>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "shell/auto_indent.h"
#include "shell/document_format.h"  // WindowGeometry
#include "shell/edit_history.h"
#include "shell/function_list_rules.h"

class CodeEditWidget;
class Dialogs;
class EditorStateQt;
class QAction;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QSplitter;
class FunctionItemHeight;

namespace zentra {
class FunctionStore;
}

// The window's commands, in the order of the popup menu.
struct FunctionActions {
    QAction* newFunction = nullptr;  // MenuNewFunc
    QAction* regist = nullptr;       // MenuRegist
    QAction* save = nullptr;         // MenuSave: export to a library file
    QAction* import = nullptr;       // MenuImport
    QAction* sortNew = nullptr;      // MenuSortNew: store order (radio)
    QAction* sort = nullptr;         // MenuSort: alphabetical (radio)
    QAction* undo = nullptr;         // MenuUndo
    QAction* redo = nullptr;         // MenuRedo
    QAction* remove = nullptr;       // MenuDelete
};

class TFormFunc : public QWidget {
    Q_OBJECT

public:
    // What the window shares with the main window, which outlives it.
    struct Shared {
        zentra::FunctionStore& store;
        Dialogs& dialogs;
        std::string& lastDirectory;  // of the file dialogs, with a trailing "/"
    };

    explicit TFormFunc(const Shared& shared, QWidget* parent = nullptr);
    ~TFormFunc() override;

    // Shows the window with an empty editor and the list in its order; only
    // raises it when it is already shown.
    void open();

    // The commands.
    void newFunction();
    void registerFunction();
    void deleteFunction();
    void exportLibrary();
    void importLibrary();
    void setOrder(zentra::FunctionOrder order);
    void editCommand(zentra::EditCommand command);
    // The save query, then the function's text in the editor (left as it is
    // when the store has no such function) and its entry selected.
    void openFunction(const std::string& name);
    // Selects a line of the editor and brings the window to the front.
    void selectEditorLine(int index);

    // The editor's modified mark: the text shown is not registered.
    bool modified() const;
    // The main window's close answered No: the text is dropped unasked.
    void discardChanges();
    std::vector<std::string> editorLines() const;

    // The main window's font command and text appearance.
    void setTracking(bool on) { tracking_ = on; }
    bool tracking() const { return tracking_; }
    void setTextFont(const QFont& font);
    // The undo timer: undo and redo follow the history; a modified text
    // makes registering possible.
    void refreshCommands();

    // The place and the list width ("fSplit") kept in the settings.
    void setPlace(const zentra::WindowGeometry& place, int listWidth);
    zentra::WindowGeometry place() const;
    int listWidth() const;

    // What the window shows, for tests and the screenshot mode.
    QListWidget* list() const { return list_; }
    CodeEditWidget* editor() const { return memo_; }
    QLineEdit* filterBox() const { return filter_; }
    QMenu* popupMenu() const { return menu_; }
    QSplitter* splitter() const { return splitter_; }
    const FunctionActions& actions() const { return actions_; }
    const zentra::EditHistory& editHistory() const { return *history_; }
    zentra::FunctionOrder order() const { return order_; }
    // The entry shown selected, if any.
    std::optional<std::string> selectedEntry() const { return selected_; }

signals:
    // The store changed: the main window writes it to the settings.
    void storeChanged();
    void opened();
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void createActions();
    void createWidgets();
    void createConnections();

    void saveQuery();
    void registerOrDelete(bool remove);
    // The list from the store in `order`, the filter emptied.
    void rebuildList(zentra::FunctionOrder order);
    // The entries that pass the filter, with the selection shown.
    void showEntries();
    void selectEntryOf(const std::string& name);
    void entryClicked(QListWidgetItem* item);
    void showText(const std::vector<std::string>& lines);
    void editorChanged();
    void editorKeyReleased(QKeyEvent* event);
    QString dialogDirectory() const;
    void rememberDirectory(const QString& path);
    void message(const std::string& text);

    zentra::FunctionStore& store_;
    Dialogs& dialogs_;
    std::string& lastDirectory_;

    FunctionActions actions_;
    QMenu* menu_ = nullptr;
    QWidget* listPanel_ = nullptr;
    QLineEdit* filter_ = nullptr;
    QListWidget* list_ = nullptr;
    FunctionItemHeight* itemHeight_ = nullptr;
    CodeEditWidget* memo_ = nullptr;
    QSplitter* splitter_ = nullptr;
    std::unique_ptr<EditorStateQt> state_;
    std::unique_ptr<zentra::EditHistory> history_;

    zentra::FunctionOrder order_ = zentra::FunctionOrder::Store;
    std::vector<std::string> entries_;  // every entry, in the list's order
    std::optional<std::string> selected_;
    bool tracking_ = false;
    zentra::EnterTracker enterTracker_;

    zentra::WindowGeometry place_;
    int listWidth_;
    bool placed_ = false;
};
