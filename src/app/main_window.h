// The main window (TFormMain): the output area on the left; on the right
// the tool bar, the parameter area and the program area; the status bar
// below. Built in named steps; the rules it applies live in the engine
// (run driver, result output, settings schema, edit history, status-bar and
// auto-indent rules), the widgets in their own small classes.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <memory>
#include <optional>

#include "app/dialogs_qt.h"
#include "app/main_actions_qt.h"
#include "app/run_progress_qt.h"
#include "results/csv_table.h"
#include "host/output_model.h"
#include "shell/auto_indent.h"
#include "shell/edit_history.h"
#include "shell/settings_schema.h"
#include "shell/status_bar_rules.h"

class CodeEditWidget;
class EditorStateQt;
class MainStatusBar;
class OutputViewWidget;
class QSplitter;
class TFormFunc;
class TFormGraph;
class TFormMon;
class TFormMind;
class QToolBar;
class QtSettingsStore;
class RecentFileMenu;
class WindowHost;

namespace zentra {
struct Session;
}

class TFormMain : public QMainWindow {
    Q_OBJECT

public:
    // `dialogs` answers every question (nullptr: the real dialogs); the
    // settings live in the INI file `settingsPath`.
    explicit TFormMain(std::unique_ptr<Dialogs> dialogs = nullptr, const QString& settingsPath = QString(),
                       QWidget* parent = nullptr);
    ~TFormMain() override;

    // The commands.
    void execute();
    void toggleHexDisplay();
    void clearOutput();
    void saveCsv();
    void editCommand(zentra::EditCommand command);
    void chooseFont();
    void showHelp();
    void showFunctionWindow();

    // Calculation documents (main_window_documents_qt.cpp). The save
    // commands return whether the document was written.
    void newDocument();
    void openDocument();
    bool saveDocument();
    bool saveDocumentAs();
    bool saveDocumentTo(const QString& path);
    bool loadDocument(const QString& path);
    // A recent entry or a dropped file: the save query, then the load.
    void openDocumentAfterQuery(const QString& path);
    RecentFileMenu* recentFileMenu() const { return recent_; }
    // A document named on the command line: the save query only when the
    // texts restored from the settings are not empty (main_window_start_qt.cpp).
    void openStartupDocument(const QString& path);
    // A document a second start handed over: the window comes to the front
    // and opens it through the save query, once no dialog or run is open.
    void openHandedDocument(const QString& path);

    // The current state, for tests and the screenshot mode.
    zentra::Session& session() { return *session_; }
    CodeEditWidget* programEditor() const { return memoSrc_; }
    CodeEditWidget* parameterEditor() const { return memoUsr_; }
    CodeEditWidget* currentEditor() const { return currentEditor_; }
    OutputViewWidget* outputView() const { return memoOut_; }
    MainStatusBar* statusPanels() const { return statusBar_; }
    QSplitter* outputSplitter() const { return mainSplitter_; }
    QSplitter* editorSplitter() const { return codeSplitter_; }
    QToolBar* toolBar() const { return toolBar_; }
    QMenu* popupMenu() const { return popup_; }
    const MainActions& actions() const { return actions_; }
    RunProgress& runProgress() { return progress_; }
    QtSettingsStore& settingsStore() { return *store_; }
    TFormGraph* graphWindow() const { return graph_; }
    TFormMon* monitorWindow() const { return monitor_; }
    TFormFunc* functionWindow() const { return funcWindow_; }
    // The user-function editor's modified mark (false before the window was opened).
    bool userFunctionModified() const;
    TFormMind* historyWindow() const { return mind_; }
    bool changeTracking() const { return changeTracking_; }
    bool running() const { return running_; }
    const zentra::EditHistory& editHistory(const CodeEditWidget* editor) const;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void createActions();
    void createToolBar();
    void createEditors();
    void createStatusBar();
    void createRunState();
    void createConnections();
    void applySettings();
    void saveSettings();

    void applyTextAppearance();
    void placeWindow(const zentra::WindowGeometry& geometry);
    void placeSplitters(int parameterAreaHeight, int editorPanelWidth);
    zentra::EditHistory& historyOf(const CodeEditWidget* editor);
    void setCurrentEditor(CodeEditWidget* editor);
    void editorChanged(CodeEditWidget* editor);
    void editorKeyReleased(CodeEditWidget* editor, QKeyEvent* event);
    void outputKeyPressed(QKeyEvent* event);
    void outputLineClicked(int row);
    void statusPanelClicked(zentra::StatusPanel panel, zentra::MouseButton button);
    void showHint(zentra::StatusPanel panel);
    void refreshUndoRedo();
    void setLastTable(std::optional<zentra::CsvTable> table);
    void writeTexts();
    void refreshSettingPanels();
    // The debug monitor (main_window_monitor_qt.cpp).
    void createMonitor();
    void applyMonitorSettings();
    void writeMonitorDiagnostic(int key);

    void createDocuments();
    void restoreDocuments();
    bool askToSave();
    bool mayCloseDocument();
    bool runSaveQuery(zentra::SaveQuestion question);
    bool textsDifferFromDocument();
    void markDocumentSaved();
    void setDocumentName(const QString& path);
    // The user-function window (main_window_functions_qt.cpp).
    void createFunctionWindow();
    bool confirmFunctionClose();
    void writeFunctionStore();

    std::unique_ptr<zentra::OutputModel> output_;
    std::unique_ptr<Dialogs> dialogs_;
    std::unique_ptr<QtSettingsStore> store_;
    zentra::AppSettings settings_;

    MainActions actions_;
    QMenu* popup_ = nullptr;
    OutputViewWidget* memoOut_ = nullptr;
    QWidget* panelCode_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    CodeEditWidget* memoUsr_ = nullptr;
    CodeEditWidget* memoSrc_ = nullptr;
    QSplitter* mainSplitter_ = nullptr;
    QSplitter* codeSplitter_ = nullptr;
    MainStatusBar* statusBar_ = nullptr;
    QPointer<QWidget> help_;
    TFormGraph* graph_ = nullptr;
    TFormMon* monitor_ = nullptr;
    TFormFunc* funcWindow_ = nullptr;
    TFormMind* mind_ = nullptr;

    RunProgress progress_;
    std::unique_ptr<WindowHost> host_;
    std::unique_ptr<zentra::Session> session_;
    // The table of the last run, taken when it completed: the output area
    // may be redrawn (hex display) before it is saved.
    std::optional<zentra::CsvTable> lastTable_;
    std::unique_ptr<EditorStateQt> srcState_;
    std::unique_ptr<EditorStateQt> usrState_;
    std::unique_ptr<zentra::EditHistory> srcHistory_;
    std::unique_ptr<zentra::EditHistory> usrHistory_;

    CodeEditWidget* currentEditor_ = nullptr;
    bool changeTracking_ = false;
    zentra::EnterTracker enterTracker_;
    zentra::StatusHints hints_;
    QTimer timerUndo_;
    QTimer textSaveTimer_;
    bool textsChanged_ = false;
    bool started_ = false;
    bool running_ = false;

    RecentFileMenu* recent_ = nullptr;
    // The texts as last loaded or saved ({parameter, program} lines): the
    // save query asks about a named document whose texts differ from them.
    std::optional<std::vector<std::vector<std::string>>> savedTexts_;
};
