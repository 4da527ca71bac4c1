#include "app/editor_area_qt.h"

#include <QTextBlock>

#include "app/code_edit_widget.h"

QString joinEditorLines(const std::vector<std::string>& lines) {
    QString text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) text += u'\n';
        text += QString::fromStdString(lines[i]);
    }
    return text;
}

int EditorArea::lineCount() const {
    const QTextDocument* doc = editor_.document();
    const int blocks = doc->blockCount();
    return doc->lastBlock().text().isEmpty() ? blocks - 1 : blocks;
}

std::string EditorArea::line(int index) const {
    if (index < 0 || index >= lineCount()) return {};
    return editor_.lineText(index).toStdString();
}

void EditorArea::appendLine(std::string_view text, zentra::LineColour) {
    QTextCursor cursor(editor_.document());
    cursor.movePosition(QTextCursor::End);
    QString added = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())) + u'\n';
    if (!cursor.block().text().isEmpty()) added.prepend(u'\n');
    cursor.insertText(added);
}

void EditorArea::deleteLine(int index) {
    if (index < 0 || index >= lineCount()) return;
    const QTextBlock block = editor_.document()->findBlockByNumber(index);
    QTextCursor cursor(editor_.document());
    if (block.next().isValid()) {
        cursor.setPosition(block.position());
        cursor.setPosition(block.next().position(), QTextCursor::KeepAnchor);
    } else {
        // The last block goes with the line break before it.
        cursor.setPosition(block.position() + block.length() - 1);
        cursor.setPosition(index > 0 ? block.position() - 1 : block.position(), QTextCursor::KeepAnchor);
    }
    cursor.removeSelectedText();
}

void EditorArea::clear() { editor_.clear(); }

void EditorArea::setLines(const std::vector<std::string>& lines) { editor_.setPlainText(joinEditorLines(lines)); }

void EditorArea::selectLine(int index) {
    if (index < 0 || index >= editor_.document()->blockCount()) return;
    editor_.selectWholeLine(index);
}
