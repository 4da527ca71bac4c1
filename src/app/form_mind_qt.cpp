#include "app/form_mind_qt.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QListView>
#include <QMenu>
#include <QScreen>
#include <QStringListModel>
#include <QStyledItemDelegate>
#include <QTextBlock>
#include <QVBoxLayout>

#include "app/code_edit_widget.h"

namespace {

QString fromUtf8(const std::string& text) { return QString::fromStdString(text); }

bool isEnter(const QKeyEvent* key) { return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter; }

}  // namespace

// Rows of one height (the font's point size + 6), so a long list lays out
// without measuring each row.
class HistoryItemDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    int height = 17;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), height};
    }
};

TFormMind::TFormMind(QWidget* mainWindow, QAction* recallOff)
    : QWidget(mainWindow, Qt::Tool), mainWindow_(mainWindow), recallOff_(recallOff) {
    setObjectName(QStringLiteral("FormMind"));
    setWindowTitle(QStringLiteral("過去の入力一覧"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    createList();
    createMenu();
    setStoredSize({zentra::kHistoryWindowDesignedWidth, zentra::kHistoryWindowDesignedHeight});
    if (recallOff_ != nullptr) {
        connect(recallOff_, &QAction::toggled, this, [this](bool off) {
            if (off) closeWindow();
        });
    }
}

void TFormMind::createList() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    model_ = new QStringListModel(this);
    list_ = new QListView(this);
    list_->setObjectName(QStringLiteral("ListBox1"));
    list_->setModel(model_);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setUniformItemSizes(true);
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    delegate_ = new HistoryItemDelegate(list_);
    list_->setItemDelegate(delegate_);
    list_->installEventFilter(this);
    layout->addWidget(list_);
    connect(list_, &QListView::doubleClicked, this, [this](const QModelIndex& index) { pick(index.row()); });
}

void TFormMind::createMenu() {
    const auto make = [this](const char* name, const QString& caption, const QKeySequence& key) {
        auto* action = new QAction(caption, this);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(key);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(action);
        return action;
    };
    showAllAction_ = make("MenuShowAll", QStringLiteral("全て表示 (&V)"), QKeySequence());
    selectAllAction_ = make("MenuSelectAll", QStringLiteral("全て選択 (&S)"), QKeySequence(Qt::CTRL | Qt::Key_A));
    deleteAction_ = make("MenuDelete", QStringLiteral("選択部分の削除 (&D)"), QKeySequence(Qt::Key_Delete));
    connect(showAllAction_, &QAction::triggered, this, &TFormMind::showAll);
    connect(selectAllAction_, &QAction::triggered, this, &TFormMind::selectAll);
    connect(deleteAction_, &QAction::triggered, this, &TFormMind::deleteSelected);

    popup_ = new QMenu(this);
    popup_->setObjectName(QStringLiteral("PopupMenu1"));
    popup_->addAction(showAllAction_);
    popup_->addAction(selectAllAction_);
    popup_->addAction(deleteAction_);
    connect(list_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { popup_->popup(list_->viewport()->mapToGlobal(at)); });
}

bool TFormMind::recallIsOff() const { return recallOff_ != nullptr && recallOff_->isChecked(); }

// ---- search and pick ----------------------------------------------------

void TFormMind::editorKeyReleased(CodeEditWidget* editor, std::vector<std::string>& history, int key) {
    if (key == Qt::Key_Escape) {
        closeWindow();
        return;
    }
    if (!recallIsOff() && !justPicked_) {
        editor_ = editor;
        history_ = &history;
        const QTextCursor caret = editor->textCursor();
        const QString before = caret.block().text().left(caret.positionInBlock());
        fill(zentra::matchingEntries(history, zentra::recallPrefix(before.toStdString())));
        // Nothing kept: the window stays as it is (a visible one with an empty list).
        if (!shown_.empty()) {
            setWindowTitle(QStringLiteral("過去の入力一覧"));
            showBeside(editor);
        }
    }
    justPicked_ = false;
}

void TFormMind::pick(int row) {
    if (recallIsOff() || altHeld_ || !editor_) return;
    if (row < 0 || static_cast<std::size_t>(row) >= shown_.size()) return;
    justPicked_ = true;
    // One edit of the editor: its change event records it like typing would.
    QTextCursor line = editor_->textCursor();
    line.clearSelection();
    line.movePosition(QTextCursor::StartOfBlock);
    line.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    const std::string replaced =
        zentra::recalledLine(line.selectedText().toStdString(), shown_[static_cast<std::size_t>(row)]);
    line.insertText(fromUtf8(replaced));
    editor_->setTextCursor(line);
    returnFocus();
}

void TFormMind::showAll() {
    if (history_ == nullptr) return;
    fill(zentra::sortedEntries(*history_));
    justPicked_ = true;
}

void TFormMind::selectAll() { list_->selectAll(); }

void TFormMind::deleteSelected() {
    if (history_ == nullptr) return;
    std::vector<int> rows;
    for (const QModelIndex& index : list_->selectionModel()->selectedRows()) rows.push_back(index.row());
    if (rows.empty()) return;
    zentra::deleteEntries(*history_, shown_, std::move(rows));
    fill(std::move(shown_));
}

void TFormMind::fill(std::vector<std::string> entries) {
    shown_ = std::move(entries);
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(shown_.size()));
    for (const std::string& entry : shown_) texts << fromUtf8(entry);
    model_->setStringList(texts);
}

// ---- showing and hiding -------------------------------------------------

void TFormMind::showBeside(CodeEditWidget* editor) {
    if (!isVisible()) {
        std::vector<zentra::ScreenRect> screens;
        for (const QScreen* screen : QGuiApplication::screens()) {
            const QRect r = screen->availableGeometry();
            screens.push_back({r.left(), r.top(), r.width(), r.height()});
        }
        const QRect frame = mainWindow_->frameGeometry();
        const zentra::WindowSize size = storedSize();
        const zentra::WindowRect place =
            zentra::historyWindowPlace({frame.left(), frame.top(), frame.width(), frame.height()},
                                       editor->mapToGlobal(QPoint(0, 0)).y(), size, screens);
        resize(place.width, place.height);
        move(place.left, place.top);
        show();
        // Where the platform activates a new window anyway, the main
        // window asks for the keyboard back after it.
        editor->window()->activateWindow();
    }
    returnFocus();
}

void TFormMind::returnFocus() {
    if (!editor_) return;
    QWidget* window = editor_->window();
    if (QApplication::activeWindow() != window) window->activateWindow();
    editor_->setFocus(Qt::OtherFocusReason);
}

void TFormMind::closeWindow() {
    justPicked_ = false;
    hide();
}

void TFormMind::closeEvent(QCloseEvent* event) {
    justPicked_ = false;
    QWidget::closeEvent(event);
}

bool TFormMind::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & Qt::AltModifier || key->key() == Qt::Key_Alt) altHeld_ = true;
        if (key->key() == Qt::Key_Escape) {
            closeWindow();
            returnFocus();
            return true;
        }
        // Picked on release, so that the release does not reach the editor
        // that gets the focus back.
        if (isEnter(key)) return true;
    } else if (watched == list_ && event->type() == QEvent::KeyRelease) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Alt || !(key->modifiers() & Qt::AltModifier)) altHeld_ = false;
        if (isEnter(key) && !key->isAutoRepeat()) {
            pick(list_->currentIndex().row());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// ---- size and font ------------------------------------------------------

void TFormMind::setStoredSize(zentra::WindowSize size) {
    const zentra::WindowSize s = zentra::clampHistoryWindowSize(size);
    resize(s.width, s.height);
}

zentra::WindowSize TFormMind::storedSize() const { return zentra::clampHistoryWindowSize({width(), height()}); }

void TFormMind::setListFont(const QFont& font) {
    list_->setFont(font);
    delegate_->height = zentra::historyItemHeight(font.pointSize(), QFontMetrics(font).height());
    list_->reset();
}

int TFormMind::itemHeight() const { return delegate_->height; }

QStringList TFormMind::entries() const { return model_->stringList(); }
