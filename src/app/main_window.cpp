#include "app/main_window.h"

#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QSaveFile>
#include <QScreen>
#include <QSplitter>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

#include "app/code_edit_widget.h"
#include "app/editor_area_qt.h"
#include "app/editor_state_qt.h"
#include "app/form_mind_qt.h"
#include "app/function_window.h"
#include "app/graph_window.h"
#include "app/help_window.h"
#include "app/monitor_window.h"
#include "app/output_view_widget.h"
#include "app/settings_store_qt.h"
#include "app/status_bar_widget.h"
#include "app/text_appearance_qt.h"
#include "app/window_host_qt.h"
#include "app/window_place_qt.h"
#include "base/text_lines.h"
#include "results/result_output.h"
#include "run/run_driver.h"
#include "session/session.h"
#include "shell/main_window_rules.h"

namespace {

constexpr int kUndoRefreshMs = 500;
constexpr int kTextSaveMs = 30000;
constexpr int kSplitterWidth = 8;

QString fromUtf8(const std::string& text) { return QString::fromStdString(text); }

// Lines of an editor as they are stored: a last empty line is no line.
std::vector<std::string> storedLines(CodeEditWidget& editor) { return EditorArea(editor).lines(); }

}  // namespace

TFormMain::TFormMain(std::unique_ptr<Dialogs> dialogs, const QString& settingsPath, QWidget* parent)
    : QMainWindow(parent),
      output_(std::make_unique<zentra::OutputModel>()),
      dialogs_(dialogs ? std::move(dialogs) : std::make_unique<WidgetDialogs>()),
      store_(std::make_unique<QtSettingsStore>(settingsPath.isEmpty() ? QtSettingsStore::defaultPath() : settingsPath)),
      progress_(this) {
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(fromUtf8(std::string(zentra::kBaseCaption)));
    setFont(designedWindowFont());
    setMinimumSize(300, 100);
    setMaximumWidth(1024);
    setMouseTracking(true);
    createActions();
    createEditors();
    createToolBar();
    createStatusBar();
    createRunState();
    createConnections();
    createDocuments();
}

TFormMain::~TFormMain() {
    progress_.finish();
    // The views read the engine's objects: they go first.
    delete takeCentralWidget();
    delete graph_;
    delete monitor_;
    delete funcWindow_;
}

void TFormMain::createActions() {
    actions_.create(this);
    popup_ = actions_.createPopup(this);
}

void TFormMain::createEditors() {
    memoOut_ = new OutputViewWidget(*output_);
    memoOut_->setObjectName(QStringLiteral("MemoOut"));
    memoOut_->setToolTip(QStringLiteral("数式を演算した結果を表示します"));
    memoOut_->setMinimumWidth(50);

    memoUsr_ = new CodeEditWidget;
    memoUsr_->setObjectName(QStringLiteral("MemoUsr"));
    memoUsr_->setToolTip(QStringLiteral("パラメータを定義するエリアです"));
    memoUsr_->setMinimumHeight(50);
    memoSrc_ = new CodeEditWidget;
    memoSrc_->setObjectName(QStringLiteral("MemoSrc"));
    memoSrc_->setToolTip(QStringLiteral("数式を定義するエリアです"));

    codeSplitter_ = new QSplitter(Qt::Vertical);
    codeSplitter_->setHandleWidth(kSplitterWidth);
    codeSplitter_->setChildrenCollapsible(false);
    codeSplitter_->addWidget(memoUsr_);
    codeSplitter_->addWidget(memoSrc_);
    codeSplitter_->setStretchFactor(0, 0);
    codeSplitter_->setStretchFactor(1, 1);

    panelCode_ = new QWidget;
    panelCode_->setObjectName(QStringLiteral("PanelCode"));
    panelCode_->setMinimumWidth(240);
    auto* layout = new QVBoxLayout(panelCode_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    toolBar_ = new QToolBar(panelCode_);
    toolBar_->setObjectName(QStringLiteral("ToolBar1"));
    layout->addWidget(toolBar_);
    layout->addWidget(codeSplitter_, 1);

    mainSplitter_ = new QSplitter(Qt::Horizontal);
    mainSplitter_->setHandleWidth(kSplitterWidth);
    mainSplitter_->setChildrenCollapsible(false);
    mainSplitter_->addWidget(memoOut_);
    mainSplitter_->addWidget(panelCode_);
    mainSplitter_->setStretchFactor(0, 1);
    mainSplitter_->setStretchFactor(1, 0);
    setCentralWidget(mainSplitter_);
    currentEditor_ = memoSrc_;
}

void TFormMain::createToolBar() {
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    toolBar_->setIconSize(QSize(16, 16));
    toolBar_->setFixedHeight(27);
    toolBar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    actions_.fillToolBar(toolBar_);
}

void TFormMain::createStatusBar() {
    statusBar_ = new MainStatusBar(this);
    statusBar_->setObjectName(QStringLiteral("StatusBar"));
    setStatusBar(statusBar_);
}

// The engine state of the window's life: the host over the widgets, the
// session (compiler, stores, histories), the two edit histories.
void TFormMain::createRunState() {
    host_ = std::make_unique<WindowHost>(
        WindowHost::Parts{this, memoSrc_, memoUsr_, output_.get(), memoOut_, statusBar_, dialogs_.get(), &progress_});
    host_->settingWriter = [this](std::string_view name, std::string_view value) { store_->setValue(name, value); };
    session_ = std::make_unique<zentra::Session>(*host_);
    graph_ = new TFormGraph(*session_, *dialogs_, this);
    host_->setGraphWindow(graph_);
    graph_->addAction(actions_.exec);  // F9 runs again while the plot is the active window
    createMonitor();
    mind_ = new TFormMind(this, actions_.reuse);
    host_->hideHistory = [this] { mind_->hideForRun(); };
    srcState_ = std::make_unique<EditorStateQt>(*memoSrc_);
    usrState_ = std::make_unique<EditorStateQt>(*memoUsr_);
    srcHistory_ = std::make_unique<zentra::EditHistory>(*srcState_);
    usrHistory_ = std::make_unique<zentra::EditHistory>(*usrState_);
    createFunctionWindow();
    refreshSettingPanels();
}

void TFormMain::createConnections() {
    connect(actions_.exec, &QAction::triggered, this, &TFormMain::execute);
    connect(actions_.help, &QAction::triggered, this, &TFormMain::showHelp);
    connect(actions_.font, &QAction::triggered, this, &TFormMain::chooseFont);
    connect(actions_.undo, &QAction::triggered, this, [this] { editCommand(zentra::EditCommand::Undo); });
    connect(actions_.redo, &QAction::triggered, this, [this] { editCommand(zentra::EditCommand::Redo); });
    connect(actions_.quit, &QAction::triggered, this, &QWidget::close);
    connect(actions_.hex, &QAction::triggered, this, &TFormMain::toggleHexDisplay);
    connect(actions_.clear, &QAction::triggered, this, &TFormMain::clearOutput);
    connect(actions_.saveCsv, &QAction::triggered, this, &TFormMain::saveCsv);

    const auto popupAt = [this](QWidget* area) {
        connect(area, &QWidget::customContextMenuRequested, this,
                [this, area](const QPoint& at) { popup_->popup(area->mapToGlobal(at)); });
    };
    popupAt(memoOut_);
    for (CodeEditWidget* editor : {memoSrc_, memoUsr_}) {
        popupAt(editor);
        connect(editor, &QPlainTextEdit::textChanged, this, [this, editor] { editorChanged(editor); });
        connect(editor, &CodeEditWidget::keyReleased, this,
                [this, editor](QKeyEvent* e) { editorKeyReleased(editor, e); });
        connect(editor, &CodeEditWidget::pressed, this, [this, editor] { setCurrentEditor(editor); });
        connect(editor, &CodeEditWidget::focusEntered, this, [this, editor] { setCurrentEditor(editor); });
    }
    connect(memoSrc_, &CodeEditWidget::mouseMoved, this, [this] { showHint(zentra::StatusPanel::Message); });
    connect(memoOut_, &OutputViewWidget::lineClicked, this, &TFormMain::outputLineClicked);
    connect(memoOut_, &OutputViewWidget::keyPressed, this, &TFormMain::outputKeyPressed);
    connect(statusBar_, &MainStatusBar::panelClicked, this, &TFormMain::statusPanelClicked);
    connect(statusBar_, &MainStatusBar::movedOver, this, &TFormMain::showHint);
    progress_.beforeEvents = [this] { memoOut_->sync(); };

    connect(&timerUndo_, &QTimer::timeout, this, &TFormMain::refreshUndoRedo);
    timerUndo_.start(kUndoRefreshMs);
    connect(&textSaveTimer_, &QTimer::timeout, this, [this] {
        if (textsChanged_) writeTexts();
    });
    textSaveTimer_.start(kTextSaveMs);
}

// ---- settings -----------------------------------------------------------

void TFormMain::applySettings() {
    changeTracking_ = false;
    settings_ = zentra::readSettings(*store_);
    placeWindow(settings_.mainWindow);
    placeSplitters(settings_.parameterAreaHeight, settings_.editorPanelWidth);
    graph_->setPlace(settings_.graphWindow);
    applyMonitorSettings();
    funcWindow_->setPlace(settings_.functionWindow, settings_.functionListWidth);

    EditorArea(*memoSrc_).setLines(settings_.programLines);
    EditorArea(*memoUsr_).setLines(settings_.parameterLines);
    zentra::Session& s = *session_;
    s.programHistory = settings_.programHistory;
    s.parameterHistory = settings_.parameterHistory;
    s.functionStore = zentra::FunctionStore(settings_.functionStore);
    s.precision = settings_.precision;
    s.radian = settings_.radian;
    s.loopLimit = settings_.loops;
    actions_.reuse->setChecked(settings_.recallOff);
    mind_->setStoredSize({settings_.historyWindowWidth, settings_.historyWindowHeight});

    applyTextAppearance();
    refreshSettingPanels();
    statusBar_->setPanelText(0, store_->startNote());
    currentEditor_ = memoSrc_;
    srcHistory_->reset();
    usrHistory_->reset();
    changeTracking_ = true;
    textsChanged_ = false;
    memoSrc_->setFocus(Qt::OtherFocusReason);
    setWindowTitle(fromUtf8(zentra::windowCaption(settings_.currentFile)));
    restoreDocuments();
    refreshUndoRedo();
}

void TFormMain::placeWindow(const zentra::WindowGeometry& stored) {
    std::vector<zentra::ScreenRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect r = screen->availableGeometry();
        screens.push_back({r.left(), r.top(), r.width(), r.height()});
    }
    const zentra::WindowGeometry g = zentra::keepOnScreens(stored, screens);
    setGeometry(g.left, g.top, std::max(g.width, 1), std::max(g.height, 1));
}

// A splitter shares out sizes in proportion unless they fill it exactly:
// the layout is settled first, and the other area takes the rest.
void TFormMain::placeSplitters(int parameterAreaHeight, int editorPanelWidth) {
    if (layout() != nullptr) layout()->activate();
    const int across = std::max(0, mainSplitter_->width() - mainSplitter_->handleWidth());
    const int panel = std::clamp(editorPanelWidth, panelCode_->minimumWidth(), std::max(panelCode_->minimumWidth(), across - 50));
    mainSplitter_->setSizes({across - panel, panel});
    const int down = std::max(0, codeSplitter_->height() - codeSplitter_->handleWidth());
    const int top = std::clamp(parameterAreaHeight, memoUsr_->minimumHeight(), std::max(memoUsr_->minimumHeight(), down - 20));
    codeSplitter_->setSizes({top, down - top});
}

void TFormMain::saveSettings() {
    settings_.mainWindow = placeOf(*this);
    settings_.graphWindow = graph_->place();
    settings_.monitorWindow = monitor_->place();
    settings_.functionWindow = funcWindow_->place();
    settings_.functionListWidth = funcWindow_->listWidth();
    settings_.parameterAreaHeight = memoUsr_->height();
    settings_.editorPanelWidth = panelCode_->width();
    settings_.programLines = storedLines(*memoSrc_);
    settings_.parameterLines = storedLines(*memoUsr_);
    const zentra::Session& s = *session_;
    settings_.programHistory = s.programHistory;
    settings_.parameterHistory = s.parameterHistory;
    settings_.functionStore = s.functionStore.lines();
    settings_.precision = s.precision;
    settings_.radian = s.radian;
    settings_.loops = s.loopLimit;
    settings_.recallOff = actions_.reuse->isChecked();
    settings_.historyWindowWidth = mind_->storedSize().width;
    settings_.historyWindowHeight = mind_->storedSize().height;
    zentra::writeSettings(settings_, *store_);
    store_->flush();
}

void TFormMain::writeTexts() {
    store_->setValue("src", zentra::joinLines(storedLines(*memoSrc_)));
    store_->setValue("con", zentra::joinLines(storedLines(*memoUsr_)));
    store_->flush();
    textsChanged_ = false;
}

void TFormMain::applyTextAppearance() {
    const QFont font = settingsFont(settings_.fontName, settings_.fontSize);
    memoSrc_->setTextFont(font);
    memoUsr_->setTextFont(font);
    memoOut_->setTextFont(font);
    funcWindow_->setTextFont(font);
    mind_->setListFont(font);
}

void TFormMain::refreshSettingPanels() {
    statusBar_->setPanelText(1, fromUtf8(zentra::precisionPanelText(session_->precision)));
    statusBar_->setPanelText(2, fromUtf8(zentra::unitPanelText(session_->radian)));
}

// ---- window events ------------------------------------------------------

void TFormMain::showEvent(QShowEvent* event) {
    if (!started_) {
        started_ = true;
        applySettings();
    }
    QMainWindow::showEvent(event);
}

void TFormMain::closeEvent(QCloseEvent* event) {
    if (running_ || !confirmFunctionClose()) {
        event->ignore();
        return;
    }
    if (started_ && !mayCloseDocument()) {
        event->ignore();
        return;
    }
    if (started_) {
        if (zentra::hexDisplayOn(*session_)) toggleHexDisplay();
        saveSettings();
    }
    if (help_) help_->close();
    graph_->close();
    monitor_->close();
    funcWindow_->close();
    mind_->closeWindow();
    event->accept();
}

void TFormMain::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && !isActiveWindow() && started_ && textsChanged_) writeTexts();
    QMainWindow::changeEvent(event);
}

void TFormMain::mouseMoveEvent(QMouseEvent* event) {
    // Only moves over the window's own surface, not those a child passed on.
    const QPoint at = event->position().toPoint();
    if (childAt(at) == nullptr) statusBar_->setPanelText(0, fromUtf8(zentra::surfaceMoveText(at.x(), at.y())));
    QMainWindow::mouseMoveEvent(event);
}

// ---- commands -----------------------------------------------------------

void TFormMain::execute() {
    if (running_ || !started_) return;
    running_ = true;
    progress_.start();
    struct EndOfRun {
        TFormMain* window;
        ~EndOfRun() {
            window->progress_.finish();
            window->running_ = false;
            window->memoOut_->sync();
            window->monitor_->refresh();
            window->store_->flush();
            window->refreshUndoRedo();
        }
    } end{this};
    setLastTable(std::nullopt);
    if (zentra::exec(*session_) == zentra::ExecOutcome::Completed) setLastTable(zentra::sweepTable(*session_));
}

void TFormMain::setLastTable(std::optional<zentra::CsvTable> table) {
    lastTable_ = std::move(table);
    actions_.saveCsv->setEnabled(lastTable_.has_value());
}

void TFormMain::saveCsv() {
    if (running_ || !lastTable_) return;
    const QString path = dialogs_->saveFileName(this, QStringLiteral("CSVで保存"), QStringLiteral("CSV (*.csv)"));
    if (path.isEmpty()) return;
    const std::string text = zentra::csvText(*lastTable_);
    // Written beside the target and renamed over it: a failed write leaves
    // an existing file as it was.
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) &&
                         file.write(text.data(), static_cast<qint64>(text.size())) == static_cast<qint64>(text.size()) &&
                         file.commit();
    if (!written) dialogs_->message(this, QStringLiteral("ファイル \"%1\" を保存できません").arg(QDir::toNativeSeparators(path)));
}

void TFormMain::toggleHexDisplay() {
    if (running_) return;
    zentra::toggleHexDisplay(*session_);
    memoOut_->sync();
    memoOut_->scrollToBottom();
}

void TFormMain::clearOutput() {
    if (running_) return;
    zentra::clearOutput(*session_);
    setLastTable(std::nullopt);
    memoOut_->sync();
}

void TFormMain::editCommand(zentra::EditCommand command) {
    if (running_) return;
    zentra::runEditCommand(historyOf(currentEditor_), command, changeTracking_);
    refreshUndoRedo();
}

void TFormMain::chooseFont() {
    if (running_) return;
    changeTracking_ = false;
    funcWindow_->setTracking(false);
    if (const auto font = dialogs_->chooseFont(this, settingsFont(settings_.fontName, settings_.fontSize))) {
        settings_.fontName = font->family().toStdString();
        if (font->pointSize() > 0) settings_.fontSize = font->pointSize();
        applyTextAppearance();
    }
    changeTracking_ = true;
    funcWindow_->setTracking(true);
}

void TFormMain::showHelp() {
    if (!help_) {
        help_ = new HelpWindow(this);
        help_->setAttribute(Qt::WA_DeleteOnClose);
    }
    help_->show();
    help_->raise();
    help_->activateWindow();
}

// ---- editors ------------------------------------------------------------

const zentra::EditHistory& TFormMain::editHistory(const CodeEditWidget* editor) const {
    return editor == memoUsr_ ? *usrHistory_ : *srcHistory_;
}

zentra::EditHistory& TFormMain::historyOf(const CodeEditWidget* editor) {
    return editor == memoUsr_ ? *usrHistory_ : *srcHistory_;
}

void TFormMain::setCurrentEditor(CodeEditWidget* editor) {
    if (editor == currentEditor_) return;
    // The current history (for input recall) follows the current editor.
    currentEditor_ = editor;
    mind_->closeWindow();
    refreshUndoRedo();
}

void TFormMain::editorChanged(CodeEditWidget* editor) {
    textsChanged_ = true;
    if (!changeTracking_) return;
    historyOf(editor).record();
    refreshUndoRedo();
}

void TFormMain::editorKeyReleased(CodeEditWidget* editor, QKeyEvent* event) {
    if (running_) return;
    changeTracking_ = false;
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const int line = editor->caretLine();
    switch (enterTracker_.keyReleased(enter, line)) {
    case zentra::KeyReleaseStep::Stop: return;  // tracking stays off until a release completes
    case zentra::KeyReleaseStep::Indent: {
        const QString above = line > 0 ? editor->lineText(line - 1) : QString();
        editor->insertAtCaret(QString::fromStdString(zentra::autoIndentText(above.toStdString())));
        break;
    }
    case zentra::KeyReleaseStep::Continue: break;
    }
    mind_->editorKeyReleased(editor, editor == memoUsr_ ? session_->parameterHistory : session_->programHistory,
                             event->key());
    changeTracking_ = true;
}

void TFormMain::refreshUndoRedo() {
    const zentra::EditHistory& history = historyOf(currentEditor_);
    actions_.undo->setEnabled(history.canUndo());
    actions_.redo->setEnabled(history.canRedo());
}

// ---- output area and status bar -----------------------------------------

void TFormMain::outputLineClicked(int row) {
    if (running_) return;
    zentra::showErrorLocation(*session_, row);
}

void TFormMain::outputKeyPressed(QKeyEvent* event) {
    changeTracking_ = false;
    writeMonitorDiagnostic(event->key());
}

void TFormMain::statusPanelClicked(zentra::StatusPanel panel, zentra::MouseButton button) {
    if (running_) return;
    const zentra::StatusClick click = zentra::clickStatusPanel(panel, button, session_->precision, session_->radian);
    if (click.rewritePrecision) statusBar_->setPanelText(1, fromUtf8(zentra::precisionPanelText(session_->precision)));
    if (click.rewriteUnit) statusBar_->setPanelText(2, fromUtf8(zentra::unitPanelText(session_->radian)));
}

void TFormMain::showHint(zentra::StatusPanel panel) {
    if (const auto text = hints_.moveOver(panel)) statusBar_->setPanelText(0, fromUtf8(*text));
}
