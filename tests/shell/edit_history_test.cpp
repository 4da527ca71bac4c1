#include "shell/edit_history.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zentra {
namespace {

using Lines = std::vector<std::string>;

class EditHistoryTest : public ::testing::Test {
protected:
    // A user edit seen by the history (change tracking on).
    void typeAndRecord(const Lines& lines, int caret) {
        editor.type(lines, caret);
        history.record();
    }

    MemoryEditor editor{10};
    EditHistory history{editor};
};

TEST_F(EditHistoryTest, AfterResetThereIsNothingToUndoOrRedo) {
    editor.type({"x = 1;"}, 3);
    history.reset();
    EXPECT_FALSE(editor.modified());
    EXPECT_EQ(history.snapshotCount(), 1);
    EXPECT_FALSE(history.canUndo());
    EXPECT_FALSE(history.canRedo());
    history.undo();
    history.redo();
    EXPECT_EQ(editor.lines(), Lines{"x = 1;"});
    EXPECT_EQ(editor.fontApplied, 0);
}

TEST_F(EditHistoryTest, TypingAfterUndoDropsTheUndoneSnapshots) {
    history.reset();
    typeAndRecord({"A"}, 1);
    typeAndRecord({"AB"}, 2);
    history.undo();
    EXPECT_EQ(editor.lines(), Lines{"A"});
    EXPECT_TRUE(history.canRedo());
    typeAndRecord({"AC"}, 2);
    EXPECT_EQ(history.snapshotCount(), 3);
    EXPECT_FALSE(history.canRedo());
    history.redo();
    EXPECT_EQ(editor.lines(), (Lines{"AC"}));
    history.undo();
    history.undo();
    EXPECT_EQ(editor.lines(), Lines{});
    EXPECT_FALSE(history.canUndo());
}

TEST_F(EditHistoryTest, UndoAndRedoWalkEverySnapshot) {
    history.reset();
    typeAndRecord({"a"}, 1);
    typeAndRecord({"a", "b"}, 3);
    typeAndRecord({"a", "b", "c"}, 5);
    history.undo();
    history.undo();
    EXPECT_EQ(editor.lines(), Lines{"a"});
    EXPECT_EQ(history.position(), 1);
    history.redo();
    history.redo();
    history.redo();  // nothing left to redo
    EXPECT_EQ(editor.lines(), (Lines{"a", "b", "c"}));
    EXPECT_EQ(editor.caret(), 5);
    EXPECT_EQ(history.position(), 3);
}

TEST_F(EditHistoryTest, AChangeBackToTheShownTextTakesNoSnapshot) {
    history.reset();
    typeAndRecord({"x=1;"}, 4);
    editor.type({"x=1;"}, 2);  // e.g. a character typed and deleted again
    history.record();
    EXPECT_EQ(history.snapshotCount(), 2);
    EXPECT_FALSE(editor.modified());
}

TEST_F(EditHistoryTest, AnUnmarkedChangeIsNotRecorded) {
    history.reset();
    editor.setLines({"set by the program"});
    history.record();
    EXPECT_EQ(history.snapshotCount(), 1);
}

TEST_F(EditHistoryTest, EditsUnseenWhileTrackingWasOffBecomeOneSnapshot) {
    history.reset();
    typeAndRecord({"a"}, 1);
    editor.type({"ab"}, 2);  // tracking off: no record
    editor.type({"abc"}, 3);
    EXPECT_TRUE(editor.modified());
    typeAndRecord({"abcd"}, 4);
    EXPECT_EQ(history.snapshotCount(), 3);
    history.undo();
    EXPECT_EQ(editor.lines(), Lines{"a"});
}

TEST_F(EditHistoryTest, UndoRestoresCaretAndKeepsTheFirstVisibleLine) {
    Lines lines;
    for (int i = 0; i < 40; ++i) lines.push_back("line" + std::to_string(i));
    editor.type(lines, 0);
    history.reset();
    const int caret = editor.lineStart(15) + 2;
    lines[15] = "changed";
    typeAndRecord(lines, caret);
    lines[30] = "again";
    typeAndRecord(lines, editor.lineStart(30));
    editor.scrollBy(12 - editor.firstVisibleLine());
    ASSERT_EQ(editor.firstVisibleLine(), 12);

    history.undo();
    EXPECT_EQ(editor.lines()[15], "changed");
    EXPECT_EQ(editor.lines()[30], "line30");
    EXPECT_EQ(editor.caret(), caret);
    EXPECT_EQ(editor.firstVisibleLine(), 12);
    EXPECT_EQ(editor.fontApplied, 1);
    EXPECT_EQ(editor.commentsColoured, 1);
}

TEST_F(EditHistoryTest, RecordBeforeAnyResetStartsTheHistory) {
    editor.type({"x"}, 1);
    history.record();
    EXPECT_EQ(history.snapshotCount(), 1);
    EXPECT_FALSE(history.canUndo());
    history.undo();
    EXPECT_EQ(editor.lines(), Lines{"x"});
}

// Sees the change-tracking flag whenever the history replaces the text.
class WatchingEditor : public MemoryEditor {
public:
    explicit WatchingEditor(const bool& tracking) : tracking_(tracking) {}
    void setLines(const Lines& lines) override {
        trackingWhileRestoring = tracking_;
        MemoryEditor::setLines(lines);
    }
    bool trackingWhileRestoring = true;

private:
    const bool& tracking_;
};

TEST(EditCommand, RunsWithTrackingOffAndTurnsItOn) {
    bool tracking = false;
    WatchingEditor editor(tracking);
    EditHistory history(editor);
    history.reset();
    editor.type({"a"}, 1);
    history.record();

    runEditCommand(history, EditCommand::Undo, tracking);
    EXPECT_TRUE(editor.lines().empty());
    EXPECT_FALSE(editor.trackingWhileRestoring);
    EXPECT_TRUE(tracking);

    editor.trackingWhileRestoring = true;
    tracking = true;
    runEditCommand(history, EditCommand::Redo, tracking);
    EXPECT_EQ(editor.lines(), Lines{"a"});
    EXPECT_FALSE(editor.trackingWhileRestoring);
    EXPECT_TRUE(tracking);
}

TEST(EditCommand, TheFunctionEditorKeepsItsModifiedMark) {
    MemoryEditor editor;
    EditHistory history(editor);
    history.reset();
    editor.type({"f(x)"}, 4);
    recordKeepingMark(history, editor);
    EXPECT_EQ(history.snapshotCount(), 2);
    EXPECT_TRUE(editor.modified());
    editor.type({"f(x)"}, 4);
    recordKeepingMark(history, editor);
    EXPECT_EQ(history.snapshotCount(), 2);  // same text: still compared, no snapshot
    EXPECT_TRUE(editor.modified());
}

TEST(MemoryEditor, PositionsCountOneForEachLineEnd) {
    MemoryEditor editor(2);
    editor.setLines({"ab", "", "cde"});
    EXPECT_EQ(editor.textLength(), 7);
    EXPECT_EQ(editor.lineStart(2), 4);
    EXPECT_EQ(editor.lineOfPosition(3), 1);
    EXPECT_EQ(editor.lineOfPosition(7), 2);
    editor.setCaret(100);
    EXPECT_EQ(editor.caret(), 7);
    EXPECT_EQ(editor.firstVisibleLine(), 1);  // the caret's line scrolled into a view of two
}

}  // namespace
}  // namespace zentra
