#include "app/editor_state_qt.h"

#include <QScrollBar>
#include <QTextBlock>
#include <algorithm>

#include "app/code_edit_widget.h"
#include "app/editor_area_qt.h"

std::vector<std::string> EditorStateQt::lines() const {
    std::vector<std::string> out;
    const QTextDocument* doc = editor_.document();
    out.reserve(static_cast<std::size_t>(doc->blockCount()));
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) out.push_back(b.text().toStdString());
    return out;
}

void EditorStateQt::setLines(const std::vector<std::string>& lines) {
    editor_.setPlainText(joinEditorLines(lines));
}

int EditorStateQt::caret() const { return editor_.textCursor().position(); }

void EditorStateQt::setCaret(int position) {
    QTextCursor cursor = editor_.textCursor();
    cursor.setPosition(std::clamp(position, 0, editor_.document()->characterCount() - 1));
    editor_.setTextCursor(cursor);
}

// Without wrapping, the vertical scroll bar counts lines.
int EditorStateQt::firstVisibleLine() const { return editor_.verticalScrollBar()->value(); }

void EditorStateQt::scrollBy(int lines) {
    QScrollBar* bar = editor_.verticalScrollBar();
    bar->setValue(bar->value() + lines);
}

bool EditorStateQt::modified() const { return editor_.document()->isModified(); }

void EditorStateQt::setModified(bool modified) { editor_.document()->setModified(modified); }

void EditorStateQt::applyChosenFont() { editor_.applyFont(); }
