#include "app/code_edit_widget.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QTextBlock>

#include "app/comment_highlighter_qt.h"
#include "app/text_appearance_qt.h"

namespace {

// The formatting rectangle's insets: 8 pixels left and right, 4 top and
// bottom. The document margin gives 4 on every side, the viewport margins
// the rest left and right.
constexpr int kDocumentMargin = 4;
constexpr int kExtraSideInset = 4;

bool isUndoOrRedo(const QKeyEvent* key) {
    return key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
           key->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y);
}

}  // namespace

CodeEditWidget::CodeEditWidget(QWidget* parent) : QPlainTextEdit(parent), highlighter_(nullptr) {
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setWordWrapMode(QTextOption::NoWrap);
    setTabChangesFocus(false);
    setUndoRedoEnabled(false);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    document()->setDocumentMargin(kDocumentMargin);
    setViewportMargins(kExtraSideInset, 0, kExtraSideInset, 0);
    // The margins show the widget itself: give it the text background.
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, p.color(QPalette::Base));
    setPalette(p);
    viewport()->setMouseTracking(true);
    highlighter_ = new CommentHighlighter(document());
    setTextFont(designedTextFont());
}

void CodeEditWidget::setTextFont(const QFont& font) {
    textFont_ = font;
    setFont(font);
    document()->setDefaultFont(font);
    setTabStopDistance(::tabStopDistance(font));
}

int CodeEditWidget::caretLine() const { return textCursor().blockNumber(); }

QString CodeEditWidget::lineText(int index) const { return document()->findBlockByNumber(index).text(); }

void CodeEditWidget::selectWholeLine(int index) {
    const QTextBlock block = document()->findBlockByNumber(index);
    if (!block.isValid()) return;
    QTextCursor cursor(block);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
    setFocus(Qt::OtherFocusReason);
    ensureCursorVisible();
}

void CodeEditWidget::insertAtCaret(const QString& text) {
    if (text.isEmpty()) return;
    textCursor().insertText(text);
}

bool CodeEditWidget::event(QEvent* e) {
    // The window's undo and redo commands own these keys.
    if (e->type() == QEvent::ShortcutOverride && isUndoOrRedo(static_cast<QKeyEvent*>(e))) {
        e->ignore();
        return true;
    }
    return QPlainTextEdit::event(e);
}

void CodeEditWidget::keyReleaseEvent(QKeyEvent* e) {
    QPlainTextEdit::keyReleaseEvent(e);
    if (!e->isAutoRepeat()) emit keyReleased(e);
}

void CodeEditWidget::mousePressEvent(QMouseEvent* e) {
    emit pressed();
    QPlainTextEdit::mousePressEvent(e);
}

void CodeEditWidget::mouseMoveEvent(QMouseEvent* e) {
    emit mouseMoved();
    QPlainTextEdit::mouseMoveEvent(e);
}

void CodeEditWidget::focusInEvent(QFocusEvent* e) {
    QPlainTextEdit::focusInEvent(e);
    emit focusEntered();
}
