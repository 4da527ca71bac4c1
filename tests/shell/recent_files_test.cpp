#include "shell/recent_files.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zentra {
namespace {

using Names = std::vector<std::string>;

TEST(RecentFiles, OpeningAnotherDocumentPutsThePreviousOneOnTop) {
    RecentFiles recent(Names{"/d/b.qbxsrc"});
    recent.setCurrent("/d/a.qbxsrc");  // nothing was current: the list stays
    EXPECT_EQ(recent.entries(), Names{"/d/b.qbxsrc"});
    recent.setCurrent("/d/c.qbxsrc");
    EXPECT_EQ(recent.current(), "/d/c.qbxsrc");
    EXPECT_EQ(recent.entries(), (Names{"/d/a.qbxsrc", "/d/b.qbxsrc"}));
    // An entry opened again leaves its place in the list.
    recent.setCurrent("/d/b.qbxsrc");
    EXPECT_EQ(recent.entries(), (Names{"/d/c.qbxsrc", "/d/a.qbxsrc"}));
}

TEST(RecentFiles, NamesAreComparedExactly) {
    RecentFiles recent;
    recent.setCurrent("/d/Calc.qbxsrc");
    recent.setCurrent("/d/calc.qbxsrc");
    EXPECT_EQ(recent.entries(), Names{"/d/Calc.qbxsrc"});
}

TEST(RecentFiles, TheStoredListLosesEmptyNamesRepeatsAndWhatIsPastTen) {
    Names stored{"/d/a", "", "/d/b", "/d/a"};
    for (int i = 0; i < 12; ++i) stored.push_back("/e/" + std::to_string(i));
    const RecentFiles recent(stored);
    ASSERT_EQ(recent.entries().size(), kRecentFilesCapacity);
    EXPECT_EQ(recent.entries()[0], "/d/a");
    EXPECT_EQ(recent.entries()[1], "/d/b");
    EXPECT_EQ(recent.entries()[2], "/e/0");
    EXPECT_EQ(recent.current(), "");
}

TEST(RecentFiles, TheCurrentNameFromTheSettingsLeavesTheListAlone) {
    RecentFiles recent(Names{"/d/b"});
    recent.restoreCurrent("/d/a");
    EXPECT_EQ(recent.current(), "/d/a");
    EXPECT_EQ(recent.entries(), Names{"/d/b"});
    // A current name that the list also holds (a settings file edited by
    // hand) moves to the top instead of standing there twice.
    recent.restoreCurrent("/d/b");
    recent.setCurrent("/d/c");
    EXPECT_EQ(recent.entries(), Names{"/d/b"});
}

TEST(RecentFiles, ANameWithALineBreakNeverEntersTheList) {
    // The stored list ends each name with LF: such a name would come back as two.
    RecentFiles recent;
    recent.setCurrent("/d/a\nb.qbxsrc");
    recent.setCurrent("/d/c.qbxsrc");
    EXPECT_TRUE(recent.entries().empty());
    EXPECT_TRUE(RecentFiles(Names{"/d/x\ry"}).entries().empty());
}

struct CaptionCase {
    std::size_t index;
    std::string path;
    std::string caption;
};

class RecentEntryCaption : public ::testing::TestWithParam<CaptionCase> {};

TEST_P(RecentEntryCaption, NumbersFromOneAndShowsAmpersandsAsThemselves) {
    EXPECT_EQ(recentEntryCaption(GetParam().index, GetParam().path), GetParam().caption);
}

INSTANTIATE_TEST_SUITE_P(Cases, RecentEntryCaption, ::testing::Values(
    CaptionCase{0, "/home/u/a.qbxsrc", "&1 /home/u/a.qbxsrc"},
    CaptionCase{9, "/x.qbxsrc", "&10 /x.qbxsrc"},
    CaptionCase{1, "/d/R&D/a&&b.qbxsrc", "&2 /d/R&&D/a&&&&b.qbxsrc"},
    CaptionCase{2, "/データ/計算.qbxsrc", "&3 /データ/計算.qbxsrc"}));

}  // namespace
}  // namespace zentra
