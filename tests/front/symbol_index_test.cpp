// The name index beside the symbol table gives what a walk of the table from
// entry 0 would: the entries of a name in table order, also when the same
// name is asked for again after the table changed.
#include "front/symbol_index.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zentra {
namespace {

using Entries = std::vector<int>;

class SymbolIndexTest : public ::testing::Test {
protected:
    void append(const std::string& name) {
        symbols.push_back(Symbol{Kind::VAR, name, {}, 0, 0, 0, {}});
        index.add(static_cast<int>(symbols.size()) - 1, name, static_cast<int>(symbols.size()));
    }
    Entries named(const std::string& name) {
        return index.named(symbols, static_cast<int>(symbols.size()), name);
    }

    std::vector<Symbol> symbols;
    SymbolIndex index;
};

TEST_F(SymbolIndexTest, AskingAgainSeesEntriesAddedSince) {
    append("x");
    append("y");
    EXPECT_EQ(named("x"), Entries{0});
    EXPECT_EQ(named("x"), Entries{0});
    append("x");
    EXPECT_EQ(named("x"), (Entries{0, 2}));
    EXPECT_EQ(named("z"), Entries{});
}

TEST_F(SymbolIndexTest, AskingAgainAfterTheTableWasCutOrRenamed) {
    append("x");
    append("x");
    EXPECT_EQ(named("x"), (Entries{0, 1}));
    symbols.resize(1);  // cut behind the index's back
    EXPECT_EQ(named("x"), Entries{0});
    symbols[0].name = "w";  // renamed in place
    EXPECT_EQ(named("x"), Entries{});
    EXPECT_EQ(named("w"), Entries{0});
    index.clear();
    EXPECT_EQ(named("w"), Entries{0});
}

TEST_F(SymbolIndexTest, EntriesAppendedDirectlyAreCaughtUp) {
    append("a");
    EXPECT_EQ(named("a"), Entries{0});
    symbols.push_back(Symbol{Kind::ARRAY, "a", {}, 0, 0, 0, {}});  // not through add
    EXPECT_EQ(named("a"), (Entries{0, 1}));
}

}  // namespace
}  // namespace zentra
