// Undo and redo over whole-text snapshots of one editor. A snapshot is taken
// after each change the editor reports while change tracking is on; edits
// made while it is off are folded into the next snapshot, because the
// editor's modified mark stays set until the history has seen the text.
#pragma once

#include <string>
#include <vector>

namespace zentra {

// What the history needs of an editor. The window layer wraps its text
// widget; tests use MemoryEditor.
class EditorState {
public:
    virtual ~EditorState() = default;

    virtual std::vector<std::string> lines() const = 0;
    // Replaces the whole text (the scroll position may change with it).
    virtual void setLines(const std::vector<std::string>& lines) = 0;
    // Character index of the caret.
    virtual int caret() const = 0;
    virtual void setCaret(int position) = 0;
    virtual int firstVisibleLine() const = 0;
    // Scrolls down by `lines` (up when negative).
    virtual void scrollBy(int lines) = 0;
    // Set by every user edit; the program reads and clears it.
    virtual bool modified() const = 0;
    virtual void setModified(bool modified) = 0;
    // Before a restored text goes in: the chosen font becomes the default.
    virtual void applyChosenFont() {}
    // After a restored text went in: every "//" comment turns green.
    virtual void colourComments() {}
};

class EditHistory {
public:
    explicit EditHistory(EditorState& editor);

    // One snapshot of the current text and caret; the modified mark cleared.
    void reset();
    // From the editor's change event while change tracking is on.
    void record();
    bool canUndo() const { return position_ >= 1; }
    bool canRedo() const { return position_ + 1 < snapshotCount(); }
    void undo();
    void redo();

    int snapshotCount() const { return static_cast<int>(snapshots_.size()); }
    int position() const { return position_; }

private:
    void restore(int index);

    EditorState& editor_;
    std::vector<std::vector<std::string>> snapshots_;
    std::vector<int> carets_;  // parallel to snapshots_
    int position_ = 0;
};

// The shared undo/redo handler of a window: change tracking is off while
// the text is put back, and on afterwards.
enum class EditCommand { Undo, Redo };
void runEditCommand(EditHistory& history, EditCommand command, bool& changeTracking);

// The user-function editor's change event: there the modified mark means
// "differs from what was registered", so it is set again after the record.
void recordKeepingMark(EditHistory& history, EditorState& editor);

// A plain editor: lines, a caret, and a view of `visibleLines` lines that
// follows the caret the way a text widget does.
class MemoryEditor : public EditorState {
public:
    explicit MemoryEditor(int visibleLines = 10) : visibleLines_(visibleLines) {}

    std::vector<std::string> lines() const override { return lines_; }
    void setLines(const std::vector<std::string>& lines) override;
    int caret() const override { return caret_; }
    void setCaret(int position) override;
    int firstVisibleLine() const override { return firstVisible_; }
    void scrollBy(int lines) override;
    bool modified() const override { return modified_; }
    void setModified(bool modified) override { modified_ = modified; }
    void applyChosenFont() override { ++fontApplied; }
    void colourComments() override { ++commentsColoured; }

    // A user edit: new text and caret, the mark set.
    void type(const std::vector<std::string>& lines, int caret);
    // Character index of the start of a line; line ends count one.
    int lineStart(int line) const;
    int lineOfPosition(int position) const;
    int textLength() const;

    int fontApplied = 0;
    int commentsColoured = 0;

private:
    void showCaretLine();

    std::vector<std::string> lines_;
    int caret_ = 0;
    int firstVisible_ = 0;
    int visibleLines_;
    bool modified_ = false;
};

}  // namespace zentra
