#include "front/symbol_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zentra {
namespace {

Symbol named(Kind kind, const std::string& name) { return Symbol{kind, name, {}, 0, 0, 0, {}}; }

TEST(SymbolTable, FindsTheFirstEntryOfAKindInTableOrder) {
    SymbolTable table;
    table.add(named(Kind::CONST, "x"));
    const int firstVar = table.add(named(Kind::VAR, "x"));
    table.add(named(Kind::VAR, "x"));
    EXPECT_EQ(table.find(Kind::VAR, "x"), firstVar);
    EXPECT_EQ(table.find(Kind::CONST, "x"), 0);
    EXPECT_EQ(table.find(Kind::ARRAY, "x"), -1);
    EXPECT_EQ(table.named("x").size(), 3u);
}

TEST(SymbolTable, TruncateForgetsLaterEntriesAndTheirNames) {
    SymbolTable table;
    table.add(named(Kind::VAR, "kept"));
    table.add(named(Kind::VAR, "gone"));
    ASSERT_EQ(table.find(Kind::VAR, "gone"), 1);
    table.truncate(1);
    EXPECT_EQ(table.count(), 1);
    EXPECT_EQ(table.find(Kind::VAR, "gone"), -1);
    EXPECT_EQ(table.find(Kind::VAR, "kept"), 0);
    EXPECT_EQ(table.add(named(Kind::CONST, "new")), 1);
    EXPECT_EQ(table.find(Kind::CONST, "new"), 1);
    table.truncate(5);  // never grows the table
    EXPECT_EQ(table.count(), 2);
}

TEST(SymbolTable, AskingAgainSeesEntriesAddedAndCutSince) {
    using Entries = std::vector<int>;
    SymbolTable table;
    table.add(named(Kind::VAR, "x"));
    table.add(named(Kind::VAR, "y"));
    EXPECT_EQ(table.named("x"), Entries{0});
    EXPECT_EQ(table.named("x"), Entries{0});  // the same name asked twice in a row
    table.add(named(Kind::ARRAY, "x"));
    EXPECT_EQ(table.named("x"), (Entries{0, 2}));
    table.truncate(2);
    EXPECT_EQ(table.named("x"), Entries{0});
    table.truncate(0);
    EXPECT_EQ(table.named("x"), Entries{});
    table.add(named(Kind::VAR, "x"));
    EXPECT_EQ(table.named("x"), Entries{0});
    EXPECT_EQ(table.named("z"), Entries{});
}

TEST(SymbolTable, AFullTableRefusesEntriesAndSaysSoOncePerRun) {
    SymbolTable table;
    for (int run = 0; run < 2; ++run) {
        table.truncate(0);
        while (table.add(named(Kind::VAR, "v")) >= 0) {
        }
        EXPECT_EQ(table.count(), kMaxSymbols);
        EXPECT_EQ(table.add(named(Kind::VAR, "w")), -1);
        EXPECT_TRUE(table.firstOverflow());
        EXPECT_FALSE(table.firstOverflow());
        EXPECT_EQ(table.inUse().size(), static_cast<std::size_t>(kMaxSymbols));
    }
}

}  // namespace
}  // namespace zentra
