#include "app/function_window.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QScreen>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStyledItemDelegate>
#include <QTextBlock>
#include <QVBoxLayout>
#include <algorithm>

#include "app/code_edit_widget.h"
#include "app/dialogs_qt.h"
#include "app/editor_area_qt.h"
#include "app/editor_state_qt.h"
#include "app/text_appearance_qt.h"
#include "app/window_place_qt.h"
#include "shell/settings_schema.h"
#include "userfunc/function_store.h"
#include "shell/library_file.h"

namespace {

constexpr int kSplitterWidth = 8;
constexpr int kSmallestList = 40;
constexpr int kSmallestEditor = 60;

QString qText(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

const QString kImportFilter = QStringLiteral("ユーザ関数 (*.qbxfun);;テキスト (*.txt);;すべて (*)");
const QString kExportFilter = QStringLiteral("ユーザ関数(*.qbxfun);;テキスト(*.txt);;すべてのファイル(*)");

}  // namespace

// Every row of the list as high as the font size in points plus 6 pixels,
// and never lower than a line of the font, so a large font is not cut.
class FunctionItemHeight : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void setFont(const QFont& font) {
        height_ = std::max(font.pointSize() + 6, QFontMetrics(font).height());
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(height_);
        return size;
    }

private:
    int height_ = 17;
};

TFormFunc::TFormFunc(const Shared& shared, QWidget* parent)
    : QWidget(parent, Qt::Window),
      store_(shared.store),
      dialogs_(shared.dialogs),
      lastDirectory_(shared.lastDirectory),
      place_(zentra::kFunctionWindowDesigned),
      listWidth_(zentra::AppSettings{}.functionListWidth) {
    setObjectName(QStringLiteral("FormFunc"));
    setWindowTitle(qText(zentra::kFunctionWindowCaption));
    setFont(designedWindowFont());
    createActions();
    createWidgets();
    createConnections();
}

TFormFunc::~TFormFunc() {
    // The editor goes after the history it reports to.
    memo_->disconnect(this);
}

void TFormFunc::createActions() {
    const auto make = [this](const char* name, const QString& caption) {
        auto* action = new QAction(caption, this);
        action->setObjectName(QString::fromLatin1(name));
        addAction(action);
        return action;
    };
    actions_.newFunction = make("MenuNewFunc", QStringLiteral("新しい関数の作成 (&N)"));
    actions_.regist = make("MenuRegist", QStringLiteral("登録または更新 (&G)"));
    actions_.save = make("MenuSave", QStringLiteral("登録済関数の保存 (&S)"));
    actions_.import = make("MenuImport", QStringLiteral("ファイルから登録 (&L)"));
    actions_.sortNew = make("MenuSortNew", QStringLiteral("新しい順 (&B)"));
    actions_.sort = make("MenuSort", QStringLiteral("アルファベット順 (&A)"));
    auto* orders = new QActionGroup(this);
    for (QAction* order : {actions_.sortNew, actions_.sort}) {
        order->setCheckable(true);
        orders->addAction(order);
    }
    actions_.sortNew->setChecked(true);
    actions_.undo = make("MenuUndo", QStringLiteral("元に戻す(&U)"));
    actions_.undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    actions_.redo = make("MenuRedo", QStringLiteral("やり直す(&R)"));
    actions_.redo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));
    actions_.remove = make("MenuDelete", QStringLiteral("選択した関数の削除 (&D)"));

    menu_ = new QMenu(this);
    menu_->setObjectName(QStringLiteral("PopupMenu"));
    menu_->addAction(actions_.newFunction);
    menu_->addAction(actions_.regist);
    menu_->addSeparator();
    menu_->addAction(actions_.save);
    menu_->addAction(actions_.import);
    menu_->addSeparator();
    menu_->addAction(actions_.sortNew);
    menu_->addAction(actions_.sort);
    menu_->addSeparator();
    menu_->addAction(actions_.undo);
    menu_->addAction(actions_.redo);
    menu_->addSeparator();
    menu_->addAction(actions_.remove);
}

void TFormFunc::createWidgets() {
    listPanel_ = new QWidget;
    auto* panelLayout = new QVBoxLayout(listPanel_);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->setSpacing(2);
    filter_ = new QLineEdit(listPanel_);
    filter_->setObjectName(QStringLiteral("EditFilter"));
    filter_->setPlaceholderText(QStringLiteral("絞り込み"));
    filter_->setToolTip(QStringLiteral("入力した語をすべて含む関数だけを一覧に表示します"));
    filter_->setClearButtonEnabled(true);
    list_ = new QListWidget(listPanel_);
    list_->setObjectName(QStringLiteral("LBoxFunc"));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    itemHeight_ = new FunctionItemHeight(list_);
    list_->setItemDelegate(itemHeight_);
    panelLayout->addWidget(filter_);
    panelLayout->addWidget(list_, 1);
    listPanel_->setMinimumWidth(kSmallestList);

    memo_ = new CodeEditWidget;
    memo_->setObjectName(QStringLiteral("MemoFunc"));
    memo_->setMinimumWidth(kSmallestEditor);

    splitter_ = new QSplitter(Qt::Horizontal, this);
    splitter_->setHandleWidth(kSplitterWidth);
    splitter_->setChildrenCollapsible(false);
    splitter_->addWidget(listPanel_);
    splitter_->addWidget(memo_);
    splitter_->setStretchFactor(0, 0);
    splitter_->setStretchFactor(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter_);
    setTextFont(designedTextFont());

    state_ = std::make_unique<EditorStateQt>(*memo_);
    history_ = std::make_unique<zentra::EditHistory>(*state_);
    history_->reset();
}

void TFormFunc::createConnections() {
    connect(actions_.newFunction, &QAction::triggered, this, &TFormFunc::newFunction);
    connect(actions_.regist, &QAction::triggered, this, &TFormFunc::registerFunction);
    connect(actions_.save, &QAction::triggered, this, &TFormFunc::exportLibrary);
    connect(actions_.import, &QAction::triggered, this, &TFormFunc::importLibrary);
    connect(actions_.sortNew, &QAction::triggered, this, [this] { setOrder(zentra::FunctionOrder::Store); });
    connect(actions_.sort, &QAction::triggered, this, [this] { setOrder(zentra::FunctionOrder::Alphabetical); });
    connect(actions_.undo, &QAction::triggered, this, [this] { editCommand(zentra::EditCommand::Undo); });
    connect(actions_.redo, &QAction::triggered, this, [this] { editCommand(zentra::EditCommand::Redo); });
    connect(actions_.remove, &QAction::triggered, this, &TFormFunc::deleteFunction);

    for (QWidget* area : {static_cast<QWidget*>(list_), static_cast<QWidget*>(memo_)}) {
        connect(area, &QWidget::customContextMenuRequested, this,
                [this, area](const QPoint& at) { menu_->popup(area->mapToGlobal(at)); });
    }
    connect(list_, &QListWidget::itemClicked, this, &TFormFunc::entryClicked);
    connect(filter_, &QLineEdit::textChanged, this, &TFormFunc::showEntries);
    connect(memo_, &QPlainTextEdit::textChanged, this, &TFormFunc::editorChanged);
    connect(memo_, &CodeEditWidget::keyReleased, this, &TFormFunc::editorKeyReleased);
}

// ---- showing and closing ------------------------------------------------

void TFormFunc::open() {
    if (isVisible()) {
        raise();
        activateWindow();
        return;
    }
    if (!placed_) {
        std::vector<zentra::ScreenRect> screens;
        for (const QScreen* screen : QGuiApplication::screens()) {
            const QRect r = screen->availableGeometry();
            screens.push_back({r.left(), r.top(), r.width(), r.height()});
        }
        const zentra::WindowGeometry g = zentra::keepOnScreens(place_, screens);
        setGeometry(g.left, g.top, std::max(g.width, 1), std::max(g.height, 1));
    }
    tracking_ = false;
    memo_->clear();
    // The order stays as it was chosen, and the list shows it.
    rebuildList(order_);
    selected_.reset();
    showEntries();
    actions_.regist->setEnabled(false);
    memo_->applyFont();
    history_->reset();
    tracking_ = true;
    show();
    if (!placed_) {
        placed_ = true;
        // A splitter shares out sizes in proportion unless they fill it exactly.
        layout()->activate();
        const int across = std::max(0, splitter_->width() - splitter_->handleWidth());
        const int list = std::clamp(listWidth_, kSmallestList, std::max(kSmallestList, across - kSmallestEditor));
        splitter_->setSizes({list, across - list});
    }
    refreshCommands();
    emit opened();
}

void TFormFunc::closeEvent(QCloseEvent* event) {
    saveQuery();
    QWidget::closeEvent(event);
    emit closed();
}

void TFormFunc::hideEvent(QHideEvent* event) {
    if (placed_) {
        place_ = place();
        listWidth_ = listWidth();
    }
    QWidget::hideEvent(event);
}

void TFormFunc::setPlace(const zentra::WindowGeometry& place, int listWidth) {
    place_ = place;
    listWidth_ = listWidth;
    placed_ = false;
}

zentra::WindowGeometry TFormFunc::place() const {
    if (!placed_) return place_;
    return placeOf(*this);
}

int TFormFunc::listWidth() const { return placed_ ? listPanel_->width() : listWidth_; }

// ---- the list -----------------------------------------------------------

void TFormFunc::rebuildList(zentra::FunctionOrder order) {
    order_ = order;
    entries_ = zentra::orderedEntries(store_, order);
    actions_.sortNew->setChecked(order == zentra::FunctionOrder::Store);
    actions_.sort->setChecked(order == zentra::FunctionOrder::Alphabetical);
    actions_.sort->setEnabled(order == zentra::FunctionOrder::Store);
    actions_.sortNew->setEnabled(order == zentra::FunctionOrder::Alphabetical);
    // The filter's own signal would show the entries once more.
    const QSignalBlocker quiet(filter_);
    filter_->clear();
}

void TFormFunc::showEntries() {
    const std::string filter = filter_->text().toStdString();
    QStringList shown;
    int selectedRow = -1;
    for (const std::string& entry : entries_) {
        if (!zentra::entryMatchesFilter(entry, filter)) continue;
        if (selected_ && *selected_ == entry) selectedRow = static_cast<int>(shown.size());
        shown << qText(entry);
    }
    const QSignalBlocker quiet(list_);
    // The same rows stay, and so does the scroll position.
    bool same = list_->count() == shown.size();
    for (int i = 0; same && i < list_->count(); ++i) same = list_->item(i)->text() == shown[i];
    if (!same) {
        list_->clear();
        list_->addItems(shown);
    }
    if (selectedRow >= 0) {
        list_->setCurrentRow(selectedRow);
        list_->scrollToItem(list_->item(selectedRow));
    } else {
        list_->setCurrentRow(-1);
        list_->clearSelection();
    }
}

void TFormFunc::selectEntryOf(const std::string& name) {
    selected_.reset();
    for (const std::string& entry : entries_) {
        if (zentra::entryFunctionName(entry) == name) {
            selected_ = entry;
            break;
        }
    }
    showEntries();
}

void TFormFunc::entryClicked(QListWidgetItem* item) {
    if (item == nullptr) return;
    const std::string entry = item->text().toStdString();
    selected_ = entry;
    openFunction(zentra::entryFunctionName(entry));
}

void TFormFunc::setOrder(zentra::FunctionOrder order) {
    const std::optional<std::string> remembered = selected_;
    rebuildList(order);
    selected_.reset();
    if (remembered && std::find(entries_.begin(), entries_.end(), *remembered) != entries_.end()) selected_ = remembered;
    showEntries();
}

// ---- the editor ---------------------------------------------------------

void TFormFunc::showText(const std::vector<std::string>& lines) {
    tracking_ = false;
    memo_->setPlainText(joinEditorLines(lines));
}

void TFormFunc::openFunction(const std::string& name) {
    saveQuery();
    tracking_ = false;
    if (const auto lines = zentra::storedFunctionText(store_, name)) {
        showText(*lines);
        // The list shows which function is open, also after the save query
        // rebuilt it.
        selectEntryOf(name);
    }
    memo_->applyFont();
    actions_.regist->setEnabled(true);
    history_->reset();
    memo_->document()->setModified(false);
    tracking_ = true;
    refreshCommands();
}

void TFormFunc::newFunction() {
    saveQuery();
    showText(std::vector<std::string>(zentra::kNewFunctionTemplate.begin(), zentra::kNewFunctionTemplate.end()));
    memo_->applyFont();
    selected_.reset();
    showEntries();
    QTextCursor caret(memo_->document()->findBlockByNumber(zentra::kNewFunctionDeclarationLine));
    memo_->setTextCursor(caret);
    memo_->document()->setModified(false);
    tracking_ = true;
    memo_->setFocus(Qt::OtherFocusReason);
    refreshCommands();
}

void TFormFunc::saveQuery() {
    if (!modified()) return;
    if (dialogs_.askYesNo(this, QStringLiteral("確認"), qText(zentra::kFunctionChangedQuestion))) {
        registerFunction();
    }
    memo_->document()->setModified(false);
}

bool TFormFunc::modified() const { return memo_->document()->isModified(); }

void TFormFunc::discardChanges() { memo_->document()->setModified(false); }

std::vector<std::string> TFormFunc::editorLines() const { return EditorArea(*memo_).lines(); }

void TFormFunc::editorChanged() {
    if (!tracking_) return;
    zentra::recordKeepingMark(*history_, *state_);
    refreshCommands();
}

void TFormFunc::editorKeyReleased(QKeyEvent* event) {
    tracking_ = false;
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const int line = memo_->caretLine();
    switch (enterTracker_.keyReleased(enter, line)) {
    case zentra::KeyReleaseStep::Stop: return;  // tracking stays off until a release completes
    case zentra::KeyReleaseStep::Indent: {
        const QString above = line > 0 ? memo_->lineText(line - 1) : QString();
        memo_->insertAtCaret(QString::fromStdString(zentra::autoIndentText(above.toStdString())));
        break;
    }
    case zentra::KeyReleaseStep::Continue: break;
    }
    tracking_ = true;
    // An indent went in with tracking off: it joins the next snapshot.
    refreshCommands();
}

void TFormFunc::editCommand(zentra::EditCommand command) {
    zentra::runEditCommand(*history_, command, tracking_);
    refreshCommands();
}

void TFormFunc::selectEditorLine(int index) {
    raise();
    activateWindow();
    EditorArea(*memo_).selectLine(index);
}

void TFormFunc::setTextFont(const QFont& font) {
    memo_->setTextFont(font);
    list_->setFont(font);
    itemHeight_->setFont(font);
    list_->doItemsLayout();
}

void TFormFunc::refreshCommands() {
    actions_.undo->setEnabled(history_->canUndo());
    actions_.redo->setEnabled(history_->canRedo());
    if (modified()) actions_.regist->setEnabled(true);
}

// ---- registering and deleting -------------------------------------------

void TFormFunc::registerFunction() { registerOrDelete(false); }

void TFormFunc::deleteFunction() { registerOrDelete(true); }

void TFormFunc::registerOrDelete(bool remove) {
    const std::vector<std::string> text = editorLines();
    const std::string name = remove ? store_.deleteText(text) : store_.registerText(text);
    if (name.empty()) message(std::string(zentra::kNoFunctionNameMessage));
    memo_->document()->setModified(false);
    if (remove) {
        // The list shows the store: the entry of the deleted function goes,
        // whichever entry was selected.
        entries_ = zentra::orderedEntries(store_, order_);
        selected_.reset();
        showEntries();
    } else {
        // The first entry in store order is the registered function; an
        // alphabetical list keeps it selected where it lands.
        const zentra::FunctionOrder order = order_;
        rebuildList(zentra::FunctionOrder::Store);
        selected_.reset();
        if (!entries_.empty()) selected_ = entries_.front();
        if (order == zentra::FunctionOrder::Alphabetical) {
            setOrder(order);
        } else {
            showEntries();
        }
    }
    if (!name.empty() || !remove) emit storeChanged();
    refreshCommands();
}

// ---- library files ------------------------------------------------------

QString TFormFunc::dialogDirectory() const { return QString::fromStdString(lastDirectory_); }

void TFormFunc::rememberDirectory(const QString& path) {
    lastDirectory_ = (QFileInfo(path).absolutePath() + u'/').toStdString();
}

void TFormFunc::message(const std::string& text) { dialogs_.message(this, qText(text)); }

void TFormFunc::exportLibrary() {
    FileQuestion question;
    question.caption = QStringLiteral("ユーザ関数の保存");
    question.start = dialogDirectory();
    question.filter = kExportFilter;
    question.defaultSuffix = qText(zentra::kLibrarySuffix);
    const QString chosen = dialogs_.saveFileNameFor(this, question);
    if (chosen.isEmpty()) return;
    const std::string path = zentra::libraryPathWithSuffix(chosen.toStdString());
    const std::string error = zentra::writeLibraryFile(path, store_);
    if (!error.empty()) {
        message(error);
        return;
    }
    rememberDirectory(QString::fromStdString(path));
}

void TFormFunc::importLibrary() {
    FileQuestion question;
    question.caption = QStringLiteral("ファイルから登録");
    question.start = dialogDirectory();
    question.filter = kImportFilter;
    const QString path = dialogs_.openFileName(this, question);
    if (path.isEmpty()) return;
    rememberDirectory(path);
    const zentra::FileLines file = zentra::readLibraryFile(path.toStdString());
    if (!file.error.empty()) {
        message(file.error);
        return;
    }
    const zentra::ImportResult result = zentra::importLibrary(store_, file.lines);
    for (const std::string& notice : result.notices) message(notice);
    if (result.accepted && !result.names.empty()) {
        // The new functions are in front: the list shows them there.
        rebuildList(zentra::FunctionOrder::Store);
        showEntries();
        emit storeChanged();
    }
    message(result.summary);
    open();
}
