#include "shell/auto_indent.h"

#include <gtest/gtest.h>

#include "shell/main_window_rules.h"

namespace zentra {
namespace {

struct IndentCase {
    const char* lineAbove;
    const char* indent;
};

class AutoIndent : public ::testing::TestWithParam<IndentCase> {};

TEST_P(AutoIndent, CopiesTheIndentOfTheLineAbove) {
    EXPECT_EQ(autoIndentText(GetParam().lineAbove), GetParam().indent);
}

INSTANTIATE_TEST_SUITE_P(Cases, AutoIndent, ::testing::Values(
    IndentCase{"\t{", "\t\t"},
    IndentCase{"\tx = 1;", "\t"},
    IndentCase{"{", "\t"},
    IndentCase{"  {  // block", "  \t"},
    IndentCase{" \t y = 2;", " \t "},
    IndentCase{"if (a > 0) {", ""},
    IndentCase{"}", ""},
    IndentCase{"", ""},
    IndentCase{"   ", "   "},
    IndentCase{"\f{", ""}));  // only spaces and tabs make the indent

TEST(EnterTracker, EnterOnTheLineAlreadyHandledStopsAndIsNotRemembered) {
    EnterTracker tracker;
    EXPECT_EQ(tracker.keyReleased(false, 0), KeyReleaseStep::Continue);
    EXPECT_EQ(tracker.keyReleased(true, 1), KeyReleaseStep::Indent);
    EXPECT_EQ(tracker.rememberedLine(), 1);
    EXPECT_EQ(tracker.keyReleased(true, 1), KeyReleaseStep::Stop);
    EXPECT_EQ(tracker.keyReleased(true, 1), KeyReleaseStep::Stop);
    EXPECT_EQ(tracker.keyReleased(false, 1), KeyReleaseStep::Continue);
    EXPECT_EQ(tracker.keyReleased(true, 2), KeyReleaseStep::Indent);
    EXPECT_EQ(tracker.keyReleased(false, 5), KeyReleaseStep::Continue);
    EXPECT_EQ(tracker.rememberedLine(), 5);
}

TEST(EnterTracker, TheFirstEnterIsHandledOnAnyLine) {
    EnterTracker tracker;
    EXPECT_EQ(tracker.keyReleased(true, 0), KeyReleaseStep::Indent);
}

TEST(MainWindowRules, CaptionNamesTheDocumentFile) {
    EXPECT_EQ(windowCaption(""), " 科学技術計算用電卓  Zentra 1.2  ");
    EXPECT_EQ(windowCaption("/home/user/calc/梁.qbxsrc"), " 科学技術計算用電卓  Zentra 1.2  梁.qbxsrc");
    EXPECT_EQ(windowCaption("C:\\calc\\a.qbxsrc"), " 科学技術計算用電卓  Zentra 1.2  a.qbxsrc");
}

TEST(MainWindowRules, CommentStartsAtTheFirstDoubleSlash) {
    EXPECT_EQ(commentStart("x = 1; // a // b"), 7u);
    EXPECT_EQ(commentStart("x = 1 / 2;"), std::nullopt);
    EXPECT_EQ(commentStart("//"), 0u);
}

}  // namespace
}  // namespace zentra
