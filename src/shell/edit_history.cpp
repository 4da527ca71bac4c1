#include "shell/edit_history.h"

#include <algorithm>

namespace zentra {

EditHistory::EditHistory(EditorState& editor) : editor_(editor) {}

void EditHistory::reset() {
    snapshots_.clear();
    carets_.clear();
    snapshots_.push_back(editor_.lines());
    carets_.push_back(editor_.caret());
    position_ = 0;
    editor_.setModified(false);
}

void EditHistory::record() {
    if (!editor_.modified()) return;
    std::vector<std::string> current = editor_.lines();
    // Before the first reset there is nothing to compare with: the text
    // becomes the first snapshot.
    if (!snapshots_.empty() && current == snapshots_[static_cast<std::size_t>(position_)]) {
        editor_.setModified(false);
        return;
    }
    if (canRedo()) {
        snapshots_.resize(static_cast<std::size_t>(position_) + 1);
        carets_.resize(static_cast<std::size_t>(position_) + 1);
    }
    snapshots_.push_back(std::move(current));
    carets_.push_back(editor_.caret());
    position_ = snapshotCount() - 1;
    editor_.setModified(false);
}

void EditHistory::undo() {
    if (!canUndo()) return;
    --position_;
    restore(position_);
}

void EditHistory::redo() {
    if (!canRedo()) return;
    ++position_;
    restore(position_);
}

void EditHistory::restore(int index) {
    const auto i = static_cast<std::size_t>(index);
    const int firstVisible = editor_.firstVisibleLine();
    editor_.applyChosenFont();
    editor_.setLines(snapshots_[i]);
    editor_.colourComments();
    editor_.setCaret(carets_[i]);
    editor_.scrollBy(firstVisible - editor_.firstVisibleLine());
}

void runEditCommand(EditHistory& history, EditCommand command, bool& changeTracking) {
    changeTracking = false;
    if (command == EditCommand::Undo) {
        history.undo();
    } else {
        history.redo();
    }
    changeTracking = true;
}

void recordKeepingMark(EditHistory& history, EditorState& editor) {
    history.record();
    editor.setModified(true);
}

void MemoryEditor::setLines(const std::vector<std::string>& lines) {
    lines_ = lines;
    caret_ = 0;
    firstVisible_ = 0;
}

void MemoryEditor::setCaret(int position) {
    caret_ = std::clamp(position, 0, textLength());
    showCaretLine();
}

void MemoryEditor::scrollBy(int lines) {
    const int last = std::max(0, static_cast<int>(lines_.size()) - 1);
    firstVisible_ = std::clamp(firstVisible_ + lines, 0, last);
}

void MemoryEditor::type(const std::vector<std::string>& lines, int caret) {
    lines_ = lines;
    setCaret(caret);
    modified_ = true;
}

int MemoryEditor::lineStart(int line) const {
    int start = 0;
    for (int i = 0; i < line && i < static_cast<int>(lines_.size()); ++i) {
        start += static_cast<int>(lines_[static_cast<std::size_t>(i)].size()) + 1;
    }
    return start;
}

int MemoryEditor::lineOfPosition(int position) const {
    int start = 0;
    for (int i = 0; i < static_cast<int>(lines_.size()); ++i) {
        start += static_cast<int>(lines_[static_cast<std::size_t>(i)].size()) + 1;
        if (position < start) return i;
    }
    return std::max(0, static_cast<int>(lines_.size()) - 1);
}

int MemoryEditor::textLength() const {
    if (lines_.empty()) return 0;
    return lineStart(static_cast<int>(lines_.size())) - 1;
}

void MemoryEditor::showCaretLine() {
    const int line = lineOfPosition(caret_);
    if (line < firstVisible_) firstVisible_ = line;
    if (line >= firstVisible_ + visibleLines_) firstVisible_ = line - visibleLines_ + 1;
}

}  // namespace zentra
