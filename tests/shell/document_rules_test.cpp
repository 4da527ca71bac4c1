#include "shell/document_rules.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace zentra {
namespace {

TEST(SaveQuestion, FollowsTheNameTheMarksAndTheTexts) {
    EXPECT_EQ(saveQuestionFor("", false, false), SaveQuestion::SaveAs);  // also for empty texts
    EXPECT_EQ(saveQuestionFor("", true, true), SaveQuestion::SaveAs);
    EXPECT_EQ(saveQuestionFor("/d/a.qbxsrc", true, false), SaveQuestion::Save);
    EXPECT_EQ(saveQuestionFor("/d/a.qbxsrc", false, true), SaveQuestion::Save);
    EXPECT_EQ(saveQuestionFor("/d/a.qbxsrc", false, false), SaveQuestion::None);
    EXPECT_EQ(saveQuestionText(SaveQuestion::SaveAs), kUnnamedQuestion);
    EXPECT_EQ(saveQuestionText(SaveQuestion::Save), kModifiedQuestion);
}

struct QueryCase {
    const char* what;
    SaveQuestion question;
    QueryAnswer answer;
    bool saveSucceeds;
    bool asked;
    bool saved;
    bool goesOn;
};

class SaveQuery : public ::testing::TestWithParam<QueryCase> {};

TEST_P(SaveQuery, AsksSavesAndDecidesWhetherTheCommandGoesOn) {
    const QueryCase& c = GetParam();
    int asked = 0;
    int saved = 0;
    const bool goesOn = runSaveQuery(
        c.question,
        [&](SaveQuestion q) {
            EXPECT_EQ(q, c.question);
            ++asked;
            return c.answer;
        },
        [&](SaveQuestion q) {
            EXPECT_EQ(q, c.question);
            ++saved;
            return c.saveSucceeds;
        });
    EXPECT_EQ(asked, c.asked ? 1 : 0) << c.what;
    EXPECT_EQ(saved, c.saved ? 1 : 0) << c.what;
    EXPECT_EQ(goesOn, c.goesOn) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Cases, SaveQuery, ::testing::Values(
    QueryCase{"nothing to ask", SaveQuestion::None, QueryAnswer::Cancel, false, false, false, true},
    QueryCase{"yes, saved as", SaveQuestion::SaveAs, QueryAnswer::Yes, true, true, true, true},
    QueryCase{"yes, save dialog cancelled", SaveQuestion::SaveAs, QueryAnswer::Yes, false, true, true, false},
    QueryCase{"yes, saved", SaveQuestion::Save, QueryAnswer::Yes, true, true, true, true},
    QueryCase{"yes, write failed", SaveQuestion::Save, QueryAnswer::Yes, false, true, true, false},
    QueryCase{"no", SaveQuestion::Save, QueryAnswer::No, true, true, false, true},
    QueryCase{"cancel", SaveQuestion::SaveAs, QueryAnswer::Cancel, true, true, false, false}));

const std::vector<ScreenRect> kTwoScreens{{0, 0, 1920, 1080}, {1920, 0, 1280, 1024}};

TEST(ClampDocument, SettingsComeIntoRange) {
    struct Case {
        int precision, radian, loops;
        int wantPrecision, wantRadian, wantLoops;
    };
    const Case cases[] = {
        {99, 7, -5, 15, 1, 1},
        {0, -1, 0, 1, 1, 1},
        {INT_MIN, 0, INT_MAX, 1, 0, INT_MAX},
        {12, 1, 5000, 12, 1, 5000},
    };
    for (const Case& c : cases) {
        Document d;
        d.precision = c.precision;
        d.radian = c.radian;
        d.loops = c.loops;
        d.mainWindow = {100, 300, 100, 500};
        const Document clamped = clampDocument(d, kTwoScreens);
        EXPECT_EQ(clamped.precision, c.wantPrecision) << c.precision;
        EXPECT_EQ(clamped.radian, c.wantRadian) << c.radian;
        EXPECT_EQ(clamped.loops, c.wantLoops) << c.loops;
    }
}

TEST(ClampDocument, WindowsComeOntoTheScreens) {
    Document d;
    d.mainWindow = {-40000, INT_MAX, 90000, -7};
    d.parameterAreaHeight = 5000;
    d.editorPanelWidth = -3;
    d.graphWindow = WindowGeometry{2000, 400, 2000, 400};
    const Document clamped = clampDocument(d, kTwoScreens);
    const WindowGeometry& m = clamped.mainWindow;
    EXPECT_GE(m.width, 1);
    EXPECT_LE(m.height, 1080);
    const bool onFirst = m.left >= 0 && m.left + m.width <= 1920 && m.top >= 0 && m.top + m.height <= 1080;
    const bool onSecond = m.left >= 1920 && m.left + m.width <= 3200 && m.top >= 0 && m.top + m.height <= 1024;
    EXPECT_TRUE(onFirst || onSecond) << m.left << "," << m.top << " " << m.width << "x" << m.height;
    EXPECT_EQ(clamped.parameterAreaHeight, m.height);
    EXPECT_EQ(clamped.editorPanelWidth, 0);
    ASSERT_TRUE(clamped.graphWindow.has_value());
    EXPECT_LE(clamped.graphWindow->top + clamped.graphWindow->height, 1080);
    EXPECT_EQ(clamped.graphWindow->height, 400);

    // A place that shows on a screen, also left of the primary one, stays.
    Document fine;
    fine.mainWindow = {10, 600, 1950, 800};
    fine.graphWindow = WindowGeometry{30, 300, 40, 500};
    EXPECT_EQ(clampDocument(fine, kTwoScreens), fine);
}

}  // namespace
}  // namespace zentra
