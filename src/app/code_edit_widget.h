// The program area and the parameter area: a plain-text editor that takes
// tabs and does not wrap, whose own undo, redo and context menu are off (the
// main window's edit history and popup menu take their place).
#pragma once

#include <QPlainTextEdit>

class CommentHighlighter;

class CodeEditWidget : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit CodeEditWidget(QWidget* parent = nullptr);

    // Font, tab stops and the insets around the text; kept for applyFont().
    void setTextFont(const QFont& font);
    void applyFont() { setTextFont(textFont_); }
    QFont textFont() const { return textFont_; }

    // Zero-based line of the caret.
    int caretLine() const;
    QString lineText(int index) const;
    // Selects line `index` without its line break, gives the editor the
    // focus and scrolls the line into view.
    void selectWholeLine(int index);
    // Inserts text at the caret.
    void insertAtCaret(const QString& text);

signals:
    void keyReleased(QKeyEvent* event);  // not for auto-repeat
    void pressed();
    void focusEntered();
    void mouseMoved();

protected:
    bool event(QEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    QFont textFont_;
    CommentHighlighter* highlighter_;
};
