#include "front/token_table.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "front/front_fixture.h"
#include "front/token_append.h"

namespace zentra {
namespace {

using testing::FrontFixture;

// A text of at least `length` characters that differs from its neighbours.
std::string textNumber(int n, std::size_t length) {
    std::string text = std::to_string(n) + ":";
    while (text.size() < length)
        text += static_cast<char>('a' + (n + static_cast<int>(text.size())) % 26);
    return text;
}

TEST(TextArena, ViewsStayRightWhileChunksAreAdded) {
    TextArena arena;
    std::vector<std::string> expected;
    std::vector<std::string_view> views;
    // Short texts and some longer than a chunk, so that many chunks are added.
    for (int n = 0; n < 5000; ++n) {
        const std::size_t length = n % 500 == 499 ? 40000 : 1 + static_cast<std::size_t>(n % 37);
        expected.push_back(textNumber(n, length));
        views.push_back(arena.store(expected.back()));
    }
    EXPECT_GT(arena.chunkCount(), 3u);
    for (std::size_t i = 0; i < views.size(); ++i) {
        ASSERT_EQ(views[i], expected[i]) << "text " << i;
        EXPECT_TRUE(arena.holds(views[i]));
    }
    EXPECT_FALSE(arena.holds(expected[0]));
    EXPECT_FALSE(arena.holds({}));
}

TEST(TextArena, JoinsStoredTextsAcrossANewChunk) {
    TextArena arena;
    const std::string_view a = arena.store(std::string(10000, 'a'));
    const std::string_view b = arena.store(std::string(6000, 'b'));
    // Too long for what is left of the first chunk: the result goes into a new one.
    const std::string_view joined = arena.join(a, b);
    EXPECT_EQ(joined, std::string(10000, 'a') + std::string(6000, 'b'));
    EXPECT_EQ(a, std::string(10000, 'a'));
    EXPECT_EQ(arena.join("-", "5"), "-5");
    EXPECT_TRUE(arena.join("", "").empty());
    EXPECT_TRUE(arena.store("").empty());
}

TEST(TokenTable, ClearStartsOverAndReusesItsStorage) {
    TokenTable table;
    for (int n = 0; n < 100; ++n) {
        ASSERT_EQ(table.append(Token{n, Kind::IDENT, table.store(textNumber(n, 8)), 0}),
                  AppendResult::Added);
    }
    const std::size_t chunks = table.texts().chunkCount();
    table.clear();
    EXPECT_EQ(table.count(), 0);
    EXPECT_EQ(table.at(0).kind, Kind::None);
    EXPECT_TRUE(table.at(0).text.empty());
    for (int n = 0; n < 100; ++n)
        table.append(Token{n, Kind::DIGIT, table.store(std::to_string(n * 7)), 0});
    EXPECT_EQ(table.texts().chunkCount(), chunks);
    for (int n = 0; n < 100; ++n) EXPECT_EQ(table.at(n).text, std::to_string(n * 7));
}

TEST(TokenTable, OutsideTheCountReadsAsEmptyAndTheEndRecordHoldsABackslash) {
    TokenTable table;
    table.append(Token{7, Kind::IDENT, table.store("x"), 2});
    table.markEnd();
    EXPECT_EQ(table[1].text, "\\");
    EXPECT_EQ(table[1].kind, Kind::None);
    for (const int index : {-1, 1, kMaxTokens, kMaxTokens + 1}) {
        EXPECT_TRUE(table.at(index).text.empty()) << index;
        EXPECT_EQ(table.at(index).kind, Kind::None) << index;
    }
    table.setCount(kMaxTokens + 5);
    EXPECT_EQ(table.count(), kMaxTokens);
    table.markEnd();  // the record past the last possible token
    EXPECT_EQ(table[kMaxTokens].text, "\\");
    table.setCount(-3);
    EXPECT_EQ(table.count(), 0);
}

TEST(TokenTable, SaysTheLimitOncePerRun) {
    TokenTable table;
    for (int run = 0; run < 2; ++run) {
        table.clear();
        for (int n = 0; n < kMaxTokens; ++n) ASSERT_EQ(table.append(Token{}), AppendResult::Added);
        EXPECT_TRUE(table.full());
        EXPECT_EQ(table.append(Token{}), AppendResult::LimitReached) << "run " << run;
        EXPECT_EQ(table.append(Token{}), AppendResult::Full);
        EXPECT_EQ(table.count(), kMaxTokens);
    }
}

TEST(TokenTable, CompilerReportsError921OncePerRun) {
    FrontFixture f;
    for (int run = 0; run < 2; ++run) {
        f.compiler.tokens.clear();
        f.host.output.clear();
        for (int n = 0; n < kMaxTokens; ++n) {
            ASSERT_TRUE(appendToken(f.compiler.tokens, f.compiler.report,
                                    Token{makePosition(kProgramArea, 3), Kind::IDENT, "a", 0}));
        }
        EXPECT_FALSE(appendToken(f.compiler.tokens, f.compiler.report,
                                 Token{makePosition(kProgramArea, 4), Kind::IDENT, "b", 0}));
        EXPECT_FALSE(appendStoredToken(f.compiler.tokens, f.compiler.report,
                                       Token{makePosition(kProgramArea, 5), Kind::IDENT, "c", 0}));
        ASSERT_EQ(f.output().size(), 2u) << "run " << run;
        EXPECT_EQ(f.output()[0], "error 921-00004");
        EXPECT_EQ(f.output()[1], " トークン数が4096個を超えました。プログラムを分けてください。");
    }
}

TEST(TokenTable, AppendTokenCopiesATextThatDiesAfterTheCall) {
    FrontFixture f;
    f.compiler.tokens.clear();
    for (int n = 0; n < 50; ++n) {
        const std::string text = textNumber(n, 30);  // longer than a short string keeps in place
        appendToken(f.compiler.tokens, f.compiler.report, Token{0, Kind::IDENT, text, 0});
    }
    for (int n = 0; n < 50; ++n) EXPECT_EQ(f.compiler.tokenAt(n).text, textNumber(n, 30));
}

TEST(TokenSnapshot, KeepsItsTextsWhenTheTableMovesOnOrGoes) {
    auto table = std::make_unique<TokenTable>();
    std::vector<std::string> expected;
    for (int n = 0; n < 300; ++n) {
        expected.push_back(textNumber(n, 1 + static_cast<std::size_t>(n % 90)));
        table->append(Token{makePosition(kProgramArea, n + 1), Kind::IDENT,
                            table->store(expected.back()), n % 3});
    }
    table->append(Token{0, Kind::SEMICLN, ";", 0});  // a text in static storage
    expected.push_back(";");
    const TokenSnapshot snapshot(*table);
    const TokenSnapshot copy = snapshot;

    // The table is changed, cleared, refilled with other texts, and destroyed.
    (*table)[0].text = table->store("changed");
    table->clear();
    for (int n = 0; n < 2000; ++n)
        table->append(Token{0, Kind::DIGIT, table->store(std::string(40, 'z')), 0});
    table.reset();

    for (const TokenSnapshot* s : {&snapshot, &copy}) {
        ASSERT_EQ(s->size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            ASSERT_EQ((*s)[i].text, expected[i]) << "token " << i;
        }
        EXPECT_EQ((*s)[5].position, makePosition(kProgramArea, 6));
        EXPECT_EQ((*s)[5].scope, 2);
        EXPECT_EQ((*s)[300].kind, Kind::SEMICLN);
    }
    EXPECT_EQ(TokenSnapshot().size(), 0u);
}

// As the monitor's pane holds the dump of the last run while the next one
// fills the table: snapshots kept over several runs, some dropped on the way,
// and writes after a snapshot within its own run.
TEST(TokenSnapshot, StaysAsTakenOverRunsAndLaterWrites) {
    TokenTable table;
    const auto text = [](int run, int n) {
        return "r" + std::to_string(run) + "t" + std::to_string(n);
    };
    std::vector<TokenSnapshot> kept;
    for (int run = 0; run < 6; ++run) {
        table.clear();
        for (int n = 0; n < 200; ++n)
            table.append(Token{n, Kind::IDENT, table.store(text(run, n)), run});
        table.markEnd();
        TokenSnapshot snapshot(table);
        // Within the run: fewer tokens, others appended over them, a text replaced.
        table.setCount(100);
        for (int n = 100; n < 150; ++n) table.append(Token{n, Kind::DIGIT, table.store("x"), 0});
        table[5].text = table.store("later");
        EXPECT_EQ(table.at(5).text, "later");
        EXPECT_EQ(table.at(120).text, "x");
        if (run % 2 == 0) kept.push_back(snapshot);  // the others are dropped here
        if (kept.size() > 2) kept.erase(kept.begin());
    }
    ASSERT_EQ(kept.size(), 2u);
    for (std::size_t k = 0; k < kept.size(); ++k) {
        const int run = k == 0 ? 2 : 4;
        ASSERT_EQ(kept[k].size(), 200u);
        for (int n = 0; n < 200; ++n) {
            ASSERT_EQ(kept[k][static_cast<std::size_t>(n)].text, text(run, n)) << run << " " << n;
            ASSERT_EQ(kept[k][static_cast<std::size_t>(n)].scope, run);
        }
    }
}

// The monitor keeps the last run's dump until the next one replaces it: the
// arena then takes turns between two chunks instead of allocating one per run.
TEST(TextArena, ChunksComeBackOnceTheSnapshotLetsGo) {
    TokenTable table;
    TokenSnapshot shown;
    for (int run = 0; run < 8; ++run) {
        table.clear();
        // From the third run on, the chunk of the run before last is free again.
        EXPECT_EQ(table.texts().chunkCount(), run < 2 ? 0u : 1u) << run;
        const std::string_view first = table.store("run" + std::to_string(run));
        table.append(Token{0, Kind::IDENT, first, 0});
        EXPECT_EQ(table.texts().chunkCount(), 1u);
        shown = TokenSnapshot(table);  // the dump before is dropped
        ASSERT_EQ(shown[0].text, "run" + std::to_string(run));
    }
}

}  // namespace
}  // namespace zentra
